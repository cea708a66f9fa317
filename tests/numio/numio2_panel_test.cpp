// The input panel as a whole: initial values and setter limits, value and format changes,
// the caret timer (blinking while focused, costless without focus, refused at construction
// without a leaked window), painting at the pixel and at any size, Assign and form text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <utility>

#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/controls/timers.h"
#include "numio/ZEB_NumIO.h"
#include "tests/numio/numio2_fixture.h"

namespace zeb {
namespace {

using numio_test::PanelFixture;

TEST(Panel, InitialValuesAndSetterLimits) {
  fw::TestHost host;
  TNumIO2 p(nullptr);
  EXPECT_EQ(p.Width(), 160);
  EXPECT_EQ(p.Height(), 28);
  EXPECT_EQ(p.ButHeight(), 28);
  EXPECT_EQ(p.Text(), "");
  EXPECT_DOUBLE_EQ(p.Value(), 0);
  EXPECT_EQ(p.InputFormat(), itFloat);
  EXPECT_EQ(p.DecPlaceSep(), dpBoth);
  EXPECT_EQ(p.ColorWarnBG(), 0x6088FFF0u);
  const struct {
    const char* name;
    void (*set)(TNumIO2&);
    int (*get)(const TNumIO2&);
    int expected;
  } cases[] = {
      {"ButWidth 60", [](TNumIO2& q) { q.SetButWidth(60); },
       [](const TNumIO2& q) { return q.ButWidth(); }, 50},
      {"ButWidth 2", [](TNumIO2& q) { q.SetButWidth(2); },
       [](const TNumIO2& q) { return q.ButWidth(); }, 8},
      {"GaugeHeight 1", [](TNumIO2& q) { q.SetGaugeHeight(1); },
       [](const TNumIO2& q) { return q.GaugeHeight(); }, 3},
      {"GaugeHeight 99", [](TNumIO2& q) { q.SetGaugeHeight(99); },
       [](const TNumIO2& q) { return q.GaugeHeight(); }, 7},
      {"ButSpace -1", [](TNumIO2& q) { q.SetButSpace(-1); },
       [](const TNumIO2& q) { return q.ButSpace(); }, 0},
      {"FreezeBoxSize 40", [](TNumIO2& q) { q.SetFreezeBoxSize(40); },
       [](const TNumIO2& q) { return q.FreezeBoxSize(); }, 25},
      {"FreezeBoxTop", [](TNumIO2& q) { q.SetFreezeBoxSize(12); },
       [](const TNumIO2& q) { return q.FreezeBoxTop(); }, 2},
      {"LeftSpace -5", [](TNumIO2& q) { q.SetLeftSpace(-5); },
       [](const TNumIO2& q) { return q.LeftSpace(); }, 35},
      {"LeftSpace 999", [](TNumIO2& q) { q.SetLeftSpace(999); },
       [](const TNumIO2& q) { return q.LeftSpace(); }, 160},
      {"Height 5", [](TNumIO2& q) { q.SetHeight(5); }, [](const TNumIO2& q) { return q.Height(); },
       18},
      {"ButHeight follows", [](TNumIO2& q) { q.SetHeight(20); },
       [](const TNumIO2& q) { return q.ButHeight(); }, 20},
      {"FixPointDecPlaces 0", [](TNumIO2& q) { q.SetFixPointDecPlaces(0); },
       [](const TNumIO2& q) { return q.FixPointDecPlaces(); }, 2},
      {"SignificantDigits 99", [](TNumIO2& q) { q.SetSignificantDigits(99); },
       [](const TNumIO2& q) { return q.SignificantDigits(); }, 15},
  };
  for (const auto& c : cases) {
    TNumIO2 q(nullptr);
    c.set(q);
    EXPECT_EQ(c.get(q), c.expected) << c.name;
  }
}

TEST(Panel, ValueTextFollowsFormatPlacesAndSeparator) {
  fw::TestHost host;
  TNumIO2 p(nullptr);
  p.SetNioValue(3);
  EXPECT_EQ(p.Text(), "3.00");
  p.SetFixPointDecPlaces(3);
  EXPECT_EQ(p.Text(), "3.000");
  p.SetInputFormat(itHex);
  EXPECT_EQ(p.Text(), "00000003");
  p.SetInputFormat(itExp);
  EXPECT_EQ(p.Text(), " 3.00000E+00");
  p.SetText("1,5");
  p.SetDecSep(dpPoint);
  EXPECT_EQ(p.Text(), "1.5");
  p.SetText("x1");  // refused
  EXPECT_EQ(p.Text(), "1.5");
  EXPECT_THROW(p.SetNioValue(NAN), EZEBNumIO2Error);
  EXPECT_THROW(p.SetRangeHigh(INFINITY), EZEBNumIO2Error);
  p.SetInputFormat(itFloat);
  p.SetNioValue(2147483647.5);
  p.SetName("Speed");
  try {
    (void)p.GetNioIntValue();
    ADD_FAILURE() << "no overflow reported";
  } catch (const EZEBNumIO2Error& e) {
    EXPECT_STREQ(e.what(), "Component \"Speed\": integer overflow");
  }
  p.SetRangeLow(2000);
  EXPECT_DOUBLE_EQ(p.RangeHigh(), 2000);
  p.SetRangeHigh(-1);
  EXPECT_DOUBLE_EQ(p.RangeLow(), -1);
}

TEST(PanelCaret, BlinksWhileFocusedAndStopsWithoutFocus) {
  PanelFixture f;
  EXPECT_TRUE(f.panel->CaretOn());
  f.host.AdvanceTime(500);
  EXPECT_FALSE(f.panel->CaretOn());
  f.host.AdvanceTime(500);
  EXPECT_TRUE(f.panel->CaretOn());
  auto* other = new TNumIO2(f.host.Form());
  other->SetParent(f.host.Form());
  other->SetBounds(0, 40, 250, 30);
  const int running = fw::timer_detail::RunningTimerCount();
  other->SetFocus();
  EXPECT_FALSE(f.panel->CaretOn());
  EXPECT_EQ(fw::timer_detail::RunningTimerCount(), running - 1);  // only the focused one blinks
  f.panel->SetFocus();
  f.panel->SetReadOnly(true);
  EXPECT_FALSE(f.panel->CaretOn());
  f.host.AdvanceTime(2000);
  EXPECT_FALSE(f.panel->CaretOn());
}

TEST(PanelCaret, ARefusedTimerRaisesAndReleasesTheHiddenWindow) {
  fw::TestHost host;
  host.RefuseTimers(true);
  const fw::HWND before = fw::AllocateHWnd({});
  fw::DeallocateHWnd(before);
  try {
    TNumIO2 p(nullptr);
    ADD_FAILURE() << "no error raised";
  } catch (const EZEBNumIO2Error& e) {
    EXPECT_STREQ(e.what(), "Component \"\": no timer available");
  }
  // Handles are handed out in steps of 4 and never reused: the panel had the next one.
  const auto key = [](fw::HWND h) { return reinterpret_cast<uintptr_t>(h); };
  const fw::HWND after = fw::AllocateHWnd({});
  EXPECT_EQ(key(after), key(before) + 8);
  EXPECT_FALSE(fw::IsWindow(reinterpret_cast<fw::HWND>(key(before) + 4)));
  fw::DeallocateHWnd(after);
}

// Pixels the panel's drawing gives: the text box colour in and out of range, the gauge's
// filled part, the spin buttons' frame and the freeze box's check mark.
TEST(PanelPaint, BoxGaugeButtonsAndFreezeBoxAtThePixel) {
  PanelFixture f;
  f.panel->SetGaugeVisible(true);
  f.panel->SetButVisible(true);
  f.panel->SetFreezeBoxVisible(true);
  f.panel->SetNioValue(500);
  EXPECT_EQ(f.host.Pixel(40, 5), fw::clWhite);      // inside the box
  EXPECT_EQ(f.host.Pixel(60, 25), 0x800000u);       // gauge half filled
  EXPECT_EQ(f.host.Pixel(35 + 70, 25), 0xC0C0C0u);  // its empty part
  EXPECT_EQ(f.host.Pixel(118, 0), 0x808080u);       // button frame
  f.panel->SetNioValue(1500);
  EXPECT_EQ(f.host.Pixel(40, 5), 0x88FFF0u);  // warning background
  f.panel->SetFreezeBoxChecked(true);
  EXPECT_EQ(f.host.Pixel(40, 5), 0xC0C0C0u);  // frozen
  const int xf = 35 + 21 + 80 + 30 + 8, cy = f.panel->FreezeBoxTop() + 8;
  EXPECT_EQ(f.host.Pixel(xf + 8 - 2, cy + 3), fw::clBlack);  // the check mark's corner
}

TEST(PanelPaint, TheCaretLineShowsOnlyInItsPhaseWhileFocused) {
  PanelFixture f;
  f.panel->SetAlignment(fw::taLeftJustify);
  const int x = f.panel->CharPosToXCoords(0) - 1;  // LeftSpace + 3 for an empty text
  EXPECT_EQ(x, 38);
  EXPECT_EQ(f.host.Pixel(x, 10), fw::clBlack);
  f.host.AdvanceTime(500);
  EXPECT_EQ(f.host.Pixel(x, 10), fw::clWhite);
}

TEST(PanelPaint, AnySizeAndAnyFontPaintsWithoutFault) {
  for (const auto& [w, h] : {std::pair{1, 1}, {5, 18}, {250, 30}, {2000, 2000}}) {
    fw::TestHost sized(std::max(w, 1), std::max(h, 18));
    auto* p = new TNumIO2(sized.Form());
    p->SetParent(sized.Form());
    p->SetBounds(0, 0, w, h);
    p->SetLeftText("Speed");
    p->SetRightText("km/h");
    p->SetButVisible(true);
    p->SetGaugeVisible(true);
    p->SetFreezeBoxVisible(true);
    p->SetAutoSize(w == 250);
    p->SetText("123.45");
    p->SetSelBegin(1);
    p->SetSelEnd(4);
    sized.Show();
    p->SetFocus();
    sized.ProcessMessages();
    // A font so small its text is narrower in pixels than in characters: the mean character
    // width is 0 pixels, and x to position must not divide by it.
    p->Font()->SetHeight(-1);
    fw::TBitmap probe(1, 1);
    probe.Canvas()->SetFont(p->Font());
    EXPECT_LT(probe.Canvas()->TextWidth(p->Text()), static_cast<int>(p->Text().size()));
    for (int x = -5; x < w + 5; x += std::max(1, w / 50)) p->XCoordsToCharPos(x);
    sized.ProcessMessages();
  }
}

TEST(Panel, AssignCopiesTheSettingsAndFormTextReadsThem) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TNumIO2"))
    ADD_FAILURE() << problem;
  fw::TestHost host;
  TNumIO2 p(nullptr);
  fw::ReadFormInto(p,
                   "object N: TNumIO2\n InputFormat = itFixPoint\n FixPointDecPlaces = 3\n"
                   " RangeLow = -5\n RangeHigh = 5\n Text = '1.250'\n LeftText = 'Gain'\n"
                   " FreezeBoxChecked = True\n ButVisible = True\nend\n");
  EXPECT_EQ(p.InputFormat(), itFixPoint);
  EXPECT_DOUBLE_EQ(p.Value(), 1.25);
  EXPECT_DOUBLE_EQ(p.RangeLow(), -5);
  EXPECT_EQ(p.LeftText(), "Gain");
  EXPECT_TRUE(p.ReadOnly());
  TNumIO2 copy(nullptr);
  copy.Assign(&p);
  EXPECT_EQ(copy.Text(), "1.250");
  EXPECT_EQ(copy.FixPointDecPlaces(), 3);
  EXPECT_DOUBLE_EQ(copy.RangeHigh(), 5);
  EXPECT_TRUE(copy.FreezeBoxChecked());
  EXPECT_TRUE(copy.ReadOnly());
  EXPECT_FALSE(copy.ButVisible());  // the spin buttons are not copied
}

}  // namespace
}  // namespace zeb
