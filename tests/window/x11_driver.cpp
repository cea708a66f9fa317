// XDriver and WindowTest: XTEST input, XGetImage screenshots and the loop pump of the window
// tests.
#include "tests/window/x11_driver.h"

#include <bit>
#include <chrono>
#include <cstdlib>
#include <thread>

#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"

// Last: the X headers define macros (None, Bool, Status) that other headers must not see.
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace fw::testing {

namespace {

// Errors (a window not yet mapped) are answered by failed reads, not by ending the process.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

uint32_t Channel(unsigned long pixel, unsigned long mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const unsigned long value = (pixel & mask) >> shift;
  const unsigned long max = mask >> shift;
  return static_cast<uint32_t>(value * 255 / max);
}

}  // namespace

XDriver::XDriver() {
  const char* name = std::getenv("DISPLAY");
  if (!name || !*name) return;
  // A server that resets when its last client left refuses connections for a moment.
  for (int attempt = 0; attempt < 20 && !display_; ++attempt) {
    display_ = XOpenDisplay(name);
    if (!display_) std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  if (!display_) return;
  XSetErrorHandler(IgnoreXError);
  int event = 0, error = 0, major = 0, minor = 0;
  ok_ = XTestQueryExtension(display_, &event, &error, &major, &minor);
}

XDriver::~XDriver() {
  if (display_) XCloseDisplay(display_);
}

unsigned long XDriver::XWindowOf(SDL_Window* window) const {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
  return info.info.x11.window;
}

void XDriver::Flush() {
  XSync(display_, False);
}

void XDriver::MoveTo(SDL_Window* window, int x, int y) {
  int rootX = 0, rootY = 0;
  ::Window child = 0;
  XTranslateCoordinates(display_, XWindowOf(window), DefaultRootWindow(display_), x, y, &rootX,
                        &rootY, &child);
  XTestFakeMotionEvent(display_, DefaultScreen(display_), rootX, rootY, CurrentTime);
  Flush();
}

void XDriver::Button(int button, bool down) {
  XTestFakeButtonEvent(display_, static_cast<unsigned>(button), down ? True : False, CurrentTime);
  Flush();
}

void XDriver::Key(const std::string& keyName, bool down) {
  const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keyName.c_str()));
  XTestFakeKeyEvent(display_, code, down ? True : False, CurrentTime);
  Flush();
}

void XDriver::Focus(SDL_Window* window) {
  XSetInputFocus(display_, XWindowOf(window), RevertToParent, CurrentTime);
  Flush();
}

std::unique_ptr<TBitmap> XDriver::Screenshot(SDL_Window* window) {
  int w = 0, h = 0;
  SDL_GetWindowSize(window, &w, &h);
  const ::Window xwindow = XWindowOf(window);
  if (!xwindow || w <= 0 || h <= 0) return nullptr;
  Flush();
  XImage* image = XGetImage(display_, xwindow, 0, 0, static_cast<unsigned>(w),
                            static_cast<unsigned>(h), AllPlanes, ZPixmap);
  if (!image) return nullptr;
  auto shot = std::make_unique<TBitmap>(w, h);
  for (int y = 0; y < h; ++y) {
    TPixel* row = shot->ScanLine(y);
    for (int x = 0; x < w; ++x) {
      const unsigned long p = XGetPixel(image, x, y);
      row[x] = (Channel(p, image->red_mask) << 16) | (Channel(p, image->green_mask) << 8) |
               Channel(p, image->blue_mask);
    }
  }
  XDestroyImage(image);
  return shot;
}

long CountDifferentPixels(const TBitmap& a, const TBitmap& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return -1;
  long count = 0;
  for (int y = 0; y < a.Height(); ++y) {
    const TPixel* ra = a.ScanLine(y);
    const TPixel* rb = b.ScanLine(y);
    for (int x = 0; x < a.Width(); ++x) count += (ra[x] & 0xFFFFFF) != (rb[x] & 0xFFFFFF);
  }
  return count;
}

// --- WindowTest

void WindowTest::SetUp() {
  x_ = std::make_unique<XDriver>();
  if (!x_->Ok()) GTEST_SKIP() << "no X display with XTEST (DISPLAY unset?)";
  try {
    backend_ = std::make_unique<TSdlBackend>();
  } catch (const std::exception& e) {
    GTEST_SKIP() << e.what();
  }
  Application->Reset();
  if (Screen) Screen->Reset();
  SetBackend(backend_.get());
}

void WindowTest::TearDown() {
  if (!backend_) return;
  Application->ProcessMessages();
  Application->Reset();
  if (Screen) Screen->Reset();
  SetBackend(nullptr);
  backend_.reset();
}

bool WindowTest::PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
  for (;;) {
    Application->ProcessMessages();
    if (done()) return true;
    if (std::chrono::steady_clock::now() >= end) return false;
    backend_->WaitForInput(5);
  }
}

void WindowTest::PumpFor(int ms) {
  PumpUntil([] { return false; }, ms);
}

long WindowTest::PumpUntilWindowShows(TCustomForm* form, int timeoutMs) {
  long difference = -1;
  PumpUntil(
      [&] {
        SDL_Window* window = backend_->WindowOf(form);
        auto shot = window ? x_->Screenshot(window) : nullptr;
        difference = shot && form->Surface() ? CountDifferentPixels(*shot, *form->Surface()) : -1;
        return difference == 0;
      },
      timeoutMs);
  return difference;
}

}  // namespace fw::testing
