// TStringArray::Sort: sort keys per stored row (empty, number or case-folded text), a radix
// sort of the row order by the primary keys, and a full comparison (primary text, secondary
// key, stored position) only among rows whose keys are equal.
#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <utility>

#include "companion/dstruct_column.h"
#include "companion/dstruct_sorttext.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"

namespace zeb {

// The keys of one column by stored row. Classes and keys are stored already turned for the
// direction, so smaller always sorts first; only the text tails need the direction flag.
struct TStringArray::SortKeys {
  enum Class : uint8_t { kEmpty = 0, kNumber = 1, kText = 2 };
  bool descending = false;
  std::vector<uint8_t> cls;
  std::vector<uint64_t> key;        // number order, or the first 8 bytes of the folded text
  std::vector<std::size_t> offset;  // folded text of kText rows in `folded`
  std::vector<uint16_t> length;
  std::string folded;

  std::string_view Text(std::size_t row) const {
    return {folded.data() + offset[row], length[row]};
  }

  // <0, 0, >0 as row a sorts before, with, or after row b by this column.
  int Compare(std::size_t a, std::size_t b) const {
    if (cls[a] != cls[b]) return cls[a] < cls[b] ? -1 : 1;
    if (key[a] != key[b]) return key[a] < key[b] ? -1 : 1;
    if (cls[a] != (descending ? 2 - kText : kText)) return 0;
    const int c = Text(a).compare(Text(b));
    return descending ? -c : c;
  }
};

namespace {

// The bits of x as an unsigned number that sorts like x (-0 as 0).
uint64_t OrderedBits(double x) {
  if (x == 0) x = 0;
  const uint64_t bits = std::bit_cast<uint64_t>(x);
  return (bits & (uint64_t{1} << 63)) ? ~bits : bits | (uint64_t{1} << 63);
}

// True when text (trimmed) reads as a number, "," counting as ".".
bool ReadNumber(std::string_view text, double& value) {
  const char first = text.front();
  if (!(first >= '0' && first <= '9') && first != '-' && first != '+' && first != '.' &&
      first != ',')
    return false;
  char buffer[64];
  if (text.size() >= sizeof buffer) return false;
  std::memcpy(buffer, text.data(), text.size());
  std::replace(buffer, buffer + text.size(), ',', '.');
  int code = 0;
  fw::Val(std::string_view(buffer, text.size()), value, code);
  return code == 0;
}

uint64_t Prefix(std::string_view text) {
  uint64_t k = 0;
  for (std::size_t i = 0; i < 8; ++i)
    k = (k << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0);
  return k;
}

}  // namespace

void TStringArray::BuildKeys(int col, bool ascending, bool withEvent, SortKeys& keys) {
  const Column& column = *columns_[static_cast<std::size_t>(col)];
  const std::size_t rows = rowAttribs_.size();
  keys.descending = !ascending;
  keys.cls.assign(rows, SortKeys::kEmpty);
  keys.key.assign(rows, 0);
  keys.offset.assign(rows, 0);
  keys.length.assign(rows, 0);
  keys.folded.clear();
  keys.folded.reserve(column.TextBytes());
  std::string eventKey;
  for (std::size_t r = 1; r < rows; ++r) {
    std::string_view text = column.Get(r);
    if (withEvent) {
      const std::string cell(text);
      eventKey = cell;
      OnBeforeSortExchange(this, cell, eventKey);
      text = eventKey;
    }
    // Trim characters up to the blank at both ends.
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    uint8_t cls = SortKeys::kEmpty;
    uint64_t key = 0;
    double value = 0;
    if (text.empty()) {
    } else if (ReadNumber(text, value)) {
      cls = SortKeys::kNumber;
      key = OrderedBits(value);
    } else {
      cls = SortKeys::kText;
      const std::size_t at = keys.folded.size();
      AppendSortText(keys.folded, text);
      // Keys handed in by the event may be long; the tail compare sees at most 64 KiB.
      const std::size_t length = std::min<std::size_t>(keys.folded.size() - at, 0xFFFF);
      keys.offset[r] = at;
      keys.length[r] = static_cast<uint16_t>(length);
      key = Prefix(std::string_view(keys.folded).substr(at, length));
    }
    keys.cls[r] = ascending ? cls : static_cast<uint8_t>(SortKeys::kText - cls);
    keys.key[r] = ascending ? key : ~key;
  }
}

namespace {

// A row on its way through the sort, with its primary class and key.
struct SortItem {
  uint64_t key;
  uint32_t row;
  uint8_t cls;
};

// The class and the key's upper 62 bits in one number that orders like the pair; items equal
// in it may still differ in the key's lowest bits or the text beyond the key.
uint64_t Composite(const SortItem& item) {
  return (uint64_t{item.cls} << 62) | (item.key >> 2);
}

// Orders items by Composite, keeping their present order among equal ones: a least
// significant digit radix sort, eleven bits per pass, leaving out passes in which every item
// has the same digit.
void RadixSort(std::vector<SortItem>& items) {
  constexpr unsigned kBits = 11;
  constexpr std::size_t kDigits = std::size_t{1} << kBits;
  constexpr std::size_t kPasses = (64 + kBits - 1) / kBits;
  const std::size_t n = items.size();
  if (n < 2) return;
  std::vector<std::array<std::size_t, kDigits>> counts(kPasses);
  for (const SortItem& item : items) {
    const uint64_t c = Composite(item);
    for (std::size_t p = 0; p < kPasses; ++p) ++counts[p][(c >> (kBits * p)) & (kDigits - 1)];
  }
  std::vector<SortItem> other(n);
  for (std::size_t p = 0; p < kPasses; ++p) {
    auto& count = counts[p];
    const auto shift = static_cast<unsigned>(kBits * p);
    if (count[(Composite(items[0]) >> shift) & (kDigits - 1)] == n) continue;
    std::size_t sum = 0;
    for (std::size_t& c : count) sum += std::exchange(c, sum);
    for (const SortItem& item : items)
      other[count[(Composite(item) >> shift) & (kDigits - 1)]++] = item;
    items.swap(other);
  }
}

}  // namespace

void TStringArray::Sort(int SortCol, int SortColSec, bool Ascending, bool AscendingSec) {
  if (!InColumns(SortCol)) return;
  const bool secondary = InColumns(SortColSec) && SortColSec != SortCol;
  OnPercentDone(this, 0);
  SortKeys primary, second;
  BuildKeys(SortCol, Ascending, OnBeforeSortExchange.Assigned(), primary);
  if (secondary) BuildKeys(SortColSec, AscendingSec, false, second);
  OnPercentDone(this, 50);

  const std::size_t rows = rowAttribs_.size();
  std::vector<SortItem> items(rows - 1);
  for (std::size_t r = 1; r < rows; ++r)
    items[r - 1] = SortItem{primary.key[r], static_cast<uint32_t>(r), primary.cls[r]};
  // The whole comparison: a total order (the stored position decides last), so the result is
  // the one a stable sort of the stored order gives.
  const auto before = [&](const SortItem& a, const SortItem& b) {
    if (a.cls != b.cls) return a.cls < b.cls;
    if (a.key != b.key) return a.key < b.key;
    int c = primary.Compare(a.row, b.row);
    if (c == 0 && secondary) c = second.Compare(a.row, b.row);
    return c != 0 ? c < 0 : a.row < b.row;
  };
  const uint8_t textClass = Ascending ? SortKeys::kText : 0;
  const auto plainlyEqual = [&](std::size_t from, std::size_t to) {
    const SortItem& first = items[from];
    const uint16_t length = primary.length[first.row];
    for (std::size_t k = from + 1; k < to; ++k) {
      const SortItem& item = items[k];
      if (item.cls != first.cls || item.key != first.key) return false;
      // Texts of one length within the key's eight bytes are equal when their keys are.
      if (item.cls == textClass && (primary.length[item.row] != length || length > 8)) return false;
    }
    return first.cls != textClass || length <= 8;
  };
  // Most rows are placed by the radix sort; runs it leaves equal are ordered by the whole
  // comparison, unless every row of the run is plainly equal in the primary column and there
  // is no secondary one: the run is then in stored order already.
  RadixSort(items);
  for (std::size_t i = 0; i < items.size();) {
    std::size_t j = i + 1;
    while (j < items.size() && Composite(items[j]) == Composite(items[i])) ++j;
    if (j - i > 1 && (secondary || !plainlyEqual(i, j)))
      std::sort(items.begin() + static_cast<std::ptrdiff_t>(i),
                items.begin() + static_cast<std::ptrdiff_t>(j), before);
    i = j;
  }
  for (std::size_t i = 0; i < items.size(); ++i) order_[i + 1] = items[i].row;
  OnPercentDone(this, 100);
}

}  // namespace zeb
