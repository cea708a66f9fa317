// TBitFld: a set of bits kept in 64-bit words.
#include <algorithm>
#include <bit>

#include "companion/ZEB_dstruct.h"

namespace zeb {

void TBitFld::SetSize(int size) {
  size = std::max(size, 0);
  words_.resize((static_cast<std::size_t>(size) + 63) / 64, 0);
  // Bits beyond the new size are cleared, so growing again brings false bits.
  if (size % 64 != 0) words_.back() &= (uint64_t{1} << (size % 64)) - 1;
  size_ = size;
}

bool TBitFld::GetBit(int index) const {
  if (index < 0 || index >= size_) return false;
  return (words_[static_cast<std::size_t>(index) / 64] >> (index % 64)) & 1;
}

void TBitFld::SetBit(int index, bool value) {
  if (index < 0 || index >= size_) return;
  const uint64_t mask = uint64_t{1} << (index % 64);
  uint64_t& word = words_[static_cast<std::size_t>(index) / 64];
  word = value ? (word | mask) : (word & ~mask);
}

void TBitFld::Clear() {
  std::fill(words_.begin(), words_.end(), 0);
}

int TBitFld::FirstTrueBit() const {
  for (std::size_t w = 0; w < words_.size(); ++w)
    if (words_[w] != 0) return static_cast<int>(w * 64) + std::countr_zero(words_[w]);
  return -1;
}

int TBitFld::CountTrueBits() const {
  int count = 0;
  for (const uint64_t word : words_) count += std::popcount(word);
  return count;
}

}  // namespace zeb
