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
std::string WithoutFlag(std::string_view stored) {
  if (stored.empty()) return {};
  std::size_t length = 0;
  fw::DecodeUtf8(stored, 0, length);
  return std::string(stored.substr(std::min(std::max<std::size_t>(length, 1), stored.size())));
}

// Flag character of a stored check cell: blank for an empty or unchecked cell, else "X".
char FlagOf(std::string_view stored) {
  return stored.empty() || stored[0] == ' ' ? ' ' : 'X';
}

std::string CutCell(std::string_view text) {
  return fw::CutToLength(text, static_cast<std::size_t>(TStringArray::kMaxCellLength));
}

}  // namespace

bool TRLData::IsCheckCol(int ACol) const {
  return GetColCheckMode(ACol) != cmNone;
}

std::string TRLData::GetElem(int ACol, int ARow) const {
  if (!InCellCols(ACol) || !InRows(ARow)) return {};
  std::string stored = matrix_->GetElem(ACol, ARow);
  return IsCheckCol(ACol) ? WithoutFlag(stored) : stored;
}

void TRLData::SetElem(int ACol, int ARow, std::string_view value) {
  if (!InCellCols(ACol) || !InRows(ARow)) return;
  if (!IsCheckCol(ACol)) {
    matrix_->SetElem(ACol, ARow, CutCell(value));
    return;
  }
  std::string stored(1, FlagOf(matrix_->GetElem(ACol, ARow)));
  stored += value;
  matrix_->SetElem(ACol, ARow, CutCell(stored));
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
      return stored.empty() ? std::string() : " " + std::string(stored);
    };
  else if (OldMode == cmBox && NewMode == cmRadio)
    rewrite = [](std::string_view stored) { return " " + WithoutFlag(stored); };
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
  const std::string stored =
      InCellCols(ACol) && InRows(ARow) ? matrix_->GetElem(ACol, ARow) : std::string();
  std::string text = fw::Trim(IsCheckCol(ACol) ? WithoutFlag(stored) : stored);
  std::replace(text.begin(), text.end(), ',', '.');
  if (text.empty()) return 0.0;
  double value = 0.0;
  int code = 0;
  fw::Val(text, value, code);
  if (code != 0)
    throw EZEBDStructError("Class TRLData: invalid numeric string: [" + std::to_string(ACol) + "," +
                           std::to_string(ARow) + "]: " + stored);
  return value;
}

void TRLData::Fill(std::string_view Text) {
  ChangeBatch batch(*matrix_);
  for (int c = 1; c <= nrCols_; ++c) {
    const bool check = IsCheckCol(c);
    for (int r = 1; r <= nrRows_; ++r) {
      if (!check) {
        matrix_->SetElem(c, r, CutCell(Text));
        continue;
      }
      std::string stored(1, FlagOf(matrix_->GetElem(c, r)));
      stored += Text;
      matrix_->SetElem(c, r, CutCell(stored));
    }
  }
  batch.Done();
}

}  // namespace zeb
