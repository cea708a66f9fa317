// Tests of DrawText with DT_CALCRECT: the measured rectangle for single lines, line breaks,
// word wrap, accelerator prefixes, tab stops and ellipses, in the built-in font.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw_text_sheet.h"

namespace fw {
namespace {

using testing_text::kCellH;
using testing_text::kCellW;
using testing_text::Sheet;

struct MeasureCase {
  const char* what;
  std::string text;
  uint32_t format;
  int rectWidth;  // of the rectangle given (matters for word wrap and ellipses)
  int chars;      // widest line, in characters
  int lines;
};

void ExpectMeasures(const std::vector<MeasureCase>& cases) {
  for (const MeasureCase& c : cases) {
    SCOPED_TRACE(c.what);
    Sheet sheet;
    TRect r = Bounds(7, 9, c.rectWidth, 5);
    const int height = DrawText(sheet.Canvas(), c.text, r, c.format | DT_CALCRECT);
    EXPECT_EQ(r, Bounds(7, 9, c.chars * kCellW, c.lines * kCellH));
    EXPECT_EQ(height, c.lines * kCellH);
  }
}

TEST(DrawTextMeasure, LinesBreakAtCrLfAndCrLfPairs) {
  ExpectMeasures({
      {"one line", "Hello", 0, 100, 5, 1},
      {"LF, CR LF and CR each break once", "ab\ncde\r\nf\rg", 0, 100, 3, 4},
      {"LF CR is two breaks", "ab\n\rcd", 0, 100, 2, 3},
      {"an empty line between breaks counts", "a\n\nbb", 0, 100, 2, 3},
      {"a trailing break opens an empty line", "abc\n", 0, 100, 3, 2},
      {"single line keeps breaks as characters", "ab\ncd", DT_SINGLELINE, 100, 5, 1},
      {"empty text measures nothing", "", 0, 100, 0, 0},
      {"trailing blanks of the text count", "ab  ", 0, 100, 4, 1},
  });
}

TEST(DrawTextMeasure, WordBreakWrapsAtBlanksWithinTheWidth) {
  ExpectMeasures({
      {"two words fit exactly", "aaa bbb ccc", DT_WORDBREAK, 7 * kCellW, 7, 2},
      {"one pixel less: a word per line", "aaa bbb ccc", DT_WORDBREAK, 7 * kCellW - 1, 3, 3},
      {"blanks at the wrap are dropped", "ab   cd", DT_WORDBREAK, 4 * kCellW, 2, 2},
      {"trailing blanks that fit stay", "ab  ", DT_WORDBREAK, 4 * kCellW, 4, 1},
      {"trailing blanks past the edge go", "ab cd   ", DT_WORDBREAK, 6 * kCellW, 5, 1},
      {"a line of blanks past the edge is empty", "      ", DT_WORDBREAK, 4 * kCellW, 0, 1},
      {"a long word stays whole and widens", "abcdefghij xy", DT_WORDBREAK, 5 * kCellW, 10, 2},
      {"edit-control style splits long words", "abcdefghij xy", DT_WORDBREAK | DT_EDITCONTROL,
       5 * kCellW, 5, 3},
      {"a split never leaves a line empty", "abc", DT_WORDBREAK | DT_EDITCONTROL, 1, 1, 3},
      {"breaks and wrapping together", "ab cd\nef", DT_WORDBREAK, 2 * kCellW, 2, 3},
      {"leading blanks stay on the first line", "  ab cd", DT_WORDBREAK, 5 * kCellW, 4, 2},
      {"single line does not wrap", "aaa bbb ccc", DT_WORDBREAK | DT_SINGLELINE, 20, 11, 1},
      {"zero width: a word per line", "a b c", DT_WORDBREAK, 0, 1, 3},
  });
}

TEST(DrawTextMeasure, PrefixesAreRemovedUnlessNoPrefix) {
  ExpectMeasures({
      {"marked character", "&File", 0, 100, 4, 1},
      {"double ampersand shows one", "a&&b", 0, 100, 3, 1},
      {"a trailing ampersand vanishes", "ab&", 0, 100, 2, 1},
      {"no prefix keeps every ampersand", "&File&&", DT_NOPREFIX, 100, 7, 1},
      {"hidden prefix still removes them", "&File", DT_HIDEPREFIX, 100, 4, 1},
      {"prefixes before wrapping", "&aa &&bb", DT_WORDBREAK, 3 * kCellW, 3, 2},
  });
}

TEST(DrawTextMeasure, TabsExpandToStopsOfEightAverageCharacters) {
  ExpectMeasures({
      {"expanded", "a\tb", DT_EXPANDTABS, 100, 9, 1},
      {"a tab at a stop moves a whole stop", "abcdefgh\tb", DT_EXPANDTABS, 200, 17, 1},
      {"not expanded: a character cell", "a\tb", 0, 100, 3, 1},
  });
}

TEST(DrawTextMeasure, EllipsesShortenLinesToTheWidth) {
  ExpectMeasures({
      {"end: fits with dots", "abcdefghij", DT_END_ELLIPSIS, 5 * kCellW, 5, 1},
      {"end: one pixel less drops a character", "abcdefghij", DT_END_ELLIPSIS, 5 * kCellW - 1, 4,
       1},
      {"end: a fitting line stays", "abc", DT_END_ELLIPSIS, 3 * kCellW, 3, 1},
      {"path: the part after the separator stays", "abcdef/gh", DT_PATH_ELLIPSIS, 7 * kCellW, 7, 1},
      {"path: too narrow for the last part cuts the end", "abcdef/gh", DT_PATH_ELLIPSIS, 5 * kCellW,
       5, 1},
  });
}

TEST(DrawTextMeasure, CalcRectKeepsLeftAndTopWhateverTheAlignment) {
  for (uint32_t format :
       {DT_LEFT, DT_CENTER, DT_RIGHT, DT_SINGLELINE | DT_VCENTER, DT_SINGLELINE | DT_BOTTOM}) {
    SCOPED_TRACE(format);
    Sheet sheet;
    TRect r = Rect(20, 30, 180, 90);
    DrawText(sheet.Canvas(), "abc", r, format | DT_CALCRECT);
    EXPECT_EQ(r, Bounds(20, 30, 3 * kCellW, kCellH));
  }
}

TEST(DrawTextMeasure, MeasuresWithTheCanvasFontSize) {
  Sheet sheet;
  sheet.Canvas()->Font()->SetHeight(-22);  // scale 2
  TRect r = Rect(0, 0, 100, 100);
  EXPECT_EQ(DrawText(sheet.Canvas(), "ab\nc", r, DT_CALCRECT), 4 * kCellH);
  EXPECT_EQ(r, Rect(0, 0, 4 * kCellW, 4 * kCellH));
}

TEST(DrawTextMeasure, CalcRectDrawsNothing) {
  Sheet sheet, untouched;
  sheet.Canvas()->Brush()->SetStyle(bsSolid);
  sheet.Canvas()->Brush()->SetColor(clRed);
  TRect r = Rect(0, 0, 100, 100);
  DrawText(sheet.Canvas(), "Hello\nworld", r, DT_CALCRECT);
  EXPECT_TRUE(sheet.SamePixels(untouched));
}

TEST(DrawTextMeasure, NoCanvasGivesZeroAndLeavesTheRectangle) {
  TRect r = Rect(1, 2, 3, 4);
  EXPECT_EQ(DrawText(nullptr, "abc", r, DT_CALCRECT), 0);
  EXPECT_EQ(r, Rect(1, 2, 3, 4));
}

TEST(RemovePrefixes, MarksTheCharacterAfterEachSingleAmpersand) {
  struct Case {
    const char* text;
    const char* shown;
    std::vector<std::size_t> marks;
  };
  for (const Case& c : std::vector<Case>{{"&File", "File", {0}},
                                         {"Save &As", "Save As", {5}},
                                         {"a&&b", "a&b", {}},
                                         {"&&&x", "&x", {1}},
                                         {"&a&b", "ab", {0, 1}},
                                         {"end&", "end", {}},
                                         {"&\xC3\xBC"
                                          "ber",
                                          "\xC3\xBC"
                                          "ber",
                                          {0}}}) {
    SCOPED_TRACE(c.text);
    std::vector<std::size_t> marks;
    EXPECT_EQ(RemovePrefixes(c.text, &marks), c.shown);
    EXPECT_EQ(marks, c.marks);
  }
}

}  // namespace
}  // namespace fw
