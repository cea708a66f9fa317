// TMonthViewPopup: the month view a date picker drops down.
#include <algorithm>

#include "framework/rtl/rounding.h"
#include "framework/stdctrls/date_time_picker.h"

namespace fw {

TMonthViewPopup::TMonthViewPopup(TDateTimePicker* picker)
    : TCustomControl(picker), picker_(picker) {
  SetVisible(false);
  SetTabStop(false);
  SetColor(clWindow);
  SetControlStyle({csCaptureMouse, csOpaque});
}

void TMonthViewPopup::SetChosen(TDateTime value) {
  value = static_cast<double>(Trunc(picker_->Limited(value)));
  if (value == chosen_) return;
  chosen_ = value;
  Invalidate();
}

TDateTime TMonthViewPopup::FirstShown() const {
  int year = 0, month = 0, day = 0;
  DecodeDate(chosen_, year, month, day);
  const TDateTime first = EncodeDate(year, month, 1);
  return first - (DayOfWeek(first) - 1);
}

TDateTime TMonthViewPopup::DayAt(int X, int Y) const {
  const int top = 1 + kHeader + kCellHeight;
  if (X < 1 || X >= kWidth - 1 || Y < top || Y >= top + 6 * kCellHeight) return 0;
  const int column = (X - 1) / kCell;
  const int row = (Y - top) / kCellHeight;
  return FirstShown() + row * 7 + column;
}

// The header (month and year between the arrows), the weekday initials, then six weeks.
void TMonthViewPopup::Paint() {
  TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  canvas->Brush()->SetColor(clWindowFrame);
  canvas->FrameRect(Rect(0, 0, Width(), Height()));
  canvas->SetFont(picker_->Font());
  const int th = canvas->TextHeight("");
  int year = 0, month = 0, day = 0;
  DecodeDate(chosen_, year, month, day);

  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(Rect(1, 1, kWidth - 1, 1 + kHeader));
  canvas->Font()->SetColor(clBtnText);
  const std::string title =
      DateSettings.LongMonthNames[static_cast<size_t>(month - 1)] + " " + std::to_string(year);
  canvas->TextOut((kWidth - canvas->TextWidth(title)) / 2, 1 + (kHeader - th) / 2, title);
  canvas->TextOut(PrevArrow().Left + 6, 1 + (kHeader - th) / 2, "<");
  canvas->TextOut(NextArrow().Left + 8, 1 + (kHeader - th) / 2, ">");

  canvas->Brush()->SetColor(Color());
  for (int c = 0; c < 7; ++c) {
    const std::string initial = DateSettings.ShortDayNames[static_cast<size_t>(c)].substr(0, 2);
    canvas->Font()->SetColor(clGrayText);
    canvas->TextOut(1 + c * kCell + (kCell - canvas->TextWidth(initial)) / 2,
                    1 + kHeader + (kCellHeight - th) / 2, initial);
  }
  const TDateTime first = FirstShown();
  const int top = 1 + kHeader + kCellHeight;
  for (int i = 0; i < 42; ++i) {
    const TDateTime d = first + i;
    int y = 0, m = 0, dd = 0;
    DecodeDate(d, y, m, dd);
    const TRect cell = Rect(1 + (i % 7) * kCell, top + (i / 7) * kCellHeight,
                            1 + (i % 7 + 1) * kCell, top + (i / 7 + 1) * kCellHeight);
    const bool chosen = d == chosen_;
    canvas->Brush()->SetColor(chosen ? clHighlight : Color());
    canvas->Font()->SetColor(chosen ? clHighlightText : (m == month ? clWindowText : clGrayText));
    const std::string text = std::to_string(dd);
    canvas->TextRect(cell, cell.Left + (kCell - canvas->TextWidth(text)) / 2,
                     cell.Top + (kCellHeight - th) / 2, text);
  }
}

// The arrows turn the month; a day takes that day and closes the view.
void TMonthViewPopup::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  const TPoint p{X, Y};
  if (PtInRect(PrevArrow(), p)) {
    SetChosen(IncMonth(chosen_, -1));
  } else if (PtInRect(NextArrow(), p)) {
    SetChosen(IncMonth(chosen_, 1));
  } else if (const TDateTime day = DayAt(X, Y); day != 0) {
    SetChosen(day);
    picker_->CloseUp(true);
  }
}

}  // namespace fw
