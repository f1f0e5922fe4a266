#include "wndproc.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

static_assert(sizeof(void*) == 8, "object instances are tagged 64-bit values");

namespace {

// Instances live where no user-space code does: the top 16 bits all set,
// then a 16-bit generation and a 32-bit slot index.
constexpr std::uintptr_t kInstanceTag = 0xFFFF000000000000ull;
constexpr std::uintptr_t kTagMask = 0xFFFF000000000000ull;

struct InstanceSlot {
  TWndMethod Method;
  std::uint16_t Generation = 1;
  bool Live = false;
};

struct InstanceTable {
  std::vector<InstanceSlot> Slots;
  std::vector<std::uint32_t> Free;
  // Retired values that pass their messages on, and where to. Kept for
  // good: a retired value is never handed out again, so no entry goes stale.
  std::unordered_map<std::uintptr_t, WNDPROC> Forwards;
};

// Retired hooks forwarding to retired hooks form a chain; one that loops
// back on itself ends in the default handling after this many links.
constexpr int kMaxForwardHops = 256;

InstanceTable& Instances() {
  static InstanceTable table;
  return table;
}

InstanceSlot* Resolve(WNDPROC proc) {
  auto value = reinterpret_cast<std::uintptr_t>(proc);
  if ((value & kTagMask) != kInstanceTag) return nullptr;
  auto index = static_cast<std::uint32_t>(value & 0xFFFFFFFFu);
  auto generation = static_cast<std::uint16_t>((value >> 32) & 0xFFFF);
  InstanceTable& t = Instances();
  if (index >= t.Slots.size()) return nullptr;
  InstanceSlot& s = t.Slots[index];
  return s.Live && s.Generation == generation ? &s : nullptr;
}

}  // namespace

bool IsObjectInstance(WNDPROC proc) {
  return proc && (reinterpret_cast<std::uintptr_t>(proc) & kTagMask) == kInstanceTag;
}

WNDPROC MakeObjectInstance(const TWndMethod& method) {
  InstanceTable& t = Instances();
  std::uint32_t index;
  if (!t.Free.empty()) {
    index = t.Free.back();
    t.Free.pop_back();
  } else {
    index = static_cast<std::uint32_t>(t.Slots.size());
    t.Slots.emplace_back();
  }
  InstanceSlot& s = t.Slots[index];
  s.Method = method;
  s.Live = true;
  std::uintptr_t value = kInstanceTag | (static_cast<std::uintptr_t>(s.Generation) << 32) | index;
  return reinterpret_cast<WNDPROC>(value);
}

void FreeObjectInstance(WNDPROC instance, WNDPROC forwardTo) {
  InstanceSlot* s = Resolve(instance);
  if (!s) return;
  s->Method = nullptr;
  s->Live = false;
  InstanceTable& t = Instances();
  if (forwardTo && forwardTo != instance) t.Forwards[reinterpret_cast<std::uintptr_t>(instance)] = forwardTo;
  auto index = static_cast<std::uint32_t>(s - t.Slots.data());
  // A slot whose generations are used up is never reused, so no retired
  // value can come back to life.
  if (++s->Generation != 0) t.Free.push_back(index);
}

LRESULT CallWindowProc(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  for (int hop = 0; IsObjectInstance(proc) && !Resolve(proc); ++hop) {
    const auto& forwards = Instances().Forwards;
    const auto next = forwards.find(reinterpret_cast<std::uintptr_t>(proc));
    if (next == forwards.end() || hop == kMaxForwardHops) return DefWindowProc(hwnd, msg, wParam, lParam);
    proc = next->second;
  }
  if (!proc) return 0;
  if (IsObjectInstance(proc)) {
    InstanceSlot* s = Resolve(proc);
    // A copy: the method may free its own instance while it runs.
    TWndMethod method = s->Method;
    TMessage m;
    m.Msg = msg;
    m.WParam = wParam;
    m.LParam = lParam;
    method(m);
    return m.Result;
  }
  return proc(hwnd, msg, wParam, lParam);
}
