// The class library's paint order: the background (WM_ERASEBKGND fills with
// Color), the control's own painting with its opaque window-less children
// clipped out, then those children, each clipped to its bounds with the
// origin at its corner.
#include "colors.h"
#include "gdi.h"
#include "paint.h"
#include "scope_guard.h"
#include "wincontrol.h"

void TWinControl::WMPaint(TMessage& Message) {
  if (Message.WParam) {
    PaintHandler(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(handle_, &ps);
  TScopeGuard endPaint([&] { EndPaint(handle_, &ps); });
  PaintHandler(dc);
}

void TWinControl::PaintHandler(HDC DC) {
  const int saved = SaveDC(DC);
  for (TControl* c : controls_)
    if (!c->Is<TWinControl>() && c->GetVisible() && c->GetControlStyle().Contains(csOpaque))
      ExcludeClipRect(DC, c->GetLeft(), c->GetTop(), c->GetLeft() + c->GetWidth(), c->GetTop() + c->GetHeight());
  {
    TScopeGuard restore([&] { RestoreDC(DC, saved); });
    PaintWindow(DC);
  }
  PaintControls(DC, nullptr);
}

void TWinControl::PaintWindow(HDC) {}

void TWinControl::PaintControls(HDC DC, TControl* First) {
  std::size_t start = 0;
  if (First)
    while (start < controls_.size() && controls_[start] != First) ++start;
  const std::vector<TControl*> children = controls_;
  for (std::size_t i = start; i < children.size(); ++i) {
    TControl* c = children[i];
    if (c->Is<TWinControl>() || !c->GetVisible()) continue;
    const TRect b = c->GetBoundsRect();
    const int saved = SaveDC(DC);
    if (IntersectClipRect(DC, b.left, b.top, b.right, b.bottom) != NULLREGION) {
      OffsetViewportOrgEx(DC, b.left, b.top, nullptr);
      c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    }
    RestoreDC(DC, saved);
  }
}

void TWinControl::WMEraseBkgnd(TMessage& Message) {
  HDC dc = reinterpret_cast<HDC>(Message.WParam);
  RECT r = GetClientRect();
  HBRUSH brush = CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(GetColor())));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
  Message.Result = 1;
}
