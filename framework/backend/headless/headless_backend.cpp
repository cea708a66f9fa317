// The headless backend's clock, modal script, prompt answers and records.
#include "framework/backend/headless/headless_backend.h"

#include "framework/controls/form.h"

namespace fw {

double THeadlessBackend::Now() {
  return kHeadlessStartDate + static_cast<double>(clock_) / 86400000.0;
}

void THeadlessBackend::Present(TCustomForm* form, const TRect& area) {
  // Bounded: a long-running program without a reader must not grow without end.
  if (presented_.size() >= 4096) presented_.erase(presented_.begin(), presented_.begin() + 2048);
  presented_.push_back(Presentation{form, area});
}

bool THeadlessBackend::WaitForInput(int64_t timeoutMs) {
  if (timeoutMs < 0) return false;
  clock_ += timeoutMs;
  return true;
}

void THeadlessBackend::ModalStarted(TCustomForm* form) {
  const TControlRef alive = form->Ref();
  if (ModalScript) {
    // A copy: the script may replace itself, or show another modal form that it answers too
    // (it receives each form and can tell them apart).
    auto script = ModalScript;
    script(*form);
  }
  if (alive && form->ModalResult() == mrNone) form->SetModalResult(mrCancel);
}

TPromptAnswer THeadlessBackend::Prompt(const TPromptRequest& request) {
  prompts_.push_back(request);
  auto it = answers_.find(request.Kind);
  if (it == answers_.end() || it->second.empty()) return TPromptAnswer{};
  TPromptAnswer answer = it->second.front();
  it->second.pop_front();
  return answer;
}

void THeadlessBackend::QueueAnswer(const std::string& kind, TPromptAnswer answer) {
  answers_[kind].push_back(std::move(answer));
}

std::unique_ptr<TBackend> CreateDefaultBackend() {
  return std::make_unique<THeadlessBackend>();
}

}  // namespace fw
