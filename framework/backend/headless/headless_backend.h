// The headless backend: a virtual clock that only its owner advances, no windows, and
// records of what would have reached the user (beeps, cursors, presented areas), with
// scripted answers for modal forms and prompts.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "framework/controls/backend.h"

namespace fw {

// The virtual clock starts at 2024-06-03 09:00:00 (a Monday).
inline constexpr double kHeadlessStartDate = 45446.375;

class THeadlessBackend : public TBackend {
 public:
  int64_t Milliseconds() override { return clock_; }
  double Now() override;
  void FormShown(TCustomForm*) override {}
  void FormHidden(TCustomForm*) override {}
  void Present(TCustomForm* form, const TRect& area) override;
  // Nothing ever comes: advances the clock to the next timer (timeout >= 0) or reports that
  // no input can come (timeout -1).
  bool WaitForInput(int64_t timeoutMs) override;
  // Runs the modal script; without one, or when it leaves no result, the form ends with
  // mrCancel.
  void ModalStarted(TCustomForm* form) override;
  // The next answer queued for the request's kind; none: dismissed.
  TPromptAnswer Prompt(const TPromptRequest& request) override;
  void SetCursor(TCursor cursor) override { cursors_.push_back(cursor); }
  void Beep(uint32_t type) override { beeps_.push_back(type); }
  bool AcceptTimer() override { return !refuseTimers_; }
  std::optional<std::string> ClipboardText() override { return clipboard_; }
  void SetClipboardText(std::optional<std::string> text) override { clipboard_ = std::move(text); }

  void Advance(int64_t ms) { clock_ += ms; }
  void SetClock(int64_t ms) { clock_ = ms; }
  void RefuseTimers(bool refuse) { refuseTimers_ = refuse; }

  std::function<void(TCustomForm&)> ModalScript;
  void QueueAnswer(const std::string& kind, TPromptAnswer answer);
  const std::vector<TPromptRequest>& Prompts() const { return prompts_; }

  std::vector<uint32_t>& Beeps() { return beeps_; }
  std::vector<TCursor>& Cursors() { return cursors_; }
  struct Presentation {
    TCustomForm* form;
    TRect area;
  };
  std::vector<Presentation>& Presented() { return presented_; }

 private:
  int64_t clock_ = 0;
  bool refuseTimers_ = false;
  std::optional<std::string> clipboard_;
  std::vector<uint32_t> beeps_;
  std::vector<TCursor> cursors_;
  std::vector<Presentation> presented_;
  std::map<std::string, std::deque<TPromptAnswer>> answers_;
  std::vector<TPromptRequest> prompts_;
};

}  // namespace fw
