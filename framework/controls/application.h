// TApplication and the global `Application`: the message queue and loop (ProcessMessages,
// HandleMessage, Run, Terminate), modal loops, input dispatch and exception handling.
#pragma once

#include <deque>
#include <exception>
#include <functional>
#include <vector>

#include "framework/base/component.h"
#include "framework/base/event.h"
#include "framework/controls/input.h"

namespace fw {

class TCustomForm;

using TExceptionEvent = Event<void(TObject* Sender, const std::exception& E)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner);
  ~TApplication() override;

  // Queues `call` for the loop (posted messages, deferred deletes, backend input).
  void Post(std::function<void()> call);
  // Runs queued calls, pending paints and due timer ticks until none is left; returns.
  void ProcessMessages();
  // One step of the loop: a queued call, else pending paints, else one due timer tick, else
  // waits for input. The loop ends (Terminated) when the backend reports that no input can
  // come.
  void HandleMessage();
  // Shows the main form and loops until Terminate (or the main form closes).
  void Run();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }
  // Runs the loop until `form` has a modal result.
  void ModalLoop(TCustomForm* form);
  // The form whose modal loop runs innermost (nullptr: none); input reaches only it.
  TCustomForm* ModalForm() const;

  // The form shown by Run; the first form shown when none was set.
  TCustomForm* MainForm() const { return mainForm_; }
  void SetMainForm(TCustomForm* form) { mainForm_ = form; }

  // Reports the exception being handled (call it inside a catch block): OnException when
  // assigned, else its message on stderr. Outside a catch block it does nothing.
  void HandleException(TObject* Sender);
  // Writes the message on stderr.
  void ShowException(const std::exception& e);
  TExceptionEvent OnException;

  TInputDispatch& Input() { return input_; }

  // Paints and presents every form's pending areas.
  void PaintAll();
  // A form is going away.
  void FormGone(TCustomForm* form);
  // Forgets queued work, capture and hover (a new test host starts clean).
  void Reset();

 private:
  bool RunOneQueued();
  // One piece of work (queued call, pending paints, a due tick); false when there was none.
  bool Step();
  // Waits for input until the next timer is due; false when no input can ever come.
  bool Wait();

  std::deque<std::function<void()>> queue_;
  std::vector<TControlRef> modalForms_;
  TInputDispatch input_;
  TCustomForm* mainForm_ = nullptr;
  bool terminated_ = false;
};

// The application object (never null while the program runs).
extern TApplication* Application;

}  // namespace fw
