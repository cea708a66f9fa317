// The mini calendar's own texts in its four languages: the built-in fixed holidays, the
// movable feasts and the caption of the today button.
#pragma once

#include <array>
#include <string>

#include "companion/ZEB_zebbase.h"

namespace zeb::minical {

// A fixed holiday the calendar knows by itself: day and month, repeating every year.
struct TBuiltInHoliday {
  int day;
  int month;
};
// In list order: Christmas Day, Boxing Day, New Year's Day, Epiphany, Assumption of Mary,
// All Saints, Immaculate Conception, Labor Day.
inline constexpr std::array<TBuiltInHoliday, 8> kBuiltInHolidays{
    {{25, 12}, {26, 12}, {1, 1}, {6, 1}, {15, 8}, {1, 11}, {8, 12}, {1, 5}}};

// Days after Easter Sunday of the movable feasts: Easter Day, Easter Monday, Ascension Day,
// Pentecost, Whit Monday, Corpus Christi.
inline constexpr std::array<int, 6> kMovableFeastOffsets{0, 1, 39, 49, 50, 60};

// The names by language (1..4); an index or language outside the tables gives "".
std::string BuiltInHolidayName(int index, int language);
std::string MovableFeastName(int index, int language);
std::string TodayCaption(int language);

}  // namespace zeb::minical
