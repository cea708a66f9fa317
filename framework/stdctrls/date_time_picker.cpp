// TDateTimePicker model: the value and its limits, the picture's fields, stepping and typing
// a field, and dropping the month view down and closing it.
#include <algorithm>
#include <cmath>

#include "framework/controls/backend.h"
#include "framework/controls/form.h"
#include "framework/rtl/rounding.h"
#include "framework/stdctrls/date_time_picker.h"

namespace fw {

namespace {

int Wrap(int value, int low, int high) {
  const int n = high - low + 1;
  return ((value - low) % n + n) % n + low;
}

// The parts of a value, for changing one of them.
struct TParts {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, msec = 0;
  explicit TParts(TDateTime value) {
    DecodeDateTime(value, year, month, day, hour, minute, second, msec);
    if (year == 0) year = month = day = 1;  // outside the calendar: start from 0001-01-01
  }
  TDateTime Compose() {
    day = std::min(day, DaysInMonth(year, month));
    return EncodeDateTime(year, month, day, hour, minute, second, msec);
  }
};

// The highest number a numeric field takes (0: not a numeric field).
int FieldMax(TPictureToken token, const TParts& p) {
  switch (token) {
    case ptYear4:
      return 9999;
    case ptYear2:
      return 99;
    case ptMonth2:
    case ptMonth:
      return 12;
    case ptDay2:
    case ptDay:
      return DaysInMonth(p.year, p.month);
    case ptHour2:
    case ptHour:
      return 23;
    case ptHour12x2:
    case ptHour12:
      return 12;
    case ptMinute2:
    case ptMinute:
    case ptSecond2:
    case ptSecond:
      return 59;
    default:
      return 0;
  }
}

}  // namespace

TDateTimePicker::TDateTimePicker(TComponent* AOwner)
    : TCustomControl(AOwner), dateTime_(static_cast<double>(Trunc(CurrentBackend().Now()))) {
  SetBounds(Left(), Top(), 186, 21);
  SetColor(clWindow);
  SetTabStop(true);
  SetControlStyle({csCaptureMouse, csClickEvents, csOpaque, csDoubleClicks});
  RebuildFields();
}

TDateTimePicker::~TDateTimePicker() {
  // The month view lies on the form and belongs to this picker: it goes with it.
  delete MonthView();
}

TDateTime TDateTimePicker::Date() const {
  return static_cast<double>(Trunc(dateTime_));
}

void TDateTimePicker::SetDate(TDateTime value) {
  SetDateTime(ComposeDateTime(static_cast<double>(Trunc(value)), Time()));
}

TDateTime TDateTimePicker::Time() const {
  return std::fabs(Frac(dateTime_));
}

void TDateTimePicker::SetTime(TDateTime value) {
  SetDateTime(ComposeDateTime(Date(), std::fabs(Frac(value))));
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  Store(value, false);
}

TDateTime TDateTimePicker::Limited(TDateTime value) const {
  if (!std::isfinite(value)) value = 0;
  value = std::clamp(value, MinDateTime, MaxDateTime);
  if (minDate_ != 0 && Trunc(value) < Trunc(minDate_))
    value = ComposeDateTime(static_cast<double>(Trunc(minDate_)), std::fabs(Frac(value)));
  if (maxDate_ != 0 && Trunc(value) > Trunc(maxDate_))
    value = ComposeDateTime(static_cast<double>(Trunc(maxDate_)), std::fabs(Frac(value)));
  return value;
}

void TDateTimePicker::Store(TDateTime value, bool byUser) {
  value = Limited(value);
  if (value == dateTime_) return;
  dateTime_ = value;
  Invalidate();
  if (byUser) Change();
}

void TDateTimePicker::Change() {
  OnChange(this);
}

void TDateTimePicker::SetKind(TDateTimeKind value) {
  if (value == kind_) return;
  CloseUp(false);
  kind_ = value;
  RebuildFields();
}

void TDateTimePicker::SetFormat(const std::string& value) {
  if (value == format_) return;
  format_ = value;
  RebuildFields();
}

// A limit set beyond the other one moves the other one with it.
void TDateTimePicker::SetMinDate(TDateTime value) {
  minDate_ = value;
  if (minDate_ != 0 && maxDate_ != 0 && maxDate_ < minDate_) maxDate_ = minDate_;
  Store(dateTime_, false);
}

void TDateTimePicker::SetMaxDate(TDateTime value) {
  maxDate_ = value;
  if (minDate_ != 0 && maxDate_ != 0 && minDate_ > maxDate_) minDate_ = maxDate_;
  Store(dateTime_, false);
}

std::string TDateTimePicker::Picture() const {
  if (!format_.empty()) return format_;
  return kind_ == dtkDate ? "M/d/yyyy" : "h:mm:ss tt";
}

std::string TDateTimePicker::DisplayText() const {
  return FormatDateTimePicture(fields_, dateTime_);
}

void TDateTimePicker::RebuildFields() {
  fields_ = SplitDateTimePicture(Picture());
  current_ = -1;
  typed_.clear();
  SetCurrentField(0);
  Invalidate();
}

// The first token field at or after `index` (before it when there is none after).
void TDateTimePicker::SetCurrentField(int index) {
  const int count = static_cast<int>(fields_.size());
  auto isToken = [&](int i) {
    const TPictureToken t = fields_[static_cast<size_t>(i)].token;
    return t != ptLiteral && t != ptUnknown;
  };
  int found = -1;
  for (int i = std::max(index, 0); i < count && found < 0; ++i)
    if (isToken(i)) found = i;
  for (int i = std::min(index, count - 1); i >= 0 && found < 0; --i)
    if (isToken(i)) found = i;
  typed_.clear();
  if (found == current_) return;
  current_ = found;
  Invalidate();
}

void TDateTimePicker::MoveField(int step) {
  const int count = static_cast<int>(fields_.size());
  for (int i = current_ + step; i >= 0 && i < count; i += step) {
    const TPictureToken t = fields_[static_cast<size_t>(i)].token;
    if (t != ptLiteral && t != ptUnknown) {
      SetCurrentField(i);
      return;
    }
  }
  typed_.clear();
}

void TDateTimePicker::StepField(int delta) {
  if (current_ < 0) return;
  const TPictureToken token = fields_[static_cast<size_t>(current_)].token;
  TParts p(dateTime_);
  switch (token) {
    case ptYear4:
    case ptYear2:
      p.year = std::clamp(p.year + delta, 1, 9999);
      break;
    case ptMonthLong:
    case ptMonthShort:
    case ptMonth2:
    case ptMonth:
      p.month = Wrap(p.month + delta, 1, 12);
      break;
    case ptDay2:
    case ptDay:
      p.day = Wrap(p.day + delta, 1, DaysInMonth(p.year, p.month));
      break;
    case ptDayLong:
    case ptDayShort:
      Store(dateTime_ + delta, true);
      return;
    case ptHour2:
    case ptHour:
    case ptHour12x2:
    case ptHour12:
      p.hour = Wrap(p.hour + delta, 0, 23);
      break;
    case ptMinute2:
    case ptMinute:
      p.minute = Wrap(p.minute + delta, 0, 59);
      break;
    case ptSecond2:
    case ptSecond:
      p.second = Wrap(p.second + delta, 0, 59);
      break;
    case ptAmPm2:
    case ptAmPm1:
      p.hour = (p.hour + 12) % 24;
      break;
    default:
      return;
  }
  typed_.clear();
  Store(p.Compose(), true);
}

bool TDateTimePicker::SetFieldNumber(int number) {
  if (current_ < 0) return false;
  const TPictureToken token = fields_[static_cast<size_t>(current_)].token;
  TParts p(dateTime_);
  const int high = FieldMax(token, p);
  const bool zeroAllowed = token == ptYear2 || (IsTimeToken(token) && high != 12);
  if (high == 0 || number > high || (number == 0 && !zeroAllowed)) return false;
  switch (token) {
    case ptYear4:
      p.year = number;
      break;
    case ptYear2:
      p.year = p.year / 100 * 100 + number;
      break;
    case ptMonth2:
    case ptMonth:
      p.month = number;
      break;
    case ptDay2:
    case ptDay:
      p.day = number;
      break;
    case ptHour2:
    case ptHour:
      p.hour = number;
      break;
    case ptHour12x2:
    case ptHour12:
      p.hour = number % 12 + (p.hour >= 12 ? 12 : 0);
      break;
    case ptMinute2:
    case ptMinute:
      p.minute = number;
      break;
    default:
      p.second = number;
      break;
  }
  if (p.year < 1) return false;
  Store(p.Compose(), true);
  return true;
}

// A leading zero waits for the next digit; a digit that cannot extend the number starts it
// afresh; a full field hands over to the next one.
void TDateTimePicker::TypeDigit(int digit) {
  if (current_ < 0) return;
  const TPictureToken token = fields_[static_cast<size_t>(current_)].token;
  const int width = token == ptYear4 ? 4 : 2;
  typed_ += static_cast<char>('0' + digit);
  int number = std::stoi(typed_);
  if (!SetFieldNumber(number)) {
    const bool waiting = number == 0 && static_cast<int>(typed_.size()) < width;
    if (waiting) return;
    typed_ = std::string(1, static_cast<char>('0' + digit));
    number = digit;
    if (!SetFieldNumber(number)) {
      typed_ = digit == 0 ? typed_ : std::string();
      return;
    }
  }
  const int high = FieldMax(token, TParts(dateTime_));
  if (static_cast<int>(typed_.size()) >= width || number * 10 > high) MoveField(1);
}

void TDateTimePicker::TypeAmPm(bool pm) {
  TParts p(dateTime_);
  if ((p.hour >= 12) == pm) return;
  p.hour = (p.hour + 12) % 24;
  Store(p.Compose(), true);
}

// --- The month view

TMonthViewPopup* TDateTimePicker::MonthView() const {
  return static_cast<TMonthViewPopup*>(monthView_.Get());
}

bool TDateTimePicker::DroppedDown() const {
  const TMonthViewPopup* view = MonthView();
  return view && view->Visible();
}

// The view opens below the picker on its form (above when it does not fit below), its
// right edge at the picker's when it would leave the form on the right.
void TDateTimePicker::DropDown() {
  if (kind_ != dtkDate || DroppedDown()) return;
  const TControlRef alive = Ref();
  OnDropDown(this);
  if (!alive.Get()) return;
  TCustomForm* form = GetParentForm(this);
  TMonthViewPopup* view = MonthView();
  if (!view) {
    view = new TMonthViewPopup(this);
    monthView_ = view->Ref();
  }
  view->SetParent(form ? static_cast<TWinControl*>(form) : Parent());
  TPoint at = FormOrigin();
  if (!form && Parent()) at = {Left(), Top()};
  int top = at.Y + Height();
  int left = at.X;
  if (form) {
    if (top + TMonthViewPopup::kHeight > form->ClientHeight() &&
        at.Y - TMonthViewPopup::kHeight >= 0)
      top = at.Y - TMonthViewPopup::kHeight;
    if (left + TMonthViewPopup::kWidth > form->ClientWidth())
      left = std::max(at.X + Width() - TMonthViewPopup::kWidth, 0);
  }
  view->SetBounds(left, top, TMonthViewPopup::kWidth, TMonthViewPopup::kHeight);
  view->SetChosen(Date());
  view->BringToFront();
  view->SetVisible(true);
  Invalidate();
}

void TDateTimePicker::CloseUp(bool accept) {
  TMonthViewPopup* view = MonthView();
  if (!view || !view->Visible()) return;
  view->SetVisible(false);
  Invalidate();
  const TControlRef alive = Ref();
  OnCloseUp(this);
  if (alive.Get() && accept) Store(ComposeDateTime(view->Chosen(), Time()), true);
}

}  // namespace fw
