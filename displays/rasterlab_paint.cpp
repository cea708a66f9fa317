// TRasterLab painting: dots of a character, a string with its block-mode gaps, and the face
// (background, raster of unlit dots, text, frame), drawn straight onto the control's canvas:
// the form's surface is itself off-screen, so nothing flickers.
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>

#include "displays/ZEB_RasterLab.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/utf8.h"

namespace zeb {

namespace {

// Positions are worked out in 64 bits (offsets may reach the int range) and handed to the
// canvas within the coordinates it keeps.
int ToCoordinate(int64_t v) {
  return static_cast<int>(
      std::clamp<int64_t>(v, -fw::TCanvas::kMaxCoordinate, fw::TCanvas::kMaxCoordinate));
}

// The non-negative remainder: the raster keeps its phase when an offset is negative.
int PositiveMod(int64_t v, int m) {
  const int64_t r = v % m;
  return static_cast<int>(r < 0 ? r + m : r);
}

void SolidFill(fw::TCanvas* canvas, fw::TColor color) {
  canvas->Pen()->SetColor(color);
  canvas->Brush()->SetColor(color);
  canvas->Brush()->SetStyle(fw::bsSolid);
}

}  // namespace

int TRasterLab::PaintChar(fw::TCanvas* canvas, const TRDCharMatrix& matrix, int X, int Y,
                          char32_t ch, int dotSize, int dotSpacing, fw::TColor colorOn,
                          fw::TColor /*colorOff*/, fw::TColor /*colorBack*/,
                          bool fixedWidth) const {
  dotSize = std::clamp(dotSize, kMinDotSize, kMaxDotSize);
  const int pitch = dotSize + std::clamp(dotSpacing, kMinDotSpacing, kMaxDotSpacing);
  const uint8_t code = RasterCharCode(ch);
  const int first = fixedWidth ? 0 : matrix.leftCol[code];
  const int columns = CharColumns(matrix, code, fixedWidth);
  const int rows = std::clamp(matrix.height, 0, TRDCharMatrix::kMaxDots);
  canvas->Brush()->SetColor(colorOn);
  canvas->Brush()->SetStyle(fw::bsSolid);
  for (int r = 0; r < rows; ++r) {
    const uint32_t bits = matrix.bits[code][r];
    if (bits == 0) continue;
    const int y = ToCoordinate(int64_t{Y} + int64_t{r} * pitch);
    for (int c = first; c < first + columns && c < TRDCharMatrix::kMaxDots; ++c) {
      if ((bits >> c & 1u) == 0) continue;
      const int x = ToCoordinate(int64_t{X} + int64_t{c - first} * pitch);
      if (dotSize == 1)
        canvas->SetPixels(x, y, colorOn);
      else
        canvas->FillRect(fw::Rect(x, y, x + dotSize, y + dotSize));
    }
  }
  return pitch * columns;
}

// With rdbmOn the gap column before each character and after the last is cleared to the
// background over the control's height: the whole pitch [x - pitch, x), so no unlit dot is
// left in the gap whatever the spacing (with spacing 0 a strip one pixel narrower would leave
// a column of the dot).
void TRasterLab::PaintString(fw::TCanvas* canvas, const TRDCharMatrix& matrix, int X, int Y,
                             std::string_view text, int dotSize, int dotSpacing, fw::TColor colorOn,
                             fw::TColor colorOff, fw::TColor colorBack, TRDBlockMode blockMode,
                             bool proportional, int& length) const {
  dotSize = std::clamp(dotSize, kMinDotSize, kMaxDotSize);
  dotSpacing = std::clamp(dotSpacing, kMinDotSpacing, kMaxDotSpacing);
  const int pitch = dotSize + dotSpacing;
  const fw::TRect clip = canvas->ClipRect();
  const auto clearGap = [&](int64_t x) {
    if (blockMode != rdbmOn || x <= clip.Left || x - pitch >= clip.Right) return;
    SolidFill(canvas, colorBack);
    canvas->FillRect(fw::Rect(ToCoordinate(x - pitch), 0, ToCoordinate(x), Height()));
  };
  int64_t x = X;
  clearGap(x);
  for (std::size_t pos = 0; pos < text.size();) {
    const char32_t ch = fw::NextCodePoint(text, pos);
    const int columns = CharColumns(matrix, RasterCharCode(ch), !proportional);
    // Characters outside the clip are measured, not drawn: a long scrolling text costs only
    // what shows.
    if (x + int64_t{columns} * pitch > clip.Left && x < clip.Right)
      PaintChar(canvas, matrix, ToCoordinate(x), Y, ch, dotSize, dotSpacing, colorOn, colorOff,
                colorBack, !proportional);
    x += pitch + int64_t{proportional ? columns : matrix.width} * pitch;
    clearGap(x);
  }
  length = static_cast<int>(std::min<int64_t>(x - X + 1, INT32_MAX));
}

// Bands of DotSpacing pixels in the background colour between the rows and columns of dots,
// in phase with the text's first dot, leave the unlit dots as squares.
void TRasterLab::PaintRaster(fw::TCanvas* canvas, int w, int h) const {
  const int pitch = Pitch();
  if (dotSpacing_ == 0) return;
  SolidFill(canvas, colorLabBakG_);
  const int firstRow = PositiveMod(int64_t{posY_} + offsetY_, pitch) - dotSpacing_;
  for (int y = firstRow; y < h; y += pitch) canvas->FillRect(fw::Rect(0, y, w, y + dotSpacing_));
  const int firstColumn = PositiveMod(int64_t{posX_} + offsetX_, pitch) - dotSpacing_;
  for (int x = firstColumn; x < w; x += pitch) canvas->FillRect(fw::Rect(x, 0, x + dotSpacing_, h));
}

// The frame as polylines in the dark, shadow and highlight colours; each style's last line
// closes along the bottom and left edges.
void TRasterLab::PaintFrame(fw::TCanvas* canvas, int w, int h) const {
  const auto line = [&](fw::TColor color, std::initializer_list<fw::TPoint> points) {
    canvas->Pen()->SetColor(color);
    canvas->Polyline(std::span<const fw::TPoint>(points.begin(), points.size()));
  };
  const fw::TPoint topLeft{0, 0};
  switch (frameStyle_) {
    case fstNone:
      return;
    case fstPlain:
      line(colorShadow_, {topLeft, {w - 1, 0}, {w - 1, h - 1}, {0, h - 1}, topLeft});
      return;
    case fstSunken:
    case fstRaised: {
      const bool sunken = frameStyle_ == fstSunken;
      line(sunken ? colorDark_ : colorHighlight_, {{1, h - 3}, {1, 1}, {w - 2, 1}});
      line(sunken ? colorHighlight_ : colorDark_,
           {{sunken ? 2 : 0, h - 1}, {w - 1, h - 1}, {w - 1, 0}});
      line(colorShadow_, {topLeft, {w - 2, 0}, {w - 2, h - 2}, {0, h - 2}, topLeft});
      return;
    }
    case fstEmbossed:
    case fstEngraved: {
      const bool embossed = frameStyle_ == fstEmbossed;
      line(embossed ? colorShadow_ : colorHighlight_,
           {{1, 1}, {w - 1, 1}, {w - 1, h - 1}, {1, h - 1}, {1, 1}});
      line(embossed ? colorHighlight_ : colorShadow_,
           {topLeft, {w - 2, 0}, {w - 2, h - 2}, {0, h - 2}, topLeft});
      return;
    }
  }
}

void TRasterLab::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  if (!Visible() && !ComponentState().Contains(fw::csDesigning)) return;
  fw::TCanvas* canvas = Canvas();
  fw::TCanvasStateSaver saved(*canvas);
  canvas->SetCopyMode(fw::cmSrcCopy);
  canvas->Pen()->SetStyle(fw::psSolid);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetMode(fw::pmCopy);
  // Background: the unlit-dot colour under a raster, else the label background.
  SolidFill(canvas, charBlockMode_ != rdbmOff ? colorDotOff_ : colorLabBakG_);
  if (frameStyle_ != fstNone)
    canvas->Rectangle(1, 1, w - 1, h - 1);
  else
    canvas->Rectangle(0, 0, w, h);
  if (charBlockMode_ != rdbmOff) PaintRaster(canvas, w, h);
  PaintString(canvas, matrix_, ToCoordinate(int64_t{posX_} + offsetX_),
              ToCoordinate(int64_t{posY_} + offsetY_), text_, dotSize_, dotSpacing_, colorDotOn_,
              colorDotOff_, colorLabBakG_, charBlockMode_, proportional_, textLength_);
  PaintFrame(canvas, w, h);
}

}  // namespace zeb
