// Internal helpers of the report list's text writers and readers: finding the bytes that need
// attention in plain text eight bytes at a time, and copying short pieces of text in place.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace zeb::rlio {

// Finds the bytes of a small set in a text, eight bytes at a time: N chosen bytes and, when
// asked, every byte below 0x20 or from 0x80 on (controls and the bytes of non-ASCII
// characters), which are the bytes a writer or reader of plain text has to look at.
template <std::size_t N>
class ByteScan {
 public:
  ByteScan(const std::array<char, N>& bytes, bool controlsAndHigh)
      : controlsAndHigh_(controlsAndHigh) {
    for (std::size_t k = 0; k < N; ++k) {
      patterns_[k] = kOnes * static_cast<unsigned char>(bytes[k]);
      member_[static_cast<unsigned char>(bytes[k])] = true;
    }
    if (controlsAndHigh)
      for (int b = 0; b < 256; ++b)
        if (b < 0x20 || b >= 0x80) member_[b] = true;
  }

  // Position of the first byte of the set in text from `from` on; text.size() when none.
  // A word's lowest flagged byte is always a byte of the set (the zero-byte test flags
  // wrongly only above a true hit), so the first hit is exact.
  std::size_t Find(std::string_view text, std::size_t from = 0) const {
    std::size_t i = from;
    if constexpr (std::endian::native == std::endian::little) {
      for (; i + 8 <= text.size(); i += 8) {
        uint64_t word = 0;
        std::memcpy(&word, text.data() + i, 8);
        uint64_t hits =
            controlsAndHigh_ ? ((word - kOnes * 0x20) & ~word & kHighBits) | (word & kHighBits) : 0;
        for (const uint64_t pattern : patterns_) {
          const uint64_t x = word ^ pattern;
          hits |= (x - kOnes) & ~x & kHighBits;
        }
        if (hits != 0) return i + static_cast<std::size_t>(std::countr_zero(hits)) / 8;
      }
    }
    for (; i < text.size(); ++i)
      if (member_[static_cast<unsigned char>(text[i])]) return i;
    return text.size();
  }

 private:
  static constexpr uint64_t kOnes = 0x0101010101010101ULL;
  static constexpr uint64_t kHighBits = 0x8080808080808080ULL;

  std::array<uint64_t, N> patterns_{};
  bool controlsAndHigh_;
  bool member_[256] = {};
};

// Copies text to `to` (which has room for it) and returns the end: the short pieces writers
// put together are copied in place, without a call.
inline char* PutText(char* to, std::string_view text) {
  const char* from = text.data();
  const std::size_t n = text.size();
  if (n >= 8 && n <= 16) {
    // Two eight-byte words that overlap cover every length in between.
    uint64_t head = 0;
    uint64_t tail = 0;
    std::memcpy(&head, from, 8);
    std::memcpy(&tail, from + n - 8, 8);
    std::memcpy(to, &head, 8);
    std::memcpy(to + n - 8, &tail, 8);
  } else if (n > 16) {
    std::memcpy(to, from, n);
  } else {
    for (std::size_t i = 0; i < n; ++i) to[i] = from[i];
  }
  return to + n;
}

}  // namespace zeb::rlio
