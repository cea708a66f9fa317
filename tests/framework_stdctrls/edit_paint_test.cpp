// Edit painting and geometry: sunken border, selection colours, HideSelection, password
// masking, horizontal scrolling that keeps the caret visible, AutoSize, the class records.
#include <gtest/gtest.h>

#include <string>

#include "framework/base/registry_check.h"
#include "framework/graphics/text_engine.h"
#include "tests/framework_stdctrls/edit_fixture.h"

namespace fw {
namespace {

using test::EditFixture;

bool AnyPixel(TestHost& host, const TRect& r, TColor color) {
  for (int y = r.Top; y < r.Bottom; ++y)
    for (int x = r.Left; x < r.Right; ++x)
      if (host.Pixel(x, y) == ColorToRGB(color)) return true;
  return false;
}

TEST(EditPaint, SunkenTwoPixelBorder) {
  EditFixture f;
  const int l = f.edit->Left();
  const int t = f.edit->Top();
  const int r = l + f.edit->Width() - 1;
  const int b = t + f.edit->Height() - 1;
  EXPECT_EQ(f.host.Pixel(l, t + 5), ColorToRGB(clBtnShadow));
  EXPECT_EQ(f.host.Pixel(l + 5, t), ColorToRGB(clBtnShadow));
  EXPECT_EQ(f.host.Pixel(r, t + 5), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(f.host.Pixel(l + 5, b), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(f.host.Pixel(l + 1, t + 5), ColorToRGB(cl3DDkShadow));
  EXPECT_EQ(f.host.Pixel(r - 1, t + 5), ColorToRGB(clBtnFace));
  EXPECT_EQ(f.host.Pixel(l + 100, t + 10), ColorToRGB(clWindow));
  f.edit->SetBorderStyle(bsNone);
  EXPECT_EQ(f.host.Pixel(l, t + 5), ColorToRGB(clWindow));
}

TEST(EditPaint, SelectionShowsInHighlightUnlessHidden) {
  EditFixture f;
  f.edit->SetText("selected text");
  f.edit->SelectAll();
  const TRect inside = Rect(f.XOf(0), f.edit->Top() + 3, f.XOf(13), f.edit->Top() + 18);
  EXPECT_TRUE(AnyPixel(f.host, inside, clHighlight));
  // Unfocused with HideSelection the selection disappears; without it, it stays.
  auto* other = new TEdit(f.host.Form());
  other->SetParent(f.host.Form());
  other->SetTop(60);
  other->SetFocus();
  EXPECT_FALSE(AnyPixel(f.host, inside, clHighlight));
  f.edit->SetHideSelection(false);
  EXPECT_TRUE(AnyPixel(f.host, inside, clHighlight));
}

TEST(EditPaint, PasswordCharReplacesEveryCharacter) {
  EditFixture f;
  f.edit->SetText("p\xC3\xA4ss");
  f.edit->SetPasswordChar(U'*');
  const int star = MeasureText(f.edit->Font()->Spec(), "*").width;
  EXPECT_EQ(f.edit->PositionToX(4) - f.edit->PositionToX(0), 4 * star);
  EXPECT_EQ(f.edit->Text(), "p\xC3\xA4ss");
}

TEST(EditPaint, ScrollingKeepsTheCaretInView) {
  EditFixture f;
  f.edit->SetText(std::string(200, 'w'));
  f.edit->SetSelStart(0);
  EXPECT_EQ(f.edit->ScrollOffset(), 0);
  const TRect area = f.edit->TextArea();
  for (uint16_t key : {VK_END, VK_LEFT, VK_HOME, VK_END}) {
    f.host.PressKey(key);
    const int x = f.edit->PositionToX(f.edit->CaretPos());
    EXPECT_GE(x, area.Left) << key;
    EXPECT_LT(x, area.Right) << key;
  }
  EXPECT_GT(f.edit->ScrollOffset(), 0);
  // A shorter text scrolls back so no empty space is left beyond it.
  f.edit->SetText("short");
  EXPECT_EQ(f.edit->ScrollOffset(), 0);
  // Dragging past the right edge selects characters scrolled in.
  f.edit->SetText(std::string(200, 'w'));
  f.edit->SetSelStart(0);
  f.host.MouseDown(f.XOf(0), f.MidY());
  for (int i = 0; i < 5; ++i)
    f.host.MouseMove(f.edit->Left() + f.edit->Width() + 5, f.MidY(), {ssLeft});
  f.host.MouseUp(f.edit->Left() + f.edit->Width() + 5, f.MidY());
  EXPECT_GT(f.edit->SelLength(), 0);
  EXPECT_GT(f.edit->ScrollOffset(), 0);
}

TEST(EditPaint, AutoSizeFitsTheFont) {
  EditFixture f;
  const int textHeight = MeasureText(f.edit->Font()->Spec(), "").height;
  EXPECT_EQ(f.edit->Height(), textHeight + 8);
  TFont big;
  big.SetSize(20);
  f.edit->SetFont(&big);
  EXPECT_EQ(f.edit->Height(), MeasureText(f.edit->Font()->Spec(), "").height + 8);
  f.edit->SetAutoSize(false);
  f.edit->SetHeight(50);
  f.edit->SetFont(&big);
  EXPECT_EQ(f.edit->Height(), 50);
}

TEST(EditRegistry, EditsAgreeWithTheirClassRecords) {
  for (const char* name : {"TEdit", "TCustomEdit"}) {
    for (const std::string& problem : testing::CheckRegisteredClass(name)) ADD_FAILURE() << problem;
  }
}

}  // namespace
}  // namespace fw
