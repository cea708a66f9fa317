// TSpeedButton: content layout, press and release with clicks, the group rule, the flat
// button's hot edge, glyph images (cut, see-through, embossed) and the class record.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/stdctrls/speed_button.h"

namespace fw {
namespace {

TSpeedButton* PlaceButton(TestHost& host, int x, int y, int w = 60, int h = 30) {
  auto* button = new TSpeedButton(host.Form());
  button->SetParent(host.Form());
  button->SetBounds(x, y, w, h);
  return button;
}

TEST(SpeedButtonLayout, PlacesGlyphAndCaptionByLayoutMarginAndSpacing) {
  const TRect client = Rect(0, 0, 100, 40);
  const TPoint glyph{16, 16}, caption{30, 12};
  struct Case {
    TButtonLayout layout;
    int margin, spacing;
    TPoint glyphAt;
    TRect captionAt;
  };
  const std::vector<Case> cases{
      // Centred pair: 16 + 4 + 30 = 50 of 100, so 25 on each side.
      {blGlyphLeft, -1, 4, {25, 12}, Bounds(45, 14, 30, 12)},
      {blGlyphRight, -1, 4, {59, 12}, Bounds(25, 14, 30, 12)},
      {blGlyphLeft, 3, 4, {3, 12}, Bounds(23, 14, 30, 12)},
      {blGlyphRight, 3, 4, {81, 12}, Bounds(47, 14, 30, 12)},
      // Even shares: (100 - 46) / 3 = 18 before, between and after.
      {blGlyphLeft, -1, -1, {18, 12}, Bounds(52, 14, 30, 12)},
      {blGlyphLeft, 2, -1, {2, 12}, Bounds(44, 14, 30, 12)},
      // Vertical: 16 + 4 + 12 = 32 of 40.
      {blGlyphTop, -1, 4, {42, 4}, Bounds(35, 24, 30, 12)},
      {blGlyphBottom, 0, 2, {42, 24}, Bounds(35, 10, 30, 12)},
  };
  for (const Case& c : cases) {
    const TButtonContentLayout place =
        LayoutButtonContent(client, glyph, caption, c.layout, c.margin, c.spacing);
    EXPECT_EQ(place.glyph, c.glyphAt) << kButtonLayoutNames[c.layout] << " " << c.margin;
    EXPECT_EQ(place.caption, c.captionAt) << kButtonLayoutNames[c.layout] << " " << c.margin;
  }
  // Without a caption the glyph alone is centred; spacing does not count.
  EXPECT_EQ(LayoutButtonContent(client, glyph, {0, 0}, blGlyphLeft, -1, 10).glyph,
            (TPoint{42, 12}));
}

TEST(SpeedButton, ClicksOnAReleaseInsideAndShowsThePress) {
  TestHost host(200, 100);
  TSpeedButton* button = PlaceButton(host, 10, 10);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  host.Show();
  EXPECT_EQ(host.Pixel(10, 10), ColorToRGB(clBtnHighlight));  // raised edge
  host.MouseDown(30, 20);
  EXPECT_EQ(button->State(), bsDown);
  host.ProcessMessages();
  EXPECT_EQ(host.Pixel(10, 10), ColorToRGB(cl3DDkShadow));  // pressed edge
  host.MouseMove(150, 80);  // out while held: up again, and no click on release there
  EXPECT_EQ(button->State(), bsUp);
  host.MouseUp(150, 80);
  EXPECT_EQ(clicks, 0);
  host.Click(30, 20);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(button->State(), bsUp);
  EXPECT_FALSE(button->Down());  // no group: never stays down
  host.Click(30, 20, mbRight);
  EXPECT_EQ(clicks, 1);
}

TEST(SpeedButton, GroupedButtonsStayDownOneAtATime) {
  TestHost host(300, 100);
  std::vector<TSpeedButton*> buttons;
  for (int i = 0; i < 3; ++i) {
    buttons.push_back(PlaceButton(host, 10 + 70 * i, 10));
    buttons.back()->SetGroupIndex(1);
  }
  host.Show();
  auto down = [&] {
    std::string s;
    for (TSpeedButton* b : buttons) s += b->Down() ? '1' : '0';
    return s;
  };
  host.Click(100, 20);
  EXPECT_EQ(down(), "010");
  EXPECT_EQ(buttons[1]->State(), bsExclusive);
  host.Click(30, 20);
  EXPECT_EQ(down(), "100");
  host.Click(30, 20);  // the down button stays down without AllowAllUp
  EXPECT_EQ(down(), "100");
  buttons[0]->SetDown(false);
  EXPECT_EQ(down(), "100");
  buttons[2]->SetAllowAllUp(true);  // spreads through the group
  EXPECT_TRUE(buttons[0]->AllowAllUp());
  host.Click(30, 20);
  EXPECT_EQ(down(), "000");
  buttons[2]->SetDown(true);
  EXPECT_EQ(down(), "001");
  buttons[2]->SetGroupIndex(0);  // leaving the group lets it up
  EXPECT_EQ(down(), "000");
}

TEST(SpeedButton, FlatButtonShowsItsEdgeOnlyUnderThePointer) {
  TestHost host(200, 100);
  TSpeedButton* button = PlaceButton(host, 10, 10);
  button->SetFlat(true);
  host.Show();
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(host.Pixel(10, 10), face);
  host.MouseMove(30, 20);
  EXPECT_TRUE(button->MouseInControl());
  host.ProcessMessages();
  EXPECT_EQ(host.Pixel(10, 10), ColorToRGB(clBtnHighlight));
  host.MouseMove(150, 80);
  host.ProcessMessages();
  EXPECT_EQ(host.Pixel(10, 10), face);
}

TEST(SpeedButton, DisablingWhileHeldDropsThePress) {
  TestHost host(200, 100);
  TSpeedButton* button = PlaceButton(host, 10, 10);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  host.Show();
  host.MouseDown(30, 20);
  button->SetEnabled(false);
  EXPECT_EQ(button->State(), bsDisabled);
  host.MouseUp(30, 20);
  EXPECT_EQ(clicks, 0);
  button->SetEnabled(true);
  EXPECT_EQ(button->State(), bsUp);
}

// A 2-image sheet of 8 x 8 cells on a magenta see-through ground: a black square in the up
// image, a red one in the disabled image.
std::unique_ptr<TBitmap> TwoImageSheet() {
  auto sheet = std::make_unique<TBitmap>(16, 8);
  TCanvas* c = sheet->Canvas();
  c->Brush()->SetColor(clFuchsia);
  c->FillRect(Rect(0, 0, 16, 8));
  c->Brush()->SetColor(clBlack);
  c->FillRect(Rect(2, 2, 6, 6));
  c->Brush()->SetColor(clRed);
  c->FillRect(Rect(10, 2, 14, 6));
  return sheet;
}

TEST(SpeedButton, GlyphImagesFollowTheLookAndLeaveTheGroundSeeThrough) {
  TestHost host(200, 100);
  TSpeedButton* button = PlaceButton(host, 0, 0, 40, 40);
  button->SetGlyph(TwoImageSheet().get());
  EXPECT_EQ(button->NumGlyphs(), 2);
  host.Show();
  // No caption: the 8 x 8 glyph centred at (16, 16).
  EXPECT_EQ(host.Pixel(19, 19), clBlack);
  EXPECT_EQ(host.Pixel(16, 16), ColorToRGB(clBtnFace));  // the magenta ground is not drawn
  button->SetEnabled(false);
  host.ProcessMessages();
  EXPECT_EQ(host.Pixel(19, 19), clRed);
  // With one image (now the whole 16 x 8 sheet, at (12, 16)) the disabled look is embossed
  // from it: the black square's pixels in shadow over a highlight copy one pixel down-right.
  button->SetNumGlyphs(1);
  host.ProcessMessages();
  EXPECT_EQ(host.Pixel(14, 18), ColorToRGB(clBtnShadow));
  EXPECT_EQ(host.Pixel(18, 22), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(host.Pixel(13, 17), ColorToRGB(clBtnFace));
  button->SetGlyph(nullptr);
  host.ProcessMessages();
  EXPECT_EQ(host.Pixel(19, 19), ColorToRGB(clBtnFace));
}

TEST(SpeedButton, FormTextClassRecordAndAnySize) {
  for (const std::string& problem : testing::CheckRegisteredClass("TSpeedButton"))
    ADD_FAILURE() << problem;
  TestHost host;
  TSpeedButton button(nullptr);
  ReadFormInto(button,
               "object B: TSpeedButton\n AllowAllUp = True\n GroupIndex = 3\n Down = True\n"
               " Flat = True\n Layout = blGlyphTop\n Margin = 2\n Spacing = -1\n"
               " Caption = 'Go'\nend\n");
  EXPECT_TRUE(button.Down());
  EXPECT_EQ(button.GroupIndex(), 3);
  EXPECT_EQ(button.Layout(), blGlyphTop);
  EXPECT_EQ(button.Spacing(), -1);
  // The glyph goes through form text as picture bytes and comes back pixel for pixel.
  button.SetName("B");
  button.SetGlyph(TwoImageSheet().get());
  const std::string text = WriteForm(button);
  EXPECT_NE(text.find("Glyph.Data = {"), std::string::npos) << text;
  TSpeedButton copy(nullptr);
  ReadFormInto(copy, text);
  ASSERT_EQ(copy.Glyph()->Width(), 16);
  EXPECT_EQ(copy.NumGlyphs(), 2);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x)
      ASSERT_EQ(copy.Glyph()->ScanLine(y)[x], button.Glyph()->ScanLine(y)[x]);
  EXPECT_THROW(ReadFormInto(copy, "object B: TSpeedButton\n Glyph.Data = {00FF}\nend\n"),
               EFormReadError);
  EXPECT_THROW(ReadFormInto(copy, "object B: TSpeedButton\n Glyph.Data = {0F0}\nend\n"),
               EFormReadError);
  EXPECT_EQ(copy.Glyph()->Width(), 16);  // a bad picture keeps the sheet
  for (const auto& [w, h] : {std::pair{1, 1}, {3, 300}, {2000, 2000}}) {
    TestHost sized(w, h);
    TSpeedButton* b = PlaceButton(sized, 0, 0, w, h);
    b->SetCaption("&Apply");
    b->SetGlyph(TwoImageSheet().get());
    sized.Show();
    sized.MouseDown(w / 2, h / 2);
    sized.ProcessMessages();
    sized.MouseUp(w / 2, h / 2);
  }
}

}  // namespace
}  // namespace fw
