// The class records of the framework's control classes: their published properties and
// events, so forms can be read and written and components can name them as parents.
#include <limits>

#include "framework/base/registry.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/form.h"
#include "framework/controls/graphiccontrol.h"

namespace fw {

namespace {

constexpr double kIntMax = std::numeric_limits<int>::max();

void RegisterControl() {
  RegisterClass<TSizeConstraints>("TSizeConstraints", "TPersistent")
      .Int("MaxHeight", &TSizeConstraints::MaxHeight, &TSizeConstraints::SetMaxHeight, 0)
      .Range(0, kIntMax)
      .Int("MaxWidth", &TSizeConstraints::MaxWidth, &TSizeConstraints::SetMaxWidth, 0)
      .Range(0, kIntMax)
      .Int("MinHeight", &TSizeConstraints::MinHeight, &TSizeConstraints::SetMinHeight, 0)
      .Range(0, kIntMax)
      .Int("MinWidth", &TSizeConstraints::MinWidth, &TSizeConstraints::SetMinWidth, 0)
      .Range(0, kIntMax);
  RegisterClass<TControl>("TControl", "TComponent")
      .Int("Left", &TControl::Left, &TControl::SetLeft, 0)
      .Range(-kMaxControlExtent, kMaxControlExtent)
      .Int("Top", &TControl::Top, &TControl::SetTop, 0)
      .Range(-kMaxControlExtent, kMaxControlExtent)
      .Int("Width", &TControl::Width, &TControl::SetWidth, 0)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &TControl::Height, &TControl::SetHeight, 0)
      .Range(0, fw::kMaxControlExtent)
      .Enum("Align", &TControl::Align, &TControl::SetAlign, kAlignNames, alNone)
      .SetOf("Anchors", &TControl::Anchors, &TControl::SetAnchors, kAnchorNames,
             TAnchors{akLeft, akTop})
      .Bool("Visible", &TControl::Visible, &TControl::SetVisible, true)
      .Bool("Enabled", &TControl::Enabled, &TControl::SetEnabled, true)
      // Each Parent... flag before the value it governs: setting the value clears the flag,
      // and the value is written only when the control does not take it from its parent.
      // Where the flag starts set, a control joining its parent while being read takes the
      // parent's value before the flag is read, so its own value is then always written.
      .Bool("ParentColor", &TControl::ParentColor, &TControl::SetParentColor, false)
      .Color("Color", &TControl::Color, &TControl::SetColor, clWindow)
      .StoredIf([](TControl* c) { return !c->ParentColor(); })
      .Str("Hint", &TControl::Hint, &TControl::SetHint, "")
      .Bool("ParentShowHint", &TControl::ParentShowHint, &TControl::SetParentShowHint, true)
      .Bool("ShowHint", &TControl::ShowHint, &TControl::SetShowHint, false)
      .StoredIf([](TControl* c) { return !c->ParentShowHint(); })
      .AlwaysStored()
      .Bool("ParentBiDiMode", &TControl::ParentBiDiMode, &TControl::SetParentBiDiMode, true)
      .Enum("BiDiMode", &TControl::BiDiMode, &TControl::SetBiDiMode, kBiDiModeNames, bdLeftToRight)
      .StoredIf([](TControl* c) { return !c->ParentBiDiMode(); })
      .AlwaysStored()
      // HelpType first: outside reading, setting the others changes it.
      .Enum("HelpType", &TControl::HelpType, &TControl::SetHelpType, kHelpTypeNames, htContext)
      .Int("HelpContext", &TControl::HelpContext, &TControl::SetHelpContext, 0)
      .Str("HelpKeyword", &TControl::HelpKeyword, &TControl::SetHelpKeyword, "")
      .Component("PopupMenu", &TControl::PopupMenu, &TControl::SetPopupMenu)
      .Int("Cursor", &TControl::Cursor, &TControl::SetCursor, crDefault)
      .Int("DragCursor", &TControl::DragCursor, &TControl::SetDragCursor, crDrag)
      .Enum("DragKind", &TControl::DragKind, &TControl::SetDragKind, kDragKindNames, dkDrag)
      .Enum("DragMode", &TControl::DragMode, &TControl::SetDragMode, kDragModeNames, dmManual)
      .Object("Constraints", &TControl::Constraints)
      .Object("Font", &TControl::Font)
      // After Font, and always written: reading Font.* clears ParentFont, this line restores it.
      .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, true)
      .AlwaysStored()
      .Event("OnClick")
      .Event("OnDblClick")
      .Event("OnDragDrop")
      .Event("OnDragOver")
      .Event("OnEndDrag")
      .Event("OnMouseDown")
      .Event("OnMouseMove")
      .Event("OnMouseUp")
      .Event("OnMouseEnter")
      .Event("OnMouseLeave")
      .Event("OnMouseWheel")
      .Event("OnMouseWheelDown")
      .Event("OnMouseWheelUp")
      .Event("OnResize")
      .Event("OnStartDrag")
      // Docking is not supported: these events are kept and streamed, never raised.
      .Event("OnStartDock")
      .Event("OnEndDock");
}

void RegisterWindowed() {
  RegisterClass<TWinControl>("TWinControl", "TControl")
      .Int("TabOrder", &TWinControl::TabOrder, &TWinControl::SetTabOrder, -1)
      .Range(-1, kIntMax)
      .Bool("TabStop", &TWinControl::TabStop, &TWinControl::SetTabStop, false)
      .Bool("ParentCtl3D", &TWinControl::ParentCtl3D, &TWinControl::SetParentCtl3D, true)
      .Bool("Ctl3D", &TWinControl::Ctl3D, &TWinControl::SetCtl3D, true)
      .StoredIf([](TWinControl* c) { return !c->ParentCtl3D(); })
      .AlwaysStored()
      .Event("OnKeyDown")
      .Event("OnKeyPress")
      .Event("OnKeyUp")
      .Event("OnEnter")
      .Event("OnExit")
      .Event("OnDockDrop")
      .Event("OnDockOver")
      .Event("OnUnDock")
      .Event("OnGetSiteInfo");
  RegisterClass<TGraphicControl>("TGraphicControl", "TControl");
  RegisterClass<TCustomControl>("TCustomControl", "TWinControl");
}

void RegisterForms() {
  RegisterClass<TCustomForm>("TCustomForm", "TCustomControl")
      .Str("Caption", &TControl::Caption, &TControl::SetCaption, "")
      .Enum("BorderStyle", &TCustomForm::BorderStyle, &TCustomForm::SetBorderStyle,
            kFormBorderStyleNames, bsSizeable)
      .Bool("KeyPreview", &TCustomForm::KeyPreview, &TCustomForm::SetKeyPreview, false)
      .Bool("Visible", &TControl::Visible, &TControl::SetVisible, false)
      .Color("Color", &TControl::Color, &TControl::SetColor, clBtnFace)
      .StoredIf([](TControl* c) { return !c->ParentColor(); })
      .Bool("ParentFont", &TControl::ParentFont, &TControl::SetParentFont, false)
      .Event("OnShow")
      .Event("OnHide")
      .Event("OnPaint")
      .Event("OnClose")
      .Event("OnCloseQuery");
  RegisterClass<TForm>("TForm", "TCustomForm");
}

const bool registered = (RegisterControl(), RegisterWindowed(), RegisterForms(), true);

}  // namespace

}  // namespace fw
