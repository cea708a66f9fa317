// The numeric field's conversions: ConvertNumString of a 12-character exponent text (the
// text a field holds after every typed key), the panel's typing test of the same text, and
// the scientific text written for a value.
#include <benchmark/benchmark.h>

#include <string>

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

}  // namespace
