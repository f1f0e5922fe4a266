#include "nc_geometry.h"

#include "messages.h"
#include "metrics.h"
#include "window.h"

namespace {

bool HasCaption(DWORD style) { return (style & WS_CAPTION) == WS_CAPTION; }

int Thickness(FrameKind k) {
  switch (k) {
    case FrameKind::None: return 0;
    case FrameKind::Border: return GetSystemMetrics(SM_CXBORDER);
    case FrameKind::Dialog: return GetSystemMetrics(SM_CXDLGFRAME);
    case FrameKind::Sizing: return GetSystemMetrics(SM_CXFRAME);
  }
  return 0;
}

// Along a sizing frame, this far from a corner counts as the corner.
constexpr int kCornerReach = 16;

LRESULT SizingEdge(int width, int height, POINT p, int frame) {
  bool left = p.x < frame, right = p.x >= width - frame;
  bool top = p.y < frame, bottom = p.y >= height - frame;
  bool nearLeft = p.x < kCornerReach, nearRight = p.x >= width - kCornerReach;
  bool nearTop = p.y < kCornerReach, nearBottom = p.y >= height - kCornerReach;
  if ((top && nearLeft) || (left && nearTop)) return HTTOPLEFT;
  if ((top && nearRight) || (right && nearTop)) return HTTOPRIGHT;
  if ((bottom && nearLeft) || (left && nearBottom)) return HTBOTTOMLEFT;
  if ((bottom && nearRight) || (right && nearBottom)) return HTBOTTOMRIGHT;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  if (top) return HTTOP;
  return HTBOTTOM;
}

}  // namespace

FrameKind FrameKindOf(DWORD style, DWORD exStyle) {
  if (style & WS_THICKFRAME) return FrameKind::Sizing;
  if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME)) return FrameKind::Dialog;
  if (style & WS_BORDER) return FrameKind::Border;
  return FrameKind::None;
}

TRect FrameInsets(DWORD style, DWORD exStyle, bool hasMenu) {
  LONG frame = Thickness(FrameKindOf(style, exStyle));
  if (exStyle & WS_EX_CLIENTEDGE) frame += GetSystemMetrics(SM_CXEDGE);
  LONG top = frame;
  if (HasCaption(style))
    top += GetSystemMetrics((exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
  if (hasMenu && !(style & WS_CHILD)) top += GetSystemMetrics(SM_CYMENU);
  return TRect(frame, top, frame, frame);
}

NonClientLayout LayoutNonClient(DWORD style, DWORD exStyle, bool hasMenu, int width, int height) {
  NonClientLayout l;
  l.Frame = FrameKindOf(style, exStyle);
  l.FrameWidth = Thickness(l.Frame);
  const int f = l.FrameWidth;
  int y = f;
  if (HasCaption(style)) {
    l.SmallCaption = (exStyle & WS_EX_TOOLWINDOW) != 0;
    int h = GetSystemMetrics(l.SmallCaption ? SM_CYSMCAPTION : SM_CYCAPTION);
    l.Caption = TRect(f, y, width - f, y + h - 1);
    y += h;
    // Buttons: 2 pixels less wide and 4 less tall than the metric, 2 from
    // the right and centred vertically; a gap of 2 before the close button.
    int bw = GetSystemMetrics(l.SmallCaption ? SM_CXSMSIZE : SM_CXSIZE) - 2;
    int bh = l.Caption.Height() - 4;
    int top = l.Caption.top + 2;
    int right = l.Caption.right - 2;
    if (style & WS_SYSMENU) {
      l.CloseButton = TRect(right - bw, top, right, top + bh);
      right -= bw + 2;
      if (!l.SmallCaption && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX))) {
        l.MaxButton = TRect(right - bw, top, right, top + bh);
        l.MinButton = TRect(right - 2 * bw, top, right - bw, top + bh);
      } else if (!l.SmallCaption && (exStyle & WS_EX_CONTEXTHELP)) {
        l.HelpButton = TRect(right - bw, top, right, top + bh);
      }
      if (!l.SmallCaption && !(exStyle & WS_EX_DLGMODALFRAME)) {
        int icon = GetSystemMetrics(SM_CXSMICON);
        int iy = l.Caption.top + (l.Caption.Height() - icon) / 2;
        l.SysMenuIcon = TRect(l.Caption.left + 2, iy, l.Caption.left + 2 + icon, iy + icon);
      }
    }
  }
  if (hasMenu && !(style & WS_CHILD)) {
    l.MenuBar = TRect(f, y, width - f, y + GetSystemMetrics(SM_CYMENU));
    y = l.MenuBar.bottom;
  }
  TRect inner(f, y, width - f, height - f);
  if (exStyle & WS_EX_CLIENTEDGE) {
    l.ClientEdge = inner;
    int e = GetSystemMetrics(SM_CXEDGE);
    inner = TRect(inner.left + e, inner.top + e, inner.right - e, inner.bottom - e);
  }
  l.Client = inner;
  return l;
}

LRESULT HitTestLayout(const NonClientLayout& l, int width, int height, POINT p) {
  if (p.x < 0 || p.y < 0 || p.x >= width || p.y >= height) return HTNOWHERE;
  if (PtInRect(&l.Client, p)) return HTCLIENT;
  const int f = l.FrameWidth;
  bool inFrame = p.x < f || p.y < f || p.x >= width - f || p.y >= height - f;
  if (inFrame) return l.Frame == FrameKind::Sizing ? SizingEdge(width, height, p, f) : HTBORDER;
  if (PtInRect(&l.CloseButton, p)) return HTCLOSE;
  if (PtInRect(&l.MaxButton, p)) return HTMAXBUTTON;
  if (PtInRect(&l.MinButton, p)) return HTMINBUTTON;
  if (PtInRect(&l.HelpButton, p)) return HTHELP;
  if (PtInRect(&l.SysMenuIcon, p)) return HTSYSMENU;
  TRect captionWithLine(l.Caption.left, l.Caption.top, l.Caption.right, l.Caption.bottom + 1);
  if (!IsRectEmpty(&l.Caption) && PtInRect(&captionWithLine, p)) return HTCAPTION;
  if (PtInRect(&l.MenuBar, p)) return HTMENU;
  return HTBORDER;
}
