// Mini calendar benchmarks: a full paint at 250 x 200 (a month with holidays, the selected day
// and today's circle) and at 800 x 600, one click that selects a day and repaints, and the
// Easter and holiday tests the paint runs per day cell.
#include <benchmark/benchmark.h>

#include <string>

#include "browse/ZEB_MiniCal.h"
#include "framework/backend/headless/test_host.h"
#include "framework/graphics/bitmap.h"

namespace {

// A calendar of w x h on a shown form, showing May 2024 (five holidays, today is 3 June).
zeb::TMiniCal* ShowCalendar(fw::TestHost& host, int w, int h) {
  auto* cal = new zeb::TMiniCal(host.Form());
  cal->SetParent(host.Form());
  cal->SetBounds(0, 0, w, h);
  cal->SetDate(fw::EncodeDate(2024, 5, 20));
  cal->AddRepeatHoliday(24, 5, "Local fair");
  host.Show();
  host.ProcessMessages();
  return cal;
}

void BM_MiniCalFullPaint(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
  fw::TestHost host(w, h);
  zeb::TMiniCal* cal = ShowCalendar(host, w, h);
  fw::TBitmap page(w, h);
  for (auto _ : state) {
    cal->PaintTo(page.Canvas(), 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MiniCalFullPaint)->Args({250, 200})->Args({800, 600})->Unit(benchmark::kMicrosecond);

// A click on a day: the date changes, the calendar is invalidated and painted.
void BM_MiniCalClickDay(benchmark::State& state) {
  fw::TestHost host(250, 200);
  zeb::TMiniCal* cal = ShowCalendar(host, 250, 200);
  int col = 1;
  for (auto _ : state) {
    const fw::TRect r = cal->CellRect(col, 4);
    host.Click((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    host.ProcessMessages();
    col = col % 7 + 1;
  }
}
BENCHMARK(BM_MiniCalClickDay)->Unit(benchmark::kMicrosecond);

void BM_CalcEasterSunday(benchmark::State& state) {
  int year = 1583;
  for (auto _ : state) {
    int day = 0, month = 0;
    zeb::CalcEasterSunday(year, day, month);
    benchmark::DoNotOptimize(day + month);
    year = year == 4099 ? 1583 : year + 1;
  }
}
BENCHMARK(BM_CalcEasterSunday);

// Every day of a year through the holiday test (list walk and movable feasts).
void BM_MiniCalCheckHolidayYear(benchmark::State& state) {
  fw::TestHost host;
  zeb::TMiniCal cal(nullptr);
  std::string name;
  for (auto _ : state) {
    int found = 0;
    for (int m = 1; m <= 12; ++m)
      for (int d = 1; d <= fw::DaysInMonth(2024, m); ++d)
        found += cal.CheckHoliday(2024, m, d, name);
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_MiniCalCheckHolidayYear)->Unit(benchmark::kMicrosecond);

}  // namespace
