// The class records of the label classes: their published properties and events.
#include <limits>

#include "framework/base/registry.h"
#include "framework/stdctrls/label.h"

namespace fw {

namespace {

constexpr double kIntMax = std::numeric_limits<int>::max();

void RegisterLabels() {
  // A new label is 65 x 17 and takes its parent's colour.
  RegisterClass<TCustomLabel>("TCustomLabel", "TGraphicControl")
      .Int("Width", &TControl::Width, &TControl::SetWidth, 65)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &TControl::Height, &TControl::SetHeight, 17)
      .Range(0, fw::kMaxControlExtent)
      // In the control's places. A label being read takes its parent's colour when it joins
      // it, before ParentColor is read: a colour of its own is always written.
      .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, true)
      .Color("Color", &TControl::Color, &TControl::SetColor, clWindow)
      .StoredIf([](TControl* c) { return !c->ParentColor(); })
      .AlwaysStored();
  RegisterClass<TLabel>("TLabel", "TCustomLabel")
      .Str("Caption", &TControl::Caption, &TControl::SetCaption, "")
      .Enum("Alignment", &TCustomLabel::Alignment, &TCustomLabel::SetAlignment, kAlignmentNames,
            taLeftJustify)
      .Bool("AutoSize", &TCustomLabel::AutoSize, &TCustomLabel::SetAutoSize, true)
      .Enum("Layout", &TCustomLabel::Layout, &TCustomLabel::SetLayout, kTextLayoutNames, tlTop)
      .Bool("ShowAccelChar", &TCustomLabel::ShowAccelChar, &TCustomLabel::SetShowAccelChar, true)
      .Bool("Transparent", &TCustomLabel::Transparent, &TCustomLabel::SetTransparent, false)
      .Bool("WordWrap", &TCustomLabel::WordWrap, &TCustomLabel::SetWordWrap, false)
      .Component("FocusControl", &TCustomLabel::FocusControl, &TCustomLabel::SetFocusControl)
      .Event("OnContextPopup");
}

const bool registered = (RegisterLabels(), true);

}  // namespace

}  // namespace fw
