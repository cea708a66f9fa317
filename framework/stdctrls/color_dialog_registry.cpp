// The class record of TColorDialog: its published properties and events.
#include <string>
#include <vector>

#include "framework/base/registry.h"
#include "framework/stdctrls/color_dialog.h"

namespace fw {

namespace {

std::vector<std::string> GetCustomColors(TColorDialog* dialog) {
  std::vector<std::string> lines;
  for (int i = 0; i < dialog->CustomColors()->Count(); ++i)
    lines.push_back(dialog->CustomColors()->Strings(i));
  return lines;
}

void SetCustomColors(TColorDialog* dialog, const std::vector<std::string>& lines) {
  TStringList list;
  for (const std::string& line : lines) list.Add(line);
  dialog->SetCustomColors(&list);
}

void RegisterColorDialog() {
  RegisterClass<TColorDialog>("TColorDialog", "TComponent")
      .Color("Color", &TColorDialog::Color, &TColorDialog::SetColor, clBlack)
      .Strings("CustomColors", &GetCustomColors, &SetCustomColors, {})
      .Event("OnShow")
      .Event("OnClose");
}

const bool registered = (RegisterColorDialog(), true);

}  // namespace

}  // namespace fw
