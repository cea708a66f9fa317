// TIntMatrix: 1-based cells that survive resizing, out-of-range conventions and the growth by
// rows that a list of records kept in it relies on.
#include <gtest/gtest.h>

#include <climits>

#include "companion/ZEB_matrix.h"

namespace zeb {
namespace {

void Pattern(TIntMatrix& m) {
  for (int c = 1; c <= m.NrOfColumns(); ++c) {
    for (int r = 1; r <= m.NrOfRows(); ++r) m.SetVal(c, r, c * 100 + r);
  }
}

TEST(IntMatrix, ResizeKeepsTheCommonCellsAndZeroesNewOnes) {
  const struct {
    int cols, rows;
  } sizes[] = {{3, 4}, {5, 6}, {2, 2}, {3, 9}, {7, 4}, {0, 0}, {1, 0}, {0, 3}};
  for (const auto& s : sizes) {
    TIntMatrix m(3, 4);
    Pattern(m);
    m.Resize(s.cols, s.rows);
    ASSERT_EQ(m.NrOfColumns(), s.cols);
    ASSERT_EQ(m.NrOfRows(), s.rows);
    for (int c = 1; c <= s.cols; ++c) {
      for (int r = 1; r <= s.rows; ++r) {
        EXPECT_EQ(m.GetVal(c, r), c <= 3 && r <= 4 ? c * 100 + r : 0) << c << "," << r;
      }
    }
  }
}

TEST(IntMatrix, OutsideCellsReadZeroAndIgnoreWrites) {
  TIntMatrix m(3, 2);
  Pattern(m);
  for (auto [c, r] : {std::pair{0, 1}, {4, 1}, {1, 0}, {1, 3}, {-5, -5}, {INT_MAX, 1}}) {
    m.SetVal(c, r, 77);
    EXPECT_EQ(m.GetVal(c, r), 0);
  }
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 2; ++r) EXPECT_EQ(m.GetVal(c, r), c * 100 + r);
  }
}

TEST(IntMatrix, RowsAppendedOneByOneKeepEarlierRecords) {
  TIntMatrix m;
  m.Resize(3, 0);
  for (int n = 1; n <= 20; ++n) {
    m.SetNRows(m.NrOfRows() + 1);
    m.SetVal(1, n, n);
    m.SetVal(2, n, 12);
    m.SetVal(3, n, -99999);
  }
  ASSERT_EQ(m.NrOfRows(), 20);
  for (int n = 1; n <= 20; ++n) {
    EXPECT_EQ(m.GetVal(1, n), n);
    EXPECT_EQ(m.GetVal(2, n), 12);
    EXPECT_EQ(m.GetVal(3, n), -99999);
  }
  m.SetNRows(0);
  EXPECT_EQ(m.NrOfRows(), 0);
  EXPECT_EQ(m.NrOfColumns(), 3);
}

TEST(IntMatrix, ImpossibleSizesRaiseAndKeepTheMatrix) {
  TIntMatrix m(2, 2);
  Pattern(m);
  for (auto [c, r] : {std::pair{-1, 2}, {2, -1}, {INT_MAX, INT_MAX}}) {
    EXPECT_THROW(m.Resize(c, r), EZEBMatrixError);
    EXPECT_EQ(m.NrOfColumns(), 2);
    EXPECT_EQ(m.GetVal(2, 2), 202);
  }
  EXPECT_THROW(m.SetNRows(-3), EZEBError);
}

TEST(IntMatrix, FillSetsEveryCell) {
  TIntMatrix m(4, 3);
  m.Fill(-8);
  for (int c = 1; c <= 4; ++c) {
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(m.GetVal(c, r), -8);
  }
}

}  // namespace
}  // namespace zeb
