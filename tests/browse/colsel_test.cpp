// TColSel: palettes and names, the entry table's rules, SelColor, drawing of bars, edit
// symbols and names, the colour dialog from an editable entry's bar, and the class record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/ZEB_Colsel.h"
#include "companion/ZEB_zebcolors.h"
#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/graphics/text_engine.h"
#include "framework/stdctrls/color_dialog.h"

namespace zeb {
namespace {

TEST(ColSel, PalettesFillEntriesFromThePredefinedTableAndAskForNames) {
  struct Case {
    void (TColSel::*load)();
    int count, firstPredefined;
  };
  const std::vector<Case> cases{{&TColSel::LoadBasicVGAPalette, 16, 1},
                                {&TColSel::LoadExtendedPalette, 20, 1},
                                {&TColSel::LoadStandardPalette, 47, 1},
                                {&TColSel::LoadWindowsSystemPalette, 27, 21}};
  for (const Case& c : cases) {
    TColSel sel(nullptr);
    sel.SetNumColors(5);
    int asked = 0;
    sel.OnColorNameChange = [&](fw::TObject*, std::string& name) {
      ++asked;
      if (name == "clRed") name = "Signal red";
    };
    (sel.*c.load)();
    EXPECT_EQ(sel.NumColors(), c.count);
    EXPECT_EQ(sel.Items()->Count(), c.count);
    EXPECT_EQ(asked, c.count);
    EXPECT_EQ(sel.ItemIndex(), 0);
    for (int i = 1; i <= c.count; ++i) {
      const fw::TColor expected = PredefinedColors[c.firstPredefined + i - 1];
      EXPECT_EQ(sel.GetArrayColor(i), expected) << i;
      const std::string name = sel.GetArrayColorName(i);
      EXPECT_EQ(name, expected == fw::clRed ? "Signal red" : fw::ColorToString(expected));
    }
    EXPECT_EQ(sel.GetArrayColor(c.count + 1), 0) << "outside the list: neutral";
    EXPECT_EQ(sel.GetArrayColorName(0), "");
  }
}

TEST(ColSel, EntryRulesNumColorsSelColorAndFind) {
  TColSel sel(nullptr);
  EXPECT_EQ(sel.NumColors(), 20);
  EXPECT_EQ(sel.SelColor(), PredefinedColors[1]);
  EXPECT_EQ(sel.Style(), fw::csOwnerDrawFixed);
  sel.SetNumColors(0);
  sel.SetNumColors(48);
  EXPECT_EQ(sel.NumColors(), 20);
  // A colour in the list selects its entry (compared as RGB).
  sel.SetSelColor(PredefinedColors[5]);
  EXPECT_EQ(sel.ItemIndex(), 4);
  EXPECT_EQ(sel.GetSelColorID(), fw::ColorToString(PredefinedColors[5]));
  // Another colour replaces the selected entry; the list keeps its length.
  sel.SetSelColor(0x123456);
  EXPECT_EQ(sel.GetArrayColor(5), 0x123456u);
  EXPECT_EQ(sel.GetArrayColorName(5), "$00123456");
  EXPECT_EQ(sel.Items()->Count(), 20);
  EXPECT_EQ(sel.ItemIndex(), 4);
  // Entries beyond the list are still found; system colours are not resolved.
  EXPECT_EQ(sel.FindColorEntry(PredefinedColors[40]), 40);
  EXPECT_NE(sel.FindColorEntry(fw::ColorToRGB(PredefinedColors[40])), 40);
  EXPECT_EQ(sel.FindColorEntry(0x654321), 0);
  // Per-entry setters refuse indices outside the list with a clear error.
  sel.SetName("Picker");
  for (int bad : {0, 21, -3}) {
    try {
      sel.SetArrayColor(bad, fw::clRed);
      ADD_FAILURE() << bad;
    } catch (const EZEBError& e) {
      EXPECT_EQ(std::string(e.what()),
                "Component \"Picker\": colour entry " + std::to_string(bad) + " is outside 1..20");
    }
    EXPECT_THROW(sel.SetArrayColorName(bad, "x"), EZEBError);
    EXPECT_THROW(sel.SetArrayAllowEdit(bad, true), EZEBError);
  }
  sel.SetArrayAllowEdit(3, true);
  EXPECT_TRUE(sel.GetArrayAllowEdit(3));
  EXPECT_FALSE(sel.GetArrayAllowEdit(30));
  sel.ResetAllColorEditFlags();
  EXPECT_FALSE(sel.GetArrayAllowEdit(3));
  sel.SetAllColorEditFlags();
  EXPECT_TRUE(sel.GetArrayAllowEdit(20));
  sel.SetArrayColorName(2, "Mine");
  EXPECT_EQ(sel.GetArrayColorName(2), "Mine");
  sel.SetColorBarWidth(-1);
  EXPECT_EQ(sel.ColorBarWidth(), 30);
}

struct ShownColSel {
  fw::TestHost host{300, 400};
  TColSel* sel = new TColSel(host.Form());
  ShownColSel() {
    sel->SetParent(host.Form());
    sel->Font()->SetName(fw::kBuiltinFontName);
    sel->SetBounds(10, 10, 150, 22);
    sel->SetItemHeight(16);
    host.Show();
  }
  // Top-left of item `index`'s row in the open list, form coordinates.
  fw::TPoint Row(int index) {
    fw::TComboListPopup* list = sel->ListControl();
    const fw::TRect r = list->ItemRect(index);
    return {list->Left() + r.Left, list->Top() + r.Top};
  }
};

TEST(ColSelPaint, BarsSymbolsAndNamesByEntry) {
  ShownColSel s;
  s.sel->SetArrayAllowEdit(1, true);   // black: a white symbol
  s.sel->SetArrayAllowEdit(16, true);  // white: a black symbol
  s.sel->SetArrayColor(2, 0x336699);
  s.sel->SetDroppedDown(true);
  s.host.ProcessMessages();
  const fw::TPoint first = s.Row(0);
  const fw::TPoint second = s.Row(1);
  const fw::TPoint white = s.Row(15);
  // The bar: a black outline, the entry's colour inside.
  EXPECT_EQ(s.host.Pixel(second.X + 3, second.Y + 2), fw::clBlack);
  EXPECT_EQ(s.host.Pixel(second.X + 20, second.Y + 8), 0x336699u);
  // The edit symbol's left edge runs down x = L + 5.
  EXPECT_EQ(s.host.Pixel(first.X + 5, first.Y + 8), fw::clWhite);
  EXPECT_EQ(s.host.Pixel(white.X + 5, white.Y + 8), fw::clBlack);
  EXPECT_EQ(s.host.Pixel(second.X + 5, second.Y + 8), 0x336699u) << "no symbol: not editable";
  // The name starts right of the bar, in black.
  bool ink = false;
  for (int x = second.X + 36; x < second.X + 120; ++x)
    for (int y = second.Y; y < second.Y + 16; ++y) ink = ink || s.host.Pixel(x, y) == fw::clBlack;
  EXPECT_TRUE(ink);
  // With a bar of 11 pixels no symbol is drawn.
  s.sel->SetColorBarWidth(11);
  s.host.ProcessMessages();
  EXPECT_EQ(s.host.Pixel(first.X + 5, first.Y + 8), fw::clBlack);
}

TEST(ColSelPaint, NoChoiceShowsAnEmptyFaceAndDisabledIsGrey) {
  ShownColSel s;
  s.sel->SetItemIndex(-1);
  s.host.ProcessMessages();
  EXPECT_EQ(s.host.Pixel(10 + 3 + 10, 10 + 11), fw::ColorToRGB(fw::clWindow))
      << "index -1 draws no entry";
  s.sel->SetItemIndex(0);
  s.host.ProcessMessages();
  EXPECT_EQ(s.host.Pixel(10 + 3 + 10, 10 + 11), fw::clBlack);
  s.sel->SetEnabled(false);
  s.host.ProcessMessages();
  EXPECT_EQ(s.host.Pixel(10 + 3 + 10, 10 + 11), fw::RGB(192, 192, 192));
}

TEST(ColSel, TheColourBarOfAnEditableEntryOpensTheColourDialog) {
  ShownColSel s;
  s.sel->SetArrayAllowEdit(3, true);
  s.sel->SetSelColor(PredefinedColors[3]);
  int changes = 0, dialogs = 0;
  s.sel->OnChange = [&](fw::TObject*) { ++changes; };
  s.host.OnModal([&](fw::TCustomForm& form) {
    ++dialogs;
    auto& dialog = dynamic_cast<fw::TColorDialogForm&>(form);
    EXPECT_EQ(dialog.CurrentColor(), fw::ColorToRGB(PredefinedColors[3]));
    dialog.SetCurrentColor(0x0080FF);
    form.SetModalResult(fw::mrOk);
  });
  // Right of the bar: the list opens without the dialog.
  s.host.MouseMove(10 + 80, 20);
  s.host.Click(10 + 80, 20);
  EXPECT_EQ(dialogs, 0);
  EXPECT_TRUE(s.sel->DroppedDown());
  s.host.Click(10 + 80, 20);
  // Over the bar: the dialog first, then the list.
  s.host.MouseMove(10 + 12, 20);
  s.host.Click(10 + 12, 20);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(s.sel->GetArrayColor(3), 0x0080FFu);
  EXPECT_EQ(s.sel->GetArrayColorName(3), "$000080FF");
  EXPECT_TRUE(s.sel->DroppedDown());
  // A choice from the list selects that entry.
  s.host.KeyPress(U'\x1B');
  s.sel->SetArrayAllowEdit(3, false);
  s.host.MouseMove(10 + 12, 20);
  s.host.Click(10 + 12, 20);
  EXPECT_EQ(dialogs, 1) << "not editable: no dialog";
  const fw::TPoint row = s.Row(6);
  s.host.Click(row.X + 40, row.Y + 5);
  EXPECT_EQ(s.sel->SelColor(), PredefinedColors[7]);
}

TEST(ColSel, ClassRecordAndFormText) {
  // The selector's record, and those of the framework classes it and the row editing form
  // stand on, with panekit_rt loaded.
  for (const char* name :
       {"TColSel", "TCustomComboBox", "TComboBox", "TDateTimePicker", "TColorDialog"})
    for (const std::string& problem : fw::testing::CheckRegisteredClass(name))
      ADD_FAILURE() << problem;
  fw::TestHost host;
  TColSel sel(nullptr);
  fw::ReadFormInto(sel,
                   "object C: TColSel\n ColorBarWidth = 20\n NumColors = 16\n"
                   " SelColor = clRed\nend\n");
  EXPECT_EQ(sel.ColorBarWidth(), 20);
  EXPECT_EQ(sel.NumColors(), 16);
  EXPECT_EQ(sel.SelColor(), fw::clRed);
  EXPECT_EQ(sel.ItemIndex(), sel.FindColorEntry(fw::clRed) - 1);
}

}  // namespace
}  // namespace zeb
