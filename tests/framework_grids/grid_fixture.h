// The grid most grid tests start from: a shown 300 x 200 draw grid of 10 columns and 50 rows,
// without border and scroll bars, on a test host's form.
#pragma once

#include "framework/backend/headless/test_host.h"
#include "framework/grids/grids.h"

namespace fw::test {

// A 300 x 200 grid of 10 columns and 50 rows without border and scroll bars, placed on the
// host's form (not yet shown).
template <typename Grid>
Grid* PlaceTestGrid(TestHost& host) {
  auto* grid = new Grid(host.Form());
  grid->SetParent(host.Form());
  grid->SetBorderStyle(bsNone);
  grid->SetScrollBars(ssNone);
  grid->SetBounds(0, 0, 300, 200);
  grid->SetColCount(10);
  grid->SetRowCount(50);
  return grid;
}

struct GridFixture {
  TestHost host{400, 300};
  TDrawGrid* grid;
  GridFixture() {
    grid = PlaceTestGrid<TDrawGrid>(host);
    host.Show();
  }
};

}  // namespace fw::test
