// DrawText on a TCanvas: lays the text out in lines, then measures (DT_CALCRECT) or draws
// each line aligned in the rectangle with the canvas's font and brush.
#include "framework/graphics/draw_text.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "framework/graphics/internal/canvas_device.h"
#include "framework/graphics/internal/draw_text_layout.h"

namespace fw {

namespace {

int ClampToInt(long long v) {
  return int(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

// Where a line of `width` pixels starts in rect.
int LineLeft(const TRect& rect, int width, uint32_t format) {
  const long long room = (long long)rect.Right - rect.Left - width;
  if (format & DT_CENTER) return ClampToInt(rect.Left + room / 2);
  if (format & DT_RIGHT) return ClampToInt(rect.Left + room);
  return rect.Left;
}

// The top of the first line: single lines may sit in the middle or at the bottom.
int TextTop(const TRect& rect, int textHeight, uint32_t format) {
  if (!(format & DT_SINGLELINE)) return rect.Top;
  if (format & DT_VCENTER)
    return ClampToInt(rect.Top + ((long long)rect.Bottom - rect.Top - textHeight) / 2);
  if (format & DT_BOTTOM) return ClampToInt((long long)rect.Bottom - textHeight);
  return rect.Top;
}

// Draws the laid-out lines from (rect's alignment, top) on the canvas's bitmap.
void DrawLines(TCanvas* canvas, const std::vector<LaidLine>& lines, const TRect& rect, int top,
               int lineHeight, const TextLayoutFormat& layout) {
  const ClippedTarget target = TCanvasDevice::Target(*canvas);
  TRect clip = target.clip;
  if (!(layout.format & DT_NOCLIP) &&
      !IntersectRect(clip, clip, TCanvasDevice::ToDevice(*canvas, rect)))
    return;
  if (IsRectEmpty(clip)) return;
  const ClippedTarget clipped{target.pixels, clip};
  const TPixel color = ColorToPixel(canvas->Font()->Color());
  const bool opaque = canvas->Brush()->Style() == bsSolid;
  const TPixel background = ColorToPixel(canvas->Brush()->Color());
  FontSpec underlined = layout.font;
  underlined.underline = true;

  TRect touched{};
  long long y = top;
  for (const LaidLine& line : lines) {
    const TPoint at =
        TCanvasDevice::ToDevice(*canvas, LineLeft(rect, line.width, layout.format), ClampToInt(y));
    y += lineHeight;
    const TRect box = Bounds(at.X, at.Y, std::min(line.width, TCanvas::kMaxCoordinate), lineHeight);
    if (box.Top >= clip.Bottom) break;
    if (box.Bottom <= clip.Top) continue;
    // The brush colour goes behind the whole line, tab gaps included.
    if (opaque) FillRectPixels(clipped, box, Ink{background});
    WalkLine(line.text, line.marks, layout, [&](std::string_view piece, int x, bool mark) {
      DrawText(clipped.pixels, clip, ClampToInt((long long)at.X + x), at.Y, piece,
               mark ? underlined : layout.font, color, std::nullopt);
    });
    // Glyphs may overhang their cells a little (italics, bearings).
    TRect reach = box;
    InflateRect(reach, lineHeight / 2 + 1, 1);
    UnionRect(touched, touched, reach);
  }
  if (IntersectRect(touched, touched, clip)) TCanvasDevice::NotifyDrawn(*canvas, touched);
}

}  // namespace

int DrawText(TCanvas* canvas, std::string_view text, TRect& rect, uint32_t format) {
  if (!canvas) return 0;
  FontSpec font = canvas->Font()->Spec();
  font.escapement = 0;
  const TextLayoutFormat layout = MakeLayoutFormat(font, format);
  const int width = ClampToInt((long long)rect.Right - rect.Left);
  const std::vector<LaidLine> lines = LayoutText(text, layout, width);
  const int lineHeight = GetFontMetrics(font).height;
  const int textHeight = ClampToInt((long long)lines.size() * lineHeight);
  if (layout.format & DT_CALCRECT) {
    int widest = 0;
    for (const LaidLine& line : lines) widest = std::max(widest, line.width);
    rect.Right = ClampToInt((long long)rect.Left + widest);
    rect.Bottom = ClampToInt((long long)rect.Top + textHeight);
    return textHeight;
  }
  const int top = TextTop(rect, textHeight, layout.format);
  if (!lines.empty()) DrawLines(canvas, lines, rect, top, lineHeight, layout);
  return ClampToInt((long long)top - rect.Top + textHeight);
}

}  // namespace fw
