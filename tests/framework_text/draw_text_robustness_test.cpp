// Tests of DrawText on hostile input: broken UTF-8, stray prefixes, runs of blanks and tabs,
// huge words, empty, reversed and extreme rectangles. Measuring and drawing agree, drawing
// stays inside the rectangle, and edit-control wrapping stays within the width.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "draw_text_sheet.h"

namespace fw {
namespace {

using testing_text::kCellH;
using testing_text::kCellW;
using testing_text::Sheet;

std::vector<std::string> HostileTexts() {
  return {"",
          "&",
          "&&&",
          "a&\n&b",
          "\xFF\xFE&\xC3",
          "\xE2\x82",
          "     ",
          "\t\t x \t",
          "\r\r\n\n\r",
          std::string(3000, 'w'),
          std::string(500, ' ') + "a" + std::string(500, ' ') + "b",
          "c:\\dir\\sub\\file.txt",
          "/",
          "ab/"};
}

std::vector<uint32_t> Formats() {
  return {0u,
          DT_WORDBREAK,
          DT_WORDBREAK | DT_EDITCONTROL,
          DT_SINGLELINE | DT_VCENTER | DT_CENTER,
          DT_SINGLELINE | DT_BOTTOM | DT_RIGHT,
          DT_END_ELLIPSIS,
          DT_PATH_ELLIPSIS | DT_WORDBREAK,
          DT_EXPANDTABS | DT_RIGHT,
          DT_EXPANDTABS | DT_WORDBREAK | DT_NOPREFIX,
          DT_HIDEPREFIX | DT_CENTER};
}

TEST(DrawTextRobustness, MeasuringAndDrawingAgreeAndStayInside) {
  const TRect rects[] = {Rect(10, 10, 90, 60), Rect(30, 30, 30, 30), Rect(80, 50, 20, 10),
                         Rect(5, 5, 5 + kCellW, 95)};
  for (const std::string& text : HostileTexts()) {
    for (uint32_t format : Formats()) {
      for (const TRect& box : rects) {
        SCOPED_TRACE(::testing::Message()
                     << "text of " << text.size() << " bytes, format " << format << ", rect "
                     << box.Left << "," << box.Top << "," << box.Right << "," << box.Bottom);
        Sheet sheet(120, 100);
        TRect measured = box;
        const int height = DrawText(sheet.Canvas(), text, measured, format | DT_CALCRECT);
        EXPECT_EQ(height % kCellH, 0);
        EXPECT_EQ(measured.Bottom - measured.Top, height);
        EXPECT_GE(measured.Right, measured.Left);
        TRect drawn = box;
        const int returned = DrawText(sheet.Canvas(), text, drawn, format);
        EXPECT_EQ(drawn, box);
        if (!(format & DT_SINGLELINE)) {
          EXPECT_EQ(returned, height);
        }
        // Nothing outside the rectangle changed.
        const TRect ink = sheet.BoundsOf(clBlack);
        if (!IsRectEmpty(ink)) {
          TRect inside;
          IntersectRect(inside, ink, box);
          EXPECT_EQ(inside, ink);
        }
      }
    }
  }
}

TEST(DrawTextRobustness, EditControlWrappingStaysWithinTheWidth) {
  for (const std::string& text : HostileTexts()) {
    SCOPED_TRACE(text.size());
    Sheet sheet;
    TRect r = Rect(0, 0, 4 * kCellW + 3, 0);
    DrawText(sheet.Canvas(), text, r, DT_WORDBREAK | DT_EDITCONTROL | DT_CALCRECT);
    EXPECT_LE(r.Right, 4 * kCellW + 3);
  }
}

TEST(DrawTextRobustness, ExtremeRectanglesDoNotOverflow) {
  const TRect rects[] = {Rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX),
                         Rect(INT_MAX, INT_MAX, INT_MIN, INT_MIN),
                         Rect(INT_MAX - 5, 0, INT_MAX, 50), Rect(INT_MIN, 0, INT_MIN + 5, 50)};
  for (const TRect& box : rects) {
    for (uint32_t format : Formats()) {
      SCOPED_TRACE(format);
      Sheet sheet(60, 40);
      TRect r = box;
      DrawText(sheet.Canvas(), "ab cd\tef\n&gh", r, format | DT_CALCRECT);
      EXPECT_GE(r.Bottom, r.Top);
      r = box;
      DrawText(sheet.Canvas(), "ab cd\tef\n&gh", r, format);
      DrawText(sheet.Canvas(), "ab cd\tef\n&gh", r, format | DT_NOCLIP);
    }
  }
}

}  // namespace
}  // namespace fw
