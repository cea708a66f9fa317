// The design surface's input, its tray geometry, its picture cache and what it repaints when
// the document changes.
#include "apps/designer/design_surface.h"

#include <set>

#include "framework/controls/control_picture.h"
#include "framework/controls/form.h"
#include "framework/controls/messages.h"
#include "framework/image/resources.h"
#include "framework/rtl/utf8.h"

namespace designer {

TDesignSurface::TDesignSurface(fw::TComponent* AOwner) : TCustomControl(AOwner) {
  // Paint covers every pixel: no background erase first.
  SetControlStyle(ControlStyle() + fw::csOpaque);
  SetTabStop(true);
  SetColor(fw::clAppWorkSpace);
}

TDesignSurface::~TDesignSurface() {
  if (document_ != nullptr) document_->RemoveObserver(this);
}

void TDesignSurface::SetDocument(TDesignDocument* document) {
  if (document == document_) return;
  if (document_ != nullptr) document_->RemoveObserver(this);
  document_ = document;
  if (document_ != nullptr) document_->AddObserver(this);
  pictures_.clear();
  Invalidate();
}

// --- geometry

fw::TRect TDesignSurface::TrayRect() const {
  return fw::Rect(0, std::max(0, ClientHeight() - kTrayHeight), ClientWidth(), ClientHeight());
}

fw::TRect TDesignSurface::TrayCellRect(int index) const {
  fw::TRect tray = TrayRect();
  int slotLeft = 4 + index * kTraySlotWidth;
  return fw::Bounds(slotLeft + (kTraySlotWidth - kTrayCellSize) / 2, tray.Top + 3, kTrayCellSize,
                    kTrayCellSize);
}

fw::TComponent* TDesignSurface::TrayComponentAt(int x, int y) const {
  if (document_ == nullptr || !fw::PtInRect(TrayRect(), fw::Point(x, y))) return nullptr;
  std::vector<fw::TComponent*> components = document_->NonVisualComponents();
  for (size_t i = 0; i < components.size(); ++i) {
    fw::TRect cell = TrayCellRect(int(i));
    // The slot below the cell holds the name, which selects as well.
    fw::TRect slot = fw::Rect(cell.Left - (kTraySlotWidth - kTrayCellSize) / 2, cell.Top,
                              cell.Right + (kTraySlotWidth - kTrayCellSize) / 2, TrayRect().Bottom);
    if (fw::PtInRect(slot, fw::Point(x, y))) return components[i];
  }
  return nullptr;
}

// --- repainting

void TDesignSurface::InvalidateArea(const fw::TRect& area) {
  fw::TCustomForm* form = ParentForm();
  if (form == nullptr || !Showing()) return;
  fw::TRect r;
  if (!fw::IntersectRect(r, area, ClientRect())) return;
  fw::TPoint origin = TControl::FormOrigin();
  fw::OffsetRect(r, origin.X, origin.Y);
  form->InvalidateRect(r);
}

void TDesignSurface::AreaChanged(const fw::TRect& area) {
  fw::TRect r = area;
  fw::OffsetRect(r, FormOffset().X, FormOffset().Y);
  InvalidateArea(r);
}

void TDesignSurface::DocumentChanged() {
  // Pictures of controls that left the document go; the others stay until their revision or
  // size says they are out of date.
  std::set<const fw::TControl*> live;
  for (fw::TControl* c : document_->VisualComponents()) live.insert(c);
  std::erase_if(pictures_, [&live](const auto& entry) { return !live.count(entry.first); });
  Invalidate();
}

void TDesignSurface::NonVisualSelectionChanged() {
  InvalidateArea(TrayRect());
}

const fw::TBitmap& TDesignSurface::PictureOf(fw::TControl& control) {
  Picture& picture = pictures_[&control];
  uint64_t revision = document_->ContentRevision(&control);
  if (!picture.bitmap || picture.revision != revision ||
      picture.bitmap->Width() != control.Width() || picture.bitmap->Height() != control.Height()) {
    picture.bitmap = fw::RenderControl(control);
    picture.revision = revision;
    ++renderCount_;
  }
  return *picture.bitmap;
}

// The palette bitmap of a class: the resource named as the class in upper case, its bottom-left
// pixel's colour transparent; nullptr when there is none or it cannot be read.
fw::TBitmap* TDesignSurface::TrayIcon(const fw::ClassRecord& record) {
  auto [it, inserted] = trayIcons_.try_emplace(record.name);
  if (inserted) {
    std::string name = fw::UpperCase(record.name);
    if (fw::ResourceExists(name)) {
      auto bitmap = std::make_unique<fw::TBitmap>();
      try {
        bitmap->LoadFromResourceName(name);
        bitmap->SetTransparent(true);
        it->second = std::move(bitmap);
      } catch (const fw::Exception&) {
        // An unreadable bitmap: the class shows its initials instead.
      }
    }
  }
  return it->second.get();
}

// --- input

void TDesignSurface::WndProc(fw::TMessage& message) {
  if (message.Msg == fw::WM_GETDLGCODE) {
    message.Result = fw::DLGC_WANTARROWS;  // arrows move the selection, not the focus
    return;
  }
  TCustomControl::WndProc(message);
}

void TDesignSurface::MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (CanFocus()) SetFocus();
  if (document_ == nullptr || Button != fw::mbLeft) return;
  int x = X - FormOffset().X;
  int y = Y - FormOffset().Y;
  if (dropClass_ != nullptr) {
    const fw::ClassRecord* record = dropClass_;
    dropClass_ = nullptr;
    SetCursor(fw::crDefault);
    document_->Drop(*record, x, y);
    return;
  }
  if (fw::PtInRect(TrayRect(), fw::Point(X, Y))) {
    fw::TComponent* c = TrayComponentAt(X, Y);
    if (Shift.Contains(fw::ssShift)) {
      if (c != nullptr) document_->Toggle(c);
    } else {
      document_->Select(c);
    }
    return;
  }
  document_->BeginDrag(x, y, Shift);
}

void TDesignSurface::MouseMove(fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  if (document_ == nullptr) return;
  int x = X - FormOffset().X;
  int y = Y - FormOffset().Y;
  if (document_->Dragging()) {
    document_->DragTo(x, y);
    return;
  }
  // The cursor tells what a press would do.
  fw::TCursor cursor = fw::crDefault;
  switch (dropClass_ ? hkNone : document_->HandleAt(x, y)) {
    case hkTopLeft:
    case hkBottomRight:
      cursor = fw::crSizeNWSE;
      break;
    case hkTopRight:
    case hkBottomLeft:
      cursor = fw::crSizeNESW;
      break;
    case hkTop:
    case hkBottom:
      cursor = fw::crSizeNS;
      break;
    case hkLeft:
    case hkRight:
      cursor = fw::crSizeWE;
      break;
    case hkNone:
      cursor = dropClass_ ? fw::crCross : fw::crDefault;
      break;
  }
  SetCursor(cursor);
}

void TDesignSurface::MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  if (document_ != nullptr && Button == fw::mbLeft && document_->Dragging()) {
    document_->DragTo(X - FormOffset().X, Y - FormOffset().Y);
    document_->EndDrag();
  }
}

void TDesignSurface::KeyDown(uint16_t& Key, fw::TShiftState Shift) {
  if (document_ != nullptr && document_->Nudge(Key, Shift)) {
    Key = 0;
    return;
  }
  TCustomControl::KeyDown(Key, Shift);
}

}  // namespace designer
