// TRasterLab::CreateBitFont: a dot font sampled from a framework font, one character at a time
// drawn black on white and every non-white pixel of its top-left 32 x 32 taken as a dot.
#include <algorithm>

#include "displays/ZEB_RasterLab.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/utf8.h"

namespace zeb {

namespace {

constexpr int kSampleSize = 65;
constexpr int kFirstSampled = 32, kLastSampled = 255;

// Samples one character into row bits; left and right stay (31, 0) when it has no ink.
void SampleChar(fw::TBitmap& sheet, int code, TRDCharMatrix& m) {
  fw::TCanvas* canvas = sheet.Canvas();
  canvas->FillRect(fw::Rect(0, 0, kSampleSize, kSampleSize));
  canvas->TextOut(0, 0, fw::Cp1252ToUtf8(static_cast<unsigned char>(code)));
  int left = TRDCharMatrix::kMaxDots - 1, right = 0;
  for (int r = 0; r < TRDCharMatrix::kMaxDots; ++r) {
    const fw::TPixel* line = sheet.ScanLine(r);
    uint32_t bits = 0;
    for (int c = 0; c < TRDCharMatrix::kMaxDots; ++c) {
      if (fw::PixelToColor(line[c]) == fw::clWhite) continue;
      bits |= 1u << c;
      left = std::min(left, c);
      right = std::max(right, c);
    }
    m.bits[code][r] = bits;
    if (bits != 0) m.height = std::max(m.height, r + 1);
  }
  m.leftCol[code] = static_cast<uint8_t>(left);
  m.rightCol[code] = static_cast<uint8_t>(right);
  if (right >= left) m.width = std::max(m.width, right - left + 1);
}

}  // namespace

TRDCharMatrix TRasterLab::CreateBitFont(const fw::TFont& font) {
  if (fw::SameText(font.Name(), "default")) return DefaultCharMatrix();
  TRDCharMatrix m;
  fw::TBitmap sheet(kSampleSize, kSampleSize);
  fw::TCanvas* canvas = sheet.Canvas();
  canvas->SetFont(&font);
  // Black ink whatever the font's colour: a white font would leave no dot.
  canvas->Font()->SetColor(fw::clBlack);
  canvas->Brush()->SetColor(fw::clWhite);
  for (int code = kFirstSampled; code <= kLastSampled; ++code) SampleChar(sheet, code, m);
  // The space, and any character the font draws without ink (a no-break space, a code it
  // lacks), spans half the font width; an inkless span of (31, 0) would measure negative.
  for (int code = kFirstSampled; code <= kLastSampled; ++code) {
    const bool noInk = m.rightCol[code] < m.leftCol[code];
    if (code != ' ' && !noInk) continue;
    m.leftCol[code] = 0;
    m.rightCol[code] = static_cast<uint8_t>(m.width / 2);
  }
  return m;
}

}  // namespace zeb
