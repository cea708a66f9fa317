// Unit ZEB_Colsel: TColSel, a drop-down list of colours, each item a colour bar and the
// colour's name, filled from one of four palettes of the predefined colour table; entries
// marked editable open the colour dialog from their colour bar.
#pragma once

#include <array>
#include <string>

#include "companion/ZEB_zebbase.h"
#include "framework/stdctrls/combo_box.h"

namespace zeb {

// Lets the application rename a colour whenever a name is produced.
using TOnColorNameChangeEvent = fw::Event<void(fw::TObject* Sender, std::string& ColorName)>;

// The entry table holds 47 entries (1..47), each a colour, a name and an allow-edit flag;
// the list shows entries 1..NumColors, item k showing entry k + 1.
//
//   DropDown    -> the colour dialog first when the pointer is over the colour bar (MouseMove
//                  keeps that flag) and the current entry is editable; then the list opens
//   DrawItem    -> colour bar, edit symbol of an editable entry, the name
//   Click       -> the selected entry follows the chosen item, then OnClick
//
// Per-entry setters raise EZEBError "Component "<Name>": colour entry <i> is outside
// 1..<NumColors>" for an index outside the list; getters answer a neutral value there.
class TColSel : public fw::TCustomComboBox {
 public:
  explicit TColSel(fw::TComponent* AOwner);

  // Width of the colour bar (negative values ignored).
  int ColorBarWidth() const { return colorBarWidth_; }
  void SetColorBarWidth(int value);
  // How many entries the list shows: only 1..47 are accepted; the selected entry becomes 1.
  int NumColors() const { return numColors_; }
  void SetNumColors(int value);
  // The selected entry's colour. Setting a colour present in the list (compared as RGB)
  // selects its first entry; another colour replaces the selected entry's colour and name.
  fw::TColor SelColor() const;
  void SetSelColor(fw::TColor value);
  void SetEnabled(bool value) override;

  fw::TColor GetArrayColor(int i) const;
  // Stores the colour, names the entry ColorToString of it (through OnColorNameChange).
  void SetArrayColor(int i, fw::TColor value);
  std::string GetArrayColorName(int i) const;
  // Stores the name as given (OnColorNameChange is not asked: the name is the caller's).
  void SetArrayColorName(int i, const std::string& value);
  bool GetArrayAllowEdit(int i) const;
  void SetArrayAllowEdit(int i, bool value);
  void SetAllColorEditFlags();
  void ResetAllColorEditFlags();
  // The selected entry's name; empty when no item is selected.
  std::string GetSelColorID() const;
  // The first entry among all 47 whose colour is exactly `value` (system colours are not
  // resolved); 0 when none.
  int FindColorEntry(fw::TColor value) const;

  // Palettes: predefined colours 1..16, 1..20, 1..47 and 21..47.
  void LoadBasicVGAPalette();
  void LoadExtendedPalette();
  void LoadStandardPalette();
  void LoadWindowsSystemPalette();

  void DrawItem(int Index, const fw::TRect& Rect, fw::TOwnerDrawState State) override;
  void Click() override;

  TOnColorNameChangeEvent OnColorNameChange;

 protected:
  void DropDown() override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void Loaded() override;

 private:
  struct TEntry {
    fw::TColor color = fw::clBlack;
    std::string name;
    bool allowEdit = false;
  };

  // ColorToString of the colour, then OnColorNameChange.
  std::string NameOf(fw::TColor color);
  void LoadPalette(int count, int firstPredefined);
  void RebuildList();
  // Raises the per-entry error outside 1..NumColors.
  void CheckEntry(int i) const;
  TEntry& Entry(int i) { return entries_[static_cast<size_t>(i - 1)]; }
  const TEntry& Entry(int i) const { return entries_[static_cast<size_t>(i - 1)]; }

  std::array<TEntry, 47> entries_;
  int numColors_ = 20;
  int selected_ = 1;
  int colorBarWidth_ = 30;
  bool overBar_ = false;
};

// The weighted brightness the edit symbol's colour follows: sqrt(r² + 2g² + b²) / 2.
double ColorBarBrightness(fw::TColor color);

}  // namespace zeb
