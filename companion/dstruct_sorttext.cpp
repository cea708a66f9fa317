// Sort text of the string matrix: case and accents removed from Latin letters, so that "Ärger"
// sorts beside "Arger" and not after "Zoo".
#include "companion/dstruct_sorttext.h"

#include <algorithm>

#include "framework/rtl/utf8.h"

namespace zeb {
namespace {

// Base letters of the lower-case letters U+00DF..U+00FF and of U+0100..U+017F. A digit stands
// for a letter pair (kPairs) and '0' for a character kept as it is.
constexpr std::string_view kLatin1 = "3aaaaaa4ceeeeiiiidnooooo0ouuuuy5y";
constexpr std::string_view kExtendedA =
    "aaaaaaccccccccddddeeeeeeeeeegggggggghhhhiiiiiiiiii11jjkkkllllllllllnnnnnnnnnoooooo22rrrrrr"
    "ssssssssttttttuuuuuuuuuuuuwwyyyzzzzzzs";
constexpr std::string_view kPairs[] = {"", "ij", "oe", "ss", "ae", "th"};

static_assert(kLatin1.size() == 0x100 - 0xDF);
static_assert(kExtendedA.size() == 0x180 - 0x100);

void AppendBase(std::string& out, char32_t c) {
  char base = '0';
  if (c >= 0xDF && c <= 0xFF) base = kLatin1[c - 0xDF];
  if (c >= 0x100 && c <= 0x17F) base = kExtendedA[c - 0x100];
  if (base == '0') {
    fw::AppendUtf8(out, c);
  } else if (base >= '1' && base <= '5') {
    out += kPairs[base - '0'];
  } else {
    out += base;
  }
}

}  // namespace

void AppendSortText(std::string& out, std::string_view text) {
  const bool ascii = std::all_of(text.begin(), text.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) {
    const std::size_t at = out.size();
    out.resize(at + text.size());
    std::transform(text.begin(), text.end(), out.begin() + static_cast<std::ptrdiff_t>(at),
                   [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; });
    return;
  }
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t begin = pos;
    const char32_t c = fw::NextCodePoint(text, pos);
    if (c == fw::kReplacementChar && pos - begin != 3) {
      out.append(text.substr(begin, pos - begin));  // an invalid byte stays as it is
    } else {
      AppendBase(out, fw::LowCaseChar(c));
    }
  }
}

}  // namespace zeb
