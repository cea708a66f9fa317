// TComboBox: the text following the choice, the keyboard on the closed box and the open list,
// type-ahead, the mouse, owner drawing, the events' order and the class record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/stdctrls/combo_box.h"

namespace fw {
namespace {

TComboBox* PlaceCombo(TestHost& host, TComboBoxStyle style, std::vector<std::string> items) {
  auto* box = new TComboBox(host.Form());
  box->SetParent(host.Form());
  box->SetBounds(10, 10, 120, 21);
  box->SetStyle(style);
  for (const std::string& item : items) box->Items()->Add(item);
  return box;
}

const std::vector<std::string> kColours{"red", "green", "blue", "black", "brown", "white"};

TEST(ComboBox, ItemIndexAndTextFollowEachOther) {
  TestHost host;
  TComboBox* free = PlaceCombo(host, csDropDown, kColours);
  TComboBox* list = PlaceCombo(host, csDropDownList, kColours);
  int changes = 0;
  free->OnChange = [&](TObject*) { ++changes; };
  list->OnChange = [&](TObject*) { ++changes; };
  free->SetItemIndex(2);
  list->SetItemIndex(2);
  EXPECT_EQ(free->Text(), "blue");
  EXPECT_EQ(list->Text(), "blue");
  // Free text takes anything; a list only its items.
  free->SetText("purple");
  list->SetText("purple");
  EXPECT_EQ(free->Text(), "purple");
  EXPECT_EQ(free->ItemIndex(), -1);
  EXPECT_EQ(list->Text(), "");
  EXPECT_EQ(list->ItemIndex(), -1);
  list->SetText("white");
  EXPECT_EQ(list->ItemIndex(), 5);
  list->SetItemIndex(99);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(changes, 0) << "changes in code call no events";
  // The choice keeps its text when the items change around it.
  list->SetItemIndex(3);
  list->Items()->Insert(0, "amber");
  EXPECT_EQ(list->ItemIndex(), 4);
  list->Items()->Delete(4);
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(list->Text(), "");
}

TEST(ComboBox, KeysOnTheClosedBoxChooseAndRunEventsInOrder) {
  TestHost host(320, 300);
  TComboBox* box = PlaceCombo(host, csDropDownList, kColours);
  box->SetDropDownCount(3);
  std::string log;
  box->OnChange = [&](TObject*) { log += "change " + box->Text() + ";"; };
  box->OnSelect = [&](TObject*) { log += "select;"; };
  box->OnClick = [&](TObject*) { log += "click;"; };
  host.Show();
  box->SetFocus();
  host.PressKey(VK_DOWN);
  EXPECT_EQ(log, "change red;select;click;");
  struct Step {
    uint16_t key;
    int index;
  };
  for (const Step& s : std::vector<Step>{{VK_DOWN, 1},
                                         {VK_NEXT, 3},
                                         {VK_NEXT, 5},
                                         {VK_DOWN, 5},
                                         {VK_PRIOR, 3},
                                         {VK_HOME, 0},
                                         {VK_UP, 0},
                                         {VK_END, 5}}) {
    host.PressKey(s.key);
    EXPECT_EQ(box->ItemIndex(), s.index) << "key " << s.key;
  }
  EXPECT_FALSE(box->DroppedDown());
}

TEST(ComboBox, TheOpenListMovesItsChoiceAndEnterOrEscapeEndsIt) {
  TestHost host(320, 300);
  TComboBox* box = PlaceCombo(host, csDropDownList, kColours);
  int drops = 0, keyPresses = 0;
  box->OnDropDown = [&](TObject*) { ++drops; };
  box->OnKeyPress = [&](TObject*, char32_t&) { ++keyPresses; };
  host.Show();
  box->SetFocus();
  box->SetItemIndex(1);
  host.PressKey(VK_DOWN, {ssAlt});
  ASSERT_TRUE(box->DroppedDown());
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(box->ListControl()->ItemIndex(), 1);
  host.PressKey(VK_DOWN);
  host.PressKey(VK_DOWN);
  EXPECT_EQ(box->ItemIndex(), 1) << "the list's choice is not taken yet";
  host.KeyPress(U'\x1B');
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->ItemIndex(), 1);
  host.PressKey(VK_F4);
  host.PressKey(VK_END);
  host.KeyPress(U'\r');
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->Text(), "white");
  EXPECT_EQ(keyPresses, 0) << "Enter and Escape on the open list stop there";
  host.KeyPress(U'\r');
  EXPECT_EQ(keyPresses, 1) << "on the closed box they go on";
}

TEST(ComboBox, TypeAheadFindsByPrefixAndStepsThroughOneLetter) {
  TestHost host;
  TComboBox* box = PlaceCombo(host, csDropDownList, kColours);
  host.Show();
  box->SetFocus();
  struct Step {
    char32_t key;
    int64_t pauseMs;
    std::string text;
  };
  const std::vector<Step> steps{
      {U'b', 0, "blue"},     {U'b', 100, "black"},  {U'b', 100, "brown"},
      {U'b', 100, "blue"},   {U'r', 100, "brown"},   // "br" grows the prefix
      {U'w', 2000, "white"}, {U'q', 2000, "white"},  // nothing starts with q
      {U'G', 2000, "green"},
  };
  for (const Step& s : steps) {
    host.AdvanceTime(s.pauseMs);
    host.KeyPress(s.key);
    EXPECT_EQ(box->Text(), s.text) << static_cast<char>(s.key);
  }
}

TEST(ComboBox, FreeTextEditsAndFollowsMatchingItems) {
  TestHost host;
  TComboBox* box = PlaceCombo(host, csDropDown, kColours);
  host.Show();
  box->SetFocus();
  host.TypeText("gre");
  EXPECT_EQ(box->ItemIndex(), -1);
  host.TypeText("en");
  EXPECT_EQ(box->Text(), "green");
  EXPECT_EQ(box->ItemIndex(), 1);
  host.PressKey(VK_DOWN);
  EXPECT_EQ(box->Text(), "blue");
}

TEST(ComboBox, MouseOpensTheListAndAReleaseOnAnItemTakesIt) {
  TestHost host(320, 300);
  TComboBox* box = PlaceCombo(host, csDropDown, kColours);
  host.Show();
  host.Click(20, 20);
  EXPECT_FALSE(box->DroppedDown()) << "the text part of a free-text box edits";
  const TRect button = box->ButtonRect();
  host.Click(10 + button.Left + 3, 10 + button.Top + 3);
  ASSERT_TRUE(box->DroppedDown());
  TComboListPopup* list = box->ListControl();
  EXPECT_EQ(list->Top(), 31);
  EXPECT_EQ(list->Height(), 6 * box->ItemHeight() + 2);
  const TRect third = list->ItemRect(2);
  host.MouseMove(list->Left() + 10, list->Top() + third.Top + 2);
  EXPECT_EQ(list->ItemIndex(), 2);
  host.Click(list->Left() + 10, list->Top() + third.Top + 2);
  EXPECT_FALSE(box->DroppedDown());
  EXPECT_EQ(box->Text(), "blue");
  // Near the form's bottom the list opens above the box.
  box->SetTop(260);
  box->SetDroppedDown(true);
  EXPECT_EQ(list->Top() + list->Height(), 260);
}

TEST(ComboBox, OwnerDrawFixedDrawsFaceAndRowsThroughDrawItem) {
  TestHost host(320, 300);
  TComboBox* box = PlaceCombo(host, csOwnerDrawFixed, kColours);
  box->SetItemHeight(18);
  EXPECT_EQ(box->Height(), 24);
  std::vector<std::string> drawn;
  box->OnDrawItem = [&](TObject*, int index, const TRect& r, TOwnerDrawState state) {
    drawn.push_back(std::to_string(index) + (state.Contains(odComboBoxEdit) ? "e" : "") +
                    (state.Contains(odSelected) ? "s" : ""));
    box->Canvas()->Brush()->SetColor(index == 1 ? clRed : clLime);
    box->Canvas()->FillRect(r);
  };
  box->SetItemIndex(1);
  host.Show();
  host.ProcessMessages();
  // The box has the focus (the form's first tab stop): its face is drawn selected.
  EXPECT_EQ(drawn, std::vector<std::string>{"1es"});
  EXPECT_EQ(host.Pixel(16, 16), clRed) << "the face is drawn by the handler";
  drawn.clear();
  box->SetDroppedDown(true);
  host.ProcessMessages();
  // The face again (no longer selected while the list is down), then the rows.
  EXPECT_EQ(drawn, (std::vector<std::string>{"1e", "0", "1s", "2", "3", "4", "5"}));
  TComboListPopup* list = box->ListControl();
  EXPECT_EQ(host.Pixel(list->Left() + 5, list->Top() + 1 + 18 + 5), clRed);
  EXPECT_EQ(host.Pixel(list->Left() + 5, list->Top() + 1 + 5), clLime);
}

TEST(ComboBox, ClassRecordAndFormText) {
  for (const char* name : {"TComboBox"})
    for (const std::string& problem : testing::CheckRegisteredClass(name)) ADD_FAILURE() << problem;
  TestHost host;
  TComboBox box(nullptr);
  ReadFormInto(box,
               "object C: TComboBox\n Style = csDropDownList\n Items.Strings = (\n 'one'\n"
               " 'two')\n DropDownCount = 4\n ItemIndex = 1\nend\n");
  EXPECT_EQ(box.Style(), csDropDownList);
  EXPECT_EQ(box.Items()->Count(), 2);
  EXPECT_EQ(box.Text(), "two");
  EXPECT_EQ(box.DropDownCount(), 4);
}

}  // namespace
}  // namespace fw
