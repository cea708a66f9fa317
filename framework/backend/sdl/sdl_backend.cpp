// TSdlBackend: SDL start and stop, the clock, windows per form, presenting, the clipboard,
// cursors and prompts. The event handling is in sdl_events.cpp.
#include "framework/backend/sdl/sdl_backend.h"

#include <algorithm>
#include <ctime>
#include <string_view>

#include "framework/backend/sdl/sdl_keymap.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/screen.h"
#include "framework/rtl/datetime.h"
#include "framework/rtl/exceptions.h"

namespace fw {

TSdlBackend::TSdlBackend() : start_(std::chrono::steady_clock::now()) {
  // The software renderer unless the user asks for another: uploads of small dirty areas and
  // a copy per frame need no graphics driver, and behave the same on every display.
  SDL_SetHintWithPriority(SDL_HINT_RENDER_DRIVER, "software", SDL_HINT_DEFAULT);
  // The software renderer draws into the window's own framebuffer, not into one more texture
  // (which would load a graphics driver for nothing).
  SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
  // Forms decide what closing the last window means (the main form ends the program).
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The first click on a window that is not active reaches the control under it.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
    throw Exception(std::string("Cannot start the window system: ") + SDL_GetError());
  // Installed after SDL's start, so that it comes before SDL's own handler (which ends the
  // program on any error) and SDL's stop finds its handler back in place.
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver && std::string_view(driver) == "x11") xErrors_ = std::make_unique<TXErrorTolerance>();
}

TSdlBackend::~TSdlBackend() {
  windows_.clear();
  retired_.clear();
  if (xErrors_) xErrors_->Settle();
  xErrors_.reset();
  for (auto& c : cursors_) c.reset();
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  SDL_Quit();
}

int64_t TSdlBackend::Milliseconds() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                               start_)
      .count();
}

double TSdlBackend::Now() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  const auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
  std::tm local{};
  localtime_r(&seconds, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, std::min(local.tm_sec, 59), static_cast<int>(ms));
}

// --- Windows

TSdlWindow* TSdlBackend::Find(const TCustomForm* form) const {
  for (const auto& w : windows_)
    if (w->Form() == form) return w.get();
  return nullptr;
}

TSdlWindow* TSdlBackend::Find(uint32_t windowId) const {
  for (const auto& w : windows_)
    if (w->Id() == windowId) return w.get();
  return nullptr;
}

SDL_Window* TSdlBackend::WindowOf(const TCustomForm* form) const {
  const TSdlWindow* w = Find(form);
  return w ? w->Window() : nullptr;
}

void TSdlBackend::FormShown(TCustomForm* form) {
  if (Find(form)) return;
  windows_.push_back(std::make_unique<TSdlWindow>(form));
  if (xErrors_) xErrors_->Watch(windows_.back()->Window());
}

void TSdlBackend::FormHidden(TCustomForm* form) {
  const auto hidden = std::find_if(windows_.begin(), windows_.end(),
                                   [form](const auto& w) { return w->Form() == form; });
  if (hidden != windows_.end()) {
    (*hidden)->Hide();
    retired_.push_back(Retired{std::move(*hidden), Milliseconds()});
    windows_.erase(hidden);
  }
  std::erase_if(uploads_, [form](const Upload& u) { return u.form == form; });
}

int64_t TSdlBackend::DestroyRetiredWindows() {
  const int64_t now = Milliseconds();
  std::erase_if(retired_,
                [now](const Retired& r) { return now - r.since >= kRetiredWindowLifeMs; });
  int64_t next = -1;
  for (const Retired& r : retired_) {
    const int64_t due = std::max<int64_t>(r.since + kRetiredWindowLifeMs - now, 0);
    if (next < 0 || due < next) next = due;
  }
  return next;
}

void TSdlBackend::SyncWindows() {
  for (const auto& w : windows_) w->Sync();
}

void TSdlBackend::Present(TCustomForm* form, const TRect& area) {
  TSdlWindow* w = Find(form);
  if (!w) return;
  w->Sync();
  const TRect uploaded = w->Present(area);
  if (IsRectEmpty(uploaded)) return;
  // Bounded: a long-running program without a reader must not grow without end.
  if (uploads_.size() >= 4096) uploads_.erase(uploads_.begin(), uploads_.begin() + 2048);
  uploads_.push_back(Upload{form, uploaded});
}

void TSdlBackend::ModalStarted(TCustomForm* form) {
  TSdlWindow* modal = Find(form);
  TCustomForm* main = Application ? Application->MainForm() : nullptr;
  TSdlWindow* parent = main && main != form ? Find(main) : nullptr;
  if (modal && parent) SDL_SetWindowModalFor(modal->Window(), parent->Window());
}

// --- Waiting

bool TSdlBackend::WaitForInput(int64_t timeoutMs) {
  SyncWindows();
  const int64_t retiredDue = DestroyRetiredWindows();
  if (windows_.empty() && timeoutMs < 0) return false;
  // Wake up in time to destroy the retired windows even when no input comes.
  if (retiredDue >= 0 && (timeoutMs < 0 || retiredDue < timeoutMs)) timeoutMs = retiredDue;
  SDL_Event event;
  const int got =
      timeoutMs < 0
          ? SDL_WaitEvent(&event)
          : SDL_WaitEventTimeout(&event, static_cast<int>(std::min<int64_t>(timeoutMs, 1 << 30)));
  if (!got) return true;
  HandleEvent(event);
  // What else is waiting, at most a screenful, so that the loop paints between floods.
  for (int i = 0; i < 256 && SDL_PollEvent(&event); ++i) HandleEvent(event);
  return true;
}

// --- The user's other services

TPromptAnswer TSdlBackend::Prompt(const TPromptRequest& request) {
  const int count = static_cast<int>(request.Items.size());
  if (count == 0 || count > kMaxPromptItems) return TPromptAnswer{};
  std::vector<SDL_MessageBoxButtonData> buttons;
  for (int i = 0; i < count; ++i) buttons.push_back({0, i, request.Items[i].c_str()});
  buttons.push_back({SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, -1, "Cancel"});
  TSdlWindow* parent = Screen && Screen->ActiveForm() ? Find(Screen->ActiveForm()) : nullptr;
  const std::string title = request.Caption.empty() ? request.Kind : request.Caption;
  const SDL_MessageBoxData box{SDL_MESSAGEBOX_INFORMATION,
                               parent ? parent->Window() : nullptr,
                               title.c_str(),
                               title.c_str(),
                               static_cast<int>(buttons.size()),
                               buttons.data(),
                               nullptr};
  int chosen = -1;
  if (SDL_ShowMessageBox(&box, &chosen) != 0 || chosen < 0 || chosen >= count) return {};
  TPromptAnswer answer;
  answer.Accepted = true;
  answer.Index = chosen;
  answer.Text = request.Items[chosen];
  return answer;
}

void TSdlBackend::SetCursor(TCursor cursor) {
  if (cursor == crNone) {
    SDL_ShowCursor(SDL_DISABLE);
    return;
  }
  SDL_ShowCursor(SDL_ENABLE);
  const SDL_SystemCursor id = sdl::SystemCursorFor(cursor);
  auto& slot = cursors_[id];
  if (!slot) slot.reset(SDL_CreateSystemCursor(id));
  if (slot) SDL_SetCursor(slot.get());
}

void TSdlBackend::Beep(uint32_t) {
  ++beeps_;
}

std::optional<std::string> TSdlBackend::ClipboardText() {
  if (!SDL_HasClipboardText()) return std::nullopt;
  char* text = SDL_GetClipboardText();
  if (!text) return std::nullopt;
  std::string result(text);
  SDL_free(text);
  if (result.empty()) return std::nullopt;
  return result;
}

void TSdlBackend::SetClipboardText(std::optional<std::string> text) {
  SDL_SetClipboardText(text ? text->c_str() : "");
}

}  // namespace fw
