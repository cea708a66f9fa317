// The input panel's pure decisions: the key map, the texts it may hold, spin and gauge
// values with and without steps, the gauge's fill, and the editor's caret rules.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "numio/ZEB_NumIO.h"
#include "tests/numio/numio_test_support.h"

namespace zeb {
namespace {

TEST(PanelKeyMap, DigitsHexLettersSignsAndSeparators) {
  const struct {
    uint16_t key;
    bool shift;
    char expected;
  } cases[] = {
      {'0', false, '0'}, {'9', false, '9'}, {96, false, '0'},  {105, false, '9'}, {'4', true, '$'},
      {'5', true, '%'},  {'6', true, '&'},  {'7', true, '7'},  {100, true, '4'},  {'A', false, 'A'},
      {'F', false, 'F'}, {'G', false, 0},   {107, false, '+'}, {187, false, '+'}, {109, false, '-'},
      {189, false, '-'}, {110, false, ','}, {188, false, ','}, {190, false, '.'}, {191, false, 0},
      {32, false, 0},    {106, false, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NioKeyChar(c.key, c.shift), c.expected) << c.key << " shift " << c.shift;
}

TEST(PanelTexts, SignsAndEmptyAlwaysPassOthersOnlyAsPrintableValidText) {
  TNioFormat plain;  // itFloat, dpPlatform
  TNioFormat exp{itExp, dpBoth, 2, 6};
  TNioFormat fix{itFixPoint, dpBoth, 2, 6};
  TNioFormat dyn{itDynamic, dpBoth, 2, 6};
  const struct {
    const char* text;
    const TNioFormat& format;
    bool expected;
  } cases[] = {
      {"", fix, true},         {"-", fix, true},       {"+", fix, true},
      {"1.50", fix, true},     {"1.5", fix, false},    {"-.", plain, true},
      {"1.2.3", plain, false}, {"12x", exp, true},     {"12\xC2\xB0", exp, false},
      {"12\n", exp, false},    {"1e5000", exp, false}, {"1,5", exp, true},
      {"$", dyn, true},        {"&", dyn, true},       {"$", exp, false},
      {"$1g", dyn, false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(NioAcceptableText(c.text, c.format), c.expected) << '"' << c.text << '"';
}

TEST(PanelSteps, NearestEntryIsTheFirstOfEquallyNearOnes) {
  const std::vector<double> steps{0, 0.5, 1};
  EXPECT_EQ(NearestStepIndex(steps, 0.24), 0);
  EXPECT_EQ(NearestStepIndex(steps, 0.25), 0);
  EXPECT_EQ(NearestStepIndex(steps, 0.26), 1);
  EXPECT_EQ(NearestStepIndex(steps, 7), 2);
  EXPECT_EQ(NearestStepIndex({}, 7), -1);
}

TEST(PanelSpin, StepsByIncrementWithinTheRangeOrAlongTheStepList) {
  const std::vector<double> none;
  const std::vector<double> steps{0, 0.5, 1};
  const std::vector<double> one{0.25};
  const struct {
    double value;
    bool up;
    const std::vector<double>& list;
    double expected;
  } cases[] = {
      {999.5, true, none, 1000}, {1000, true, none, 1000}, {0.5, false, none, 0},
      {-3, false, none, 0},      {0.49, true, steps, 0.5}, {0.5, true, steps, 1},
      {0.51, false, steps, 0.5}, {0.5, false, steps, 0},   {1, true, steps, 1},
      {0, false, steps, 0},      {0.7, true, steps, 1},    {0.496, true, steps, 1},
      {0.25, true, one, 0.25},   {9, false, one, 0.25},
  };
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(NioSpinValue(c.value, c.up, 1.0, 0, 1000, c.list, 2), c.expected)
        << c.value << (c.up ? " up" : " down");
}

TEST(PanelGauge, ClicksMapAcrossTheRangeAndSnapToSteps) {
  const std::vector<double> none;
  const std::vector<double> steps{0, 0.5, 1};
  EXPECT_DOUBLE_EQ(NioGaugeValue(35, 35, 82, 0, 1000, none), 0);
  EXPECT_DOUBLE_EQ(NioGaugeValue(117, 35, 82, 0, 1000, none), 1000);
  EXPECT_DOUBLE_EQ(NioGaugeValue(34, 35, 82, 0, 1000, none), 0);
  EXPECT_DOUBLE_EQ(NioGaugeValue(118, 35, 82, 0, 1000, none), 1000);
  EXPECT_DOUBLE_EQ(NioGaugeValue(10, 0, 20, -1, 1, none), 0);
  EXPECT_DOUBLE_EQ(NioGaugeValue(13, 0, 20, 0, 1, steps), 0.5);
  EXPECT_DOUBLE_EQ(NioGaugeValue(19, 0, 20, 0, 1, steps), 1);
  // The whole double range: no overflow to infinity.
  const double mid = NioGaugeValue(10, 0, 20, -numio_test::kMax, numio_test::kMax, none);
  EXPECT_TRUE(std::isfinite(mid));
  EXPECT_DOUBLE_EQ(mid, 0);
}

TEST(PanelGauge, FillFractionStaysWithinZeroAndOne) {
  EXPECT_DOUBLE_EQ(NioGaugeFraction(250, 0, 1000), 0.25);
  EXPECT_DOUBLE_EQ(NioGaugeFraction(-5, 0, 1000), 0);
  EXPECT_DOUBLE_EQ(NioGaugeFraction(5000, 0, 1000), 1);
  EXPECT_DOUBLE_EQ(NioGaugeFraction(3, 7, 7), 1);
  EXPECT_DOUBLE_EQ(NioGaugeFraction(0, -numio_test::kMax, numio_test::kMax), 0.5);
  EXPECT_DOUBLE_EQ(NioGaugeFraction(NAN, 0, 1), 0);
}

// The caret never leaves 0..length: Backspace and Left at 0, Delete and Right at the end.
TEST(PanelEditor, EditsKeepCaretAndSelectionInsideTheText) {
  const struct {
    const char* name;
    TNioEditor before;
    void (*edit)(TNioEditor&);
    TNioEditor after;
  } cases[] = {
      {"backspace at 0", {"12", 0, 0, 0}, [](TNioEditor& e) { e.Backspace(); }, {"12", 0, 0, 0}},
      {"backspace", {"123", 2, 2, 2}, [](TNioEditor& e) { e.Backspace(); }, {"13", 1, 1, 1}},
      {"delete at end", {"12", 2, 2, 2}, [](TNioEditor& e) { e.DeleteForward(); }, {"12", 2, 2, 2}},
      {"delete", {"123", 0, 0, 0}, [](TNioEditor& e) { e.DeleteForward(); }, {"23", 0, 0, 0}},
      {"left at 0",
       {"12", 0, 0, 0},
       [](TNioEditor& e) { e.MoveCaret(e.caret - 1); },
       {"12", 0, 0, 0}},
      {"right at end",
       {"12", 2, 2, 2},
       [](TNioEditor& e) { e.MoveCaret(e.caret + 1); },
       {"12", 2, 2, 2}},
      {"selection", {"12345", 4, 1, 4}, [](TNioEditor& e) { e.Backspace(); }, {"15", 1, 1, 1}},
      {"replace", {"12345", 1, 1, 4}, [](TNioEditor& e) { e.Insert("9"); }, {"195", 2, 2, 2}},
      {"stale caret", {"12", 9, 7, 3}, [](TNioEditor& e) { e.Backspace(); }, {"1", 1, 1, 1}},
      {"insert past end", {"1", 5, 0, 0}, [](TNioEditor& e) { e.Insert("2"); }, {"12", 2, 2, 2}},
  };
  for (const auto& c : cases) {
    TNioEditor e = c.before;
    c.edit(e);
    EXPECT_EQ(e.text, c.after.text) << c.name;
    EXPECT_EQ(e.caret, c.after.caret) << c.name;
    EXPECT_EQ(e.selBegin, c.after.selBegin) << c.name;
    EXPECT_EQ(e.selEnd, c.after.selEnd) << c.name;
  }
}

}  // namespace
}  // namespace zeb
