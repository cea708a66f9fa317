// The numeric table editor: a full repaint of an 800 x 600 editor over 20 x 1,000,000 cells
// (against 20 x 100), copying 1,000,000 cells as clipboard text, extracting that text back,
// and opening the data popup menu (built, laid out and drawn).
#include <benchmark/benchmark.h>

#include <random>

#include "framework/backend/headless/test_host.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "ntabed/ZEB_ntabed.h"

namespace {

constexpr int kCols = 20;

// A shown 800 x 600 editor over kCols x rows random values with a few marks.
struct EditorOnForm {
  fw::TestHost host{820, 620};
  zeb::TNTabEd* ed;
  explicit EditorOnForm(int rows) {
    ed = new zeb::TNTabEd(host.Form());
    ed->SetParent(host.Form());
    ed->SetBounds(0, 0, 800, 600);
    ed->SetSuppressPaint(true);
    ed->Redimension(kCols, rows);
    std::mt19937 random(4711);
    std::uniform_real_distribution<double> value(-1000.0, 1000.0);
    zeb::TDataTable* table = ed->DataTable();
    for (int c = 1; c <= kCols; ++c)
      for (int r = 1; r <= rows; ++r) table->SetElem(c, r, value(random));
    for (int r = 1; r <= 40; r += 3) table->SetCellState(2, r, zeb::csMarkA);
    ed->SetSuppressPaint(false);
    host.Show();
  }
};

EditorOnForm& Big() {
  static EditorOnForm editor(1000000);
  return editor;
}

void BM_FullRepaint(benchmark::State& state) {
  static EditorOnForm small(100);
  EditorOnForm& editor = state.range(0) == 100 ? small : Big();
  fw::TBitmap target;
  target.SetSize(800, 600);
  for (auto _ : state) {
    editor.ed->PaintTo(target.Canvas(), 0, 0);
    benchmark::DoNotOptimize(target.ScanLine(300));
  }
}
BENCHMARK(BM_FullRepaint)->Arg(100)->Arg(1000000)->Unit(benchmark::kMillisecond);

// 20 columns x 50,000 rows = 1,000,000 cells, full precision.
void SelectMillionCells(EditorOnForm& editor) {
  editor.ed->SetSelection(fw::TGridRect{2, 1, 1 + kCols, 50000});
}

void BM_CopyMillionCells(benchmark::State& state) {
  EditorOnForm& editor = Big();
  SelectMillionCells(editor);
  for (auto _ : state) editor.ed->CopyToClipboard();
  state.counters["bytes"] = static_cast<double>(editor.host.ClipboardText()->size());
}
BENCHMARK(BM_CopyMillionCells)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExtractMillionCells(benchmark::State& state) {
  EditorOnForm& editor = Big();
  SelectMillionCells(editor);
  editor.ed->CopyToClipboard();
  for (auto _ : state) {
    editor.ed->SetSelection(fw::TGridRect{2, 1, 2, 1});
    editor.ed->ExtractFromClipboard();
  }
}
BENCHMARK(BM_ExtractMillionCells)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_PasteMillionCells(benchmark::State& state) {
  EditorOnForm& editor = Big();
  SelectMillionCells(editor);
  editor.ed->CopyToClipboard();
  for (auto _ : state) {
    editor.ed->SetSelection(fw::TGridRect{2, 1, 2, 1});
    editor.ed->PasteFromClipboard();
  }
}
BENCHMARK(BM_PasteMillionCells)->Unit(benchmark::kMillisecond)->Iterations(3);

// The data menu popped up, laid out and painted.
void BM_OpenDataMenu(benchmark::State& state) {
  static EditorOnForm editor(100);
  fw::TPopupMenu* menu = editor.ed->DataPopupMenu();
  for (auto _ : state) {
    menu->Popup(200, 100);
    editor.host.ProcessMessages();
    state.PauseTiming();
    menu->CloseMenu();
    editor.host.ProcessMessages();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenDataMenu)->Unit(benchmark::kMicrosecond);

// A right click on a data cell: the grid's repaint, then the menu prepared, laid out and
// painted.
void BM_RightClickDataCell(benchmark::State& state) {
  static EditorOnForm editor(100);
  const fw::TRect cell = editor.ed->CellRect(3, 3);
  for (auto _ : state) {
    editor.host.Click(cell.Left + 5, cell.Top + 5, fw::mbRight);
    editor.host.ProcessMessages();
    state.PauseTiming();
    editor.ed->DataPopupMenu()->CloseMenu();
    editor.host.ProcessMessages();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_RightClickDataCell)->Unit(benchmark::kMicrosecond);

}  // namespace
