// Tests of colours: system-colour resolution, colour names and their parsing.
#include "framework/rtl/colors.h"

#include <gtest/gtest.h>

#include "framework/rtl/exceptions.h"

namespace fw {
namespace {

struct NamedColor {
  TColor color;
  const char* name;
};

constexpr NamedColor kNamed[] = {
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"},
    {clSkyBlue, "clSkyBlue"},
    {clCream, "clCream"},
    {clMedGray, "clMedGray"},
    {clNone, "clNone"},
    {clDefault, "clDefault"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clHotLight, "clHotLight"},
    {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"},
    {clMenuHighlight, "clMenuHighlight"},
    {clMenuBar, "clMenuBar"},
};

TEST(ColorNames, EveryConstantHasItsNameBothWays) {
  for (const NamedColor& c : kNamed) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ColorToString(c.color), c.name);
    EXPECT_EQ(StringToColor(c.name), c.color);
    ASSERT_TRUE(ColorToIdent(c.color).has_value());
    EXPECT_EQ(*ColorToIdent(c.color), c.name);
    ASSERT_TRUE(IdentToColor(c.name).has_value());
    EXPECT_EQ(*IdentToColor(c.name), c.color);
  }
}

TEST(ColorNames, NamesAreReadInAnyLetterCase) {
  EXPECT_EQ(StringToColor("CLRED"), clRed);
  EXPECT_EQ(StringToColor("clbtnface"), clBtnFace);
  EXPECT_EQ(IdentToColor("ClWindowText"), clWindowText);
}

TEST(ColorNames, AliasesAreReadButWrittenUnderTheMainName) {
  EXPECT_EQ(StringToColor("clLtGray"), clSilver);
  EXPECT_EQ(StringToColor("clDkGray"), clGray);
  EXPECT_EQ(ColorToString(clLtGray), "clSilver");
  EXPECT_EQ(ColorToString(clDkGray), "clGray");
}

TEST(ColorNames, UnnamedColoursAreEightUpperCaseHexDigits) {
  const struct {
    TColor color;
    const char* text;
  } cases[] = {
      {0x00123456, "$00123456"},         {0x00ABCDEF, "$00ABCDEF"}, {0x00000001, "$00000001"},
      {clSystemColor | 25, "$FF000019"},  // system index without a constant
      {0x02FF8000, "$02FF8000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ColorToString(c.color), c.text);
    EXPECT_EQ(StringToColor(c.text), c.color);
    EXPECT_FALSE(ColorToIdent(c.color).has_value());
  }
}

TEST(ColorNames, NumbersAreReadAsHexOrDecimal) {
  const struct {
    const char* text;
    TColor color;
  } cases[] = {
      {"$ff", 0xFF},
      {"$00FF0000", clBlue},
      {"0x10", 16},
      {"255", 255},
      {"+7", 7},
      {"-16777201", clBtnFace},
      {"4294967295", 0xFFFFFFFF},
      {" 12 ", 12},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StringToColor(c.text), c.color);
  }
}

TEST(ColorNames, TextThatIsNoColourRaisesConvertError) {
  for (const char* text : {"", "clFoo", "$", "$123456789", "12a", "4294967296", "--1", "-",
                           "-2147483649", "red", "0x"}) {
    SCOPED_TRACE(text);
    try {
      StringToColor(text);
      ADD_FAILURE() << "accepted";
    } catch (const EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + std::string(text) + "' is not a valid color value");
    }
    EXPECT_FALSE(IdentToColor(text).has_value());
  }
}

TEST(ColorToRGBTest, SystemColoursResolveThroughTheTable) {
  // The scheme's fixed relations: white windows with black text, grey shadows, white
  // highlights, a face between them, and selections that contrast with their text.
  EXPECT_EQ(ColorToRGB(clWindow), clWhite);
  EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
  EXPECT_EQ(ColorToRGB(clBtnShadow), clGray);
  EXPECT_EQ(ColorToRGB(clBtnHighlight), clWhite);
  EXPECT_EQ(ColorToRGB(clGrayText), clGray);
  EXPECT_EQ(ColorToRGB(clBtnText), clBlack);
  EXPECT_EQ(ColorToRGB(clHighlightText), clWhite);
  EXPECT_EQ(ColorToRGB(clBtnFace), clSilver);
  EXPECT_NE(ColorToRGB(clHighlight), ColorToRGB(clHighlightText));
  EXPECT_NE(ColorToRGB(clInfoBk), ColorToRGB(clInfoText));
}

TEST(ColorToRGBTest, EverySystemIndexHasAnRGBValue) {
  for (TColor index = 0; index <= 30; ++index) {
    TColor rgb = ColorToRGB(clSystemColor | index);
    EXPECT_EQ(rgb & 0xFF000000u, 0u) << index;
  }
}

TEST(ColorToRGBTest, OtherValues) {
  EXPECT_EQ(ColorToRGB(clRed), clRed);
  EXPECT_EQ(ColorToRGB(0x00123456), 0x00123456u);
  EXPECT_EQ(ColorToRGB(0x02123456), 0x00123456u);
  EXPECT_EQ(ColorToRGB(clNone), clBlack);
  EXPECT_EQ(ColorToRGB(clDefault), clBlack);
  EXPECT_EQ(ColorToRGB(clSystemColor | 31), clBlack);
  EXPECT_EQ(ColorToRGB(clSystemColor | 0x1205), clBlack);
}

TEST(ColorToRGBTest, PixelsHoldRedGreenBlueFromTheTop) {
  EXPECT_EQ(ColorToPixel(clRed), 0xFF0000u);
  EXPECT_EQ(ColorToPixel(clBlue), 0x0000FFu);
  EXPECT_EQ(ColorToPixel(clWindow), 0xFFFFFFu);
  EXPECT_EQ(ColorToPixel(RGB(1, 2, 3)), 0x010203u);
  EXPECT_EQ(PixelToColor(0x010203), RGB(1, 2, 3));
  EXPECT_EQ(PixelToColor(ColorToPixel(0x00A1B2C3)), 0x00A1B2C3u);
}

}  // namespace
}  // namespace fw
