// TControl: the root of the visual classes. Bounds, parent, visibility, font, colour, cursor,
// alignment, mouse events, paint requests and the message procedure every control shares.
//
// How a control gets painted:
//   Invalidate()                          the control's area joins its form's dirty area
//   TCustomForm::PaintPending()           run by the application loop (or Update, Repaint)
//     PaintTree(surface, origin, clip)    the form, then each child in front of it
//       PaintSelf                         Canvas() bound to the surface, origin and clip
//         EraseBackground(canvas)         windowed controls without csOpaque
//         Paint()                         the control's own drawing
//   TCustomForm::PresentPending()         the painted area goes to the backend's window
//
// How input reaches it:
//   backend event -> TInputDispatch::MouseDown/MouseMove/MouseUp/MouseWheel/KeyDown/KeyPress
//     target->Perform(WM_...) -> WndProc(message)
//       mouse: HandleButtonDown/Up -> MouseDown/MouseUp(Button, Shift, X, Y) -> OnMouse...
//       keys (TWinControl): DoKeyDown/DoKeyPress (the form first with KeyPreview)
//                           -> KeyDown/KeyPress(Key, ...) -> OnKey...
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/component.h"
#include "framework/base/event.h"
#include "framework/controls/backend.h"
#include "framework/controls/constraints.h"
#include "framework/controls/drag.h"
#include "framework/controls/messages.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/pen_brush_font.h"

namespace fw {

class TWinControl;
class TCustomForm;

// A control's Left and Top are kept within +-kMaxControlExtent and its Width and Height
// within 0..kMaxControlExtent (16,777,216 pixels): no display shows more, and every sum of
// coordinates a control makes stays within int.
inline constexpr int kMaxControlExtent = 1 << 24;
class TBitmap;
class TControl;

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };
enum TAnchorKind : uint8_t { akLeft, akTop, akRight, akBottom };
// The names of the values as form text writes them, by ordinal.
inline const std::vector<std::string> kAlignNames{"alNone", "alTop",   "alBottom",
                                                  "alLeft", "alRight", "alClient"};
inline const std::vector<std::string> kAnchorNames{"akLeft", "akTop", "akRight", "akBottom"};
using TAnchors = Set<TAnchorKind>;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crDrag = -12;
inline constexpr TCursor crNoDrop = -13;
inline constexpr TCursor crHSplit = -14;
inline constexpr TCursor crVSplit = -15;
inline constexpr TCursor crMultiDrag = -16;
inline constexpr TCursor crSQLWait = -17;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;

// What a control class does with input and painting.
enum TControlStyleItem : uint8_t {
  csAcceptsControls,  // may be the parent of other controls
  csCaptureMouse,     // takes the mouse capture on a button press
  csClickEvents,      // a left press and release inside makes a Click
  csOpaque,           // paints its whole client area: no background erase
  csDoubleClicks,     // a quick second press makes a DblClick
};
using TControlStyle = Set<TControlStyleItem>;

enum TControlStateItem : uint8_t {
  csLButtonDown,  // the left button went down on this control and is held
  csClicked,      // a Click follows if the left button comes up inside
  csFocusing,     // focus is being moved to this control
};
using TControlState = Set<TControlStateItem>;

using TContextPopupEvent = Event<void(TObject* Sender, TPoint MousePos, bool& Handled)>;

// Reading order and alignment of text. The framework lays out every control left to right
// whatever the mode: the mode is kept, inherited and streamed for the controls that honour it.
enum TBiDiMode : uint8_t {
  bdLeftToRight,
  bdRightToLeft,
  bdRightToLeftNoAlign,
  bdRightToLeftReadingOnly
};
inline const std::vector<std::string> kBiDiModeNames{
    "bdLeftToRight", "bdRightToLeft", "bdRightToLeftNoAlign", "bdRightToLeftReadingOnly"};

// How a control names its help topic: by keyword or by context number. No help viewer is
// attached to the framework; the values are kept and streamed for the application to use.
enum THelpType : uint8_t { htKeyword, htContext };
inline const std::vector<std::string> kHelpTypeNames{"htKeyword", "htContext"};
using THelpContext = int;

// Docking is not supported: controls never dock, so the dock events below are published
// (forms that name handlers for them read and write) but never raised.
// The object an OnStartDock handler may hand out for a dock drag.
class TDragDockObject : public TDragObject {};
// Sender starts a dock drag; the handler may set DragObject.
using TStartDockEvent = Event<void(TObject* Sender, TDragDockObject*& DragObject)>;

// What a control needs of the component in its PopupMenu slot: to show it at a screen point
// for the control. Menu classes implement it.
class IPopupMenu {
 public:
  virtual ~IPopupMenu() = default;
  virtual void Popup(TControl* control, int X, int Y) = 0;
};

// Tells whether a control still exists: input dispatch holds one across calls into handlers
// that may delete the control.
class TControlRef {
 public:
  TControlRef() = default;
  explicit TControlRef(std::shared_ptr<TControl*> slot) : slot_(std::move(slot)) {}
  TControl* Get() const { return slot_ ? *slot_ : nullptr; }
  explicit operator bool() const { return Get() != nullptr; }

 private:
  std::shared_ptr<TControl*> slot_;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  // --- Bounds, in the parent's client coordinates.
  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int value) { SetBounds(value, top_, width_, height_); }
  void SetTop(int value) { SetBounds(left_, value, width_, height_); }
  void SetWidth(int value) { SetBounds(left_, top_, value, height_); }
  void SetHeight(int value) { SetBounds(left_, top_, width_, value); }
  // Negative sizes count as 0, sizes outside Constraints are brought within, and all four
  // within kMaxControlExtent. A size change sends WM_SIZE (Resize, OnResize) and realigns.
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
  void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
  virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  void SetClientWidth(int value) { SetWidth(value + width_ - ClientWidth()); }
  void SetClientHeight(int value) { SetHeight(value + height_ - ClientHeight()); }
  // Client point (0, 0) in the coordinates of the top-level form's surface.
  TPoint FormOrigin() const;
  // Screen coordinates: the form's position plus the surface coordinates.
  TPoint ClientToScreen(TPoint p) const;
  TPoint ScreenToClient(TPoint p) const;

  // --- Parent: the windowed control this one lies on (nullptr: free-standing).
  TWinControl* Parent() const { return parent_; }
  virtual void SetParent(TWinControl* AParent);
  bool HasParent() const { return parent_ != nullptr; }
  void SetParentComponent(TComponent* parent) override;
  TComponent* GetParentComponent() const override;
  // The form at the top of the parent chain (this control when it is a form), or nullptr.
  TCustomForm* ParentForm() const;

  // --- Visibility and state
  bool Visible() const { return visible_; }
  void SetVisible(bool value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, and every parent up to a shown form too.
  virtual bool Showing() const;
  bool Enabled() const { return enabled_; }
  virtual void SetEnabled(bool value);

  // --- Caption (also read as Text)
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  const std::string& Text() const { return caption_; }
  void SetText(const std::string& value) { SetCaption(value); }

  // --- Font and colour, each inherited from the parent while its Parent flag is set. Changing
  // the font or colour clears the flag.
  TFont* Font() const { return font_.get(); }
  void SetFont(const TFont* value);
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool value);

  // --- Hint, popup menu, cursor
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& value) { hint_ = value; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value);
  bool ParentShowHint() const { return parentShowHint_; }
  void SetParentShowHint(bool value);
  // The popup menu component (held until it is deleted).
  TComponent* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(TComponent* value);
  TCursor Cursor() const { return cursor_; }
  void SetCursor(TCursor value);

  // --- Reading order, inherited from the parent while ParentBiDiMode is set; setting a
  // different BiDiMode clears the flag.
  TBiDiMode BiDiMode() const { return biDiMode_; }
  void SetBiDiMode(TBiDiMode value);
  bool ParentBiDiMode() const { return parentBiDiMode_; }
  void SetParentBiDiMode(bool value);

  // --- Help topic. Outside form reading, setting HelpContext makes HelpType htContext and
  // setting HelpKeyword makes it htKeyword.
  THelpContext HelpContext() const { return helpContext_; }
  void SetHelpContext(THelpContext value);
  const std::string& HelpKeyword() const { return helpKeyword_; }
  void SetHelpKeyword(const std::string& value);
  THelpType HelpType() const { return helpType_; }
  void SetHelpType(THelpType value) { helpType_ = value; }

  // --- Drag and drop (drag.cpp). With DragMode dmAutomatic a left press and a move of
  // kDragThreshold pixels start a drag; BeginDrag starts one from code (an OnMouseDown
  // handler, say). DragCursor shows while the control under the pointer accepts the drop.
  TDragMode DragMode() const { return dragMode_; }
  void SetDragMode(TDragMode value) { dragMode_ = value; }
  TDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TDragKind value) { dragKind_ = value; }
  TCursor DragCursor() const { return dragCursor_; }
  void SetDragCursor(TCursor value) { dragCursor_ = value; }
  // At once, or once the pointer moved Threshold pixels (negative: kDragThreshold).
  void BeginDrag(bool Immediate, int Threshold = -1);
  // Drop on the control under the pointer if Drop and it accepts; else cancel.
  void EndDrag(bool Drop);
  bool Dragging() const;
  // Source dropped here: OnDragDrop.
  virtual void DragDrop(TObject* Source, int X, int Y);

  // --- Layout within the parent
  TAlign Align() const { return align_; }
  void SetAlign(TAlign value);
  TAnchors Anchors() const { return anchors_; }
  void SetAnchors(TAnchors value) {
    anchors_ = value;
    RecordAnchorBase();
  }

  TSizeConstraints* Constraints() const { return constraints_.get(); }

  TControlStyle ControlStyle() const { return style_; }
  void SetControlStyle(TControlStyle value) { style_ = value; }
  TControlState ControlState() const { return state_; }

  // --- Painting. Invalidate schedules a paint of the control's area for the loop; Repaint
  // and Refresh paint it at once; Update performs the paints pending on the form. Without a
  // surface (no parent form, form never shown, control hidden) all of them do nothing.
  virtual void Invalidate();
  void Repaint();
  void Refresh() { Repaint(); }
  virtual void Update();
  // Renders the control and its visible children onto `canvas` with the control's top-left
  // corner at (x, y), shown or not.
  void PaintTo(TCanvas* canvas, int x, int y);

  // --- Messages
  LRESULT Perform(UINT msg, WPARAM wParam, LPARAM lParam);
  // The message procedure: mouse, size and component messages; overrides handle their own
  // messages and pass the rest on.
  virtual void WndProc(TMessage& message);
  void BringToFront();
  void SendToBack();
  bool MouseCapture() const;
  void SetMouseCapture(bool value);
  TControlRef Ref() const { return TControlRef(self_); }
  // After a form was read: anchors measure from the bounds read.
  void Loaded() override;
  // Forgets a deleted popup menu.
  void Notification(TComponent* component, TOperation operation) override;
  // True for windowed controls (TWinControl and below).
  bool IsWinControl() const { return isWinControl_; }

  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;
  TMouseWheelEvent OnMouseWheel;
  TMouseWheelUpDownEvent OnMouseWheelDown;
  TMouseWheelUpDownEvent OnMouseWheelUp;
  TNotifyEvent OnResize;
  // MousePos in client coordinates; Handled suppresses the popup menu.
  TContextPopupEvent OnContextPopup;
  TStartDragEvent OnStartDrag;
  TDragOverEvent OnDragOver;
  TDragDropEvent OnDragDrop;
  TEndDragEvent OnEndDrag;
  TStartDockEvent OnStartDock;  // never raised: docking is not supported
  TEndDragEvent OnEndDock;      // never raised: docking is not supported

  // Paints the control into `bitmap` with client (0, 0) at device `origin`, clipped to
  // `clip` (device coordinates); windowed controls then paint their children. Used by the
  // form's paint cycle and PaintTo.
  virtual void PaintTree(TBitmap* bitmap, TPoint origin, const TRect& clip);

 protected:
  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  // OnMouseWheel, then DoMouseWheelDown/Up per notch of WHEEL_DELTA; true when handled.
  virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
  virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
  virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
  virtual void Resize();
  // Draws the control on Canvas; the base draws nothing.
  virtual void Paint() {}
  // Fills the background before Paint; the base leaves it (graphic controls are see-through).
  virtual void EraseBackground(TCanvas*) {}
  // Messages nobody handled: Result 0.
  virtual void DefaultHandler(TMessage& message);
  // Before a context menu shows: OnContextPopup, which may handle it.
  virtual void DoContextPopup(TPoint MousePos, bool& Handled);
  // Drag steps: OnStartDrag; OnDragOver (Accept is false unless a handler is assigned and
  // keeps it); OnEndDrag.
  virtual void DoStartDrag(TDragObject*& DragObject);
  virtual void DragOver(TObject* Source, int X, int Y, TDragState State, bool& Accept);
  virtual void DoEndDrag(TObject* Target, int X, int Y);

  // The canvas bound to the form's surface with the control's origin and clip (no target
  // when the control has no surface). Inside a paint cycle it keeps the cycle's binding.
  TCanvas* ControlCanvas();
  bool InPaint() const { return paintDepth_ > 0; }
  // The top-level form when it has a surface and this control is showing on it.
  TCustomForm* SurfaceForm() const;
  // The control's area on the form's surface, cut by every parent's client area.
  TRect VisibleFormRect() const;
  TBitmap* SurfaceOf() const;

  // Font, colour or reading order inherited from the parent (ParentFont / ParentColor /
  // ParentBiDiMode set).
  void TakeParentFont();
  void TakeParentColor();
  void TakeParentBiDiMode();
  // Realign the parent after a change of this control's visibility, size or alignment.
  void RequestAlign();

  void IncludeState(TControlStateItem item) { state_.Include(item); }
  void ExcludeState(TControlStateItem item) { state_.Exclude(item); }

  bool isWinControl_ = false;

 private:
  friend class TWinControl;
  friend class TCustomForm;
  friend class TDragTracker;

  void HandleButtonDown(TMessage& message, TMouseButton button, bool doubleClick);
  void HandleButtonUp(TMessage& message, TMouseButton button);
  void HandleMouseMove(TMessage& message);
  void HandleMouseWheel(TMessage& message);
  void HandleContextMenu(TMessage& message);
  TShiftState MessageShift(WPARAM keys) const;
  void FontChanged();
  void BindCanvasToSurface();
  void PaintSelf(TBitmap* bitmap, TPoint origin, const TRect& clip);
  void InvalidateParentArea(const TRect& boundsInParent);
  // Remembers the bounds and the parent's client size that anchors work from.
  void RecordAnchorBase();

  std::shared_ptr<TControl*> self_;
  TWinControl* parent_ = nullptr;
  int left_ = 0;
  int top_ = 0;
  int width_ = 0;
  int height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  std::unique_ptr<TFont> font_;
  bool parentFont_ = true;
  bool takingParentFont_ = false;
  TColor color_ = clWindow;
  bool parentColor_ = false;
  std::string hint_;
  bool showHint_ = false;
  bool parentShowHint_ = true;
  TComponent* popupMenu_ = nullptr;
  TCursor cursor_ = crDefault;
  TBiDiMode biDiMode_ = bdLeftToRight;
  bool parentBiDiMode_ = true;
  THelpContext helpContext_ = 0;
  std::string helpKeyword_;
  THelpType helpType_ = htContext;
  TDragMode dragMode_ = dmManual;
  TDragKind dragKind_ = dkDrag;
  TCursor dragCursor_ = crDrag;
  TAlign align_ = alNone;
  TAnchors anchors_ = {akLeft, akTop};
  TControlStyle style_ = {csCaptureMouse, csClickEvents, csDoubleClicks};
  TControlState state_;
  TRect anchorBounds_;
  int anchorParentWidth_ = 0;
  int anchorParentHeight_ = 0;
  bool anchoring_ = false;
  int wheelAccumulator_ = 0;
  int paintDepth_ = 0;
  std::unique_ptr<TCanvas> canvas_;
  std::unique_ptr<TSizeConstraints> constraints_;
};

// The form at the top of the control's parent chain, or nullptr.
TCustomForm* GetParentForm(const TControl* control);

}  // namespace fw
