// Editing: typed text into values, nominal names, read-only cells, AutoAdvance, the heading
// and comment editors, and the cell cursor in the corner.
#include <gtest/gtest.h>

#include "framework/controls/messages.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/memo.h"
#include "tests/ntabed/ntabed_fixture.h"

namespace {

using ntest::EditorFixture;

TEST(NTabEdEditText, TypedTextBecomesAValueOrMarksTheCellUndefined) {
  EditorFixture f;
  f.ed->SetVRangeLow(0.0);
  f.ed->SetVRangeHigh(100.0);
  struct Case {
    const char* typed;
    double value;
    bool undefined;
  };
  const Case cases[] = {{"3,5", 3.5, false},  {" 42 ", 42.0, false}, {"150", 100.0, false},
                        {"abc", 100.0, true}, {"", 100.0, true},     {"-7", 0.0, false}};
  for (const Case& c : cases) {
    f.ed->SetEditText(2, 1, c.typed);
    EXPECT_EQ(f.ed->GetElem(1, 1), c.value) << c.typed;
    EXPECT_EQ((f.ed->GetCellState(1, 1) & zeb::csUndefined) != 0, c.undefined) << c.typed;
  }
  EXPECT_EQ(f.ed->DataCellText(1, 1), "0.000");
}

TEST(NTabEdEditText, NominalCellsTakeNamesIdZeroIncludedOrIntegers) {
  EditorFixture f;
  zeb::TDataTable* table = f.ed->DataTable();
  table->SetMScaleType(2, zeb::stNominal);
  table->SetNominalID(2, 0, "off");
  table->SetNominalID(2, 4, "high");
  f.ed->SetCellState(2, 1, zeb::csMarkA | zeb::csUndefined);
  f.ed->SetEditText(3, 1, "OFF");
  EXPECT_EQ(f.ed->GetElem(2, 1), 0.0);
  EXPECT_EQ(f.ed->GetCellState(2, 1), 0) << "a chosen name clears every state bit";
  f.ed->SetEditText(3, 1, "high");
  EXPECT_EQ(f.ed->GetElem(2, 1), 4.0);
  f.ed->SetEditText(3, 1, "200");
  EXPECT_EQ(f.ed->GetElem(2, 1), 200.0);
  EXPECT_EQ(f.ed->DataCellText(2, 1), "nominal:200");
  EXPECT_EQ(f.ed->GetEditText(3, 1), "200");
  f.ed->SetEditText(3, 1, "medium");
  EXPECT_TRUE(f.ed->GetCellState(2, 1) & zeb::csUndefined);
  EXPECT_EQ(f.ed->GetElem(2, 1), 200.0);
  EXPECT_EQ(f.ed->GetEditStyle(3, 1), fw::esPickList);
  EXPECT_EQ(f.ed->GetEditStyle(2, 1), fw::esSimple);
  EXPECT_EQ(f.ed->NominalNames(2), (std::vector<std::string>{"off", "high"}));
}

TEST(NTabEdKeys, EnterAdvancesDownOrRightAfterAnEdit) {
  struct Case {
    zeb::TOrientation dir;
    fw::TGridCoord after;
  };
  const Case cases[] = {{zeb::orDown, {2, 2}}, {zeb::orRight, {3, 1}}};
  for (const Case& c : cases) {
    EditorFixture f;
    f.ed->SetAutoAdvanceDir(c.dir);
    f.ClickCell(2, 1);
    f.host.TypeText("42");
    ASSERT_TRUE(f.ed->EditorMode());
    f.host.KeyPress(U'\r');
    EXPECT_EQ(f.ed->GetElem(1, 1), 42.0);
    EXPECT_EQ((fw::TGridCoord{f.ed->Col(), f.ed->Row()}), c.after);
  }
}

TEST(NTabEdKeys, ReadOnlyCellsRefuseTypingButTheCursorMoves) {
  EditorFixture f(4, 6);
  f.ed->SetCellState(2, 2, zeb::csReadOnly);
  f.ClickCell(3, 2);
  f.host.TypeText("9");
  EXPECT_FALSE(f.ed->EditorMode());
  EXPECT_EQ(f.ed->GetElem(2, 2), 22.0);
  const struct {
    uint16_t key;
    fw::TGridCoord after;
  } moves[] = {{fw::VK_RIGHT, {4, 2}},
               {fw::VK_TAB, {4, 2}},
               {fw::VK_NEXT, {3, 6}},
               {fw::VK_HOME, {2, 2}},
               {fw::VK_END, {5, 2}}};
  for (const auto& m : moves) {
    f.ClickCell(3, 2);
    f.host.PressKey(m.key);
    EXPECT_EQ((fw::TGridCoord{f.ed->Col(), f.ed->Row()}), m.after) << m.key;
  }
  f.ClickCell(3, 2);
  f.host.PressKey(fw::VK_F2);
  EXPECT_FALSE(f.ed->EditorMode());
}

TEST(NTabEdKeys, TabWalksTheDataCellsRowByRow) {
  EditorFixture f;
  f.ClickCell(4, 1);
  f.host.PressKey(fw::VK_TAB);
  EXPECT_EQ((fw::TGridCoord{f.ed->Col(), f.ed->Row()}), (fw::TGridCoord{2, 2}));
  f.host.PressKey(fw::VK_TAB, {fw::ssShift});
  EXPECT_EQ((fw::TGridCoord{f.ed->Col(), f.ed->Row()}), (fw::TGridCoord{4, 1}));
}

TEST(NTabEdHeadings, AttributesAreLimitedAndNamesAcceptedOrDiscarded) {
  EditorFixture f;
  f.ed->SetAttribColVisible(true);
  struct Case {
    const char* typed;
    int attrib;
    int attributeEvents;
  };
  const Case cases[] = {{"300", 255, 1}, {"-5", 0, 1}, {"abc", 0, 0}, {"17.6", 18, 1}};
  for (const Case& c : cases) {
    f.fired.clear();
    f.ed->EditHeading(2, 1);  // attribute row, data column 1
    ASSERT_TRUE(f.ed->HeadingEditing());
    f.ed->HeadingEditor()->SetText(c.typed);
    f.host.KeyPress(U'\r');
    EXPECT_FALSE(f.ed->HeadingEditing());
    EXPECT_EQ(f.ed->GetColAttrib(1), c.attrib) << c.typed;
    EXPECT_EQ(f.fired["Attribute"], c.attributeEvents) << c.typed;
  }
  f.ed->SetColName(2, "Temp");
  ASSERT_TRUE(f.ChooseFromMenu(3, 0, "Edit Heading"));
  f.ed->HeadingEditor()->SetText("Pressure");
  f.host.KeyPress(0x1B);
  EXPECT_EQ(f.ed->GetColName(2), "Temp");
  f.ed->EditHeading(0, 3);  // row name of data row 2
  EXPECT_EQ(f.ed->HeadingEditor()->Text(), "");
  f.ed->HeadingEditor()->SetText("Second");
  f.host.KeyPress(U'\r');
  EXPECT_EQ(f.ed->GetRowName(2), "Second");
  f.ed->EditHeading(0, 0);
  EXPECT_FALSE(f.ed->HeadingEditing()) << "the corner has no heading";
}

TEST(NTabEdComment, EnterStoresWhatTheSetterWouldEscapeDiscards) {
  EditorFixture f;
  f.ClickCell(0, 0, fw::mbRight);
  ASSERT_TRUE(f.ed->CommentMode());
  f.ed->CommentEditor()->SetText("run 7\tcalibrated");
  f.fired.clear();
  f.host.KeyPress(U'\r');
  EXPECT_FALSE(f.ed->CommentMode());
  EXPECT_EQ(f.ed->Comment(), "run 7calibrated");
  EXPECT_EQ(f.fired["Change"], 1);
  f.ClickCell(0, 0, fw::mbRight);
  f.ed->CommentEditor()->SetText("discarded");
  f.host.KeyPress(0x1B);
  EXPECT_EQ(f.ed->Comment(), "run 7calibrated");
  f.ed->SetCommentEditingAllowed(false);
  f.ClickCell(0, 0, fw::mbRight);
  EXPECT_FALSE(f.ed->CommentMode());
}

TEST(NTabEdCursor, TheCornerShowsTheCurrentCellUnlessSwitchedOff) {
  for (bool show : {true, false}) {
    EditorFixture f;
    f.ed->SetShowCellCursor(show);
    f.ClickCell(2, 1);
    f.host.PressKey(fw::VK_DOWN);
    EXPECT_EQ(f.HasInk(f.Cell(0, 0), f.ed->ColorNormal()), show);
  }
}

}  // namespace
