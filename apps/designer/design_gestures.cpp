// The document's geometry: grid snapping, grab handles, hit testing and the mouse and key
// gestures that move and resize the selected controls or draw a rubber band.
#include <algorithm>

#include "apps/designer/design_document.h"
#include "framework/controls/messages.h"

namespace designer {

int GridSnap(int value, int grid) {
  if (grid < 2) return value;
  // Floor division, so negative positions snap the same way as positive ones.
  int shifted = value + grid / 2;
  int q = shifted / grid;
  if (shifted % grid != 0 && shifted < 0) --q;
  return q * grid;
}

fw::TRect HandleRect(const fw::TRect& bounds, THandleKind kind) {
  int cx = 0;
  int cy = 0;
  int midX = bounds.Left + bounds.Width() / 2;
  int midY = bounds.Top + bounds.Height() / 2;
  switch (kind) {
    case hkNone:
      return {};
    case hkTopLeft:
      cx = bounds.Left, cy = bounds.Top;
      break;
    case hkTop:
      cx = midX, cy = bounds.Top;
      break;
    case hkTopRight:
      cx = bounds.Right, cy = bounds.Top;
      break;
    case hkRight:
      cx = bounds.Right, cy = midY;
      break;
    case hkBottomRight:
      cx = bounds.Right, cy = bounds.Bottom;
      break;
    case hkBottom:
      cx = midX, cy = bounds.Bottom;
      break;
    case hkBottomLeft:
      cx = bounds.Left, cy = bounds.Bottom;
      break;
    case hkLeft:
      cx = bounds.Left, cy = midY;
      break;
  }
  return fw::Bounds(cx - kHandleSize / 2, cy - kHandleSize / 2, kHandleSize, kHandleSize);
}

fw::TRect WithHandles(const fw::TRect& bounds) {
  fw::TRect r = bounds;
  fw::InflateRect(r, kHandleSize / 2 + 1, kHandleSize / 2 + 1);
  return r;
}

THandleKind TDesignDocument::HandleAt(int x, int y) const {
  fw::TControl* control = HandleControl();
  if (control == nullptr) return hkNone;
  for (int k = hkTopLeft; k <= hkLeft; ++k) {
    auto kind = static_cast<THandleKind>(k);
    if (fw::PtInRect(HandleRect(control->BoundsRect(), kind), fw::Point(x, y))) return kind;
  }
  return hkNone;
}

void TDesignDocument::SetGridSize(int value) {
  gridSize_ = std::max(2, value);
}

// The area the selected controls and their handles cover.
fw::TRect TDesignDocument::SelectionArea() const {
  fw::TRect area;
  for (fw::TComponent* c : selection_)
    if (auto* control = dynamic_cast<fw::TControl*>(c))
      fw::UnionRect(area, area, WithHandles(control->BoundsRect()));
  return area;
}

fw::TRect TDesignDocument::RubberBand() const {
  if (drag_.mode != DragMode::Band) return {};
  return fw::Rect(
      std::min(drag_.start.X, drag_.current.X), std::min(drag_.start.Y, drag_.current.Y),
      std::max(drag_.start.X, drag_.current.X), std::max(drag_.start.Y, drag_.current.Y));
}

// --- mouse gestures

void TDesignDocument::BeginDrag(int x, int y, fw::TShiftState shift) {
  drag_ = DragState{};
  drag_.start = drag_.current = fw::Point(x, y);
  if (THandleKind handle = HandleAt(x, y); handle != hkNone) {
    drag_.mode = DragMode::Resize;
    drag_.handle = handle;
    drag_.anchor = HandleControl();
    drag_.original.emplace_back(drag_.anchor, drag_.anchor->BoundsRect());
    return;
  }
  if (fw::TControl* control = ComponentAt(x, y)) {
    if (shift.Contains(fw::ssShift)) {
      Toggle(control);
      if (!IsSelected(control)) return;  // toggled off: nothing to move
    } else if (!IsSelected(control)) {
      Select(control);
    }
    drag_.mode = DragMode::Move;
    drag_.anchor = control;
    for (fw::TComponent* c : selection_)
      if (auto* selected = dynamic_cast<fw::TControl*>(c))
        drag_.original.emplace_back(selected, selected->BoundsRect());
    return;
  }
  drag_.mode = DragMode::Band;
  if (shift.Contains(fw::ssShift)) {
    drag_.bandBase = selection_;
  } else {
    ClearSelection();
  }
}

void TDesignDocument::DragTo(int x, int y) {
  fw::TPoint p = fw::Point(x, y);
  switch (drag_.mode) {
    case DragMode::None:
      return;
    case DragMode::Move:
      MoveSelectionTo(p);
      break;
    case DragMode::Resize:
      ResizeTo(p);
      break;
    case DragMode::Band:
      BandTo(p);
      break;
  }
}

void TDesignDocument::EndDrag() {
  if (drag_.mode == DragMode::Band) NotifyArea(WithHandles(RubberBand()));
  bool changed = drag_.changed;
  drag_ = DragState{};
  if (changed) {
    modified_ = true;
    if (OnChange) OnChange(root_.get());
  }
}

// Moves every selected control by the pointer's travel. The pressed control lands on the grid
// (on an axis the pointer moved along) and the others keep their places relative to it.
void TDesignDocument::MoveSelectionTo(const fw::TPoint& p) {
  int dx = p.X - drag_.start.X;
  int dy = p.Y - drag_.start.Y;
  fw::TRect a;
  for (const auto& [control, r] : drag_.original)
    if (control == drag_.anchor) a = r;
  if (snapToGrid_ && dx != 0) dx = GridSnap(a.Left + dx, gridSize_) - a.Left;
  if (snapToGrid_ && dy != 0) dy = GridSnap(a.Top + dy, gridSize_) - a.Top;
  fw::TRect area;
  for (const auto& [control, r] : drag_.original) {
    fw::TRect before = control->BoundsRect();
    if (before.Left == r.Left + dx && before.Top == r.Top + dy) continue;
    control->SetBounds(r.Left + dx, r.Top + dy, r.Width(), r.Height());
    fw::UnionRect(area, area, WithHandles(before));
    fw::UnionRect(area, area, WithHandles(control->BoundsRect()));
    drag_.changed = true;
  }
  drag_.current = p;
  NotifyArea(area);
}

// Moves the edges of the resized control that its handle stands for; the moved edges snap to
// the grid, and the control keeps at least one pixel each way.
void TDesignDocument::ResizeTo(const fw::TPoint& p) {
  fw::TControl* control = drag_.anchor;
  const fw::TRect r = drag_.original.front().second;
  int dx = p.X - drag_.start.X;
  int dy = p.Y - drag_.start.Y;
  auto snap = [&](int edge, int delta) {
    return snapToGrid_ && delta != 0 ? GridSnap(edge + delta, gridSize_) : edge + delta;
  };
  THandleKind h = drag_.handle;
  bool left = h == hkTopLeft || h == hkLeft || h == hkBottomLeft;
  bool right = h == hkTopRight || h == hkRight || h == hkBottomRight;
  bool top = h == hkTopLeft || h == hkTop || h == hkTopRight;
  bool bottom = h == hkBottomLeft || h == hkBottom || h == hkBottomRight;
  fw::TRect n = r;
  if (left) n.Left = std::min(snap(r.Left, dx), r.Right - 1);
  if (right) n.Right = std::max(snap(r.Right, dx), r.Left + 1);
  if (top) n.Top = std::min(snap(r.Top, dy), r.Bottom - 1);
  if (bottom) n.Bottom = std::max(snap(r.Bottom, dy), r.Top + 1);
  drag_.current = p;
  fw::TRect before = control->BoundsRect();
  if (n == before) return;
  control->SetBoundsRect(n);
  fw::TRect area = WithHandles(before);
  fw::UnionRect(area, area, WithHandles(control->BoundsRect()));
  drag_.changed = true;
  NotifyArea(area);
}

// Selects the controls the band touches (besides those selected before a Shift band).
void TDesignDocument::BandTo(const fw::TPoint& p) {
  fw::TRect before = RubberBand();
  drag_.current = p;
  fw::TRect band = RubberBand();
  std::vector<fw::TComponent*> selection = drag_.bandBase;
  fw::TRect common;
  for (fw::TControl* control : VisualComponents())
    if (fw::IntersectRect(common, band, control->BoundsRect()) &&
        std::find(selection.begin(), selection.end(), control) == selection.end())
      selection.push_back(control);
  fw::TRect area = WithHandles(before);
  fw::UnionRect(area, area, WithHandles(band));
  NotifyArea(area);
  SetSelection(std::move(selection));
}

// --- keys

bool TDesignDocument::Nudge(uint16_t vk, fw::TShiftState shift) {
  if (vk == fw::VK_DELETE) {
    if (selection_.empty()) return false;
    DeleteSelection();
    return true;
  }
  int dx = 0;
  int dy = 0;
  switch (vk) {
    case fw::VK_LEFT:
      dx = -1;
      break;
    case fw::VK_RIGHT:
      dx = 1;
      break;
    case fw::VK_UP:
      dy = -1;
      break;
    case fw::VK_DOWN:
      dy = 1;
      break;
    default:
      return false;
  }
  bool resize = shift.Contains(fw::ssShift);
  int step = !resize && shift.Contains(fw::ssCtrl) ? gridSize_ : 1;
  fw::TRect area;
  for (fw::TComponent* c : selection_) {
    auto* control = dynamic_cast<fw::TControl*>(c);
    if (control == nullptr) continue;
    fw::UnionRect(area, area, WithHandles(control->BoundsRect()));
    if (resize) {
      control->SetBounds(control->Left(), control->Top(), std::max(1, control->Width() + dx),
                         std::max(1, control->Height() + dy));
    } else {
      control->SetBounds(control->Left() + dx * step, control->Top() + dy * step, control->Width(),
                         control->Height());
    }
    fw::UnionRect(area, area, WithHandles(control->BoundsRect()));
  }
  if (fw::IsRectEmpty(area)) return false;
  NotifyArea(area);
  modified_ = true;
  if (OnChange) OnChange(root_.get());
  return true;
}

}  // namespace designer
