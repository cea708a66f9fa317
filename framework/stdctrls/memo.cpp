// TCustomMemo model: the text with "\n" line breaks, its lines as a string list, and the
// layout of display rows with word wrap.
#include "framework/stdctrls/memo.h"

#include <algorithm>

#include "framework/graphics/text_engine.h"
#include "framework/rtl/utf8.h"
#include "framework/stdctrls/text_positions.h"

namespace fw {

namespace {

// "\r\n" and lone "\r" become "\n".
std::string NormaliseBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

// --- Lines

// A final line break ends the last line without starting another, as for any string list.
std::vector<std::string> TMemoStrings::Split() const {
  std::vector<std::string> lines;
  const std::string& text = memo_->Text();
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t at = text.find('\n', from);
    if (at == std::string::npos) {
      lines.push_back(text.substr(from));
      break;
    }
    lines.push_back(text.substr(from, at - from));
    from = at + 1;
  }
  return lines;
}

// Lines written through the list each end with a line break, so the memo's text equals the
// list's Text.
void TMemoStrings::Store(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += NormaliseBreaks(line) + '\n';
  memo_->SetText(text);
}

int TMemoStrings::Count() const {
  return static_cast<int>(Split().size());
}

std::string TMemoStrings::Strings(int index) const {
  CheckIndex(index);
  return Split()[static_cast<std::size_t>(index)];
}

void TMemoStrings::Put(int index, const std::string& s) {
  std::vector<std::string> lines = Split();
  CheckIndex(index);
  lines[static_cast<std::size_t>(index)] = s;
  Store(lines);
}

void TMemoStrings::Insert(int index, const std::string& s) {
  std::vector<std::string> lines = Split();
  if (index < 0 || index > static_cast<int>(lines.size())) IndexError(index);
  lines.insert(lines.begin() + index, s);
  Store(lines);
}

void TMemoStrings::Delete(int index) {
  std::vector<std::string> lines = Split();
  CheckIndex(index);
  lines.erase(lines.begin() + index);
  Store(lines);
}

void TMemoStrings::Clear() {
  memo_->SetText("");
}

void TMemoStrings::SetText(std::string_view text) {
  memo_->SetText(NormaliseBreaks(text));
}

// --- Memo

TCustomMemo::TCustomMemo(TComponent* AOwner)
    : TCustomEdit(AOwner), lines_(std::make_unique<TMemoStrings>(this)) {
  SetAutoSize(false);
  SetBounds(Left(), Top(), 185, 89);
  barTracker_.Layout = [this](bool vertical) { return BarLayout(vertical); };
  barTracker_.Step = [this](bool vertical, TScrollBarPart part) { BarStep(vertical, part); };
  barTracker_.ThumbTo = [this](bool vertical, int position) { BarThumbTo(vertical, position); };
}

TCustomMemo::~TCustomMemo() = default;

TMemo::TMemo(TComponent* AOwner) : TCustomMemo(AOwner) {}

void TCustomMemo::SetLines(const TStrings* value) {
  if (value) lines_->Assign(*value);
}

void TCustomMemo::SetText(const std::string& value) {
  TCustomEdit::SetText(NormaliseBreaks(value));
}

std::string TCustomMemo::PasteText(const std::string& clipboard) const {
  return NormaliseBreaks(clipboard);
}

void TCustomMemo::SetWordWrap(bool value) {
  if (value == wordWrap_) return;
  wordWrap_ = value;
  scrollX_ = 0;
  ScrollCaretIntoView();
  Invalidate();
}

void TCustomMemo::SetScrollBars(TScrollStyle value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  ScrollCaretIntoView();
  Invalidate();
}

int TCustomMemo::LineHeight() const {
  return std::max(MeasureText(Font()->Spec(), "").height, 1);
}

// Rows of each line: the whole line, or with WordWrap the longest pieces that fit, broken
// after the last blank that fits (inside a word when none does; at least one character).
const std::vector<TCustomMemo::Row>& TCustomMemo::DisplayRows() const {
  const std::string& text = Text();
  const int width = TextArea().Width();
  if (layoutValid_ && layoutText_ == text && layoutWidth_ == width && layoutWrap_ == wordWrap_)
    return rows_;
  rows_.clear();
  const FontSpec spec = Font()->Spec();
  std::vector<int> advance;  // per character of the current line
  std::vector<char32_t> chars;
  int index = 0;
  std::size_t pos = 0;
  for (;;) {
    // One logical line: [lineStart, index).
    const int lineStart = index;
    advance.clear();
    chars.clear();
    while (pos < text.size() && text[pos] != '\n') {
      const std::size_t from = pos;
      chars.push_back(NextCodePoint(text, pos));
      advance.push_back(
          wordWrap_ ? MeasureText(spec, std::string_view(text).substr(from, pos - from)).width : 0);
      ++index;
    }
    int start = lineStart;
    while (wordWrap_ && index - start > 1) {
      int used = 0;
      int fit = start;
      while (fit < index && used + advance[static_cast<std::size_t>(fit - lineStart)] <= width) {
        used += advance[static_cast<std::size_t>(fit - lineStart)];
        ++fit;
      }
      if (fit >= index) break;
      int cut = fit;
      while (cut > start && chars[static_cast<std::size_t>(cut - 1 - lineStart)] != U' ') --cut;
      if (cut == start) cut = std::max(fit, start + 1);
      // Blanks at the break stay on the row they end, even past the edge.
      while (cut < index && chars[static_cast<std::size_t>(cut - lineStart)] == U' ') ++cut;
      rows_.push_back({start, cut});
      start = cut;
      if (start >= index) break;
    }
    if (start < index || start == lineStart) rows_.push_back({start, index});
    if (pos >= text.size()) break;
    ++pos;  // the line break
    ++index;
  }
  layoutText_ = text;
  layoutWidth_ = width;
  layoutWrap_ = wordWrap_;
  layoutValid_ = true;
  return rows_;
}

// The row holding the position; at a wrap point the position starts the next row.
int TCustomMemo::RowOfPosition(int index) const {
  const std::vector<Row>& rows = DisplayRows();
  auto it = std::upper_bound(rows.begin(), rows.end(), index,
                             [](int value, const Row& row) { return value < row.start; });
  return std::max(static_cast<int>(it - rows.begin()) - 1, 0);
}

int TCustomMemo::CaretLine() const {
  const std::string& text = Text();
  return static_cast<int>(std::count(
      text.begin(),
      text.begin() + static_cast<std::ptrdiff_t>(textpos::ByteOffset(text, CaretPos())), '\n'));
}

int TCustomMemo::CaretColumn() const {
  const std::string& text = Text();
  const std::size_t at = textpos::ByteOffset(text, CaretPos());
  const std::size_t lineStart = text.rfind('\n', at == 0 ? std::string::npos : at - 1);
  const std::size_t from = lineStart == std::string::npos || at == 0 ? 0 : lineStart + 1;
  return textpos::CharCount(std::string_view(text).substr(from, at - from));
}

void TCustomMemo::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_FONTCHANGED:
      layoutValid_ = false;
      break;
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS | (wantTabs_ ? DLGC_WANTTAB : 0);
      return;
    default:
      break;
  }
  TCustomEdit::WndProc(message);
}

}  // namespace fw
