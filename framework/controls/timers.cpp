// The window table behind AllocateHWnd and the timer list the application's loop serves.
#include "framework/controls/timers.h"

#include <algorithm>
#include <memory>
#include <unordered_map>
#include <vector>

#include "framework/controls/application.h"
#include "framework/controls/backend.h"

namespace fw {

namespace {

struct WindowRecord {
  TWndMethod proc;
};

struct TimerRecord {
  uintptr_t window = 0;
  UINT id = 0;
  int64_t interval = 0;
  int64_t due = 0;
  uint64_t sequence = 0;  // start order: ties of due times go to the earlier start
};

constexpr int64_t kMinimumInterval = 10;

struct WindowTable {
  std::unordered_map<uintptr_t, std::shared_ptr<WindowRecord>> windows;
  std::vector<TimerRecord> timers;
  uintptr_t nextHandle = 0x100;
  uint64_t nextSequence = 0;
};

WindowTable& Table() {
  static WindowTable table;
  return table;
}

uintptr_t Key(HWND wnd) {
  return reinterpret_cast<uintptr_t>(wnd);
}

std::shared_ptr<WindowRecord> Find(HWND wnd) {
  auto& windows = Table().windows;
  auto it = windows.find(Key(wnd));
  return it == windows.end() ? nullptr : it->second;
}

std::vector<TimerRecord>::iterator FindTimer(uintptr_t window, UINT id) {
  auto& timers = Table().timers;
  return std::find_if(timers.begin(), timers.end(),
                      [&](const TimerRecord& t) { return t.window == window && t.id == id; });
}

// Calls the window procedure; the record stays alive while it runs, even if the procedure
// deallocates its own window.
LRESULT Deliver(const std::shared_ptr<WindowRecord>& window, TMessage& message) {
  if (window->proc) window->proc(message);
  return message.Result;
}

}  // namespace

HWND AllocateHWnd(TWndMethod proc) {
  WindowTable& t = Table();
  uintptr_t key = t.nextHandle;
  t.nextHandle += 4;
  t.windows.emplace(key, std::make_shared<WindowRecord>(WindowRecord{std::move(proc)}));
  return reinterpret_cast<HWND>(key);
}

void DeallocateHWnd(HWND wnd) {
  WindowTable& t = Table();
  std::erase_if(t.timers, [&](const TimerRecord& r) { return r.window == Key(wnd); });
  t.windows.erase(Key(wnd));
}

bool IsWindow(HWND wnd) {
  return wnd != nullptr && Find(wnd) != nullptr;
}

bool SetTimer(HWND wnd, UINT id, UINT ms) {
  if (!IsWindow(wnd) || !CurrentBackend().AcceptTimer()) return false;
  WindowTable& t = Table();
  const int64_t interval = std::max<int64_t>(ms, kMinimumInterval);
  const int64_t due = CurrentBackend().Milliseconds() + interval;
  auto it = FindTimer(Key(wnd), id);
  if (it == t.timers.end()) {
    t.timers.push_back(TimerRecord{Key(wnd), id, interval, due, t.nextSequence++});
  } else {
    it->interval = interval;
    it->due = due;
    it->sequence = t.nextSequence++;
  }
  return true;
}

bool KillTimer(HWND wnd, UINT id) {
  auto& timers = Table().timers;
  auto it = FindTimer(Key(wnd), id);
  if (it == timers.end()) return false;
  timers.erase(it);
  return true;
}

LRESULT DefWindowProc(HWND, UINT, WPARAM, LPARAM) {
  return 0;
}

void DefWindowProc(HWND wnd, TMessage& message) {
  message.Result = DefWindowProc(wnd, message.Msg, message.WParam, message.LParam);
}

LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto window = Find(wnd);
  if (!window) return 0;
  TMessage message{msg, wParam, lParam, 0};
  return Deliver(window, message);
}

bool PostMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(wnd)) return false;
  Application->Post([wnd, msg, wParam, lParam] {
    // The window may have gone while the message waited.
    SendMessage(wnd, msg, wParam, lParam);
  });
  return true;
}

namespace timer_detail {

bool NextDue(int64_t& due) {
  const auto& timers = Table().timers;
  if (timers.empty()) return false;
  due = std::min_element(timers.begin(), timers.end(), [](const auto& a, const auto& b) {
          return a.due < b.due;
        })->due;
  return true;
}

bool DeliverOneDue(int64_t now) {
  auto& timers = Table().timers;
  auto earliest = timers.end();
  for (auto it = timers.begin(); it != timers.end(); ++it) {
    if (it->due > now) continue;
    if (earliest == timers.end() || it->due < earliest->due ||
        (it->due == earliest->due && it->sequence < earliest->sequence))
      earliest = it;
  }
  if (earliest == timers.end()) return false;
  const TimerRecord tick = *earliest;
  // The next tick follows the interval from this one; a clock far behind does not make up
  // for missed ticks in a burst.
  earliest->due = tick.due + tick.interval;
  if (earliest->due <= now) earliest->due = now + tick.interval;
  auto window = Find(reinterpret_cast<HWND>(tick.window));
  if (!window) return true;
  TMessage message{WM_TIMER, tick.id, 0, 0};
  try {
    Deliver(window, message);
  } catch (...) {
    Application->HandleException(nullptr);
  }
  return true;
}

void ShiftTimers(int64_t delta) {
  for (auto& t : Table().timers) t.due += delta;
}

int RunningTimerCount() {
  return static_cast<int>(Table().timers.size());
}

}  // namespace timer_detail

}  // namespace fw
