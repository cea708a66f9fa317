// TColSel: the entry table, palettes, the selected entry and SelColor, the list built from
// the entries, and the colour dialog opened from an editable entry's colour bar.
#include <string>

#include "browse/ZEB_Colsel.h"
#include "companion/ZEB_zebcolors.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/scope_guard.h"
#include "framework/stdctrls/color_dialog.h"

namespace zeb {

TColSel::TColSel(fw::TComponent* AOwner) : fw::TCustomComboBox(AOwner) {
  SetSorted(false);
  SetStyle(fw::csOwnerDrawFixed);
  // The table starts with the whole predefined table, named without asking the
  // application (no handler can be set yet).
  for (int i = 1; i <= pc_NumColors; ++i) {
    Entry(i).color = PredefinedColors[i];
    Entry(i).name = fw::ColorToString(PredefinedColors[i]);
  }
  RebuildList();
}

std::string TColSel::NameOf(fw::TColor color) {
  std::string name = fw::ColorToString(color);
  OnColorNameChange(this, name);
  return name;
}

void TColSel::CheckEntry(int i) const {
  if (i < 1 || i > numColors_)
    throw EZEBError("Component \"" + Name() + "\": colour entry " + std::to_string(i) +
                    " is outside 1.." + std::to_string(numColors_));
}

// Items are the entries' names, in entry order; the list's choice is the selected entry.
void TColSel::RebuildList() {
  {
    fw::TUpdateHold hold(*Items());
    Items()->Clear();
    for (int i = 1; i <= numColors_; ++i) Items()->Add(Entry(i).name);
  }
  SetItemIndex(selected_ - 1);
}

void TColSel::SetColorBarWidth(int value) {
  if (value < 0 || value == colorBarWidth_) return;
  colorBarWidth_ = value;
  Invalidate();
}

void TColSel::SetNumColors(int value) {
  if (value < 1 || value > pc_NumColors) return;
  numColors_ = value;
  selected_ = 1;
  RebuildList();
}

void TColSel::SetEnabled(bool value) {
  fw::TCustomComboBox::SetEnabled(value);
  Invalidate();
}

fw::TColor TColSel::SelColor() const {
  return Entry(selected_).color;
}

void TColSel::SetSelColor(fw::TColor value) {
  const fw::TColor rgb = fw::ColorToRGB(value);
  for (int i = 1; i <= numColors_; ++i) {
    if (fw::ColorToRGB(Entry(i).color) != rgb) continue;
    selected_ = i;
    SetItemIndex(i - 1);
    Invalidate();
    return;
  }
  Entry(selected_).color = value;
  Entry(selected_).name = NameOf(rgb);
  RebuildList();
}

fw::TColor TColSel::GetArrayColor(int i) const {
  return i >= 1 && i <= numColors_ ? Entry(i).color : 0;
}

void TColSel::SetArrayColor(int i, fw::TColor value) {
  CheckEntry(i);
  Entry(i).color = value;
  Entry(i).name = NameOf(value);
  RebuildList();
}

std::string TColSel::GetArrayColorName(int i) const {
  return i >= 1 && i <= numColors_ ? Entry(i).name : std::string();
}

void TColSel::SetArrayColorName(int i, const std::string& value) {
  CheckEntry(i);
  Entry(i).name = value;
  RebuildList();
}

bool TColSel::GetArrayAllowEdit(int i) const {
  return i >= 1 && i <= numColors_ && Entry(i).allowEdit;
}

void TColSel::SetArrayAllowEdit(int i, bool value) {
  CheckEntry(i);
  Entry(i).allowEdit = value;
  Invalidate();
}

void TColSel::SetAllColorEditFlags() {
  for (TEntry& e : entries_) e.allowEdit = true;
  Invalidate();
}

void TColSel::ResetAllColorEditFlags() {
  for (TEntry& e : entries_) e.allowEdit = false;
  Invalidate();
}

std::string TColSel::GetSelColorID() const {
  return ItemIndex() >= 0 ? Entry(selected_).name : std::string();
}

int TColSel::FindColorEntry(fw::TColor value) const {
  for (int i = 1; i <= pc_NumColors; ++i)
    if (Entry(i).color == value) return i;
  return 0;
}

void TColSel::LoadPalette(int count, int firstPredefined) {
  selected_ = 1;
  numColors_ = count;
  for (int i = 1; i <= count; ++i) {
    Entry(i).color = PredefinedColors[firstPredefined + i - 1];
    Entry(i).name = NameOf(Entry(i).color);
  }
  RebuildList();
}

void TColSel::LoadBasicVGAPalette() {
  LoadPalette(16, 1);
}

void TColSel::LoadExtendedPalette() {
  LoadPalette(20, 1);
}

void TColSel::LoadStandardPalette() {
  LoadPalette(47, 1);
}

void TColSel::LoadWindowsSystemPalette() {
  LoadPalette(27, pc_FirstSystem);
}

void TColSel::Click() {
  if (ItemIndex() >= 0) selected_ = ItemIndex() + 1;
  fw::TCustomComboBox::Click();
}

void TColSel::MouseMove(fw::TShiftState Shift, int X, int Y) {
  overBar_ = X < colorBarWidth_;
  fw::TCustomComboBox::MouseMove(Shift, X, Y);
}

// Over the colour bar of an editable current entry the colour dialog comes first; a
// confirmed colour replaces the selected entry's colour and name.
void TColSel::DropDown() {
  const int current = ItemIndex() + 1;
  if (overBar_ && current >= 1 && current <= numColors_ && Entry(current).allowEdit) {
    const fw::TControlRef alive = Ref();
    {
      fw::TColorDialog dialog(nullptr);
      dialog.SetColor(Entry(selected_).color);
      if (dialog.Execute()) {
        Entry(selected_).color = dialog.Color();
        OnChange(this);
        if (!alive.Get()) return;
        Entry(selected_).name = NameOf(fw::ColorToRGB(dialog.Color()));
        RebuildList();
      }
    }
    if (!alive.Get()) return;
    Invalidate();
  }
  fw::TCustomComboBox::DropDown();
}

void TColSel::Loaded() {
  fw::TCustomComboBox::Loaded();
  RebuildList();
}

}  // namespace zeb
