// fw::Event<Sig>: the C++ form of the platform's method-pointer events, and the framework's
// event types (notify, mouse, key, wheel) with the shift-state set they carry.
#pragma once

#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>

#include "framework/base/set.h"
#include "framework/rtl/types.h"

namespace fw {

class TObject;

template <typename Sig>
class Event;

// A handler slot: empty, or a callable with signature R(Args...). Calling an empty event does
// nothing and gives R's default value. An optional hook runs after every assignment, for
// events whose assignment has a documented side effect.
template <typename R, typename... Args>
class Event<R(Args...)> {
 public:
  using Handler = std::function<R(Args...)>;

  Event() = default;
  Event(std::nullptr_t) {}
  template <typename F, typename = std::enable_if_t<std::is_constructible_v<Handler, F> &&
                                                    !std::is_same_v<std::decay_t<F>, Event>>>
  Event(F&& f) : handler_(std::forward<F>(f)) {}

  // Copying an event copies its handler; the hook belongs to the slot and is not copied.
  Event(const Event& other) : handler_(other.handler_) {}
  Event& operator=(const Event& other) {
    handler_ = other.handler_;
    RunHook();
    return *this;
  }
  Event& operator=(std::nullptr_t) {
    handler_ = nullptr;
    RunHook();
    return *this;
  }
  template <typename F, typename = std::enable_if_t<std::is_constructible_v<Handler, F> &&
                                                    !std::is_same_v<std::decay_t<F>, Event>>>
  Event& operator=(F&& f) {
    handler_ = std::forward<F>(f);
    RunHook();
    return *this;
  }

  bool Assigned() const { return static_cast<bool>(handler_); }
  explicit operator bool() const { return Assigned(); }

  R operator()(Args... args) const {
    if (!handler_) {
      if constexpr (std::is_void_v<R>) {
        return;
      } else {
        return R{};
      }
    }
    return handler_(std::forward<Args>(args)...);
  }

  // Runs after each assignment to this event (not after copying the event elsewhere).
  void SetAssignHook(std::function<void()> hook) { hook_ = std::move(hook); }

 private:
  void RunHook() {
    if (hook_) hook_();
  }

  Handler handler_;
  std::function<void()> hook_;
};

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };

enum TShiftStateItem : uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = Set<TShiftStateItem>;

using TNotifyEvent = Event<void(TObject* Sender)>;
using TMouseEvent =
    Event<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = Event<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = Event<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = Event<void(TObject* Sender, char32_t& Key)>;
using TMouseWheelEvent =
    Event<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent =
    Event<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

}  // namespace fw
