// TRLData: reading and writing cells through the check-flag encoding, column names, formats
// and check modes, the column search and numbers from cells.
#include <algorithm>
#include <functional>

#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rldata_batch.h"

namespace zeb {

namespace {

// The stored cell without its first character (the check flag), never splitting a code point.
std::string_view AfterFlag(std::string_view stored) {
  if (stored.empty()) return {};
  std::size_t length = 1;
  if (static_cast<unsigned char>(stored[0]) >= 0x80) {
    fw::DecodeUtf8(stored, 0, length);
    length = std::min(std::max<std::size_t>(length, 1), stored.size());
  }
  return stored.substr(length);
}

std::string WithoutFlag(std::string_view stored) {
  return std::string(AfterFlag(stored));
}

// Flag character of a stored check cell: blank for an empty or unchecked cell, else "X".
char FlagOf(std::string_view stored) {
  return stored.empty() || stored[0] == ' ' ? ' ' : 'X';
}

// A check cell as stored: the flag, then the visible text (the matrix cuts it to length).
std::string FlaggedText(char flag, std::string_view text) {
  std::string stored;
  stored.reserve(text.size() + 1);
  stored += flag;
  stored += text;
  return stored;
}

}  // namespace

std::string_view TRLData::ShownText(int ACol, int ARow) const {
  const std::string_view stored = matrix_->ElemText(ACol, ARow);
  return IsCheckCol(ACol) ? AfterFlag(stored) : stored;
}

void TRLData::ShownRow(int ARow, int ColLow, int ColHigh,
                       std::vector<std::string_view>& out) const {
  out.resize(static_cast<std::size_t>(std::max(ColHigh - ColLow + 1, 0)));
  if (out.empty()) return;
  matrix_->RowTexts(ARow, ColLow, ColHigh, out.data());
  for (int c = std::max(ColLow, 1); c <= ColHigh; ++c)
    if (IsCheckCol(c))
      out[static_cast<std::size_t>(c - ColLow)] =
          AfterFlag(out[static_cast<std::size_t>(c - ColLow)]);
}

std::string TRLData::GetElem(int ACol, int ARow) const {
  if (!InCellCols(ACol) || !InRows(ARow)) return {};
  return std::string(ShownText(ACol, ARow));
}

// The matrix cuts text beyond the cell length itself (never inside a character).
void TRLData::SetElem(int ACol, int ARow, std::string_view value) {
  if (!InCellCols(ACol) || !InRows(ARow)) return;
  if (!IsCheckCol(ACol)) {
    matrix_->SetElem(ACol, ARow, value);
    return;
  }
  matrix_->SetElem(ACol, ARow, FlaggedText(FlagOf(matrix_->ElemText(ACol, ARow)), value));
}

TNameStrType TRLData::GetColName(int ACol) const {
  return InDataCols(ACol) ? colNames_[static_cast<std::size_t>(ACol - 1)] : TNameStrType();
}

void TRLData::SetColName(int ACol, std::string_view value) {
  if (InDataCols(ACol))
    colNames_[static_cast<std::size_t>(ACol - 1)] =
        fw::CutToLength(value, static_cast<std::size_t>(kMaxColNameLength));
}

TColFmtString TRLData::GetColumnFormat(int ACol) const {
  return InDataCols(ACol) ? colFormats_[static_cast<std::size_t>(ACol - 1)] : TColFmtString();
}

void TRLData::SetColumnFormat(int ACol, std::string_view value) {
  if (InDataCols(ACol))
    colFormats_[static_cast<std::size_t>(ACol - 1)] =
        fw::CutToLength(value, static_cast<std::size_t>(kMaxColFormatLength));
}

TCheckMode TRLData::GetColCheckMode(int ACol) const {
  return InDataCols(ACol) ? checkModes_[static_cast<std::size_t>(ACol - 1)] : cmNone;
}

void TRLData::SetColCheckMode(int ACol, TCheckMode Mode) {
  if (!InDataCols(ACol) || Mode > cmRadio) return;
  const TCheckMode oldMode = GetColCheckMode(ACol);
  if (Mode == oldMode) return;
  ChangeBatch batch(*matrix_);
  ConvertCheckCells(ACol, oldMode, Mode);
  checkModes_[static_cast<std::size_t>(ACol - 1)] = Mode;
  batch.Done();
}

// The column's cells are rewritten all at once, so running out of memory can never leave some
// cells with a flag and others without (which would cut a character off the unconverted ones).
void TRLData::ConvertCheckCells(int ACol, TCheckMode OldMode, TCheckMode NewMode) {
  std::function<std::string(std::string_view)> rewrite;
  if (NewMode == cmNone)
    rewrite = [](std::string_view stored) { return WithoutFlag(stored); };
  else if (OldMode == cmNone)
    rewrite = [](std::string_view stored) {
      return stored.empty() ? std::string() : FlaggedText(' ', stored);
    };
  else if (OldMode == cmBox && NewMode == cmRadio)
    rewrite = [](std::string_view stored) { return FlaggedText(' ', AfterFlag(stored)); };
  if (rewrite && !matrix_->RewriteColumn(ACol, rewrite)) RaiseNoMemory();
}

int TRLData::ColumnIndex(std::string_view Name, bool Partial) const {
  const std::string wanted = fw::LowerCase(Name);
  for (int c = nrCols_; c >= 1; --c) {
    const std::string name = fw::LowerCase(colNames_[static_cast<std::size_t>(c - 1)]);
    if (Partial ? name.find(wanted) != std::string::npos : name == wanted) return c;
  }
  return -1;
}

double TRLData::GetAsNumber(int ACol, int ARow) const {
  const std::string_view stored =
      InCellCols(ACol) && InRows(ARow) ? matrix_->ElemText(ACol, ARow) : std::string_view();
  std::string text = fw::Trim(IsCheckCol(ACol) ? AfterFlag(stored) : stored);
  std::replace(text.begin(), text.end(), ',', '.');
  if (text.empty()) return 0.0;
  double value = 0.0;
  int code = 0;
  fw::Val(text, value, code);
  if (code != 0)
    throw EZEBDStructError("Class TRLData: invalid numeric string: [" + std::to_string(ACol) + "," +
                           std::to_string(ARow) + "]: " + std::string(stored));
  return value;
}

void TRLData::Fill(std::string_view Text) {
  ChangeBatch batch(*matrix_);
  for (int c = 1; c <= nrCols_; ++c) {
    const bool check = IsCheckCol(c);
    for (int r = 1; r <= nrRows_; ++r) {
      if (!check)
        matrix_->SetElem(c, r, Text);
      else
        matrix_->SetElem(c, r, FlaggedText(FlagOf(matrix_->ElemText(c, r)), Text));
    }
  }
  batch.Done();
}

}  // namespace zeb
