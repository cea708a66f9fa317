// A form read at run time from a form text file (tank.form beside the program), its events
// connected by handler name to functions of this program: Fill and Drain move the tank's
// level, the alarm field moves the meter's upper threshold.
//
//   form_from_text [--form FILE]                   opens the form in a window
//   form_from_text [--form FILE] [--click NAME]... --out FILE.png
//                                                  clicks the named buttons without a window
//                                                  and writes a picture of the form
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "displays/ZEB_NumLab.h"
#include "framework/base/form_text.h"
#include "framework/controls/application.h"
#include "framework/controls/control_picture.h"
#include "framework/controls/form.h"
#include "framework/rtl/file_read.h"
#include "framework/stdctrls/edit.h"
#include "meter/ZEB_Meter.h"
#include "numio/ZEB_NumIO.h"
#ifdef PANEKIT_HAVE_SDL
#include "framework/backend/sdl/sdl_backend.h"
#endif

namespace {

// The named event of a component that the form text may connect: OnClick of any control,
// OnChange of an edit field.
fw::TNotifyEvent& NotifyEvent(fw::TComponent& component, const std::string& event) {
  if (event == "OnClick") {
    if (auto* control = dynamic_cast<fw::TControl*>(&component)) return control->OnClick;
  } else if (event == "OnChange") {
    if (auto* edit = dynamic_cast<fw::TCustomEdit*>(&component)) return edit->OnChange;
  }
  throw fw::Exception("cannot connect " + component.Name() + "." + event);
}

// A component of the form by name and class, or an exception naming what is missing.
template <typename C>
C& Find(fw::TComponent& root, const std::string& name) {
  auto* component = dynamic_cast<C*>(root.FindComponent(name));
  if (!component) throw fw::Exception("the form has no suitable " + name);
  return *component;
}

// The tank: the form read from text and the handlers its events name.
class Tank {
 public:
  explicit Tank(const std::string& formText) {
    const std::map<std::string, fw::TNotifyEvent> handlers{
        {"FillClick", [this](fw::TObject*) { SetLevel(level_ + 10); }},
        {"DrainClick", [this](fw::TObject*) { SetLevel(level_ - 10); }},
        {"AlarmLevelChange", [this](fw::TObject*) { AlarmLevelChange(); }},
    };
    fw::FormReadOptions options;
    options.bindEvent = [&](fw::TComponent* component, const std::string& event,
                            const std::string& handler) {
      const auto found = handlers.find(handler);
      if (found == handlers.end()) throw fw::Exception("no handler named " + handler);
      NotifyEvent(*component, event) = found->second;
    };
    std::unique_ptr<fw::TComponent> root = fw::ReadForm(formText, options);
    if (!dynamic_cast<fw::TForm*>(root.get())) throw fw::Exception("the form text holds no TForm");
    form_.reset(static_cast<fw::TForm*>(root.release()));

    gauge_ = &Find<zeb::TMeter>(*form_, "Gauge");
    levelLabel_ = &Find<zeb::TNumLab>(*form_, "Level");
    alarm_ = &Find<zeb::TNumIO>(*form_, "AlarmLevel");
    form_->OnClose = [](fw::TObject*, fw::TCloseAction&) { fw::Application->Terminate(); };
    AlarmLevelChange();
    SetLevel(40);
  }

  fw::TForm& Form() { return *form_; }

 private:
  // Events can come while the form is still being read (a numeric field checks its text once
  // loaded); the handlers act only once every component is found.
  bool Ready() const { return gauge_ && levelLabel_ && alarm_; }

  void SetLevel(double level) {
    if (!Ready()) return;
    level_ = std::clamp(level, 0.0, 100.0);
    gauge_->SetValue(level_);
    levelLabel_->SetValue(level_);
  }

  void AlarmLevelChange() {
    if (Ready()) gauge_->SetHighThreshold(alarm_->GetLabValue());
  }

  std::unique_ptr<fw::TForm> form_;
  zeb::TMeter* gauge_ = nullptr;
  zeb::TNumLab* levelLabel_ = nullptr;
  zeb::TNumIO* alarm_ = nullptr;
  double level_ = 0;
};

struct Options {
  std::string form;
  std::vector<std::string> clicks;
  std::string out;
};

int Run(const Options& options) {
  const bool headless = !options.out.empty();
#ifdef PANEKIT_HAVE_SDL
  std::unique_ptr<fw::TSdlBackend> window;
  if (!headless) {
    window = std::make_unique<fw::TSdlBackend>();
    fw::SetBackend(window.get());
  }
  struct Uninstall {
    ~Uninstall() { fw::SetBackend(nullptr); }
  } uninstall;
#else
  if (!headless) {
    std::fprintf(stderr, "form_from_text: built without windows; use --out FILE.png\n");
    return 2;
  }
#endif
  Tank tank(fw::ReadWholeFile(options.form));
  for (const std::string& name : options.clicks) Find<fw::TControl>(tank.Form(), name).Click();
  if (headless) {
    // Shown once, with what the form does when it appears, then pictured.
    tank.Form().Show();
    fw::Application->ProcessMessages();
    fw::SaveControlPicture(tank.Form(), options.out);
    return 0;
  }
  fw::Application->SetMainForm(&tank.Form());
  fw::Application->Run();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  // The form text lives beside the program unless named.
  options.form = (std::filesystem::path(argv[0]).parent_path() / "tank.form").string();
  for (int i = 1; i < argc; ++i) {
    const bool hasValue = i + 1 < argc;
    if (std::strcmp(argv[i], "--form") == 0 && hasValue) {
      options.form = argv[++i];
    } else if (std::strcmp(argv[i], "--click") == 0 && hasValue) {
      options.clicks.push_back(argv[++i]);
    } else if (std::strcmp(argv[i], "--out") == 0 && hasValue) {
      options.out = argv[++i];
    } else {
      std::fprintf(stderr,
                   "usage: form_from_text [--form FILE] [--click NAME]... [--out FILE.png]\n");
      return 2;
    }
  }
  try {
    return Run(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "form_from_text: %s\n", e.what());
    return 1;
  }
}
