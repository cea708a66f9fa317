// Tests of the text engine's UTF-8 decoder: valid sequences and replacement of malformed ones.
#include "framework/graphics/utf8_decode.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace fw {
namespace {

std::vector<char32_t> Decode(std::string_view s) {
  std::vector<char32_t> codes;
  for (size_t pos = 0; pos < s.size();) codes.push_back(NextCodePoint(s, pos));
  return codes;
}

TEST(Utf8Decode, ValidSequences) {
  EXPECT_EQ(Decode("Az"), (std::vector<char32_t>{U'A', U'z'}));
  EXPECT_EQ(Decode("\xC3\xA4\xC2\xB0"), (std::vector<char32_t>{0xE4, 0xB0}));
  EXPECT_EQ(Decode("\xE2\x82\xAC"), (std::vector<char32_t>{0x20AC}));
  EXPECT_EQ(Decode("\xF0\x9F\x98\x80"), (std::vector<char32_t>{0x1F600}));
  EXPECT_EQ(Decode("\xF4\x8F\xBF\xBF"), (std::vector<char32_t>{0x10FFFF}));
  EXPECT_EQ(Decode(std::string_view("\0", 1)), (std::vector<char32_t>{0}));
}

TEST(Utf8Decode, MalformedSequencesBecomeReplacementCharacters) {
  const char32_t R = kReplacementCharacter;
  const struct {
    const char* bytes;
    std::vector<char32_t> codes;
  } cases[] = {
      {"\x80", {R}},                       // stray continuation byte
      {"\xC0\xAF", {R, R}},                // overlong lead, then a stray byte
      {"\xE0\x80\x80", {R, R, R}},         // overlong three-byte form
      {"\xED\xA0\x80", {R, R, R}},         // surrogate
      {"\xF4\x90\x80\x80", {R, R, R, R}},  // beyond U+10FFFF
      {"\xE2\x82", {R}},                   // cut short at the end
      {"\xE2\x82"
       "A",
       {R, U'A'}},            // cut short before a character
      {"\xF0\x9F\x98", {R}},  // four-byte form cut short
      {"\xFF\xFE", {R, R}},   // bytes that never occur
      {"a\xC3", {U'a', R}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
    EXPECT_EQ(Decode(c.bytes), c.codes);
  }
}

}  // namespace
}  // namespace fw
