// Designer benchmarks: opening a form text of 200 components of mixed kinds into the design
// document, and one drag step of a selected component on a 1280 x 800 design surface with the
// repaint of what changed.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "apps/designer/design_document.h"
#include "apps/designer/design_surface.h"
#include "framework/backend/headless/test_host.h"
#include "meter/ZEB_Meter.h"

namespace {

constexpr int kSurfaceWidth = 1280;
constexpr int kSurfaceHeight = 800;

// 200 components of the component families (a few of them non-visual) laid out on a grid of
// 64 x 48 cells, written by the document itself. The seven-segment display builds its image
// cache when made and at every size change, the dearest part of reading it; `withSevenSeg`
// false leaves it out, to tell the document's cost from that component's.
std::string MakeFormText200(bool withSevenSeg) {
  // Linking the component library is not enough where the linker drops unused libraries:
  // one component made here keeps its class registrations in.
  zeb::TMeter keep(nullptr);
  designer::TDesignDocument doc;
  doc.SetSnapToGrid(false);
  doc.Root()->SetBounds(0, 0, kSurfaceWidth, kSurfaceHeight - designer::kTrayHeight);
  const char* kinds[] = {"TMeter",   "TSevenSeg", "TNumLab",    "TRotLab",   "TNumIO",
                         "TProgBar", "TOnOffBut", "TColSel",    "TGradFill", "TMarkSel",
                         "TMiniCal", "TNTabEd",   "TRasterLab", "TRLData"};
  for (int i = 0, k = 0; i < 200; ++k) {
    const char* kind = kinds[k % std::size(kinds)];
    if (!withSevenSeg && std::string(kind) == "TSevenSeg") continue;
    const fw::ClassRecord& record = fw::FindClass(kind);
    fw::TComponent* c = doc.Drop(record, 0, 0);
    if (auto* control = dynamic_cast<fw::TControl*>(c))
      control->SetBounds((i % 20) * 64, (i / 20) * 48, 60, 44);
    ++i;
  }
  return doc.SaveToText();
}

const std::string& FormText200() {
  static const std::string text = MakeFormText200(true);
  return text;
}

void BM_OpenForm200(benchmark::State& state) {
  const std::string text = MakeFormText200(state.range(0) != 0);
  designer::TDesignDocument doc;
  for (auto _ : state) {
    doc.LoadFromText(text);
    benchmark::DoNotOptimize(doc.Root());
  }
  state.counters["bytes"] = double(text.size());
}
// Argument 1: with seven-segment displays; 0: without them.
BENCHMARK(BM_OpenForm200)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// A meter of the 200-component form (on a form of the surface's size) is dragged back and forth by
// one grid step; each step moves it, invalidates the old and new area and paints that area (cached
// pictures blitted).
void BM_DragStep(benchmark::State& state) {
  const std::string& text = FormText200();
  fw::TestHost host(kSurfaceWidth, kSurfaceHeight);
  designer::TDesignDocument doc;
  doc.LoadFromText(text);
  auto* surface = new designer::TDesignSurface(host.Form());
  surface->SetParent(host.Form());
  surface->SetBounds(0, 0, kSurfaceWidth, kSurfaceHeight);
  surface->SetDocument(&doc);
  host.Show();
  fw::TControl* meter = doc.VisualComponents()[0];
  int x = meter->Left() + 10;
  int y = meter->Top() + 10;
  host.MouseDown(x, y);
  int step = 0;
  for (auto _ : state) {
    step ^= 1;
    host.MouseMove(x + step * doc.GridSize(), y);  // through the surface to the document
    host.ProcessMessages();                        // the changed area painted and presented
  }
  host.MouseUp(x, y);
  state.counters["renders"] = double(surface->RenderCount());
  surface->SetDocument(nullptr);
}
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

}  // namespace
