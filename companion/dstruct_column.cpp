// Cell storage of one string-matrix column: length-prefixed entries in an arena, rewritten
// cells appended, the arena compacted when half of it is stale.
#include <algorithm>
#include <limits>
#include <new>

#include "companion/dstruct_column.h"

namespace zeb {
namespace {

// Entry layout: the length in one byte below 128, else in two bytes (the low 7 bits with the
// high bit set, then the rest), followed by the text's bytes. Offset 0 is the empty entry.
constexpr std::size_t kMaxArena = std::numeric_limits<uint32_t>::max();
constexpr std::size_t kMinCompaction = 4096;

std::size_t PrefixSize(std::size_t length) {
  return length < 128 ? 1 : 2;
}

// The text of the entry at ref, and the entry's whole size in bytes.
std::string_view EntryAt(const std::vector<char>& arena, uint32_t ref, std::size_t& size) {
  const auto* p = reinterpret_cast<const unsigned char*>(arena.data()) + ref;
  std::size_t length = p[0];
  std::size_t prefix = 1;
  if (length >= 128) {
    length = (length & 0x7F) | (std::size_t{p[1]} << 7);
    prefix = 2;
  }
  size = prefix + length;
  return {arena.data() + ref + prefix, length};
}

void AppendEntry(std::vector<char>& arena, std::string_view text) {
  const std::size_t length = text.size();
  if (length < 128) {
    arena.push_back(static_cast<char>(length));
  } else {
    arena.push_back(static_cast<char>(0x80 | (length & 0x7F)));
    arena.push_back(static_cast<char>(length >> 7));
  }
  arena.insert(arena.end(), text.begin(), text.end());
}

}  // namespace

TStringArray::Column::Column(std::size_t rows, std::size_t capacity) {
  refs_.reserve(std::max(rows, capacity));
  refs_.resize(rows, 0);
  arena_.push_back(0);
}

std::string_view TStringArray::Column::Get(std::size_t row) const {
  std::size_t size = 0;
  return EntryAt(arena_, refs_[row], size);
}

bool TStringArray::Column::Set(std::size_t row, std::string_view text) {
  std::size_t oldSize = 0;
  const uint32_t oldRef = refs_[row];
  if (EntryAt(arena_, oldRef, oldSize) == text) return false;
  if (oldRef == 0) oldSize = 0;
  if (text.empty()) {
    refs_[row] = 0;
  } else {
    const std::size_t need = PrefixSize(text.size()) + text.size();
    if (arena_.size() + need > kMaxArena) Compact();
    if (arena_.size() + need > kMaxArena)
      throw EZEBDStructError("Class TStringArray: column storage exhausted");
    // Grow by half rather than doubling: the arena is most of the matrix's memory.
    if (arena_.size() + need > arena_.capacity()) {
      const std::size_t grown = arena_.capacity() + arena_.capacity() / 2;
      arena_.reserve(std::min(kMaxArena, std::max(grown, arena_.size() + need)));
    }
    refs_[row] = static_cast<uint32_t>(arena_.size());
    AppendEntry(arena_, text);
  }
  stale_ += oldSize;
  if (stale_ >= kMinCompaction && stale_ * 2 > arena_.size()) Compact();
  return true;
}

void TStringArray::Column::ReserveRows(std::size_t rows) {
  if (rows > refs_.capacity()) refs_.reserve(rows);
}

void TStringArray::Column::ResizeRows(std::size_t rows) {
  for (std::size_t r = rows; r < refs_.size(); ++r) {
    std::size_t size = 0;
    if (refs_[r] != 0) EntryAt(arena_, refs_[r], size);
    stale_ += size;
  }
  refs_.resize(rows, 0);
}

void TStringArray::Column::InsertRow(std::size_t at) {
  refs_.insert(refs_.begin() + static_cast<std::ptrdiff_t>(at), 0);
}

void TStringArray::Column::EraseRow(std::size_t at) {
  std::size_t size = 0;
  if (refs_[at] != 0) EntryAt(arena_, refs_[at], size);
  stale_ += size;
  refs_.erase(refs_.begin() + static_cast<std::ptrdiff_t>(at));
}

void TStringArray::Column::Clear() {
  std::fill(refs_.begin(), refs_.end(), 0);
  std::vector<char> fresh(1, 0);
  arena_.swap(fresh);
  stale_ = 0;
}

// The new table keeps the old one's capacity, so room reserved for coming rows stays.
std::vector<uint32_t> TStringArray::Column::Gathered(const std::vector<uint32_t>& order) const {
  std::vector<uint32_t> refs;
  refs.reserve(std::max(refs_.capacity(), order.size()));
  for (const uint32_t stored : order) refs.push_back(refs_[stored]);
  return refs;
}

void TStringArray::Column::KeepRefs(std::vector<uint32_t>& refs) {
  refs_.swap(refs);
  std::size_t live = 1;
  for (const uint32_t ref : refs_) {
    std::size_t size = 0;
    if (ref != 0) EntryAt(arena_, ref, size);
    live += size;
  }
  stale_ = arena_.size() > live ? arena_.size() - live : 0;
}

void TStringArray::Column::Compact() {
  // Entries are copied row by row (rows that shared an entry get a copy each). The size is
  // known first, so the copy never fails half-way; without room the column stays as it is.
  std::size_t total = 1;
  for (const uint32_t ref : refs_) {
    std::size_t size = 0;
    if (ref != 0) EntryAt(arena_, ref, size);
    total += size;
  }
  if (total > kMaxArena) return;
  std::vector<char> fresh;
  try {
    fresh.reserve(total);
  } catch (const std::bad_alloc&) {
    return;
  }
  fresh.push_back(0);
  for (uint32_t& ref : refs_) {
    if (ref == 0) continue;
    std::size_t size = 0;
    const std::string_view text = EntryAt(arena_, ref, size);
    ref = static_cast<uint32_t>(fresh.size());
    AppendEntry(fresh, text);
  }
  arena_.swap(fresh);
  stale_ = 0;
}

}  // namespace zeb
