// Tolerance of X protocol errors while the windowed backend runs on an X display.
//
// Xlib's default error handler ends the program on any protocol error. Some errors are
// harmless races the program cannot prevent: a request about a window the server has just
// destroyed (BadWindow), sent by SDL or by the window system's own replies while the window
// was on its way out. While a TXErrorTolerance lives, every X error is written to the error
// output (the first of each kind with its details, later ones of that kind only counted) and
// the program goes on.
#pragma once

#include <cstdint>

struct SDL_Window;

namespace fw {

class TXErrorTolerance {
 public:
  // Installs the tolerant handler in place of the current one (when built with X11).
  TXErrorTolerance();
  // Puts back the handler that was current before.
  ~TXErrorTolerance();
  TXErrorTolerance(const TXErrorTolerance&) = delete;
  TXErrorTolerance& operator=(const TXErrorTolerance&) = delete;

  // Notes the X display `window` is on (nothing when it is not on X), for Settle.
  void Watch(SDL_Window* window);
  // Waits until the noted display has answered every request sent so far, so that errors
  // still on their way arrive here and not at the handler put back afterwards.
  void Settle();

  // X errors received while a tolerance was installed, since the program started.
  static int64_t ErrorCount();
  // Messages written about them (one per kind of error: code and request).
  static int64_t ReportCount();

 private:
  void* previous_ = nullptr;
  void* display_ = nullptr;
  bool installed_ = false;
};

}  // namespace fw
