// TDateTimePicker input and painting: field keys, typing, the month view's keys, clicks on
// fields and the button; the sunken face with the current field highlighted.
#include <algorithm>

#include "framework/controls/messages.h"
#include "framework/graphics/frame3d.h"
#include "framework/graphics/text_engine.h"
#include "framework/stdctrls/date_time_picker.h"

namespace fw {

namespace {

constexpr int kButtonWidth = 17;
constexpr int kFrame = 2;
constexpr int kTextLeft = 4;

}  // namespace

void TDateTimePicker::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  TCustomControl::WndProc(message);
}

void TDateTimePicker::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const bool toggle = (Key == VK_DOWN && Shift.Contains(ssAlt)) || Key == VK_F4;
  if (toggle && kind_ == dtkDate) {
    if (DroppedDown())
      CloseUp(true);
    else
      DropDown();
    Key = 0;
    return;
  }
  if (DroppedDown()) {
    TMonthViewPopup* view = MonthView();
    const TDateTime day = view->Chosen();
    switch (Key) {
      case VK_LEFT:
        view->SetChosen(day - 1);
        break;
      case VK_RIGHT:
        view->SetChosen(day + 1);
        break;
      case VK_UP:
        view->SetChosen(day - 7);
        break;
      case VK_DOWN:
        view->SetChosen(day + 7);
        break;
      case VK_PRIOR:
        view->SetChosen(IncMonth(day, -1));
        break;
      case VK_NEXT:
        view->SetChosen(IncMonth(day, 1));
        break;
      default:
        return;
    }
    Key = 0;
    return;
  }
  switch (Key) {
    case VK_LEFT:
      MoveField(-1);
      break;
    case VK_RIGHT:
      MoveField(1);
      break;
    case VK_UP:
      StepField(1);
      break;
    case VK_DOWN:
      StepField(-1);
      break;
    case VK_HOME:
      SetCurrentField(0);
      break;
    case VK_END:
      SetCurrentField(static_cast<int>(fields_.size()) - 1);
      break;
    default:
      return;
  }
  Key = 0;
}

void TDateTimePicker::KeyPress(char32_t& Key) {
  if (DroppedDown() && (Key == U'\r' || Key == 0x1B)) {
    CloseUp(Key == U'\r');
    Key = 0;
    return;
  }
  TCustomControl::KeyPress(Key);
  if (Key == 0 || current_ < 0) return;
  const TPictureToken token = fields_[static_cast<size_t>(current_)].token;
  if (Key >= U'0' && Key <= U'9') {
    TypeDigit(static_cast<int>(Key - U'0'));
  } else if (token == ptAmPm1 || token == ptAmPm2) {
    if (Key == U'a' || Key == U'A') TypeAmPm(false);
    if (Key == U'p' || Key == U'P') TypeAmPm(true);
  } else if (Key != U'\r' && Key != 0x1B && Key >= U' ') {
    // A separator typed ends the field.
    MoveField(1);
  }
}

void TDateTimePicker::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft) {
    if (CanFocus() && !Focused()) SetFocus();
    if (kind_ == dtkDate && PtInRect(ButtonRect(), TPoint{X, Y})) {
      if (DroppedDown())
        CloseUp(false);
      else
        DropDown();
    } else {
      for (int i = 0; i < static_cast<int>(fields_.size()); ++i)
        if (X >= FieldRect(i).Left && X < FieldRect(i).Right) SetCurrentField(i);
    }
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TDateTimePicker::DoEnter() {
  Invalidate();
  TCustomControl::DoEnter();
}

void TDateTimePicker::DoExit() {
  CloseUp(false);
  typed_.clear();
  Invalidate();
  TCustomControl::DoExit();
}

bool TDateTimePicker::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  StepField(-1);
  return true;
}

bool TDateTimePicker::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  StepField(1);
  return true;
}

// --- Geometry and painting

TRect TDateTimePicker::ButtonRect() const {
  if (kind_ != dtkDate) return Rect(0, 0, 0, 0);
  return Rect(std::max(Width() - kFrame - kButtonWidth, kFrame), kFrame, Width() - kFrame,
              Height() - kFrame);
}

TRect TDateTimePicker::FieldRect(int index) const {
  if (index < 0 || index >= static_cast<int>(fields_.size())) return Rect(0, 0, 0, 0);
  const FontSpec font = Font()->Spec();
  const std::span<const TPictureField> all(fields_);
  const int left =
      MeasureText(font, FormatDateTimePicture(all.first(static_cast<size_t>(index)), dateTime_))
          .width;
  const int width = MeasureText(font, FormatDateTimePicture(
                                          all.subspan(static_cast<size_t>(index), 1), dateTime_))
                        .width;
  return Rect(kTextLeft + left, kFrame, kTextLeft + left + width, Height() - kFrame);
}

void TDateTimePicker::Paint() {
  TCanvas* canvas = Canvas();
  TCanvasStateSaver saved(*canvas);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Enabled() ? Color() : clBtnFace);
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  Frame3D(canvas, Rect(0, 0, Width(), Height()), clBtnShadow, clBtnHighlight);
  Frame3D(canvas, Rect(1, 1, Width() - 1, Height() - 1), cl3DDkShadow, clBtnFace);

  // The text, then the current field over it in highlight colours while focused.
  const TRect button = ButtonRect();
  const int right = IsRectEmpty(button) ? Width() - kFrame : button.Left;
  {
    TCanvasStateSaver clip(*canvas);
    if (canvas->IntersectClipRect(Rect(kFrame, kFrame, right, Height() - kFrame))) {
      canvas->SetFont(Font());
      const int y = (Height() - canvas->TextHeight("")) / 2;
      canvas->Font()->SetColor(Enabled() ? Font()->Color() : clGrayText);
      canvas->Brush()->SetStyle(bsClear);
      canvas->TextOut(kTextLeft, y, DisplayText());
      if (Focused() && current_ >= 0 && !DroppedDown()) {
        const TRect f = FieldRect(current_);
        canvas->Brush()->SetStyle(bsSolid);
        canvas->Brush()->SetColor(clHighlight);
        canvas->Font()->SetColor(clHighlightText);
        const std::span<const TPictureField> one(&fields_[static_cast<size_t>(current_)], 1);
        canvas->TextRect(Rect(f.Left, y, f.Right, y + canvas->TextHeight("")), f.Left, y,
                         FormatDateTimePicture(one, dateTime_));
      }
    }
  }
  if (IsRectEmpty(button)) return;
  // The drop-down button: raised, a small triangle pointing down.
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(button);
  Frame3D(canvas, button, clBtnHighlight, cl3DDkShadow);
  const int cx = (button.Left + button.Right) / 2;
  const int cy = (button.Top + button.Bottom) / 2;
  canvas->Pen()->SetColor(Enabled() ? clBtnText : clGrayText);
  for (int i = 0; i < 4; ++i) {
    canvas->MoveTo(cx - 3 + i, cy - 1 + i);
    canvas->LineTo(cx + 4 - i, cy - 1 + i);
  }
}

}  // namespace fw
