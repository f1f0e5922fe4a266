#include "random.h"

#include <atomic>
#include <cstdint>

namespace {

constexpr std::uint64_t kMultiplier = (std::uint64_t{346} << 32) + 20021;

std::atomic<std::uint64_t>& State() {
  static std::atomic<std::uint64_t> state{1};
  return state;
}

}  // namespace

int RtlRand() {
  std::atomic<std::uint64_t>& state = State();
  std::uint64_t old = state.load(std::memory_order_relaxed);
  std::uint64_t next;
  // Each draw takes exactly one step of the sequence, even when two threads draw at once.
  do {
    next = old * kMultiplier + 1;
  } while (!state.compare_exchange_weak(old, next, std::memory_order_relaxed));
  return static_cast<int>((next >> 32) & 0x7FFFFFFF);
}

void RtlRandReset() { State().store(1, std::memory_order_relaxed); }
