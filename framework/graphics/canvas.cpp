// TCanvas state: target bitmap, origin and clip, drawing tools, and the helpers every drawing
// operation shares (device target, pen and brush inks, change reports).
#include "framework/graphics/canvas.h"
#include "framework/graphics/internal/raster.h"

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi.h"

namespace fw {

TCanvas::TCanvas(TBitmap* target)
    : target_(target),
      pen_(std::make_unique<TPen>()),
      brush_(std::make_unique<TBrush>()),
      font_(std::make_unique<TFont>()) {}

TCanvas::~TCanvas() = default;

TCanvasState::TCanvasState()
    : pen_(std::make_unique<TPen>()),
      brush_(std::make_unique<TBrush>()),
      font_(std::make_unique<TFont>()) {}
TCanvasState::~TCanvasState() = default;
TCanvasState::TCanvasState(TCanvasState&&) noexcept = default;
TCanvasState& TCanvasState::operator=(TCanvasState&&) noexcept = default;

TCanvasState TCanvas::SaveState() const {
  TCanvasState state;
  state.pen_->Assign(*pen_);
  state.brush_->Assign(*brush_);
  state.font_->Assign(*font_);
  state.copyMode_ = copyMode_;
  state.stretchMode_ = stretchMode_;
  state.origin_ = origin_;
  state.hasClip_ = hasClip_;
  state.clip_ = clip_;
  return state;
}

namespace {

// Whether two tools draw alike, so that a restore can leave a tool alone (assigning one
// notifies its listeners, and a font then drops its handle).
bool SamePen(const TPen& a, const TPen& b) {
  return a.Color() == b.Color() && a.Width() == b.Width() && a.Style() == b.Style() &&
         a.Mode() == b.Mode();
}
bool SameBrush(const TBrush& a, const TBrush& b) {
  return a.Color() == b.Color() && a.Style() == b.Style();
}
bool SameFont(const TFont& a, const TFont& b) {
  return a.Height() == b.Height() && a.Color() == b.Color() && a.Style() == b.Style() &&
         a.Orientation() == b.Orientation() && a.Quality() == b.Quality() &&
         a.Pitch() == b.Pitch() && a.Charset() == b.Charset() && a.Name() == b.Name();
}

}  // namespace

void TCanvas::RestoreState(const TCanvasState& state) {
  if (!SamePen(*pen_, *state.pen_)) pen_->Assign(*state.pen_);
  if (!SameBrush(*brush_, *state.brush_)) brush_->Assign(*state.brush_);
  if (!SameFont(*font_, *state.font_)) font_->Assign(*state.font_);
  copyMode_ = state.copyMode_;
  stretchMode_ = state.stretchMode_;
  origin_ = state.origin_;
  hasClip_ = state.hasClip_;
  clip_ = state.clip_;
}

TRect TCanvas::ClipRect() const {
  const TRect device =
      hasClip_ ? clip_ : (target_ ? TRect{0, 0, target_->Width(), target_->Height()} : TRect{});
  return Rect(device.Left - origin_.X, device.Top - origin_.Y, device.Right - origin_.X,
              device.Bottom - origin_.Y);
}

void TCanvas::SetClipRect(const TRect& r) {
  clip_ = ToDevice(r);
  hasClip_ = true;
}

bool TCanvas::IntersectClipRect(const TRect& r) {
  const TRect current = ToDevice(ClipRect());
  IntersectRect(clip_, current, ToDevice(r));
  hasClip_ = true;
  return !IsRectEmpty(clip_);
}

void TCanvas::ResetClip() {
  hasClip_ = false;
  clip_ = TRect{};
}

void TCanvas::SetPen(const TPen* pen) {
  if (pen) pen_->Assign(*pen);
}

void TCanvas::SetBrush(const TBrush* brush) {
  if (brush) brush_->Assign(*brush);
}

void TCanvas::SetFont(const TFont* font) {
  if (font) font_->Assign(*font);
}

namespace {

int DeviceCoordinate(int v, int origin) {
  return int(
      std::clamp<int64_t>(int64_t(v) + origin, -TCanvas::kMaxCoordinate, TCanvas::kMaxCoordinate));
}

}  // namespace

TPoint TCanvas::ToDevice(int x, int y) const {
  return Point(DeviceCoordinate(x, origin_.X), DeviceCoordinate(y, origin_.Y));
}

TRect TCanvas::ToDevice(const TRect& r) const {
  const TPoint a = ToDevice(r.Left, r.Top), b = ToDevice(r.Right, r.Bottom);
  return Rect(a.X, a.Y, b.X, b.Y);
}

ClippedTarget TCanvas::DeviceTarget() const {
  if (!target_) return ClippedTarget{};
  const PixelTarget pixels = target_->Surface();
  return MakeClippedTarget(pixels, hasClip_ ? clip_ : pixels.Bounds());
}

void TCanvas::NotifyDrawn(const TRect& device) const {
  if (!OnDrawn && !OnChange) return;
  TRect touched;
  if (!IntersectRect(touched, device, DeviceTarget().clip)) return;
  if (OnDrawn) OnDrawn(touched);
  if (OnChange) OnChange();
}

// The brush as ink; closed figures combine it by the pen mode, fills copy it.
Ink TCanvas::BrushInk(bool withPenMode) const {
  Ink ink;
  ink.color = ColorToPixel(brush_->Color());
  ink.rop2 = withPenMode ? PenModeToRop2(pen_->Mode()) : R2_COPYPEN;
  ink.hatch = brush_->HatchBits();
  return ink;
}

int TCanvas::PenWidth() const {
  return std::clamp(pen_->Width(), 1, kMaxPenWidth);
}

bool TCanvas::OnePassStroke() const {
  return PenVisible() && PenWidth() == 1 && pen_->Mode() != pmCopy &&
         (pen_->Style() == psSolid || pen_->Style() == psInsideFrame);
}

bool TCanvas::PenVisible() const {
  return pen_->Style() != psClear;
}

LinePen TCanvas::MakeLinePen() const {
  static constexpr uint8_t kDash[] = {18, 6};
  static constexpr uint8_t kDot[] = {3, 3};
  static constexpr uint8_t kDashDot[] = {9, 6, 3, 6};
  static constexpr uint8_t kDashDotDot[] = {9, 3, 3, 3, 3, 3};
  LinePen pen;
  pen.ink.color = ColorToPixel(pen_->Color());
  pen.ink.rop2 = PenModeToRop2(pen_->Mode());
  pen.width = PenWidth();
  if (pen.width == 1) {
    switch (pen_->Style()) {
      case psDash:
        pen.dashes = kDash;
        break;
      case psDot:
        pen.dashes = kDot;
        break;
      case psDashDot:
        pen.dashes = kDashDot;
        break;
      case psDashDotDot:
        pen.dashes = kDashDotDot;
        break;
      default:
        break;
    }
  }
  // A solid brush makes the background opaque: the gaps of styled lines take its colour.
  pen.paintGaps = brush_->Style() == bsSolid;
  pen.gapInk = Ink{ColorToPixel(brush_->Color()), pen.ink.rop2, nullptr};
  return pen;
}

TColor TCanvas::Pixels(int x, int y) const {
  const ClippedTarget t = DeviceTarget();
  const TPoint d = ToDevice(x, y);
  if (!PtInRect(t.clip, d)) return kInvalidPixel;
  return PixelToColor(t.pixels.Row(d.Y)[d.X]);
}

void TCanvas::SetPixels(int x, int y, TColor color) {
  const ClippedTarget t = DeviceTarget();
  const TPoint d = ToDevice(x, y);
  if (!PtInRect(t.clip, d)) return;
  t.pixels.Row(d.Y)[d.X] = ColorToPixel(color);
  NotifyDrawn(Rect(d.X, d.Y, d.X + 1, d.Y + 1));
}

}  // namespace fw
