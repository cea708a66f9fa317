// The form's paint bookkeeping: invalidated areas coalesce into one paint of the union,
// performed by the loop (or at once by Update); painted and directly drawn areas are handed
// to the backend for presentation.
#include <algorithm>

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/scope_guard.h"

namespace fw {

void TCustomForm::InvalidateRect(const TRect& area) {
  if (!surface_) return;
  TRect r;
  if (!IntersectRect(r, area, Rect(0, 0, surface_->Width(), surface_->Height()))) return;
  UnionRect(dirty_, dirty_, r);
}

void TCustomForm::PaintPending() {
  if (painting_ || !Showing() || IsRectEmpty(dirty_)) return;
  const TRect area = dirty_;
  dirty_ = TRect{};
  TValueRestorer painting(painting_, true);
  PaintTree(surface_.get(), Point(0, 0), area);
  UnionRect(drawn_, drawn_, area);
}

void TCustomForm::MarkDrawn(const TRect& area) {
  UnionRect(drawn_, drawn_, area);
}

void TCustomForm::PresentPending() {
  if (IsRectEmpty(drawn_)) return;
  const TRect area = drawn_;
  drawn_ = TRect{};
  if (Showing()) CurrentBackend().Present(this, area);
}

}  // namespace fw
