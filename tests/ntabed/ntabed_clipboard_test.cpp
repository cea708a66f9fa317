// Clipboard exchange: the number scanner, copy text, paste round trips, extraction from messy
// text and the size of a number block, always inside the table.
#include <gtest/gtest.h>

#include <limits>

#include "framework/rtl/numtext.h"
#include "tests/ntabed/ntabed_fixture.h"

namespace {

using ntest::EditorFixture;

TEST(NTabEdScanner, ReadsOneNumberAndStopsOnWhatEndedIt) {
  constexpr double kMax = std::numeric_limits<double>::max();
  struct Case {
    const char* text;
    double value;
    std::size_t end;
  };
  const Case cases[] = {
      {"12. ", 12.0, 3}, {"1e9999 ", kMax, 6},   {"-1e9999 ", -kMax, 7}, {"3EUR", 3.0, 2},
      {"2e+ ", 2.0, 3},  {"-4.5E-1 ", -0.45, 7}, {"+- ", 0.0, 1},        {".5 ", 0.5, 2},
      {"1,5 ", 1.5, 3},  {"  7 ", 7.0, 3},       {"1e-9999 ", 0.0, 7},   {"42", 42.0, 2},
      {"6-7", 6.0, 1},   {"1.2.3", 0.0, 3},
  };
  for (const Case& c : cases) {
    std::size_t pos = 0;
    EXPECT_DOUBLE_EQ(zeb::ScanClipNumber(c.text, pos), c.value) << c.text;
    EXPECT_EQ(pos, c.end) << c.text;
  }
}

TEST(NTabEdClipboard, CopyWritesTheBlockAsText) {
  EditorFixture f;
  f.ed->SetClipboardUseFullPrec(false);
  f.ed->SetElem(1, 1, 1.5);
  f.ed->SetDecPlaces(1, 2);
  f.Select(1, 1, 1, 1);
  f.ed->CopyToClipboard();
  EXPECT_EQ(f.host.ClipboardText(), " 1.50\r\n");

  f.ed->SetIsEmpty(2, 1, true);
  f.ed->SetDecPlaces(2, -1);
  f.ed->SetElem(1, 2, -2.0);
  f.ed->SetElem(2, 2, 3.0);
  f.Select(1, 1, 2, 2);
  f.ed->CopyToClipboard();
  EXPECT_EQ(f.host.ClipboardText(), " 1.50\t####\r\n -2.00\t 3.0E+0000\r\n");

  f.ed->SetClipboardUseFullPrec(true);
  f.Select(2, 2, 2, 2);
  f.ed->CopyToClipboard();
  EXPECT_EQ(f.host.ClipboardText(), " " + fw::Str(3.0, 22) + "\r\n");
  EXPECT_EQ(fw::Str(3.0, 22), " 3.0000000000000E+0000");
}

TEST(NTabEdClipboard, PasteRestoresValuesAndStatesAndStaysInsideTheTable) {
  EditorFixture f;
  f.ed->SetCellState(1, 1, zeb::csUndefined | zeb::csMarkA);
  f.ed->SetIsEmpty(2, 2, true);
  f.Select(1, 1, 2, 2);
  f.ed->CopyToClipboard();
  f.Select(2, 3, 2, 3);
  f.fired.clear();
  f.ed->PasteFromClipboard();
  EXPECT_EQ(f.ed->GetCellState(2, 3), zeb::csUndefined | zeb::csMarkA);
  EXPECT_EQ(f.ed->GetElem(3, 3), 21.0);
  EXPECT_TRUE(f.ed->GetIsEmpty(3, 4));
  EXPECT_EQ(f.ed->GetElem(2, 4), 12.0);
  EXPECT_EQ(f.ed->Selection(), (fw::TGridRect{3, 3, 4, 4}));
  EXPECT_EQ(f.fired["Paste"], 1);
  EXPECT_EQ(f.fired["Change"], 1);

  // A block pasted on the last cell keeps only what fits.
  f.Select(3, 4, 3, 4);
  f.ed->PasteFromClipboard();
  EXPECT_EQ(f.ed->NrOfColumns(), 3);
  EXPECT_EQ(f.ed->NrOfRows(), 4);
  EXPECT_EQ(f.ed->Selection(), (fw::TGridRect{4, 4, 4, 4}));
  EXPECT_TRUE(f.ed->GetCellState(3, 4) & zeb::csUndefined);
}

TEST(NTabEdClipboard, PasteIsClampedToTheValueRange) {
  EditorFixture f;
  f.Select(3, 4, 3, 4);  // 34
  f.ed->CopyToClipboard();
  f.ed->SetVRangeLow(0.0);
  f.ed->SetVRangeHigh(30.0);
  f.Select(1, 1, 1, 1);
  f.ed->PasteFromClipboard();
  EXPECT_EQ(f.ed->GetElem(1, 1), 30.0);
}

TEST(NTabEdClipboard, ExtractReadsNumbersFromMessyText) {
  struct Case {
    const char* text;
    std::vector<std::vector<double>> rows;  // expected values from cell (1, 1)
    fw::TGridRect selection;
  };
  const Case cases[] = {
      {"3e2 -4.5E-1\r\n7", {{300, -0.45}, {7}}, {2, 1, 3, 2}},
      {"1,5", {{1, 5}}, {2, 1, 3, 1}},
      {"mass\t1.5 kg;2.5 kg\r\nprice 3EUR; 4e+\r\n", {{1.5, 2.5}, {3, 4}}, {2, 1, 3, 2}},
      {"1 234.5", {{1, 234.5}}, {2, 1, 3, 1}},
      {"1\r\n\r\n2", {{1}, {}, {2}}, {2, 1, 2, 3}},
      {"no numbers at all", {}, {2, 1, 2, 1}},
  };
  for (const Case& c : cases) {
    EditorFixture f;
    f.ed->Fill(-1.0);
    f.host.SetClipboardText(c.text);
    f.Select(1, 1, 1, 1);
    f.ed->ExtractFromClipboard();
    for (std::size_t r = 0; r < c.rows.size(); ++r)
      for (std::size_t k = 0; k < c.rows[r].size(); ++k)
        EXPECT_DOUBLE_EQ(f.ed->GetElem(int(k) + 1, int(r) + 1), c.rows[r][k]) << c.text;
    EXPECT_EQ(f.ed->Selection(), c.selection) << c.text;
    EXPECT_EQ(f.fired["Paste"], 1);
  }
}

TEST(NTabEdClipboard, ExtractStaysInsideTheTableAndClamps) {
  EditorFixture f;
  f.ed->SetVRangeHigh(100.0);
  f.host.SetClipboardText("500 2 3\r\n4 5 6\r\n");
  f.Select(3, 4, 3, 4);
  f.ed->ExtractFromClipboard();
  EXPECT_EQ(f.ed->GetElem(3, 4), 100.0);
  EXPECT_EQ(f.ed->NrOfColumns(), 3);
  EXPECT_EQ(f.ed->Selection(), (fw::TGridRect{4, 4, 4, 4}));
  f.host.SetClipboardText(std::nullopt);
  f.ed->ExtractFromClipboard();
  EXPECT_EQ(f.fired["Paste"], 1) << "no text: nothing happens";
}

TEST(NTabEdClipboard, MatrixSizeCountsNumbersPerLine) {
  struct Case {
    std::optional<std::string> text;
    bool found;
    int cols, rows;
  };
  const Case cases[] = {
      {"1 2 3\r\n4 5\r\n", true, 3, 3},  // a final line feed counts one row more
      {"1 2 3\r\n4 5 6 7", true, 3, 2},  // the last line does not enter the column count
      {"1,5", true, 1, 1},
      {"none", false, 1, 1},
      {std::nullopt, false, 1, 1},
  };
  for (const Case& c : cases) {
    EditorFixture f;
    f.host.SetClipboardText(c.text);
    int cols = 0, rows = 0;
    EXPECT_EQ(f.ed->GetClipMatrixSize(cols, rows), c.found);
    EXPECT_EQ(cols, c.cols);
    EXPECT_EQ(rows, c.rows);
  }
}

}  // namespace
