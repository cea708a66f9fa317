// TMenuPopupView: the open popup menu drawn over its form, worked by mouse and keyboard.
#include <algorithm>

#include "framework/controls/form.h"
#include "framework/controls/messages.h"
#include "framework/graphics/frame3d.h"
#include "framework/stdctrls/popup_menu.h"

namespace fw {

namespace {

// Box layout: a raised 2-pixel frame; items have a gutter for the check mark or bitmap on the
// left and room for the submenu arrow on the right.
constexpr int kFrame = 2;
constexpr int kGutter = 22;
constexpr int kArrowRoom = 20;
constexpr int kLineHeight = 8;

}  // namespace

TMenuPopupView::TMenuPopupView(TPopupMenu* menu, TCustomForm* form)
    : TCustomControl(nullptr), menu_(menu) {
  // The view paints only its boxes: what lies below shows through elsewhere.
  SetControlStyle(ControlStyle() + csOpaque);
  SetTabStop(false);
  SetVisible(false);
  SetParent(form);
  SetBounds(0, 0, form->ClientWidth(), form->ClientHeight());
}

int TMenuPopupView::ItemHeight(const TMenuItem& item) const {
  if (!item.Visible()) return 0;
  if (item.IsLine()) return kLineHeight;
  return std::max(const_cast<TMenuPopupView*>(this)->Canvas()->TextHeight("Mg") + 6,
                  item.HasBitmap() ? 20 : 0);
}

TRect TMenuPopupView::LevelBox(int level) const {
  if (level < 0 || level >= Levels()) return TRect{};
  return levels_[static_cast<std::size_t>(level)].box;
}

TMenuItem* TMenuPopupView::LevelParent(int level) const {
  if (level < 0 || level >= Levels()) return nullptr;
  return levels_[static_cast<std::size_t>(level)].parent;
}

int TMenuPopupView::Highlighted(int level) const {
  if (level < 0 || level >= Levels()) return -1;
  return levels_[static_cast<std::size_t>(level)].highlighted;
}

TRect TMenuPopupView::ItemRect(int level, int index) const {
  TMenuItem* parent = LevelParent(level);
  if (!parent || index < 0 || index >= parent->Count()) return TRect{};
  const TRect box = LevelBox(level);
  int top = box.Top + kFrame;
  for (int i = 0; i < index; ++i) top += ItemHeight(*parent->Items(i));
  return Rect(box.Left + kFrame, top, box.Right - kFrame, top + ItemHeight(*parent->Items(index)));
}

// The box goes right of (or, by the menu's alignment, left of or centred on) the anchor point,
// a submenu beside its item; both are kept on the form where they fit.
void TMenuPopupView::OpenLevel(TMenuItem* parent, TPoint at, bool toSide, const TRect& beside) {
  int width = 0, height = 2 * kFrame;
  for (int i = 0; i < parent->Count(); ++i) {
    const TMenuItem& item = *parent->Items(i);
    height += ItemHeight(item);
    if (item.Visible() && !item.IsLine())
      width = std::max(width, Canvas()->TextWidth(item.PlainCaption()));
  }
  width += kGutter + kArrowRoom + 2 * kFrame;
  int left = at.X;
  if (toSide) {
    left = beside.Right - 2;
    if (left + width > ClientWidth() && beside.Left + 2 - width >= 0)
      left = beside.Left + 2 - width;
  } else if (menu_->Alignment() == paRight) {
    left = at.X - width;
  } else if (menu_->Alignment() == paCenter) {
    left = at.X - width / 2;
  }
  int top = at.Y;
  left = std::max(0, std::min(left, ClientWidth() - width));
  top = std::max(0, std::min(top, ClientHeight() - height));
  levels_.push_back(Level{parent, Rect(left, top, left + width, top + height), -1});
  Invalidate();
}

void TMenuPopupView::Open(TPoint at) {
  TCustomForm* form = GetParentForm(this);
  if (form) SetBounds(0, 0, form->ClientWidth(), form->ClientHeight());
  levels_.clear();
  if (form && form->ActiveControl() && form->ActiveControl() != this)
    focusBefore_ = form->ActiveControl()->Ref();
  OpenLevel(menu_->Items(), at, false, TRect{});
  BringToFront();
  SetVisible(true);
  Invalidate();
  if (CanFocus()) SetFocus();
}

void TMenuPopupView::CloseLevelsFrom(int level) {
  if (level < 0 || level >= Levels()) return;
  levels_.erase(levels_.begin() + level, levels_.end());
  Invalidate();
}

void TMenuPopupView::OpenSubmenu(int level) {
  TMenuItem* parent = LevelParent(level);
  const int index = Highlighted(level);
  CloseLevelsFrom(level + 1);
  if (!parent || index < 0) return;
  TMenuItem* item = parent->Items(index);
  if (!item->Enabled() || item->Count() == 0) return;
  const TRect r = ItemRect(level, index);
  OpenLevel(item, Point(r.Right, r.Top - kFrame), true, LevelBox(level));
}

bool TMenuPopupView::HitItem(TPoint p, int& level, int& index) const {
  for (level = Levels() - 1; level >= 0; --level) {
    if (!PtInRect(LevelBox(level), p)) continue;
    TMenuItem* parent = LevelParent(level);
    for (index = 0; index < parent->Count(); ++index)
      if (Selectable(*parent->Items(index)) && PtInRect(ItemRect(level, index), p)) return true;
    index = -1;
    return true;
  }
  return false;
}

void TMenuPopupView::Highlight(int level, int index) {
  if (level < 0 || level >= Levels()) return;
  Level& l = levels_[static_cast<std::size_t>(level)];
  if (l.highlighted == index) return;
  l.highlighted = index;
  Invalidate();
}

bool TMenuPopupView::LocateItem(std::string_view path, TPoint& centre) {
  int level = 0;
  while (level < Levels()) {
    const std::size_t slash = path.find('/');
    TMenuItem* item = LevelParent(level)->Find(path.substr(0, slash));
    if (!item || !Selectable(*item)) return false;
    const int index = LevelParent(level)->IndexOf(item);
    const TRect r = ItemRect(level, index);
    centre = Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    if (slash == std::string_view::npos) return true;
    Highlight(level, index);
    OpenSubmenu(level);
    path = path.substr(slash + 1);
    ++level;
  }
  return false;
}

void TMenuPopupView::MouseMove(TShiftState Shift, int X, int Y) {
  TCustomControl::MouseMove(Shift, X, Y);
  int level = -1, index = -1;
  if (!HitItem(Point(X, Y), level, index)) return;
  if (index < 0 || index == Highlighted(level)) return;
  Highlight(level, index);
  OpenSubmenu(level);
}

void TMenuPopupView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  int level = -1, index = -1;
  if (!HitItem(Point(X, Y), level, index)) Dismiss();
}

void TMenuPopupView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseUp(Button, Shift, X, Y);
  int level = -1, index = -1;
  if (!Visible() || !HitItem(Point(X, Y), level, index) || index < 0) return;
  TMenuItem* item = LevelParent(level)->Items(index);
  if (item->Count() > 0) {
    Highlight(level, index);
    OpenSubmenu(level);
    return;
  }
  Choose(item);
}

void TMenuPopupView::Step(int direction) {
  const int level = Levels() - 1;
  TMenuItem* parent = LevelParent(level);
  const int n = parent ? parent->Count() : 0;
  int index = Highlighted(level);
  for (int tries = 0; tries < n; ++tries) {
    index = index < 0 ? (direction > 0 ? 0 : n - 1) : (index + direction + n) % n;
    if (Selectable(*parent->Items(index))) {
      Highlight(level, index);
      return;
    }
  }
}

void TMenuPopupView::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  const int level = Levels() - 1;
  switch (Key) {
    case VK_DOWN:
      Step(1);
      break;
    case VK_UP:
      Step(-1);
      break;
    case VK_RIGHT:
      OpenSubmenu(level);
      if (Levels() > level + 1) Step(1);
      break;
    case VK_LEFT:
      if (level > 0) CloseLevelsFrom(level);
      break;
    case VK_ESCAPE:
      if (level > 0)
        CloseLevelsFrom(level);
      else
        Dismiss();
      break;
    case VK_RETURN: {
      const int index = Highlighted(level);
      if (index < 0) break;
      Activate(level, LevelParent(level)->Items(index));
      break;
    }
    default:
      return;
  }
  Key = 0;
}

void TMenuPopupView::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  const char32_t upper =
      Key < 0x80 ? static_cast<char32_t>(std::toupper(static_cast<int>(Key))) : Key;
  const int level = Levels() - 1;
  TMenuItem* parent = LevelParent(level);
  for (int i = 0; parent && i < parent->Count(); ++i) {
    TMenuItem* item = parent->Items(i);
    if (!Selectable(*item) || item->Accelerator() != upper || upper == 0) continue;
    Highlight(level, i);
    Activate(level, item);
    break;
  }
  Key = 0;
}

// The open menu takes every key: arrows, Tab, Enter and Escape work the menu, not the form.
void TMenuPopupView::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    message.Result = DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS;
    return;
  }
  TCustomControl::WndProc(message);
}

void TMenuPopupView::DoExit() {
  TCustomControl::DoExit();
  if (Visible()) Close(nullptr);
}

// The highlighted item of `level` taken by the keyboard: a submenu opens with its first item
// highlighted, any other item is chosen.
void TMenuPopupView::Activate(int level, TMenuItem* item) {
  if (item->Count() > 0) {
    OpenSubmenu(level);
    Step(1);
  } else {
    Choose(item);
  }
}

void TMenuPopupView::Choose(TMenuItem* item) {
  if (item->Enabled()) Close(item);
}

void TMenuPopupView::Dismiss() {
  Close(nullptr);
}

// Hides the view (kept for the next popup), gives the focus back, reports the close, then
// runs the chosen item: its handler may pop this menu up again.
void TMenuPopupView::Close(TMenuItem* chosen) {
  if (!Visible()) return;
  levels_.clear();
  SetVisible(false);
  if (auto* before = static_cast<TWinControl*>(focusBefore_.Get()); before && before->CanFocus())
    before->SetFocus();
  focusBefore_ = TControlRef();
  TPopupMenu* menu = menu_;
  menu->ViewClosed();
  if (chosen) chosen->Click();
}

// ---- painting

// Only the boxes need painting (and where boxes were, when a level closed): the rest of the
// view shows what lies below, which then need not paint again.
void TMenuPopupView::Invalidate() {
  TCustomForm* form = GetParentForm(this);
  if (!form || !Visible()) return;
  TRect area = drawn_;
  for (const Level& level : levels_) UnionRect(area, area, level.box);
  drawn_ = TRect{};
  for (const Level& level : levels_) UnionRect(drawn_, drawn_, level.box);
  if (!IsRectEmpty(area)) form->InvalidateRect(area);
}

void TMenuPopupView::Paint() {
  TCanvas* canvas = Canvas();
  for (const Level& level : levels_) PaintLevel(canvas, level);
}

void TMenuPopupView::PaintLevel(TCanvas* canvas, const Level& level) {
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clMenu);
  canvas->FillRect(level.box);
  Frame3D(canvas, level.box, clBtnHighlight, cl3DDkShadow, 1);
  TRect inner = level.box;
  InflateRect(inner, -1, -1);
  Frame3D(canvas, inner, cl3DLight, clBtnShadow, 1);
  int top = level.box.Top + kFrame;
  for (int i = 0; i < level.parent->Count(); ++i) {
    const TMenuItem& item = *level.parent->Items(i);
    const int h = ItemHeight(item);
    const TRect r = Rect(level.box.Left + kFrame, top, level.box.Right - kFrame, top + h);
    top += h;
    if (h > 0) PaintItem(canvas, item, r, i == level.highlighted);
  }
}

void TMenuPopupView::PaintItem(TCanvas* canvas, const TMenuItem& item, const TRect& r,
                               bool highlighted) {
  if (item.IsLine()) {
    const int y = (r.Top + r.Bottom) / 2 - 1;
    Frame3D(canvas, Rect(r.Left + 1, y, r.Right - 1, y + 2), clBtnShadow, clBtnHighlight, 1);
    return;
  }
  canvas->Brush()->SetColor(highlighted && item.Enabled() ? clHighlight : clMenu);
  canvas->FillRect(r);
  // Gutter: the bitmap, or a check mark drawn as two strokes.
  if (item.HasBitmap()) {
    TBitmap* bmp = const_cast<TMenuItem&>(item).Bitmap();
    bmp->SetTransparent(true);
    canvas->Draw(r.Left + (kGutter - bmp->Width()) / 2, r.Top + (r.Height() - bmp->Height()) / 2,
                 bmp);
  } else if (item.Checked()) {
    const TColor mark = highlighted ? clHighlightText : clMenuText;
    canvas->Pen()->SetColor(mark);
    const int cx = r.Left + 7, cy = r.Top + r.Height() / 2;
    for (int d = 0; d < 2; ++d) {
      canvas->MoveTo(cx, cy - 1 + d);
      canvas->LineTo(cx + 3, cy + 2 + d);
      canvas->LineTo(cx + 9, cy - 4 + d);
    }
  }
  // Caption, grey when disabled (with a light copy below it, as engraved).
  canvas->Brush()->SetStyle(bsClear);
  const std::string text = item.PlainCaption();
  const int ty = r.Top + (r.Height() - canvas->TextHeight(text)) / 2;
  if (!item.Enabled()) {
    canvas->Font()->SetColor(clBtnHighlight);
    canvas->TextOut(r.Left + kGutter + 1, ty + 1, text);
    canvas->Font()->SetColor(clGrayText);
  } else {
    canvas->Font()->SetColor(highlighted ? clHighlightText : clMenuText);
  }
  canvas->TextOut(r.Left + kGutter, ty, text);
  canvas->Brush()->SetStyle(bsSolid);
  // Submenu arrow: a small right-pointing triangle.
  if (item.Count() > 0) {
    const TColor arrow = !item.Enabled() ? clGrayText : highlighted ? clHighlightText : clMenuText;
    canvas->Pen()->SetColor(arrow);
    const int ax = r.Right - 12, ay = r.Top + r.Height() / 2;
    for (int k = 0; k < 4; ++k) {
      canvas->MoveTo(ax + k, ay - 3 + k);
      canvas->LineTo(ax + k, ay + 4 - k);
    }
  }
}

}  // namespace fw
