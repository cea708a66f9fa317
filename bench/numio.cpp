// The numeric field's conversions: ConvertNumString of a 12-character exponent text (the
// text a field holds after every typed key), the panel's typing test of the same text, the
// scientific text written for a value; and one typed key through a shown 120 x 24 field,
// filter and repaint included.
#include <benchmark/benchmark.h>

#include <string>

#include "framework/backend/headless/test_host.h"
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

}  // namespace
