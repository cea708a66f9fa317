// ReadLnStream: lines without their ends, every line-end style, the end flag on the last line,
// and the length cap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "companion/ZEB_stringl.h"
#include "framework/rtl/streams.h"

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

}  // namespace
