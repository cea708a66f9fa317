// Tests of label painting: the caption placed by Alignment and Layout, word-wrapped lines,
// the background filled or left (Transparent), the parent's colour, and the embossed text of
// a disabled label.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "label_fixture.h"

namespace fw {
namespace {

using testing_label::kCellH;
using testing_label::kCellW;
using testing_label::MakeLabel;
using testing_label::Page;

TEST(LabelPaint, AlignmentAndLayoutPlaceTheCaption) {
  constexpr int W = 100, H = 40;
  const int w = 2 * kCellW;  // "HH"
  const std::vector<std::pair<TAlignment, int>> columns{
      {taLeftJustify, 0}, {taCenter, (W - w) / 2}, {taRightJustify, W - w}};
  const std::vector<std::pair<TTextLayout, int>> rows{
      {tlTop, 0}, {tlCenter, (H - kCellH) / 2}, {tlBottom, H - kCellH}};
  for (auto [alignment, x] : columns) {
    for (auto [layout, y] : rows) {
      SCOPED_TRACE(::testing::Message() << int(alignment) << "/" << int(layout));
      auto label = MakeLabel();
      label->SetAutoSize(false);
      label->SetBounds(0, 0, W, H);
      label->SetAlignment(alignment);
      label->SetLayout(layout);
      label->SetCaption("HH");
      Page page(W + 20, H + 20);
      page.Paint(*label, 10, 10);
      // "HH" inks columns 0..4 and 6..10, rows 3..9 of its cells.
      EXPECT_EQ(page.BoundsOf(clBlack), Rect(10 + x, 10 + y + 3, 10 + x + 11, 10 + y + 10));
    }
  }
}

TEST(LabelPaint, LayoutPlacesWrappedLinesAsABlock) {
  auto label = MakeLabel();
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 3 * kCellW, 60);
  label->SetWordWrap(true);
  label->SetLayout(tlBottom);
  label->SetAlignment(taRightJustify);
  label->SetCaption("HH HHH");  // two lines
  Page page(40, 80);
  page.Paint(*label);
  const int top = 60 - 2 * kCellH;
  EXPECT_EQ(page.BoundsOf(clBlack), Rect(0, top + 3, 3 * kCellW - 1, top + kCellH + 10));
  EXPECT_EQ(page.At(kCellW, top + 3), clBlack);  // "HH" right-aligned on the first line
  EXPECT_EQ(page.At(0, top + 3), clWhite);
}

TEST(LabelPaint, CaptionIsClippedToTheControl) {
  auto label = MakeLabel();
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 2 * kCellW, kCellH);
  label->SetCaption("HHHH\nHH");
  Page page(60, 40);
  page.Paint(*label, 5, 5);
  EXPECT_EQ(page.BoundsOf(clBlack), Rect(5, 8, 5 + kCellW + 5, 15));
}

TEST(LabelPaint, OpaqueLabelFillsItsAreaTransparentOneLeavesIt) {
  for (bool transparent : {false, true}) {
    SCOPED_TRACE(transparent);
    auto label = MakeLabel("H");
    label->SetAutoSize(false);
    label->SetBounds(0, 0, 30, 20);
    label->SetColor(clYellow);
    label->SetTransparent(transparent);
    EXPECT_EQ(label->ControlStyle().Contains(csOpaque), !transparent);
    Page page(50, 40, clAqua);
    page.Paint(*label, 10, 10);
    if (transparent) {
      EXPECT_EQ(page.Count(clYellow), 0);
      EXPECT_EQ(page.At(10, 10), clAqua);
    } else {
      EXPECT_EQ(page.BoundsOf(clYellow), Rect(10, 10, 40, 30));
    }
    EXPECT_EQ(page.BoundsOf(clBlack), Rect(10, 13, 15, 20));
    EXPECT_EQ(page.At(9, 9), clAqua);
  }
}

TEST(LabelPaint, DisabledCaptionIsEmbossed) {
  // The enabled caption gives the glyph pixels; disabled, they are drawn in clBtnHighlight one
  // pixel right and down, then in clBtnShadow in place.
  auto label = MakeLabel("&Hx");
  label->SetColor(clBtnFace);
  Page enabled(40, 30);
  enabled.Paint(*label, 5, 5);
  std::set<std::pair<int, int>> glyph;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (enabled.At(x, y) == clBlack) glyph.insert({x, y});
  ASSERT_FALSE(glyph.empty());

  label->SetEnabled(false);
  Page disabled(40, 30);
  disabled.Paint(*label, 5, 5);
  const TColor face = ColorToRGB(clBtnFace), shadow = ColorToRGB(clBtnShadow),
               light = ColorToRGB(clBtnHighlight);
  for (int y = 5; y < 5 + label->Height(); ++y) {
    for (int x = 5; x < 5 + label->Width(); ++x) {
      const bool ink = glyph.count({x, y}) > 0, lit = glyph.count({x - 1, y - 1}) > 0;
      ASSERT_EQ(disabled.At(x, y), ink ? shadow : lit ? light : face) << x << "," << y;
    }
  }
}

TEST(LabelPaint, LabelOnAFormTakesTheFormColour) {
  TestHost host(100, 60);
  auto* label = new TLabel(host.Form());
  label->SetParent(host.Form());
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 50, 20);
  host.Show();
  EXPECT_TRUE(label->ParentColor());
  EXPECT_EQ(label->Color(), host.Form()->Color());
  EXPECT_EQ(host.Pixel(12, 12), ColorToRGB(host.Form()->Color()));

  host.Form()->SetColor(clYellow);
  label->SetCaption("changed");
  host.ProcessMessages();
  EXPECT_EQ(label->Color(), clYellow);
}

}  // namespace
}  // namespace fw
