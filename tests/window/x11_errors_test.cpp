// X errors while the windowed backend lives: a request about a window that is gone is
// reported and the program goes on; a hidden form's window outlives it for a moment.
#include <gtest/gtest.h>

#include "framework/backend/sdl/sdl_x11_errors.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "tests/window/x11_driver.h"

// Last: the X headers define macros (None, Bool, Status) that other headers must not see.
#include <X11/Xlib.h>

namespace fw::testing {
namespace {

using XErrors = WindowTest;

// Sends an event to a window that no longer exists, as a late reply to a gone window does.
void SendToGoneWindow(Display* display) {
  const ::Window gone =
      XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 10, 10, 0, 0, 0);
  XDestroyWindow(display, gone);
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = gone;
  event.xclient.format = 32;
  XSendEvent(display, gone, False, 0, &event);
  XSync(display, False);
}

TEST_F(XErrors, AnErrorAboutAGoneWindowIsReportedOnceWhileTheBackendLives) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr);
  const int64_t errors = TXErrorTolerance::ErrorCount();
  const int64_t reports = TXErrorTolerance::ReportCount();
  SendToGoneWindow(display);
  SendToGoneWindow(display);
  XCloseDisplay(display);
  EXPECT_EQ(TXErrorTolerance::ErrorCount(), errors + 2);
  EXPECT_EQ(TXErrorTolerance::ReportCount(), reports + 1);
}

TEST_F(XErrors, AHiddenFormsWindowIsDestroyedOnlyAfterItsEventsCouldArrive) {
  TForm form(nullptr);
  form.SetBounds(40, 40, 120, 80);
  form.Show();
  SDL_Window* window = backend_->WindowOf(&form);
  ASSERT_NE(window, nullptr);
  const uint32_t id = SDL_GetWindowID(window);
  form.Hide();
  EXPECT_EQ(backend_->WindowOf(&form), nullptr);
  EXPECT_EQ(backend_->RetiredWindowCount(), 1);
  EXPECT_NE(SDL_GetWindowFromID(id), nullptr);
  EXPECT_FALSE(SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN);
  EXPECT_TRUE(PumpUntil([&] { return backend_->RetiredWindowCount() == 0; },
                        static_cast<int>(TSdlBackend::kRetiredWindowLifeMs) + 2000));
  EXPECT_EQ(SDL_GetWindowFromID(id), nullptr);
}

}  // namespace
}  // namespace fw::testing
