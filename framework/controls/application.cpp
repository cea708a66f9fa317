// TApplication: the queue and the loop, modal loops, exception reports, and the global
// Application object.
#include "framework/controls/application.h"

#include <algorithm>
#include <iostream>

#include "framework/controls/backend.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/controls/timers.h"

namespace fw {

namespace {
TApplication theApplication(nullptr);
}  // namespace

TApplication* Application = &theApplication;

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {}

TApplication::~TApplication() {
  DestroyComponents();
  if (Application == this) Application = nullptr;
}

void TApplication::Post(std::function<void()> call) {
  queue_.push_back(std::move(call));
}

bool TApplication::RunOneQueued() {
  if (queue_.empty()) return false;
  std::function<void()> call = std::move(queue_.front());
  queue_.pop_front();
  try {
    call();
  } catch (...) {
    HandleException(nullptr);
  }
  return true;
}

void TApplication::PaintAll() {
  if (!Screen) return;
  std::vector<TControlRef> forms;
  for (int i = 0; i < Screen->FormCount(); ++i) forms.push_back(Screen->Forms(i)->Ref());
  for (const TControlRef& ref : forms) {
    if (auto* form = static_cast<TCustomForm*>(ref.Get())) form->PaintPending();
    if (auto* form = static_cast<TCustomForm*>(ref.Get())) form->PresentPending();
  }
}

bool TApplication::Step() {
  if (RunOneQueued()) return true;
  bool pending = false;
  if (Screen)
    for (int i = 0; i < Screen->FormCount() && !pending; ++i)
      pending = Screen->Forms(i)->HasPendingPaint();
  if (pending) {
    PaintAll();
    return true;
  }
  return timer_detail::DeliverOneDue(CurrentBackend().Milliseconds());
}

bool TApplication::Wait() {
  PaintAll();
  int64_t timeout = -1;
  int64_t due = 0;
  if (timer_detail::NextDue(due))
    timeout = std::max<int64_t>(0, due - CurrentBackend().Milliseconds());
  return CurrentBackend().WaitForInput(timeout);
}

void TApplication::ProcessMessages() {
  // Ticks due now, not those that fall due while this runs: a slow tick cannot keep it busy.
  const int64_t now = CurrentBackend().Milliseconds();
  for (;;) {
    if (RunOneQueued()) continue;
    if (timer_detail::DeliverOneDue(now)) continue;
    break;
  }
  PaintAll();
}

void TApplication::HandleMessage() {
  if (Step()) return;
  if (!Wait()) terminated_ = true;
}

void TApplication::Run() {
  if (mainForm_) mainForm_->Show();
  while (!terminated_) HandleMessage();
}

TCustomForm* TApplication::ModalForm() const {
  for (auto it = modalForms_.rbegin(); it != modalForms_.rend(); ++it)
    if (TControl* c = it->Get()) return static_cast<TCustomForm*>(c);
  return nullptr;
}

void TApplication::ModalLoop(TCustomForm* form) {
  const TControlRef ref = form->Ref();
  modalForms_.push_back(ref);
  struct Pop {
    std::vector<TControlRef>& stack;
    ~Pop() { stack.pop_back(); }
  } pop{modalForms_};
  CurrentBackend().ModalStarted(form);
  while (ref && form->ModalResult() == mrNone) {
    if (terminated_ || !form->Visible()) {
      form->SetModalResult(mrCancel);
      break;
    }
    if (Step()) continue;
    if (!Wait() && ref && form->ModalResult() == mrNone) form->SetModalResult(mrCancel);
  }
}

void TApplication::HandleException(TObject* Sender) {
  std::exception_ptr current = std::current_exception();
  if (!current) return;
  auto report = [&](const std::exception& e) {
    if (!OnException) {
      ShowException(e);
      return;
    }
    try {
      OnException(Sender, e);
    } catch (const std::exception& inner) {
      ShowException(inner);
    } catch (...) {
      ShowException(Exception("Unknown exception"));
    }
  };
  try {
    std::rethrow_exception(current);
  } catch (const std::exception& e) {
    report(e);
  } catch (...) {
    report(Exception("Unknown exception"));
  }
}

void TApplication::ShowException(const std::exception& e) {
  std::cerr << e.what() << '\n';
}

void TApplication::FormGone(TCustomForm* form) {
  input_.Forget(form);
  if (mainForm_ == form) mainForm_ = nullptr;
}

void TApplication::Reset() {
  queue_.clear();
  modalForms_.clear();
  input_.Reset();
  mainForm_ = nullptr;
  terminated_ = false;
}

}  // namespace fw
