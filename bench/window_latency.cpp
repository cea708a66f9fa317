// Windowed backend benchmarks (need SDL2 and a display): the time from a mouse press entering
// SDL's queue to the repainted control's pixels reaching the display server, and the CPU the
// loop uses while it waits with no timer running.
#include <benchmark/benchmark.h>

#ifdef PANEKIT_HAVE_SDL

#include <SDL.h>

#include <chrono>
#include <ctime>
#include <memory>
#include <thread>

#include "framework/backend/sdl/sdl_backend.h"
#include "framework/controls/application.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"

namespace {

// A control that changes colour on each press.
class TToggle : public fw::TCustomControl {
 public:
  explicit TToggle(fw::TComponent* owner) : fw::TCustomControl(owner) {
    OnMouseDown = [this](fw::TObject*, fw::TMouseButton, fw::TShiftState, int, int) {
      on_ = !on_;
      Invalidate();
    };
  }

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(on_ ? fw::clNavy : fw::clYellow);
    Canvas()->FillRect(ClientRect());
  }

 private:
  bool on_ = false;
};

// The windowed backend installed, with an 800 x 600 form holding one 80 x 24 control; the
// form is shown and its first paint presented.
struct Window {
  Window() {
    backend = std::make_unique<fw::TSdlBackend>();
    fw::Application->Reset();
    fw::Screen->Reset();
    fw::SetBackend(backend.get());
    form = std::make_unique<fw::TForm>(nullptr);
    form->SetBounds(50, 50, 800, 600);
    toggle = new TToggle(form.get());
    toggle->SetBounds(100, 100, 80, 24);
    toggle->SetParent(form.get());
    form->Show();
    fw::Application->ProcessMessages();
    backend->WaitForInput(100);
    fw::Application->ProcessMessages();
  }
  ~Window() {
    form.reset();
    fw::Application->ProcessMessages();
    fw::Application->Reset();
    fw::SetBackend(nullptr);
  }
  void Push(uint32_t type) {
    SDL_Event e{};
    e.type = type;
    e.button.windowID = SDL_GetWindowID(backend->WindowOf(form.get()));
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = 120;
    e.button.y = 110;
    SDL_PushEvent(&e);
  }
  std::unique_ptr<fw::TSdlBackend> backend;
  std::unique_ptr<fw::TForm> form;
  TToggle* toggle = nullptr;
};

std::unique_ptr<Window> OpenWindow(benchmark::State& state) {
  try {
    return std::make_unique<Window>();
  } catch (const std::exception& e) {
    state.SkipWithError(e.what());
    return nullptr;
  }
}

// From the press entering SDL's queue until the loop has uploaded the control's area and
// presented the window (the software renderer's present waits for the display server).
void BM_ClickToPixels(benchmark::State& state) {
  auto window = OpenWindow(state);
  if (!window) return;
  for (auto _ : state) {
    window->backend->Uploads().clear();
    window->Push(SDL_MOUSEBUTTONDOWN);
    while (window->backend->Uploads().empty()) fw::Application->HandleMessage();
    state.PauseTiming();
    window->Push(SDL_MOUSEBUTTONUP);
    fw::Application->HandleMessage();
    fw::Application->ProcessMessages();
    state.ResumeTiming();
  }
  const auto& last = window->backend->Uploads();
  state.counters["upload_px"] =
      last.empty() ? 0 : last.back().area.Width() * last.back().area.Height();
}
BENCHMARK(BM_ClickToPixels)->Unit(benchmark::kMillisecond)->UseRealTime();

double ThreadCpuSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One second of waiting with a window open and no timer: another thread wakes the loop at the
// end. Reports the loop thread's CPU time as a share of the second.
void BM_IdleLoopCpu(benchmark::State& state) {
  auto window = OpenWindow(state);
  if (!window) return;
  double cpu = 0, wall = 0;
  for (auto _ : state) {
    const double cpuStart = ThreadCpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    std::thread waker([] {
      std::this_thread::sleep_for(std::chrono::seconds(1));
      SDL_Event e{};
      e.type = SDL_USEREVENT;
      SDL_PushEvent(&e);
    });
    // Waits without a timeout: only the waker's event ends the wait.
    window->backend->WaitForInput(-1);
    waker.join();
    cpu += ThreadCpuSeconds() - cpuStart;
    wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
  }
  state.counters["cpu_percent"] = wall > 0 ? 100.0 * cpu / wall : 0;
}
BENCHMARK(BM_IdleLoopCpu)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

#else

namespace {
void BM_WindowBackendMissing(benchmark::State& state) {
  state.SkipWithError("built without SDL2: no windowed backend");
  for (auto _ : state) {
  }
}
BENCHMARK(BM_WindowBackendMissing);
}  // namespace

#endif
