// The default non-client engine, until the frames module installs its own:
// plain thicknesses, no drawing, a simple hit test.
#include "messages.h"
#include "window.h"
#include "window_internal.h"

namespace WindowManager {
namespace {

constexpr LONG kBorder = 1;
constexpr LONG kClientEdge = 2;
constexpr LONG kDialogFrame = 3;
constexpr LONG kSizingFrame = 4;
constexpr LONG kCaption = 19;
constexpr LONG kSmallCaption = 15;
constexpr LONG kMenuBar = 19;

TRect DefaultInsets(DWORD style, DWORD exStyle, bool hasMenu) {
  LONG frame = 0;
  if (style & WS_THICKFRAME)
    frame = kSizingFrame;
  else if ((style & WS_CAPTION) == WS_CAPTION || (style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME))
    frame = kDialogFrame;
  else if (style & WS_BORDER)
    frame = kBorder;
  if (exStyle & WS_EX_CLIENTEDGE) frame += kClientEdge;
  LONG top = frame;
  if ((style & WS_CAPTION) == WS_CAPTION) top += (exStyle & WS_EX_TOOLWINDOW) ? kSmallCaption : kCaption;
  if (hasMenu && !(style & WS_CHILD)) top += kMenuBar;
  return TRect(frame, top, frame, frame);
}

LRESULT DefaultHitTest(HWND hwnd, POINT screen) {
  WindowRecord* w = Find(hwnd);
  if (!w) return HTNOWHERE;
  TPoint origin = OriginOnScreen(*w);
  LONG y = screen.y - origin.y;
  if ((w->Style & WS_CAPTION) == WS_CAPTION && y < w->Client.top && y >= 0) return HTCAPTION;
  return HTBORDER;
}

struct Hooks {
  NonClientMetricsProvider Metrics = nullptr;
  NonClientPainter Painter = nullptr;
  NonClientHitTester HitTester = nullptr;
  DefWindowProcExtension Extension = nullptr;
};

Hooks& Installed() {
  static Hooks hooks;
  return hooks;
}

}  // namespace

void SetNonClientMetricsProvider(NonClientMetricsProvider provider) { Installed().Metrics = provider; }
TRect NonClientInsets(DWORD style, DWORD exStyle, bool hasMenu) {
  auto f = Installed().Metrics;
  return f ? f(style, exStyle, hasMenu) : DefaultInsets(style, exStyle, hasMenu);
}

void SetNonClientPainter(NonClientPainter painter) { Installed().Painter = painter; }
void PaintNonClient(HWND hwnd, HDC windowDC, const Region& update) {
  if (auto f = Installed().Painter) f(hwnd, windowDC, update);
}

void SetNonClientHitTester(NonClientHitTester tester) { Installed().HitTester = tester; }
LRESULT HitTestNonClient(HWND hwnd, POINT screen) {
  auto f = Installed().HitTester;
  return f ? f(hwnd, screen) : DefaultHitTest(hwnd, screen);
}

void SetDefWindowProcExtension(DefWindowProcExtension extension) { Installed().Extension = extension; }
bool CallDefWindowProcExtension(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  auto f = Installed().Extension;
  return f && f(hwnd, msg, wParam, lParam, result);
}

}  // namespace WindowManager
