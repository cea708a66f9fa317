// TCustomMemo and TMemo: multi-line text editing with Lines, word wrap, vertical and
// horizontal scrolling, optional scroll bars, and Enter and Tab typed as text.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/controls/scroll_bar_tracker.h"
#include "framework/controls/scroll_style.h"
#include "framework/rtl/strings.h"
#include "framework/stdctrls/edit.h"

namespace fw {

class TCustomMemo;

// The memo's lines as a string list: reading splits the memo's text, every change writes the
// text back (one Change per change, as for any text change) with each line ending in a line
// break, so Lines.Text equals the memo's Text afterwards.
class TMemoStrings : public TStrings {
 public:
  explicit TMemoStrings(TCustomMemo* memo) : memo_(memo) {}

  int Count() const override;
  std::string Strings(int index) const override;
  void Put(int index, const std::string& s) override;
  void Insert(int index, const std::string& s) override;
  void Delete(int index) override;
  void Clear() override;
  void SetText(std::string_view text) override;

 private:
  std::vector<std::string> Split() const;
  void Store(const std::vector<std::string>& lines);

  TCustomMemo* memo_;
};

// The text's lines are separated by "\n"; "\r\n" and "\r" in text set or pasted become "\n".
// Positions (SelStart, SelLength, CaretPos) count code points of that text, a line break as
// one. An empty text has no lines, and a final line break ends the last line without
// starting another (the caret can still stand after it, on an empty row).
class TCustomMemo : public TCustomEdit {
 public:
  explicit TCustomMemo(TComponent* AOwner);
  ~TCustomMemo() override;

  TStrings* Lines() const { return lines_.get(); }
  void SetLines(const TStrings* value);
  // Sets the text with its line breaks made "\n".
  void SetText(const std::string& value);

  // Enter types a line break (otherwise it is left to the form).
  bool WantReturns() const { return wantReturns_; }
  void SetWantReturns(bool value) { wantReturns_ = value; }
  // Tab types a tab character (otherwise it moves the focus).
  bool WantTabs() const { return wantTabs_; }
  void SetWantTabs(bool value) { wantTabs_ = value; }
  // Long lines break at blanks (or anywhere in a word wider than the memo) to fit the width.
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  TScrollStyle ScrollBars() const { return scrollBars_; }
  void SetScrollBars(TScrollStyle value);

  // --- Layout, in display rows (a wrapped line takes several).
  struct Row {
    int start;  // first character
    int end;    // after the last character, the line break excluded
  };
  const std::vector<Row>& DisplayRows() const;
  int RowCount() const { return static_cast<int>(DisplayRows().size()); }
  int RowOfPosition(int index) const;
  int LineHeight() const;
  // Whole rows the text area shows (at least 1).
  int VisibleRows() const;
  // The first row shown, and the pixels scrolled out on the left.
  int TopRow() const { return topRow_; }
  void SetTopRow(int value);
  int HorzOffset() const { return scrollX_; }
  // The caret's line and column (0-based; the column counts characters of the logical line).
  int CaretLine() const;
  int CaretColumn() const;
  // The top-left of the caret line before character `index`, in client coordinates.
  TPoint PositionToPoint(int index) const;
  TRect TextArea() const override;
  TRect VertScrollBarRect() const;
  TRect HorzScrollBarRect() const;

 protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DoExit() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void Paint() override;
  void WndProc(TMessage& message) override;
  void ScrollCaretIntoView() override;
  int HitTest(int X, int Y) const override;
  std::string PasteText(const std::string& clipboard) const override;

 private:
  void ShownBars(bool& horz, bool& vert) const;
  int RowX(const Row& row, int index) const;
  int RowHit(const Row& row, int x) const;
  void MoveVertically(int rows, bool extend);
  void PaintRows(TCanvas* canvas, const TRect& area);
  // The bars count rows down and pixels across.
  TScrollBarLayout BarLayout(bool vertical) const;
  void BarStep(bool vertical, TScrollBarPart part);
  void BarThumbTo(bool vertical, int position);
  int MaxTopRow() const;
  // The largest sideways offset: the widest row just fits (0 with WordWrap).
  int MaxHorzOffset() const;

  std::unique_ptr<TMemoStrings> lines_;
  bool wantReturns_ = true;
  bool wantTabs_ = false;
  bool wordWrap_ = true;
  TScrollStyle scrollBars_ = ssNone;
  int topRow_ = 0;
  int scrollX_ = 0;
  TScrollBarTracker barTracker_;
  // Up and Down aim for the x where a run of them began (in text coordinates), so passing a
  // short line does not pull the caret to the left for good.
  int goalX_ = 0;
  int goalCaret_ = -1;
  // Layout cache: valid for this text, width, wrap setting and font.
  mutable std::vector<Row> rows_;
  mutable std::string layoutText_;
  mutable int layoutWidth_ = -1;
  mutable bool layoutWrap_ = false;
  mutable bool layoutValid_ = false;
};

class TMemo : public TCustomMemo {
 public:
  explicit TMemo(TComponent* AOwner);
};

}  // namespace fw
