// TWinControl: a control with a window of its own: children, keyboard focus and tab order,
// key events, Broadcast, and CreateWnd once the control gets its surface on a shown form.
#pragma once

#include <vector>

#include "framework/controls/control.h"
#include "framework/controls/timers.h"

namespace fw {

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  // Deletes the child controls still on it, then leaves its parent.
  ~TWinControl() override;

  // --- Children: graphic controls first, then windowed ones, each group in z-order.
  int ControlCount() const { return static_cast<int>(graphics_.size() + windows_.size()); }
  // The child at `index` (0-based); EListError outside 0..ControlCount-1.
  TControl* Controls(int index) const;
  bool ContainsControl(const TControl* control) const;
  // The topmost visible child under `p` (client coordinates), disabled ones included or not.
  TControl* ControlAtPos(TPoint p, bool allowDisabled, bool allowWinControls = true) const;
  // Sends `message` to every child until one sets a non-zero Result.
  void Broadcast(TMessage& message);

  // --- Focus and tab order
  virtual bool CanFocus() const;
  bool Focused() const;
  // Takes the keyboard focus. Free-standing controls ignore it; on a visible form a control
  // that cannot take the focus raises EInvalidOperation.
  virtual void SetFocus();
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool value) { tabStop_ = value; }
  // Position among the parent's windowed children in tab order. Without a parent the value
  // set is kept (initially -1) and taken up when the control joins a parent.
  int TabOrder() const;
  void SetTabOrder(int value);
  // The windowed descendants in tab order, depth first.
  std::vector<TWinControl*> GetTabOrderList() const;
  // The next (or previous) focusable descendant after `current` in tab order, wrapping
  // around; nullptr when there is none.
  TWinControl* FindNextControl(TWinControl* current, bool goForward, bool checkTabStop,
                               bool checkParent) const;
  // Focuses that control.
  void SelectNext(TWinControl* current, bool goForward, bool checkTabStop);

  // --- Window
  bool HandleAllocated() const { return handle_ != nullptr; }
  // A window handle whose messages reach WndProc (nullptr before the control has a surface).
  HWND Handle() const { return handle_; }
  bool DoubleBuffered() const { return doubleBuffered_; }
  void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  void WndProc(TMessage& message) override;
  // After a form was read: the children are aligned once.
  void Loaded() override;
  void PaintTree(TBitmap* bitmap, TPoint origin, const TRect& clip) override;

  // Creates the window of this control and its windowed children when the top-level form
  // has a surface (the form calls it when first shown; SetParent calls it on joining a
  // shown tree); destroys them when the control leaves that tree.
  void UpdateHandles();

 protected:
  virtual void KeyDown(uint16_t& Key, TShiftState Shift);
  virtual void KeyUp(uint16_t& Key, TShiftState Shift);
  virtual void KeyPress(char32_t& Key);
  virtual void DoEnter();
  virtual void DoExit();
  // Called once the window exists; the place for work that needs it.
  virtual void CreateWnd();
  // Called before the window goes.
  virtual void DestroyWnd();
  // Places the aligned children (alTop, alBottom, alLeft, alRight, alClient in that order)
  // in the client area.
  virtual void AlignControls();
  void EraseBackground(TCanvas* canvas) override;

  // Key messages after the KeyPreview form had them: true when the key was eaten.
  bool DoKeyDown(uint16_t& key, TShiftState shift);
  bool DoKeyUp(uint16_t& key, TShiftState shift);
  bool DoKeyPress(char32_t& key);

  void DestroyChildren();
  void DestroyHandleTree();

 private:
  friend class TControl;

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void CreateHandleTree();
  void AdjustAnchors();
  void NotifyChildren(UINT msg);

  std::vector<TControl*> graphics_;
  std::vector<TWinControl*> windows_;
  std::vector<TWinControl*> tabList_;
  HWND handle_ = nullptr;
  int tabOrder_ = -1;  // while without parent
  bool tabStop_ = false;
  bool doubleBuffered_ = false;
  bool aligning_ = false;
};

}  // namespace fw
