// The class records of TMenuItem and TPopupMenu: their published properties and events.
#include "framework/base/registry.h"
#include "framework/stdctrls/popup_menu.h"

namespace fw {

namespace {

void RegisterMenus() {
  RegisterClass<TMenuItem>("TMenuItem", "TComponent")
      .Str("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption, "")
      .Bool("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked, false)
      .Bool("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled, true)
      .Bool("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible, true)
      .Event("OnClick");
  RegisterClass<TPopupMenu>("TPopupMenu", "TComponent")
      .Enum("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment, kPopupAlignmentNames,
            paLeft)
      .Bool("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup, true)
      .Event("OnPopup")
      .Event("OnClose");
}

const bool registered = (RegisterMenus(), true);

}  // namespace

}  // namespace fw
