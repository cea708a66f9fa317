// TCanvas: draws with a pen, a brush, a font and a copy mode into a TBitmap it does not own,
// through an origin offset and a clip rectangle, by the platform's pixel rules.
#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/pen_brush_font.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/types.h"

namespace fw {

class TBitmap;
class TCanvasDevice;
// The rasteriser's pieces that the canvas's private helpers pass around
// (framework/graphics/internal/raster.h).
struct BlitPattern;
struct ClippedTarget;
struct Ink;
struct LinePen;
struct Segment;
enum class StretchMode;

enum TFillStyle : uint8_t { fsSurface, fsBorder };

// Ternary raster operations for CopyMode: bits 16..23 are the truth table over pattern (the
// brush), source and destination.
using TCopyMode = uint32_t;
inline constexpr TCopyMode cmBlackness = 0x00000042;
inline constexpr TCopyMode cmDstInvert = 0x00550009;
inline constexpr TCopyMode cmMergeCopy = 0x00C000CA;
inline constexpr TCopyMode cmMergePaint = 0x00BB0226;
inline constexpr TCopyMode cmNotSrcCopy = 0x00330008;
inline constexpr TCopyMode cmNotSrcErase = 0x001100A6;
inline constexpr TCopyMode cmPatCopy = 0x00F00021;
inline constexpr TCopyMode cmPatInvert = 0x005A0049;
inline constexpr TCopyMode cmPatPaint = 0x00FB0A09;
inline constexpr TCopyMode cmSrcAnd = 0x008800C6;
inline constexpr TCopyMode cmSrcCopy = 0x00CC0020;
inline constexpr TCopyMode cmSrcErase = 0x00440328;
inline constexpr TCopyMode cmSrcInvert = 0x00660046;
inline constexpr TCopyMode cmSrcPaint = 0x00EE0086;
inline constexpr TCopyMode cmWhiteness = 0x00FF0062;

// What Pixels() answers for a pixel outside the bitmap or the clip rectangle.
inline constexpr TColor kInvalidPixel = 0xFFFFFFFF;

// A canvas's drawing state as TCanvas::SaveState takes it: copies of the pen, brush and font,
// the copy and stretch modes, the origin and the clip (or that there was none). The target
// and the pen position are not part of it: lines and text move the pen on purpose.
class TCanvasState {
 public:
  TCanvasState();
  ~TCanvasState();
  TCanvasState(TCanvasState&&) noexcept;
  TCanvasState& operator=(TCanvasState&&) noexcept;

 private:
  friend class TCanvas;
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TFont> font_;
  TCopyMode copyMode_ = 0;
  int stretchMode_ = 0;
  TPoint origin_;
  bool hasClip_ = false;
  TRect clip_;
};

class TCanvas {
 public:
  explicit TCanvas(TBitmap* target = nullptr);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The bitmap drawn into; without one, drawing does nothing.
  TBitmap* Target() const { return target_; }
  void SetTarget(TBitmap* target) { target_ = target; }

  // Logical (x, y) is device pixel (x + Origin.X, y + Origin.Y).
  TPoint Origin() const { return origin_; }
  void SetOrigin(int x, int y) {
    origin_ = Point(std::clamp(x, -kMaxCoordinate, kMaxCoordinate),
                    std::clamp(y, -kMaxCoordinate, kMaxCoordinate));
  }
  // The clip rectangle in logical coordinates (the whole bitmap when none is set). It is held
  // in device coordinates: moving the origin afterwards does not move it.
  TRect ClipRect() const;
  void SetClipRect(const TRect& r);
  // Narrows the clip to its common part with r (logical); false when nothing is left.
  bool IntersectClipRect(const TRect& r);
  void ResetClip();

  // The whole drawing state, and putting it back exactly (a canvas without a clip gets no
  // clip again). TCanvasStateSaver does both around a block.
  TCanvasState SaveState() const;
  void RestoreState(const TCanvasState& state);

  // Called after each drawing operation with the device rectangle it may have changed
  // (already clipped); not called when nothing could change.
  std::function<void(const TRect&)> OnDrawn;
  // Called after each drawing operation that may have changed pixels (a bitmap uses it to
  // report changes made through its canvas).
  std::function<void()> OnChange;

  TPen* Pen() { return pen_.get(); }
  TBrush* Brush() { return brush_.get(); }
  TFont* Font() { return font_.get(); }
  const TPen* Pen() const { return pen_.get(); }
  const TBrush* Brush() const { return brush_.get(); }
  const TFont* Font() const { return font_.get(); }
  // The setters copy (as Assign).
  void SetPen(const TPen* pen);
  void SetBrush(const TBrush* brush);
  void SetFont(const TFont* font);

  TCopyMode CopyMode() const { return copyMode_; }
  void SetCopyMode(TCopyMode mode) { copyMode_ = mode; }
  // COLORONCOLOR (nearest, the default) or HALFTONE (area average); see gdi.h.
  int StretchMode() const { return stretchMode_; }
  void SetStretchMode(int mode) { stretchMode_ = mode; }

  // --- Lines (canvas_lines.cpp)
  TPoint PenPos() const { return penPos_; }
  void SetPenPos(TPoint p) { penPos_ = p; }
  void MoveTo(int x, int y);
  // A line from the pen position to (x, y), the end point not painted; the pen moves there.
  void LineTo(int x, int y);
  // Lines through the points, the last point not painted; the pen position stays.
  void Polyline(std::span<const TPoint> points);

  // --- Closed figures (canvas_shapes.cpp): boxes cover columns x1..x2-1 and rows y1..y2-1;
  // the brush fills the inside, the pen draws the outline. With a psClear pen the filled box
  // ends one pixel earlier at the right and bottom, as on the platform.
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  // Counter-clockwise from the ray through (x3, y3) to the ray through (x4, y4).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  // Outlined with the pen, inside filled by the alternate rule.
  void Polygon(std::span<const TPoint> points);

  // --- Fills (canvas_fills.cpp): the brush only, never the pen mode.
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  void FloodFill(int x, int y, TColor color, TFillStyle style);
  // The colour of a pixel; kInvalidPixel outside the bitmap or the clip rectangle.
  TColor Pixels(int x, int y) const;
  void SetPixels(int x, int y, TColor color);

  // --- Text (canvas_text.cpp)
  // The cell's top-left corner at (x, y); a solid brush fills the cell first. The pen position
  // moves to the end of the text.
  void TextOut(int x, int y, std::string_view text);
  // Fills r with a solid brush and draws the text clipped to r.
  void TextRect(const TRect& r, int x, int y, std::string_view text);
  int TextWidth(std::string_view text) const;
  int TextHeight(std::string_view text) const;
  TSize TextExtent(std::string_view text) const;

  // --- Images (canvas_blit.cpp), combined by CopyMode with the brush as pattern
  // A transparent bitmap leaves its transparent colour out (and ignores CopyMode).
  void Draw(int x, int y, const TBitmap* bitmap);
  void StretchDraw(const TRect& r, const TBitmap* bitmap);
  void CopyRect(const TRect& dest, const TCanvas* canvas, const TRect& source);
  // Copies source of bitmap to dest with the pixels of `color` replaced by the brush.
  void BrushCopy(const TRect& dest, const TBitmap* bitmap, const TRect& source, TColor color);

  // Device coordinates are held within +-kMaxCoordinate, so no figure's arithmetic overflows;
  // figures reaching farther are cut there.
  static constexpr int kMaxCoordinate = 1 << 29;

 private:
  // Device access for the framework's own drawing code, through TCanvasDevice
  // (framework/graphics/internal/canvas_device.h).
  friend class TCanvasDevice;
  // The device pixels and clip drawing uses (empty without a bitmap).
  ClippedTarget DeviceTarget() const;
  TPoint ToDevice(int x, int y) const;
  TRect ToDevice(const TRect& r) const;
  // Reports a touched device rectangle (clipped) to OnDrawn and OnChange.
  void NotifyDrawn(const TRect& device) const;
  // Copies source (bitmap pixels) to dest (device pixels) by rop; reversed rectangles mirror.
  // The source may be this canvas's own bitmap.
  void BlitDevice(const TRect& dest, const TBitmap* bitmap, const TRect& source, TCopyMode rop);

  Ink BrushInk(bool withPenMode) const;
  LinePen MakeLinePen() const;
  bool PenVisible() const;
  int PenWidth() const;  // the pen's width as drawn: 1 .. kMaxPenWidth
  // Whether figures keep their fill off the pixels of their straight outline lines, so a pen
  // mode such as pmXor changes each pixel once: solid 1-pixel pens in modes other than pmCopy.
  bool OnePassStroke() const;
  static constexpr int kMaxPenWidth = 1 << 16;
  void StrokePath(std::span<const TPoint> devicePoints, bool closed);
  void StrokeLines(std::span<const TPoint> devicePoints, bool closed,
                   const std::vector<Segment>& pixels);
  void PaintFigure(const std::vector<Segment>& inside, const std::vector<Segment>& outline,
                   const TRect& box);
  BlitPattern Pattern() const;
  fw::StretchMode StretchKind() const;

  TBitmap* target_ = nullptr;
  TPoint origin_;
  bool hasClip_ = false;
  TRect clip_;  // device coordinates
  std::unique_ptr<TPen> pen_;
  std::unique_ptr<TBrush> brush_;
  std::unique_ptr<TFont> font_;
  TCopyMode copyMode_ = cmSrcCopy;
  int stretchMode_ = 3;  // COLORONCOLOR
  TPoint penPos_;
};

// Saves a canvas's drawing state on construction and restores it when it goes out of scope,
// also when drawing in between throws:
//   { TCanvasStateSaver saved(*canvas); canvas->IntersectClipRect(r); ... }
class TCanvasStateSaver {
 public:
  explicit TCanvasStateSaver(TCanvas& canvas) : canvas_(canvas), state_(canvas.SaveState()) {}
  ~TCanvasStateSaver() { canvas_.RestoreState(state_); }
  TCanvasStateSaver(const TCanvasStateSaver&) = delete;
  TCanvasStateSaver& operator=(const TCanvasStateSaver&) = delete;

 private:
  TCanvas& canvas_;
  TCanvasState state_;
};

}  // namespace fw
