// The report list view over one million rows by eight columns: a full repaint of an 800 x 600
// view (against a 100-row list), a header-click sort, selecting all rows, inverting a check
// column and fitting all column widths.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "replist/ZEB_replist.h"

namespace {

constexpr int kCols = 8;

// A shown 800 x 600 view with `rows` rows of random 8-letter texts; column 1 holds check
// boxes, column 2 numbers.
struct ListOnForm {
  fw::TestHost host{820, 620};
  zeb::TReportListView* view;
  explicit ListOnForm(int rows) {
    view = new zeb::TReportListView(host.Form());
    view->SetParent(host.Form());
    view->SetBounds(0, 0, 800, 600);
    view->SetNrCols(kCols);
    view->SetNrRows(rows);
    view->SetCommonHeaderVisible(true);
    std::mt19937 random(4711);
    std::string text(8, ' ');
    for (int c = 1; c <= kCols; ++c) {
      for (int r = 1; r <= rows; ++r) {
        if (c == 2) {
          text = std::to_string(random() % 100000);
        } else {
          text.resize(8);
          for (char& ch : text) ch = static_cast<char>('a' + random() % 26);
        }
        view->Data()->Matrix()->SetElem(c, r, text);
      }
    }
    view->SetColCheckMode(1, zeb::cmBox);
    host.Show();
  }
};

ListOnForm& Big() {
  static ListOnForm list(1000000);
  return list;
}

void BM_FullRepaint(benchmark::State& state) {
  static ListOnForm small(100);
  ListOnForm& list = state.range(0) == 100 ? small : Big();
  fw::TBitmap target;
  target.SetSize(800, 600);
  for (auto _ : state) {
    list.view->PaintTo(target.Canvas(), 0, 0);
    benchmark::DoNotOptimize(target.ScanLine(300));
  }
}
BENCHMARK(BM_FullRepaint)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A click on the second column's header: sorts (alternating direction) and finds the row of
// the previously current record again.
void BM_HeaderClickSort(benchmark::State& state) {
  ListOnForm& list = Big();
  for (auto _ : state) list.host.Click(64 + 30, 30);
  list.view->UnSort();
}
BENCHMARK(BM_HeaderClickSort)->Unit(benchmark::kMillisecond)->Iterations(4);

void BM_SelectAllRows(benchmark::State& state) {
  ListOnForm& list = Big();
  for (auto _ : state) {
    list.view->SelectAllRows();
    list.host.ProcessMessages();
  }
  list.view->DeselectAllRows();
}
BENCHMARK(BM_SelectAllRows)->Unit(benchmark::kMillisecond);

void BM_InvertAllCheckmarksOfCol(benchmark::State& state) {
  ListOnForm& list = Big();
  for (auto _ : state) {
    list.view->InvertAllCheckmarksOfCol(1);
    list.host.ProcessMessages();
  }
}
BENCHMARK(BM_InvertAllCheckmarksOfCol)->Unit(benchmark::kMillisecond);

void BM_FitAllColWidths(benchmark::State& state) {
  ListOnForm& list = Big();
  for (auto _ : state) {
    list.view->FitAllColWidths(kCols, true, 0, 400, 0);
    list.host.ProcessMessages();
  }
}
BENCHMARK(BM_FitAllColWidths)->Unit(benchmark::kMillisecond);

}  // namespace
