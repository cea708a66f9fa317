// TCustomForm and TForm: top-level windows. Each owns the surface bitmap its controls paint
// on, tracks what needs painting and presenting, holds the focus, and runs modal loops.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/controls/customcontrol.h"

namespace fw {

enum TFormBorderStyle : uint8_t {
  bsNone,
  bsSingle,
  bsSizeable,
  bsDialog,
  bsToolWindow,
  bsSizeToolWin
};
// The names of the values as form text writes them: all of them for forms, the first two
// for the controls whose border is either none or a single sunken frame.
inline const std::vector<std::string> kFormBorderStyleNames{
    "bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"};
inline const std::vector<std::string> kControlBorderStyleNames{"bsNone", "bsSingle"};

using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = 1;
inline constexpr TModalResult mrCancel = 2;
inline constexpr TModalResult mrAbort = 3;
inline constexpr TModalResult mrRetry = 4;
inline constexpr TModalResult mrIgnore = 5;
inline constexpr TModalResult mrYes = 6;
inline constexpr TModalResult mrNo = 7;
inline constexpr TModalResult mrAll = 8;

enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
using TCloseEvent = Event<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = Event<void(TObject* Sender, bool& CanClose)>;

class TCustomForm : public TCustomControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle value) { borderStyle_ = value; }
  // The form has the key events of its controls first.
  bool KeyPreview() const { return keyPreview_; }
  void SetKeyPreview(bool value) { keyPreview_ = value; }

  // Showing creates the surface (first time), the windows of the controls, and makes the
  // form active; the first tab stop takes the focus when none is set.
  void Show();
  void Hide();
  // Shows the form and runs the application's loop until ModalResult is set; hides the form
  // and answers ModalResult. A visible form raises EInvalidOperation.
  virtual int ShowModal();
  bool Modal() const { return modal_; }
  TModalResult ModalResult() const { return modalResult_; }
  void SetModalResult(TModalResult value) { modalResult_ = value; }
  // Asks OnCloseQuery; a modal form then ends with mrCancel, another one is hidden (or
  // deleted later with caFree).
  void Close();
  // Deletes the form from the loop, after the current message.
  void Release();

  // The focused control of this form (nullptr: the form itself).
  TWinControl* ActiveControl() const { return activeControl_; }
  // Raises EInvalidOperation for a control of another form, or one that cannot take the focus
  // while the form is visible.
  void SetActiveControl(TWinControl* control);
  bool Active() const;

  bool Showing() const override;
  // Forms are top-level: a parent raises EInvalidOperation.
  void SetParent(TWinControl* AParent) override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  TRect ClientRect() const override { return Rect(0, 0, Width(), Height()); }

  // The surface the form's controls paint on (nullptr until first shown): the form's size, or
  // its top-left part where the form is larger than a bitmap may be (32768 pixels a side,
  // 64 Mi pixels in all).
  TBitmap* Surface() const { return surface_.get(); }
  // Marks `area` (surface coordinates) for the next paint cycle.
  void InvalidateRect(const TRect& area);
  // Paints what was invalidated, at once; a paint cycle in progress is not re-entered.
  void PaintPending();
  bool HasPendingPaint() const { return !IsRectEmpty(dirty_); }
  // Marks `area` as drawn outside a paint cycle, to be presented.
  void MarkDrawn(const TRect& area);
  // Hands what was painted or drawn since the last call to the backend.
  void PresentPending();

  TCanvas* Canvas() { return ControlCanvas(); }

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnPaint;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;

  void WndProc(TMessage& message) override;

  // Called by a control leaving this form (deleted, hidden, disabled, re-parented): the
  // focus and the dispatch forget it and its children.
  void ControlGone(TControl* control, bool destroying);

 protected:
  void Paint() override;
  virtual bool CloseQuery();
  // Tab and arrow keys the focused control does not want: moves the focus. True when used.
  virtual bool DialogKey(uint16_t key, TShiftState shift);

 private:
  friend class TApplication;

  void ShowingChanged(bool visible);
  void Activate();
  void FocusChange(TWinControl* from, TWinControl* to);
  void SelectFirst();

  std::unique_ptr<TBitmap> surface_;
  TRect dirty_;
  TRect drawn_;
  bool painting_ = false;
  TFormBorderStyle borderStyle_ = bsSizeable;
  bool keyPreview_ = false;
  bool modal_ = false;
  TModalResult modalResult_ = mrNone;
  TWinControl* activeControl_ = nullptr;
};

class TForm : public TCustomForm {
 public:
  explicit TForm(TComponent* AOwner);
};

}  // namespace fw
