// The class library's small sets ("set of TEnum") as a bit mask over an
// enumeration whose members count from 0: bit n stands for the member of
// ordinal n, so Bits() is the ordinal bit sum that form streams and callers
// store.
#pragma once

#include <cstdint>
#include <initializer_list>

template <class E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (E m : members) Include(m);
  }

  constexpr bool Contains(E m) const { return (bits_ & Bit(m)) != 0; }
  constexpr TSet& Include(E m) {
    bits_ |= Bit(m);
    return *this;
  }
  constexpr TSet& Exclude(E m) {
    bits_ &= ~Bit(m);
    return *this;
  }
  constexpr bool Empty() const { return bits_ == 0; }

  constexpr std::uint64_t Bits() const { return bits_; }
  static constexpr TSet FromBits(std::uint64_t bits) {
    TSet s;
    s.bits_ = bits;
    return s;
  }

  friend constexpr TSet operator+(TSet a, TSet b) { return FromBits(a.bits_ | b.bits_); }
  friend constexpr TSet operator-(TSet a, TSet b) { return FromBits(a.bits_ & ~b.bits_); }
  friend constexpr TSet operator*(TSet a, TSet b) { return FromBits(a.bits_ & b.bits_); }
  friend constexpr bool operator==(const TSet& a, const TSet& b) = default;

 private:
  static constexpr std::uint64_t Bit(E m) { return std::uint64_t{1} << static_cast<unsigned>(m); }
  std::uint64_t bits_ = 0;
};
