// Meter painting: tick spacing, label text, pixels where the geometry fixes them, and the
// painting of the part of a face that can be seen.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/rtl/rounding.h"
#include "meter/ZEB_Meter.h"
#include "tests/meter/meter_test_support.h"

using meter_test::kLayouts;
using meter_test::PaintErrors;
using meter_test::ShownMeter;

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

// The band is a ring from the inner radius to 4 pixels outside the arc, coloured by zone,
// with the face colour inside it; in every layout.
TEST(MeterPaint, BandColoursByZoneInARing) {
  for (auto layout : kLayouts) {
    ShownMeter s;
    s.meter->SetMeterLayout(layout);
    s.meter->SetScaleVisible(false);
    s.meter->SetColorBakG(fw::clYellow);
    s.meter->SetHighThreshold(0.7);
    s.meter->SetLowThreshold(0.3);
    s.meter->SetScaleBkWidth(30);
    s.meter->SetScaleBkVisible(true);
    const double outside = 100 * (s.meter->ScaleRadius() + 2) / s.meter->ScaleRadius();
    const struct {
      double v, percent;
      fw::TColor color;
    } cases[] = {
        {0.15, 85, fw::clLime},      {0.5, 85, 0x0080FF},        {0.85, 85, fw::clRed},
        {0.15, outside, fw::clLime}, {0.85, outside, fw::clRed}, {0.5, 60, fw::clYellow},
        {0.15, 50, fw::clYellow},    {0.25, 80, fw::clLime},     {0.35, 80, 0x0080FF},
        {0.65, 80, 0x0080FF},        {0.75, 80, fw::clRed},
    };
    for (const auto& c : cases) {
      int x = 0, y = 0;
      s.meter->ConvertToPixelCoords(c.v, c.percent, x, y);
      EXPECT_EQ(s.Pixel(x, y), c.color)
          << int(layout) << " value " << c.v << " at " << c.percent << "%";
    }
  }
}

// Major ticks run 8 pixels in from the arc, minor ones 4; both in the scale colour.
TEST(MeterPaint, TickLengths) {
  struct Case {
    double lo, hi;  // the straight-up position is a major tick on the first range only
    bool shortTicks, scaleLine;
    int marked;  // pixels in the scale colour from the arc inwards
  };
  const Case cases[] = {{-1, 1, true, true, 8},
                        {0, 1, true, true, 4},
                        {0, 1, false, true, 1},
                        {0, 1, false, false, 0}};
  for (const Case& c : cases) {
    ShownMeter s;
    s.meter->SetMinValue(c.lo);
    s.meter->SetMaxValue(c.hi);
    s.meter->SetValue(c.lo);  // the needle lies on the left
    s.meter->SetMeterShortTicks(c.shortTicks);
    s.meter->SetMeterScaleLine(c.scaleLine);
    const int x = s.meter->PivotX();
    const int top = s.meter->PivotY() - int(s.meter->ScaleRadius());
    for (int k = 0; k <= 9; ++k)
      EXPECT_EQ(s.Pixel(x, top + k), k < c.marked ? fw::clNavy : fw::clWhite)
          << c.lo << ".." << c.hi << " short " << c.shortTicks << " line " << c.scaleLine
          << " pixel " << k;
  }
}

// Labels stand centred on a point inside the arc, half a label plus 15 pixels in.
TEST(MeterPaint, LabelCentresLieInsideTheArc) {
  for (auto layout : kLayouts) {
    ShownMeter s;
    s.meter->SetMeterLayout(layout);
    s.meter->SetMinValue(-1);
    s.meter->SetMaxValue(1);
    int chartX = 0, chartY = 0;
    s.meter->OnBeforeDrawScaleLabel = [&](fw::TObject*, fw::TCanvas* c, std::string& text, int x,
                                          int y) {
      if (text != "0.0") return;
      chartX = x + c->TextWidth(text) / 2;
      chartY = y + c->TextHeight(text) / 2;
      // The widest label, the maximum's, sets the distance from the arc.
      const double dy = c->TextHeight("1.0") / 2.0 + 15;
      EXPECT_EQ(chartY, int(fw::Round(s.meter->PivotY() - (s.meter->ScaleRadius() - dy))))
          << int(layout);
    };
    s.meter->SetValue(-1);
    EXPECT_EQ(chartX, s.meter->PivotX()) << int(layout);
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
}

// Logarithmic scales over decades label 1, 2 and 5 times each power of ten inside the
// range; within one decade they label the linear spacing, placed logarithmically.
TEST(MeterPaint, LogarithmicLabels) {
  struct Case {
    double lo, hi;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {1, 1000, {"1", "2", "5", "10", "20", "50", "100", "200", "500", "1000"}},
      {0.5, 20, {"0.5", "1", "2", "5", "10", "20"}},
      {2, 5, {"2", "3", "4", "5"}},
  };
  for (const Case& c : cases) {
    ShownMeter s;
    s.meter->SetMaxValue(c.hi);
    s.meter->SetMinValue(c.lo);
    s.meter->SetMeterDecPlaces(c.lo < 1 ? 1 : 0);
    std::vector<std::string> labels;
    s.meter->OnBeforeDrawScaleLabel = [&](fw::TObject*, fw::TCanvas*, std::string& text, int, int) {
      labels.push_back(text);
    };
    s.meter->SetLogarithmic(true);
    std::vector<std::string> expected = c.labels;
    if (c.lo < 1)
      for (auto& e : expected)
        if (e.find('.') == std::string::npos) e += ".0";
    EXPECT_EQ(labels, expected) << c.lo << ".." << c.hi;
  }
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
  // What the application draws before the primary needle lies over the secondary one.
  s.meter->SetValue2(0.75);
  s.meter->OnBeforeDrawNeedle = [&](fw::TObject*, fw::TCanvas* c, bool&) {
    int x = 0, y = 0;
    s.meter->ConvertToPixelCoords(0.75, 100 * (s.meter->ScaleRadius() - 4) / s.meter->ScaleRadius(),
                                  x, y);
    c->SetPixels(x, y, fw::clFuchsia);
  };
  s.meter->Repaint();
  EXPECT_EQ(tip(0.75), fw::clFuchsia);
  s.meter->OnBeforeDrawNeedle = nullptr;
  s.meter->NeedleLayoutSec()->SetVisible(false);
  EXPECT_NE(tip(0.75), fw::clBlue);
}

// A range of no width still draws the arc between the layout's two ends, not a full circle.
TEST(MeterPaint, ZeroWidthRangeKeepsTheArcGap) {
  ShownMeter s(297, 400);
  s.meter->SetMeterLayout(zeb::mlCirc270);
  fw::ReadFormInto(*s.meter, "object M: TMeter\n MeterMinValue = 3\n MeterMaxValue = 3\nend\n");
  ASSERT_EQ(s.meter->MeterMinValue(), s.meter->MeterMaxValue());
  const int cx = s.meter->PivotX(), cy = s.meter->PivotY();
  const int rr = int(fw::Round(s.meter->ScaleRadius()));
  EXPECT_EQ(s.Pixel(cx, cy - rr), fw::clNavy);
  for (int y = cy + rr - 3; y <= cy + rr + 1; ++y) EXPECT_NE(s.Pixel(cx, y), fw::clNavy) << y;
}

// Painting only what a canvas shows of the face (a form's window onto a large meter, the
// clip of a paint cycle) gives there exactly the pixels of the whole face.
TEST(MeterPaint, PartOfTheFaceIsPaintedAsTheWholeFace) {
  const std::string tile = meter_test::WritePicture("tile.bmp", 3, 2, fw::clTeal,
                                                    {{1, 0, fw::clRed}, {2, 1, fw::clBlue}});
  const fw::TRect parts[] = {fw::Rect(0, 0, 50, 40), fw::Rect(97, 61, 240, 200),
                             fw::Rect(250, 150, 301, 211), fw::Rect(1, 1, 300, 210)};
  for (auto layout : kLayouts) {
    zeb::TMeter m(nullptr);
    m.SetBounds(0, 0, 301, 211);
    m.SetMeterLayout(layout);
    m.SetBakGndFname(tile);
    m.SetBkgndFillMode(zeb::bfTile);
    m.SetScaleBkVisible(true);
    m.SetScaleBkWidth(40);
    m.SetUnitLabel("bar");
    m.NeedleLayout()->SetShadowDx(3);
    m.NeedleLayout()->SetShadowDy(2);
    m.NeedleLayout()->SetArrowThick(6);
    m.NeedleLayoutSec()->SetVisible(true);
    m.SetValue(0.3);
    m.SetValue2(0.8);
    fw::TBitmap whole(301, 211);
    m.PaintTo(whole.Canvas(), 0, 0);
    for (const fw::TRect& part : parts) {
      fw::TBitmap seen(part.Width(), part.Height());
      m.PaintTo(seen.Canvas(), -part.Left, -part.Top);
      int differing = 0;
      for (int y = 0; y < part.Height(); ++y)
        for (int x = 0; x < part.Width(); ++x)
          differing += seen.ScanLine(y)[x] != whole.ScanLine(part.Top + y)[part.Left + x];
      EXPECT_EQ(differing, 0) << int(layout) << " part at " << part.Left << "," << part.Top;
    }
  }
}

// A meter larger than the largest bitmap, on a small form: every setter paints what the form
// shows of it, wherever the form's window onto it lies.
TEST(MeterPaint, MeterLargerThanAnyBitmapPaintsWhatTheFormShows) {
  PaintErrors errors;
  for (int side : {8193, 30000}) {
    ShownMeter s(300, 200);
    zeb::TMeter& m = *s.meter;
    m.SetBounds(0, 0, side, side);
    m.SetScaleBkVisible(true);
    m.NeedleLayout()->SetColorLine(fw::clRed);
    m.SetValue(0.5);
    EXPECT_EQ(s.Pixel(0, 100), fw::clWhite) << side;  // the raised frame's light edge
    EXPECT_EQ(s.Pixel(5, 100), fw::ColorToRGB(fw::clBtnFace)) << side;  // left rim
    EXPECT_EQ(s.Pixel(18, 16), fw::clBlack) << side;                    // the low lamp's corner
    m.SetBounds(300 - side, 200 - side, side, side);
    EXPECT_EQ(s.Pixel(299, 100), fw::clGray) << side;  // the frame's shadow edge
    // The pivot in the middle of the form: the cover over it, the needle straight up.
    m.SetBounds(150 - m.PivotX(), 100 - m.PivotY(), side, side);
    m.SetValue(0.5);
    EXPECT_EQ(s.Pixel(150, 100 - m.AnchorSize() / 2), fw::ColorToRGB(fw::clBtnFace)) << side;
    EXPECT_EQ(s.Pixel(150, 100 - m.AnchorSize() - 20), fw::clRed) << side;
  }
  EXPECT_TRUE(errors.messages.empty()) << ::testing::PrintToString(errors.messages);
}
