// TProgBar: bar length and gradient mapping at the pixel in every direction, the grid, the
// frames, the initial look, value text and its place, clamps, the auto-increment timer on the
// virtual clock, the background picture, copying, form text, bad input and any size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/controls/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/gdi.h"
#include "indicators/ZEB_ProgBar.h"
#include "tests/indicators/shown_control.h"

namespace zeb {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr fw::TColor kGray = 0x808080, kWhite = 0xFFFFFF, kBlack = 0, kOlive = 0x008080;

// Any exception that reaches the application's handler (a paint or a tick that threw) fails
// the test, unless the test collects them itself.
struct ExceptionLog {
  ExceptionLog() {
    fw::Application->OnException = [this](fw::TObject*, const std::exception& e) {
      messages.push_back(e.what());
    };
  }
  ~ExceptionLog() { fw::Application->OnException = nullptr; }
  std::vector<std::string> messages;
};

// A shown bar of w x h without its value text, every table entry a colour of its own.
struct ShownBar : test::ShownControl<TProgBar> {
  explicit ShownBar(int w = 300, int h = 28) : ShownControl(w, h), bar(control) {
    bar->SetName("Bar");
    bar->SetShowValue(false);
  }
  void NumberTheTable() {
    for (int i = 0; i < kBarColorCount; ++i) bar->SetBarColorElem(i, EntryColor(i));
  }
  static fw::TColor EntryColor(int i) { return fw::RGB(i % 256, i / 256, 0x55); }
  TProgBar* bar;
};

TEST(ProgBarGeometry, BarLengthIsTheClampedFractionOfTheInnerLength) {
  struct Case {
    double value, min, max;
    int length, lines;
  };
  const std::vector<Case> cases{
      {10, 0, 100, 292, 29},   {0, 0, 100, 292, 0},     {50, 0, 100, 292, 146},
      {100, 0, 100, 292, 292}, {150, 0, 100, 292, 292}, {-5, 0, 100, 292, 0},
      {90, 100, 0, 292, 29},   {1e300, 0, 1, 292, 292}, {5, 5, 5, 292, 0},
      {6, 5, 5, 292, 0},       {kNaN, 0, 100, 292, 0},  {kInf, 0, 100, 292, 292},
      {-kInf, 0, 100, 292, 0}, {5, 0, kInf, 292, 0},    {5, -kInf, kInf, 292, 0},
      {50, 0, 100, 0, 0},      {50, 0, 100, -7, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BarLength(c.value, c.min, c.max, c.length), c.lines)
        << c.value << " in " << c.min << ".." << c.max;
}

TEST(ProgBarGeometry, GradientIndexFollowsTheMapping) {
  struct Case {
    TColorMapping mode;
    int e, n, length, index;
  };
  const std::vector<Case> cases{
      {cgmCover, 0, 146, 292, 0},        {cgmCover, 145, 146, 292, 508},
      {cgmStretch, 145, 146, 292, 1016}, {cgmMove, 0, 146, 292, 515},
      {cgmMove, 145, 146, 292, 1023},    {cgmCover, 291, 292, 292, 1019},
      {cgmStretch, 0, 1, 292, 0},        {cgmMove, 0, 1, 292, 1023},
      {cgmMove, 0, 0, 292, 0},           {cgmCover, 5, 10, 0, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(GradientIndex(c.mode, c.e, c.n, c.length), c.index)
        << c.mode << " line " << c.e << " of " << c.n << "/" << c.length;
}

TEST(ProgBar, GradientEndsShowTheirTableEntriesInEachMapping) {
  ShownBar s;
  s.NumberTheTable();
  s.bar->SetFrameStyleInner(fstNone);
  s.bar->SetShowColorGradient(true);
  const fw::TColor background = fw::ColorToRGB(fw::clSilver);
  struct Case {
    TColorMapping mode;
    double value;
    int first, last;  // table entries on the bar's first and last line; -1: no bar
    int lastX;
  };
  // Inner area x 4..295 (292 lines): 50 gives 146 lines, 100 and beyond all 292.
  const std::vector<Case> cases{
      {cgmCover, 0, -1, -1, 4},        {cgmCover, 50, 0, 508, 149},
      {cgmCover, 100, 0, 1019, 295},   {cgmStretch, 50, 0, 1016, 149},
      {cgmStretch, 100, 0, 1019, 295}, {cgmMove, 50, 515, 1023, 149},
      {cgmMove, 100, 4, 1023, 295},    {cgmMove, 1e9, 4, 1023, 295},
  };
  for (const Case& c : cases) {
    s.bar->SetColorMapMode(c.mode);
    s.bar->SetValue(c.value);
    const auto expected = [&](int entry) {
      return entry < 0 ? background : ShownBar::EntryColor(entry);
    };
    EXPECT_EQ(s.host.Pixel(4, 14), expected(c.first)) << c.mode << " " << c.value;
    EXPECT_EQ(s.host.Pixel(c.lastX, 14), expected(c.last)) << c.mode << " " << c.value;
    if (c.lastX < 295) {
      EXPECT_EQ(s.host.Pixel(c.lastX + 1, 14), background) << c.value;
    }
    EXPECT_EQ(s.host.Pixel(296, 14), background) << "the bar stays inside, " << c.value;
  }
}

TEST(ProgBar, EachDirectionGrowsFromItsOwnEdge) {
  ShownBar s;
  s.NumberTheTable();
  s.bar->SetFrameStyleInner(fstNone);
  s.bar->SetShowColorGradient(true);
  s.bar->SetValue(50);
  const fw::TColor background = fw::ColorToRGB(fw::clSilver);
  struct Case {
    TDirection direction;
    fw::TPoint first, last, past;
    int lastEntry;
  };
  // Across: 146 of 292 columns, stretched: the last line shows entry 1016. Upright: 10 of 20
  // rows, the last line Round(9 * 1023 / 10) = 921.
  const std::vector<Case> cases{
      {dirRight, {4, 14}, {149, 14}, {150, 14}, 1016},
      {dirLeft, {295, 14}, {150, 14}, {149, 14}, 1016},
      {dirUp, {150, 23}, {150, 14}, {150, 13}, 921},
      {dirDown, {150, 4}, {150, 13}, {150, 14}, 921},
  };
  for (const Case& c : cases) {
    s.bar->SetDirection(c.direction);
    EXPECT_EQ(s.host.Pixel(c.first.X, c.first.Y), ShownBar::EntryColor(0)) << c.direction;
    EXPECT_EQ(s.host.Pixel(c.last.X, c.last.Y), ShownBar::EntryColor(c.lastEntry)) << c.direction;
    EXPECT_EQ(s.host.Pixel(c.past.X, c.past.Y), background) << c.direction;
  }
  // One colour: the whole bar in entry 0.
  s.bar->SetShowColorGradient(false);
  EXPECT_EQ(s.host.Pixel(150, 13), ShownBar::EntryColor(0));
  EXPECT_EQ(s.host.Pixel(150, 14), background);
}

TEST(ProgBar, GridLinesMarkTheBarFromItsStart) {
  ShownBar s;
  s.bar->SetFrameStyleInner(fstNone);
  s.bar->SetColorGrid(fw::clLime);
  s.bar->SetGridDist(10);
  s.bar->SetValue(51.37);  // 150 columns: lines at 0, 10 .. 150, the last just past the bar
  const fw::TColor blue = fw::clBlue, lime = fw::clLime, silver = fw::ColorToRGB(fw::clSilver);
  for (const auto& [x, color] : {std::pair{4, lime},
                                 {5, blue},
                                 {14, lime},
                                 {144, lime},
                                 {153, blue},
                                 {154, lime},
                                 {155, silver},
                                 {164, silver}})
    EXPECT_EQ(s.host.Pixel(x, 14), color) << x;
  s.bar->SetGridDist(1);  // no grid
  EXPECT_EQ(s.host.Pixel(14, 14), blue);
  // A full bar: the line after its end would lie in the margin and is left out.
  s.bar->SetColorMargin(kOlive);
  s.bar->SetValue(100);
  s.bar->SetGridDist(4);
  EXPECT_EQ(s.host.Pixel(292, 14), lime);
  EXPECT_EQ(s.host.Pixel(296, 14), kOlive);
  // Upwards, 5 apart: 10 rows from row 23 up, lines on bar rows only.
  s.bar->SetDirection(dirUp);
  s.bar->SetValue(50);
  s.bar->SetGridDist(5);
  for (const auto& [y, color] :
       {std::pair{23, lime}, {22, blue}, {18, lime}, {14, blue}, {13, silver}, {8, silver}})
    EXPECT_EQ(s.host.Pixel(150, y), color) << y;
}

TEST(ProgBar, FramesDrawTheirRingsAndLeaveTwoCornersInTheMarginColour) {
  ShownBar s;
  s.bar->SetFrameStyleInner(fstNone);
  s.bar->SetColorMargin(kOlive);
  const fw::TColor S = kGray, L = kWhite, D = kBlack, M = kOlive;
  const int r = 299, b = 27;
  // Pixels: outer top-left, row 0, inner top-left, row 1, outer bottom-right, bottom row,
  // inner bottom-right, row b-1, the corners (0, b) and (r, 0), inner corners (r-1, 1) and
  // (1, b-1).
  const std::vector<fw::TPoint> at{{0, 0}, {10, 0}, {1, 1},         {10, 1},
                                   {r, b}, {10, b}, {r - 1, b - 1}, {10, b - 1},
                                   {0, b}, {r, 0},  {r - 1, 1},     {1, b - 1}};
  struct Case {
    TFrameStyle style;
    std::vector<fw::TColor> colors;
  };
  const std::vector<Case> cases{
      {fstNone, {M, M, M, M, M, M, M, M, M, M, M, M}},
      {fstPlain, {S, S, M, M, S, S, M, M, S, S, M, M}},
      {fstSunken, {S, S, D, D, L, L, S, S, M, M, S, S}},
      {fstRaised, {S, S, L, L, D, D, S, S, M, M, S, S}},
      {fstEmbossed, {L, L, S, S, S, S, L, L, M, M, L, L}},
      {fstEngraved, {S, S, L, L, L, L, S, S, M, M, S, S}},
  };
  for (const Case& c : cases) {
    s.bar->SetFrameStyleOuter(c.style);
    for (size_t i = 0; i < at.size(); ++i)
      EXPECT_EQ(s.host.Pixel(at[i].X, at[i].Y), c.colors[i])
          << "style " << int(c.style) << " at " << at[i].X << "," << at[i].Y;
  }
  // The inner frame's corner pixel lies over the bar and still takes the margin colour; the
  // system scheme draws the shadow in clBtnShadow.
  s.bar->SetFrameStyleInner(fstSunken);
  s.bar->SetColorScheme(schSystem);
  EXPECT_EQ(s.host.Pixel(4, 23), M);
  EXPECT_EQ(s.host.Pixel(10, 4), fw::ColorToRGB(fw::clBtnShadow));
  EXPECT_EQ(s.host.Pixel(10, 5), D);
}

// The box around the pixels that differ between two snapshots.
fw::TRect Difference(fw::TBitmap& a, fw::TBitmap& b) {
  fw::TRect box{a.Width(), a.Height(), -1, -1};
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.Canvas()->Pixels(x, y) != b.Canvas()->Pixels(x, y)) {
        box.Left = std::min(box.Left, x);
        box.Top = std::min(box.Top, y);
        box.Right = std::max(box.Right, x + 1);
        box.Bottom = std::max(box.Bottom, y + 1);
      }
  return box;
}

TEST(ProgBar, InitialLookIsATenPercentBlueBarWithTheValueCentredOnItsAnchor) {
  test::ShownControl<TProgBar> s(300, 28);
  TProgBar* bar = s.control;
  EXPECT_EQ(bar->ShownValueText(), "10");
  // 29 of 292 columns from x 4: the inner frame covers columns 4 and 5.
  EXPECT_EQ(s.host.Pixel(32, 20), fw::clBlue);
  EXPECT_EQ(s.host.Pixel(33, 20), fw::ColorToRGB(fw::clSilver));
  const auto with = s.host.Snapshot();
  bar->SetShowValue(false);
  const fw::TRect text = Difference(*with, *s.host.Snapshot());
  EXPECT_NEAR((text.Left + text.Right) / 2.0, 14, 2);
  EXPECT_NEAR((text.Top + text.Bottom) / 2.0, 14, 3);
  // Placed by its start, the text begins at the anchor; turned by 90 degrees it stands.
  bar->SetShowValue(true);
  bar->SetTextPosX(100);
  bar->SetTextAlignment(fw::taLeftJustify);
  const auto left = s.host.Snapshot();
  bar->SetShowValue(false);
  EXPECT_NEAR(Difference(*left, *s.host.Snapshot()).Left, 100, 2);
  bar->SetShowValue(true);
  bar->SetTextAngle(90);
  bar->SetTextAlignment(fw::taCenter);
  const auto turned = s.host.Snapshot();
  bar->SetShowValue(false);
  const fw::TRect standing = Difference(*turned, *s.host.Snapshot());
  EXPECT_GT(standing.Height(), standing.Width());
  EXPECT_NEAR((standing.Top + standing.Bottom) / 2.0, 14, 3);
  // The turned font made for each paint is released again.
  bar->SetShowValue(true);
  s.host.ProcessMessages();
  const int fonts = fw::FontHandleCount();
  for (int value = 0; value < 20; ++value) bar->SetValue(value);
  EXPECT_EQ(fw::FontHandleCount(), fonts);
}

TEST(ProgBar, ValueTextFollowsTheDecimalPlaces) {
  struct Case {
    double value;
    int places;
    std::string text;
  };
  const std::vector<Case> cases{
      {10, 0, "10"},          {1.5, 0, "2"},
      {-0.25, 1, "-0.3"},     {3.14159, 3, "3.142"},
      {-0.001, 2, "0.00"},    {1234567.5, 10, "1234567.5000000000"},
      {10, -1, " 1.0E+01"},   {-0.05, -1, "-5.0E-02"},
      {0, -1, " 0.0E+00"},    {1e123, -1, "**********"},
      {10, -2, " 1.0E+0001"}, {1e123, -2, " 1.0E+0123"},
      {kNaN, 0, "Nan"},       {kInf, -1, "+Inf"},
      {-kInf, 2, "-Inf"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ProgBarValueText(c.value, c.places), c.text) << c.value << ":" << c.places;
  // The handler has the last word.
  TProgBar bar(nullptr);
  bar.SetTextDecPlaces(1);
  bar.OnShowValue = [](fw::TObject*, std::string& text) { text += " %"; };
  EXPECT_EQ(bar.ShownValueText(), "10.0 %");
}

TEST(ProgBar, SettersClampOrIgnoreAsTheirRulesSay) {
  TProgBar bar(nullptr);
  using Set = std::function<void(int)>;
  using Get = std::function<double()>;
  struct Case {
    const char* name;
    Set set;
    Get get;
    int value;
    double kept;
  };
  const std::vector<Case> cases{
      {"TextDecPlaces", [&](int v) { bar.SetTextDecPlaces(v); },
       [&] { return bar.TextDecPlaces(); }, 20, 10},
      {"TextDecPlaces", [&](int v) { bar.SetTextDecPlaces(v); },
       [&] { return bar.TextDecPlaces(); }, -5, -2},
      {"TextAngle", [&](int v) { bar.SetTextAngle(v); }, [&] { return bar.TextAngle(); }, 400, 360},
      {"TextAngle", [&](int v) { bar.SetTextAngle(v); }, [&] { return bar.TextAngle(); }, -1, 0},
      {"StartInterval", [&](int v) { bar.SetStartIv(v); }, [&] { return bar.StartInterval(); }, 3,
       10},
      {"RepeatInterval", [&](int v) { bar.SetRepeatIv(v); }, [&] { return bar.RepeatInterval(); },
       -4, 10},
      {"TextPosX", [&](int v) { bar.SetTextPosX(v); }, [&] { return bar.TextPosX(); }, 500, 300},
      {"TextPosY", [&](int v) { bar.SetTextPosY(v); }, [&] { return bar.TextPosY(); }, -3, 0},
      {"MarginLeft", [&](int v) { bar.SetMarginLeft(v); }, [&] { return bar.MarginLeft(); }, -9, 0},
      {"AutoIncStep", [&](int v) { bar.SetAutoIncStep(v); }, [&] { return bar.AutoIncStep(); }, 0,
       1},
  };
  for (const Case& c : cases) {
    c.set(c.value);
    EXPECT_EQ(c.get(), c.kept) << c.name << " " << c.value;
  }
  bar.SetRange(80, -20);
  EXPECT_EQ(bar.Min(), -20);
  EXPECT_EQ(bar.Max(), 80);
}

TEST(ProgBar, ColourTableBlendsBetweenItsEndsAndRefusesBadIndices) {
  TProgBar bar(nullptr);
  bar.SetName("Bar");
  EXPECT_EQ(bar.GetBarColorElem(0), fw::clBlue);
  EXPECT_EQ(bar.GetBarColorElem(1023), fw::clRed);
  EXPECT_EQ(bar.GetBarColorElem(512), fw::RGB(127, 0, 127));  // Trunc(255 * 512 / 1023)
  bar.SetColorMin(fw::RGB(0, 100, 0));
  bar.SetColorMax(fw::RGB(0, 200, 0));
  EXPECT_EQ(bar.GetBarColorElem(1), fw::RGB(0, 100, 0));  // 100 + 100 / 1023 truncated
  EXPECT_EQ(bar.GetBarColorElem(1022), fw::RGB(0, 199, 0));
  bar.SetBarColorElem(7, fw::clYellow);
  EXPECT_EQ(bar.GetBarColorElem(7), fw::clYellow);
  for (int index : {-1, 1024, std::numeric_limits<int>::min()}) {
    EXPECT_THROW(bar.SetBarColorElem(index, fw::clRed), EZEBProgBar) << index;
    EXPECT_THROW(bar.GetBarColorElem(index), EZEBProgBar) << index;
  }
  try {
    bar.GetBarColorElem(1024);
  } catch (const EZEBProgBar& e) {
    EXPECT_EQ(std::string(e.what()), "Component \"Bar\": colour table index 1024 outside 0..1023");
  }
}

TEST(ProgBarAutoInc, FirstStepAfterStartIntervalThenEveryRepeatInterval) {
  ShownBar s;
  ExceptionLog exceptions;
  std::vector<int64_t> ticks;
  s.bar->SetStartIv(300);
  s.bar->SetRepeatIv(100);
  s.bar->SetAutoIncStep(10);
  s.bar->SetAutoInc(true);
  s.bar->OnAutoInc = [&](fw::TObject*) { ticks.push_back(s.host.Milliseconds()); };
  // Assigning OnAutoInc above switched to the repeat interval already: ticks every 100 ms.
  s.host.AdvanceTime(250);
  EXPECT_EQ(ticks, (std::vector<int64_t>{100, 200}));
  s.bar->SetStartIv(300);  // unchanged: no restart
  s.bar->SetStartIv(400);  // a new first delay, then the repeat interval again
  s.host.AdvanceTime(400);
  EXPECT_EQ(ticks, (std::vector<int64_t>{100, 200, 650}));
  s.host.AdvanceTime(200);
  EXPECT_EQ(ticks, (std::vector<int64_t>{100, 200, 650, 750, 850}));
  EXPECT_DOUBLE_EQ(s.bar->Value(), 60);
  EXPECT_EQ(s.host.Pixel(178, 14), fw::clBlue);  // 60 % of 292 from x 4: up to 178
  s.bar->SetAutoInc(false);
  s.host.AdvanceTime(1000);
  EXPECT_EQ(ticks.size(), 5u);
  EXPECT_TRUE(exceptions.messages.empty());
}

TEST(ProgBarAutoInc, StartsWithTheLongerDelayAndKeepsRunningPastAFailingTick) {
  ShownBar s;
  ExceptionLog exceptions;
  s.bar->OnAutoInc = [](fw::TObject*) { throw EZEBError("tick failed"); };
  s.bar->SetAutoInc(true);  // 1500 ms first, then 700
  s.host.AdvanceTime(1499);
  EXPECT_DOUBLE_EQ(s.bar->Value(), 10);
  s.host.AdvanceTime(1);
  EXPECT_DOUBLE_EQ(s.bar->Value(), 11);
  s.host.AdvanceTime(1400);
  EXPECT_DOUBLE_EQ(s.bar->Value(), 13);
  EXPECT_EQ(exceptions.messages, (std::vector<std::string>(3, "tick failed")));
}

TEST(ProgBarAutoInc, RefusedTimerRaisesAndDesignModeStartsNone) {
  ShownBar s;
  s.host.RefuseTimers(true);
  try {
    s.bar->SetAutoInc(true);
    ADD_FAILURE() << "no exception";
  } catch (const EZEBProgBar& e) {
    EXPECT_EQ(std::string(e.what()), "Component \"Bar\": no timer available");
  }
  s.host.RefuseTimers(false);
  s.bar->SetAutoInc(false);
  s.bar->SetDesigning(true);
  s.bar->SetAutoInc(true);
  s.host.AdvanceTime(5000);
  EXPECT_DOUBLE_EQ(s.bar->Value(), 10);
}

TEST(ProgBar, BackgroundPictureLoadsOrIsIgnored) {
  const std::string path =
      (std::filesystem::path(::testing::TempDir()) / "progbar_background.bmp").string();
  {
    fw::TBitmap picture(2, 2);
    picture.Canvas()->Brush()->SetColor(fw::clTeal);
    picture.Canvas()->FillRect(fw::Rect(0, 0, 2, 2));
    picture.SaveToFile(path);
  }
  ShownBar s;
  s.bar->SetFrameStyleInner(fstNone);
  s.bar->SetBakGndFile(path);
  EXPECT_EQ(s.bar->BackGroundImg(), path);
  EXPECT_EQ(s.host.Pixel(200, 14), fw::clTeal);
  s.bar->SetBakGndFile(path + ".missing");  // ignored: name and picture stay
  EXPECT_EQ(s.bar->BackGroundImg(), path);
  EXPECT_EQ(s.host.Pixel(200, 14), fw::clTeal);
  // A copy takes the picture along.
  ShownBar copy;
  copy.bar->SetFrameStyleInner(fstNone);
  copy.bar->Assign(s.bar);
  EXPECT_EQ(copy.host.Pixel(200, 14), fw::clTeal);
  s.bar->SetBakGndFile("");
  EXPECT_EQ(s.host.Pixel(200, 14), fw::ColorToRGB(fw::clSilver));
  std::filesystem::remove(path);
}

TEST(ProgBar, AssignCopiesThePictureSettingsButNotTheTimerOrFont) {
  TProgBar source(nullptr), target(nullptr);
  source.SetRange(-5, 5);
  source.SetValue(2);
  source.SetDirection(dirDown);
  source.SetBarColorElem(300, fw::clLime);
  source.SetColorMapMode(cgmMove);
  source.SetMarginTop(9);
  source.SetTextAngle(45);
  source.SetColorScheme(schSystem);
  source.SetStartIv(50);
  source.Font()->SetSize(20);
  source.OnShowValue = [](fw::TObject*, std::string& text) { text = "x"; };
  target.Assign(&source);
  EXPECT_EQ(target.Min(), -5);
  EXPECT_EQ(target.Value(), 2);
  EXPECT_EQ(target.Direction(), dirDown);
  EXPECT_EQ(target.GetBarColorElem(300), fw::clLime);
  EXPECT_EQ(target.ColorMapMode(), cgmMove);
  EXPECT_EQ(target.MarginTop(), 9);
  EXPECT_EQ(target.TextAngle(), 45);
  EXPECT_EQ(target.ColorScheme(), schSystem);
  EXPECT_EQ(target.ShownValueText(), "x");
  EXPECT_EQ(target.StartInterval(), 1500);
  EXPECT_NE(target.Font()->Size(), 20);
  // AssignTo a bar is the same copy; anything else is refused.
  TProgBar third(nullptr);
  source.AssignTo(&third);
  EXPECT_EQ(third.Direction(), dirDown);
  EXPECT_THROW(target.Assign(source.Font()), fw::Exception);
}

TEST(ProgBar, FormTextAndClassRecord) {
  fw::TestHost host;
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TProgBar"))
    ADD_FAILURE() << problem;
  TProgBar bar(nullptr);
  fw::ReadFormInto(bar,
                   "object B: TProgBar\n Direction = dirUp\n ColorMapMode = cgmMove\n"
                   " TextDecPlaces = 20\n Value = 42.5\n ColorMin = clLime\n"
                   " FrameStyleOuter = fstEngraved\nend\n");
  EXPECT_EQ(bar.Direction(), dirUp);
  EXPECT_EQ(bar.ColorMapMode(), cgmMove);
  EXPECT_EQ(bar.TextDecPlaces(), 10);
  EXPECT_EQ(bar.Value(), 42.5);
  EXPECT_EQ(bar.ColorMin(), fw::clLime);
  EXPECT_EQ(bar.FrameStyleOuter(), fstEngraved);
}

TEST(ProgBar, PaintsAnyValueAtAnySizeWithoutFailing) {
  for (const auto& [w, h] : {std::pair{1, 1}, {2, 2}, {9, 3}, {3, 300}, {2000, 2000}}) {
    ExceptionLog exceptions;
    ShownBar s(w, h);
    s.bar->SetShowValue(true);
    s.bar->SetShowColorGradient(true);
    s.bar->SetGridDist(2);
    s.bar->SetTextAngle(135);
    for (TDirection direction : {dirUp, dirDown, dirLeft, dirRight}) {
      s.bar->SetDirection(direction);
      for (double value : {-1e300, 1e300, kNaN, kInf, -kInf, 55.0}) {
        s.bar->SetValue(value);
        s.host.ProcessMessages();
      }
    }
    s.bar->SetRange(3, 3);
    s.host.ProcessMessages();
    EXPECT_TRUE(exceptions.messages.empty()) << w << "x" << h << ": " << exceptions.messages[0];
  }
}

}  // namespace
}  // namespace zeb
