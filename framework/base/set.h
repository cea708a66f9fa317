// fw::Set<Enum>: a small bit-set over an enumeration, the C++ form of the platform's set types
// (TFontStyles, TShiftState, TGridOptions). Enumerations with up to 64 values.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace fw {

template <typename Enum>
class Set {
  static_assert(std::is_enum_v<Enum>, "Set is defined over enumerations");

 public:
  constexpr Set() = default;
  constexpr Set(Enum e) : bits_(Bit(e)) {}
  constexpr Set(std::initializer_list<Enum> items) {
    for (Enum e : items) bits_ |= Bit(e);
  }

  // The set whose bit i is bit i of `bits` (bit i stands for the enumeration value i).
  static constexpr Set FromBits(uint64_t bits) {
    Set s;
    s.bits_ = bits;
    return s;
  }
  constexpr uint64_t Bits() const { return bits_; }

  constexpr bool Contains(Enum e) const { return (bits_ & Bit(e)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr void Include(Enum e) { bits_ |= Bit(e); }
  constexpr void Exclude(Enum e) { bits_ &= ~Bit(e); }

  constexpr Set operator+(Set other) const { return FromBits(bits_ | other.bits_); }
  constexpr Set operator-(Set other) const { return FromBits(bits_ & ~other.bits_); }
  constexpr Set operator*(Set other) const { return FromBits(bits_ & other.bits_); }
  constexpr Set& operator+=(Set other) {
    bits_ |= other.bits_;
    return *this;
  }
  constexpr Set& operator-=(Set other) {
    bits_ &= ~other.bits_;
    return *this;
  }
  constexpr Set& operator*=(Set other) {
    bits_ &= other.bits_;
    return *this;
  }
  constexpr bool operator==(const Set&) const = default;

  // a <= b: every member of a is in b.
  constexpr bool operator<=(Set other) const { return (bits_ & ~other.bits_) == 0; }

 private:
  static constexpr uint64_t Bit(Enum e) { return uint64_t{1} << static_cast<unsigned>(e); }
  uint64_t bits_ = 0;
};

}  // namespace fw
