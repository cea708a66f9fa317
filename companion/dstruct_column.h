// The cell storage of one TStringArray column: an arena of length-prefixed UTF-8 entries and a
// 32-bit offset per stored row. Internal to the ZEB_dstruct unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "companion/ZEB_dstruct.h"

namespace zeb {

class TStringArray::Column {
 public:
  // Offset 0 holds the one shared empty entry.
  explicit Column(std::size_t rows, std::size_t capacity);

  std::size_t Rows() const { return refs_.size(); }
  std::string_view Get(std::size_t row) const;
  // Stores text (at most a few kilobytes) in stored row `row`; false when it was there already.
  // Raises EZEBDStructError when the column's arena cannot hold more text.
  bool Set(std::size_t row, std::string_view text);

  // Capacity for `rows` rows; may raise std::bad_alloc, the cells stay as they are.
  void ReserveRows(std::size_t rows);
  // These do not allocate when the capacity was reserved before.
  void ResizeRows(std::size_t rows);
  void InsertRow(std::size_t at);
  void EraseRow(std::size_t at);

  // Empties every cell and releases the text.
  void Clear();
  // The row offsets rearranged so that new row i holds old row order[i]; may raise
  // std::bad_alloc. Apply with Swap, which does not fail.
  std::vector<uint32_t> Gathered(const std::vector<uint32_t>& order) const;
  void SwapRefs(std::vector<uint32_t>& refs) { refs_.swap(refs); }
  // As SwapRefs, for a table that leaves some entries unused (rows removed).
  void KeepRefs(std::vector<uint32_t>& refs);

  std::size_t MemoryUsed() const { return refs_.capacity() * sizeof(uint32_t) + arena_.capacity(); }
  std::size_t TextBytes() const { return arena_.size() - stale_; }

 private:
  std::size_t EntrySize(uint32_t ref) const;
  void Append(std::string_view text);
  void Compact();

  std::vector<uint32_t> refs_;
  std::vector<char> arena_;
  std::size_t stale_ = 0;  // bytes of entries no row refers to any more
};

}  // namespace zeb
