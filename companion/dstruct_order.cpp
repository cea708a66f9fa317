// TStringArray's row order: the permutation that sorting sets, resetting it and making it the
// stored order.
#include <algorithm>
#include <new>
#include <numeric>

#include "companion/dstruct_column.h"

namespace zeb {

void TStringArray::UnSort() {
  std::iota(order_.begin(), order_.end(), 0u);
}

bool TStringArray::IsSorted() const {
  for (std::size_t r = 0; r < order_.size(); ++r)
    if (order_[r] != r) return true;
  return false;
}

void TStringArray::CommitSorting() {
  if (!IsSorted()) return;
  // Every column's new offsets are built before any is replaced, so running out of memory
  // leaves the matrix unchanged.
  std::vector<std::vector<uint32_t>> refs;
  std::vector<uint8_t> attribs;
  try {
    refs.reserve(columns_.size());
    for (const auto& column : columns_) refs.push_back(column->Gathered(order_));
    attribs.reserve(std::max(rowAttribs_.capacity(), order_.size()));
    for (const uint32_t stored : order_) attribs.push_back(rowAttribs_[stored]);
  } catch (const std::bad_alloc&) {
    throw EZEBDStructError("Class TStringArray: not enough memory to commit the row order");
  }
  for (std::size_t c = 0; c < columns_.size(); ++c) columns_[c]->SwapRefs(refs[c]);
  rowAttribs_.swap(attribs);
  UnSort();
}

int TStringArray::GetSortOrder(int ARow) const {
  return InRows(ARow) ? static_cast<int>(Stored(ARow)) : 0;
}

void TStringArray::SetSortOrder(int ARow, int value) {
  if (ARow < 1 || ARow > NrOfRows() || value < 1 || value > NrOfRows()) return;
  order_[static_cast<std::size_t>(ARow)] = static_cast<uint32_t>(value);
}

}  // namespace zeb
