// The built-in bitmap font: glyph designs as row pictures ("X" inked, "." blank), parsed once
// into row masks; accented Latin-1 letters are composed from a base letter and an accent.
#include "framework/graphics/internal/builtin_font.h"

#include <algorithm>
#include <cstdlib>
#include <unordered_map>

namespace fw {

namespace {

struct GlyphPicture {
  char32_t code;
  int topRow;           // cell row of the first picture row
  const char* picture;  // rows of five characters separated by blanks
};

// clang-format off
constexpr GlyphPicture kPictures[] = {
    {U' ', 0, ""},
    {U'!', 3, "..X.. ..X.. ..X.. ..X.. ..X.. ..... ..X.."},
    {U'"', 3, ".X.X. .X.X. .X.X."},
    {U'#', 3, ".X.X. .X.X. XXXXX .X.X. XXXXX .X.X. .X.X."},
    {U'$', 3, "..X.. .XXXX X.X.. .XXX. ..X.X XXXX. ..X.."},
    {U'%', 3, "XX... XX..X ...X. ..X.. .X... X..XX ...XX"},
    {U'&', 3, ".XX.. X..X. X.X.. .X... X.X.X X..X. .XX.X"},
    {U'\'', 3, "..X.. ..X.. .X..."},
    {U'(', 3, "...X. ..X.. .X... .X... .X... ..X.. ...X."},
    {U')', 3, ".X... ..X.. ...X. ...X. ...X. ..X.. .X..."},
    {U'*', 4, "..X.. X.X.X .XXX. X.X.X ..X.."},
    {U'+', 4, "..X.. ..X.. XXXXX ..X.. ..X.."},
    {U',', 8, ".XX.. .XX.. ..X.. .X..."},
    {U'-', 6, "XXXXX"},
    {U'.', 8, ".XX.. .XX.."},
    {U'/', 3, "....X ....X ...X. ..X.. .X... X.... X...."},
    {U'0', 3, ".XXX. X...X X..XX X.X.X XX..X X...X .XXX."},
    {U'1', 3, "..X.. .XX.. ..X.. ..X.. ..X.. ..X.. .XXX."},
    {U'2', 3, ".XXX. X...X ....X ...X. ..X.. .X... XXXXX"},
    {U'3', 3, "XXXXX ...X. ..X.. ...X. ....X X...X .XXX."},
    {U'4', 3, "...X. ..XX. .X.X. X..X. XXXXX ...X. ...X."},
    {U'5', 3, "XXXXX X.... XXXX. ....X ....X X...X .XXX."},
    {U'6', 3, "..XX. .X... X.... XXXX. X...X X...X .XXX."},
    {U'7', 3, "XXXXX ....X ...X. ..X.. .X... .X... .X..."},
    {U'8', 3, ".XXX. X...X X...X .XXX. X...X X...X .XXX."},
    {U'9', 3, ".XXX. X...X X...X .XXXX ....X ...X. .XX.."},
    {U':', 5, ".XX.. .XX.. ..... .XX.. .XX.."},
    {U';', 5, ".XX.. .XX.. ..... .XX.. .XX.. ..X.. .X..."},
    {U'<', 3, "...X. ..X.. .X... X.... .X... ..X.. ...X."},
    {U'=', 5, "XXXXX ..... XXXXX"},
    {U'>', 3, ".X... ..X.. ...X. ....X ...X. ..X.. .X..."},
    {U'?', 3, ".XXX. X...X ....X ...X. ..X.. ..... ..X.."},
    {U'@', 3, ".XXX. X...X ....X .XX.X X.X.X X.X.X .XXX."},
    {U'A', 3, ".XXX. X...X X...X XXXXX X...X X...X X...X"},
    {U'B', 3, "XXXX. X...X X...X XXXX. X...X X...X XXXX."},
    {U'C', 3, ".XXX. X...X X.... X.... X.... X...X .XXX."},
    {U'D', 3, "XXX.. X..X. X...X X...X X...X X..X. XXX.."},
    {U'E', 3, "XXXXX X.... X.... XXXX. X.... X.... XXXXX"},
    {U'F', 3, "XXXXX X.... X.... XXXX. X.... X.... X...."},
    {U'G', 3, ".XXX. X...X X.... X.XXX X...X X...X .XXXX"},
    {U'H', 3, "X...X X...X X...X XXXXX X...X X...X X...X"},
    {U'I', 3, ".XXX. ..X.. ..X.. ..X.. ..X.. ..X.. .XXX."},
    {U'J', 3, "..XXX ...X. ...X. ...X. ...X. X..X. .XX.."},
    {U'K', 3, "X...X X..X. X.X.. XX... X.X.. X..X. X...X"},
    {U'L', 3, "X.... X.... X.... X.... X.... X.... XXXXX"},
    {U'M', 3, "X...X XX.XX X.X.X X.X.X X...X X...X X...X"},
    {U'N', 3, "X...X X...X XX..X X.X.X X..XX X...X X...X"},
    {U'O', 3, ".XXX. X...X X...X X...X X...X X...X .XXX."},
    {U'P', 3, "XXXX. X...X X...X XXXX. X.... X.... X...."},
    {U'Q', 3, ".XXX. X...X X...X X...X X.X.X X..X. .XX.X"},
    {U'R', 3, "XXXX. X...X X...X XXXX. X.X.. X..X. X...X"},
    {U'S', 3, ".XXXX X.... X.... .XXX. ....X ....X XXXX."},
    {U'T', 3, "XXXXX ..X.. ..X.. ..X.. ..X.. ..X.. ..X.."},
    {U'U', 3, "X...X X...X X...X X...X X...X X...X .XXX."},
    {U'V', 3, "X...X X...X X...X X...X X...X .X.X. ..X.."},
    {U'W', 3, "X...X X...X X...X X.X.X X.X.X X.X.X .X.X."},
    {U'X', 3, "X...X X...X .X.X. ..X.. .X.X. X...X X...X"},
    {U'Y', 3, "X...X X...X .X.X. ..X.. ..X.. ..X.. ..X.."},
    {U'Z', 3, "XXXXX ....X ...X. ..X.. .X... X.... XXXXX"},
    {U'[', 3, ".XXX. .X... .X... .X... .X... .X... .XXX."},
    {U'\\', 3, "X.... X.... .X... ..X.. ...X. ....X ....X"},
    {U']', 3, ".XXX. ...X. ...X. ...X. ...X. ...X. .XXX."},
    {U'^', 3, "..X.. .X.X. X...X"},
    {U'_', 10, "XXXXX"},
    {U'`', 3, ".X... ..X.."},
    {U'a', 5, ".XXX. ....X .XXXX X...X .XXXX"},
    {U'b', 3, "X.... X.... XXXX. X...X X...X X...X XXXX."},
    {U'c', 5, ".XXX. X.... X.... X...X .XXX."},
    {U'd', 3, "....X ....X .XXXX X...X X...X X...X .XXXX"},
    {U'e', 5, ".XXX. X...X XXXXX X.... .XXX."},
    {U'f', 3, "..XX. .X..X .X... XXX.. .X... .X... .X..."},
    {U'g', 5, ".XXXX X...X X...X X...X .XXXX ....X .XXX."},
    {U'h', 3, "X.... X.... X.XX. XX..X X...X X...X X...X"},
    {U'i', 3, "..X.. ..... .XX.. ..X.. ..X.. ..X.. .XXX."},
    {U'j', 3, "...X. ..... ..XX. ...X. ...X. ...X. ...X. X..X. .XX.."},
    {U'k', 3, "X.... X.... X..X. X.X.. XX... X.X.. X..X."},
    {U'l', 3, ".XX.. ..X.. ..X.. ..X.. ..X.. ..X.. .XXX."},
    {U'm', 5, "XX.X. X.X.X X.X.X X.X.X X.X.X"},
    {U'n', 5, "X.XX. XX..X X...X X...X X...X"},
    {U'o', 5, ".XXX. X...X X...X X...X .XXX."},
    {U'p', 5, "XXXX. X...X X...X X...X XXXX. X.... X...."},
    {U'q', 5, ".XXXX X...X X...X X...X .XXXX ....X ....X"},
    {U'r', 5, "X.XX. XX..X X.... X.... X...."},
    {U's', 5, ".XXXX X.... .XXX. ....X XXXX."},
    {U't', 3, ".X... .X... XXX.. .X... .X... .X..X ..XX."},
    {U'u', 5, "X...X X...X X...X X..XX .XX.X"},
    {U'v', 5, "X...X X...X X...X .X.X. ..X.."},
    {U'w', 5, "X...X X...X X.X.X X.X.X .X.X."},
    {U'x', 5, "X...X .X.X. ..X.. .X.X. X...X"},
    {U'y', 5, "X...X X...X X...X X...X .XXXX ....X .XXX."},
    {U'z', 5, "XXXXX ...X. ..X.. .X... XXXXX"},
    {U'{', 3, "...X. ..X.. ..X.. .X... ..X.. ..X.. ...X."},
    {U'|', 3, "..X.. ..X.. ..X.. ..X.. ..X.. ..X.. ..X.. ..X.."},
    {U'}', 3, ".X... ..X.. ..X.. ...X. ..X.. ..X.. .X..."},
    {U'~', 5, ".X... X.X.X ...X."},
    // Latin-1 signs.
    {U'\u00A0', 0, ""},
    {U'\u00A1', 3, "..X.. ..... ..X.. ..X.. ..X.. ..X.. ..X.."},
    {U'\u00A2', 4, "..X.. .XXX. X.X.. X.X.. X.X.X .XXX. ..X.."},
    {U'\u00A3', 3, "..XX. .X..X .X... XXX.. .X... .X..X X.XX."},
    {U'\u00A5', 3, "X...X .X.X. XXXXX ..X.. XXXXX ..X.. ..X.."},
    {U'\u00A6', 3, "..X.. ..X.. ..X.. ..... ..X.. ..X.. ..X.."},
    {U'\u00A7', 3, ".XXX. X.... .XX.. X..X. .XX.. ...X. XXX.."},
    {U'\u00A8', 3, ".X.X."},
    {U'\u00A9', 3, ".XXX. X...X X.XXX X.X.X X.XXX X...X .XXX."},
    {U'\u00AA', 3, ".XXX. X..X. .XXXX ..... XXXXX"},
    {U'\u00AB', 5, "..X.X .X.X. X.X.. .X.X. ..X.X"},
    {U'\u00AC', 5, "XXXXX ....X ....X"},
    {U'\u00AD', 6, ".XXX."},
    {U'\u00AE', 3, ".XXX. X...X XXX.X XX.XX XXX.X XX.XX .XXX."},
    {U'\u00AF', 2, "XXXXX"},
    {U'\u00B0', 3, ".XX.. X..X. X..X. .XX.."},
    {U'\u00B1', 3, "..X.. ..X.. XXXXX ..X.. ..X.. ..... XXXXX"},
    {U'\u00B2', 3, ".XX.. X..X. ..X.. XXXX."},
    {U'\u00B3', 3, "XXX.. ..X.. .XX.. ..X.. XXX.."},
    {U'\u00B4', 3, "...X. ..X.."},
    {U'\u00B5', 5, "X...X X...X X...X X..XX XXX.X X.... X...."},
    {U'\u00B6', 3, ".XXXX XXX.X XXX.X .XX.X ..X.X ..X.X ..X.X"},
    {U'\u00B7', 6, ".XX.. .XX.."},
    {U'\u00B8', 10, "..X.. .X..."},
    {U'\u00B9', 3, ".X... XX... .X... XXX.."},
    {U'\u00BA', 3, ".XXX. X...X .XXX. ..... XXXXX"},
    {U'\u00BB', 5, "X.X.. .X.X. ..X.X .X.X. X.X.."},
    {U'\u00BF', 3, "..X.. ..... ..X.. .X... X.... X...X .XXX."},
    {U'\u00C6', 3, ".XXXX X.X.. X.X.. XXXXX X.X.. X.X.. X.XXX"},
    {U'\u00D0', 3, "XXX.. X..X. X...X XXX.X X...X X..X. XXX.."},
    {U'\u00D7', 5, "X...X .X.X. ..X.. .X.X. X...X"},
    {U'\u00D8', 3, ".XXXX X..XX X.X.X X.X.X X.X.X XX..X XXXX."},
    {U'\u00DE', 3, "X.... XXXX. X...X X...X XXXX. X.... X...."},
    {U'\u00DF', 3, ".XX.. X..X. X..X. X.X.. X..X. X..X. X.XX."},
    {U'\u00E6', 5, "XX.X. ..X.X XXXXX X.X.. .X.XX"},
    {U'\u00F7', 4, "..X.. ..... XXXXX ..... ..X.."},
    {U'\u00F8', 5, ".XXXX X..XX X.X.X XX..X XXXX."},
    {U'\u00FE', 3, "X.... X.... XXXX. X...X X...X X...X XXXX. X.... X...."},
    // A few signs beyond Latin-1 that number and date texts use.
    {U'\u0131', 5, ".XX.. ..X.. ..X.. ..X.. .XXX."},
    {U'\u2013', 6, "XXXXX"},
    {U'\u2014', 6, "XXXXX"},
    {U'\u2026', 9, "X.X.X"},
    {U'\u20AC', 3, "..XXX .X... XXXX. .X... XXXX. .X... ..XXX"},
    {U'\u2212', 6, "XXXXX"},
};

enum Accent { kGrave, kAcute, kCircumflex, kTilde, kDiaeresis, kRing, kCedilla };

// Accent pictures, two rows each (the ring three); drawn at row 0 over capitals, row 2 over
// lower-case letters; the cedilla sits below the baseline (row 10) under both.
constexpr const char* kAccentPictures[] = {
    ".X... ..X..",        // grave
    "...X. ..X..",        // acute
    "..X.. .X.X.",        // circumflex
    ".XX.X X..X.",        // tilde
    "..... .X.X.",        // diaeresis
    "..X.. .X.X. ..X..",  // ring
    "..X.. .X...",        // cedilla
};

struct ComposedLetter {
  char32_t code;
  char32_t base;
  Accent accent;
};

constexpr ComposedLetter kComposed[] = {
    {U'\u00C0', U'A', kGrave},      {U'\u00C1', U'A', kAcute},      {U'\u00C2', U'A', kCircumflex},
    {U'\u00C3', U'A', kTilde},      {U'\u00C4', U'A', kDiaeresis},  {U'\u00C5', U'A', kRing},
    {U'\u00C7', U'C', kCedilla},    {U'\u00C8', U'E', kGrave},      {U'\u00C9', U'E', kAcute},
    {U'\u00CA', U'E', kCircumflex}, {U'\u00CB', U'E', kDiaeresis},  {U'\u00CC', U'I', kGrave},
    {U'\u00CD', U'I', kAcute},      {U'\u00CE', U'I', kCircumflex}, {U'\u00CF', U'I', kDiaeresis},
    {U'\u00D1', U'N', kTilde},      {U'\u00D2', U'O', kGrave},      {U'\u00D3', U'O', kAcute},
    {U'\u00D4', U'O', kCircumflex}, {U'\u00D5', U'O', kTilde},      {U'\u00D6', U'O', kDiaeresis},
    {U'\u00D9', U'U', kGrave},      {U'\u00DA', U'U', kAcute},      {U'\u00DB', U'U', kCircumflex},
    {U'\u00DC', U'U', kDiaeresis},  {U'\u00DD', U'Y', kAcute},      {U'\u00E0', U'a', kGrave},
    {U'\u00E1', U'a', kAcute},      {U'\u00E2', U'a', kCircumflex}, {U'\u00E3', U'a', kTilde},
    {U'\u00E4', U'a', kDiaeresis},  {U'\u00E5', U'a', kRing},       {U'\u00E7', U'c', kCedilla},
    {U'\u00E8', U'e', kGrave},      {U'\u00E9', U'e', kAcute},      {U'\u00EA', U'e', kCircumflex},
    {U'\u00EB', U'e', kDiaeresis},  {U'\u00EC', U'\u0131', kGrave}, {U'\u00ED', U'\u0131', kAcute},
    {U'\u00EE', U'\u0131', kCircumflex}, {U'\u00EF', U'\u0131', kDiaeresis},
    {U'\u00F1', U'n', kTilde},      {U'\u00F2', U'o', kGrave},      {U'\u00F3', U'o', kAcute},
    {U'\u00F4', U'o', kCircumflex}, {U'\u00F5', U'o', kTilde},      {U'\u00F6', U'o', kDiaeresis},
    {U'\u00F9', U'u', kGrave},      {U'\u00FA', U'u', kAcute},      {U'\u00FB', U'u', kCircumflex},
    {U'\u00FC', U'u', kDiaeresis},  {U'\u00FD', U'y', kAcute},      {U'\u00FF', U'y', kDiaeresis},
};
// clang-format on

// Ors the picture's rows into `rows` from `topRow` on.
void Paint(BuiltinGlyphRows& rows, int topRow, const char* picture) {
  int row = topRow;
  int column = 0;
  for (const char* p = picture; *p != '\0'; ++p) {
    if (*p == ' ') {
      ++row;
      column = 0;
      continue;
    }
    if (*p == 'X' && row < kBuiltinCellHeight && column < 5) {
      rows[size_t(row)] |= uint8_t(0x10 >> column);
    }
    ++column;
  }
}

BuiltinGlyphRows ReplacementBox() {
  BuiltinGlyphRows rows{};
  Paint(rows, 3, "XXXXX X...X X...X X...X X...X X...X XXXXX");
  return rows;
}

using GlyphTable = std::unordered_map<char32_t, BuiltinGlyphRows>;

GlyphTable BuildTable() {
  GlyphTable table;
  for (const GlyphPicture& g : kPictures) Paint(table[g.code], g.topRow, g.picture);
  for (const ComposedLetter& c : kComposed) {
    BuiltinGlyphRows rows = table.at(c.base);
    bool capital = c.base >= U'A' && c.base <= U'Z';
    int accentRow = c.accent == kCedilla ? 10 : (capital ? 0 : 2);
    Paint(rows, accentRow, kAccentPictures[c.accent]);
    table[c.code] = rows;
  }
  return table;
}

const GlyphTable& Table() {
  static const GlyphTable table = BuildTable();
  return table;
}

}  // namespace

const BuiltinGlyphRows& BuiltinGlyph(char32_t code) {
  static const BuiltinGlyphRows box = ReplacementBox();
  const GlyphTable& table = Table();
  auto it = table.find(code);
  return it == table.end() ? box : it->second;
}

bool BuiltinHasGlyph(char32_t code) {
  return Table().count(code) != 0;
}

int BuiltinScale(int height) {
  int scale = 1;
  if (height < 0) {
    scale = int(std::min<long long>(-(long long)height / kBuiltinEmHeight, kBuiltinMaxScale));
  } else if (height > 0) {
    scale = std::min(height / kBuiltinCellHeight, kBuiltinMaxScale);
  }
  return std::clamp(scale, 1, kBuiltinMaxScale);
}

}  // namespace fw
