// TOnOffBut: the group rule, the mouse by mode and action, centring, the glyph of each state
// on screen, see-through drawing, every style's sheet, the class record and any size.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "indicators/ZEB_onoffbut.h"

namespace zeb {
namespace {

// A 2 x 2 user sheet of 10 x 10 glyphs, each a solid square of its own colour on a key-colour
// ring: on/enabled red, off/enabled lime, on/disabled blue, off/disabled yellow.
std::unique_ptr<fw::TBitmap> QuadrantSheet() {
  auto sheet = std::make_unique<fw::TBitmap>(20, 20);
  fw::TCanvas* c = sheet->Canvas();
  c->Brush()->SetColor(kOnOffButKeyColor);
  c->FillRect(fw::Rect(0, 0, 20, 20));
  const fw::TColor colours[4] = {fw::clRed, fw::clLime, fw::clBlue, fw::clYellow};
  for (int i = 0; i < 4; ++i) {
    c->Brush()->SetColor(colours[i]);
    c->FillRect(fw::Bounds((i % 2) * 10 + 2, (i / 2) * 10 + 2, 6, 6));
  }
  return sheet;
}

struct Buttons {
  explicit Buttons(int count, int group = 1) : host(120 * count, 60) {
    for (int i = 0; i < count; ++i) {
      auto* b = new TOnOffBut(host.Form());
      b->SetParent(host.Form());
      b->SetBounds(120 * i, 0, 100, 50);
      b->SetButtonStyle(oobsUser);
      b->SetUserGlyph(QuadrantSheet().get());
      b->SetOnOff(false);
      b->SetGroupIndex(group);
      b->OnClick = [this](fw::TObject*) { ++clicks; };
      all.push_back(b);
    }
    host.Show();
  }
  // The centre of button i's glyph.
  void ClickGlyph(int i) { host.Click(120 * i + 50, 25); }
  std::string States() const {
    std::string s;
    for (TOnOffBut* b : all) s += b->OnOff() ? '1' : '0';
    return s;
  }
  fw::TestHost host;
  std::vector<TOnOffBut*> all;
  int clicks = 0;
};

TEST(OnOffBut, GroupKeepsOneOnAndSpreadsAllowAllOff) {
  Buttons b(3);
  b.all[0]->SetAllowAllOff(false);  // spreads to the group
  EXPECT_FALSE(b.all[2]->AllowAllOff());
  b.ClickGlyph(1);
  EXPECT_EQ(b.States(), "010");
  b.ClickGlyph(0);
  EXPECT_EQ(b.States(), "100");
  b.ClickGlyph(0);  // the button that is on stays on
  EXPECT_EQ(b.States(), "100");
  b.all[0]->SetOnOff(false);
  EXPECT_EQ(b.States(), "100");
  EXPECT_EQ(b.clicks, 3);
  b.all[1]->SetAllowAllOff(true);
  EXPECT_TRUE(b.all[0]->AllowAllOff());
  b.ClickGlyph(0);
  EXPECT_EQ(b.States(), "000");
  b.all[2]->SetOnOff(true);
  EXPECT_EQ(b.States(), "001");
}

TEST(OnOffBut, MouseActionAndSpeedModeDecideSwitchingAndClicks) {
  struct Case {
    TOOButMode mode;
    TOOButMouseAction action;
    fw::TPoint down, up;
    bool onWhileHeld, onAfter;
    int clicks;
  };
  const fw::TPoint glyph{50, 25}, corner{3, 3};
  const std::vector<Case> cases{
      {oobmNormalBut, oomaFocused, glyph, glyph, true, true, 1},
      {oobmNormalBut, oomaFocused, corner, corner, false, false, 0},
      {oobmNormalBut, oomaPlain, corner, corner, true, true, 1},
      {oobmNormalBut, oomaNone, glyph, glyph, false, false, 0},
      {oobmSpeedBut, oomaFocused, glyph, glyph, true, false, 1},
      {oobmSpeedBut, oomaFocused, glyph, corner, true, true, 0},  // released off the glyph
  };
  for (const Case& c : cases) {
    Buttons b(1, 0);
    b.all[0]->SetMode(c.mode);
    b.all[0]->SetMouseAction(c.action);
    b.host.MouseDown(c.down.X, c.down.Y);
    EXPECT_EQ(b.all[0]->OnOff(), c.onWhileHeld) << c.mode << c.action;
    b.host.MouseUp(c.up.X, c.up.Y);
    EXPECT_EQ(b.all[0]->OnOff(), c.onAfter) << c.mode << c.action;
    EXPECT_EQ(b.clicks, c.clicks) << c.mode << c.action;
  }
}

TEST(OnOffBut, SpacesCentreOrFollowTheirLimits) {
  Buttons b(1, 0);
  TOnOffBut* button = b.all[0];
  EXPECT_EQ(button->LeftSpace(), 45);  // (100 - 10) / 2
  EXPECT_EQ(button->TopSpace(), 20);
  button->SetLeftSpace(7);  // centred instead
  EXPECT_EQ(button->LeftSpace(), 45);
  button->SetAutoCenter(false);
  button->SetLeftSpace(-1);
  EXPECT_EQ(button->LeftSpace(), 45);
  button->SetLeftSpace(500);
  EXPECT_EQ(button->LeftSpace(), 100);
  button->SetTopSpace(3);
  EXPECT_EQ(button->TopSpace(), 3);
  // An application's OnResize does not end the centring.
  button->SetAutoCenter(true);
  int resized = 0;
  button->OnResize = [&](fw::TObject*) { ++resized; };
  button->SetBounds(0, 0, 60, 30);
  EXPECT_EQ(resized, 1);
  EXPECT_EQ(button->LeftSpace(), 25);
  EXPECT_EQ(button->TopSpace(), 10);
}

TEST(OnOffBut, ShowsTheGlyphOfEachStateOnItsBackground) {
  Buttons b(1, 0);
  TOnOffBut* button = b.all[0];
  button->SetColorBackgnd(fw::clAqua);
  struct Case {
    bool on, enabled;
    fw::TColor centre;
  };
  for (const Case& c : {Case{true, true, fw::clRed}, Case{false, true, fw::clLime},
                        Case{true, false, fw::clBlue}, Case{false, false, fw::clYellow}}) {
    button->SetOnOff(c.on);
    button->SetEnabled(c.enabled);
    b.host.ProcessMessages();
    // Glyph at (46, 21): its square covers 48..53 x 23..28; the key ring shows the background.
    EXPECT_EQ(b.host.Pixel(50, 25), c.centre) << c.on << c.enabled;
    EXPECT_EQ(b.host.Pixel(47, 22), fw::clAqua) << c.on << c.enabled;
  }
}

TEST(OnOffBut, SeeThroughShowsTheParentAroundGlyphCaptionAndFrame) {
  Buttons b(1, 0);
  TOnOffBut* button = b.all[0];
  b.host.Form()->SetColor(fw::clMaroon);
  button->SetOnOff(true);
  button->SetTransparent(true);
  button->SetFrameStyle(fstPlain);
  b.host.ProcessMessages();
  EXPECT_EQ(b.host.Pixel(50, 25), fw::clRed);     // glyph
  EXPECT_EQ(b.host.Pixel(47, 22), fw::clMaroon);  // key ring: the parent
  EXPECT_EQ(b.host.Pixel(20, 40), fw::clMaroon);  // background: the parent
  EXPECT_EQ(b.host.Pixel(0, 10), fw::clBlack);    // the plain frame's outline
}

TEST(OnOffBut, EveryStyleLoadsItsSheet) {
  fw::TestHost host;
  TOnOffBut button(nullptr);
  const std::vector<std::pair<TOnOffButStyle, fw::TPoint>> sizes{
      {oobsCheckbox, {16, 16}},       {oobsRadioBut, {14, 14}},     {oobsSlideTB, {18, 30}},
      {oobsSlideLR, {30, 18}},        {oobsColSlideTB, {18, 30}},   {oobsColSlideLR, {30, 18}},
      {oobsLedRedGreen, {14, 14}},    {oobsArrowTopRgt, {25, 25}},  {oobsArrowUpDown, {25, 25}},
      {oobsArrowLeftRight, {25, 25}}, {oobsTrafficLPed, {31, 31}},  {oobsBeveledLed, {17, 17}},
      {oobsSmileyYellow, {18, 18}},   {oobsSmileyRedGrn, {18, 18}}, {oobsBulb, {39, 49}},
      {oobsButLamp, {49, 24}},        {oobsHDLeft, {48, 16}},       {oobsHDRight, {48, 16}},
      {oobsUser1, {24, 24}},          {oobsUser5, {24, 24}},        {oobsUser, {20, 20}},
  };
  for (const auto& [style, size] : sizes) {
    button.SetButtonStyle(style);
    EXPECT_EQ(button.GlyphWidth(), size.X) << kOnOffButStyleNames[style];
    EXPECT_EQ(button.GlyphHeight(), size.Y) << kOnOffButStyleNames[style];
    EXPECT_EQ(button.Glyph(true, false)->Width(), size.X) << kOnOffButStyleNames[style];
  }
}

TEST(OnOffBut, FormTextClassRecordAssignAndAnySize) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TOnOffBut"))
    ADD_FAILURE() << problem;
  fw::TestHost host;
  TOnOffBut button(nullptr);
  fw::ReadFormInto(button,
                   "object B: TOnOffBut\n ButtonStyle = oobsBulb\n GroupIndex = 2\n"
                   " AllowAllOff = False\n OnOff = False\n AutoCenter = False\n LeftSpace = 4\n"
                   " RightText = 'Pump'\nend\n");
  EXPECT_EQ(button.ButtonStyle(), oobsBulb);
  EXPECT_EQ(button.GroupIndex(), 2);
  EXPECT_TRUE(button.OnOff());  // a group without all-off refuses off
  EXPECT_EQ(button.LeftSpace(), 4);
  EXPECT_EQ(button.RightText(), "Pump");
  TOnOffBut copy(nullptr);
  copy.Assign(&button);
  EXPECT_EQ(copy.ButtonStyle(), oobsBulb);
  EXPECT_EQ(copy.GlyphWidth(), 39);
  EXPECT_EQ(copy.LeftSpace(), 4);
  for (const auto& [w, h] : {std::pair{1, 1}, {3, 200}, {2000, 2000}}) {
    fw::TestHost sized(w, h);
    auto* b = new TOnOffBut(sized.Form());
    b->SetParent(sized.Form());
    b->SetBounds(0, 0, w, h);
    b->SetLeftText("Left");
    b->SetBottomText("Bottom");
    b->SetButtonStyle(oobsBulb);
    b->SetAutoCenter(false);
    b->SetLeftSpace(std::max(0, w - 20));  // the glyph hangs over the right edge
    b->SetTransparent(true);
    sized.Show();
    sized.ProcessMessages();
  }
}

}  // namespace
}  // namespace zeb
