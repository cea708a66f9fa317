// The class records of the tree view classes: their published properties and events.
#include "framework/base/registry.h"
#include "framework/comctrls/treeview.h"

namespace fw {

namespace {

void RegisterTreeViews() {
  RegisterClass<TCustomTreeView>("TCustomTreeView", "TCustomControl")
      .Int("Width", &TControl::Width, &TControl::SetWidth, 121)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &TControl::Height, &TControl::SetHeight, 97)
      .Range(0, fw::kMaxControlExtent)
      .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, true)
      .Enum("BevelInner", &TCustomTreeView::BevelInner, &TCustomTreeView::SetBevelInner,
            kBevelCutNames, bvRaised)
      .Enum("BevelOuter", &TCustomTreeView::BevelOuter, &TCustomTreeView::SetBevelOuter,
            kBevelCutNames, bvLowered)
      .Enum("BevelKind", &TCustomTreeView::BevelKind, &TCustomTreeView::SetBevelKind,
            kBevelKindNames, bkNone)
      .Int("BevelWidth", &TCustomTreeView::BevelWidth, &TCustomTreeView::SetBevelWidth, 1)
      .Range(1, kMaxEdgeWidth)
      .Int("BorderWidth", &TCustomTreeView::BorderWidth, &TCustomTreeView::SetBorderWidth, 0)
      .Range(0, kMaxEdgeWidth)
      .Enum("BorderStyle", &TCustomTreeView::BorderStyle, &TCustomTreeView::SetBorderStyle,
            kControlBorderStyleNames, bsSingle)
      .Bool("HotTrack", &TCustomTreeView::HotTrack, &TCustomTreeView::SetHotTrack, false)
      .Int("Indent", &TCustomTreeView::Indent, &TCustomTreeView::SetIndent, 19)
      .Range(0, 1000)
      .Bool("ShowButtons", &TCustomTreeView::ShowButtons, &TCustomTreeView::SetShowButtons, true)
      .Bool("ShowLines", &TCustomTreeView::ShowLines, &TCustomTreeView::SetShowLines, true)
      .Bool("ShowRoot", &TCustomTreeView::ShowRoot, &TCustomTreeView::SetShowRoot, true);
  RegisterClass<TTreeView>("TTreeView", "TCustomTreeView")
      .Bool("ReadOnly", &TCustomTreeView::ReadOnly, &TCustomTreeView::SetReadOnly, false)
      .Event("OnChange")
      .Event("OnChanging")
      .Event("OnExpanding")
      .Event("OnExpanded")
      .Event("OnCollapsing")
      .Event("OnCollapsed");
}

const bool registered = (RegisterTreeViews(), true);

}  // namespace

}  // namespace fw
