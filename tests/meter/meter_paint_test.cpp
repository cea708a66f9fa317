// Meter painting: tick spacing, label text, and pixels where the geometry fixes them.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "meter/ZEB_Meter.h"

namespace {

const zeb::TMeterLayout kLayouts[] = {zeb::mlCirc90,  zeb::mlCirc120, zeb::mlCirc180,
                                      zeb::mlCirc270, zeb::mlCirc300, zeb::mlCirc360};

// A meter on a shown form at (0, 0).
struct ShownMeter {
  explicit ShownMeter(int w = 297, int h = 209) : host(w, h) {
    meter = new zeb::TMeter(host.Form());
    meter->SetParent(host.Form());
    meter->SetBounds(0, 0, w, h);
    host.Show();
  }
  fw::TColor Pixel(int x, int y) { return host.Pixel(x, y); }
  fw::TestHost host;
  zeb::TMeter* meter;
};

}  // namespace

TEST(MeterTicks, SpacingIsOneTwoOrFiveTimesAPowerOfTen) {
  struct Case {
    int n;
    double lo, hi, first, step;
    int subDiv;
  };
  const Case cases[] = {
      {3, 0, 1, 0, 0.2, 4},   {5, 0, 100, 0, 10, 5}, {10, 0, 100, 0, 10, 5}, {2, 0, 7, 0, 2, 4},
      {3, -1, 1, -1, 0.5, 5}, {4, 0.5, 20, 2, 2, 4}, {3, 5, 5, 5, 0, 1},
  };
  for (const Case& c : cases) {
    auto t = zeb::TMeter::CalcTickSpacing(c.n, c.lo, c.hi);
    EXPECT_NEAR(t.Step, c.step, 1e-12) << c.lo << ".." << c.hi << " n " << c.n;
    EXPECT_NEAR(t.First, c.first, 1e-12) << c.lo << ".." << c.hi << " n " << c.n;
    EXPECT_EQ(t.SubDiv, c.subDiv) << c.lo << ".." << c.hi << " n " << c.n;
  }
}

TEST(MeterTicks, LabelsAreFixedPointWithAPointWhateverTheLocale) {
  struct Case {
    double v;
    int d;
    const char* text;
  };
  const Case cases[] = {
      {0.2, 1, "0.2"}, {1, 0, "1"}, {-0.5, 2, "-0.50"}, {1234.4, 0, "1234"}, {0.125, 2, "0.13"}};
  for (const Case& c : cases)
    EXPECT_EQ(zeb::TMeter::FormatScaleLabel(c.v, c.d), c.text) << c.v << " " << c.d;
}

TEST(MeterPaint, EveryLayoutPaintsAtAnySize) {
  const int sizes[][2] = {{40, 30}, {120, 90}, {297, 209}, {1200, 900}};
  for (auto layout : kLayouts)
    for (const auto& size : sizes) {
      ShownMeter s(size[0], size[1]);
      s.meter->SetScaleBkVisible(true);
      s.meter->SetScaleBkWidth(30);
      s.meter->NeedleLayoutSec()->SetVisible(true);
      s.meter->SetValue(0.7);
      EXPECT_NO_THROW(s.meter->SetMeterLayout(layout));
      EXPECT_NO_THROW(s.host.Snapshot());
      s.meter->SetMaxValue(1000);
      s.meter->SetMinValue(0.5);
      EXPECT_NO_THROW(s.meter->SetLogarithmic(true));
      s.meter->SetMinValue(300);  // within one decade
      EXPECT_NO_THROW(s.host.Snapshot());
    }
}

TEST(MeterPaint, RimsLampsAndRaisedFrame) {
  ShownMeter s;
  const int w = 297, h = 209;
  EXPECT_EQ(s.Pixel(3, h / 2), fw::ColorToRGB(fw::clBtnFace));       // left rim
  EXPECT_EQ(s.Pixel(w / 2 + 60, 3), fw::ColorToRGB(fw::clBtnFace));  // top rim
  EXPECT_EQ(s.Pixel(0, h / 2), fw::clWhite);                         // frame light edge
  EXPECT_EQ(s.Pixel(w - 1, h / 2), fw::clGray);                      // frame shadow edge
  EXPECT_EQ(s.Pixel(w / 2 + 60, h - 1), fw::clGray);
  // Lamps: black outline, passive colour inside; the high lamp lights at the maximum.
  EXPECT_EQ(s.Pixel(10 + 8, 8 + 8), fw::clBlack);
  EXPECT_EQ(s.Pixel(w - 10 - 18, 8 + 8), fw::clBlack);
  EXPECT_EQ(s.Pixel(w - 10 - 18, 8 + 12), fw::clBlack);  // left edge of the high lamp
  s.meter->SetValue(1);
  EXPECT_EQ(s.Pixel(w - 10 - 14, 8 + 12), fw::clRed);
  EXPECT_EQ(s.Pixel(10 + 12, 8 + 12), fw::clGray);
}

TEST(MeterPaint, NeedleTipLiesOnTheArcAtBothEndsAndTheMiddle) {
  for (auto layout : kLayouts) {
    ShownMeter s;
    s.meter->SetScaleVisible(false);
    s.meter->SetLimWatchHighOn(false);
    s.meter->SetLimWatchLowOn(false);
    s.meter->SetMeterLayout(layout);
    s.meter->NeedleLayout()->SetColorLine(fw::clRed);
    for (double v : {0.0, 0.5, 1.0}) {
      s.meter->SetValue(v);
      int x = 0, y = 0;
      s.meter->ConvertToPixelCoords(v, 100 * (s.meter->ScaleRadius() - 4) / s.meter->ScaleRadius(),
                                    x, y);
      EXPECT_EQ(s.Pixel(x, y), fw::clRed) << int(layout) << " value " << v;
    }
  }
}

TEST(MeterPaint, BandColoursByZone) {
  ShownMeter s;
  s.meter->SetHighThreshold(0.7);
  s.meter->SetLowThreshold(0.3);
  s.meter->SetScaleBkWidth(100);
  s.meter->SetScaleBkVisible(true);
  const struct {
    double v;
    fw::TColor color;
  } cases[] = {{0.15, fw::clLime}, {0.5, 0x0080FF}, {0.85, fw::clRed}};
  for (const auto& c : cases) {
    int x = 0, y = 0;
    s.meter->ConvertToPixelCoords(c.v, 50, x, y);
    EXPECT_EQ(s.Pixel(x, y), c.color) << c.v;
  }
}

TEST(MeterPaint, EventsCanReplaceLabelsAndTheNeedle) {
  ShownMeter s;
  std::vector<std::string> labels;
  int rendered = 0;
  s.meter->OnBeforeDrawScaleLabel = [&](fw::TObject*, fw::TCanvas*, std::string& text, int, int) {
    labels.push_back(text);
    text.clear();
  };
  s.meter->OnBeforeDrawNeedle = [&](fw::TObject*, fw::TCanvas*, bool& drawn) { drawn = true; };
  s.meter->OnMeterRendered = [&](fw::TObject*, fw::TCanvas*) { ++rendered; };
  s.meter->SetValue(0.5);
  EXPECT_EQ(labels, (std::vector<std::string>{"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}));
  EXPECT_EQ(rendered, 1);
  // No needle: the pixel halfway up to the arc straight above the pivot is the face.
  int x = 0, y = 0;
  s.meter->ConvertToPixelCoords(0.5, 60, x, y);
  EXPECT_EQ(s.Pixel(x, y), fw::clWhite);

  s.meter->SetMaxValue(1000);
  s.meter->SetMinValue(1);
  labels.clear();
  s.meter->SetLogarithmic(true);
  EXPECT_EQ(labels, (std::vector<std::string>{"1.0", "2.0", "5.0", "10.0", "20.0", "50.0", "100.0",
                                              "200.0", "500.0", "1000.0"}));
}

TEST(MeterPaint, DegenerateRangesReadFromAFormPaintOneLabel) {
  struct Case {
    const char* form;
    int labels;
  };
  const Case cases[] = {
      {"object M: TMeter\n MeterMinValue = 3\n MeterMaxValue = 3\nend\n", 1},
      {"object M: TMeter\n MeterMinValue = 3\n MeterMaxValue = 3\n Logarithmic = True\nend\n", 1},
      {"object M: TMeter\n MeterMinValue = 0\n MeterMaxValue = 0\n Logarithmic = True\nend\n", 1},
  };
  for (const Case& c : cases) {
    zeb::TMeter m(nullptr);
    int labels = 0;
    m.OnBeforeDrawScaleLabel = [&](fw::TObject*, fw::TCanvas*, std::string&, int, int) {
      ++labels;
    };
    fw::ReadFormInto(m, c.form);  // Loaded paints
    EXPECT_EQ(labels, c.labels) << c.form;
  }
}

TEST(MeterPaint, HugeTickCountsAreCapped) {
  zeb::TMeter m(nullptr);
  int labels = 0;
  m.OnBeforeDrawScaleLabel = [&](fw::TObject*, fw::TCanvas*, std::string&, int, int) { ++labels; };
  fw::ReadFormInto(m, "object M: TMeter\n MeterMinValue = -1e300\n MeterMaxValue = 1e300\nend\n");
  EXPECT_GT(labels, 0);
  EXPECT_LE(labels, 2000);
}

TEST(MeterPaint, SecondaryNeedleIsDrawnUnderThePrimary) {
  ShownMeter s;
  s.meter->SetScaleVisible(false);
  s.meter->NeedleLayout()->SetColorLine(fw::clRed);
  s.meter->NeedleLayoutSec()->SetColorLine(fw::clBlue);
  s.meter->NeedleLayoutSec()->SetVisible(true);
  s.meter->SetValue(0.25);
  s.meter->SetValue2(0.75);
  auto tip = [&](double v) {
    int x = 0, y = 0;
    s.meter->ConvertToPixelCoords(v, 100 * (s.meter->ScaleRadius() - 4) / s.meter->ScaleRadius(), x,
                                  y);
    return s.Pixel(x, y);
  };
  EXPECT_EQ(tip(0.25), fw::clRed);
  EXPECT_EQ(tip(0.75), fw::clBlue);
  s.meter->SetValue2(0.25);
  EXPECT_EQ(tip(0.25), fw::clRed);
  s.meter->NeedleLayoutSec()->SetVisible(false);
  EXPECT_NE(tip(0.75), fw::clBlue);
}
