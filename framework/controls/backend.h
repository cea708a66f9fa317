// The backend interface: what the framework needs from the machine it runs on (clock, showing
// and presenting forms, waiting for input, cursor, beep, clipboard, modal and prompt hooks).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/rtl/types.h"

namespace fw {

class TCustomForm;
using TCursor = int16_t;

// A question the framework puts to the user outside any form: a popup menu (Items are the
// captions, the answer an index), a dialog (the answer a text), a message box. Kind names
// the sort ("popup", "open-dialog", ...).
struct TPromptRequest {
  std::string Kind;
  std::string Caption;
  std::vector<std::string> Items;
};

struct TPromptAnswer {
  bool Accepted = false;  // false: dismissed
  int Index = -1;
  std::string Text;
};

class TBackend {
 public:
  virtual ~TBackend() = default;

  // Milliseconds of a monotonic clock (timers, double-click time).
  virtual int64_t Milliseconds() = 0;
  // The current date and time (days since 1899-12-30).
  virtual double Now() = 0;

  // A form became visible or was hidden (or destroyed while visible).
  virtual void FormShown(TCustomForm* form) = 0;
  virtual void FormHidden(TCustomForm* form) = 0;
  // The part `area` (form coordinates) of the form's surface changed and should be shown.
  virtual void Present(TCustomForm* form, const TRect& area) = 0;

  // Waits up to timeoutMs (-1: without limit) for input and hands it to the application's
  // input dispatch. False when no input can ever come (nothing left to wait for).
  virtual bool WaitForInput(int64_t timeoutMs) = 0;

  // A form's modal loop began; the backend may answer it at once (headless: the test's
  // script).
  virtual void ModalStarted(TCustomForm* form) = 0;
  virtual TPromptAnswer Prompt(const TPromptRequest& request) = 0;

  virtual void SetCursor(TCursor cursor) = 0;
  virtual void Beep(uint32_t type) = 0;
  // Whether SetTimer may start another timer.
  virtual bool AcceptTimer() = 0;

  // Plain text on the clipboard; nullopt when it holds none.
  virtual std::optional<std::string> ClipboardText() = 0;
  virtual void SetClipboardText(std::optional<std::string> text) = 0;
};

// The backend in use; the headless backend unless another was installed.
TBackend& CurrentBackend();
// Installs `backend` (nullptr: back to the default headless one). The caller keeps ownership
// and uninstalls it before deleting it. Running timers keep their remaining time.
void SetBackend(TBackend* backend);
// The backend installed by SetBackend (nullptr: the default one is in use).
TBackend* InstalledBackend();

// The default backend, made on first use (defined by the headless backend).
std::unique_ptr<TBackend> CreateDefaultBackend();

}  // namespace fw
