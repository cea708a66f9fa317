// Meter geometry: layout parameters, value/angle/pixel mappings and their round trips,
// label decimals and the mouse report.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "tests/meter/meter_test_support.h"

using meter_test::CountingMeter;
using meter_test::kLayouts;

TEST(MeterLayout, DefaultSizeParametersPerLayout) {
  // 297 x 209 with rims 8 (top), 10 (bottom), 10 (sides): the height leaves 175 pixels for
  // the radius, the half width 148 - 18 = 130.
  struct Case {
    zeb::TMeterLayout layout;
    int span;
    double radius;
    int pivotY;
  };
  const Case cases[] = {
      {zeb::mlCirc90, 90, 175, 191},
      {zeb::mlCirc120, 120, 130.5 * 1.1547, 191},
      {zeb::mlCirc180, 180, 130, 191},
      {zeb::mlCirc270, 270, 175 / 1.7071, 119},  // 8 + 8 + 102.51
      {zeb::mlCirc300, 300, 175 / 1.866, 110},   // 8 + 8 + 93.78
      {zeb::mlCirc360, 360, 87.5, 104},          // 103.5 rounds to even
  };
  for (const Case& c : cases) {
    CountingMeter m;
    m.SetMeterLayout(c.layout);
    EXPECT_EQ(m.ScaleSpan(), c.span) << int(c.layout);
    EXPECT_NEAR(m.ScaleRadius(), c.radius, 1e-9) << int(c.layout);
    EXPECT_EQ(m.PivotX(), 148) << int(c.layout);
    EXPECT_EQ(m.PivotY(), c.pivotY) << int(c.layout);
  }
}

TEST(MeterLayout, RecomputedOnResizeButNotOnRimChange) {
  CountingMeter m;
  m.SetBounds(0, 0, 400, 300);
  EXPECT_EQ(m.PivotX(), 200);
  EXPECT_EQ(m.ScaleRadius(), 300 - 10 - 8 - 16);
  m.SetRimTop(20);
  EXPECT_EQ(m.ScaleRadius(), 300 - 10 - 8 - 16);
  m.SetWidth(401);
  EXPECT_EQ(m.ScaleRadius(), 300 - 10 - 20 - 16);
}

// The 90 degree layout takes its radius from the height alone, so it fits only faces wider
// than about 1.5 times their height; every other layout fits both directions.
TEST(MeterLayout, EveryArcStaysInsideTheRimsAtAnySize) {
  const int sizes[][2] = {{80, 60}, {297, 209}, {150, 400}, {600, 120}, {1200, 900}};
  for (auto layout : kLayouts) {
    if (layout == zeb::mlCirc90) continue;
    for (const auto& size : sizes) {
      CountingMeter m;
      m.SetMeterLayout(layout);
      m.SetBounds(0, 0, size[0], size[1]);
      ASSERT_GT(m.ScaleRadius(), 0);
      for (int i = 0; i <= 100; ++i) {
        int x = 0, y = 0;
        m.ConvertToPixelCoords(i / 100.0, 100, x, y);
        EXPECT_GE(x, m.RimSide()) << int(layout) << " " << size[0] << "x" << size[1];
        EXPECT_LT(x, size[0] - m.RimSide()) << int(layout);
        EXPECT_GE(y, m.RimTop()) << int(layout) << " " << size[0] << "x" << size[1];
        EXPECT_LT(y, size[1] - m.RimBottom()) << int(layout);
      }
    }
  }
}

TEST(MeterAngles, NeedleAngleRunsFromLeftEndThroughTopToRightEnd) {
  for (auto layout : kLayouts) {
    CountingMeter m;
    m.SetMeterLayout(layout);
    const double half = m.ScaleSpan() / 2.0;
    EXPECT_DOUBLE_EQ(m.CalcNeedleAngle(0), 180 - half);
    EXPECT_DOUBLE_EQ(m.CalcNeedleAngle(0.5), 180);
    EXPECT_DOUBLE_EQ(m.CalcNeedleAngle(1), 180 + half);
    EXPECT_DOUBLE_EQ(m.CalcNeedleAngle(-7), 180 - half);  // clamped
    EXPECT_DOUBLE_EQ(m.CalcNeedleAngle(7), 180 + half);
    EXPECT_DOUBLE_EQ(m.ScaleAngle(0), 90 + half);
    EXPECT_DOUBLE_EQ(m.ScaleAngle(1), 90 - half);
  }
}

TEST(MeterAngles, LogarithmicAngleUsesDecades) {
  CountingMeter m;
  m.SetMaxValue(1000);
  m.SetMinValue(1);
  m.SetLogarithmic(true);
  EXPECT_DOUBLE_EQ(m.CalcNeedleAngle(1), 135);
  EXPECT_NEAR(m.CalcNeedleAngle(10), 165, 1e-9);
  EXPECT_NEAR(m.CalcNeedleAngle(100), 195, 1e-9);
}

TEST(MeterAngles, ZeroWidthRangeFromAFormGivesFiniteAngles) {
  zeb::TMeter root(nullptr);
  fw::ReadFormInto(root, "object M: TMeter\n MeterMinValue = 3\n MeterMaxValue = 3\nend\n");
  EXPECT_TRUE(std::isfinite(root.CalcNeedleAngle(3)));
  int x = 0, y = 0;
  root.ConvertToPixelCoords(3, 100, x, y);
  double v = -1;
  EXPECT_TRUE(root.ConvertPixelToValue(root.PivotX(), 0, v));
  EXPECT_EQ(v, 3.0);
}

TEST(MeterPixels, PointAboveAndBelowThePivot) {
  for (auto layout : kLayouts) {
    CountingMeter m;
    m.SetMeterLayout(layout);
    m.SetMaxValue(100);
    double v = -1;
    EXPECT_TRUE(m.ConvertPixelToValue(m.PivotX(), m.PivotY() - 20, v)) << int(layout);
    EXPECT_DOUBLE_EQ(v, 50) << int(layout);
    v = -1;
    bool below = m.ConvertPixelToValue(m.PivotX(), m.PivotY() + 20, v);
    // Only the full circle reaches straight down (where both ends meet).
    EXPECT_EQ(below, layout == zeb::mlCirc360) << int(layout);
    if (!below) {
      EXPECT_EQ(v, 0.0);
    }
  }
}

TEST(MeterPixels, PixelOfAValueMapsBackToThatValue) {
  for (bool logarithmic : {false, true}) {
    for (auto layout : kLayouts) {
      CountingMeter m;
      m.SetMeterLayout(layout);
      m.SetBounds(0, 0, 600, 450);
      m.SetMaxValue(500);
      m.SetMinValue(2);
      m.SetLogarithmic(logarithmic);
      // One pixel at the arc turns the direction by at most this many degrees.
      const double degPerPixel = 180 / std::numbers::pi / m.ScaleRadius() * 1.5;
      for (int i = 0; i <= 20; ++i) {
        double f = i / 20.0;
        // Both ends of the full circle share one pixel straight below the pivot.
        if (layout == zeb::mlCirc360 && (i == 0 || i == 20)) continue;
        double value = logarithmic ? 2 * std::pow(250.0, f) : 2 + 498 * f;
        int x = 0, y = 0;
        m.ConvertToPixelCoords(value, 100, x, y);
        double back = 0;
        // The ends may round just outside the arc.
        if (!m.ConvertPixelToValue(x, y, back)) {
          EXPECT_TRUE(i == 0 || i == 20) << int(layout) << " " << value;
          continue;
        }
        double angleError = std::fabs(m.CalcNeedleAngle(back) - m.CalcNeedleAngle(value));
        EXPECT_LE(angleError, degPerPixel) << int(layout) << " " << value << " " << back;
      }
    }
  }
}

TEST(MeterLabels, CalcMChoosesDecimalsOnlyForMinusTwo) {
  struct Case {
    int decPlaces;
    double a, b;
    int expected;
  };
  const Case cases[] = {
      {3, 0, 1e9, 3},   {0, 0, 1, 0},  {-2, 0, 1e6, -1}, {-2, 0, 0.0001, -1}, {-2, 0, 100, 0},
      {-2, 50, -50, 0}, {-2, 0, 1, 2}, {-2, 0, 10, 1},   {-2, 0, 0.01, 4},    {-2, 0, 99, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(zeb::TMeter::CalcM(c.decPlaces, c.a, c.b), c.expected)
        << c.decPlaces << " " << c.a << " " << c.b;
}

TEST(MeterMouse, ReportsTheValueUnderThePointerAfterOnMouseMove) {
  fw::TestHost host(400, 300);
  auto* m = new zeb::TMeter(host.Form());
  m->SetParent(host.Form());
  m->SetBounds(10, 20, 297, 209);
  m->SetMaxValue(100);
  std::vector<std::string> order;
  bool within = false;
  double reported = -1;
  m->OnMouseMove = [&](fw::TObject*, fw::TShiftState, int, int) { order.push_back("move"); };
  m->OnMouseMoveInMeter = [&](fw::TObject*, bool w, fw::TShiftState, double v) {
    order.push_back("meter");
    within = w;
    reported = v;
  };
  host.Show();
  host.MouseMove(10 + m->PivotX(), 20 + m->PivotY() - 50);
  EXPECT_EQ(order, (std::vector<std::string>{"move", "meter"}));
  EXPECT_TRUE(within);
  EXPECT_DOUBLE_EQ(reported, 50);
  host.MouseMove(10 + m->PivotX() + 100, 20 + m->PivotY() + 5);
  EXPECT_FALSE(within);
  EXPECT_EQ(reported, 0.0);
}
