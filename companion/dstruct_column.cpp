// Cell storage of one string-matrix column: length-prefixed entries in an arena, rewritten
// cells appended, the arena compacted when half of it is stale.
#include <algorithm>
#include <limits>
#include <new>

#include "companion/dstruct_column.h"

namespace zeb {
namespace {

// An arena holding only the shared empty entry at offset 0.
fw::ByteBlock EmptyArena() {
  fw::ByteBlock arena;
  arena.Append(std::string_view("", 1));
  return arena;
}

}  // namespace

TStringArray::Column::Column(std::size_t rows, std::size_t capacity) : arena_(EmptyArena()) {
  refs_.reserve(std::max(rows, capacity));
  refs_.resize(rows, 0);
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
  fw::ByteBlock fresh = EmptyArena();
  std::fill(refs_.begin(), refs_.end(), 0);
  arena_.Swap(fresh);
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
  stale_ = arena_.Size() > live ? arena_.Size() - live : 0;
}

void TStringArray::Column::MakeRoomOrFail(std::size_t need) {
  Compact();
  if (arena_.Size() + need > kMaxArenaBytes)
    throw EZEBDStructError("Class TStringArray: column storage exhausted");
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
  if (total > kMaxArenaBytes) return;
  fw::ByteBlock fresh;
  try {
    fresh.Reserve(total);
  } catch (const std::bad_alloc&) {
    return;
  }
  fresh.Append(std::string_view("", 1));
  for (uint32_t& ref : refs_) {
    if (ref == 0) continue;
    std::size_t size = 0;
    const std::string_view text = EntryAt(arena_, ref, size);
    ref = static_cast<uint32_t>(fresh.Size());
    AppendEntry(fresh, text);
  }
  arena_.Swap(fresh);
  stale_ = 0;
}

}  // namespace zeb
