// fw::TestHost: a form of a given size on the headless backend, driven like a user would:
// mouse, keyboard and clock through the same dispatch as a windowed backend, with snapshots
// of the surface, beep and cursor records, clipboard access and scripted modal answers.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/backend/headless/headless_backend.h"
#include "framework/controls/form.h"
#include "framework/graphics/bitmap.h"

namespace fw {

// A test drives a component like this:
//   fw::TestHost host(200, 100);
//   auto* meter = new TMeter(host.Form());        // the form owns it
//   meter->SetParent(host.Form());
//   meter->SetBounds(10, 10, 120, 80);
//   host.Show();                                   // windows created, first paint done
//   host.Click(50, 40);                            // press, Click, release
//   host.AdvanceTime(500);                         // timer ticks in time order
//   EXPECT_EQ(host.Pixel(10, 10), clBlack);        // pending paints performed first
class TestHost {
 public:
  // Installs a fresh headless backend (clock at 0), resets the application's input state and
  // creates a form of that size at (0, 0), not yet shown.
  explicit TestHost(int width = 320, int height = 240);
  // Deletes the form (and its controls) and puts the previous backend back.
  ~TestHost();
  TestHost(const TestHost&) = delete;
  TestHost& operator=(const TestHost&) = delete;

  TForm* Form() const { return form_.get(); }
  void Show();
  // Runs queued work and pending paints (as the loop would).
  void ProcessMessages();
  // A copy of the form's surface after the pending paints.
  std::unique_ptr<TBitmap> Snapshot();
  // One pixel of the surface after the pending paints (kInvalidPixel outside it).
  TColor Pixel(int x, int y);

  // --- Mouse, at form coordinates of the active form (this host's form when none is
  // active). A Click is a press and release that never pairs with an earlier press into a
  // double click; MouseDown does, by time and distance.
  void MouseDown(int x, int y, TMouseButton button = mbLeft, TShiftState shift = {});
  void MouseMove(int x, int y, TShiftState shift = {});
  void MouseUp(int x, int y, TMouseButton button = mbLeft, TShiftState shift = {});
  void Click(int x, int y, TMouseButton button = mbLeft, TShiftState shift = {});
  void DblClick(int x, int y, TShiftState shift = {});
  // delta: WHEEL_DELTA (120) per notch, positive away from the user.
  void Wheel(int x, int y, int delta, TShiftState shift = {});
  void MouseLeave();

  // --- Keyboard, to the focused control of the active form.
  void KeyDown(uint16_t vk, TShiftState shift = {});
  void KeyUp(uint16_t vk, TShiftState shift = {});
  // KeyDown then KeyUp.
  void PressKey(uint16_t vk, TShiftState shift = {});
  void KeyPress(char32_t ch);
  // One KeyPress per code point of the UTF-8 text.
  void TypeText(std::string_view utf8);

  // --- Clock: advances the virtual clock, delivering every timer tick that falls due in
  // time order (several of one timer when its interval fits several times), then runs the
  // queued work and paints.
  void AdvanceTime(int64_t ms);
  int64_t Milliseconds() { return backend_.Milliseconds(); }
  double Now() { return backend_.Now(); }
  void RefuseTimers(bool refuse) { backend_.RefuseTimers(refuse); }

  // --- Records
  std::vector<uint32_t>& BeepLog() { return backend_.Beeps(); }
  std::vector<TCursor>& CursorLog() { return backend_.Cursors(); }
  std::vector<THeadlessBackend::Presentation>& Presented() { return backend_.Presented(); }
  const std::vector<TPromptRequest>& Prompts() const { return backend_.Prompts(); }

  // --- Clipboard
  std::optional<std::string> ClipboardText() { return backend_.ClipboardText(); }
  void SetClipboardText(std::optional<std::string> text) {
    backend_.SetClipboardText(std::move(text));
  }

  // --- Scripts: called with each form shown modally; it may click, type and set the modal
  // result. Without a script (or a result) ShowModal answers mrCancel.
  void OnModal(std::function<void(TCustomForm&)> script) {
    backend_.ModalScript = std::move(script);
  }
  // The answer to the next prompt of that kind (popup menus, dialogs).
  void QueueAnswer(const std::string& kind, TPromptAnswer answer) {
    backend_.QueueAnswer(kind, std::move(answer));
  }

  THeadlessBackend& Backend() { return backend_; }

 private:
  TCustomForm* InputForm() const;

  THeadlessBackend backend_;
  TBackend* previous_ = nullptr;
  std::unique_ptr<TForm> form_;
};

}  // namespace fw
