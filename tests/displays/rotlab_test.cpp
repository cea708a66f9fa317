// TRotLab: the text on screen at 0, 90 and an odd angle, embossing, the frame, the anchor rules,
// transparency, form text, any size.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "displays/ZEB_RotLab.h"
#include "framework/backend/headless/test_host.h"
#include "framework/base/registry_check.h"

namespace zeb {
namespace {

struct ShownRotLab {
  ShownRotLab() : host(200, 200) {
    host.Form()->SetColor(fw::clLime);
    label = new TRotLab(host.Form());
    label->SetParent(host.Form());
    label->SetBounds(0, 0, 200, 200);
    label->SetCaption("Rotated label text");
    host.Show();
  }
  // The box around the pixels in `color`, or with `other` around those not in it.
  fw::TRect Ink(fw::TColor color, bool other = false) {
    fw::TRect box{200, 200, -1, -1};
    for (int y = 0; y < 200; ++y)
      for (int x = 2; x < 198; ++x)
        if ((host.Pixel(x, y) == color) != other) {
          box.Left = std::min(box.Left, x);
          box.Top = std::min(box.Top, y);
          box.Right = std::max(box.Right, x + 1);
          box.Bottom = std::max(box.Bottom, y + 1);
        }
    return box;
  }
  fw::TestHost host;
  TRotLab* label;
};

TEST(RotLab, TheTextLiesAcrossOrAlongTheAnchorByItsAngle) {
  ShownRotLab s;
  s.label->SetFrameStyle(fstNone);
  const fw::TColor face = fw::ColorToRGB(fw::clBtnFace);
  const fw::TRect flat = s.Ink(face, true);
  EXPECT_GT(flat.Width(), 3 * flat.Height());
  EXPECT_NEAR((flat.Left + flat.Right) / 2, 100, 3);
  EXPECT_NEAR((flat.Top + flat.Bottom) / 2, 100, 4);
  s.label->SetTextAngle(90);  // bottom to top, still centred
  const fw::TRect up = s.Ink(face, true);
  EXPECT_GT(up.Height(), 3 * up.Width());
  EXPECT_NEAR((up.Top + up.Bottom) / 2, 100, 3);
  EXPECT_NEAR((up.Left + up.Right) / 2, 100, 4);
  s.label->SetTextAngle(30);
  s.label->SetAlignment(fw::taLeftJustify);  // the text starts on the anchor and rises right
  const fw::TRect odd = s.Ink(face, true);
  EXPECT_NEAR(odd.Left, 100, 6);
  EXPECT_LT(odd.Top, 100 - 20);
  EXPECT_GT(odd.Bottom, 100);
  // Disabled: embossed in the highlight colour one pixel right and down of the shadow.
  s.label->SetEnabled(false);
  EXPECT_EQ(s.Ink(fw::clBlack).Right, -1);
  const fw::TRect shadow = s.Ink(fw::ColorToRGB(fw::clBtnShadow));
  EXPECT_GT(shadow.Width(), 10);
  EXPECT_NE(s.Ink(fw::ColorToRGB(fw::clBtnHighlight)).Right, -1);
}

TEST(RotLab, AnchorAngleFrameAndTransparency) {
  ShownRotLab s;
  s.label->SetPosX(5);  // AutoCenter keeps the centre
  EXPECT_EQ(s.label->PosX(), 100);
  s.label->SetBounds(0, 0, 120, 80);
  EXPECT_EQ(s.label->PosX(), 60);
  EXPECT_EQ(s.label->PosY(), 40);
  s.label->SetAutoCenter(false);
  s.label->SetPosX(5);
  EXPECT_EQ(s.label->PosX(), 5);
  for (const auto& [set, kept] : {std::pair{-90, 270}, {725, 5}, {360, 0}, {359, 359}}) {
    s.label->SetTextAngle(set);
    EXPECT_EQ(s.label->TextAngle(), kept);
  }
  // A new label reads Transparent but fills its background until Transparent is assigned.
  EXPECT_TRUE(s.label->Transparent());
  EXPECT_EQ(s.host.Pixel(100, 70), fw::ColorToRGB(fw::clBtnFace));
  EXPECT_EQ(s.host.Pixel(0, 30), fw::TColor{0x808080});  // sunken frame, left
  EXPECT_EQ(s.host.Pixel(119, 30), fw::clWhite);
  s.label->SetTransparent(true);
  EXPECT_EQ(s.host.Pixel(100, 70), fw::clLime);
}

TEST(RotLab, ClassRecordAndAssign) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TRotLab"))
    ADD_FAILURE() << problem;
  TRotLab a(nullptr), b(nullptr);
  b.SetBounds(0, 0, 60, 30);  // without a parent the anchor follows the size too
  EXPECT_EQ(b.PosX(), 30);
  EXPECT_EQ(b.PosY(), 15);
  a.SetAutoCenter(false);
  a.SetPosX(33);
  a.SetTextAngle(120);
  a.SetFrameStyle(fstRaised);
  b.Assign(&a);
  EXPECT_FALSE(b.AutoCenter());
  EXPECT_EQ(b.PosX(), 33);
  EXPECT_EQ(b.TextAngle(), 120);
  EXPECT_EQ(b.FrameStyle(), fstRaised);
}

}  // namespace
}  // namespace zeb
