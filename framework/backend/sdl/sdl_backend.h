// The windowed backend: one SDL window per shown form, the form's surface presented through a
// streaming texture, SDL's mouse, keyboard and window events handed to the input dispatch,
// the system clipboard and cursors, and the real clock.
#pragma once

#include <SDL.h>

#include <array>
#include <chrono>
#include <memory>
#include <vector>

#include "framework/backend/sdl/sdl_window.h"
#include "framework/backend/sdl/sdl_x11_errors.h"
#include "framework/controls/backend.h"

namespace fw {

class TSdlBackend : public TBackend {
 public:
  // Starts SDL's video; raises fw::Exception when there is no display to open windows on.
  TSdlBackend();
  ~TSdlBackend() override;
  TSdlBackend(const TSdlBackend&) = delete;
  TSdlBackend& operator=(const TSdlBackend&) = delete;

  // Milliseconds since the backend started, from a monotonic clock.
  int64_t Milliseconds() override;
  // The local date and time of the system clock.
  double Now() override;
  void FormShown(TCustomForm* form) override;
  void FormHidden(TCustomForm* form) override;
  void Present(TCustomForm* form, const TRect& area) override;
  // Sleeps in SDL until an event comes or the timeout passes, then hands every waiting event
  // to the forms. False when no window is open and no timeout was given.
  bool WaitForInput(int64_t timeoutMs) override;
  // The modal form's window stays above the main form's window.
  void ModalStarted(TCustomForm* form) override;
  // A message box with one button per item (at most kMaxPromptItems) and Cancel; requests
  // that want a text are dismissed.
  TPromptAnswer Prompt(const TPromptRequest& request) override;
  void SetCursor(TCursor cursor) override;
  // No sound: the call is counted.
  void Beep(uint32_t type) override;
  bool AcceptTimer() override { return true; }
  // The system clipboard's text; empty text counts as none.
  std::optional<std::string> ClipboardText() override;
  void SetClipboardText(std::optional<std::string> text) override;

  static constexpr int kMaxPromptItems = 12;

  // Hands one SDL event to the forms, as WaitForInput does with each event it takes.
  void HandleEvent(const SDL_Event& event);
  // The window showing `form` (nullptr when it shows none).
  SDL_Window* WindowOf(const TCustomForm* form) const;
  // The areas uploaded to the forms' textures, oldest first (bounded).
  struct Upload {
    TCustomForm* form;
    TRect area;
  };
  std::vector<Upload>& Uploads() { return uploads_; }
  int BeepCount() const { return beeps_; }
  // Windows of hidden forms not yet destroyed (see kRetiredWindowLifeMs).
  int RetiredWindowCount() const { return static_cast<int>(retired_.size()); }

  // A hidden form's window is hidden at once but destroyed only this long afterwards: events
  // and replies about it may still be on their way (from SDL, the X server or a window
  // manager), and requests they cause about a window already destroyed end in X errors.
  static constexpr int64_t kRetiredWindowLifeMs = 1000;

 private:
  TSdlWindow* Find(const TCustomForm* form) const;
  TSdlWindow* Find(uint32_t windowId) const;
  // The form for keyboard events of `windowId`: its window's form, else the active form.
  TCustomForm* KeyForm(uint32_t windowId) const;
  void SyncWindows();
  // Destroys the retired windows whose time is up; answers the milliseconds until the next
  // one is due (-1: none left).
  int64_t DestroyRetiredWindows();
  void HandleWindowEvent(const SDL_WindowEvent& e);
  void HandleMouseButton(const SDL_MouseButtonEvent& e, bool down);
  void HandleWheel(const SDL_MouseWheelEvent& e);
  void HandleKey(const SDL_KeyboardEvent& e, bool down);
  void HandleText(const SDL_TextInputEvent& e);

  struct FreeCursor {
    void operator()(SDL_Cursor* c) const { SDL_FreeCursor(c); }
  };

  std::chrono::steady_clock::time_point start_;
  std::unique_ptr<TXErrorTolerance> xErrors_;  // while SDL runs on X
  std::vector<std::unique_ptr<TSdlWindow>> windows_;
  struct Retired {
    std::unique_ptr<TSdlWindow> window;
    int64_t since;
  };
  std::vector<Retired> retired_;
  std::array<std::unique_ptr<SDL_Cursor, FreeCursor>, SDL_NUM_SYSTEM_CURSORS> cursors_;
  std::vector<Upload> uploads_;
  uint32_t buttonsHeld_ = 0;
  int beeps_ = 0;
};

}  // namespace fw
