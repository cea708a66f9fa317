// The numeric field's conversions: ConvertNumString of a 12-character exponent text (the
// text a field holds after every typed key), the panel's typing test of the same text, the
// scientific text written for a value; and one typed key through a shown 120 x 24 field,
// filter and repaint included. The numeric input panel at 250 x 30: one accepted key with
// its repaint, a full paint with every part shown, and the caret timer's cost over time
// with and without the focus.
#include <benchmark/benchmark.h>

#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/timers.h"
#include "numio/ZEB_NumIO.h"

namespace {

const std::string kExponentText = "-1.23456e-07";  // 12 characters

void BM_ConvertNumStringExp(benchmark::State& state) {
  for (auto _ : state) {
    double value = 0;
    const bool ok = zeb::ConvertNumString(kExponentText, zeb::itExp, zeb::dpBoth, value);
    benchmark::DoNotOptimize(ok);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_ConvertNumStringExp);

void BM_PanelCheckValidityExp(benchmark::State& state) {
  zeb::TNioFormat format;
  format.InputFormat = zeb::itExp;
  for (auto _ : state) benchmark::DoNotOptimize(zeb::NioCheckValidity(kExponentText, format));
}
BENCHMARK(BM_PanelCheckValidityExp);

void BM_FormatNumStrScientific(benchmark::State& state) {
  double value = 123.456789;
  for (auto _ : state) {
    benchmark::DoNotOptimize(zeb::nio::FormatNumStr(12, -2, value));
    value += 1e-9;
  }
}
BENCHMARK(BM_FormatNumStrScientific);

// A shown, focused 120 x 24 field holding `text`, the caret at its end.
struct ShownField {
  fw::TestHost host{200, 60};
  zeb::TNumIO* field;
  ShownField(zeb::TInFormat format, const std::string& text) {
    field = new zeb::TNumIO(host.Form());
    field->SetParent(host.Form());
    field->SetBounds(10, 10, 120, 24);
    field->SetAutoSize(false);
    field->SetInputFormat(format);
    field->SetRangeHigh(1e6);
    field->SetRangeLow(-1e6);
    host.Show();
    field->SetFocus();
    field->SetText(text);
    host.ProcessMessages();
  }
};

// A digit typed after the last decimal of a fixed-point text: accepted, rounded back to two
// places (so every iteration starts from the same text) and repainted.
void BM_TypedKeyAcceptedFixPoint(benchmark::State& state) {
  ShownField f(zeb::itFixPoint, "3.14");
  for (auto _ : state) {
    f.field->SetSelStart(4);
    f.host.KeyPress(U'1');
    f.host.ProcessMessages();
  }
  if (f.field->Text() != "3.14") state.SkipWithError("unexpected text");
}
BENCHMARK(BM_TypedKeyAcceptedFixPoint)->Unit(benchmark::kMicrosecond);

// A letter typed into an exponent text: refused, the last text put back and repainted.
void BM_TypedKeyRefusedExp(benchmark::State& state) {
  ShownField f(zeb::itExp, "-1.23456e-07");
  for (auto _ : state) {
    f.field->SetSelStart(12);
    f.host.KeyPress(U'x');
    f.host.ProcessMessages();
  }
  if (f.field->Text() != "-1.23456e-07") state.SkipWithError("unexpected text");
}
BENCHMARK(BM_TypedKeyRefusedExp)->Unit(benchmark::kMicrosecond);

// A shown 250 x 30 panel holding "12.5", focused or not, with every part visible.
struct ShownPanel {
  fw::TestHost host{300, 120};
  zeb::TNumIO2* panel;
  zeb::TNumIO2* other;
  explicit ShownPanel(bool focused) {
    panel = Place(0);
    other = Place(40);
    other->SetBlockKbdInput(true);  // takes the focus away without a caret of its own
    panel->SetLeftText("Gain");
    panel->SetRightText("dB");
    panel->SetButVisible(true);
    panel->SetGaugeVisible(true);
    panel->SetFreezeBoxVisible(true);
    panel->SetText("12.5");
    host.Show();
    (focused ? panel : other)->SetFocus();
    host.ProcessMessages();
  }
  zeb::TNumIO2* Place(int y) {
    auto* p = new zeb::TNumIO2(host.Form());
    p->SetParent(host.Form());
    p->SetBounds(0, y, 250, 30);
    return p;
  }
};

// The first character selected and typed again: accepted (the typing test, the range test
// for the colours), the text unchanged, and the panel repainted.
void BM_PanelAcceptedKey(benchmark::State& state) {
  ShownPanel s(true);
  for (auto _ : state) {
    s.panel->SetSelBegin(0);
    s.panel->SetSelEnd(1);
    s.host.KeyDown('1');
    s.host.ProcessMessages();
  }
  if (s.panel->Text() != "12.5") state.SkipWithError("unexpected text");
}
BENCHMARK(BM_PanelAcceptedKey)->Unit(benchmark::kMicrosecond);

void BM_PanelFullPaint(benchmark::State& state) {
  ShownPanel s(true);
  for (auto _ : state) {
    s.panel->Repaint();
  }
}
BENCHMARK(BM_PanelFullPaint)->Unit(benchmark::kMicrosecond);

// Five seconds of the virtual clock per iteration: with the focus the caret blinks ten times
// (ten repaints); without it the panel's timer has stopped and nothing runs at all.
void BM_PanelCaretFiveSeconds(benchmark::State& state) {
  const bool focused = state.range(0) != 0;
  ShownPanel s(focused);
  s.host.AdvanceTime(1000);  // the unfocused panel's first tick stops its timer
  for (auto _ : state) s.host.AdvanceTime(5000);
  state.SetLabel(focused ? "focused" : "not focused");
  if (!focused && fw::timer_detail::RunningTimerCount() != 0)
    state.SkipWithError("a caret timer still runs");
}
BENCHMARK(BM_PanelCaretFiveSeconds)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

}  // namespace
