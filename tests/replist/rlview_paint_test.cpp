// Report list view drawing: cell colours by selection, highlight and enabling, shading bands,
// check boxes and radio marks, shortened texts, password cells, the sort arrow, header rows,
// the empty list and the inter-row indicator.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

#include "framework/rtl/colors.h"
#include "replist/ZEB_replist.h"
#include "rlview_fixture.h"

namespace {

using fw::ColorToRGB;
using rltest::ViewFixture;
using zeb::TReportListView;

constexpr fw::TColor kGrey = 0x808080;

TEST(ReportListViewNew, StartsWithFiveColumnsFourRowsAndAColumnHeader) {
  TReportListView view(nullptr);
  EXPECT_EQ(view.NrOfColumns(), 5);
  EXPECT_EQ(view.NrOfRows(), 4);
  EXPECT_EQ(view.ColCount(), 5);
  EXPECT_EQ(view.RowCount(), 5);
  EXPECT_EQ(view.FixedRows(), 1);
  EXPECT_EQ(view.FixedCols(), 0);
  EXPECT_EQ(view.RowHeights(0), 20);
  EXPECT_FALSE(view.CommonHeaderVisible());
  EXPECT_TRUE(view.ColumnHeadersVisible());
  EXPECT_EQ(view.CountHeadRows(), 1);
  EXPECT_FALSE(view.DefaultDrawing());
  EXPECT_EQ(view.Options(),
            (fw::TGridOptions{fw::goFixedVertLine, fw::goFixedHorzLine, fw::goColSizing,
                              fw::goRowSelect, fw::goThumbTracking}));
  EXPECT_TRUE(view.SuppressPaint()) << "painting starts with the window";
  EXPECT_EQ(view.LeftCol(), 1) << "the first column is on screen";
  EXPECT_EQ(view.TopRow(), 1);
  EXPECT_EQ(view.GetColOrder(3), 3);
  EXPECT_EQ(view.GetColAlignment(2), zeb::taLeftJustify);
}

// Each case prepares row 2 and expects the background of its cell in data column 1.
TEST(ReportListViewPaint, CellColoursFollowSelectionHighlightAndEnabling) {
  constexpr fw::TColor kRow = 0x0000A0, kCol = 0x00A000, kBoth = 0xA00000, kHigh = 0x505050,
                       kOff = 0x101010, kNormal = 0xFFFFFF;
  struct Case {
    bool rowSel, colSel, disabled, highRow, highCol;
    fw::TColor expected;
    const char* what;
  };
  const Case cases[] = {
      {false, false, false, false, false, kNormal, "plain"},
      {true, false, false, false, false, kRow, "row selected"},
      {false, true, false, false, false, kCol, "column selected"},
      {true, true, false, false, false, kBoth, "row and column selected"},
      {true, true, true, false, false, kOff, "disabled row is never selection-coloured"},
      {true, false, false, true, false, kHigh, "highlight wins over selection"},
      {false, false, true, true, false, kOff, "disabled row is never highlighted"},
      {false, false, false, false, true, kHigh, "highlighted column"},
  };
  for (const Case& c : cases) {
    ViewFixture f;
    TReportListView* v = f.view;
    v->SetRowColPattern(0);
    v->SetColorSelectedRow(kRow);
    v->SetColorSelectedCol(kCol);
    v->SetColorSelectedBoth(kBoth);
    v->SetColorHigh(kHigh);
    v->SetColorDisabledBkgd(kOff);
    v->SetRowSelect(2, c.rowSel);
    v->SetColSelect(1, c.colSel);
    v->SetRowEnabled(2, !c.disabled);
    if (c.highRow) v->SetHighLightRow(2);
    if (c.highCol) v->SetHighLightColumn(1);
    EXPECT_EQ(f.Pixel(ViewFixture::Background(ViewFixture::DataCell(0, 2))), c.expected) << c.what;
    EXPECT_EQ(f.Pixel(ViewFixture::Background(ViewFixture::DataCell(0, 3))),
              c.highCol ? kHigh : (c.colSel ? kCol : kNormal))
        << c.what << ": the next row";
  }
}

TEST(ReportListViewPaint, TextColoursFollowTheCellState) {
  ViewFixture f;
  f.view->SetColorSelectedRowText(fw::clRed);
  f.view->SetColorDisabledText(fw::clBlue);
  f.view->SetRowSelect(1, true);
  f.view->SetRowEnabled(2, false);
  const fw::TRect r1 = ViewFixture::DataCell(0, 1), r2 = ViewFixture::DataCell(0, 2),
                  r3 = ViewFixture::DataCell(0, 3);
  EXPECT_EQ(f.InkColumns(r1, fw::clRed), rltest::TextInk("r1c1", 4));
  EXPECT_EQ(f.InkColumns(r2, fw::clBlue), rltest::TextInk("r2c1", 4));
  EXPECT_EQ(f.InkColumns(r3, 0x002000), rltest::TextInk("r3c1", 4)) << "ColorText";
  // A disabled control writes every cell in the inactive caption colour.
  f.view->SetEnabled(false);
  EXPECT_EQ(f.InkColumns(r1, ColorToRGB(fw::clInactiveCaption)), rltest::TextInk("r1c1", 4));
  EXPECT_EQ(f.InkColumns(r3, ColorToRGB(fw::clInactiveCaption)), rltest::TextInk("r3c1", 4));
}

TEST(ReportListViewPaint, BeforeRenderCellMayChangeColoursAndText) {
  ViewFixture f;
  std::vector<std::pair<int, int>> cells;
  f.view->OnBeforeRenderCell = [&](fw::TObject*, int c, int r, fw::TColor&, fw::TColor& brush,
                                   fw::TColor& font, fw::TFontStyles&, std::string& text) {
    cells.emplace_back(c, r);
    if (c == 2 && r == 3) {
      brush = fw::clYellow;
      font = fw::clRed;
      text = "XY";
    }
  };
  f.view->Invalidate();
  const fw::TRect cell = ViewFixture::DataCell(1, 3);
  EXPECT_EQ(f.Pixel(ViewFixture::Background(cell)), ColorToRGB(fw::clYellow));
  EXPECT_EQ(f.InkColumns(cell, fw::clRed), rltest::TextInk("XY", 68));
  // Data columns and rows, 1-based; never for header cells.
  EXPECT_NE(std::find(cells.begin(), cells.end(), std::make_pair(3, 10)), cells.end());
  for (const auto& [c, r] : cells) {
    EXPECT_GE(c, 1);
    EXPECT_GE(r, 1);
  }
}

TEST(ReportListViewPaint, ShadingBandsFollowRowColPattern) {
  constexpr fw::TColor kN = 0xFFFFFF, kS = 0xE0D0C0;
  struct Case {
    int pattern;
    fw::TColor rows[6];
  };
  const Case cases[] = {
      {0, {kN, kN, kN, kN, kN, kN}},
      {1, {kS, kN, kS, kN, kS, kN}},
      {2, {kS, kS, kN, kN, kS, kS}},
      {-3, {kN, kN, kN, kN, kN, kN}},
  };
  for (const Case& c : cases) {
    ViewFixture f;
    f.view->SetColorBkgdShaded(kS);
    f.view->SetRowColPattern(c.pattern);
    for (int r = 1; r <= 6; ++r)
      EXPECT_EQ(f.Pixel(ViewFixture::Background(ViewFixture::DataCell(1, r))), c.rows[r - 1])
          << "pattern " << c.pattern << ", row " << r;
  }
}

// Pixels of the box and tick relative to the cell's top-left corner.
TEST(ReportListViewPaint, CheckBoxesAndTicksArePlacedToThePixel) {
  ViewFixture f;
  TReportListView* v = f.view;
  v->SetRowColPattern(0);
  v->SetColCheckMode(2, zeb::cmBox);
  v->SetElemChecked(2, 1, true);
  v->Data()->Matrix()->SetElem(2, 3, " ");  // a cell holding only its flag
  const fw::TColor shadow = ColorToRGB(fw::clBtnShadow), ink = 0x002000, back = 0xFFFFFF;
  const fw::TRect c1 = ViewFixture::DataCell(1, 1), c2 = ViewFixture::DataCell(1, 2),
                  c3 = ViewFixture::DataCell(1, 3);
  auto at = [&](const fw::TRect& c, int dx, int dy) {
    return f.host.Pixel(c.Left + dx, c.Top + dy);
  };
  for (const fw::TRect* c : {&c1, &c2, &c3}) {
    EXPECT_EQ(at(*c, 4, 4), shadow);
    EXPECT_EQ(at(*c, 14, 14), shadow);
    EXPECT_EQ(at(*c, 4, 14), shadow);
    EXPECT_EQ(at(*c, 3, 4), back);
    EXPECT_EQ(at(*c, 15, 10), back);
  }
  const int tick[][2] = {{6, 8}, {7, 9}, {8, 10}, {6, 10}, {8, 12}, {9, 9}, {12, 6}, {12, 8}};
  for (const auto& p : tick) EXPECT_EQ(at(c1, p[0], p[1]), ink) << p[0] << "," << p[1];
  EXPECT_EQ(at(c1, 9, 12), back) << "end points are not painted";
  for (const auto& p : tick) EXPECT_EQ(at(c2, p[0], p[1]), back);
  // The text starts 16 pixels further right.
  EXPECT_EQ(f.InkColumns(c1, ink).count(c1.Left + 20 + 1), 1u);
  // Without empty boxes the flag-only cell stays blank; hidden boxes keep the tick.
  v->SetShowEmptyCheckBoxes(false);
  EXPECT_EQ(at(c3, 4, 4), back);
  EXPECT_EQ(at(c2, 4, 4), shadow);
  v->SetROCheckmarks(true);
  EXPECT_EQ(at(c1, 4, 4), back);
  EXPECT_EQ(at(c1, 7, 9), ink);
}

TEST(ReportListViewPaint, RadioMarksDrawACircleAndADot) {
  ViewFixture f;
  f.view->SetRowColPattern(0);
  f.view->SetColCheckMode(1, zeb::cmRadio);
  f.view->SetElemChecked(1, 2, true);
  const fw::TRect on = ViewFixture::DataCell(0, 2), off = ViewFixture::DataCell(0, 1);
  auto at = [&](const fw::TRect& c, int dx, int dy) {
    return f.host.Pixel(c.Left + dx, c.Top + dy);
  };
  const int dot[][2] = {{8, 7},  {10, 7},  {7, 8},  {11, 8}, {9, 9},
                        {7, 10}, {11, 10}, {8, 11}, {10, 11}};
  for (const auto& p : dot) {
    EXPECT_EQ(at(on, p[0], p[1]), 0x002000) << p[0] << "," << p[1];
    EXPECT_EQ(at(off, p[0], p[1]), 0xFFFFFF) << p[0] << "," << p[1];
  }
  EXPECT_EQ(at(on, 11, 7), 0xFFFFFF);
  EXPECT_EQ(at(on, 9, 4), ColorToRGB(fw::clBtnShadow)) << "top of the circle";
  EXPECT_EQ(at(on, 4, 4), 0xFFFFFF) << "a circle has no corners";
}

TEST(ReportListViewPaint, TooLongTextsAreShortened) {
  const std::string text = "abcdefghijklmnopqrstuvwxyz";
  // Column 100 px wide: room 91, width without the first character 150:
  // n = Round(26 * 91 / 150 - 4) = 12.
  struct Case {
    zeb::TAlignment align;
    std::string shown;
  };
  const Case cases[] = {{zeb::taLeftJustify, "abcdefghijkl..."},
                        {zeb::taRightJustify, "a...opqrstuvwxyz"}};
  for (const Case& c : cases) {
    ViewFixture f;
    f.view->SetColWidths(1, 100);
    f.view->SetColAlignment(1, c.align);
    f.view->SetElem(1, 1, text);
    const fw::TRect cell = fw::Rect(0, 21, 100, 45);
    const int w = static_cast<int>(c.shown.size()) * 6;
    // The text box is the cell less 4 px on the left and 6 px on the right: 4..94, also when
    // the background reaches one pixel further over the missing grid line.
    const int x = c.align == zeb::taLeftJustify ? 4 : 94 - w;
    std::set<int> expected;
    for (int px : rltest::TextInk(c.shown, x))
      if (px >= 4 && px < 94) expected.insert(px);
    EXPECT_EQ(f.InkColumns(cell, 0x002000), expected) << c.shown;
  }
}

TEST(ReportListViewPaint, PasswordColumnsShowSixStars) {
  ViewFixture f;
  f.view->SetElem(2, 1, "a much longer secret than six");
  f.view->SetElem(2, 2, "x");
  f.view->SetColumnIsPwd(2, true);
  EXPECT_TRUE(f.view->GetColumnIsPwd(2));
  for (int r : {1, 2})
    EXPECT_EQ(f.InkColumns(ViewFixture::DataCell(1, r), 0x002000), rltest::TextInk("******", 68));
}

TEST(ReportListViewPaint, SortArrowPointsByDirectionAndStaysInsideTheColumn) {
  ViewFixture f;
  f.view->SetColName(1, "C-1");
  f.view->Sort(1, -1, true);
  // Left aligned "C-1" (18 px): the arrow's centre is 4 + 18 + 10 = 32, y = 2 + 13 div 2 = 8.
  EXPECT_EQ(f.host.Pixel(28, 11), kGrey);
  EXPECT_EQ(f.host.Pixel(32, 5), ColorToRGB(fw::clWhite));
  EXPECT_EQ(f.host.Pixel(34, 11), ColorToRGB(fw::clWhite));
  f.view->Sort(1, -1, false);
  EXPECT_EQ(f.host.Pixel(32, 11), kGrey);
  EXPECT_EQ(f.host.Pixel(30, 5), kGrey);
  EXPECT_EQ(f.host.Pixel(36, 5), ColorToRGB(fw::clWhite));
  // Centred, the arrow would sit at 4 + 27 + 21 + 10 = 62; it stops 12 px from the right edge.
  f.view->SetColName(1, "ABCDEFG");
  f.view->SetColAlignment(1, zeb::taCenter);
  EXPECT_EQ(f.host.Pixel(56, 11), kGrey);
  EXPECT_EQ(f.host.Pixel(60, 5), ColorToRGB(fw::clWhite));
  EXPECT_NE(f.host.Pixel(62, 11), kGrey);
}

TEST(ReportListViewPaint, ColumnHeadersShowNamesInTheirColours) {
  ViewFixture f;
  f.view->SetColName(2, "Name");
  f.view->SetColorColumnHd(fw::clAqua);
  f.view->SetColorColumnHdText(fw::clRed);
  EXPECT_EQ(f.host.Pixel(64 + 40, 15), ColorToRGB(fw::clAqua));
  EXPECT_EQ(f.InkColumns(ViewFixture::HeaderCell(1), fw::clRed), rltest::TextInk("Name", 68));
  EXPECT_EQ(f.host.Pixel(64, 10), ColorToRGB(fw::clWhite)) << "raised left edge";
  // One raised bar: light left edges per column, the dark edges only at the bar's ends.
  EXPECT_EQ(f.host.Pixel(127, 10), ColorToRGB(fw::clAqua)) << "no dark edge between columns";
  EXPECT_EQ(f.host.Pixel(3 * 64 - 1, 10), kGrey) << "dark right end of the bar";
  EXPECT_EQ(f.host.Pixel(100, 19), kGrey) << "dark bottom edge";
  f.view->SetEnabled(false);
  EXPECT_EQ(f.host.Pixel(64 + 40, 15), 0xF0F0F0) << "disabled header background";
}

TEST(ReportListViewPaint, CommonHeaderSpansTheColumnsAboveTheColumnHeaders) {
  ViewFixture f;
  f.view->SetColorCommonHd(fw::clYellow);
  f.view->SetCommonHeaderVisible(true);
  EXPECT_EQ(f.view->CountHeadRows(), 2);
  EXPECT_EQ(f.view->FixedRows(), 2);
  for (int x : {20, 64, 128, 150}) EXPECT_EQ(f.host.Pixel(x, 16), ColorToRGB(fw::clYellow)) << x;
  // Column headers moved to the second row; data row 1 starts below both.
  EXPECT_EQ(f.host.Pixel(100, 35), ColorToRGB(fw::clBtnFace));
  EXPECT_EQ(f.view->MouseCell(100, 10).Y, -2);
  EXPECT_EQ(f.view->MouseCell(100, 30).Y, -1);
  EXPECT_EQ(f.view->MouseCell(100, 50).Y, 1);
}

TEST(ReportListViewPaint, HeaderHeightsAreClampedAndApplied) {
  ViewFixture f;
  struct Case {
    int set, expected;
  };
  for (const Case c : {Case{3, 8}, Case{500, 127}, Case{33, 33}}) {
    f.view->SetColumnHeadersHeight(c.set);
    EXPECT_EQ(f.view->ColumnHeadersHeight(), c.expected);
    EXPECT_EQ(f.view->RowHeights(0), c.expected);
    f.view->SetCommonHeaderHeight(c.set);
    EXPECT_EQ(f.view->CommonHeaderHeight(), c.expected);
  }
  f.view->SetCommonHeaderVisible(true);
  f.view->SetCommonHeaderHeight(40);
  f.view->SetColumnHeadersHeight(15);
  EXPECT_EQ(f.view->RowHeights(0), 40);
  EXPECT_EQ(f.view->RowHeights(1), 15);
  f.view->SetColumnHeadersVisible(false);
  EXPECT_EQ(f.view->RowHeights(0), 40);
  EXPECT_EQ(f.view->RowHeights(1), f.view->DefaultRowHeight());
}

// SetTopRow takes any data row, leaving empty space (in the view's colour) below the last one;
// the grid's own limit returns with the next scroll by key.
TEST(ReportListViewPaint, SetTopRowTakesAnyRowAndKeysBringTheScrollLimitBack) {
  ViewFixture f(3, 10);
  for (const auto& [asked, top] : {std::pair{0, 1},
                                   {1, 1},
                                   {-4, 1},
                                   {INT_MIN, 1},
                                   {10, 10},
                                   {1000, 10},
                                   {INT_MAX, 10},
                                   {4, 4}}) {
    f.view->SetTopRow(asked);
    EXPECT_EQ(f.view->TopRow(), top) << asked;
  }
  f.view->SetColor(fw::clAqua);
  f.view->SetTopRow(1000);
  f.host.ProcessMessages();
  EXPECT_EQ(f.InkColumns(ViewFixture::DataCell(0, 1), 0x002000), rltest::TextInk("r10c1", 4))
      << "row 10 on top";
  EXPECT_TRUE(f.InkColumns(ViewFixture::DataCell(0, 3), 0x002000).empty()) << "nothing below";
  EXPECT_EQ(f.Pixel(ViewFixture::Background(ViewFixture::DataCell(0, 3))), fw::clAqua)
      << "the empty space below it in the view's colour";
  f.view->SetFocus();
  f.host.PressKey(fw::VK_DOWN);
  EXPECT_EQ(f.view->TopRow(), 1) << "all ten rows fit: the scroll limit is the first row";
  // An empty list shows its first row place.
  f.view->SetNrRows(0);
  f.view->SetTopRow(5);
  EXPECT_EQ(f.view->TopRow(), 1);
}

TEST(ReportListViewPaint, EmptyListShowsItsMessageCentred) {
  ViewFixture f;
  f.view->SetColor(fw::clSilver);
  f.view->SetColorEmptyMsg(fw::clRed);
  f.view->SetEmptyMessage("No|data");
  f.view->SetNrRows(0);
  EXPECT_EQ(f.view->RowCount(), 2) << "the grid keeps one data row";
  EXPECT_EQ(f.host.Pixel(30, 30), ColorToRGB(fw::clSilver));
  EXPECT_EQ(f.host.Pixel(390, 290), ColorToRGB(fw::clSilver));
  // y0 = 21, y1 = 21 - 2 * 13; line 1 at (400 - 12) div 2, -5 + 305 div 2 - 2 = 145.
  std::set<int> expected = rltest::TextInk("No", 194);
  EXPECT_EQ(f.InkColumns(fw::Rect(0, 145, 400, 158), fw::clRed), expected);
  EXPECT_EQ(f.InkColumns(fw::Rect(0, 158, 400, 171), fw::clRed), rltest::TextInk("data", 188));
}

TEST(ReportListViewPaint, InterRowIndicatorMarksTheLineAboveARow) {
  ViewFixture f(3, 10);
  f.view->SetInterRowIndicatorColor(fw::clRed);
  f.view->SetInterRowIndi(3);
  // The line above row 3 (y = 21 + 2 * 24 - 1), 3 px wide.
  for (int y : {67, 68, 69}) EXPECT_EQ(f.host.Pixel(100, y), ColorToRGB(fw::clRed)) << y;
  EXPECT_NE(f.host.Pixel(100, 71), ColorToRGB(fw::clRed));
  f.view->SetInterRowIndi(11);
  EXPECT_EQ(f.host.Pixel(100, 261), ColorToRGB(fw::clRed)) << "below the last row";
  EXPECT_NE(f.host.Pixel(100, 68), ColorToRGB(fw::clRed));
  f.view->SetInterRowIndi(0);
  EXPECT_NE(f.host.Pixel(100, 261), ColorToRGB(fw::clRed));
  f.view->SetInterRowIndi(12);
  EXPECT_NE(f.host.Pixel(100, 261), ColorToRGB(fw::clRed));
}

TEST(ReportListViewPaint, FixedFirstColumnLooksRaised) {
  ViewFixture f;
  f.view->SetColorColumnHd(fw::clLime);
  f.view->SetFixedFirstColumn(true);
  EXPECT_EQ(f.view->FixedCols(), 1);
  const fw::TRect c = ViewFixture::DataCell(0, 2);
  EXPECT_EQ(f.host.Pixel(c.Left, c.Top + 5), ColorToRGB(fw::clWhite));
  EXPECT_EQ(f.host.Pixel(c.Left + 5, c.Top), ColorToRGB(fw::clWhite));
  EXPECT_EQ(f.host.Pixel(c.Right - 1, c.Top + 5), kGrey);
  EXPECT_EQ(f.host.Pixel(c.Left + 5, c.Bottom - 1), kGrey);
  EXPECT_EQ(f.host.Pixel(c.Left + 2, c.Bottom - 4), ColorToRGB(fw::clLime));
}

TEST(ReportListViewPaint, SuppressedPaintingLeavesTheSurfaceAlone) {
  ViewFixture f;
  f.view->SetRowColPattern(0);
  f.view->SetSuppressPaint(true);
  f.view->SetColorBkgdNormal(fw::clYellow);
  EXPECT_EQ(f.Pixel(ViewFixture::Background(ViewFixture::DataCell(0, 1))), 0xFFFFFF);
  f.view->SetSuppressPaint(false);
  EXPECT_EQ(f.Pixel(ViewFixture::Background(ViewFixture::DataCell(0, 1))),
            ColorToRGB(fw::clYellow));
}

}  // namespace

namespace {

// The colour choice on its own: each state against the colour it must pick.
TEST(ReportListViewColors, EachCellStatePicksItsColours) {
  zeb::TRepListColors colors;
  colors.bkgdNormal = 0x000001;
  colors.bkgdShaded = 0x000002;
  colors.text = 0x000003;
  colors.disabledBkgd = 0x000004;
  colors.disabledText = 0x000005;
  colors.selBoth = 0x000006;
  colors.selBothText = 0x000007;
  colors.selCol = 0x000008;
  colors.selColText = 0x000009;
  colors.selRow = 0x00000A;
  colors.selRowText = 0x00000B;
  colors.high = 0x00000C;
  colors.highText = 0x00000D;
  colors.columnHd = 0x00000E;
  struct Case {
    const char* what;
    zeb::TDataCellState state;
    fw::TColor brush, font;
    bool bold;
  };
  using S = zeb::TDataCellState;
  const Case cases[] = {
      {"plain", S{}, 0x01, 0x03, false},
      {"shaded", S{.shaded = true}, 0x02, 0x03, false},
      {"disabled row wins over selection and highlight",
       S{.rowDisabled = true, .rowSelected = true, .highlighted = true}, 0x04, 0x05, false},
      {"row and column selected", S{.rowSelected = true, .colSelected = true}, 0x06, 0x07, false},
      {"column selected", S{.colSelected = true}, 0x08, 0x09, false},
      {"row selected", S{.rowSelected = true}, 0x0A, 0x0B, false},
      {"highlight wins over selection", S{.rowSelected = true, .highlighted = true}, 0x0C, 0x0D,
       true},
      {"fixed column keeps the highlight's text", S{.highlighted = true, .fixedColumn = true}, 0x0E,
       0x0D, true},
      {"disabled view: no selection, grey text",
       S{.enabled = false, .rowSelected = true, .highlighted = true}, 0x01, fw::clInactiveCaption,
       false},
  };
  for (const Case& c : cases) {
    const zeb::TCellColors got = zeb::DataCellColors(colors, c.state, true);
    EXPECT_EQ(got.brush, c.brush) << c.what;
    EXPECT_EQ(got.pen, c.brush) << c.what;
    EXPECT_EQ(got.font, c.font) << c.what;
    EXPECT_EQ(got.bold, c.bold) << c.what;
  }
}

}  // namespace
