// PLACEHOLDER until the text engine lands: a fixed 6x13 cell per character, nothing drawn.
#include "framework/graphics/text_engine.h"
namespace fw {
FontMetrics GetFontMetrics(const FontSpec&) { return FontMetrics{10, 3, 13, 2, 6, 6}; }
TextExtent MeasureText(const FontSpec&, std::string_view utf8) {
  return TextExtent{int(utf8.size()) * 6, 13};
}
void DrawText(const PixelTarget&, const TRect&, int, int, std::string_view, const FontSpec&,
              TPixel, std::optional<TPixel>) {}
}  // namespace fw
