// The text engine's entry points: metrics, measuring and drawing. Text at quarter turns is
// laid out in the cell's own coordinates and mapped exactly onto the target; text at any
// other angle is drawn from turned glyphs placed along the turned baseline.
#include "framework/graphics/text_engine.h"

#include <climits>
#include <cmath>
#include <numbers>

#include "framework/graphics/internal/glyph_cache.h"
#include "framework/graphics/internal/text_raster.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

long long TextWidth(const FontInstance& font, std::string_view utf8) {
  long long width = 0;
  for (size_t pos = 0; pos < utf8.size();) width += AdvanceOf(font, NextCodePoint(utf8, pos));
  return width;
}

// What to draw: the text, its font and style, and its colours.
struct TextRun {
  std::string_view utf8;
  const FontInstance& font;
  bool underline = false;
  bool strikeOut = false;
  TPixel color = 0;
  std::optional<TPixel> background;
};

// Text turned by a multiple of 90 degrees: everything is drawn in cell coordinates.
void DrawQuarterTurned(const TextSurface& surface, int x, int y, int quarter, const TextRun& run) {
  const CellMap map = QuarterTurnMap(x, y, quarter);
  const CellRect clip = CellClip(map, surface.clip);
  if (clip.Empty()) return;
  const FontInstance& font = run.font;
  const FontMetrics& m = font.metrics;
  const std::string_view utf8 = run.utf8;
  const TPixel color = run.color;
  const bool needsWidth = run.background || run.underline || run.strikeOut;
  const long long width = needsWidth ? TextWidth(font, utf8) : 0;
  if (run.background) {
    FillCell(surface, map, Intersect(clip, CellRect{0, 0, width, m.height}), *run.background);
  }

  long long pen = 0;
  for (size_t pos = 0; pos < utf8.size();) {
    // Glyphs never reach further back than a character width: stop once past the clip.
    if (pen - m.maxCharWidth - m.height > clip.u1) break;
    const Glyph& glyph = GlyphFor(font, NextCodePoint(utf8, pos), 0);
    BlendCellCoverage(surface, map, clip, pen + glyph.left, m.ascent - glyph.top,
                      glyph.coverage.data(), glyph.width, glyph.height, color);
    pen += glyph.advance;
  }
  if (run.underline) {
    CellRect line{0, font.underlineTop, width, font.underlineTop + font.underlineThickness};
    FillCell(surface, map, Intersect(clip, line), color);
  }
  if (run.strikeOut) {
    CellRect line{0, font.strikeOutTop, width, font.strikeOutTop + font.strikeOutThickness};
    FillCell(surface, map, Intersect(clip, line), color);
  }
}

// Text at any other angle: the cell polygon, turned glyphs at their turned pen positions, and
// the lines as turned rectangles.
class FreeAngleText {
 public:
  FreeAngleText(const TextSurface& surface, int x, int y, int angle)
      : surface_(surface), x_(x), y_(y), angle_(angle) {
    double radians = angle * std::numbers::pi / 1800.0;
    cos_ = std::cos(radians);
    sin_ = std::sin(radians);
  }

  // Target position of cell point (u, v).
  PointF At(double u, double v) const {
    return PointF{x_ + u * cos_ + v * sin_, y_ - u * sin_ + v * cos_};
  }

  void FillCellRect(double u0, double v0, double u1, double v1, TPixel c) const {
    if (u1 <= u0 || v1 <= v0) return;
    const PointF quad[4] = {At(u0, v0), At(u1, v0), At(u1, v1), At(u0, v1)};
    FillConvexQuad(surface_, quad, c);
  }

  void Draw(const TextRun& run) const {
    const FontInstance& font = run.font;
    const FontMetrics& m = font.metrics;
    const std::string_view utf8 = run.utf8;
    const TPixel color = run.color;
    const double width = double(TextWidth(font, utf8));
    if (run.background) FillCellRect(0, 0, width, m.height, *run.background);
    long long pen = 0;
    for (size_t pos = 0; pos < utf8.size();) {
      const char32_t code = NextCodePoint(utf8, pos);
      const int advance = AdvanceOf(font, code);
      const PointF origin = At(double(pen), m.ascent);
      const Glyph& glyph = GlyphFor(font, code, angle_);
      BlendCoverage(surface_, std::llround(origin.x) + glyph.left,
                    std::llround(origin.y) - glyph.top, glyph.coverage.data(), glyph.width,
                    glyph.height, color);
      pen += advance;
    }
    if (run.underline) {
      FillCellRect(0, font.underlineTop, width, font.underlineTop + font.underlineThickness, color);
    }
    if (run.strikeOut) {
      FillCellRect(0, font.strikeOutTop, width, font.strikeOutTop + font.strikeOutThickness, color);
    }
  }

 private:
  const TextSurface& surface_;
  int x_, y_, angle_;
  double cos_ = 1, sin_ = 0;
};

}  // namespace

FontMetrics GetFontMetrics(const FontSpec& font) {
  return FontFor(font).metrics;
}

TextExtent MeasureText(const FontSpec& font, std::string_view utf8) {
  const FontInstance& instance = FontFor(font);
  long long width = TextWidth(instance, utf8);
  return TextExtent{int(std::min<long long>(width, INT_MAX)), instance.metrics.height};
}

void DrawText(const PixelTarget& target, const TRect& clip, int x, int y, std::string_view utf8,
              const FontSpec& font, TPixel color, std::optional<TPixel> background) {
  if (utf8.empty() || target.pixels == nullptr) return;
  TextSurface surface{target, {}};
  if (!IntersectRect(surface.clip, clip, target.Bounds())) return;
  const TextRun run{utf8, FontFor(font), font.underline, font.strikeOut, color, background};
  const int angle = ((font.escapement % 3600) + 3600) % 3600;
  if (angle % 900 == 0) {
    DrawQuarterTurned(surface, x, y, angle / 900, run);
  } else {
    FreeAngleText(surface, x, y, angle).Draw(run);
  }
}

}  // namespace fw
