// Tests of the 1-based UTF-8 helpers: counting, slicing, searching, editing, case and the
// code-page 1252 table, including text with invalid bytes.

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/rtl/utf8.h"

namespace {

using fw::Length;

const std::string kMixed = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z";  // a é € 😀 z

TEST(Utf8Length, CountsCodePointsNotBytes) {
  EXPECT_EQ(Length(""), 0u);
  EXPECT_EQ(Length("abc"), 3u);
  EXPECT_EQ(Length(kMixed), 5u);
}

TEST(Utf8Length, EveryInvalidByteCountsAsOneCharacter) {
  struct Case {
    std::string text;
    std::size_t length;
  };
  const Case cases[] = {
      {"\x80", 1},              // lone continuation byte
      {"\xC3", 1},              // truncated two-byte sequence
      {"\xE2\x82", 2},          // truncated three-byte sequence: two stray bytes
      {"\xC0\xAF", 2},          // overlong "/"
      {"\xED\xA0\x80", 3},      // surrogate U+D800
      {"\xF4\x90\x80\x80", 4},  // beyond U+10FFFF
      {"\xFF"
       "a\xC3\xA9",
       3},  // invalid byte, then valid text
  };
  for (const Case& c : cases) EXPECT_EQ(Length(c.text), c.length) << c.text;
}

TEST(Utf8Decode, ReportsCodePointAndLength) {
  std::size_t length = 0;
  EXPECT_EQ(fw::DecodeUtf8(kMixed, 1, length), U'\u00E9');
  EXPECT_EQ(length, 2u);
  EXPECT_EQ(fw::DecodeUtf8(kMixed, 3, length), U'\u20AC');
  EXPECT_EQ(length, 3u);
  EXPECT_EQ(fw::DecodeUtf8(kMixed, 6, length), U'\U0001F600');
  EXPECT_EQ(length, 4u);
  EXPECT_EQ(fw::DecodeUtf8(kMixed, 2, length), fw::kReplacementChar);  // inside a sequence
  EXPECT_EQ(length, 1u);
  EXPECT_EQ(fw::DecodeUtf8(kMixed, kMixed.size(), length), fw::kReplacementChar);
  EXPECT_EQ(length, 0u);
}

TEST(Utf8Encode, RoundTripsEveryLengthAndRefusesNonCharacters) {
  for (char32_t c : {U'A', U'\u00DC', U'\u20AC', U'\U0001F600', U'\U0010FFFF'}) {
    const std::string text = fw::EncodeUtf8(c);
    std::size_t length = 0;
    EXPECT_EQ(fw::DecodeUtf8(text, 0, length), c);
    EXPECT_EQ(length, text.size());
  }
  EXPECT_EQ(fw::EncodeUtf8(0xD800), "\xEF\xBF\xBD");
  EXPECT_EQ(fw::EncodeUtf8(0x110000), "\xEF\xBF\xBD");
}

TEST(Utf8Copy, SlicesByCharacterWithPlatformIndexRules) {
  EXPECT_EQ(fw::Copy(kMixed, 2, 2), "\xC3\xA9\xE2\x82\xAC");
  EXPECT_EQ(fw::Copy(kMixed, 4, 100), "\xF0\x9F\x98\x80z");
  EXPECT_EQ(fw::Copy(kMixed, 0, 2), "a\xC3\xA9");  // index below 1 counts as 1
  EXPECT_EQ(fw::Copy(kMixed, -5, 1), "a");
  EXPECT_EQ(fw::Copy(kMixed, 6, 1), "");
  EXPECT_EQ(fw::Copy(kMixed, 2, 0), "");
  EXPECT_EQ(fw::Copy(kMixed, 2, -1), "");
  EXPECT_EQ(fw::Copy("a\xFF"
                     "b",
                     2, 1),
            "\xFF");  // invalid bytes are kept as they are
}

TEST(Utf8CutToLength, NeverSplitsACodePoint) {
  for (std::size_t n = 0; n <= 6; ++n) {
    const std::string cut = fw::CutToLength(kMixed, n);
    EXPECT_EQ(Length(cut), std::min<std::size_t>(n, 5));
    EXPECT_EQ(kMixed.compare(0, cut.size(), cut), 0);
  }
  EXPECT_EQ(fw::CutToLength("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E", 2), "\xE6\x97\xA5\xE6\x9C\xAC");
}

TEST(Utf8Pos, FindsCharacterIndexAtCharacterBoundaries) {
  EXPECT_EQ(fw::Pos("z", kMixed), 5u);
  EXPECT_EQ(fw::Pos("\xE2\x82\xAC", kMixed), 3u);
  EXPECT_EQ(fw::Pos("", kMixed), 0u);
  EXPECT_EQ(fw::Pos("q", kMixed), 0u);
  EXPECT_EQ(fw::Pos("abc", "ab"), 0u);
  // A continuation byte searched on its own does not match inside a character.
  EXPECT_EQ(fw::Pos("\xA9", kMixed), 0u);
}

TEST(Utf8Delete, RemovesCharactersAndIgnoresOutOfRangeRequests) {
  struct Case {
    long long index, count;
    std::string expected;
  };
  const Case cases[] = {
      {2, 2, "a\xF0\x9F\x98\x80z"},
      {4, 100, "a\xC3\xA9\xE2\x82\xAC"},
      {0, 1, kMixed},
      {6, 1, kMixed},
      {2, 0, kMixed},
      {1, -3, kMixed},
  };
  for (const Case& c : cases) {
    std::string s = kMixed;
    fw::Delete(s, c.index, c.count);
    EXPECT_EQ(s, c.expected) << c.index << "," << c.count;
  }
}

TEST(Utf8Insert, InsertsBeforeCharacterAndClampsIndex) {
  struct Case {
    long long index;
    std::string expected;
  };
  const Case cases[] = {
      {1, "-\xC3\xA9\xE2\x82\xAC"},  {2, "\xC3\xA9-\xE2\x82\xAC"},  {3, "\xC3\xA9\xE2\x82\xAC-"},
      {99, "\xC3\xA9\xE2\x82\xAC-"}, {-4, "-\xC3\xA9\xE2\x82\xAC"},
  };
  for (const Case& c : cases) {
    std::string s = "\xC3\xA9\xE2\x82\xAC";
    fw::Insert("-", s, c.index);
    EXPECT_EQ(s, c.expected) << c.index;
  }
}

TEST(Utf8Case, MapsLatinLettersBothWays) {
  EXPECT_EQ(fw::UpperCase("abc xyz 09"), "ABC XYZ 09");
  EXPECT_EQ(fw::UpperCase("\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA9\xC3\xBE"),
            "\xC3\x84\xC3\x96\xC3\x9C\xC3\x89\xC3\x9E");
  EXPECT_EQ(fw::LowerCase("\xC3\x84\xC3\x96\xC3\x9C"), "\xC3\xA4\xC3\xB6\xC3\xBC");
  EXPECT_EQ(fw::UpperCase("\xC3\xBF"), "\xC5\xB8");  // ÿ -> Ÿ
  EXPECT_EQ(fw::LowerCase("\xC5\xB8"), "\xC3\xBF");
  // Signs and letters without a single-character capital stay.
  EXPECT_EQ(fw::UpperCase("\xC3\xB7\xC3\x9F\xC2\xB5"), "\xC3\xB7\xC3\x9F\xC2\xB5");
  EXPECT_EQ(fw::LowerCase("\xC3\x97"), "\xC3\x97");
}

TEST(Utf8Case, LatinExtendedAPairsIncludingOddCapitalRuns) {
  const std::pair<char32_t, char32_t> pairs[] = {
      {U'\u0100', U'\u0101'}, {U'\u0104', U'\u0105'}, {U'\u0141', U'\u0142'},
      {U'\u0147', U'\u0148'}, {U'\u014A', U'\u014B'}, {U'\u0160', U'\u0161'},
      {U'\u0179', U'\u017A'}, {U'\u017D', U'\u017E'}, {U'\u0410', U'\u0430'},
      {U'\u0401', U'\u0451'}, {U'\u0391', U'\u03B1'}, {U'\u038F', U'\u03CE'}};
  for (const auto& [upper, lower] : pairs) {
    EXPECT_EQ(fw::UpCaseChar(lower), upper) << static_cast<unsigned>(lower);
    EXPECT_EQ(fw::LowCaseChar(upper), lower) << static_cast<unsigned>(upper);
    EXPECT_EQ(fw::UpCaseChar(upper), upper);
    EXPECT_EQ(fw::LowCaseChar(lower), lower);
  }
  for (char32_t same : {U'\u0138', U'\u0149', U'\u017F', U'\u03C2'}) {
    EXPECT_EQ(fw::UpCaseChar(same), same);
  }
}

TEST(Utf8Case, KeepsInvalidBytesAndLength) {
  const std::string text =
      "a\xFF\xC3"
      "b";
  EXPECT_EQ(fw::UpperCase(text),
            "A\xFF\xC3"
            "B");
  EXPECT_EQ(Length(fw::LowerCase(text)), Length(text));
}

TEST(Utf8Trim, RemovesBlanksAndControlCharacters) {
  EXPECT_EQ(fw::Trim(" \t\r\n x y \x01"), "x y");
  EXPECT_EQ(fw::TrimLeft("  x  "), "x  ");
  EXPECT_EQ(fw::TrimRight("  x  "), "  x");
  EXPECT_EQ(fw::Trim("   "), "");
  EXPECT_EQ(fw::Trim("\xC2\xA0x"), "\xC2\xA0x");  // a no-break space is a character, not blank
}

TEST(Utf8Cp1252, MapsHighBytesToTheirCharacters) {
  EXPECT_EQ(fw::Cp1252ToCodePoint(0x41), U'A');
  EXPECT_EQ(fw::Cp1252ToCodePoint(0xB0), U'\u00B0');
  EXPECT_EQ(fw::Cp1252ToCodePoint(0xDC), U'\u00DC');
  EXPECT_EQ(fw::Cp1252ToCodePoint(0x80), U'\u20AC');
  EXPECT_EQ(fw::Cp1252ToCodePoint(0x9F), U'\u0178');
  EXPECT_EQ(fw::Cp1252ToCodePoint(0x96), U'\u2013');
  EXPECT_EQ(fw::Cp1252ToCodePoint(0x81), U'\u0081');
  EXPECT_EQ(fw::Cp1252ToUtf8(0xA7), "\xC2\xA7");
  EXPECT_EQ(fw::Cp1252ToUtf8(0x80), "\xE2\x82\xAC");
  // The table is one-to-one: 256 bytes give 256 different characters.
  std::u32string seen;
  for (int b = 0; b < 256; ++b) seen += fw::Cp1252ToCodePoint(static_cast<unsigned char>(b));
  std::sort(seen.begin(), seen.end());
  EXPECT_EQ(std::unique(seen.begin(), seen.end()), seen.end());
  // And it reverses: every byte back from its character; characters it lacks give nothing.
  for (int b = 0; b < 256; ++b) {
    const auto c = static_cast<unsigned char>(b);
    EXPECT_EQ(fw::CodePointToCp1252(fw::Cp1252ToCodePoint(c)), c) << b;
  }
  for (char32_t lacking : {U'\u0080', U'\u0100', U'\u20AD', U'\U0001F600'})
    EXPECT_FALSE(fw::CodePointToCp1252(lacking).has_value()) << uint32_t(lacking);
}

}  // namespace

// Iterating with NextCodePoint: valid sequences decode whole, every byte of a malformed
// sequence becomes one U+FFFD (the same count Length gives), so any byte string can be drawn.
namespace {
std::vector<char32_t> CodePoints(std::string_view s) {
  std::vector<char32_t> codes;
  for (size_t pos = 0; pos < s.size();) codes.push_back(fw::NextCodePoint(s, pos));
  return codes;
}
}  // namespace

TEST(Utf8Iteration, ValidAndMalformedSequences) {
  const char32_t R = fw::kReplacementChar;
  const struct {
    std::string bytes;
    std::vector<char32_t> codes;
  } cases[] = {
      {"Az", {U'A', U'z'}},
      {"\xC3\xA4\xC2\xB0", {0xE4, 0xB0}},
      {"\xF0\x9F\x98\x80", {0x1F600}},
      {"\xF4\x8F\xBF\xBF", {0x10FFFF}},
      {std::string("\0", 1), {0}},
      {"\x80", {R}},                       // stray continuation byte
      {"\xC0\xAF", {R, R}},                // overlong form
      {"\xED\xA0\x80", {R, R, R}},         // surrogate
      {"\xF4\x90\x80\x80", {R, R, R, R}},  // beyond U+10FFFF
      {"\xE2\x82"
       "A",
       {R, R, U'A'}},        // cut short before a character
      {"a\xC3", {U'a', R}},  // cut short at the end
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(CodePoints(c.bytes), c.codes);
    EXPECT_EQ(static_cast<size_t>(fw::Length(c.bytes)), c.codes.size());
  }
}

TEST(Utf8SameText, AsciiLettersIgnoreCaseOthersMustMatch) {
  EXPECT_TRUE(fw::SameText("clBtnFace", "CLBTNFACE"));
  EXPECT_TRUE(fw::SameText("", ""));
  EXPECT_FALSE(fw::SameText("Form1", "Form"));
  EXPECT_FALSE(fw::SameText("a_b", "a-b"));
  EXPECT_FALSE(fw::SameText("\xC3\xA4", "\xC3\x84"));  // ä and Ä: only ASCII folds
}
