// TDateTimePicker: a date or a time shown through a picture ("dd.MM.yyyy", "HH:mm"), edited
// field by field from the keyboard, with a month view that drops down for dates.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/controls/customcontrol.h"
#include "framework/stdctrls/datetime_picture.h"

namespace fw {

enum TDateTimeKind : uint8_t { dtkDate, dtkTime };
inline const std::vector<std::string> kDateTimeKindNames{"dtkDate", "dtkTime"};

class TMonthViewPopup;

// The value shows through Format (see datetime_picture.h); an empty Format means "M/d/yyyy"
// for dtkDate and "h:mm:ss tt" for dtkTime. One field (a token of the picture) is current:
//  - Left and Right (and Tab-free clicks on a field) choose the field;
//  - Up and Down step it by one, wrapping inside its range (day 31 -> 1, minute 59 -> 0);
//    a month or year step keeps the day inside the new month; a weekday name steps the day;
//    an am/pm field switches by twelve hours;
//  - digits type the field's number: it takes effect at every digit that gives a valid
//    value, and the next field becomes current when the field is full (its width, or no
//    further digit could fit); 'a' and 'p' set an am/pm field;
//  - Alt+Down, F4 or a click on the button (dtkDate) drop the month view down: arrows move
//    the day (Left/Right one, Up/Down seven), Page Up and Page Down the month, Enter or a
//    click on a day takes it, Escape closes it;
//  - Enter and Escape with the month view closed go on to OnKeyPress.
// Every change the user makes fires OnChange; setting a value in code does not. Values keep
// inside MinDate..MaxDate when those are set (0: no limit; the limits compare the date part).
class TDateTimePicker : public TCustomControl {
 public:
  // A new picker shows today (the backend's clock: the real date in windows, the virtual
  // clock's 2024-06-03 in headless runs), no limits, dtkDate with the default picture.
  explicit TDateTimePicker(TComponent* AOwner);
  ~TDateTimePicker() override;

  TDateTime DateTime() const { return dateTime_; }
  void SetDateTime(TDateTime value);
  // The date part (the time of day kept when set) and the time of day (the date kept).
  TDateTime Date() const;
  void SetDate(TDateTime value);
  TDateTime Time() const;
  void SetTime(TDateTime value);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind value);
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& value);
  TDateTime MinDate() const { return minDate_; }
  void SetMinDate(TDateTime value);
  TDateTime MaxDate() const { return maxDate_; }
  void SetMaxDate(TDateTime value);

  // The picture in use (Format, or the kind's default) and the text shown.
  std::string Picture() const;
  std::string DisplayText() const;
  // The current field: an index into Fields(), always a token field when there is one.
  const std::vector<TPictureField>& Fields() const { return fields_; }
  int CurrentField() const { return current_; }
  void SetCurrentField(int index);
  // Steps the current field by `delta` as Up and Down do (a user change).
  void StepField(int delta);

  bool DroppedDown() const;
  void DropDown();
  // Closes the month view; with `accept` its day becomes the date.
  void CloseUp(bool accept);
  TMonthViewPopup* MonthView() const;
  TRect ButtonRect() const;
  // The rectangle of field `index` in client coordinates.
  TRect FieldRect(int index) const;

  TNotifyEvent OnChange;
  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;

 protected:
  virtual void Change();
  // Wants the arrow keys and characters (fields are stepped and typed).
  void WndProc(TMessage& message) override;
  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoEnter() override;
  void DoExit() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

 private:
  friend class TMonthViewPopup;

  void RebuildFields();
  // Stores `value` brought inside the limits; with `byUser` OnChange follows a change.
  void Store(TDateTime value, bool byUser);
  TDateTime Limited(TDateTime value) const;
  void MoveField(int step);
  void TypeDigit(int digit);
  void TypeAmPm(bool pm);
  // The current field's value replaced by `number` (false when it is not valid there).
  bool SetFieldNumber(int number);

  TDateTime dateTime_;
  TDateTimeKind kind_ = dtkDate;
  std::string format_;
  TDateTime minDate_ = 0;
  TDateTime maxDate_ = 0;
  std::vector<TPictureField> fields_;
  int current_ = -1;
  std::string typed_;
  TControlRef monthView_;
};

// The month view of a TDateTimePicker: the month and year between two arrows, the weekday
// initials, six weeks of days from the Sunday on or before the 1st; the chosen day is
// highlighted, days of the neighbouring months are grey. It never takes the focus.
class TMonthViewPopup : public TCustomControl {
 public:
  explicit TMonthViewPopup(TDateTimePicker* picker);

  static constexpr int kCell = 24;
  static constexpr int kCellHeight = 16;
  static constexpr int kHeader = 20;
  static constexpr int kWidth = 7 * kCell + 2;
  static constexpr int kHeight = kHeader + 7 * kCellHeight + 2;

  TDateTime Chosen() const { return chosen_; }
  void SetChosen(TDateTime value);
  // The first day shown (a Sunday).
  TDateTime FirstShown() const;
  // The day under a client point (0: none); the arrows' rectangles.
  TDateTime DayAt(int X, int Y) const;
  TRect PrevArrow() const { return Rect(1, 1, 1 + kHeader, 1 + kHeader - 2); }
  TRect NextArrow() const { return Rect(kWidth - 1 - kHeader, 1, kWidth - 1, 1 + kHeader - 2); }

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

 private:
  TDateTimePicker* picker_;
  TDateTime chosen_ = 0;
};

}  // namespace fw
