// The gallery program in windows, driven from outside as a user drives it: fast page
// switching with the pointer inside the window leaves it running, on the page it came back to.
// (Each switch destroyed a window while SDL's wake-up message to it could still be on its way
// through SDL's second connection to the X server; the server's BadWindow answer ended the
// program.)
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

// Last: the X headers define macros (None, Bool, Status) that other headers must not see.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace {

using namespace std::chrono_literals;

int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

// The gallery program as a child process, ended when the test ends.
class GalleryProcess {
 public:
  GalleryProcess() {
    pid_ = fork();
    if (pid_ == 0) {
      execl(PANEKIT_GALLERY_PROGRAM, PANEKIT_GALLERY_PROGRAM, "--window", nullptr);
      _exit(127);
    }
  }
  ~GalleryProcess() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  bool Started() const { return pid_ > 0; }
  bool Running() {
    if (exited_) return false;
    if (waitpid(pid_, &status_, WNOHANG) == pid_) exited_ = true;
    return !exited_;
  }
  // The exit status once the program ended within `wait` (nothing when it did not).
  std::optional<int> ExitStatus(std::chrono::milliseconds wait) {
    const auto end = std::chrono::steady_clock::now() + wait;
    while (Running() && std::chrono::steady_clock::now() < end) std::this_thread::sleep_for(20ms);
    if (!exited_) return std::nullopt;
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : 128 + WTERMSIG(status_);
  }

 private:
  pid_t pid_ = -1;
  int status_ = 0;
  bool exited_ = false;
};

// The X display as the user at the keyboard: finds the gallery's window, clicks, types.
class User {
 public:
  User() : display_(XOpenDisplay(nullptr)) {
    // Windows come and go while they are looked at: a failed query is an empty answer.
    if (display_) XSetErrorHandler(IgnoreXError);
  }
  ~User() {
    if (display_) XCloseDisplay(display_);
  }
  bool Ok() const {
    int event = 0, error = 0, major = 0, minor = 0;
    return display_ && XTestQueryExtension(display_, &event, &error, &major, &minor);
  }
  // The caption of every gallery window on the screen (mapped and viewable).
  std::vector<std::pair<::Window, std::string>> GalleryWindows() {
    std::vector<std::pair<::Window, std::string>> found;
    ::Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count))
      return found;
    for (unsigned i = 0; i < count; ++i) {
      XWindowAttributes attributes{};
      if (!XGetWindowAttributes(display_, children[i], &attributes) ||
          attributes.map_state != IsViewable)
        continue;
      char* name = nullptr;
      if (XFetchName(display_, children[i], &name) && name) {
        if (std::strstr(name, "Page Up / Page Down")) found.emplace_back(children[i], name);
        XFree(name);
      }
    }
    if (children) XFree(children);
    return found;
  }
  // Waits until exactly one gallery window shows; answers its caption (empty: none).
  std::pair<::Window, std::string> WaitForOneWindow(std::chrono::milliseconds wait) {
    const auto end = std::chrono::steady_clock::now() + wait;
    for (;;) {
      auto windows = GalleryWindows();
      if (windows.size() == 1) return windows[0];
      if (std::chrono::steady_clock::now() >= end) return {0, ""};
      std::this_thread::sleep_for(50ms);
    }
  }
  void ClickInto(::Window window) {
    int x = 0, y = 0;
    ::Window child = 0;
    XTranslateCoordinates(display_, window, DefaultRootWindow(display_), 60, 60, &x, &y, &child);
    XTestFakeMotionEvent(display_, DefaultScreen(display_), x, y, CurrentTime);
    XTestFakeButtonEvent(display_, 1, True, CurrentTime);
    XTestFakeButtonEvent(display_, 1, False, CurrentTime);
    XSync(display_, False);
  }
  void Press(const char* keyName) {
    const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keyName));
    XTestFakeKeyEvent(display_, code, True, CurrentTime);
    XTestFakeKeyEvent(display_, code, False, CurrentTime);
    XSync(display_, False);
  }
  // Asks the window to close, as its close button does.
  void Close(::Window window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XSync(display_, False);
  }

 private:
  Display* display_;
};

// Keeps both processors busy while alive: the fault showed most on a loaded machine, where
// the program's requests and the server's work interleave differently.
class BusyMachine {
 public:
  BusyMachine() {
    for (auto& t : spinners_)
      t = std::thread([this] {
        while (!stop_) spins_.fetch_add(1, std::memory_order_relaxed);
      });
  }
  ~BusyMachine() {
    stop_ = true;
    for (auto& t : spinners_) t.join();
  }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<uint64_t> spins_{0};
  std::thread spinners_[2];
};

TEST(GalleryProgram, FastPageSwitchingLeavesItRunningOnItsFirstPage) {
  User user;
  if (!std::getenv("DISPLAY") || !user.Ok()) GTEST_SKIP() << "no X display with XTEST";
  GalleryProcess gallery;
  ASSERT_TRUE(gallery.Started());
  const auto [first, caption] = user.WaitForOneWindow(10s);
  ASSERT_NE(first, 0u) << "the gallery shows no window";
  ASSERT_NE(caption.find("(1/"), std::string::npos) << caption;

  user.ClickInto(first);
  // About ten keys a second, 13 pages on and 13 back.
  BusyMachine busy;
  for (const char* key : {"Next", "Prior"}) {
    for (int i = 0; i < 13; ++i) {
      user.Press(key);
      std::this_thread::sleep_for(100ms);
      ASSERT_TRUE(gallery.Running()) << "ended after " << i + 1 << " presses of " << key;
    }
  }

  const auto [last, lastCaption] = user.WaitForOneWindow(5s);
  ASSERT_TRUE(gallery.Running());
  ASSERT_NE(last, 0u) << "no single gallery window after switching";
  EXPECT_NE(lastCaption.find("(1/"), std::string::npos) << lastCaption;
  user.Close(last);
  EXPECT_EQ(gallery.ExitStatus(10s), std::optional<int>(0));
}

}  // namespace
