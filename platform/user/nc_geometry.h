// Where the parts of a window's non-client area lie: the frame, the caption
// with its buttons and system-menu icon, the menu bar and the client edge,
// all from the metrics table. Pure geometry; painting and hit testing use it.
#pragma once

#include "rect.h"
#include "wintypes.h"

enum class FrameKind { None, Border, Dialog, Sizing };

FrameKind FrameKindOf(DWORD style, DWORD exStyle);
// Window rect minus these = client rect.
TRect FrameInsets(DWORD style, DWORD exStyle, bool hasMenu);

struct NonClientLayout {
  FrameKind Frame = FrameKind::None;
  int FrameWidth = 0;
  bool SmallCaption = false;
  TRect Caption;      // the caption bar, without its bottom line
  TRect SysMenuIcon;  // empty when the window has none
  TRect CloseButton, MaxButton, MinButton, HelpButton;  // empty when absent
  TRect MenuBar;      // empty without a menu
  TRect ClientEdge;   // the outer rectangle of the sunken client edge, if any
  TRect Client;       // what is left
};

// Window coordinates for a window of the given size.
NonClientLayout LayoutNonClient(DWORD style, DWORD exStyle, bool hasMenu, int width, int height);

// The hit-test code of a point in window coordinates (HTCLIENT inside the
// client rect, HTNOWHERE outside the window).
LRESULT HitTestLayout(const NonClientLayout& layout, int width, int height, POINT p);
