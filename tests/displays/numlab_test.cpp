// TNumLab: the number text of every display type at the edges of its range, the text shown
// (event, overflow, empty), the box and frame on screen, transparency, setter rules, Assign,
// form text and painting at any size.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "displays/ZEB_NumLab.h"
#include "framework/backend/headless/test_host.h"
#include "framework/base/registry_check.h"

namespace zeb {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumLabText, EveryDisplayTypeAtTheEdgesOfItsRange) {
  struct Case {
    TDisplay type;
    int precision;
    double value;
    std::string text;
    bool comma = false;
    bool plus = false;
  };
  const std::vector<Case> cases{
      {dtFixP, 2, 3.14159, "3,14", true},
      {dtFixP, 2, 3.14159, "+3,14", true, true},
      {dtFixP, 2, -3.14159, "-3,14", true, true},
      {dtFixP, 0, 0.0, "0", false, true},  // no "+" for zero
      {dtExp, 3, 12345, "1.23E+004"},
      {dtFloat, 3, 0.5, "0.5"},
      {dtInt, 2, 2.5, "2"},
      {dtInt, 2, 3.5, "4"},
      {dtInt, 2, -3.5, "-4"},
      {dtInt, 2, kNaN, "*********"},
      {dtInt, 2, kInf, "*********"},
      {dtInt, 2, 1e19, "*********"},
      {dtInt, 2, -1e300, "*********"},
      {dtZeroInt, 3, 7, "007"},
      {dtZeroInt, 3, -7, "-007"},
      {dtHex, 2, 255, "FF", false, true},  // no "+" for hexadecimal
      {dtHex, 4, 10, "000A"},
      {dtHex, 2, -1, "FFFFFFFFFFFFFFFF"},
      {dtBin, 8, 5, "00000101", false, true},
      {dtBin, 0, 0, "0"},
      {dtOct, 2, 8, "+10", false, true},
      {dtDateTime, 2, 0, "1899-12-30"},
      {dtDateTime, 2, kNaN, "*********"},
      {dtDateTime, 2, 1e300, "*********"},
      {dtDateTime, 2, -1e9, "*********"},
      {dtDateTime, 2, -693593, "0001-01-01"},
      {dtState, 2, kNaN, "undefined", true, true},
      {dtDeg, 2, 12.5, "12,50°", true},
      {dtDegMin, 2, 12.5, "12°30.00'"},
      {dtDegMin, 2, 12.99999, "13°00.00'"},  // 59.9994 minutes round up into a degree
      {dtDegMin, 0, -0.5, "-0°30'"},
      {dtDegMinSec, 1, 12.5125, "12°30'45.0\""},
      {dtDegMinSec, 0, 1.0 / 3600 * 59.7, "0°01'00\""},
      {dtDegMin, 2, kInf, "*********"},
      {dtEEng, 2, 12346, "12.35E+003"},
      {dtEEng, 1, 0.00123, "1.2E-003"},
      {dtEEng, 2, 999.9996, "1.00E+003"},  // 1000.00 moves to the next exponent
      {dtEEng, 2, 0, "0.00E+000"},
      {dtEEng, 2, -4.2e-7, "-420.00E-009"},
      {dtEEngNoDP, 2, 12346, "12E+003"},
      {dtEEng, 2, kNaN, "*********"},
  };
  for (const Case& c : cases) {
    TNumLabFormat format;
    format.type = c.type;
    format.precision = c.precision;
    format.comma = c.comma;
    format.forcePlusSign = c.plus;
    format.dtFormat = c.type == dtDateTime ? "yyyy-mm-dd" : format.dtFormat;
    EXPECT_EQ(NumLabText(format, c.value), c.text) << kDisplayNames[c.type] << " " << c.value;
  }
  // The subnormal end of the range still has an engineering form.
  TNumLabFormat tiny;
  tiny.type = dtEEng;
  EXPECT_NE(NumLabText(tiny, 5e-324).find("E-324"), std::string::npos);
}

struct ShownNumLab {
  explicit ShownNumLab(int w = 160, int h = 28) : host(w, h) {
    host.Form()->SetColor(fw::clLime);
    label = new TNumLab(host.Form());
    label->SetParent(host.Form());
    label->SetBounds(0, 0, w, h);
    host.Show();
  }
  fw::TestHost host;
  TNumLab* label;
};

TEST(NumLab, ShownTextComesThroughTheEventAndTheWidthTest) {
  ShownNumLab s;
  std::vector<std::string> seen;
  s.label->OnBeforeDisplay = [&](fw::TObject*, std::string& text) {
    seen.push_back(text);
    if (text == "1.00") text = "one";
  };
  s.label->SetValue(1);
  EXPECT_EQ(s.label->ShownText(), "one");
  s.label->SetValue(1e12);
  s.label->SetLabelWidth(30);
  EXPECT_EQ(s.label->ShownText(), "*********");
  s.label->SetDisplayType(dtState);
  s.label->SetStateText("a state far too wide for the box");
  EXPECT_EQ(s.label->ShownText(), "a state far too wide for the box");  // never replaced
  seen.clear();
  s.label->SetEmpty(true);
  EXPECT_EQ(s.label->ShownText(), "");
  s.host.Pixel(0, 0);
  EXPECT_TRUE(seen.empty());
}

TEST(NumLab, BoxFrameAndTransparency) {
  ShownNumLab s;
  s.label->SetColorOutBakG(fw::clAqua);
  s.label->SetColorLabBakG(fw::clYellow);
  s.label->SetValue(1);
  // Sunken frame on (36, 0)-(115, 26): shadow top and left, highlight bottom and right.
  EXPECT_EQ(s.host.Pixel(36, 10), fw::TColor{0x808080});
  EXPECT_EQ(s.host.Pixel(50, 0), fw::TColor{0x808080});
  EXPECT_EQ(s.host.Pixel(115, 10), fw::clWhite);
  EXPECT_EQ(s.host.Pixel(50, 26), fw::clWhite);
  EXPECT_EQ(s.host.Pixel(40, 3), fw::clYellow);  // inside the box, left of the number
  EXPECT_EQ(s.host.Pixel(5, 3), fw::clAqua);
  EXPECT_EQ(s.host.Pixel(150, 27), fw::clAqua);
  // Transparent: the white outside ANDs with the parent; the box, whitened first, keeps its
  // colour.
  s.label->SetTransparent(true);
  EXPECT_EQ(s.host.Pixel(5, 3), fw::clLime);
  EXPECT_EQ(s.host.Pixel(40, 3), fw::clYellow);
}

TEST(NumLab, SettersAndAssign) {
  ShownNumLab s;
  s.label->SetPrecision(-1);
  EXPECT_EQ(s.label->Precision(), 2);
  s.label->SetPrecision(20);
  EXPECT_EQ(s.label->Precision(), 15);
  s.label->SetLeftSpace(500);
  EXPECT_EQ(s.label->LeftSpace(), 160);
  s.label->SetLeftSpace(-3);
  EXPECT_EQ(s.label->LeftSpace(), 160);
  s.host.MouseMove(161 - 1, 5);
  EXPECT_EQ(s.label->MouseArea(), 0);

  TNumLab copy(nullptr);
  s.label->SetComma(true);
  s.label->SetValue(7.25);
  s.label->SetDisplayType(dtExp);
  s.label->SetColorScheme(schSystem);
  s.label->SetLeftText("U");
  copy.Assign(s.label);
  EXPECT_EQ(copy.Value(), 7.25);
  EXPECT_EQ(copy.DisplayType(), dtExp);
  EXPECT_EQ(copy.ColorScheme(), schSystem);
  EXPECT_EQ(copy.LeftText(), "U");
  EXPECT_EQ(copy.Precision(), 15);
  EXPECT_FALSE(copy.Comma());  // not copied
  EXPECT_THROW(copy.Assign(s.host.Form()), fw::EConvertError);
}

TEST(NumLab, ClassRecordAndPaintingAtAnySize) {
  for (const std::string& problem : fw::testing::CheckRegisteredClass("TNumLab"))
    ADD_FAILURE() << problem;
  for (const auto& [w, h] : {std::pair{1, 1}, {3, 200}, {400, 2}, {2000, 2000}}) {
    ShownNumLab s(w, h);
    s.label->SetLeftText("Left");
    s.label->SetRightText("right");
    for (int type = 0; type < static_cast<int>(kDisplayNames.size()); ++type) {
      s.label->SetDisplayType(static_cast<TDisplay>(type));
      for (const double v : {kNaN, -kInf, 1e300, -0.0, 123.456}) {
        s.label->SetValue(v);
        if (w * h < 1000000 || v == 123.456) s.host.Pixel(0, 0);
      }
    }
    s.label->SetEnabled(false);
    s.label->SetTransparent(true);
    s.host.Pixel(0, 0);
  }
}

}  // namespace
}  // namespace zeb
