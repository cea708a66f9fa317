// Scope guards: run an action when a scope ends, set a variable for the length of a scope,
// hold an object's updates (BeginUpdate/EndUpdate) for the length of a scope.
//
//   TScopeExit closeLog([&] { log.Close(); });          // runs on return and on exceptions
//   TValueRestorer busy(aligning_, true);               // aligning_ is false again afterwards
//   TUpdateHold hold(lines);                            // lines.EndUpdate() afterwards
//
// The action may throw. When the scope ends normally its exception goes to the caller; when
// the scope is being left by an exception already, the action's own exception is dropped so
// that the first failure is the one reported.
#pragma once

#include <exception>
#include <type_traits>
#include <utility>

namespace fw {

template <typename Action>
class TScopeExit {
 public:
  explicit TScopeExit(Action action) : action_(std::move(action)) {}
  ~TScopeExit() noexcept(false) {
    if (!armed_) return;
    if (std::uncaught_exceptions() > exceptionsAtStart_) {
      try {
        action_();
      } catch (...) {
      }
    } else {
      action_();
    }
  }
  TScopeExit(const TScopeExit&) = delete;
  TScopeExit& operator=(const TScopeExit&) = delete;

  // The action will not run.
  void Dismiss() { armed_ = false; }

 private:
  Action action_;
  int exceptionsAtStart_ = std::uncaught_exceptions();
  bool armed_ = true;
};

// Sets `variable` to `value` now and gives it back the value it had when the scope ends.
template <typename T>
class TValueRestorer {
 public:
  TValueRestorer(T& variable, T value)
      : variable_(variable), saved_(std::exchange(variable, std::move(value))) {}
  ~TValueRestorer() { variable_ = std::move(saved_); }
  TValueRestorer(const TValueRestorer&) = delete;
  TValueRestorer& operator=(const TValueRestorer&) = delete;

  // The value the variable gets back.
  const T& Saved() const { return saved_; }

 private:
  T& variable_;
  T saved_;
};

// Calls BeginUpdate on `object` now and EndUpdate when the scope ends (which may notify, and
// may throw as TScopeExit's action does).
template <typename Updatable>
class TUpdateHold {
 public:
  // BeginUpdate runs first: should it throw, there is nothing to end.
  explicit TUpdateHold(Updatable& object) : end_((object.BeginUpdate(), EndUpdateOf{object})) {}

 private:
  struct EndUpdateOf {
    Updatable& object;
    void operator()() const { object.EndUpdate(); }
  };
  TScopeExit<EndUpdateOf> end_;
};

}  // namespace fw
