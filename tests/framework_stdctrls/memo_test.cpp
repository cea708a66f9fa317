// Memo behaviour: lines as a string list, line editing by keys, Enter and Tab as text, word
// wrap, scrolling that keeps the caret in view, mouse placement across rows, scroll bars.
#include <gtest/gtest.h>

#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/base/registry_check.h"
#include "framework/graphics/text_engine.h"
#include "framework/stdctrls/memo.h"

namespace fw {
namespace {

struct MemoFixture {
  TestHost host{400, 300};
  TMemo* memo;
  int changes = 0;
  MemoFixture() {
    memo = new TMemo(host.Form());
    memo->SetParent(host.Form());
    memo->SetBounds(10, 10, 200, 120);
    memo->OnChange = [this](TObject*) { ++changes; };
    host.Show();
    memo->SetFocus();
  }
  int TextWidth(const std::string& s) const { return MeasureText(memo->Font()->Spec(), s).width; }
};

TEST(MemoLines, LinesAndTextAgree) {
  MemoFixture f;
  f.memo->SetText("one\r\ntwo\rthree\n");
  EXPECT_EQ(f.memo->Text(), "one\ntwo\nthree\n");
  ASSERT_EQ(f.memo->Lines()->Count(), 3);
  EXPECT_EQ(f.memo->Lines()->Strings(2), "three");
  f.memo->SetText("a\n\n");
  EXPECT_EQ(f.memo->Lines()->Count(), 2);
  EXPECT_EQ(f.memo->Lines()->Strings(1), "");
  f.changes = 0;
  f.memo->Lines()->SetText("a\nb");
  EXPECT_EQ(f.memo->Text(), "a\nb");
  f.memo->Lines()->Add("c");
  f.memo->Lines()->Insert(0, "z");
  f.memo->Lines()->Put(1, "A");
  f.memo->Lines()->Delete(2);
  EXPECT_EQ(f.memo->Text(), "z\nA\nc\n");
  EXPECT_EQ(f.memo->Lines()->Text(), f.memo->Text());
  EXPECT_EQ(f.changes, 5);
  f.memo->Lines()->Clear();
  f.memo->Lines()->Add("");
  EXPECT_EQ(f.memo->Lines()->Count(), 1);
  f.memo->Lines()->Clear();
  EXPECT_EQ(f.memo->Lines()->Count(), 0);
  EXPECT_THROW(f.memo->Lines()->Strings(0), EListError);
}

TEST(MemoEditing, EnterTabAndBackspaceEditLines) {
  MemoFixture f;
  f.host.TypeText("ab");
  f.host.KeyPress(U'\r');
  f.host.TypeText("cd");
  EXPECT_EQ(f.memo->Lines()->Count(), 2);
  EXPECT_EQ(f.memo->CaretLine(), 1);
  EXPECT_EQ(f.memo->CaretColumn(), 2);
  // Tab is text only with WantTabs.
  f.host.KeyPress(U'\t');
  EXPECT_EQ(f.memo->Text(), "ab\ncd");
  f.memo->SetWantTabs(true);
  f.host.KeyPress(U'\t');
  EXPECT_EQ(f.memo->Text(), "ab\ncd\t");
  // Backspace at a line's start joins it to the line before.
  f.host.PressKey(VK_HOME);
  f.host.PressKey(VK_BACK);
  EXPECT_EQ(f.memo->Text(), "abcd\t");
  EXPECT_EQ(f.memo->CaretPos(), 2);
  // Without WantReturns Enter types nothing.
  f.memo->SetWantReturns(false);
  f.host.KeyPress(U'\r');
  EXPECT_EQ(f.memo->Text(), "abcd\t");
}

TEST(MemoEditing, CaretKeysWorkLineByLine) {
  MemoFixture f;
  // Lines 0..3 start at 0, 10, 17 and 18; the first two share their first six characters, so
  // a column keeps its x from one to the other.
  f.memo->SetText("abcdefghi\nabcdef\n\nfourth line");
  struct Case {
    const char* what;
    int start;
    uint16_t key;
    TShiftState shift;
    int line, column;
  };
  const Case cases[] = {
      {"Down keeps the column", 3, VK_DOWN, {}, 1, 3},
      {"Down to a shorter line stops at its end", 8, VK_DOWN, {}, 1, 6},
      {"Down to an empty line", 12, VK_DOWN, {}, 2, 0},
      {"Up from the first line stays", 4, VK_UP, {}, 0, 4},
      {"Down from the last line stays", 21, VK_DOWN, {}, 3, 3},
      {"Home goes to the line start", 13, VK_HOME, {}, 1, 0},
      {"End goes to the line end", 11, VK_END, {}, 1, 6},
      {"Ctrl+End goes to the text end", 2, VK_END, {ssCtrl}, 3, 11},
      {"Ctrl+Home goes to the text start", 20, VK_HOME, {ssCtrl}, 0, 0},
      {"Right crosses the line break", 16, VK_RIGHT, {}, 2, 0},
  };
  for (const Case& c : cases) {
    f.memo->SetSelStart(c.start);
    f.host.PressKey(c.key, c.shift);
    EXPECT_EQ(f.memo->CaretLine(), c.line) << c.what;
    EXPECT_EQ(f.memo->CaretColumn(), c.column) << c.what;
  }
  // Shift+Down selects the rest of the row and the start of the next.
  f.memo->SetSelStart(6);
  f.host.PressKey(VK_DOWN, {ssShift});
  EXPECT_EQ(f.memo->SelText(), f.memo->Text().substr(6, f.memo->SelLength()));
  EXPECT_EQ(f.memo->SelStart(), 6);
  EXPECT_GT(f.memo->SelLength(), 4);
}

TEST(MemoEditing, UpAndDownKeepTheirColumnAcrossAShortLine) {
  MemoFixture f;
  f.memo->SetText("abcdefgh\nab\nabcdefgh");
  f.memo->SetSelStart(6);
  f.host.PressKey(VK_DOWN);
  EXPECT_EQ(f.memo->CaretColumn(), 2);
  f.host.PressKey(VK_DOWN);
  EXPECT_EQ(f.memo->CaretColumn(), 6);
  f.host.PressKey(VK_UP);
  f.host.PressKey(VK_UP);
  EXPECT_EQ(f.memo->CaretPos(), 6);
  // Any other move starts a new run from where the caret then is.
  f.host.PressKey(VK_DOWN);
  f.host.PressKey(VK_LEFT);
  f.host.PressKey(VK_DOWN);
  EXPECT_EQ(f.memo->CaretColumn(), 1);
}

TEST(MemoEditing, PasteKeepsLinesAndMouseReachesEveryRow) {
  MemoFixture f;
  f.host.SetClipboardText("x\r\ny\r\nz");
  f.memo->PasteFromClipboard();
  EXPECT_EQ(f.memo->Text(), "x\ny\nz");
  EXPECT_EQ(f.changes, 1);
  // A click on the third row places the caret there; a drag up selects across rows.
  const TPoint third = f.memo->PositionToPoint(5);
  f.host.Click(f.memo->Left() + third.X + 1, f.memo->Top() + third.Y + 2);
  EXPECT_EQ(f.memo->CaretLine(), 2);
  const TPoint first = f.memo->PositionToPoint(0);
  f.host.MouseDown(f.memo->Left() + third.X + 1, f.memo->Top() + third.Y + 2);
  f.host.MouseMove(f.memo->Left() + first.X, f.memo->Top() + first.Y + 2, {ssLeft});
  f.host.MouseUp(f.memo->Left() + first.X, f.memo->Top() + first.Y + 2);
  EXPECT_EQ(f.memo->SelText(), "x\ny\nz");
}

TEST(MemoWordWrap, LongLinesBreakAtBlanksToFitTheWidth) {
  MemoFixture f;
  const std::string text = "alpha beta gamma delta epsilon zeta eta theta iota kappa";
  f.memo->SetText(text);
  const int width = f.memo->TextArea().Width();
  ASSERT_LT(width, f.TextWidth(text));
  const auto& rows = f.memo->DisplayRows();
  ASSERT_GT(rows.size(), 1u);
  EXPECT_EQ(f.memo->Lines()->Count(), 1);
  int expectedStart = 0;
  for (const auto& row : rows) {
    EXPECT_EQ(row.start, expectedStart);  // rows cover the line without gaps
    const std::string piece =
        text.substr(static_cast<size_t>(row.start), static_cast<size_t>(row.end - row.start));
    // Each row fits without its trailing blank and, except the last, ends after a blank.
    std::string trimmed = piece;
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
    EXPECT_LE(f.TextWidth(trimmed), width) << piece;
    if (row.end < static_cast<int>(text.size())) {
      EXPECT_EQ(piece.back(), ' ') << piece;
    }
    expectedStart = row.end;
  }
  EXPECT_EQ(expectedStart, static_cast<int>(text.size()));
  // Without WordWrap the line is one row, scrolled sideways to keep the caret in view.
  f.memo->SetWordWrap(false);
  EXPECT_EQ(f.memo->RowCount(), 1);
  f.host.PressKey(VK_END);
  EXPECT_GT(f.memo->HorzOffset(), 0);
  const TPoint caret = f.memo->PositionToPoint(f.memo->CaretPos());
  EXPECT_LT(caret.X, f.memo->TextArea().Right);
}

TEST(MemoWordWrap, AWordWiderThanTheMemoBreaksInside) {
  MemoFixture f;
  f.memo->SetWidth(60);
  f.memo->SetText(std::string(40, 'm'));
  const auto& rows = f.memo->DisplayRows();
  ASSERT_GT(rows.size(), 1u);
  for (const auto& row : rows) EXPECT_GT(row.end, row.start);
  // Typing at a wrap point keeps the text whole.
  f.memo->SetSelStart(rows[1].start);
  f.host.TypeText("\xC3\xA9");
  EXPECT_EQ(f.memo->Text().size(), 42u);
}

TEST(MemoScrolling, TheCaretStaysInViewAndTheWheelScrolls) {
  MemoFixture f;
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line " + std::to_string(i) + "\n";
  f.memo->SetText(text);
  f.memo->SetSelStart(0);
  EXPECT_EQ(f.memo->TopRow(), 0);
  f.host.PressKey(VK_END, {ssCtrl});
  const int visible = f.memo->VisibleRows();
  EXPECT_EQ(f.memo->TopRow(), f.memo->RowCount() - visible);
  const TPoint caret = f.memo->PositionToPoint(f.memo->CaretPos());
  EXPECT_GE(caret.Y, f.memo->TextArea().Top);
  EXPECT_LE(caret.Y + f.memo->LineHeight(), f.memo->TextArea().Bottom);
  f.host.Wheel(f.memo->Left() + 20, f.memo->Top() + 20, 120);
  EXPECT_EQ(f.memo->TopRow(), f.memo->RowCount() - visible - 3);
  f.memo->SetTopRow(-5);
  EXPECT_EQ(f.memo->TopRow(), 0);
  f.memo->SetSelStart(0);
  f.host.PressKey(VK_NEXT);
  EXPECT_EQ(f.memo->CaretLine(), visible);
}

TEST(MemoScrolling, ScrollBarsTakeTheirRoomAndScroll) {
  MemoFixture f;
  const int fullWidth = f.memo->TextArea().Width();
  f.memo->SetScrollBars(ssVertical);
  EXPECT_EQ(f.memo->TextArea().Width(), fullWidth - 16);
  EXPECT_FALSE(IsRectEmpty(f.memo->VertScrollBarRect()));
  EXPECT_TRUE(IsRectEmpty(f.memo->HorzScrollBarRect()));  // WordWrap needs none
  std::string text;
  for (int i = 0; i < 30; ++i) text += "row\n";
  f.memo->SetText(text);
  f.memo->SetSelStart(0);
  const TRect bar = f.memo->VertScrollBarRect();
  // The lower arrow scrolls one row.
  f.host.Click(f.memo->Left() + bar.Left + 8, f.memo->Top() + bar.Bottom - 8);
  EXPECT_EQ(f.memo->TopRow(), 1);
  // The arrow buttons are the framework's scroll bar: a raised face with a black arrow.
  EXPECT_EQ(f.host.Pixel(f.memo->Left() + bar.Left + 3, f.memo->Top() + bar.Top + 3),
            ColorToRGB(clBtnFace));
  EXPECT_EQ(f.host.Pixel(f.memo->Left() + bar.Left + 8, f.memo->Top() + bar.Top + 8),
            ColorToRGB(clBlack));
  // The thumb is drawn raised somewhere on the track.
  bool thumb = false;
  for (int y = bar.Top + 16; y < bar.Bottom - 16; ++y)
    thumb = thumb || f.host.Pixel(f.memo->Left() + bar.Right - 1, f.memo->Top() + y) ==
                         ColorToRGB(clBtnShadow);
  EXPECT_TRUE(thumb);
  // The track pages towards the press: with the thumb at the end, a press just above it (below
  // the bar's middle) pages back.
  f.memo->SetTopRow(1000);
  const int bottom = f.memo->TopRow();
  f.host.Click(f.memo->Left() + bar.Left + 8, f.memo->Top() + bar.Top + bar.Height() * 3 / 5);
  EXPECT_EQ(f.memo->TopRow(), bottom - f.memo->VisibleRows());
  f.memo->SetWordWrap(false);
  f.memo->SetScrollBars(ssBoth);
  EXPECT_FALSE(IsRectEmpty(f.memo->HorzScrollBarRect()));
}

TEST(MemoScrolling, SidewaysScrollingStopsAtTheWidestRow) {
  MemoFixture f;
  f.memo->SetWordWrap(false);
  f.memo->SetScrollBars(ssBoth);
  f.memo->SetText("short\n" + std::string(80, 'w') + "\nend");
  const TRect bar = f.memo->HorzScrollBarRect();
  // Paging right many times ends with the widest row's end just in view.
  for (int i = 0; i < 20; ++i)
    f.host.Click(f.memo->Left() + bar.Right - 30, f.memo->Top() + bar.Top + 8);
  const int widest = f.TextWidth(std::string(80, 'w'));
  EXPECT_EQ(f.memo->HorzOffset(), widest - f.memo->TextArea().Width() + 1);
  // The caret on the short row pulls the view back to it.
  f.memo->SetSelStart(2);
  EXPECT_EQ(f.memo->HorzOffset(), 0);
}

TEST(MemoRegistry, MemosAgreeWithTheirClassRecords) {
  for (const char* name : {"TMemo", "TCustomMemo"}) {
    for (const std::string& problem : testing::CheckRegisteredClass(name)) ADD_FAILURE() << problem;
  }
}

}  // namespace
}  // namespace fw
