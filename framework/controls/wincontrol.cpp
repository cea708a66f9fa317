// TWinControl: child lists, windows (handles and CreateWnd), alignment and anchors,
// background erase and the paint order of children.
#include "framework/controls/wincontrol.h"

#include <algorithm>

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/key_forwarding.h"
#include "framework/controls/screen.h"
#include "framework/rtl/scope_guard.h"

namespace fw {

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  isWinControl_ = true;
  SetControlStyle(ControlStyle() + csAcceptsControls);
}

TWinControl::~TWinControl() {
  Destroying();
  DestroyChildren();
  if (Parent()) Parent()->RemoveControl(this);
  DestroyHandleTree();
}

void TWinControl::DestroyChildren() {
  // Children may be owned by someone else; deleting them removes them from that owner too.
  while (!windows_.empty() || !graphics_.empty()) {
    TControl* child =
        !windows_.empty() ? static_cast<TControl*>(windows_.back()) : graphics_.back();
    delete child;
  }
}

TControl* TWinControl::Controls(int index) const {
  const int g = static_cast<int>(graphics_.size());
  if (index < 0 || index >= ControlCount())
    throw EListError("Control index out of bounds (" + std::to_string(index) + ")");
  return index < g ? graphics_[index] : windows_[index - g];
}

bool TWinControl::ContainsControl(const TControl* control) const {
  for (const TControl* c = control; c != nullptr; c = c->Parent())
    if (c == this) return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls) const {
  auto hit = [&](const TControl* c) {
    return c->Visible() && (allowDisabled || c->Enabled()) && PtInRect(c->BoundsRect(), p);
  };
  if (allowWinControls)
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
      if (hit(*it)) return *it;
  for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it)
    if (hit(*it)) return *it;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& message) {
  for (int i = 0; i < ControlCount(); ++i) {
    Controls(i)->WndProc(message);
    if (message.Result != 0) return;
  }
}

// --- Joining and leaving

void TWinControl::InsertControl(TControl* control) {
  control->parent_ = this;
  control->RecordAnchorBase();
  if (control->isWinControl_) {
    auto* w = static_cast<TWinControl*>(control);
    windows_.push_back(w);
    tabList_.push_back(w);
    if (w->tabOrder_ >= 0) w->SetTabOrder(w->tabOrder_);
    w->tabOrder_ = -1;
  } else {
    graphics_.push_back(control);
  }
  if (control->ParentFont()) control->TakeParentFont();
  if (control->ParentColor()) control->TakeParentColor();
  if (control->ParentShowHint()) control->SetParentShowHint(true);
  if (control->ParentBiDiMode()) control->TakeParentBiDiMode();
  if (control->isWinControl_ && static_cast<TWinControl*>(control)->parentCtl3D_)
    static_cast<TWinControl*>(control)->TakeParentCtl3D();
  if (control->isWinControl_ && HandleAllocated())
    static_cast<TWinControl*>(control)->UpdateHandles();
  control->RequestAlign();
  control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control) {
  const bool destroying = ComponentState().Contains(csDestroying);
  if (!destroying && control->Visible()) control->InvalidateParentArea(control->BoundsRect());
  if (TCustomForm* form = GetParentForm(this))
    form->ControlGone(control, control->ComponentState().Contains(csDestroying));
  if (Application) Application->Input().Forget(control);
  if (control->isWinControl_) {
    auto* w = static_cast<TWinControl*>(control);
    std::erase(windows_, w);
    std::erase(tabList_, w);
  } else {
    std::erase(graphics_, control);
  }
  control->parent_ = nullptr;
  if (control->isWinControl_) static_cast<TWinControl*>(control)->DestroyHandleTree();
  control->BindCanvasToSurface();
  if (!destroying && control->Align() != alNone) AlignControls();
}

// --- Windows

void TWinControl::UpdateHandles() {
  TCustomForm* form = GetParentForm(this);
  if (form && form->Surface()) {
    CreateHandleTree();
  } else {
    DestroyHandleTree();
  }
}

void TWinControl::CreateHandleTree() {
  if (!handle_) {
    handle_ = AllocateHWnd([ref = Ref()](TMessage& m) {
      if (TControl* c = ref.Get()) c->WndProc(m);
    });
    CreateWnd();
  }
  for (size_t i = 0; i < windows_.size(); ++i) windows_[i]->CreateHandleTree();
}

void TWinControl::DestroyHandleTree() {
  for (TWinControl* w : windows_) w->DestroyHandleTree();
  if (!handle_) return;
  DestroyWnd();
  DeallocateHWnd(handle_);
  handle_ = nullptr;
}

void TWinControl::CreateWnd() {}

void TWinControl::DestroyWnd() {}

// --- Layout

void TWinControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_SIZE:
      AdjustAnchors();
      AlignControls();
      break;
    case CM_FONTCHANGED:
      NotifyChildren(CM_PARENTFONTCHANGED);
      break;
    case CM_COLORCHANGED:
      NotifyChildren(CM_PARENTCOLORCHANGED);
      break;
    case CM_BIDIMODECHANGED:
      NotifyChildren(CM_PARENTBIDIMODECHANGED);
      break;
    case CM_CTL3DCHANGED:
      NotifyChildren(CM_PARENTCTL3DCHANGED);
      Invalidate();
      return;
    case CM_PARENTCTL3DCHANGED:
      if (parentCtl3D_) TakeParentCtl3D();
      return;
    case WM_KEYDOWN: {
      uint16_t key = static_cast<uint16_t>(message.WParam);
      DoKeyDown(key, KeyShiftState());
      return;
    }
    case CN_KEYDOWN:
      message.Result = HandleForwardedKeyDown(static_cast<uint16_t>(message.WParam)) ? 1 : 0;
      return;
    case WM_KEYUP: {
      uint16_t key = static_cast<uint16_t>(message.WParam);
      DoKeyUp(key, KeyShiftState());
      return;
    }
    case WM_CHAR: {
      char32_t key = static_cast<char32_t>(message.WParam);
      DoKeyPress(key);
      return;
    }
    case WM_NEXTDLGCTL:
      // A request to move the focus, sent to whatever parent a control has: the form acts.
      if (TCustomForm* form = GetParentForm(this); form && form != this)
        message.Result = form->Perform(message.Msg, message.WParam, message.LParam);
      return;
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    default:
      break;
  }
  TControl::WndProc(message);
}

void TWinControl::NotifyChildren(UINT msg) {
  for (int i = 0; i < ControlCount(); ++i) Controls(i)->Perform(msg, 0, 0);
}

// --- Three-dimensional look

void TWinControl::SetCtl3D(bool value) {
  if (value == ctl3D_) return;
  ctl3D_ = value;
  parentCtl3D_ = false;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::TakeParentCtl3D() {
  if (!Parent() || Parent()->ctl3D_ == ctl3D_) return;
  ctl3D_ = Parent()->ctl3D_;
  Perform(CM_CTL3DCHANGED, 0, 0);
}

void TWinControl::SetParentCtl3D(bool value) {
  parentCtl3D_ = value;
  if (value) TakeParentCtl3D();
}

// Children anchored to the right or bottom keep their distance to that side (stretching
// when anchored to both sides); children anchored to neither side of an axis keep their
// relative position. Each child is placed from the bounds it had when last placed by hand.
void TWinControl::AdjustAnchors() {
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    const TAnchors a = c->Anchors();
    // Controls being read from a form keep the bounds read; Loaded measures from them.
    if (c->Align() != alNone || a == TAnchors{akLeft, akTop} ||
        c->ComponentState().Contains(csLoading))
      continue;
    const int dx = ClientWidth() - c->anchorParentWidth_;
    const int dy = ClientHeight() - c->anchorParentHeight_;
    TRect r = c->anchorBounds_;
    auto shift = [](int& low, int& high, bool lowAnchor, bool highAnchor, int delta) {
      if (highAnchor && lowAnchor) {
        high += delta;
      } else if (highAnchor) {
        low += delta;
        high += delta;
      } else if (!lowAnchor) {
        low += delta / 2;
        high += delta / 2;
      }
    };
    shift(r.Left, r.Right, a.Contains(akLeft), a.Contains(akRight), dx);
    shift(r.Top, r.Bottom, a.Contains(akTop), a.Contains(akBottom), dy);
    TValueRestorer anchoring(c->anchoring_, true);
    c->SetBoundsRect(r);
  }
}

void TWinControl::Loaded() {
  TControl::Loaded();
  AlignControls();
}

void TWinControl::AlignControls() {
  if (aligning_ || ComponentState().Contains(csDestroying)) return;
  TValueRestorer aligning(aligning_, true);
  TRect room = ClientRect();
  auto place = [&](TAlign align) {
    std::vector<TControl*> list;
    for (int i = 0; i < ControlCount(); ++i) {
      TControl* c = Controls(i);
      if (c->Align() == align && c->Visible()) list.push_back(c);
    }
    // Top and left stacks keep the order of position; bottom and right stacks the reverse.
    std::stable_sort(list.begin(), list.end(), [align](TControl* a, TControl* b) {
      switch (align) {
        case alTop:
          return a->Top() < b->Top();
        case alBottom:
          return a->Top() + a->Height() > b->Top() + b->Height();
        case alLeft:
          return a->Left() < b->Left();
        case alRight:
          return a->Left() + a->Width() > b->Left() + b->Width();
        default:
          return false;
      }
    });
    for (TControl* c : list) {
      const int w = c->Width();
      const int h = c->Height();
      switch (align) {
        case alTop:
          c->SetBounds(room.Left, room.Top, room.Width(), h);
          room.Top += h;
          break;
        case alBottom:
          c->SetBounds(room.Left, room.Bottom - h, room.Width(), h);
          room.Bottom -= h;
          break;
        case alLeft:
          c->SetBounds(room.Left, room.Top, w, room.Height());
          room.Left += w;
          break;
        case alRight:
          c->SetBounds(room.Right - w, room.Top, w, room.Height());
          room.Right -= w;
          break;
        case alClient:
          c->SetBounds(room.Left, room.Top, room.Width(), room.Height());
          break;
        default:
          break;
      }
    }
  };
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) place(a);
}

// --- Painting

void TWinControl::EraseBackground(TCanvas* canvas) {
  if (ControlStyle().Contains(csOpaque)) return;
  TCanvasStateSaver saved(*canvas);
  canvas->Brush()->SetColor(Color());
  canvas->Brush()->SetStyle(bsSolid);
  canvas->FillRect(ClientRect());
}

// The control itself, then its graphic children, then its windowed children above them.
void TWinControl::PaintTree(TBitmap* bitmap, TPoint origin, const TRect& clip) {
  TControl::PaintTree(bitmap, origin, clip);
  auto paintChild = [&](TControl* child) {
    if (!child->Visible()) return;
    TRect area =
        Bounds(origin.X + child->Left(), origin.Y + child->Top(), child->Width(), child->Height());
    if (!IntersectRect(area, area, clip)) return;
    child->PaintTree(bitmap, Point(origin.X + child->Left(), origin.Y + child->Top()), area);
  };
  for (size_t i = 0; i < graphics_.size(); ++i) paintChild(graphics_[i]);
  for (size_t i = 0; i < windows_.size(); ++i) paintChild(windows_[i]);
}

}  // namespace fw
