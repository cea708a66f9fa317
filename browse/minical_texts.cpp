// The mini calendar's texts, one row per text, one column per language (English, German,
// French, Spanish).
#include "browse/minical_texts.h"

namespace zeb::minical {

namespace {

using Row = std::array<const char*, 4>;

constexpr std::array<Row, 8> kBuiltInNames{{
    {"Christmas Day", "Weihnachten", "Noël", "Navidad"},
    {"Boxing Day", "Stephanitag", "Jour de boxe", "Día de San Esteban"},
    {"New Year's Day", "Neujahrstag", "Nouvel An Jour", "Día de Año Nuevo"},
    {"Epiphany", "Hl. Drei Könige", "Épiphanie", "Epifanía"},
    {"Assumption of Mary", "Maria Himmelfahrt", "Assomption", "Asunción"},
    {"All Saints", "Allerheiligen", "La Toussaint", "Día de Todos los Santos"},
    {"Immaculate Conception", "Maria Empfängnis", "Immaculée Conception", "Inmaculada Concepción"},
    {"Labor Day", "Tag der Arbeit", "Fête du Travail", "Día del Trabajo"},
}};

constexpr std::array<Row, 6> kMovableNames{{
    {"Easter Day", "Ostersonntag", "Le jour de Pâques", "Domingo de Resurrección"},
    {"Easter Monday", "Ostermontag", "Lundi de Pâques", "Lunes de Pascua"},
    {"Ascension Day", "Christi Himmelfahrt", "Ascension du Christ", "Ascensión de Cristo"},
    {"Pentecost", "Pfingstsonntag", "Dimanche de Pentecôte", "Domingo de Pentecostés"},
    {"Whit Monday", "Pfingstmontag", "Lundi de Pentecôte", "Lunes de Pentecostés"},
    {"Corpus Christi", "Fronleichnam", "Corpus Christi", "Corpus Cristi"},
}};

constexpr Row kTodayCaptions{"today", "heute", "auj.", "hoy"};

template <size_t N>
std::string Lookup(const std::array<Row, N>& table, int index, int language) {
  if (index < 0 || index >= static_cast<int>(N) || language < 1 || language > 4) return "";
  return table[index][language - 1];
}

}  // namespace

std::string BuiltInHolidayName(int index, int language) {
  return Lookup(kBuiltInNames, index, language);
}

std::string MovableFeastName(int index, int language) {
  return Lookup(kMovableNames, index, language);
}

std::string TodayCaption(int language) {
  if (language < 1 || language > 4) return "";
  return kTodayCaptions[language - 1];
}

}  // namespace zeb::minical
