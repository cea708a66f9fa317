// The holiday list of TMiniCal: the built-in holidays by language, holidays added for one
// year or every year, list order deciding the name, the language discarding added holidays,
// retrieval, and the hint that follows the selected day.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browse/ZEB_MiniCal.h"
#include "framework/backend/headless/test_host.h"

namespace zeb {
namespace {

std::vector<std::string> HolidayNames(const TMiniCal& cal) {
  std::vector<std::string> names;
  int d, m, y;
  bool repeating;
  std::string name;
  for (int i = 1; cal.RetrieveHoliday(i, d, m, y, repeating, name); ++i) names.push_back(name);
  return names;
}

TEST(MiniCalHolidays, EightBuiltInHolidaysInEachLanguage) {
  fw::TestHost host;
  TMiniCal cal(nullptr);
  ASSERT_EQ(cal.NumHolidays(), 8);
  int d = 0, m = 0, y = 0;
  bool repeating = false;
  std::string name;
  ASSERT_TRUE(cal.RetrieveHoliday(1, d, m, y, repeating, name));
  EXPECT_EQ(std::vector<int>({d, m, y}), std::vector<int>({25, 12, kEveryYear}));
  EXPECT_TRUE(repeating);
  ASSERT_TRUE(cal.RetrieveHoliday(8, d, m, y, repeating, name));
  EXPECT_EQ(std::vector<int>({d, m}), std::vector<int>({1, 5}));
  const std::vector<std::vector<std::string>> names = {
      {"Christmas Day", "Boxing Day", "New Year's Day", "Epiphany", "Assumption of Mary",
       "All Saints", "Immaculate Conception", "Labor Day"},
      {"Weihnachten", "Stephanitag", "Neujahrstag", "Hl. Drei Könige", "Maria Himmelfahrt",
       "Allerheiligen", "Maria Empfängnis", "Tag der Arbeit"},
      {"Noël", "Jour de boxe", "Nouvel An Jour", "Épiphanie", "Assomption", "La Toussaint",
       "Immaculée Conception", "Fête du Travail"},
      {"Navidad", "Día de San Esteban", "Día de Año Nuevo", "Epifanía", "Asunción",
       "Día de Todos los Santos", "Inmaculada Concepción", "Día del Trabajo"}};
  for (int language : {4, 2, 3, 1}) {
    cal.SetLanguage(language);
    EXPECT_EQ(HolidayNames(cal), names[language - 1]) << language;
  }
  // Languages without texts are refused.
  for (int language : {0, 5, -1}) {
    cal.SetLanguage(language);
    EXPECT_EQ(cal.Language(), 1);
  }
}

TEST(MiniCalHolidays, AddedHolidaysForOneYearOrEveryYearAndListOrder) {
  fw::TestHost host;
  TMiniCal cal(nullptr);
  cal.AddHoliday(24, 12, 2030, "Eve 2030");
  cal.AddRepeatHoliday(31, 12, "New Year's Eve");
  cal.AddRepeatHoliday(25, 12, "Second Christmas entry");
  std::string name;
  EXPECT_TRUE(cal.CheckHoliday(2030, 12, 24, name));
  EXPECT_EQ(name, "Eve 2030");
  EXPECT_FALSE(cal.CheckHoliday(2031, 12, 24, name));
  EXPECT_EQ(name, "");
  for (int year : {1999, 2030, 2031}) {
    EXPECT_TRUE(cal.CheckHoliday(year, 12, 31, name));
    EXPECT_EQ(name, "New Year's Eve");
  }
  // The built-in row comes first.
  EXPECT_TRUE(cal.CheckHoliday(2030, 12, 25, name));
  EXPECT_EQ(name, "Christmas Day");

  int d = 0, m = 0, y = 0;
  bool repeating = true;
  ASSERT_EQ(cal.NumHolidays(), 11);
  ASSERT_TRUE(cal.RetrieveHoliday(9, d, m, y, repeating, name));
  EXPECT_EQ(std::vector<int>({d, m, y}), std::vector<int>({24, 12, 2030}));
  EXPECT_FALSE(repeating);
  // Outside 1..NumHolidays: false and the outputs untouched.
  for (int index : {0, -1, 12}) {
    d = m = y = 77;
    name = "kept";
    EXPECT_FALSE(cal.RetrieveHoliday(index, d, m, y, repeating, name)) << index;
    EXPECT_EQ(std::vector<int>({d, m, y}), std::vector<int>({77, 77, 77}));
    EXPECT_EQ(name, "kept");
  }

  cal.SetLanguage(lgFrench);
  EXPECT_EQ(cal.NumHolidays(), 8);
  EXPECT_FALSE(cal.CheckHoliday(2030, 12, 31, name));
  cal.ClearHolidayList();
  EXPECT_EQ(cal.NumHolidays(), 0);
  EXPECT_FALSE(cal.CheckHoliday(2030, 12, 25, name));
  EXPECT_TRUE(cal.CheckHoliday(2024, 3, 31, name));  // movable feasts stay
  EXPECT_EQ(name, "Le jour de Pâques");
}

TEST(MiniCalHolidays, HintNamesTheSelectedHolidayWhileIndicated) {
  fw::TestHost host;
  TMiniCal cal(nullptr);
  cal.SetDate(fw::EncodeDate(2024, 12, 25));
  EXPECT_EQ(cal.Hint(), "Christmas Day");
  cal.SetDate(fw::EncodeDate(2024, 5, 20));
  EXPECT_EQ(cal.Hint(), "Whit Monday");
  cal.SetIndicateHolidays(false);
  EXPECT_EQ(cal.Hint(), "");
  cal.SetIndicateHolidays(true);
  cal.SetDay(21);
  EXPECT_EQ(cal.Hint(), "");
  cal.AddHoliday(21, 5, 2024, "Local fair");
  EXPECT_EQ(cal.Hint(), "Local fair");
  // Without the holiday hint the control's hint is its own.
  cal.SetShowHolidayHint(false);
  EXPECT_EQ(cal.Hint(), "");
  cal.SetHint("Pick a day");
  cal.SetDay(20);
  EXPECT_EQ(cal.Hint(), "Pick a day");
  cal.SetShowHint(false);
  cal.SetShowHolidayHint(true);
  EXPECT_TRUE(cal.ShowHint());
  EXPECT_EQ(cal.Hint(), "Whit Monday");
}

}  // namespace
}  // namespace zeb
