#include "window_table.h"

#include <algorithm>
#include <cstdint>

#include "window.h"

namespace WindowManager {
namespace {

// Handle = generation << 16 | slot index. Slot 0 is never used, so no live
// handle is 0; generations stay below 2^15 so handles are positive.
constexpr std::uint32_t kMaxSlots = 0xFFFF;
constexpr std::uint32_t kMaxGeneration = 0x7FFF;
constexpr std::uint32_t kDesktopSlot = 1;

struct Slot {
  std::unique_ptr<WindowRecord> Record;
  std::uint32_t Generation = 1;
  std::uint64_t Serial = 0;  // creation order
};

struct Table {
  std::vector<Slot> Slots = std::vector<Slot>(2);
  std::vector<std::uint32_t> Free;
  std::uint64_t NextSerial = 1;
};

Table& Windows() {
  static Table table;
  return table;
}

HWND MakeHandle(std::uint32_t index, std::uint32_t generation) {
  return reinterpret_cast<HWND>(static_cast<std::uintptr_t>((generation << 16) | index));
}

Slot* SlotOf(HWND hwnd) {
  auto value = reinterpret_cast<std::uintptr_t>(hwnd);
  if (value == 0 || value > 0x7FFFFFFF) return nullptr;
  std::uint32_t index = value & 0xFFFF;
  std::uint32_t generation = static_cast<std::uint32_t>(value >> 16);
  Table& t = Windows();
  if (index == 0 || index >= t.Slots.size()) return nullptr;
  Slot& s = t.Slots[index];
  if (!s.Record || s.Generation != generation) return nullptr;
  return &s;
}

}  // namespace

WindowRecord& Desktop() {
  Table& t = Windows();
  Slot& s = t.Slots[kDesktopSlot];
  if (!s.Record) {
    s.Record = std::make_unique<WindowRecord>();
    s.Record->Handle = MakeHandle(kDesktopSlot, s.Generation);
    s.Record->Style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
  }
  return *s.Record;
}

bool IsDesktop(HWND hwnd) { return hwnd && hwnd == Desktop().Handle; }

WindowRecord* Find(HWND hwnd) {
  Desktop();
  Slot* s = SlotOf(hwnd);
  return s ? s->Record.get() : nullptr;
}

WindowRecord* AllocateWindow() {
  Desktop();
  Table& t = Windows();
  std::uint32_t index;
  if (!t.Free.empty()) {
    index = t.Free.back();
    t.Free.pop_back();
  } else {
    if (t.Slots.size() >= kMaxSlots) return nullptr;
    index = static_cast<std::uint32_t>(t.Slots.size());
    t.Slots.emplace_back();
  }
  Slot& s = t.Slots[index];
  s.Record = std::make_unique<WindowRecord>();
  s.Record->Handle = MakeHandle(index, s.Generation);
  s.Serial = t.NextSerial++;
  return s.Record.get();
}

void RetireWindow(HWND hwnd) {
  Slot* s = SlotOf(hwnd);
  if (!s || IsDesktop(hwnd)) return;
  s->Record.reset();
  s->Generation = s->Generation >= kMaxGeneration ? 1 : s->Generation + 1;
  Table& t = Windows();
  t.Free.push_back(static_cast<std::uint32_t>(s - t.Slots.data()));
}

std::vector<HWND> AllWindows() {
  Table& t = Windows();
  std::vector<std::pair<std::uint64_t, HWND>> live;
  for (std::size_t i = kDesktopSlot + 1; i < t.Slots.size(); ++i)
    if (t.Slots[i].Record) live.emplace_back(t.Slots[i].Serial, t.Slots[i].Record->Handle);
  std::sort(live.begin(), live.end(), [](auto& a, auto& b) { return a.first < b.first; });
  std::vector<HWND> out;
  out.reserve(live.size());
  for (auto& [serial, h] : live) out.push_back(h);
  return out;
}

std::vector<HWND> TopLevelWindows() { return Desktop().Children; }

WindowRecord* TopLevelOf(WindowRecord& w) {
  WindowRecord* cur = &w;
  while (cur && !IsDesktop(cur->Handle)) {
    if (IsDesktop(cur->Parent)) return cur;
    cur = Find(cur->Parent);
  }
  return nullptr;
}

TPoint OriginOnSurface(const WindowRecord& w) {
  TPoint p(0, 0);
  const WindowRecord* cur = &w;
  while (!IsDesktop(cur->Parent)) {
    const WindowRecord* parent = Find(cur->Parent);
    if (!parent) break;
    p.x += cur->Rect.left + parent->Client.left;
    p.y += cur->Rect.top + parent->Client.top;
    cur = parent;
  }
  return p;
}

TPoint OriginOnScreen(const WindowRecord& w) {
  // Summed in 64 bits and saturated: windows placed at the far end of the
  // coordinate range (a form from outside may put them there) stay on it.
  std::int64_t x = 0, y = 0;
  const WindowRecord* cur = &w;
  while (cur && !IsDesktop(cur->Handle)) {
    x += cur->Rect.left;
    y += cur->Rect.top;
    const WindowRecord* parent = Find(cur->Parent);
    if (!parent || IsDesktop(parent->Handle)) break;
    x += parent->Client.left;
    y += parent->Client.top;
    cur = parent;
  }
  return TPoint(SaturatedCoordinate(x), SaturatedCoordinate(y));
}

bool IsShown(const WindowRecord& w) {
  const WindowRecord* cur = &w;
  while (cur && !IsDesktop(cur->Handle)) {
    if (!cur->IsVisibleBit()) return false;
    cur = Find(cur->Parent);
  }
  return cur != nullptr;
}

}  // namespace WindowManager

bool WindowManager::WindowRecord::IsTopLevel() const { return IsDesktop(Parent); }

WindowManager::WindowRecord* WindowManager::FindByHost(Backend::HostWindowId id) {
  if (!id) return nullptr;
  for (HWND h : TopLevelWindows())
    if (WindowRecord* w = Find(h); w && w->Host == id) return w;
  return nullptr;
}
