// TWinControl: a control with a window of its own: children, keyboard focus and tab order,
// key events, Broadcast, and CreateWnd once the control gets its surface on a shown form.
#pragma once

#include <vector>

#include "framework/controls/control.h"
#include "framework/controls/timers.h"

namespace fw {

// Dock events (never raised: docking is not supported, see control.h).
// Source was docked on Sender at X, Y.
using TDockDropEvent = Event<void(TObject* Sender, TDragDockObject* Source, int X, int Y)>;
// A dock drag of Source is over Sender; Accept tells whether Sender would take it.
using TDockOverEvent = Event<void(TObject* Sender, TDragDockObject* Source, int X, int Y,
                                  TDragState State, bool& Accept)>;
// Client is about to leave Sender for NewTarget; Allow false keeps it.
using TUnDockEvent =
    Event<void(TObject* Sender, TControl* Client, TWinControl* NewTarget, bool& Allow)>;
// Sender tells DockClient where it may be docked (InfluenceRect, screen coordinates) and
// whether it may be at all.
using TGetSiteInfoEvent = Event<void(TObject* Sender, TControl* DockClient, TRect& InfluenceRect,
                                     TPoint MousePos, bool& CanDock)>;

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

  // --- Three-dimensional look, inherited from the parent while ParentCtl3D is set; setting a
  // different Ctl3D clears the flag. Controls that draw frames read it when they paint.
  bool Ctl3D() const { return ctl3D_; }
  void SetCtl3D(bool value);
  bool ParentCtl3D() const { return parentCtl3D_; }
  void SetParentCtl3D(bool value);

  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TDockDropEvent OnDockDrop;        // never raised: docking is not supported
  TDockOverEvent OnDockOver;        // never raised: docking is not supported
  TUnDockEvent OnUnDock;            // never raised: docking is not supported
  TGetSiteInfoEvent OnGetSiteInfo;  // never raised: docking is not supported

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
  // CN_KEYDOWN from a child (key_forwarding.h): DoKeyDown with the modifiers held now; true
  // when the key was eaten.
  bool HandleForwardedKeyDown(uint16_t key);

  void DestroyChildren();
  void DestroyHandleTree();

 private:
  friend class TControl;

  void InsertControl(TControl* control);
  void RemoveControl(TControl* control);
  void CreateHandleTree();
  void AdjustAnchors();
  void NotifyChildren(UINT msg);
  void TakeParentCtl3D();

  std::vector<TControl*> graphics_;
  std::vector<TWinControl*> windows_;
  std::vector<TWinControl*> tabList_;
  HWND handle_ = nullptr;
  int tabOrder_ = -1;  // while without parent
  bool tabStop_ = false;
  bool doubleBuffered_ = false;
  bool ctl3D_ = true;
  bool parentCtl3D_ = true;
  bool aligning_ = false;
};

}  // namespace fw
