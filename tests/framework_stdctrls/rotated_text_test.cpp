// Turned text: where TextOut starts for each alignment and angle, and the turned font.
#include <gtest/gtest.h>

#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/stdctrls/rotated_text.h"

namespace fw {
namespace {

TEST(RotatedText, OriginTurnsHalfTheTextAboutTheAnchor) {
  struct Case {
    int angle;
    TAlignment alignment;
    TPoint origin;
  };
  // A text 100 x 20 (halves 50 and 10) on the anchor (0, 0).
  const std::vector<Case> cases{
      {0, taLeftJustify, {0, -10}},  {0, taCenter, {-50, -10}},  {0, taRightJustify, {-100, -10}},
      {90, taLeftJustify, {-10, 0}}, {90, taCenter, {-10, 50}},  {90, taRightJustify, {-10, 100}},
      {180, taCenter, {50, 10}},     {270, taCenter, {10, -50}}, {270, taRightJustify, {10, -100}},
      {45, taLeftJustify, {-7, -7}}, {45, taCenter, {-42, 28}},  {45, taRightJustify, {-78, 64}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RotatedTextOrigin({0, 0}, c.angle, c.alignment, 100, 20), c.origin)
        << c.angle << " " << c.alignment;
  }
  EXPECT_EQ(RotatedTextOrigin({7, 9}, 0, taCenter, 101, 21), (TPoint{-43, -1}));
}

TEST(RotatedText, SelectedFontIsACopyTurnedByTheAngle) {
  TBitmap page(10, 10);
  TFont font;
  font.SetSize(14);
  SelectRotatedFont(page.Canvas(), &font, 30, ANTIALIASED_QUALITY);
  LOGFONT turned{};
  ASSERT_TRUE(GetObject(page.Canvas()->Font()->Handle(), turned));
  EXPECT_EQ(turned.lfEscapement, 300);
  EXPECT_EQ(turned.lfOrientation, 300);
  EXPECT_EQ(turned.lfQuality, ANTIALIASED_QUALITY);
  EXPECT_EQ(page.Canvas()->Font()->Size(), 14);
}

}  // namespace
}  // namespace fw
