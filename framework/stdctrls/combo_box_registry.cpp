// The class record of TComboBox: its published properties and events. Style and Items come
// before ItemIndex and Text, which need them when a form is read.
#include <string>
#include <vector>

#include "framework/base/registry.h"
#include "framework/stdctrls/combo_box.h"

namespace fw {

namespace {

std::vector<std::string> GetItems(TCustomComboBox* box) {
  std::vector<std::string> items;
  for (int i = 0; i < box->Items()->Count(); ++i) items.push_back(box->Items()->Strings(i));
  return items;
}

void SetItems(TCustomComboBox* box, const std::vector<std::string>& items) {
  TStringList list;
  for (const std::string& item : items) list.Add(item);
  box->SetItems(&list);
}

void RegisterComboBox() {
  RegisterClass<TCustomComboBox>("TCustomComboBox", "TCustomEdit")
      .Int("Width", &TControl::Width, &TControl::SetWidth, 145)
      .Range(0, fw::kMaxControlExtent);
  RegisterClass<TComboBox>("TComboBox", "TCustomComboBox")
      .Enum("Style", &TCustomComboBox::Style, &TCustomComboBox::SetStyle, kComboBoxStyleNames,
            csDropDown)
      .Bool("Sorted", &TCustomComboBox::Sorted, &TCustomComboBox::SetSorted, false)
      .Strings("Items", &GetItems, &SetItems, {})
      .Int("DropDownCount", &TCustomComboBox::DropDownCount, &TCustomComboBox::SetDropDownCount, 8)
      .Range(1, 10000)
      .Int("ItemIndex", &TCustomComboBox::ItemIndex, &TCustomComboBox::SetItemIndex, -1)
      .NoSample()
      .Str("Text", &TControl::Text, &TCustomComboBox::SetText, "")
      .NoSample()
      .Event("OnChange")
      .Event("OnDropDown")
      .Event("OnCloseUp")
      .Event("OnSelect")
      .Event("OnDrawItem");
}

const bool registered = (RegisterComboBox(), true);

}  // namespace

}  // namespace fw
