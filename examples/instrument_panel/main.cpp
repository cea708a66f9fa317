// An instrument panel: a meter, a progress bar and two numeric labels follow a simulated
// temperature that a timer steps ten times a second, and a numeric field sets the temperature
// the simulated heater drives towards.
//
//   instrument_panel                  opens the panel in a window
//   instrument_panel [--set-point TEXT] --out panel.png
//                                     enters TEXT in the set point field, runs three simulated
//                                     seconds without a window and writes a picture of the panel
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "displays/ZEB_NumLab.h"
#include "framework/controls/application.h"
#include "framework/controls/control_picture.h"
#include "framework/controls/form.h"
#include "framework/controls/timers.h"
#include "framework/stdctrls/label.h"
#include "indicators/ZEB_ProgBar.h"
#include "meter/ZEB_Meter.h"
#include "numio/ZEB_NumIO.h"
#ifdef PANEKIT_HAVE_SDL
#include "framework/backend/sdl/sdl_backend.h"
#endif

namespace {

constexpr fw::UINT kTickMs = 100;

// The simulated plant: a temperature that approaches the set point like a heated mass, with
// a small ripple from the heater's regulation.
class Plant {
 public:
  double SetPoint() const { return setPoint_; }
  void SetSetPoint(double value) { setPoint_ = value; }
  double Temperature() const { return temperature_; }

  // One time step of `seconds`.
  void Step(double seconds) {
    time_ += seconds;
    temperature_ += (setPoint_ - temperature_) * seconds / 1.5;
    temperature_ += 0.4 * std::sin(time_ * 5.0) * seconds;
  }

 private:
  double setPoint_ = 65;
  double temperature_ = 20;
  double time_ = 0;
};

// The panel's form and its controls; the form owns the controls.
class Panel {
 public:
  Panel() : form_(std::make_unique<fw::TForm>(nullptr)) {
    form_->SetCaption("Instrument panel");
    form_->SetBounds(100, 100, 480, 270);

    meter_ = new zeb::TMeter(form_.get());
    meter_->SetParent(form_.get());
    meter_->SetBounds(10, 10, 260, 200);
    meter_->SetMinValue(0);
    meter_->SetMaxValue(100);
    meter_->SetLowThreshold(30);
    meter_->SetHighThreshold(85);
    meter_->SetScaleBkVisible(true);
    meter_->SetUnitLabel(
        "\xC2\xB0"
        "C");

    bar_ = new zeb::TProgBar(form_.get());
    bar_->SetParent(form_.get());
    bar_->SetBounds(10, 225, 260, 28);
    bar_->SetRange(0, 100);
    bar_->SetShowValue(true);

    temperature_ = AddNumLab(290, 15, "Temperature");
    deviation_ = AddNumLab(290, 60, "Deviation");
    deviation_->SetForcePlusSign(true);

    auto* caption = new fw::TLabel(form_.get());
    caption->SetParent(form_.get());
    caption->SetBounds(290, 115, 170, 16);
    caption->SetCaption("Set point (0 to 100):");

    setPoint_ = new zeb::TNumIO(form_.get());
    setPoint_->SetParent(form_.get());
    setPoint_->SetBounds(290, 135, 170, 24);
    setPoint_->SetInputFormat(zeb::itFixPoint);
    setPoint_->SetFixPointDecPlaces(1);
    setPoint_->SetRangeLow(0);
    setPoint_->SetRangeHigh(100);
    setPoint_->SetLabValue(plant_.SetPoint());
    setPoint_->OnChange = [this](fw::TObject*) { plant_.SetSetPoint(setPoint_->GetLabValue()); };

    form_->OnClose = [](fw::TObject*, fw::TCloseAction&) { fw::Application->Terminate(); };
    ShowState();
  }

  ~Panel() {
    if (timer_) fw::DeallocateHWnd(timer_);
  }
  Panel(const Panel&) = delete;
  Panel& operator=(const Panel&) = delete;

  fw::TForm& Form() { return *form_; }
  // As if typed into the set point field: the field takes only numbers of its range.
  void EnterSetPoint(const std::string& text) { setPoint_->SetText(text); }

  // Starts the clock; after `ticks` steps (0: never) the application's loop ends.
  void Start(int ticks) {
    tickLimit_ = ticks;
    timer_ = fw::AllocateHWnd([this](fw::TMessage& message) {
      if (message.Msg == fw::WM_TIMER) Tick();
    });
    if (!fw::SetTimer(timer_, 1, kTickMs)) throw fw::Exception("no timer available");
  }

 private:
  zeb::TNumLab* AddNumLab(int x, int y, const std::string& text) {
    auto* label = new zeb::TNumLab(form_.get());
    label->SetParent(form_.get());
    label->SetBounds(x, y, 170, 36);
    label->SetLeftSpace(85);
    label->SetLeftText(text);
    label->SetRightText(
        "\xC2\xB0"
        "C");
    label->SetDisplayType(zeb::dtFixP);
    label->SetPrecision(1);
    return label;
  }

  void Tick() {
    plant_.Step(kTickMs / 1000.0);
    ShowState();
    if (tickLimit_ > 0 && ++ticks_ >= tickLimit_) fw::Application->Terminate();
  }

  // Puts the plant's state on the controls.
  void ShowState() {
    const double t = plant_.Temperature();
    meter_->SetValue(t);
    bar_->SetValue(t);
    temperature_->SetValue(t);
    deviation_->SetValue(t - plant_.SetPoint());
  }

  Plant plant_;
  std::unique_ptr<fw::TForm> form_;
  zeb::TMeter* meter_ = nullptr;
  zeb::TProgBar* bar_ = nullptr;
  zeb::TNumLab* temperature_ = nullptr;
  zeb::TNumLab* deviation_ = nullptr;
  zeb::TNumIO* setPoint_ = nullptr;
  fw::HWND timer_ = nullptr;
  int tickLimit_ = 0;
  int ticks_ = 0;
};

int Run(const char* out, const char* setPoint) {
#ifdef PANEKIT_HAVE_SDL
  // A real window unless a picture is asked for; without SDL2 the panel runs headless only.
  std::unique_ptr<fw::TSdlBackend> window;
  if (!out) {
    window = std::make_unique<fw::TSdlBackend>();
    fw::SetBackend(window.get());
  }
  struct Uninstall {
    ~Uninstall() { fw::SetBackend(nullptr); }
  } uninstall;
#else
  if (!out) {
    std::fprintf(stderr, "instrument_panel: built without windows; use --out FILE.png\n");
    return 2;
  }
#endif
  Panel panel;
  if (setPoint) panel.EnterSetPoint(setPoint);
  fw::Application->SetMainForm(&panel.Form());
  // Headless, the clock runs as fast as the ticks are computed: 30 ticks are three seconds.
  panel.Start(out ? 30 : 0);
  fw::Application->Run();
  if (out) fw::SaveControlPicture(panel.Form(), out);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const char* out = nullptr;
  const char* setPoint = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) {
      out = argv[++i];
    } else if (std::strcmp(argv[i], "--set-point") == 0 && i + 1 < argc) {
      setPoint = argv[++i];
    } else {
      std::fprintf(stderr, "usage: instrument_panel [--set-point TEXT] [--out FILE.png]\n");
      return 2;
    }
  }
  try {
    return Run(out, setPoint);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "instrument_panel: %s\n", e.what());
    return 1;
  }
}
