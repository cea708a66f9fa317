// Thumbnail strip benchmarks: a full repaint of an 800 x 600 strip showing 12 slides (4
// columns, 3 rows), each a 640 x 480 picture stretched by nearest pixel or by area averaging,
// with 100 slides and with a million (scrolled to the middle); a wheel notch with its repaint
// over a million slides; and building the selection set of ten million slides.
#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "browse/ZEB_Thumbnails.h"
#include "framework/backend/headless/test_host.h"

namespace {

constexpr int kWidth = 800, kHeight = 600;

// Twelve different 640 x 480 pictures: bands of colour, so the stretch has work to do.
std::vector<std::shared_ptr<fw::TBitmap>> MakePictures() {
  std::vector<std::shared_ptr<fw::TBitmap>> pictures;
  for (int k = 0; k < 12; ++k) {
    auto picture = std::make_shared<fw::TBitmap>(640, 480);
    fw::TCanvas* c = picture->Canvas();
    for (int band = 0; band < 16; ++band) {
      c->Brush()->SetColor(fw::RGB(band * 16, k * 20, 255 - band * 16));
      c->FillRect(fw::Rect(0, band * 30, 640, band * 30 + 30));
    }
    pictures.push_back(std::move(picture));
  }
  return pictures;
}

// Slides of 177 pixels with margin 7 and distance 2: a pitch of 193, so 4 columns fit the
// width and the fourth row starts in the bottom border band (not requested).
struct ShownStrip {
  ShownStrip() : host(kWidth, kHeight), pictures(MakePictures()) {
    strip = new zeb::TThumbnails(host.Form());
    strip->SetParent(host.Form());
    strip->SetBounds(0, 0, kWidth, kHeight);
    strip->SetSlideSize(177);
    strip->OnImageRequest = [this](fw::TObject*, int id, zeb::TImageRequestProcessing& how,
                                   int& mark, std::shared_ptr<fw::TBitmap>& buffer) {
      ++requests;
      how = zeb::irpShowSlide;
      mark = id % 3 == 0 ? 19 : -1;
      buffer = pictures[static_cast<std::size_t>(id % 12)];
    };
    host.Show();
  }
  fw::TestHost host;
  std::vector<std::shared_ptr<fw::TBitmap>> pictures;
  zeb::TThumbnails* strip;
  int requests = 0;
};

// Arg 0: AntiAlias (area averaging) off or on; arg 1: the number of slides.
void BM_ThumbnailsPaint(benchmark::State& state) {
  ShownStrip s;
  s.strip->SetAntiAlias(state.range(0) != 0);
  s.strip->SetMax(static_cast<int>(state.range(1)));
  s.strip->SetFirstThumbIx(state.range(1) > 100 ? state.range(1) / 2 + 1 : 1);
  s.strip->SetSelectedSlide(static_cast<int>(s.strip->FirstThumbIx()) + 1, true);
  s.host.ProcessMessages();
  s.requests = 0;
  for (auto _ : state) s.strip->Repaint();
  if (s.requests != 12 * static_cast<int>(state.iterations()))
    state.SkipWithError("not 12 requests per paint");
  state.counters["requests/paint"] =
      static_cast<double>(s.requests) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_ThumbnailsPaint)
    ->ArgsProduct({{0, 1}, {100, 1'000'000}})
    ->Unit(benchmark::kMillisecond);

// One wheel notch down and one up, each repainting at once, deep in a million slides.
void BM_ThumbnailsWheel(benchmark::State& state) {
  ShownStrip s;
  s.strip->SetMax(1'000'000);
  s.strip->SetFirstThumbIx(500'001);
  s.host.ProcessMessages();
  for (auto _ : state) {
    s.host.Wheel(400, 300, -fw::WHEEL_DELTA);
    s.host.Wheel(400, 300, fw::WHEEL_DELTA);
  }
}
BENCHMARK(BM_ThumbnailsWheel)->Unit(benchmark::kMillisecond);

// Setting a range of ten million slides with one selected: the selection set rebuilt.
void BM_ThumbnailsTenMillionRange(benchmark::State& state) {
  zeb::TThumbnails strip(nullptr);
  strip.SetSelectedSlide(50, true);
  bool flip = false;
  for (auto _ : state) {
    flip = !flip;
    strip.SetRange(flip ? 1 : 2, flip ? zeb::kMaxThumbSlides : zeb::kMaxThumbSlides + 1);
  }
}
BENCHMARK(BM_ThumbnailsTenMillionRange)->Unit(benchmark::kMillisecond);

}  // namespace
