// The class record of TDateTimePicker: its published properties and events. Kind and Format
// come before the value, MinDate and MaxDate before DateTime, which they limit.
#include "framework/base/registry.h"
#include "framework/stdctrls/date_time_picker.h"

namespace fw {

namespace {

void RegisterDateTimePicker() {
  RegisterClass<TDateTimePicker>("TDateTimePicker", "TCustomControl")
      .Int("Width", &TControl::Width, &TControl::SetWidth, 186)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &TControl::Height, &TControl::SetHeight, 21)
      .Range(0, fw::kMaxControlExtent)
      .Color("Color", &TControl::Color, &TControl::SetColor, clWindow)
      .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
      .Enum("Kind", &TDateTimePicker::Kind, &TDateTimePicker::SetKind, kDateTimeKindNames, dtkDate)
      .Str("Format", &TDateTimePicker::Format, &TDateTimePicker::SetFormat, "")
      .Sample(std::string("dd.MM.yyyy"))
      .Double("MinDate", &TDateTimePicker::MinDate, &TDateTimePicker::SetMinDate, 0)
      .NoSample()
      .Double("MaxDate", &TDateTimePicker::MaxDate, &TDateTimePicker::SetMaxDate, 0)
      .NoSample()
      // The initial value is the day the picker is made by the backend's clock: 2024-06-03
      // on the headless backend (its virtual clock's start), today in windows; written always.
      .Double("DateTime", &TDateTimePicker::DateTime, &TDateTimePicker::SetDateTime, 45446.0)
      .AlwaysStored()
      .NoSample()
      .Event("OnChange")
      .Event("OnDropDown")
      .Event("OnCloseUp");
}

const bool registered = (RegisterDateTimePicker(), true);

}  // namespace

}  // namespace fw
