// Pens: style, width and colour. A width of 0 draws one pixel like 1.
#pragma once

#include "gdiobj.h"
#include "wintypes.h"

constexpr UINT PS_SOLID = 0;
constexpr UINT PS_DASH = 1;
constexpr UINT PS_DOT = 2;
constexpr UINT PS_DASHDOT = 3;
constexpr UINT PS_DASHDOTDOT = 4;
constexpr UINT PS_NULL = 5;
constexpr UINT PS_INSIDEFRAME = 6;
constexpr UINT PS_STYLE_MASK = 0x0000000F;

struct LOGPEN {
  UINT lopnStyle = PS_SOLID;
  POINT lopnWidth;  // x is the width; y unused
  COLORREF lopnColor = 0;
};

struct PenObject : GdiObject {
  LOGPEN log;
  int GetObjectData(int size, void* out) const override;
  UINT Style() const { return log.lopnStyle & PS_STYLE_MASK; }
  int Width() const { return log.lopnWidth.x < 1 ? 1 : log.lopnWidth.x; }
  bool IsNull() const { return Style() == PS_NULL; }
};

HPEN CreatePen(int style, int width, COLORREF color);
HPEN CreatePenIndirect(const LOGPEN* lp);
