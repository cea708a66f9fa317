// Unit ZEB_datatable: names and attributes of columns and rows, scale types and nominal names.
#include <algorithm>

#include "companion/ZEB_datatable.h"
#include "framework/rtl/utf8.h"

namespace zeb {

namespace {

uint8_t AttribByte(int attrib) {
  return uint8_t(std::clamp(attrib, 0, 255));
}

}  // namespace

std::string TDataTable::GetColName(int Col) const {
  return Col >= 1 && Col <= cols_ ? colHeads_[Col - 1].name : std::string();
}

void TDataTable::SetColName(int Col, const std::string& Name) {
  if (Col < 1 || Col > cols_) return;
  colHeads_[Col - 1].name = fw::CutToLength(Name, MaxNameLength);
  OnDataChanged(this);
}

std::string TDataTable::GetRowName(int Row) const {
  return Row >= 1 && Row <= rows_ ? rowHeads_[Row - 1].name : std::string();
}

void TDataTable::SetRowName(int Row, const std::string& Name) {
  if (Row < 1 || Row > rows_) return;
  rowHeads_[Row - 1].name = fw::CutToLength(Name, MaxNameLength);
  OnDataChanged(this);
}

int TDataTable::GetColAttrib(int Col) const {
  return Col >= 1 && Col <= cols_ ? colHeads_[Col - 1].attrib : 0;
}

void TDataTable::SetColAttrib(int Col, int Attrib) {
  if (Col < 1 || Col > cols_) return;
  colHeads_[Col - 1].attrib = AttribByte(Attrib);
  OnDataChanged(this);
}

int TDataTable::GetRowAttrib(int Row) const {
  return Row >= 1 && Row <= rows_ ? rowHeads_[Row - 1].attrib : 0;
}

void TDataTable::SetRowAttrib(int Row, int Attrib) {
  if (Row < 1 || Row > rows_) return;
  rowHeads_[Row - 1].attrib = AttribByte(Attrib);
  OnDataChanged(this);
}

uint8_t TDataTable::GetMScaleType(int Col) const {
  return Col >= 1 && Col <= cols_ ? colHeads_[Col - 1].scaleType : uint8_t(stUndefined);
}

void TDataTable::SetMScaleType(int Col, uint8_t ScaleType) {
  if (Col < 1 || Col > cols_ || ScaleType > MaxMScaleType) return;
  if (colHeads_[Col - 1].scaleType == ScaleType) return;
  colHeads_[Col - 1].scaleType = ScaleType;
  // Nominal columns are shown by name, others as numbers: the layout changes.
  OnSetupChanged(this);
}

std::string TDataTable::GetNominalID(int Col, int Id) const {
  if (Col < 1 || Col > cols_ || Id < 0 || Id > MaxNominalID) return std::string();
  const std::vector<std::string>& names = colHeads_[Col - 1].nominalNames;
  return names.empty() ? std::string() : names[Id];
}

void TDataTable::SetNominalID(int Col, int Id, const std::string& Name) {
  if (Col < 1 || Col > cols_ || Id < 0 || Id > MaxNominalID) return;
  std::vector<std::string>& names = colHeads_[Col - 1].nominalNames;
  // A column gets its name list with its first name.
  if (names.empty()) names.resize(MaxNominalID + 1);
  names[Id] = fw::CutToLength(Name, MaxNominalNameLength);
  OnDataChanged(this);
}

int TDataTable::OrdinalOfNominalID(int Col, std::string_view Name, bool IgnoreCase) const {
  if (Col < 1 || Col > cols_ || Name.empty()) return -1;
  const std::vector<std::string>& names = colHeads_[Col - 1].nominalNames;
  const std::string wanted = IgnoreCase ? fw::UpperCase(Name) : std::string(Name);
  for (int id = 0; id < int(names.size()); ++id) {
    if (names[id].empty()) continue;
    if ((IgnoreCase ? fw::UpperCase(names[id]) : names[id]) == wanted) return id;
  }
  return -1;
}

int TDataTable::FindColIndex(std::string_view Name) const {
  const std::string wanted = fw::UpperCase(fw::CutToLength(Name, MaxNameLength));
  for (int c = 1; c <= cols_; ++c) {
    if (fw::UpperCase(colHeads_[c - 1].name) == wanted) return c;
  }
  return 0;
}

int TDataTable::FindRowIndex(std::string_view Name) const {
  const std::string wanted = fw::UpperCase(fw::CutToLength(Name, MaxNameLength));
  for (int r = 1; r <= rows_; ++r) {
    if (fw::UpperCase(rowHeads_[r - 1].name) == wanted) return r;
  }
  return 0;
}

}  // namespace zeb
