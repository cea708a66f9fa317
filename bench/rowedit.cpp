// The row editing form and the combo box's list: building and showing the dialog for a
// 50-column row, then closing it (OK, nothing changed); dropping down a 1,000-item combo box
// with its list painted, then closing it.
#include <benchmark/benchmark.h>

#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/stdctrls/combo_box.h"
#include "replist/ZEB_replist.h"

namespace {

// Columns of every kind in turn: text, number, list, free list, date.
const char* const kFormats[] = {"[s][150]$pwd$8", "[i][80]rix4", "[l][120]red|green|blue|black",
                                "[c:6][140]one|two|three|four", "[ddd.MM.yyyy][110]"};

void BM_RowEditDialog50Columns(benchmark::State& state) {
  fw::TestHost host(900, 700);
  auto* view = new zeb::TReportListView(host.Form());
  view->SetParent(host.Form());
  view->SetBounds(0, 0, 800, 600);
  view->SetNrCols(50);
  view->SetNrRows(10);
  for (int c = 1; c <= 50; ++c) {
    view->SetColName(c, "Column " + std::to_string(c));
    view->SetColumnFormat(c, kFormats[(c - 1) % 5]);
    view->SetElem(c, 3, (c - 1) % 5 == 4 ? "07.03.2024" : "");
  }
  host.Show();
  // The dialog is painted once shown, then confirmed.
  host.OnModal([](fw::TCustomForm& form) {
    form.PaintPending();
    form.SetModalResult(fw::mrOk);
  });
  for (auto _ : state) benchmark::DoNotOptimize(view->EditRowEntries(3, 10, 10));
}
BENCHMARK(BM_RowEditDialog50Columns)->Unit(benchmark::kMillisecond);

void BM_ComboDropDown1000Items(benchmark::State& state) {
  fw::TestHost host(400, 400);
  auto* box = new fw::TComboBox(host.Form());
  box->SetParent(host.Form());
  box->SetBounds(10, 10, 200, 21);
  box->SetStyle(fw::csDropDownList);
  box->Items()->BeginUpdate();
  for (int i = 0; i < 1000; ++i) box->Items()->Add("Item " + std::to_string(i));
  box->Items()->EndUpdate();
  box->SetItemIndex(500);
  host.Show();
  for (auto _ : state) {
    box->SetDroppedDown(true);
    host.Form()->PaintPending();
    box->CloseUp(false);
  }
}
BENCHMARK(BM_ComboDropDown1000Items)->Unit(benchmark::kMicrosecond);

}  // namespace
