// The meter's value, range, threshold and logarithmic rules with their events and repaints.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <limits>

#include "framework/base/form_text.h"
#include "tests/meter/meter_test_support.h"

using meter_test::CountingMeter;
using meter_test::PaintErrors;
using meter_test::ShownMeter;
using Events = std::vector<std::string>;

TEST(MeterValue, ClampsAndRaisesTheZoneEventOnEveryAcceptedChange) {
  CountingMeter m;
  m.SetValue(5);
  EXPECT_EQ(m.Value(), 1.0);
  EXPECT_TRUE(m.HighLimitActive());
  m.SetValue(7);  // differs from the stored 1: evaluated again
  EXPECT_EQ(m.Value(), 1.0);
  EXPECT_EQ(m.events, (Events{"over", "over"}));
  EXPECT_EQ(m.paints, 2);
  m.SetValue(0.5);
  EXPECT_FALSE(m.HighLimitActive());
  EXPECT_FALSE(m.LowLimitActive());
  m.SetValue(0);
  EXPECT_TRUE(m.LowLimitActive());
  m.SetValue(-3);
  EXPECT_EQ(m.Value(), 0.0);
  EXPECT_EQ(m.events, (Events{"over", "over", "normal", "under", "under"}));
}

TEST(MeterValue, AnEqualValueIsIgnored) {
  CountingMeter m;
  m.SetValue(0.5);
  m.Reset();
  m.SetValue(0.5);
  EXPECT_TRUE(m.events.empty());
  EXPECT_EQ(m.paints, 0);
}

TEST(MeterValue, HiddenPrimaryLayoutSilencesEventsButStillRepaints) {
  CountingMeter m;
  m.NeedleLayout()->SetVisible(false);
  m.Reset();
  m.SetValue(1);
  EXPECT_TRUE(m.events.empty());
  EXPECT_FALSE(m.HighLimitActive());
  EXPECT_EQ(m.paints, 1);
}

TEST(MeterValue, NotANumberIsRefusedByEveryNumericSetter) {
  CountingMeter m;
  const double nan = std::numeric_limits<double>::quiet_NaN();
  m.SetValue(0.5);
  m.Reset();
  m.SetValue(nan);
  m.SetValue2(nan);
  m.SetMinValue(nan);
  m.SetMaxValue(nan);
  m.SetLowThreshold(nan);
  m.SetHighThreshold(nan);
  m.SetScaleBkWidth(nan);
  EXPECT_EQ(m.Value(), 0.5);
  EXPECT_EQ(m.ValueSec(), 0.0);
  EXPECT_EQ(m.MeterMinValue(), 0.0);
  EXPECT_EQ(m.MeterMaxValue(), 1.0);
  EXPECT_EQ(m.ThresholdLow(), 0.0);
  EXPECT_EQ(m.ThresholdHigh(), 1.0);
  EXPECT_EQ(m.ScaleBkWidth(), 0.0);
  EXPECT_EQ(m.paints, 0);
}

TEST(MeterSecondaryValue, HiddenSecondaryClearsLampsWithoutRepaintOrEvent) {
  CountingMeter m;
  m.SetValue(1);
  ASSERT_TRUE(m.HighLimitActive());
  m.Reset();
  m.SetValue2(0.5);
  EXPECT_EQ(m.ValueSec(), 0.5);
  EXPECT_FALSE(m.HighLimitActive());
  EXPECT_TRUE(m.events.empty());
  EXPECT_EQ(m.paints, 0);
}

TEST(MeterSecondaryValue, ShownSecondaryIsClampedEvaluatedAndRepainted) {
  CountingMeter m;
  m.NeedleLayoutSec()->SetVisible(true);
  m.Reset();
  m.SetValue2(9);
  EXPECT_EQ(m.ValueSec(), 1.0);
  EXPECT_TRUE(m.HighLimitActive());
  EXPECT_EQ(m.events, (Events{"over"}));
  EXPECT_EQ(m.paints, 1);
}

TEST(MeterRange, MaximumBelowValuesLowersThemWithoutEvents) {
  CountingMeter m;
  m.SetValue(0.8);
  m.Reset();
  m.SetMaxValue(0.5);
  EXPECT_EQ(m.ThresholdHigh(), 0.5);
  EXPECT_EQ(m.Value(), 0.5);
  EXPECT_EQ(m.ThresholdLow(), 0.0);
  EXPECT_TRUE(m.events.empty());
  m.SetMaxValue(-3);
  EXPECT_EQ(m.MeterMinValue(), -4.0);
  EXPECT_EQ(m.ThresholdLow(), -3.0);
}

// Widening the range moves nothing: a 0..5 meter keeps the thresholds 0 and 1 of the
// initial range, so 3.3 lies above the high threshold until the application moves it.
TEST(MeterRange, WideningKeepsThresholdsAndValues) {
  CountingMeter m;
  m.SetValue(0.5);
  m.SetMaxValue(5);
  m.SetMinValue(-5);
  EXPECT_EQ(m.ThresholdLow(), 0.0);
  EXPECT_EQ(m.ThresholdHigh(), 1.0);
  EXPECT_EQ(m.Value(), 0.5);
  m.Reset();
  m.SetValue(3.3);
  EXPECT_EQ(m.events, (std::vector<std::string>{"over"}));
  EXPECT_TRUE(m.HighLimitActive());
}

TEST(MeterRange, MinimumAboveMaximumPushesTheMaximumAndRaisesValues) {
  CountingMeter m;
  m.SetMinValue(5);
  EXPECT_EQ(m.MeterMaxValue(), 6.0);
  EXPECT_EQ(m.Value(), 5.0);
  EXPECT_EQ(m.ValueSec(), 5.0);
  EXPECT_EQ(m.ThresholdLow(), 5.0);
  EXPECT_EQ(m.ThresholdHigh(), 5.0);
  EXPECT_TRUE(m.events.empty());
}

TEST(MeterRange, LogarithmicMeterKeepsItsRangePositive) {
  CountingMeter m;
  m.SetMaxValue(1000);
  m.SetMinValue(1);
  m.SetLogarithmic(true);
  ASSERT_TRUE(m.Logarithmic());
  m.SetMaxValue(0.5);  // 0.5 - 1 is not positive: a tenth of the maximum
  EXPECT_DOUBLE_EQ(m.MeterMinValue(), 0.05);
  m.SetMinValue(0);  // below 1e-100: ignored
  m.SetMaxValue(-1);
  EXPECT_DOUBLE_EQ(m.ThresholdLow(), 0.5);  // lowered with the maximum
  m.SetLowThreshold(0);
  EXPECT_DOUBLE_EQ(m.MeterMinValue(), 0.05);
  EXPECT_DOUBLE_EQ(m.MeterMaxValue(), 0.5);
  EXPECT_DOUBLE_EQ(m.ThresholdLow(), 0.5);
}

// A range as wide as -1e308..1e308 or with an infinite end is refused as a whole, by the
// setters and while a form is read; infinite values and thresholds are clamped like any
// other. The needle keeps an angle and the meter keeps painting.
TEST(MeterRange, RangesTooWideAreRefusedAndTheMeterStillPaints) {
  const double inf = std::numeric_limits<double>::infinity();
  PaintErrors errors;
  ShownMeter s;
  zeb::TMeter& m = *s.meter;
  m.SetMaxValue(1e308);
  EXPECT_THROW(m.SetMinValue(-1e308), zeb::EZEBError);
  EXPECT_THROW(m.SetMinValue(-inf), zeb::EZEBError);
  EXPECT_THROW(m.SetMinValue(inf), zeb::EZEBError);  // would push the maximum to infinity
  EXPECT_THROW(m.SetMaxValue(inf), zeb::EZEBError);
  EXPECT_THROW(m.SetMaxValue(-inf), zeb::EZEBError);  // would move the minimum below it
  EXPECT_EQ(m.MeterMinValue(), 0.0);
  EXPECT_EQ(m.MeterMaxValue(), 1e308);
  m.SetValue(inf);
  m.SetValue2(-inf);
  m.SetLowThreshold(-inf);
  m.SetHighThreshold(inf);
  EXPECT_EQ(m.Value(), 1e308);
  EXPECT_EQ(m.ValueSec(), 0.0);
  EXPECT_EQ(m.ThresholdLow(), 0.0);
  EXPECT_EQ(m.ThresholdHigh(), 1e308);
  EXPECT_TRUE(std::isfinite(m.CalcNeedleAngle(m.Value())));
  s.host.Snapshot();

  zeb::TMeter read(nullptr);
  EXPECT_THROW(fw::ReadFormInto(read,
                                "object M: TMeter\n MeterMaxValue = 1e308\n"
                                " MeterMinValue = -1e308\nend\n"),
               fw::Exception);
  EXPECT_EQ(read.MeterMinValue(), 0.0);
  EXPECT_THROW(fw::ReadFormInto(read, "object M: TMeter\n MeterMinValue = -Inf\nend\n"),
               fw::Exception);
  EXPECT_EQ(read.MeterMinValue(), 0.0);
  fw::ReadFormInto(read,
                   "object M: TMeter\n Value = Inf\n ThresholdLow = -Inf\n"
                   " MeterMaxValue = 5\n MeterMinValue = 1\nend\n");
  EXPECT_EQ(read.Value(), 5.0);
  EXPECT_TRUE(std::isfinite(read.CalcNeedleAngle(read.ThresholdLow())));
  EXPECT_TRUE(errors.messages.empty()) << ::testing::PrintToString(errors.messages);
}

TEST(MeterLogarithmic, StaysOffWhileTheRangeReachesZero) {
  CountingMeter m;
  m.SetLogarithmic(true);
  EXPECT_FALSE(m.Logarithmic());
  m.SetMinValue(0.1);
  m.SetLogarithmic(true);
  EXPECT_TRUE(m.Logarithmic());
}

TEST(MeterThresholds, LowThresholdClampsPushesHighAndReportsUnderflowOnce) {
  CountingMeter m;
  m.SetValue(0.5);
  m.SetHighThreshold(0.6);
  m.Reset();
  m.SetLowThreshold(0.7);
  EXPECT_EQ(m.ThresholdLow(), 0.7);
  EXPECT_EQ(m.ThresholdHigh(), 0.7);
  EXPECT_TRUE(m.LowLimitActive());
  EXPECT_EQ(m.events, (Events{"under"}));
  m.SetLowThreshold(3);
  EXPECT_EQ(m.ThresholdLow(), 1.0);
  m.Reset();
  m.SetLowThreshold(0.2);  // value 0.5 is above it now: lamp off, no event
  EXPECT_FALSE(m.LowLimitActive());
  EXPECT_TRUE(m.events.empty());
  EXPECT_EQ(m.paints, 1);
}

TEST(MeterThresholds, HighThresholdMirrorsAndLeavesTheLowLampAlone) {
  CountingMeter m;
  m.SetValue(0.5);
  m.SetLowThreshold(0.5);  // low lamp on
  m.Reset();
  m.SetHighThreshold(0.3);
  EXPECT_EQ(m.ThresholdHigh(), 0.3);
  EXPECT_EQ(m.ThresholdLow(), 0.3);
  EXPECT_TRUE(m.HighLimitActive());
  EXPECT_TRUE(m.LowLimitActive());
  EXPECT_EQ(m.events, (Events{"over"}));
  m.SetHighThreshold(-2);
  EXPECT_EQ(m.ThresholdHigh(), 0.0);
}

TEST(MeterSetters, ClampedIntegersCompareBeforeClamping) {
  struct Case {
    void (zeb::TMeter::*set)(int);
    int (zeb::TMeter::*get)() const;
    int input, stored;
  };
  const Case cases[] = {
      {&zeb::TMeter::SetMeterNrTicks, &zeb::TMeter::MeterNrTicks, 50, 21},
      {&zeb::TMeter::SetMeterNrTicks, &zeb::TMeter::MeterNrTicks, 0, 2},
      {&zeb::TMeter::SetMeterDecPlaces, &zeb::TMeter::MeterDecPlaces, -1, 0},
      {&zeb::TMeter::SetMeterDecPlaces, &zeb::TMeter::MeterDecPlaces, 9, 4},
  };
  for (const Case& c : cases) {
    CountingMeter m;
    (m.*c.set)(c.input);
    EXPECT_EQ((m.*c.get)(), c.stored) << c.input;
    (m.*c.set)(c.input);  // differs from the stored value: repainted again
    EXPECT_EQ(m.paints, 2) << c.input;
  }
}

TEST(MeterSetters, UntestedFlagsRepaintEvenWhenEqual) {
  CountingMeter m;
  m.SetScaleVisible(true);
  m.SetScaleBkVisible(false);
  m.SetScaleBkWidth(0);
  m.SetBkgndFillMode(zeb::bfSimple);
  m.SetUnitLabel("");
  EXPECT_EQ(m.paints, 5);
  m.SetColorBakG(fw::clWhite);  // equal: ignored
  m.SetMeterLayout(zeb::mlCirc90);
  EXPECT_EQ(m.paints, 5);
  m.SetScaleBkWidth(150);
  EXPECT_EQ(m.ScaleBkWidth(), 100.0);
  m.SetScaleBkWidth(-5);
  EXPECT_EQ(m.ScaleBkWidth(), 0.0);
}

TEST(MeterSetters, ColorSchemeChoosesTheFrameColours) {
  CountingMeter m;
  EXPECT_EQ(m.FrameShadowColor(), fw::clGray);
  EXPECT_EQ(m.FrameLightColor(), fw::clWhite);
  m.SetColorScheme(zeb::schSystem);
  EXPECT_EQ(m.FrameShadowColor(), fw::clBtnShadow);
  EXPECT_EQ(m.FrameLightColor(), fw::clBtnHighlight);
  m.SetColorScheme(zeb::schFixed);
  EXPECT_EQ(m.FrameShadowColor(), fw::clGray);
  EXPECT_EQ(m.paints, 2);
}

// Pixel lengths taken from the extremes of int are clamped into their ranges, and a shown
// meter paints with them (no arithmetic of the face overflows).
TEST(MeterSetters, PixelLengthsAreClampedAndPaint) {
  using zeb::kMeterMaxPixels;
  struct Case {
    const char* name;
    std::function<void(zeb::TMeter&, int)> set;
    std::function<int(const zeb::TMeter&)> get;
    int low;
  };
  const Case cases[] = {
      {"RimTop", &zeb::TMeter::SetRimTop, &zeb::TMeter::RimTop, 0},
      {"RimBottom", &zeb::TMeter::SetRimBottom, &zeb::TMeter::RimBottom, 0},
      {"RimSide", &zeb::TMeter::SetRimSide, &zeb::TMeter::RimSide, 0},
      {"AnchorSize", &zeb::TMeter::SetAnchorSize, &zeb::TMeter::AnchorSize, 0},
      {"HeadSize", [](zeb::TMeter& m, int v) { m.NeedleLayout()->SetArrowSize1(v); },
       [](const zeb::TMeter& m) { return m.NeedleLayout()->HeadSize(); }, -kMeterMaxPixels},
      {"Thickness", [](zeb::TMeter& m, int v) { m.NeedleLayout()->SetArrowThick(v); },
       [](const zeb::TMeter& m) { return m.NeedleLayout()->Thickness(); }, -kMeterMaxPixels},
      {"HeadMidLeng", [](zeb::TMeter& m, int v) { m.NeedleLayout()->SetBackShift1(v); },
       [](const zeb::TMeter& m) { return m.NeedleLayout()->HeadMidLeng(); }, -kMeterMaxPixels},
      {"ShadowDx", [](zeb::TMeter& m, int v) { m.NeedleLayout()->SetShadowDx(v); },
       [](const zeb::TMeter& m) { return m.NeedleLayout()->ShadowDx(); }, -kMeterMaxPixels},
      {"ShadowDy", [](zeb::TMeter& m, int v) { m.NeedleLayout()->SetShadowDy(v); },
       [](const zeb::TMeter& m) { return m.NeedleLayout()->ShadowDy(); }, -kMeterMaxPixels},
  };
  for (zeb::TMeterLayout layout : {zeb::mlCirc90, zeb::mlCirc300})
    for (int extreme : {INT_MIN, INT_MAX}) {
      PaintErrors errors;
      ShownMeter s;
      s.meter->SetMeterLayout(layout);
      s.meter->SetScaleBkVisible(true);
      for (const Case& c : cases) {
        c.set(*s.meter, extreme);
        EXPECT_EQ(c.get(*s.meter), extreme < 0 ? c.low : kMeterMaxPixels) << c.name;
      }
      s.meter->SetValue(0.5);
      s.meter->SetAnchorCovered(false);
      s.host.Snapshot();
      EXPECT_TRUE(errors.messages.empty()) << ::testing::PrintToString(errors.messages);
    }
}
