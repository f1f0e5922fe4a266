#include "syscolors.h"

#include <array>
#include <atomic>
#include <mutex>

#include "brush.h"

namespace {

struct SysColorState {
  std::array<std::atomic<COLORREF>, kSysColorCount> colors;
  std::array<HBRUSH, kSysColorCount> brushes{};
  std::mutex brushLock;
};

SysColorState& State() {
  static SysColorState* state = [] {
    // The classic scheme (grey 3-D faces, navy captions, teal desktop).
    static constexpr COLORREF kClassic[kSysColorCount] = {
        RGB(192, 192, 192),  // SCROLLBAR
        RGB(0, 128, 128),    // BACKGROUND
        RGB(0, 0, 128),      // ACTIVECAPTION
        RGB(128, 128, 128),  // INACTIVECAPTION
        RGB(192, 192, 192),  // MENU
        RGB(255, 255, 255),  // WINDOW
        RGB(0, 0, 0),        // WINDOWFRAME
        RGB(0, 0, 0),        // MENUTEXT
        RGB(0, 0, 0),        // WINDOWTEXT
        RGB(255, 255, 255),  // CAPTIONTEXT
        RGB(192, 192, 192),  // ACTIVEBORDER
        RGB(192, 192, 192),  // INACTIVEBORDER
        RGB(128, 128, 128),  // APPWORKSPACE
        RGB(0, 0, 128),      // HIGHLIGHT
        RGB(255, 255, 255),  // HIGHLIGHTTEXT
        RGB(192, 192, 192),  // BTNFACE
        RGB(128, 128, 128),  // BTNSHADOW
        RGB(128, 128, 128),  // GRAYTEXT
        RGB(0, 0, 0),        // BTNTEXT
        RGB(192, 192, 192),  // INACTIVECAPTIONTEXT
        RGB(255, 255, 255),  // BTNHIGHLIGHT
        RGB(0, 0, 0),        // 3DDKSHADOW
        RGB(223, 223, 223),  // 3DLIGHT
        RGB(0, 0, 0),        // INFOTEXT
        RGB(255, 255, 225),  // INFOBK
        RGB(180, 180, 180),  // (unnamed)
        RGB(0, 0, 255),      // HOTLIGHT
        RGB(16, 132, 208),   // GRADIENTACTIVECAPTION
        RGB(181, 181, 181),  // GRADIENTINACTIVECAPTION
        RGB(0, 0, 128),      // MENUHILIGHT
        RGB(192, 192, 192),  // MENUBAR
    };
    auto* s = new SysColorState;
    for (int i = 0; i < kSysColorCount; ++i) s->colors[i].store(kClassic[i]);
    return s;
  }();
  return *state;
}

bool ValidIndex(int index) { return index >= 0 && index < kSysColorCount; }

}  // namespace

DWORD GetSysColor(int index) { return ValidIndex(index) ? State().colors[index].load() : 0; }

BOOL SetSysColors(int count, const int* indices, const COLORREF* colors) {
  if (count < 0 || (count > 0 && (!indices || !colors))) return FALSE;
  SysColorState& s = State();
  for (int i = 0; i < count; ++i) {
    if (!ValidIndex(indices[i])) continue;
    s.colors[indices[i]].store(colors[i] & 0x00FFFFFF);
    std::lock_guard<std::mutex> guard(s.brushLock);
    if (auto* b = GdiResolveAs<BrushObject>(s.brushes[indices[i]], GdiKind::Brush)) b->log.lbColor = colors[i];
  }
  return TRUE;
}

HBRUSH GetSysColorBrush(int index) {
  if (!ValidIndex(index)) return nullptr;
  SysColorState& s = State();
  std::lock_guard<std::mutex> guard(s.brushLock);
  if (!s.brushes[index]) {
    auto brush = std::make_unique<BrushObject>();
    brush->log.lbStyle = BS_SOLID;
    brush->log.lbColor = s.colors[index].load();
    s.brushes[index] = static_cast<HBRUSH>(GdiCreateHandle(GdiKind::Brush, std::move(brush), true));
  }
  return s.brushes[index];
}
