// Grid layout: offsets of the attribute column and row, resizing with and without data,
// widths and precisions of new columns, and the headings staying headings.
#include <gtest/gtest.h>

#include <memory>

#include "ntabed/ZEB_ntabed.h"
#include "tests/ntabed/ntabed_fixture.h"

namespace {

TEST(NTabEdLayout, OffsetsFollowTheAttributeColumnAndRow) {
  struct Case {
    bool attribCol, attribRow;
    int colOff, rowOff;
  };
  const Case cases[] = {
      {true, false, 1, 0}, {false, false, 0, 0}, {true, true, 1, 1}, {false, true, 0, 1}};
  for (const Case& c : cases) {
    zeb::TNTabEd ed(nullptr);
    ed.SetColWidths(2, 50);
    ed.SetAttribRowVisible(c.attribCol);
    ed.SetAttribColVisible(c.attribRow);
    EXPECT_EQ(ed.ColOffset(), c.colOff);
    EXPECT_EQ(ed.RowOffset(), c.rowOff);
    EXPECT_EQ(ed.ColCount(), 3 + c.colOff + 1);
    EXPECT_EQ(ed.RowCount(), 4 + c.rowOff + 1);
    EXPECT_EQ(ed.FixedCols(), c.colOff + 1);
    EXPECT_EQ(ed.FixedRows(), c.rowOff + 1);
    EXPECT_EQ(ed.GetColWidths(2), 50) << "a data column keeps its width";
    EXPECT_EQ(ed.GetColWidths(0), 80);
    EXPECT_EQ(ed.GetColWidths(-1), c.attribCol ? 32 : 0);
  }
}

TEST(NTabEdLayout, TheAttributeColumnRemembersItsWidth) {
  zeb::TNTabEd ed(nullptr);
  ed.SetColWidths(-1, 45);
  ed.SetAttribRowVisible(false);
  ed.SetColWidths(-1, 99);  // hidden: nothing happens
  ed.SetAttribRowVisible(true);
  EXPECT_EQ(ed.GetColWidths(-1), 45);
  ed.SetDefaultColWidth(70);
  EXPECT_EQ(ed.GetColWidths(0), 80);
  EXPECT_EQ(ed.GetColWidths(-1), 45);
}

TEST(NTabEdLayout, GrowingGivesNewColumnsTheLastPrecisionAndWidth) {
  zeb::TNTabEd ed(nullptr);
  ed.SetDecPlaces(3, 5);
  ed.SetColWidths(3, 77);
  ed.SetNrCols(5);
  EXPECT_EQ(ed.GetDecPlaces(4), 5);
  EXPECT_EQ(ed.GetDecPlaces(5), 5);
  EXPECT_EQ(ed.GetColWidths(4), 77);
  EXPECT_EQ(ed.GetColWidths(5), 77);
  EXPECT_EQ(ed.ColCount(), 7);
}

TEST(NTabEdLayout, EmptyingAndRegrowingKeepsTheHeadings) {
  for (bool withData : {false, true}) {
    zeb::TNTabEd ed(nullptr);
    if (withData) ed.Fill(1.5);
    ed.SetNrCols(0);
    ed.SetNrRows(0);
    ed.Redimension(2, 3);
    EXPECT_EQ(ed.FixedCols(), 2);
    EXPECT_EQ(ed.FixedRows(), 1);
    EXPECT_EQ(ed.GetColWidths(0), 80) << "the row-name column keeps its width";
    EXPECT_EQ(ed.GetColWidths(-1), 32);
    EXPECT_EQ(ed.GetColWidths(1), ed.DefaultColWidth());
    EXPECT_EQ(ed.GetDecPlaces(1), 2) << "no old column: precision 2";
  }
}

TEST(NTabEdLayout, RemovingKeepsAtLeastOneLineAndPrecisionsMoveWithColumns) {
  zeb::TNTabEd ed(nullptr);
  ed.SetDecPlaces(1, 1);
  ed.SetDecPlaces(2, 2);
  ed.SetDecPlaces(3, 4);
  ed.RemoveColumn(2);
  EXPECT_EQ(ed.NrOfColumns(), 2);
  EXPECT_EQ(ed.GetDecPlaces(1), 1);
  EXPECT_EQ(ed.GetDecPlaces(2), 4);
  ed.InsertColumn(1);
  EXPECT_EQ(ed.GetDecPlaces(2), 1);
  EXPECT_EQ(ed.GetDecPlaces(3), 4);
  ed.SetNrRows(1);
  ed.RemoveRow(1);
  EXPECT_EQ(ed.NrOfRows(), 1);
  ed.MirrorColumns();
  EXPECT_EQ(ed.GetDecPlaces(1), 4);
}

TEST(NTabEdLayout, ClearNamesHeadingsAndResetsPrecisions) {
  zeb::TNTabEd ed(nullptr);
  ed.SetDecPlaces(2, 7);
  ed.SetElem(1, 1, 3.0);
  ed.Clear();
  EXPECT_EQ(ed.GetColName(3), "C-3");
  EXPECT_EQ(ed.GetRowName(4), "R-4");
  EXPECT_EQ(ed.GetDecPlaces(2), 3);
  EXPECT_EQ(ed.GetElem(1, 1), 0.0);
}

TEST(NTabEdLayout, HeadingSettersCutAndIgnoreOutsideIndices) {
  zeb::TNTabEd ed(nullptr);
  int heading = 0;
  ed.OnHeadingChanged = [&](fw::TObject*) { ++heading; };
  ed.SetColName(1, std::string(60, 'x'));
  EXPECT_EQ(ed.GetColName(1).size(), 50u);
  ed.SetColName(9, "far");
  EXPECT_EQ(ed.GetColName(9), "");
  EXPECT_EQ(heading, 1);
  ed.SetRowAttrib(2, 200);
  EXPECT_EQ(ed.GetRowAttrib(2), 200);
  EXPECT_EQ(ed.GetRowAttrib(7), 0);
}

// A table handed over is watched: deleting it first leaves the editor on its own table.
TEST(NTabEdTable, AHandedOverTableMayBeDeletedFirst) {
  zeb::TNTabEd ed(nullptr);
  int changes = 0;
  ed.OnChange = [&](fw::TObject*) { ++changes; };
  auto other = std::make_unique<zeb::TDataTable>(nullptr);
  other->Resize(6, 2);
  other->SetElem(6, 2, 9.5);
  ed.AssignAnotherDataMatrix(other.get());
  EXPECT_EQ(ed.NrOfColumns(), 6);
  EXPECT_EQ(ed.ColCount(), 8);
  EXPECT_EQ(ed.GetElem(6, 2), 9.5);
  other->SetElem(1, 1, 4.0);
  EXPECT_EQ(changes, 1);
  other.reset();
  EXPECT_EQ(ed.DataTable()->NrOfColumns(), 3);
  EXPECT_EQ(ed.ColCount(), 5);
  EXPECT_EQ(ed.RowCount(), 5);
}

TEST(NTabEdTable, AnEditorLeavesAHandedOverTableAlone) {
  auto other = std::make_unique<zeb::TDataTable>(nullptr);
  other->Resize(2, 2);
  {
    zeb::TNTabEd ed(nullptr);
    ed.AssignAnotherDataMatrix(other.get());
  }
  other->SetElem(1, 1, 1.0);  // no handler of the deleted editor is left to run
  EXPECT_EQ(other->GetElem(1, 1), 1.0);
}

TEST(NTabEdTable, ChangesUnderAnUpdateAreNotReported) {
  ntest::EditorFixture f;
  f.fired.clear();
  f.ed->MarkAllElemsA();
  EXPECT_EQ(f.fired["CellState"], 1);
  EXPECT_EQ(f.fired["Change"], 0) << "the marks were set under the updating guard";
  EXPECT_EQ(f.ed->NrOfMarkedDataA(), 12);
  f.ed->SetSuppressPaint(true);
  f.ed->SetElemMarkedB(1, 1, true);
  f.ed->SetSuppressPaint(false);
  EXPECT_EQ(f.fired["CellState"], 1);
  EXPECT_TRUE(f.ed->IfRowMarked(1));
  EXPECT_FALSE(f.ed->IfRowMarked(9));
  f.ed->UnMarkAllElems();
  EXPECT_FALSE(f.ed->IfAnyMarked());
}

}  // namespace

namespace {

TEST(NTabEdTable, CopyingFromAnotherEditorTakesTableAndPrecisions) {
  zeb::TNTabEd source(nullptr), target(nullptr);
  source.Redimension(2, 3);
  source.SetElem(2, 3, 8.5);
  source.SetDecPlaces(2, 6);
  source.SetCellState(1, 1, zeb::csMarkB);
  target.CopyContentsFrom(source);
  EXPECT_EQ(target.NrOfColumns(), 2);
  EXPECT_EQ(target.ColCount(), 4);
  EXPECT_EQ(target.GetElem(2, 3), 8.5);
  EXPECT_EQ(target.GetDecPlaces(2), 6);
  target.SetCellState(1, 1, 0);
  target.CopyCellStatesFrom(source);
  EXPECT_TRUE(target.GetElemMarkedB(1, 1));
}

TEST(NTabEdTable, PrecisionsFollowSortedColumns) {
  for (bool follow : {true, false}) {
    zeb::TNTabEd ed(nullptr);
    ed.SetPrecisionFollowsColumns(follow);
    ed.SetElem(1, 1, 3.0);
    ed.SetElem(2, 1, 1.0);
    ed.SetElem(3, 1, 2.0);
    ed.SetDecPlaces(1, 1);
    ed.SetDecPlaces(2, 2);
    ed.SetDecPlaces(3, 5);
    ed.SortCols(1, true, 1, 1, 3, 4, true);
    EXPECT_EQ(ed.GetElem(1, 1), 1.0);
    EXPECT_EQ(ed.GetDecPlaces(1), follow ? 2 : 1) << follow;
    EXPECT_EQ(ed.DataCellText(1, 1), follow ? "1.00" : "1.0");
  }
}

TEST(NTabEdEditor, NominalCellsOfferTheirNamesInAPickList) {
  ntest::EditorFixture f;
  f.ed->DataTable()->SetMScaleType(3, zeb::stNominal);
  f.ed->DataTable()->SetNominalID(3, 2, "rain");
  f.ed->DataTable()->SetNominalID(3, 0, "clear");
  f.ed->SetNomEditDropDownCount(3);
  f.ClickCell(4, 2);
  f.ClickCell(4, 2);
  f.host.KeyPress(U'r');
  ASSERT_TRUE(f.ed->EditorMode());
  auto* editor = dynamic_cast<fw::TInplaceEditList*>(f.ed->InplaceEditor());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->PickList()->Count(), 2);
  EXPECT_EQ(editor->PickList()->Strings(0), "clear");
  EXPECT_EQ(editor->DropDownRows(), 3);
  EXPECT_EQ(editor->EditStyle(), fw::esPickList);
  f.host.KeyPress(U'\x1b');
  EXPECT_FALSE(f.ed->EditorMode());
}

}  // namespace
