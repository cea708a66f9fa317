// Drives and reads the windows of the windowed backend through the X server, as a user and a
// screenshot would: pointer and keys by the XTEST extension, a window's pixels by XGetImage,
// and a fixture that starts the backend and runs the loop until a condition holds.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "framework/backend/sdl/sdl_backend.h"
#include "framework/controls/timers.h"
#include "framework/graphics/bitmap.h"

struct _XDisplay;

namespace fw::testing {

class XDriver {
 public:
  // Opens the display named by DISPLAY; Ok() is false without one or without XTEST.
  XDriver();
  ~XDriver();
  XDriver(const XDriver&) = delete;
  XDriver& operator=(const XDriver&) = delete;
  bool Ok() const { return ok_; }

  // Moves the pointer to (x, y) of the window's client area (may lie outside it).
  void MoveTo(SDL_Window* window, int x, int y);
  // Presses or releases pointer button 1 (left), 2 (middle) or 3 (right).
  void Button(int button, bool down);
  // Presses or releases the key of an X key name ("a", "Return", "Next").
  void Key(const std::string& keyName, bool down);
  // Gives the window the keyboard focus.
  void Focus(SDL_Window* window);
  // The window's pixels as the X server holds them (nullptr when they cannot be read).
  std::unique_ptr<TBitmap> Screenshot(SDL_Window* window);

 private:
  unsigned long XWindowOf(SDL_Window* window) const;
  void Flush();

  _XDisplay* display_ = nullptr;
  bool ok_ = false;
};

// Steps run one a tick (every 150 ms of the real clock) while a modal loop runs: the test's own
// code cannot run inside the dialog's loop otherwise. A step answers false to be tried again.
class TickScript {
 public:
  explicit TickScript(std::deque<std::function<bool()>> steps) : steps_(std::move(steps)) {
    wnd_ = AllocateHWnd([this](TMessage& m) {
      if (m.Msg == WM_TIMER && !steps_.empty() && steps_.front()()) steps_.pop_front();
    });
    SetTimer(wnd_, 1, 150);
  }
  ~TickScript() {
    KillTimer(wnd_, 1);
    DeallocateHWnd(wnd_);
  }
  bool Done() const { return steps_.empty(); }

 private:
  std::deque<std::function<bool()>> steps_;
  HWND wnd_ = nullptr;
};

// Pixels of `a` and `b` that differ (colour bits only); -1 when the sizes differ.
long CountDifferentPixels(const TBitmap& a, const TBitmap& b);

// A test on real windows: skipped when no display can be opened.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Runs the loop (queued work, paints, events) until `done` holds or `timeoutMs` passed;
  // answers whether it holds.
  bool PumpUntil(const std::function<bool()>& done, int timeoutMs = 5000);
  // Runs the loop for `ms`.
  void PumpFor(int ms);
  // Waits until the window's pixels equal the form's surface; answers the last difference.
  long PumpUntilWindowShows(TCustomForm* form, int timeoutMs = 5000);

  std::unique_ptr<TSdlBackend> backend_;
  std::unique_ptr<XDriver> x_;
};

}  // namespace fw::testing
