// Cell text: the number format per precision and width, states, nominal columns, and the
// precision list's limits.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "ntabed/ZEB_ntabed.h"

namespace {

using zeb::FormatCellValue;

TEST(NTabEdCellText, FixedWithinTheColumnsRangeScientificOtherwise) {
  struct Case {
    double x;
    int d;
    int w;
    const char* text;
  };
  const Case cases[] = {
      {0.0, 0, 1, "0"},
      {0.5, 0, 1, " 5.0E-01"},  // below the lower bound of 0 decimals
      {1.5, 2, 1, "1.50"},
      {-7.0, 1, 1, "-7.0"},
      {12345.678, 3, 1, "12345.678"},
      {123456.7, 3, 1, " 1.2E+05"},  // above 99999.999
      {0.0005, 3, 1, " 5.0E-04"},
      {0.99999999, 8, 1, "0.99999999"},
      {2.0, -1, 1, " 2.0E+00"},  // -1, 9 and 10 always give scientific text
      {2.0, 9, 1, " 2.0E+00"},
      {2.0, 10, 1, " 2.0E+00"},
      {1e150, 3, 1, "********"},  // a three-digit exponent
      {-1e-200, 3, 1, "********"},
      {1.5, 1, 5, "  1.5"},        // NumWidth pads fixed text
      {0.5, 0, 5, " 5.0000E-01"},  // and widens the mantissa
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatCellValue(c.x, c.d, c.w), c.text) << c.x << " d=" << c.d << " w=" << c.w;
}

TEST(NTabEdCellText, StatesAndNominalColumns) {
  zeb::TNTabEd ed(nullptr);
  ed.SetElem(1, 1, 2.5);
  ed.SetCellState(1, 2, zeb::csUndefined);
  ed.SetCellState(1, 3, zeb::csEmpty | zeb::csUndefined);
  EXPECT_EQ(ed.DataCellText(1, 1), "2.500");
  EXPECT_EQ(ed.DataCellText(1, 2), "-nan-");
  EXPECT_EQ(ed.DataCellText(1, 3), "");

  zeb::TDataTable* table = ed.DataTable();
  table->SetMScaleType(2, zeb::stNominal);
  table->SetNominalID(2, 0, "none");
  table->SetNominalID(2, 3, "red");
  const struct {
    double x;
    const char* text;
  } nominal[] = {{3.0, "red"},       {2.6, "red"},           {0.0, "none"},
                 {7.0, "nominal:7"}, {200.0, "nominal:200"}, {-1.0, "nominal:-1"}};
  for (const auto& c : nominal) {
    ed.SetElem(2, 1, c.x);
    EXPECT_EQ(ed.DataCellText(2, 1), c.text) << c.x;
  }
  // Values no integer holds are named by type and shown in scientific form, never raising.
  ed.SetElem(2, 1, 1e300);
  EXPECT_EQ(ed.DataCellText(2, 1).rfind("nominal:", 0), 0u);
}

TEST(NTabEdCellText, PrecisionIsKeptWithinMinusOneAndTen) {
  zeb::TNTabEd ed(nullptr);
  const struct {
    int set;
    int stored;
  } cases[] = {{25, 10}, {-5, -1}, {0, 0}, {10, 10}, {-1, -1}, {7, 7}};
  for (const auto& c : cases) {
    ed.SetDecPlaces(2, c.set);
    EXPECT_EQ(ed.GetDecPlaces(2), c.stored) << c.set;
  }
  EXPECT_EQ(ed.GetDecPlaces(0), 0);
  EXPECT_EQ(ed.GetDecPlaces(4), 0);
  ed.SetDecPlaces(4, 5);  // outside: ignored
  EXPECT_EQ(ed.GetDecPlaces(3), 3);
}

TEST(NTabEdCellText, NumWidthAcceptsOneToTwentyButAlwaysReports) {
  zeb::TNTabEd ed(nullptr);
  int layout = 0;
  ed.OnLayoutChanged = [&](fw::TObject*) { ++layout; };
  ed.SetNumWidth(0);
  ed.SetNumWidth(21);
  EXPECT_EQ(ed.NumWidth(), 1);
  ed.SetNumWidth(20);
  EXPECT_EQ(ed.NumWidth(), 20);
  EXPECT_EQ(layout, 3);
}

TEST(NTabEdCellText, ValuesAreClampedWhileARangeIsSet) {
  zeb::TNTabEd ed(nullptr);
  ed.SetElem(1, 1, -50.0);
  EXPECT_EQ(ed.GetElem(1, 1), -50.0);  // no range: as given
  ed.SetVRangeLow(0.0);
  ed.SetVRangeHigh(100.0);
  const struct { double in, out; } cases[] = {{150.0, 100.0}, {-3.0, 0.0}, {42.5, 42.5}};
  for (const auto& c : cases) {
    ed.SetElem(1, 1, c.in);
    EXPECT_EQ(ed.GetElem(1, 1), c.out) << c.in;
  }
}

}  // namespace
