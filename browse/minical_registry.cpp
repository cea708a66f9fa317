// The class record of TMiniCal: its published properties and events. Day, Month and Year
// follow the clock and are never written; their initial values are those of a calendar made
// while the headless backend's clock reads its start date (2024-06-03).
#include "browse/ZEB_MiniCal.h"
#include "framework/base/registry.h"

namespace zeb {

namespace {

using C = TMiniCal;

void RegisterColors(fw::ClassBuilder<C>& b) {
  b.Color("ColorActiveMonth", &C::ColorActiveMonth, &C::SetColorActiveMonth, fw::clBlack)
      .Color("ColorInactiveMonth", &C::ColorInactiveMonth, &C::SetColorInactiveMonth,
             fw::RGB(192, 192, 192))
      .Color("ColorWeekNoBg", &C::ColorWeekNoBg, &C::SetColorWeekNoBg, fw::RGB(192, 192, 192))
      .Color("ColorWeekNoFg", &C::ColorWeekNoFg, &C::SetColorWeekNoFg, fw::clBlack)
      .Color("ColorDayIdBg", &C::ColorDayIdBg, &C::SetColorDayIdBg, fw::RGB(192, 192, 192))
      .Color("ColorDayIdFg", &C::ColorDayIdFg, &C::SetColorDayIdFg, fw::clBlack)
      .Color("ColorSelectedBg", &C::ColorSelectedBg, &C::SetColorSelectedBg, fw::RGB(64, 160, 208))
      .Color("ColorSelectedFg", &C::ColorSelectedFg, &C::SetColorSelectedFg, fw::clWhite)
      .Color("ColorHolidayBg", &C::ColorHolidayBg, &C::SetColorHolidayBg, fw::RGB(241, 216, 155))
      .Color("ColorHolidayFg", &C::ColorHolidayFg, &C::SetColorHolidayFg, fw::RGB(192, 0, 0))
      .Color("ColorToday", &C::ColorToday, &C::SetColorToday, fw::RGB(255, 0, 0));
}

void RegisterMiniCal() {
  auto b = fw::RegisterClass<C>("TMiniCal", "TCustomDrawGrid");
  b.Int("Width", &C::Width, &C::SetWidth, 300)
      .Range(0, fw::kMaxControlExtent)
      .Int("Height", &C::Height, &C::SetHeight, 180)
      .Range(0, fw::kMaxControlExtent)
      .Int("Day", &C::Day, &C::SetDay, 3)
      .Range(1, 28)
      .NotStored()
      .Int("Month", &C::Month, &C::SetMonth, 6)
      .Range(1, 12)
      .NotStored()
      .Int("Year", &C::Year, &C::SetYear, 2024)
      .Range(1, 9999)
      .NotStored()
      .Bool("AutoSwitch", &C::AutoSwitch, &C::SetAutoSwitch, true)
      .Enum("FirstDayOfWeek", &C::FirstDayOfWeek, &C::SetFirstDayOfWeek, kDayOfWeekNames, dwMon)
      .Bool("IndicateHolidays", &C::IndicateHolidays, &C::SetIndicateHolidays, true)
      .Int("Language", &C::Language, &C::SetLanguage, 1)
      .Range(1, 4)
      .Bool("MarkToday", &C::MarkToday, &C::SetMarkToday, true)
      .Bool("ShowHolidayHint", &C::ShowHolidayHint, &C::SetShowHolidayHint, true)
      .Bool("ShowMonthShort", &C::ShowMonthShort, &C::SetShowMonthShort, true)
      .Bool("ShowMovableHolidays", &C::ShowMovableHolidays, &C::SetShowMovableHolidays, true);
  RegisterColors(b);
  b.Event("OnChange");
}

const bool registered = (RegisterMiniCal(), true);

}  // namespace

}  // namespace zeb
