// Tests of the label's AutoSize: the bounds follow the caption and font, a right-justified
// label keeps its right edge, word wrap keeps the width, and derived labels that measure
// nothing keep their bounds.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/controls/form.h"
#include "label_fixture.h"

namespace fw {
namespace {

using testing_label::kCellH;
using testing_label::kCellW;
using testing_label::MakeLabel;

TEST(LabelAutoSize, BoundsFollowTheCaption) {
  struct Case {
    const char* caption;
    int chars, lines;
  };
  for (const Case& c : std::vector<Case>{{"Hello", 5, 1},
                                         {"ab\ncdef", 4, 2},
                                         {"tab\tx", 9, 1},  // tabs expand to 8 cells
                                         {"&File", 4, 1},   // the prefix takes no room
                                         {"", 1, 1},        // a blank's width, one line
                                         {"&", 1, 1}}) {
    SCOPED_TRACE(c.caption);
    auto label = MakeLabel(c.caption);
    label->SetLeft(30);
    EXPECT_EQ(label->BoundsRect(), Bounds(30, 0, c.chars * kCellW, c.lines * kCellH));
  }
}

TEST(LabelAutoSize, ShowAccelCharFalseMeasuresTheAmpersands) {
  auto label = MakeLabel("&File");
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->Width(), 5 * kCellW);
  label->SetShowAccelChar(true);
  EXPECT_EQ(label->Width(), 4 * kCellW);
}

TEST(LabelAutoSize, FontChangesResize) {
  auto label = MakeLabel("abc");
  label->Font()->SetHeight(-22);  // scale 2
  EXPECT_EQ(label->Width(), 3 * 2 * kCellW);
  EXPECT_EQ(label->Height(), 2 * kCellH);
}

TEST(LabelAutoSize, RightJustifiedLabelKeepsItsRightEdge) {
  for (auto [alignment, keepsRight] : std::vector<std::pair<TAlignment, bool>>{
           {taRightJustify, true}, {taLeftJustify, false}, {taCenter, false}}) {
    SCOPED_TRACE(int(alignment));
    auto label = MakeLabel();
    label->SetAutoSize(false);
    label->SetBounds(100, 5, 65, 17);
    label->SetAlignment(alignment);
    label->SetCaption("Hi");
    label->SetAutoSize(true);
    EXPECT_EQ(label->Width(), 2 * kCellW);
    EXPECT_EQ(label->Left(), keepsRight ? 165 - 2 * kCellW : 100);
    EXPECT_EQ(label->Top(), 5);
  }
}

TEST(LabelAutoSize, WordWrapKeepsTheWidthAndFitsTheHeight) {
  auto label = MakeLabel();
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 7 * kCellW - 1, 10);
  label->SetWordWrap(true);
  label->SetAutoSize(true);
  label->SetCaption("aaa bbb ccc");  // one word a line: 7 cells are one pixel too many
  EXPECT_EQ(label->Width(), 7 * kCellW - 1);
  EXPECT_EQ(label->Height(), 3 * kCellH);
  label->SetWidth(7 * kCellW);
  label->SetCaption("aaa bbb cc");  // now two words fit on the first line
  EXPECT_EQ(label->Height(), 2 * kCellH);
  label->SetWordWrap(false);
  EXPECT_EQ(label->BoundsRect(), Bounds(0, 0, 10 * kCellW, kCellH));
}

TEST(LabelAutoSize, WithoutAutoSizeTheBoundsStay) {
  auto label = MakeLabel();
  label->SetAutoSize(false);
  label->SetBounds(3, 4, 50, 30);
  label->SetCaption("a much longer caption\nwith two lines");
  label->Font()->SetHeight(-22);
  label->SetWordWrap(true);
  EXPECT_EQ(label->BoundsRect(), Bounds(3, 4, 50, 30));
}

TEST(LabelAutoSize, ALabelReadFromAFormIsFittedOnceLoaded) {
  // The form gives the size last; Loaded fits the label to its caption all the same.
  TestHost host;
  std::unique_ptr<TComponent> root = ReadForm(R"(object Box: TForm
  object Name: TLabel
    Left = 100
    Caption = 'abc'
    Font.Name = 'fw-builtin'
    Font.Height = -11
    Width = 65
    Height = 17
  end
end
)");
  auto* label = dynamic_cast<TLabel*>(root->FindComponent("Name"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->BoundsRect(), Bounds(100, 0, 3 * kCellW, kCellH));
}

TEST(LabelAutoSize, ALabelTakesItsFormsFontAndFitsIt) {
  TestHost host(200, 100);
  host.Form()->Font()->SetName(kBuiltinFontName);
  host.Form()->Font()->SetHeight(-11);
  auto* label = new TLabel(host.Form());
  label->SetParent(host.Form());
  label->SetCaption("abc");
  EXPECT_TRUE(label->ParentFont());
  EXPECT_EQ(label->BoundsRect(), Bounds(0, 0, 3 * kCellW, kCellH));
  host.Form()->Font()->SetHeight(-22);  // the form's font reaches the label: scale 2
  EXPECT_EQ(label->BoundsRect(), Bounds(0, 0, 6 * kCellW, 2 * kCellH));
}

TEST(LabelAutoSize, AShownLabelRepaintsItsNewCaption) {
  TestHost host(200, 100);
  host.Form()->Font()->SetName(kBuiltinFontName);
  host.Form()->Font()->SetHeight(-11);
  host.Form()->Font()->SetColor(clBlack);
  auto* label = new TLabel(host.Form());
  label->SetParent(host.Form());
  label->SetBounds(10, 10, 10, 10);
  label->SetCaption("H");
  host.Show();
  EXPECT_EQ(host.Pixel(10, 13), clBlack);  // column 0 of "H"
  EXPECT_NE(host.Pixel(16, 13), clBlack);
  label->SetCaption("HH");
  EXPECT_EQ(host.Pixel(16, 13), clBlack);  // the second "H", after the label grew
  label->SetCaption("");
  EXPECT_NE(host.Pixel(10, 13), clBlack);
}

// A label that draws its own way and measures nothing, as a rotated caption does.
class TOwnDrawnLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
  std::vector<uint32_t> calls;

 protected:
  void DoDrawText(TRect& Rect, uint32_t Flags) override {
    calls.push_back(Flags);
    if (Flags & DT_CALCRECT) return;
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(Rect);
  }
};

TEST(LabelAutoSize, ALabelThatMeasuresNothingKeepsItsBounds) {
  TOwnDrawnLabel label(nullptr);
  label.SetBounds(0, 0, 200, 200);
  label.SetCaption("any caption");
  label.Font()->SetHeight(-30);
  EXPECT_TRUE(label.AutoSize());
  EXPECT_EQ(label.BoundsRect(), Bounds(0, 0, 200, 200));
  ASSERT_FALSE(label.calls.empty());
  for (uint32_t flags : label.calls) EXPECT_EQ(flags, DT_EXPANDTABS | DT_CALCRECT);
}

TEST(LabelAutoSize, PaintMeasuresFirstOnlyForCentredOrBottomLayout) {
  for (auto [layout, measures] : std::vector<std::pair<TTextLayout, bool>>{
           {tlTop, false}, {tlCenter, true}, {tlBottom, true}}) {
    SCOPED_TRACE(int(layout));
    TOwnDrawnLabel label(nullptr);
    label.SetAutoSize(false);
    label.SetBounds(0, 0, 40, 30);
    label.SetLayout(layout);
    label.SetAlignment(taCenter);
    label.SetWordWrap(true);
    label.calls.clear();
    testing_label::Page page(50, 40);
    page.Paint(label);
    const uint32_t flags = DT_EXPANDTABS | DT_WORDBREAK | DT_CENTER;
    std::vector<uint32_t> expected{flags};
    if (measures) expected.insert(expected.begin(), flags | DT_CALCRECT);
    EXPECT_EQ(label.calls, expected);
    // The override's drawing replaces the text; the rectangle measured nothing, so it stays.
    EXPECT_EQ(page.BoundsOf(clRed), Rect(0, 0, 40, 30));
  }
}

}  // namespace
}  // namespace fw
