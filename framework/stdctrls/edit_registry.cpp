// The class records of the edit classes: their published properties and events.
#include <limits>

#include "framework/base/registry.h"
#include "framework/stdctrls/edit.h"

namespace fw {

namespace {

constexpr double kIntMax = std::numeric_limits<int>::max();

void RegisterEdits() {
  RegisterClass<TCustomEdit>("TCustomEdit", "TCustomControl")
      .Int("Width", &TControl::Width, &TControl::SetWidth, 121)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &TControl::Height, &TControl::SetHeight, 21)
      .Range(0, fw::kMaxControlExtent)
      .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
      .Int("Cursor", &TControl::Cursor, &TControl::SetCursor, crIBeam);
  RegisterClass<TEdit>("TEdit", "TCustomEdit")
      .Bool("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect, true)
      .Bool("AutoSize", &TCustomEdit::AutoSize, &TCustomEdit::SetAutoSize, true)
      .Enum("BorderStyle", &TCustomEdit::BorderStyle, &TCustomEdit::SetBorderStyle,
            kControlBorderStyleNames, bsSingle)
      .Bool("HideSelection", &TCustomEdit::HideSelection, &TCustomEdit::SetHideSelection, true)
      .Int("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength, 0)
      .Range(0, kIntMax)
      .Char("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar, 0)
      .Bool("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly, false)
      .Str("Text", &TControl::Text, &TControl::SetText, "")
      .Event("OnChange");
}

const bool registered = (RegisterEdits(), true);

}  // namespace

}  // namespace fw
