// The windowed backend on a real display: windows follow forms, a real click sequence arrives
// as the headless drive delivers it, paints upload only their dirty area, resizes go both
// ways, keys and text reach the focused control, modal loops run on real input, timers tick
// on the real clock, the clipboard keeps text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/application.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/form.h"
#include "framework/controls/timers.h"
#include "tests/window/x11_driver.h"

namespace fw::testing {
namespace {

// A focusable block of one colour that logs its mouse and key events.
class TProbe : public TCustomControl {
 public:
  explicit TProbe(TComponent* owner) : TCustomControl(owner) {
    SetTabStop(true);
    OnMouseDown = [this](TObject*, TMouseButton b, TShiftState s, int x, int y) {
      Log("down " + std::to_string(b) + (s.Contains(ssDouble) ? " double " : " ") + At(x, y));
    };
    OnMouseUp = [this](TObject*, TMouseButton b, TShiftState, int x, int y) {
      Log("up " + std::to_string(b) + " " + At(x, y));
    };
    OnMouseMove = [this](TObject*, TShiftState, int x, int y) { Log("move " + At(x, y)); };
    OnClick = [this](TObject*) { Log("click"); };
    OnDblClick = [this](TObject*) { Log("dblclick"); };
    OnMouseEnter = [this](TObject*) { Log("enter"); };
    OnMouseLeave = [this](TObject*) { Log("leave"); };
    OnKeyDown = [this](TObject*, uint16_t& k, TShiftState) { Log("keydown " + std::to_string(k)); };
    OnKeyUp = [this](TObject*, uint16_t& k, TShiftState) { Log("keyup " + std::to_string(k)); };
    OnKeyPress = [this](TObject*, char32_t& k) { Log("keypress " + std::to_string(k)); };
  }
  void SetFill(TColor c) {
    fill_ = c;
    Invalidate();
  }
  std::vector<std::string> log;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(fill_);
    Canvas()->FillRect(ClientRect());
  }

 private:
  static std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
  // Repeated moves to one point say nothing about order (windows report some twice).
  void Log(const std::string& entry) {
    if (!log.empty() && log.back() == entry && entry.rfind("move", 0) == 0) return;
    log.push_back(entry);
  }
  TColor fill_ = clRed;
};

TProbe* PlaceProbe(TForm* form) {
  form->SetCaption("Probe");
  auto* probe = new TProbe(form);
  probe->SetBounds(40, 30, 60, 40);
  probe->SetParent(form);
  return probe;
}

class WindowBackend : public WindowTest {
 protected:
  // A shown form at (100, 100) with a probe, its window showing its surface.
  TProbe* ShowProbeForm(int width = 240, int height = 160) {
    form_ = std::make_unique<TForm>(nullptr);
    form_->SetBounds(100, 100, width, height);
    TProbe* probe = PlaceProbe(form_.get());
    form_->Show();
    EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);
    return probe;
  }
  SDL_Window* Window() { return backend_->WindowOf(form_.get()); }
  void TearDown() override {
    form_.reset();
    WindowTest::TearDown();
  }
  std::unique_ptr<TForm> form_;
};

TEST_F(WindowBackend, AShownFormHasAWindowWithItsCaptionAndPixels) {
  ShowProbeForm();
  ASSERT_NE(Window(), nullptr);
  EXPECT_STREQ(SDL_GetWindowTitle(Window()), "Probe");
  form_->SetCaption("Renamed");
  PumpFor(20);
  EXPECT_STREQ(SDL_GetWindowTitle(Window()), "Renamed");
  form_->Hide();
  EXPECT_EQ(Window(), nullptr);
  form_->Show();
  ASSERT_NE(Window(), nullptr);
  EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);
}

TEST_F(WindowBackend, ARealClickSequenceArrivesAsTheHeadlessDriveDeliversIt) {
  std::vector<std::string> expected;
  {
    TestHost host(240, 160);
    TProbe* probe = PlaceProbe(host.Form());
    host.Show();
    host.MouseMove(50, 40);
    host.MouseDown(50, 40);
    host.MouseUp(50, 40);
    host.MouseDown(50, 40);
    host.MouseUp(50, 40);
    host.MouseMove(200, 10);
    expected = probe->log;
  }
  TProbe* probe = ShowProbeForm();
  x_->MoveTo(Window(), -60, -60);
  PumpFor(50);
  probe->log.clear();
  x_->MoveTo(Window(), 50, 40);
  x_->Button(1, true);
  x_->Button(1, false);
  x_->Button(1, true);
  x_->Button(1, false);
  x_->MoveTo(Window(), 200, 10);
  EXPECT_TRUE(PumpUntil([&] { return !probe->log.empty() && probe->log.back() == "leave"; }));
  EXPECT_EQ(probe->log, expected);
}

TEST_F(WindowBackend, APaintUploadsOnlyTheDirtyArea) {
  TProbe* probe = ShowProbeForm();
  backend_->Uploads().clear();
  probe->SetFill(clBlue);
  ASSERT_TRUE(PumpUntil([&] { return !backend_->Uploads().empty(); }));
  TRect uploaded;
  for (const auto& u : backend_->Uploads()) {
    EXPECT_EQ(u.form, form_.get());
    UnionRect(uploaded, uploaded, u.area);
  }
  EXPECT_EQ(uploaded, Rect(40, 30, 100, 70));
  EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);
  auto shot = x_->Screenshot(Window());
  ASSERT_NE(shot, nullptr);
  EXPECT_EQ(shot->ScanLine(50)[70] & 0xFFFFFF, ColorToPixel(clBlue));
}

TEST_F(WindowBackend, ResizingGoesFromWindowToFormAndBack) {
  ShowProbeForm();
  SDL_SetWindowSize(Window(), 320, 200);
  EXPECT_TRUE(PumpUntil([&] { return form_->Width() == 320 && form_->Height() == 200; }));
  EXPECT_EQ(form_->Surface()->Width(), 320);
  EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);

  form_->SetBounds(form_->Left(), form_->Top(), 200, 150);
  int w = 0, h = 0;
  EXPECT_TRUE(PumpUntil([&] {
    SDL_GetWindowSize(Window(), &w, &h);
    return w == 200 && h == 150;
  }));
  EXPECT_EQ(PumpUntilWindowShows(form_.get()), 0);
  // The window's own report of the new size does not resize the form again.
  EXPECT_EQ(form_->Width(), 200);
  EXPECT_EQ(form_->Height(), 150);
}

TEST_F(WindowBackend, KeysAndTextReachTheFocusedControl) {
  TProbe* probe = ShowProbeForm();
  ASSERT_EQ(form_->ActiveControl(), probe);
  x_->MoveTo(Window(), 150, 100);
  x_->Focus(Window());
  PumpFor(50);
  probe->log.clear();
  x_->Key("a", true);
  x_->Key("a", false);
  x_->Key("Return", true);
  x_->Key("Return", false);
  EXPECT_TRUE(PumpUntil([&] { return probe->log.size() >= 6; }));
  const std::vector<std::string> expected{"keydown 65", "keypress 97", "keyup 65",
                                          "keydown 13", "keypress 13", "keyup 13"};
  EXPECT_EQ(probe->log, expected);
}

TEST_F(WindowBackend, AModalFormRunsOnRealInput) {
  ShowProbeForm();
  TForm dialog(nullptr);
  dialog.SetBounds(400, 300, 160, 120);
  TProbe* ok = PlaceProbe(&dialog);
  ok->OnClick = [&](TObject*) { dialog.SetModalResult(mrOk); };
  // Once the dialog's window is up, the user clicks the probe on it.
  Application->Post([&] {
    PumpUntilWindowShows(&dialog);
    x_->MoveTo(backend_->WindowOf(&dialog), 60, 50);
    x_->Button(1, true);
    x_->Button(1, false);
  });
  // A limit, so that a lost click fails the test instead of hanging it.
  HWND limit = AllocateHWnd([&](TMessage& m) {
    if (m.Msg == WM_TIMER) dialog.SetModalResult(mrAbort);
  });
  SetTimer(limit, 1, 5000);
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  DeallocateHWnd(limit);
  EXPECT_EQ(backend_->WindowOf(&dialog), nullptr);
}

TEST_F(WindowBackend, TimersTickOnTheRealClock) {
  int ticks = 0;
  HWND wnd = AllocateHWnd([&](TMessage& m) { ticks += m.Msg == WM_TIMER; });
  ASSERT_TRUE(SetTimer(wnd, 1, 20));
  const int64_t start = backend_->Milliseconds();
  EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
  EXPECT_GE(backend_->Milliseconds() - start, 40);
  DeallocateHWnd(wnd);
}

TEST_F(WindowBackend, TheClipboardKeepsText) {
  backend_->SetClipboardText(
      "Z\xC3\xBCrich 5 \xC2\xB0"
      "C");
  EXPECT_EQ(backend_->ClipboardText(),
            "Z\xC3\xBCrich 5 \xC2\xB0"
            "C");
  backend_->SetClipboardText(std::nullopt);
  EXPECT_EQ(backend_->ClipboardText(), std::nullopt);
}

TEST_F(WindowBackend, WithNoWindowAndNoTimerNoInputCanCome) {
  EXPECT_FALSE(backend_->WaitForInput(-1));
  EXPECT_TRUE(backend_->WaitForInput(0));
}

}  // namespace
}  // namespace fw::testing
