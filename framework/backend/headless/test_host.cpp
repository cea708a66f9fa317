// TestHost: the form, the drive of mouse, keyboard and clock, and snapshots.
#include "framework/backend/headless/test_host.h"

#include "framework/controls/application.h"
#include "framework/controls/screen.h"
#include "framework/controls/timers.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

// The code points of UTF-8 text; each malformed byte gives U+FFFD.
std::vector<char32_t> CodePoints(std::string_view s) {
  std::vector<char32_t> out;
  for (size_t pos = 0; pos < s.size();) out.push_back(NextCodePoint(s, pos));
  return out;
}

}  // namespace

TestHost::TestHost(int width, int height) : previous_(InstalledBackend()) {
  SetBackend(&backend_);
  Application->Reset();
  if (Screen) Screen->Reset();
  form_ = std::make_unique<TForm>(nullptr);
  form_->SetBounds(0, 0, width, height);
}

TestHost::~TestHost() {
  form_.reset();
  // Deferred deletes (Release, caFree) still waiting must run, or their forms would leak.
  Application->ProcessMessages();
  Application->Reset();
  SetBackend(previous_);
}

void TestHost::Show() {
  form_->Show();
  ProcessMessages();
}

void TestHost::ProcessMessages() {
  Application->ProcessMessages();
}

std::unique_ptr<TBitmap> TestHost::Snapshot() {
  ProcessMessages();
  auto copy = std::make_unique<TBitmap>();
  copy->Assign(form_->Surface());
  return copy;
}

TColor TestHost::Pixel(int x, int y) {
  ProcessMessages();
  TBitmap* s = form_->Surface();
  if (!s || x < 0 || y < 0 || x >= s->Width() || y >= s->Height()) return kInvalidPixel;
  return s->Canvas()->Pixels(x, y);
}

TCustomForm* TestHost::InputForm() const {
  TCustomForm* active = Screen ? Screen->ActiveForm() : nullptr;
  return active ? active : form_.get();
}

void TestHost::MouseDown(int x, int y, TMouseButton button, TShiftState shift) {
  Application->Input().MouseDown(InputForm(), button, shift, x, y);
  ProcessMessages();
}

void TestHost::MouseMove(int x, int y, TShiftState shift) {
  Application->Input().MouseMove(InputForm(), shift, x, y);
  ProcessMessages();
}

void TestHost::MouseUp(int x, int y, TMouseButton button, TShiftState shift) {
  Application->Input().MouseUp(InputForm(), button, shift, x, y);
  ProcessMessages();
}

void TestHost::Click(int x, int y, TMouseButton button, TShiftState shift) {
  Application->Input().ForgetLastPress();
  MouseMove(x, y, shift);
  MouseDown(x, y, button, shift);
  MouseUp(x, y, button, shift);
  Application->Input().ForgetLastPress();
}

void TestHost::DblClick(int x, int y, TShiftState shift) {
  Application->Input().ForgetLastPress();
  MouseMove(x, y, shift);
  MouseDown(x, y, mbLeft, shift);
  MouseUp(x, y, mbLeft, shift);
  MouseDown(x, y, mbLeft, shift);
  MouseUp(x, y, mbLeft, shift);
}

void TestHost::Wheel(int x, int y, int delta, TShiftState shift) {
  Application->Input().MouseWheel(InputForm(), shift, delta, x, y);
  ProcessMessages();
}

void TestHost::MouseLeave() {
  Application->Input().MouseLeft(InputForm());
  ProcessMessages();
}

void TestHost::KeyDown(uint16_t vk, TShiftState shift) {
  Application->Input().KeyDown(InputForm(), vk, shift);
  ProcessMessages();
}

void TestHost::KeyUp(uint16_t vk, TShiftState shift) {
  Application->Input().KeyUp(InputForm(), vk, shift);
  ProcessMessages();
}

void TestHost::PressKey(uint16_t vk, TShiftState shift) {
  KeyDown(vk, shift);
  KeyUp(vk, shift);
}

void TestHost::KeyPress(char32_t ch) {
  Application->Input().KeyPress(InputForm(), ch);
  ProcessMessages();
}

void TestHost::TypeText(std::string_view utf8) {
  for (char32_t ch : CodePoints(utf8)) KeyPress(ch);
}

void TestHost::AdvanceTime(int64_t ms) {
  const int64_t target = backend_.Milliseconds() + std::max<int64_t>(ms, 0);
  int64_t due = 0;
  // Step the clock to each due time in turn; the loop serves what is due there (in start
  // order for equal times), then queued work and paints, as between real ticks.
  while (timer_detail::NextDue(due) && due <= target) {
    if (due > backend_.Milliseconds()) backend_.SetClock(due);
    ProcessMessages();
  }
  backend_.SetClock(target);
  ProcessMessages();
}

}  // namespace fw
