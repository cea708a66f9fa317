// The cell storage of one TStringArray column: an arena of length-prefixed UTF-8 entries and a
// 32-bit offset per stored row. Internal to the ZEB_dstruct unit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string_view>
#include <vector>

#include "companion/ZEB_dstruct.h"
#include "framework/rtl/byte_block.h"

namespace zeb {

// The text of the arena's entry at ref, and the entry's whole size in bytes. An entry is the
// text's length in one byte below 128, else in two bytes (the low 7 bits with the high bit
// set, then the rest), followed by the text's bytes. Offset 0 holds the empty entry.
inline std::string_view EntryAt(const fw::ByteBlock& arena, uint32_t ref, std::size_t& size) {
  const auto* p = reinterpret_cast<const unsigned char*>(arena.Data()) + ref;
  std::size_t length = p[0];
  std::size_t prefix = 1;
  if (length >= 128) {
    length = (length & 0x7F) | (std::size_t{p[1]} << 7);
    prefix = 2;
  }
  size = prefix + length;
  return {arena.Data() + ref + prefix, length};
}

// Writes the entry of text at the arena's end; the arena has room for it.
inline void AppendEntry(fw::ByteBlock& arena, std::string_view text) {
  const std::size_t length = text.size();
  char* to = arena.Data() + arena.Size();
  if (length < 128) {
    *to++ = static_cast<char>(length);
  } else {
    *to++ = static_cast<char>(0x80 | (length & 0x7F));
    *to++ = static_cast<char>(length >> 7);
  }
  std::memcpy(to, text.data(), length);
  arena.SetSize(static_cast<std::size_t>(to + length - arena.Data()));
}

class TStringArray::Column {
 public:
  // Offset 0 holds the one shared empty entry.
  explicit Column(std::size_t rows, std::size_t capacity);

  std::size_t Rows() const { return refs_.size(); }
  std::string_view Get(std::size_t row) const {
    std::size_t size = 0;
    return EntryAt(arena_, refs_[row], size);
  }
  // Stores text (at most a few kilobytes) in stored row `row`; false when it was there already.
  // Raises EZEBDStructError when the column's arena cannot hold more text, std::bad_alloc when
  // memory runs out (the cell then stays as it was).
  bool Set(std::size_t row, std::string_view text) {
    const uint32_t oldRef = refs_[row];
    std::size_t oldSize = 0;
    if (oldRef != 0) {
      if (EntryAt(arena_, oldRef, oldSize) == text) return false;
    } else if (text.empty()) {
      return false;
    }
    if (text.empty()) {
      refs_[row] = 0;
    } else {
      const std::size_t need = (text.size() < 128 ? 1 : 2) + text.size();
      if (arena_.Size() + need > kMaxArenaBytes) MakeRoomOrFail(need);
      arena_.ReserveMore(need);
      refs_[row] = static_cast<uint32_t>(arena_.Size());
      AppendEntry(arena_, text);
    }
    stale_ += oldSize;
    if (stale_ >= kMinCompactionBytes && stale_ * 2 > arena_.Size()) Compact();
    return true;
  }

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

  std::size_t MemoryUsed() const { return refs_.capacity() * sizeof(uint32_t) + arena_.Capacity(); }
  std::size_t TextBytes() const { return arena_.Size() - stale_; }

 private:
  void Compact();
  // Compacts the arena so that `need` more bytes fit, or raises EZEBDStructError.
  void MakeRoomOrFail(std::size_t need);

  // Entries are found by 32-bit offsets; the arena is compacted once half of it is stale (and
  // at least this much).
  static constexpr std::size_t kMaxArenaBytes = std::numeric_limits<uint32_t>::max();
  static constexpr std::size_t kMinCompactionBytes = 4096;

  std::vector<uint32_t> refs_;
  fw::ByteBlock arena_;
  std::size_t stale_ = 0;  // bytes of entries no row refers to any more
};

}  // namespace zeb
