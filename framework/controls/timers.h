// Hidden message windows and timers: AllocateHWnd gives a window handle whose procedure
// receives posted messages and WM_TIMER ticks of the timers started on it with SetTimer.
#pragma once

#include <cstdint>
#include <functional>

#include "framework/controls/messages.h"

namespace fw {

// An opaque window handle; nullptr is no window. Handles are never reused.
struct THandleTag;
using HWND = THandleTag*;

using TWndMethod = std::function<void(TMessage&)>;

// A hidden window whose messages go to `proc`.
HWND AllocateHWnd(TWndMethod proc);
// Stops the window's timers and forgets it; later messages to it are dropped. Safe to call
// from the window's own procedure.
void DeallocateHWnd(HWND wnd);
bool IsWindow(HWND wnd);

// Starts timer `id` on `wnd` (restarting it with the new interval when it runs). Intervals
// below 10 ms count as 10 ms. False when the window is unknown or the backend refuses.
bool SetTimer(HWND wnd, UINT id, UINT ms);
// Stops the timer; false when it was not running.
bool KillTimer(HWND wnd, UINT id);

// The default answer to a message: Result 0.
LRESULT DefWindowProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
void DefWindowProc(HWND wnd, TMessage& message);

// Calls the window's procedure now; 0 for an unknown window.
LRESULT SendMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);
// Queues the message for the application's loop; false for an unknown window.
bool PostMessage(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

namespace timer_detail {

// The earliest due time of all running timers; false when none runs.
bool NextDue(int64_t& due);
// Delivers the earliest timer due at or before `now` (a WM_TIMER to its window, exceptions
// to Application->HandleException) and schedules its next tick. False when none is due.
bool DeliverOneDue(int64_t now);
// Moves every due time by `delta` (the clock changed with the backend).
void ShiftTimers(int64_t delta);
int RunningTimerCount();

}  // namespace timer_detail

}  // namespace fw
