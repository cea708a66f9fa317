// TXErrorTolerance: an X error handler that reports and goes on, instead of Xlib's default
// that ends the program.
#include "framework/backend/sdl/sdl_x11_errors.h"

#include <atomic>
#include <cstdio>
#include <mutex>
#include <set>
#include <utility>

#ifdef PANEKIT_SDL_X11
#include <SDL.h>
#include <SDL_syswm.h>
#endif

namespace fw {

namespace {

std::atomic<int64_t> errorCount{0};
std::atomic<int64_t> reportCount{0};

#ifdef PANEKIT_SDL_X11

using Handler = int (*)(Display*, XErrorEvent*);

// The kinds already reported: (error code, major request code).
std::set<std::pair<int, int>>& ReportedKinds() {
  static std::set<std::pair<int, int>> kinds;
  return kinds;
}
std::mutex reportedMutex;

int TolerantHandler(Display* display, XErrorEvent* error) {
  ++errorCount;
  {
    std::lock_guard lock(reportedMutex);
    if (!ReportedKinds().insert({error->error_code, error->request_code}).second) return 0;
  }
  ++reportCount;
  // XGetErrorText only reads the error database; it sends no request, so it is safe here.
  char text[160] = "";
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr,
               "panekit: X error ignored: %s (code %d), request %d.%d, resource 0x%lx; "
               "further errors of this kind are not reported\n",
               text, error->error_code, error->request_code, error->minor_code,
               static_cast<unsigned long>(error->resourceid));
  return 0;
}

#endif

}  // namespace

TXErrorTolerance::TXErrorTolerance() {
#ifdef PANEKIT_SDL_X11
  {
    // Each backend reports each kind of error afresh.
    std::lock_guard lock(reportedMutex);
    ReportedKinds().clear();
  }
  previous_ = reinterpret_cast<void*>(XSetErrorHandler(TolerantHandler));
  installed_ = true;
#endif
}

TXErrorTolerance::~TXErrorTolerance() {
#ifdef PANEKIT_SDL_X11
  if (installed_) XSetErrorHandler(reinterpret_cast<Handler>(previous_));
#endif
}

void TXErrorTolerance::Watch(SDL_Window* window) {
#ifdef PANEKIT_SDL_X11
  if (display_ || !window) return;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) && info.subsystem == SDL_SYSWM_X11)
    display_ = info.info.x11.display;
#else
  (void)window;
#endif
}

void TXErrorTolerance::Settle() {
#ifdef PANEKIT_SDL_X11
  if (display_) XSync(static_cast<Display*>(display_), False);
#endif
}

int64_t TXErrorTolerance::ErrorCount() {
  return errorCount.load();
}

int64_t TXErrorTolerance::ReportCount() {
  return reportCount.load();
}

}  // namespace fw
