// ReadLnStream: lines without their ends, every line-end style, the end flag on the last line,
// and the length cap.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "companion/ZEB_stringl.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/utf8.h"

namespace {

struct Line {
  std::string text;
  bool eof;
  bool operator==(const Line&) const = default;
};

std::vector<Line> ReadAll(const std::string& data, int maxLength = 0) {
  fw::TStringStream stream(data);
  std::vector<Line> lines;
  bool eof = false;
  for (int guard = 0; !eof && guard < 100000; ++guard) {
    std::string text = zeb::ReadLnStream(stream, eof, maxLength);
    lines.push_back({text, eof});
  }
  return lines;
}

TEST(ReadLnStream, LineEndsAndEndFlag) {
  struct Case {
    std::string data;
    std::vector<Line> lines;
  };
  const std::vector<Case> cases = {
      {"", {{"", true}}},
      {"a", {{"a", true}}},
      {"a\n", {{"a", true}}},
      {"a\nb", {{"a", false}, {"b", true}}},
      {"a\r\nb\r\n", {{"a", false}, {"b", true}}},
      {"a\rb\r", {{"a", false}, {"b", true}}},
      {"a\n\nb", {{"a", false}, {"", false}, {"b", true}}},
      {"\n", {{"", true}}},
      {"\r\n\r\n", {{"", false}, {"", true}}},
      {"a\n\r\nb", {{"a", false}, {"", false}, {"b", true}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.data);
    EXPECT_EQ(ReadAll(c.data), c.lines);
  }
}

TEST(ReadLnStream, LongLinesAndCrLfAcrossTheReadBuffer) {
  // Line ends at every offset around the reader's internal chunk boundaries.
  for (std::size_t length : {510u, 511u, 512u, 513u, 1023u, 1024u, 5000u}) {
    SCOPED_TRACE(length);
    const std::string a(length, 'x');
    const auto lines = ReadAll(a + "\r\n" + "tail");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], (Line{a, false}));
    EXPECT_EQ(lines[1], (Line{"tail", true}));
  }
}

TEST(ReadLnStream, LeavesTheStreamAfterTheLine) {
  fw::TStringStream stream("first\r\nsecond\n");
  bool eof = false;
  EXPECT_EQ(zeb::ReadLnStream(stream, eof, 0), "first");
  EXPECT_EQ(stream.Position(), 7);
  EXPECT_FALSE(eof);
  EXPECT_EQ(zeb::ReadLnStream(stream, eof, 0), "second");
  EXPECT_TRUE(eof);
  EXPECT_EQ(zeb::ReadLnStream(stream, eof, 0), "");
  EXPECT_TRUE(eof);
}

TEST(ReadLnStream, MaxLengthSplitsLongLinesBetweenCharacters) {
  EXPECT_EQ(ReadAll("abcdefg\nh", 3),
            (std::vector<Line>{{"abc", false}, {"def", false}, {"g", false}, {"h", true}}));
  // "ä" is two bytes: a cap of 2 after "a" must not split it.
  EXPECT_EQ(ReadAll("aäb", 2), (std::vector<Line>{{"a", false}, {"ä", false}, {"b", true}}));
  EXPECT_EQ(ReadAll("abc", 3), (std::vector<Line>{{"abc", true}}));
}

TEST(ReadLnStream, RandomTextRoundTripsWithAndWithoutCap) {
  // Random runs of characters and line ends of every style, around the read chunk size.
  std::mt19937 random(99);
  const std::vector<std::string> pieces = {"a", "ä", "€", "\n", "\r", "\r\n", "xyz"};
  for (int round = 0; round < 200; ++round) {
    std::string data;
    std::vector<std::string> expected(1);
    const int length = static_cast<int>(random() % 1500);
    for (int i = 0; i < length; ++i) {
      const std::string& piece = pieces[random() % pieces.size()];
      data += piece;
      if (piece[0] == '\n' || piece[0] == '\r') {
        expected.emplace_back();
      } else {
        expected.back() += piece;
      }
    }
    // "\r" followed by "\n" from separate pieces is one CR LF line end.
    std::vector<std::string> lines;
    for (const Line& line : ReadAll(data)) lines.push_back(line.text);
    std::string joined, expectedJoined;
    for (const auto& l : lines) joined += l;
    for (const auto& l : expected) expectedJoined += l;
    EXPECT_EQ(joined, expectedJoined);
    EXPECT_LE(lines.size(), expected.size());
    const int cap = 1 + static_cast<int>(random() % 20);
    std::string capped;
    for (const Line& line : ReadAll(data, cap)) {
      // Within the cap, unless one character alone is longer than the cap.
      EXPECT_TRUE(line.text.size() <= static_cast<std::size_t>(cap) || fw::Length(line.text) == 1);
      // Never a piece of a character: each line is whole UTF-8.
      for (std::size_t pos = 0; pos < line.text.size();) {
        std::size_t n = 0;
        EXPECT_NE(fw::DecodeUtf8(line.text, pos, n), fw::kReplacementChar) << round;
        pos += n == 0 ? 1 : n;
      }
      capped += line.text;
    }
    EXPECT_EQ(capped, expectedJoined);
  }
}

}  // namespace
