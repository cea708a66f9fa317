// TDateTimePicker: pictures split and written, stepping and typing fields, limits, the month
// view and the class record.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/base/registry_check.h"
#include "framework/stdctrls/date_time_picker.h"

namespace fw {
namespace {

TEST(DateTimePicture, SplitsTokensAndLiteralsAndWritesValues) {
  const TDateTime value = EncodeDateTime(2024, 3, 7, 15, 4, 9, 0);  // a Thursday
  struct Case {
    const char* picture;
    const char* text;
  };
  const std::vector<Case> cases{
      {"dd.MM.yyyy", "07.03.2024"},
      {"d/M/yy", "7/3/24"},
      {"dddd, MMMM d", "Thursday, March 7"},
      {"ddd MMM", "Thu Mar"},
      {"HH:mm:ss", "15:04:09"},
      {"h:m:s t", "3:4:9 P"},
      {"hh 'o''clock' tt", "03 o'clock PM"},
      {"yyy", "yyy"},  // no such token: written as it stands
  };
  for (const Case& c : cases)
    EXPECT_EQ(FormatDateTimePicture(c.picture, value), c.text) << c.picture;
  const auto fields = SplitDateTimePicture("dd'.'MM.yy");
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields[1].token, ptLiteral);
  EXPECT_EQ(fields[1].text, ".");
  EXPECT_EQ(fields[4].token, ptYear2);
}

struct PickerHost {
  TestHost host{320, 240};
  TDateTimePicker* picker = new TDateTimePicker(host.Form());
  int changes = 0;
  PickerHost(const std::string& format, TDateTime value) {
    picker->SetParent(host.Form());
    picker->SetBounds(10, 10, 150, 21);
    picker->SetFormat(format);
    picker->SetDateTime(value);
    picker->OnChange = [this](TObject*) { ++changes; };
    host.Show();
    picker->SetFocus();
  }
};

TEST(DateTimePicker, UpAndDownStepTheCurrentFieldWrappingInsideItsRange) {
  PickerHost p("dd.MM.yyyy HH:mm tt", EncodeDateTime(2024, 1, 31, 23, 59, 0, 0));
  struct Step {
    uint16_t key;
    const char* text;
  };
  const std::vector<Step> steps{
      {VK_UP, "01.01.2024 23:59 PM"},    {VK_DOWN, "31.01.2024 23:59 PM"},
      {VK_RIGHT, "31.01.2024 23:59 PM"}, {VK_UP, "29.02.2024 23:59 PM"},  // day cut to February
      {VK_RIGHT, "29.02.2024 23:59 PM"}, {VK_UP, "28.02.2025 23:59 PM"},
      {VK_RIGHT, "28.02.2025 23:59 PM"}, {VK_UP, "28.02.2025 00:59 AM"},
      {VK_RIGHT, "28.02.2025 00:59 AM"}, {VK_UP, "28.02.2025 00:00 AM"},
      {VK_RIGHT, "28.02.2025 00:00 AM"}, {VK_UP, "28.02.2025 12:00 PM"},
      {VK_RIGHT, "28.02.2025 12:00 PM"},  // the last field stays current
      {VK_HOME, "28.02.2025 12:00 PM"},  {VK_DOWN, "27.02.2025 12:00 PM"},
  };
  for (const Step& s : steps) {
    p.host.PressKey(s.key);
    EXPECT_EQ(p.picker->DisplayText(), s.text) << "after key " << s.key;
  }
  EXPECT_EQ(p.changes, 8);
}

TEST(DateTimePicker, TypedDigitsFillAFieldAndMoveOn) {
  PickerHost p("dd.MM.yyyy", EncodeDate(2024, 5, 20));
  p.host.TypeText("07");  // day 07, then the month is current
  p.host.TypeText("3");   // 3: no second digit fits after it
  p.host.TypeText("1999");
  EXPECT_EQ(p.picker->DisplayText(), "07.03.1999");
  p.host.PressKey(VK_HOME);
  p.host.TypeText("4");  // 4: a second digit could still fit (40 > 31 does not)
  EXPECT_EQ(p.picker->CurrentField(), 2) << "4 cannot grow into a day";
  p.host.PressKey(VK_HOME);
  p.host.TypeText("29");
  EXPECT_EQ(p.picker->DisplayText(), "29.03.1999");
  PickerHost t("h:mm tt", EncodeTime(9, 30, 0, 0));
  t.host.PressKey(VK_END);
  t.host.TypeText("p");
  EXPECT_EQ(t.picker->DisplayText(), "9:30 PM");
  t.host.PressKey(VK_HOME);
  t.host.TypeText("12");
  EXPECT_EQ(t.picker->DisplayText(), "12:30 PM");
}

TEST(DateTimePicker, LimitsHoldValuesInsideMinAndMaxDate) {
  TDateTimePicker picker(nullptr);
  picker.SetMinDate(EncodeDate(2024, 1, 1));
  picker.SetMaxDate(EncodeDate(2024, 12, 31));
  picker.SetDateTime(EncodeDateTime(2030, 5, 5, 12, 0, 0, 0));
  EXPECT_EQ(picker.DateTime(), EncodeDateTime(2024, 12, 31, 12, 0, 0, 0));
  picker.SetDate(EncodeDate(2000, 1, 1));
  EXPECT_EQ(picker.Date(), EncodeDate(2024, 1, 1));
  EXPECT_EQ(picker.Time(), EncodeTime(12, 0, 0, 0));
  picker.SetMinDate(EncodeDate(2025, 1, 1));
  EXPECT_EQ(picker.MaxDate(), EncodeDate(2025, 1, 1)) << "the other limit follows";
  EXPECT_EQ(picker.Date(), EncodeDate(2025, 1, 1));
}

TEST(DateTimePicker, MonthViewChoosesADayByKeysOrClick) {
  PickerHost p("dd.MM.yyyy", EncodeDateTime(2024, 3, 7, 8, 0, 0, 0));
  p.host.PressKey(VK_DOWN, {ssAlt});
  ASSERT_TRUE(p.picker->DroppedDown());
  TMonthViewPopup* view = p.picker->MonthView();
  EXPECT_EQ(view->Top(), 31);
  EXPECT_EQ(view->FirstShown(), EncodeDate(2024, 2, 25)) << "the Sunday before March 1st";
  p.host.PressKey(VK_DOWN);   // +7
  p.host.PressKey(VK_RIGHT);  // +1
  p.host.PressKey(VK_NEXT);   // next month
  EXPECT_EQ(view->Chosen(), EncodeDate(2024, 4, 15));
  p.host.KeyPress(U'\x1B');
  EXPECT_EQ(p.picker->Date(), EncodeDate(2024, 3, 7)) << "Escape takes nothing";
  const TRect button = p.picker->ButtonRect();
  p.host.Click(10 + button.Left + 4, 10 + button.Top + 4);
  ASSERT_TRUE(p.picker->DroppedDown());
  // Saturday of the first week shown: March 2nd.
  const int x = view->Left() + 1 + 6 * TMonthViewPopup::kCell + 5;
  const int y = view->Top() + 1 + TMonthViewPopup::kHeader + TMonthViewPopup::kCellHeight + 5;
  p.host.Click(x, y);
  EXPECT_FALSE(p.picker->DroppedDown());
  EXPECT_EQ(p.picker->DateTime(), EncodeDateTime(2024, 3, 2, 8, 0, 0, 0));
  EXPECT_EQ(p.changes, 1);
}

TEST(DateTimePicker, ClassRecord) {
  for (const std::string& problem : testing::CheckRegisteredClass("TDateTimePicker"))
    ADD_FAILURE() << problem;
}

}  // namespace
}  // namespace fw
