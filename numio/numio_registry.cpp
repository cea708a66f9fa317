// The class record of TNumIO: its published properties and events.

#include "companion/ZEB_univconst.h"
#include "framework/base/registry.h"
#include "numio/ZEB_NumIO.h"

namespace zeb {

namespace {

// The text comes last: it is filtered under the format and range read before it.
void RegisterNumIO() {
  using N = TNumIO;
  fw::RegisterClass<N>("TNumIO", "TCustomEdit")
      .Enum("InputFormat", &N::InputFormat, &N::SetInputFormat, kInFormatNames, itDynamic)
      .AlwaysStored()
      .Int("FixPointDecPlaces", &N::FixPointDecPlaces, &N::SetFixPointDecPlaces, 2)
      .Range(1, 8)
      .Enum("DecPlaceSep", &N::DecPlaceSep, &N::SetDecPlaceSep, kDecPSepNames, dpPlatform)
      .Double("RangeHigh", &N::RangeHigh, &N::SetRangeHigh, 0.0)
      .Sample(100.0)
      .Double("RangeLow", &N::RangeLow, &N::SetRangeLow, 0.0)
      .Sample(-100.0)
      .Bool("Beep", &N::Beep, &N::SetBeep, false)
      .Bool("AutoSelect", &N::AutoSelect, &N::SetAutoSelect, true)
      .Bool("AutoSize", &N::AutoSize, &N::SetAutoSize, true)
      .Enum("BorderStyle", &N::BorderStyle, &N::SetBorderStyle, fw::kControlBorderStyleNames,
            fw::bsSingle)
      .Bool("HideSelection", &N::HideSelection, &N::SetHideSelection, true)
      .Bool("ReadOnly", &N::ReadOnly, &N::SetReadOnly, false)
      .Str("Text", &N::Text, &N::SetText, "")
      .Sample(std::string("0"))
      .Event("OnChange");
}

const bool registered = (RegisterNumIO(), true);

}  // namespace

}  // namespace zeb
