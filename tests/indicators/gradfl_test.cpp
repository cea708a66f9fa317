// TGradFill: band layout and colours, the colour pair under flipping, the grid, the frame,
// form text, and painting at any size.
#include <gtest/gtest.h>

#include <vector>

#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/rtl/rounding.h"
#include "indicators/ZEB_gradfl.h"
#include "tests/indicators/shown_control.h"

namespace zeb {
namespace {

struct ShownGradFill : test::ShownControl<TGradFill> {
  explicit ShownGradFill(int w = 121, int h = 121) : ShownControl(w, h), fill(control) {}
  TGradFill* fill;
};

TEST(GradFill, BandColoursFollowTheirRules) {
  const fw::TColor first = fw::RGB(0, 10, 250), last = fw::RGB(200, 110, 50);
  struct Case {
    TGradType type;
    int count;
    std::vector<fw::TColor> colors;
  };
  const std::vector<Case> cases{
      {gtHoriz, 1, {first}},
      {gtMidBandVert, 1, {first}},
      // One step short of the last colour: first + MulDiv(i, d, 4).
      {gtVert, 4, {first, fw::RGB(50, 35, 200), fw::RGB(100, 60, 150), fw::RGB(150, 85, 100)}},
      // Symmetric with h = 2: first + 0, d/2, d, d/2, 0.
      {gtMidBandVert, 5, {first, fw::RGB(100, 60, 150), last, fw::RGB(100, 60, 150), first}},
      {gtMidBandHoriz, 2, {first, last}},
  };
  for (const Case& c : cases) {
    const auto bands = GradientBands(c.type, c.count, first, last, 100, 50);
    ASSERT_EQ(bands.size(), c.colors.size());
    for (size_t i = 0; i < bands.size(); ++i) EXPECT_EQ(bands[i].color, c.colors[i]) << i;
  }
  // System colours are resolved before stepping.
  EXPECT_EQ(GradientBands(gtHoriz, 1, fw::clBtnFace, last, 9, 9)[0].color,
            fw::ColorToRGB(fw::clBtnFace));
}

TEST(GradFill, BandsTileTheControlOnScreen) {
  ShownGradFill s;
  s.fill->SetColorFirst(fw::clBlack);
  s.fill->SetColorLast(fw::clWhite);
  // 16 bands on 121 rows: band i covers rows MulDiv(i, 121, 16) .. MulDiv(i + 1, 121, 16) - 1.
  const auto bands = GradientBands(gtHoriz, 16, fw::clBlack, fw::clWhite, 121, 121);
  for (int i = 0; i < 16; ++i) {
    const int top = fw::MulDiv(i, 121, 16), bottom = fw::MulDiv(i + 1, 121, 16) - 1;
    EXPECT_EQ(s.host.Pixel(60, top), bands[i].color) << i;
    EXPECT_EQ(s.host.Pixel(60, bottom), bands[i].color) << i;
  }
  // Vertical bands, a grid over them, and a raised frame drawn last.
  s.fill->SetFillType(gtVert);
  s.fill->SetNrColors(4);
  s.fill->SetGridMode(gmBoth);
  s.fill->SetGridColor(fw::clRed);
  s.fill->SetFrameStyle(fstRaised);
  EXPECT_EQ(s.host.Pixel(30, 60), fw::clRed);  // MulDiv(1, 121, 4) = 30: a band border
  EXPECT_EQ(s.host.Pixel(60, 61), fw::clRed);  // MulDiv(2, 121, 4) = 61 across the bands
  EXPECT_EQ(s.host.Pixel(31, 59), fw::RGB(64, 64, 64));
  EXPECT_EQ(s.host.Pixel(0, 60), fw::clWhite);
  EXPECT_EQ(s.host.Pixel(120, 60), fw::clBlack);
}

TEST(GradFill, FlippingShowsThePairExchangedAndKeepsIt) {
  ShownGradFill s;
  s.fill->SetColorFirst(fw::clRed);
  s.fill->SetColorLast(fw::clBlue);
  s.fill->SetColorFlipped(true);
  EXPECT_EQ(s.fill->ColorFirst(), fw::clBlue);
  EXPECT_EQ(s.fill->ColorLast(), fw::clRed);
  s.fill->SetColorFirst(fw::clLime);  // shown first now, last after un-flipping
  s.fill->SetColorFlipped(false);
  EXPECT_EQ(s.fill->ColorFirst(), fw::clRed);
  EXPECT_EQ(s.fill->ColorLast(), fw::clLime);
  for (const auto& [set, kept] : {std::pair{0, 1}, {300, 255}, {-7, 1}, {16, 16}}) {
    s.fill->SetNrColors(set);
    EXPECT_EQ(s.fill->NrColors(), kept);
  }
}

TEST(GradFill, FormTextAndClassRecord) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TGradFill"))
    ADD_FAILURE() << problem;
  fw::TestHost host;
  TGradFill fill(nullptr);
  fw::ReadFormInto(fill,
                   "object G: TGradFill\n FillType = gtMidBandHoriz\n NrColors = 300\n"
                   " GridMode = gmVert\n FrameStyle = fstSunken\nend\n");
  EXPECT_EQ(fill.FillType(), gtMidBandHoriz);
  EXPECT_EQ(fill.NrColors(), 255);
  EXPECT_EQ(fill.GridMode(), gmVert);
  EXPECT_EQ(fill.FrameStyle(), fstSunken);
}

TEST(GradFill, PaintsAtEverySizeAndReportsEachPaint) {
  for (const auto& [w, h] : {std::pair{1, 1}, {2, 300}, {300, 2}, {2000, 2000}}) {
    ShownGradFill s(w, h);
    int painted = 0;
    s.fill->OnPaint = [&](fw::TObject*) { ++painted; };
    s.fill->SetNrColors(255);
    s.fill->SetFillType(gtMidBandVert);
    s.fill->SetGridMode(gmBoth);
    s.fill->SetFrameStyle(fstEmbossed);
    s.host.Pixel(0, 0);  // pending paints happen first
    EXPECT_EQ(painted, 1);
  }
}

}  // namespace
}  // namespace zeb
