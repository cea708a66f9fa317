// Month and weekday names of the four languages, in UTF-8.
#include <array>
#include <string_view>

#include "companion/ZEB_zebbase.h"

namespace zeb {
namespace {

using MonthTable = std::array<std::array<std::string_view, 12>, 4>;
using DayTable = std::array<std::array<std::string_view, 7>, 4>;

constexpr MonthTable kMonthShort = {{
    {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
    {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun", "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"},
    {"Jan", "Fév", "Mars", "Avr", "Mai", "Juin", "Juil", "Août", "Sep", "Oct", "Nov", "Déc"},
    {"Ene", "Feb", "Mar", "Abr", "May", "Jun", "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"},
}};

constexpr MonthTable kMonthLong = {{
    {"January", "February", "March", "April", "May", "June", "July", "August", "September",
     "October", "November", "December"},
    {"Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August", "September", "Oktober",
     "November", "Dezember"},
    {"Janvier", "Février", "Mars", "Avril", "Mai", "Juin", "Juillet", "Août", "Septembre",
     "Octobre", "Novembre", "Décembre"},
    {"Enero", "Febrero", "Marzo", "Abril", "Mayo", "Junio", "Julio", "Agosto", "Septiembre",
     "Octubre", "Noviembre", "Diciembre"},
}};

constexpr DayTable kWeekDayShort = {{
    {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"},
    {"Lun", "Mar", "Mer", "Jeu", "Ven", "Sam", "Dim"},
    {"Lun", "Mar", "Mié", "Jue", "Vie", "Sáb", "Dom"},
}};

constexpr DayTable kWeekDayLong = {{
    {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
    {"Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag"},
    {"Lundi", "Mardi", "Mercredi", "Jeudi", "Vendredi", "Samedi", "Dimanche"},
    {"Lunes", "Martes", "Miércoles", "Jueves", "Viernes", "Sábado", "Domingo"},
}};

// Entry `index` (0-based) of the row of `language` (1-based), "" outside the table.
template <std::size_t N>
std::string Lookup(const std::array<std::array<std::string_view, N>, 4>& table, int language,
                   int index) {
  if (language < lgEnglish || language > lgSpanish) return {};
  if (index < 0 || index >= static_cast<int>(N)) return {};
  return std::string(table[language - 1][index]);
}

}  // namespace

std::string MonthShort(int language, int month) {
  return Lookup(kMonthShort, language, month - 1);
}
std::string MonthLong(int language, int month) {
  return Lookup(kMonthLong, language, month - 1);
}
std::string WeekDayShort(int language, int weekday) {
  return Lookup(kWeekDayShort, language, weekday);
}
std::string WeekDayLong(int language, int weekday) {
  return Lookup(kWeekDayLong, language, weekday);
}

}  // namespace zeb
