// TMenuItem and TPopupMenu: a tree of menu items (captions with "&" accelerators, separators,
// check marks, bitmaps, submenus) and the drawn popup that shows it on a form.
//
// Popup(X, Y) shows the menu at a screen point on the form of the control it pops up for (the
// active form otherwise) and returns at once; the menu stays open until an item is chosen or
// it is dismissed. While open, it lies over the whole form: it takes the keyboard (arrows move
// and open or close submenus, Enter chooses, Escape closes one level, accelerator letters
// choose), highlights the item under the pointer, opens a submenu to the side of its item when
// the pointer rests on it, and closes on a click outside every box. Choosing an item closes
// the whole menu first, then fires the item's OnClick (which may pop a menu up again).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/controls/customcontrol.h"
#include "framework/graphics/bitmap.h"

namespace fw {

class TPopupMenu;
class TMenuPopupView;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  // "-" makes the item a separator line; "&x" marks x as the accelerator ("&&" is an "&").
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  bool IsLine() const { return caption_ == "-"; }
  // The caption without accelerator marks ("&&" gives "&").
  std::string PlainCaption() const;
  // The accelerator letter, upper-cased (0: none).
  char32_t Accelerator() const;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  bool Visible() const { return visible_; }
  void SetVisible(bool value) { visible_ = value; }
  bool Checked() const { return checked_; }
  void SetChecked(bool value) { checked_ = value; }
  // Shown left of the caption (its bottom-left pixel's colour is see-through); an empty
  // bitmap shows none.
  TBitmap* Bitmap();
  bool HasBitmap() const { return bitmap_ && !bitmap_->Empty(); }

  // ---- the submenu: items owned by this item
  int Count() const { return static_cast<int>(items_.size()); }
  TMenuItem* Items(int index) const;
  // Takes ownership of `item` (removing it from a former parent item).
  void Add(TMenuItem* item);
  void Insert(int index, TMenuItem* item);
  // Deletes the item at index.
  void Delete(int index);
  // Gives up `item` without deleting it.
  void Remove(TMenuItem* item);
  void Clear();
  int IndexOf(const TMenuItem* item) const;
  TMenuItem* Parent() const { return parent_; }
  // The child whose plain caption is `caption` (nullptr: none).
  TMenuItem* Find(std::string_view caption) const;
  // The item reached by plain captions joined with "/" ("Insert/Row above"); nullptr: none.
  TMenuItem* FindPath(std::string_view path) const;

  // Fires OnClick when enabled.
  virtual void Click();

  TNotifyEvent OnClick;

 private:
  std::string caption_;
  bool enabled_ = true;
  bool visible_ = true;
  bool checked_ = false;
  std::unique_ptr<TBitmap> bitmap_;
  std::vector<std::unique_ptr<TMenuItem>> items_;
  TMenuItem* parent_ = nullptr;
};

enum TPopupAlignment : uint8_t { paLeft, paRight, paCenter };
inline const std::vector<std::string> kPopupAlignmentNames{"paLeft", "paRight", "paCenter"};

class TPopupMenu : public TComponent, public IPopupMenu {
 public:
  explicit TPopupMenu(TComponent* AOwner);
  ~TPopupMenu() override;

  // The root item; its children are the menu's items.
  TMenuItem* Items() const { return items_.get(); }
  // Shown by a right click on a control whose PopupMenu it is.
  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool value) { autoPopup_ = value; }
  // Where the menu stands relative to the popup point: its left edge, right edge or centre.
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment value) { alignment_ = value; }
  // The control the menu last popped up for (nullptr: none, or it was deleted).
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* value);

  // Fires OnPopup, then shows the menu at the screen point. Without a form to show on, or
  // without a visible item, nothing is shown (OnPopup has fired).
  virtual void Popup(int X, int Y);
  // The control's right click (IPopupMenu): PopupComponent := control, then Popup.
  void Popup(TControl* control, int X, int Y) override;
  bool IsOpen() const;
  // Closes the menu without choosing (fires OnClose when it was open).
  void CloseMenu();
  // The open menu's view on its form (nullptr while closed).
  TMenuPopupView* View() const;
  // Captions (plain) of the items shown at the last popup, submenus as "Parent/Child", each
  // followed by " [disabled]" when it was disabled then.
  const std::vector<std::string>& ShownItems() const { return shown_; }

  TNotifyEvent OnPopup;
  // After the menu closed, chosen or not, before a chosen item's OnClick.
  TNotifyEvent OnClose;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  friend class TMenuPopupView;
  void ViewClosed();
  void RecordShown(const TMenuItem& parent, const std::string& prefix);

  std::unique_ptr<TMenuItem> items_;
  bool autoPopup_ = true;
  TPopupAlignment alignment_ = paLeft;
  TComponent* popupComponent_ = nullptr;
  TControlRef view_;
  std::vector<std::string> shown_;
};

// The open menu: a control over its whole form that draws the boxes of the open levels (the
// menu and each opened submenu) and works them with mouse and keyboard.
class TMenuPopupView : public TCustomControl {
 public:
  TMenuPopupView(TPopupMenu* menu, TCustomForm* form);

  // Opens the root level with its box's anchor at `at` (form coordinates).
  void Open(TPoint at);
  // Levels open: 1 for the menu itself, one more per open submenu.
  int Levels() const { return static_cast<int>(levels_.size()); }
  // Box of a level in form coordinates, and an item's rectangle inside it.
  TRect LevelBox(int level) const;
  TRect ItemRect(int level, int index) const;
  TMenuItem* LevelParent(int level) const;
  // The highlighted item of a level (-1: none).
  int Highlighted(int level) const;
  // The centre of the item at `path` (plain captions joined with "/"), opening the submenus
  // on the way as resting the pointer on them does; false when an item is not shown.
  bool LocateItem(std::string_view path, TPoint& centre);
  // Closes every level without choosing.
  void Dismiss();
  void Invalidate() override;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;
  void WndProc(TMessage& message) override;

 private:
  struct Level {
    TMenuItem* parent;
    TRect box;  // form coordinates
    int highlighted = -1;
  };
  void OpenLevel(TMenuItem* parent, TPoint at, bool toSide, const TRect& beside);
  void CloseLevelsFrom(int level);
  // Opens the submenu of the highlighted item of `level` (when it has one).
  void OpenSubmenu(int level);
  bool HitItem(TPoint p, int& level, int& index) const;
  void Highlight(int level, int index);
  // Moves the highlight of the deepest level to the next shown, non-separator item.
  void Step(int direction);
  void Activate(int level, TMenuItem* item);
  void Choose(TMenuItem* item);
  void Close(TMenuItem* chosen);
  int ItemHeight(const TMenuItem& item) const;
  bool Selectable(const TMenuItem& item) const { return item.Visible() && !item.IsLine(); }
  void PaintLevel(TCanvas* canvas, const Level& level);
  void PaintItem(TCanvas* canvas, const TMenuItem& item, const TRect& r, bool highlighted);

  TPopupMenu* menu_;
  std::vector<Level> levels_;
  // The boxes as last scheduled for painting (form coordinates).
  TRect drawn_{};
  TControlRef focusBefore_;
};

}  // namespace fw
