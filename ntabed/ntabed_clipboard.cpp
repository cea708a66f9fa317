// TNTabEd's clipboard: Copy (text plus an exact internal copy), Paste (the internal copy back)
// and Extract (numbers read from any clipboard text), and the size of a number block on the
// clipboard. Blocks are always written inside the table: what lies beyond its edge is left out.
#include <algorithm>

#include "framework/controls/clipboard.h"
#include "framework/rtl/numtext.h"
#include "ntabed/ZEB_ntabed.h"
#include "ntabed/ntabed_holds.h"

namespace zeb {

namespace {

// The clipboard's plain text with the given characters turned into blanks and one blank
// appended; false when the clipboard holds no text.
bool ClipboardTextForScan(const std::string& separators, std::string& text) {
  if (!fw::Clipboard()->HasFormat(fw::CF_TEXT)) return false;
  text = fw::Clipboard()->AsText();
  for (char& c : text)
    if (separators.find(c) != std::string::npos) c = ' ';
  text += ' ';
  return true;
}

void SkipToNumber(const std::string& text, std::size_t& pos) {
  while (pos < text.size() && !StartsClipNumber(text[pos])) ++pos;
}

// Steps past the character that ended a number and on to the next number start, counting line
// feeds on the way.
int SkipSeparators(const std::string& text, std::size_t& pos) {
  int lineFeeds = 0;
  do {
    if (text[pos] == '\n') ++lineFeeds;
    ++pos;
  } while (pos < text.size() && !StartsClipNumber(text[pos]));
  return lineFeeds;
}

}  // namespace

void TNTabEd::CopyToClipboard() {
  int left, top, right, bottom;
  if (!DataRange(left, top, right, bottom)) return;
  const int w = right - left + 1, h = bottom - top + 1;
  clipTable_->Resize(w, h);
  std::string text;
  text.reserve(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) *
               (clipboardUseFullPrec_ ? 23 : 10));
  for (int r = top; r <= bottom; ++r) {
    text += ' ';
    for (int c = left; c <= right; ++c) {
      if (c > left) text += '\t';
      const double x = table_->GetElem(c, r);
      const uint8_t state = table_->GetCellState(c, r);
      clipTable_->SetElem(c - left + 1, r - top + 1, x);
      clipTable_->SetCellState(c - left + 1, r - top + 1, state);
      if (state & (csUndefined | csEmpty))
        text += "####";
      else
        text += clipboardUseFullPrec_ ? fw::Str(x, 22) : fw::Str(x, 1, GetDecPlaces(c));
    }
    text += "\r\n";
  }
  fw::Clipboard()->SetAsText(text);
  internalClip_ = true;
}

void TNTabEd::PasteFromClipboard() {
  if (!internalClip_) return;
  const fw::TGridRect sel = Selection();
  const int left = sel.Left - ColOffset(), top = sel.Top - RowOffset();
  const int w = std::min(clipTable_->NrOfColumns(), NrOfColumns() - left + 1);
  const int h = std::min(clipTable_->NrOfRows(), NrOfRows() - top + 1);
  if (left < 1 || top < 1 || w < 1 || h < 1) return;
  {
    UpdateHold hold(*this);
    DataNotifyHold detached(*this);
    for (int b = 1; b <= w; ++b)
      for (int i = 1; i <= h; ++i) {
        table_->SetElem(left + b - 1, top + i - 1, ClampToRange(clipTable_->GetElem(b, i)));
        table_->SetCellState(left + b - 1, top + i - 1, clipTable_->GetCellState(b, i));
      }
  }
  Invalidate();
  FireChanged(OnChange);
  FireChanged(OnCellStateChanged);
  OnPaste(this);
  SelectDataRange(left, top, left + w - 1, top + h - 1);
}

void TNTabEd::ExtractFromClipboard() {
  std::string text;
  if (!ClipboardTextForScan("\t\r,", text)) return;
  const fw::TGridRect sel = Selection();
  const int left = sel.Left - ColOffset(), top = sel.Top - RowOffset();
  int maxK = 0, maxJ = 0;
  {
    UpdateHold hold(*this);
    DataNotifyHold detached(*this);
    std::size_t pos = 0;
    SkipToNumber(text, pos);
    int k = 0, j = 0;
    while (pos < text.size()) {
      const double x = ClampToRange(ScanClipNumber(text, pos));
      const int col = left + k, row = top + j;
      if (col >= 1 && col <= NrOfColumns() && row >= 1 && row <= NrOfRows()) {
        table_->SetElem(col, row, x);
        maxK = std::max(maxK, k);
        maxJ = std::max(maxJ, j);
      }
      ++k;
      if (pos >= text.size()) break;
      if (const int lineFeeds = SkipSeparators(text, pos); lineFeeds > 0) {
        j += lineFeeds;
        k = 0;
      }
    }
  }
  Invalidate();
  FireChanged(OnChange);
  OnPaste(this);
  if (left >= 1 && top >= 1) SelectDataRange(left, top, left + maxK, top + maxJ);
}

bool TNTabEd::GetClipMatrixSize(int& NrCols, int& NrRows) const {
  NrCols = 1;
  NrRows = 1;
  std::string text;
  if (!ClipboardTextForScan("\t\r", text)) return false;
  std::size_t pos = 0;
  SkipToNumber(text, pos);
  bool found = false;
  int count = 0;
  while (pos < text.size()) {
    ScanClipNumber(text, pos);
    found = true;
    ++count;
    if (pos >= text.size()) break;
    const int lineFeeds = SkipSeparators(text, pos);
    for (int n = 0; n < lineFeeds; ++n) {
      NrCols = std::max(NrCols, count);
      ++NrRows;
      count = 0;
    }
  }
  return found;
}

}  // namespace zeb
