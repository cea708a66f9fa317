// TControl painting: the canvas bound to the form's surface, paint requests (Invalidate,
// Repaint, Update), one control's paint within a cycle, and PaintTo.
#include "framework/controls/application.h"
#include "framework/controls/control.h"
#include "framework/controls/form.h"
#include "framework/controls/wincontrol.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/internal/canvas_device.h"
#include "framework/rtl/scope_guard.h"

namespace fw {

TBitmap* TControl::SurfaceOf() const {
  TCustomForm* form = SurfaceForm();
  return form ? form->Surface() : nullptr;
}

TCustomForm* TControl::SurfaceForm() const {
  if (!Showing()) return nullptr;
  TCustomForm* form = GetParentForm(this);
  return form && form->Surface() ? form : nullptr;
}

TRect TControl::VisibleFormRect() const {
  const TPoint o = FormOrigin();
  TRect r = Bounds(o.X, o.Y, width_, height_);
  for (const TWinControl* p = parent_; p != nullptr; p = p->Parent()) {
    TRect client = p->ClientRect();
    const TPoint po = p->FormOrigin();
    OffsetRect(client, po.X, po.Y);
    IntersectRect(r, r, client);
  }
  return r;
}

TCanvas* TControl::ControlCanvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TCanvas>();
    // Drawing outside a paint cycle (from setters and mouse handlers) must still reach the
    // screen: the touched area is marked for presentation.
    canvas_->OnDrawn = [this](const TRect& area) {
      if (paintDepth_ > 0) return;
      if (TCustomForm* form = SurfaceForm()) form->MarkDrawn(area);
    };
  }
  if (paintDepth_ == 0) BindCanvasToSurface();
  return canvas_.get();
}

void TControl::BindCanvasToSurface() {
  if (!canvas_) return;
  TBitmap* surface = SurfaceOf();
  canvas_->SetTarget(surface);
  if (!surface) {
    canvas_->SetOrigin(0, 0);
    canvas_->ResetClip();
    return;
  }
  const TPoint o = FormOrigin();
  canvas_->SetOrigin(o.X, o.Y);
  TRect visible = VisibleFormRect();
  OffsetRect(visible, -o.X, -o.Y);
  canvas_->SetClipRect(visible);
}

void TControl::Invalidate() {
  if (TCustomForm* form = SurfaceForm()) form->InvalidateRect(VisibleFormRect());
}

void TControl::InvalidateParentArea(const TRect& boundsInParent) {
  if (!parent_) return;
  TCustomForm* form = parent_->SurfaceForm();
  if (!form) return;
  const TPoint o = parent_->FormOrigin();
  TRect r = boundsInParent;
  OffsetRect(r, o.X, o.Y);
  IntersectRect(r, r, parent_->VisibleFormRect());
  form->InvalidateRect(r);
}

void TControl::Update() {
  if (TCustomForm* form = GetParentForm(this)) form->PaintPending();
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::PaintSelf(TBitmap* bitmap, TPoint origin, const TRect& clip) {
  if (!canvas_) ControlCanvas();
  {
    // Paints nest (PaintTo inside a paint); the canvas goes back to the surface after the
    // outermost, also when it throws.
    TValueRestorer depth(paintDepth_, paintDepth_ + 1);
    canvas_->SetTarget(bitmap);
    canvas_->SetOrigin(origin.X, origin.Y);
    TRect local = clip;
    OffsetRect(local, -origin.X, -origin.Y);
    canvas_->SetClipRect(local);
    try {
      EraseBackground(canvas_.get());
      Paint();
    } catch (...) {
      // One failing control must not stop the others from painting.
      Application->HandleException(this);
    }
  }
  if (paintDepth_ == 0) BindCanvasToSurface();
}

void TControl::PaintTree(TBitmap* bitmap, TPoint origin, const TRect& clip) {
  PaintSelf(bitmap, origin, clip);
}

void TControl::PaintTo(TCanvas* canvas, int x, int y) {
  if (!canvas || !canvas->Target()) return;
  const TPoint o = TCanvasDevice::ToDevice(*canvas, x, y);
  TRect area = Bounds(o.X, o.Y, width_, height_);
  if (!IntersectRect(area, area, TCanvasDevice::ToDevice(*canvas, canvas->ClipRect()))) return;
  PaintTree(canvas->Target(), o, area);
  TCanvasDevice::NotifyDrawn(*canvas, area);
}

}  // namespace fw
