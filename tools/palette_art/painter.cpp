// The pixel toolkit of the palette icons (see painter.h).
#include "tools/palette_art/painter.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace palette_art {

namespace {

// A face: glyph rows as bit masks, the leftmost column in the highest bit used.
struct FaceGlyph {
  char ch;
  int width;
  std::array<uint8_t, 7> rows;
};

constexpr FaceGlyph kFace3x5[] = {
    {'0', 3, {0b111, 0b101, 0b101, 0b101, 0b111}},
    {'1', 3, {0b010, 0b110, 0b010, 0b010, 0b111}},
    {'2', 3, {0b111, 0b001, 0b111, 0b100, 0b111}},
    {'3', 3, {0b111, 0b001, 0b011, 0b001, 0b111}},
    {'4', 3, {0b101, 0b101, 0b111, 0b001, 0b001}},
    {'5', 3, {0b111, 0b100, 0b111, 0b001, 0b111}},
    {'6', 3, {0b111, 0b100, 0b111, 0b101, 0b111}},
    {'7', 3, {0b111, 0b001, 0b001, 0b010, 0b010}},
    {'8', 3, {0b111, 0b101, 0b111, 0b101, 0b111}},
    {'9', 3, {0b111, 0b101, 0b111, 0b001, 0b111}},
    {'.', 1, {0, 0, 0, 0, 1}},
    {'-', 3, {0, 0, 0b111, 0, 0}},
    {':', 1, {0, 1, 0, 1, 0}},
};

constexpr FaceGlyph kFace4x7[] = {
    {'0', 4, {0b0110, 0b1001, 0b1001, 0b1001, 0b1001, 0b1001, 0b0110}},
    {'1', 3, {0b010, 0b110, 0b010, 0b010, 0b010, 0b010, 0b111}},
    {'2', 4, {0b0110, 0b1001, 0b0001, 0b0010, 0b0100, 0b1000, 0b1111}},
    {'3', 4, {0b1110, 0b0001, 0b0001, 0b0110, 0b0001, 0b0001, 0b1110}},
    {'4', 4, {0b0010, 0b0110, 0b1010, 0b1010, 0b1111, 0b0010, 0b0010}},
    {'5', 4, {0b1111, 0b1000, 0b1110, 0b0001, 0b0001, 0b1001, 0b0110}},
    {'6', 4, {0b0110, 0b1000, 0b1000, 0b1110, 0b1001, 0b1001, 0b0110}},
    {'7', 4, {0b1111, 0b0001, 0b0010, 0b0010, 0b0100, 0b0100, 0b0100}},
    {'8', 4, {0b0110, 0b1001, 0b1001, 0b0110, 0b1001, 0b1001, 0b0110}},
    {'9', 4, {0b0110, 0b1001, 0b1001, 0b0111, 0b0001, 0b0001, 0b0110}},
    {'.', 1, {0, 0, 0, 0, 0, 0, 1}},
    {'-', 3, {0, 0, 0, 0b111, 0, 0, 0}},
};

template <size_t N>
const FaceGlyph* Find(const FaceGlyph (&face)[N], char ch) {
  for (const FaceGlyph& g : face)
    if (g.ch == ch) return &g;
  return nullptr;
}

template <size_t N>
int DrawText(Painter& p, const FaceGlyph (&face)[N], int height, int x, int y,
             std::string_view text, Rgb c) {
  int left = x;
  for (char ch : text) {
    const FaceGlyph* g = Find(face, ch);
    if (!g) {
      left += 3;  // a space
      continue;
    }
    for (int row = 0; row < height; ++row)
      for (int col = 0; col < g->width; ++col)
        if (g->rows[row] & (1 << (g->width - 1 - col))) p.Px(left + col, y + row, c);
    left += g->width + 1;
  }
  return left - x - (left > x ? 1 : 0);
}

}  // namespace

Rgb Mix(Rgb a, Rgb b, int t) {
  Rgb out = 0;
  for (int shift : {16, 8, 0}) {
    const int ca = int((a >> shift) & 0xFF), cb = int((b >> shift) & 0xFF);
    out |= Rgb(ca + (cb - ca) * t / 256) << shift;
  }
  return out;
}

Painter::Painter(fw::TBitmap& bitmap, fw::TColor key)
    : bitmap_(bitmap), key_(fw::ColorToPixel(key)) {
  bitmap_.SetPixelFormat(fw::pf24bit);
  for (int y = 0; y < Height(); ++y) std::fill_n(bitmap_.ScanLine(y), Width(), key_);
}

void Painter::Px(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
  bitmap_.ScanLine(y)[x] = c & 0xFFFFFF;
}

void Painter::Fill(int x0, int y0, int x1, int y1, Rgb c) {
  for (int y = std::min(y0, y1); y <= std::max(y0, y1); ++y)
    for (int x = std::min(x0, x1); x <= std::max(x0, x1); ++x) Px(x, y, c);
}

void Painter::Erase(int x0, int y0, int x1, int y1) {
  for (int y = std::max(0, y0); y <= std::min(y1, Height() - 1); ++y)
    for (int x = std::max(0, x0); x <= std::min(x1, Width() - 1); ++x)
      bitmap_.ScanLine(y)[x] = key_;
}

void Painter::Frame(int x0, int y0, int x1, int y1, Rgb c) {
  HLine(x0, x1, y0, c);
  HLine(x0, x1, y1, c);
  VLine(x0, y0, y1, c);
  VLine(x1, y0, y1, c);
}

void Painter::Line(int x0, int y0, int x1, int y1, Rgb c) {
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int err = dx + dy;
  for (;;) {
    Px(x0, y0, c);
    if (x0 == x1 && y0 == y1) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x0 += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y0 += sy;
    }
  }
}

void Painter::DottedHLine(int x0, int x1, int y, Rgb c) {
  for (int x = x0; x <= x1; x += 2) Px(x, y, c);
}

void Painter::DottedVLine(int x, int y0, int y1, Rgb c) {
  for (int y = y0; y <= y1; y += 2) Px(x, y, c);
}

void Painter::VGradient(int x0, int y0, int x1, int y1, Rgb from, Rgb to) {
  const int n = std::max(1, y1 - y0);
  for (int y = y0; y <= y1; ++y) HLine(x0, x1, y, Mix(from, to, (y - y0) * 256 / n));
}

void Painter::Raised(int x0, int y0, int x1, int y1, Rgb face) {
  Fill(x0, y0, x1, y1, face);
  HLine(x0, x1, y1, kDark);
  VLine(x1, y0, y1, kDark);
  HLine(x0, x1 - 1, y0, kWhite);
  VLine(x0, y0, y1 - 1, kWhite);
  HLine(x0 + 1, x1 - 1, y1 - 1, kShadow);
  VLine(x1 - 1, y0 + 1, y1 - 1, kShadow);
}

void Painter::Sunken(int x0, int y0, int x1, int y1, Rgb inside) {
  Fill(x0, y0, x1, y1, inside);
  HLine(x0, x1, y1, kWhite);
  VLine(x1, y0, y1, kWhite);
  HLine(x0, x1 - 1, y0, kShadow);
  VLine(x0, y0, y1 - 1, kShadow);
  HLine(x0 + 1, x1 - 1, y1 - 1, kFace);
  VLine(x1 - 1, y0 + 1, y1 - 1, kFace);
  HLine(x0 + 1, x1 - 2, y0 + 1, kDark);
  VLine(x0 + 1, y0 + 1, y1 - 2, kDark);
}

void Painter::ThinSunken(int x0, int y0, int x1, int y1, Rgb inside) {
  Fill(x0, y0, x1, y1, inside);
  HLine(x0, x1, y1, kWhite);
  VLine(x1, y0, y1, kWhite);
  HLine(x0, x1 - 1, y0, kShadow);
  VLine(x0, y0, y1 - 1, kShadow);
}

void Painter::Sprite(int x, int y, std::initializer_list<std::string_view> rows,
                     std::initializer_list<Ink> inks) {
  int row = 0;
  for (std::string_view r : rows) {
    for (size_t col = 0; col < r.size(); ++col)
      for (const Ink& ink : inks)
        if (ink.code == r[col]) Px(x + int(col), y + row, ink.colour);
    ++row;
  }
}

int Painter::Text3x5(int x, int y, std::string_view text, Rgb c) {
  return DrawText(*this, kFace3x5, 5, x, y, text, c);
}

int Painter::Text4x7(int x, int y, std::string_view text, Rgb c) {
  return DrawText(*this, kFace4x7, 7, x, y, text, c);
}

}  // namespace palette_art
