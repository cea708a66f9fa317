// Needle layouts: clamping, change notification and copying into a meter.
#include <gtest/gtest.h>

#include "tests/meter/meter_test_support.h"

using meter_test::CountingMeter;

TEST(NeedleLayout, ClampsLengthAndAngleBeforeComparing) {
  zeb::TNeedleLayout n;
  int changes = 0;
  n.OnChange = [&](fw::TObject*) { ++changes; };
  n.SetNeedleLength(150);
  EXPECT_EQ(n.PercentNeedleLength(), 100);
  EXPECT_EQ(changes, 0);  // 100 was stored already
  n.SetArrowAngle1(-10);
  EXPECT_EQ(n.HeadAngle(), 0);
  n.SetArrowAngle1(400);
  EXPECT_EQ(n.HeadAngle(), 180);
  n.SetNeedleLength(-4);
  EXPECT_EQ(n.PercentNeedleLength(), 0);
  EXPECT_EQ(changes, 3);
}

TEST(NeedleLayout, EachChangedValueNotifiesOnce) {
  zeb::TNeedleLayout n;
  int changes = 0;
  n.OnChange = [&](fw::TObject* sender) {
    EXPECT_EQ(sender, &n);
    ++changes;
  };
  n.SetColorFill(fw::clRed);
  n.SetColorFill(fw::clRed);
  n.SetArrowSize1(7);
  n.SetArrowThick(3);
  n.SetBackShift1(9);
  n.SetShadowDx(2);
  n.SetShadowDy(2);
  n.SetShadowColor(fw::clBlack);
  n.SetColorLine(fw::clBlue);
  n.SetVisible(false);
  n.SetVisible(false);
  EXPECT_EQ(changes, 9);
}

TEST(NeedleLayout, MeterRepaintsOnLayoutChangesAndCopiesAssignedLayouts) {
  CountingMeter m;
  EXPECT_TRUE(m.NeedleLayout()->Visible());
  EXPECT_FALSE(m.NeedleLayoutSec()->Visible());
  m.NeedleLayout()->SetArrowThick(4);
  EXPECT_EQ(m.paints, 1);

  zeb::TNeedleLayout source;
  source.SetColorFill(fw::clRed);
  source.SetArrowAngle1(60);
  source.SetShadowDx(3);
  bool sourceNotified = false;
  source.OnChange = [&](fw::TObject*) { sourceNotified = true; };
  m.SetNeedleLayoutSec(&source);
  EXPECT_EQ(m.NeedleLayoutSec()->ColorBody(), fw::clRed);
  EXPECT_EQ(m.NeedleLayoutSec()->HeadAngle(), 60);
  EXPECT_EQ(m.NeedleLayoutSec()->ShadowDx(), 3);
  EXPECT_TRUE(m.NeedleLayoutSec()->Visible());  // Visible is copied too
  EXPECT_EQ(m.paints, 2);
  // The meter keeps its own link: a later change repaints the meter, not the source.
  m.NeedleLayoutSec()->SetArrowSize1(5);
  EXPECT_EQ(m.paints, 3);
  EXPECT_FALSE(sourceNotified);
  EXPECT_EQ(source.HeadSize(), 20);
}
