#include "menu_draw.h"

#include "dc.h"
#include "fill.h"
#include "gdiobj.h"
#include "metrics.h"
#include "syscolors.h"
#include "text.h"

namespace Menus {
namespace {

// A memory DC with the menu font, for measuring outside a paint.
HDC MeasureDC() {
  static HDC dc = nullptr;
  if (!dc) {
    dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, NonClientFontHandle(NonClientFont::Menu));
  }
  return dc;
}

void Pixel(HDC dc, int x, int y, int colorIndex) {
  RECT r = TRect(x, y, x + 1, y + 1);
  FillRect(dc, &r, GetSysColorBrush(colorIndex));
}

void Line(HDC dc, const AnsiString& text, const TRect& r, UINT format, COLORREF color) {
  SetTextColor(dc, color);
  RECT box = r;
  DrawText(dc, text.c_str(), -1, &box, format | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace

SIZE MenuTextSize(const AnsiString& text, bool prefixes) {
  RECT r = TRect(0, 0, 0, 0);
  DrawText(MeasureDC(), text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | (prefixes ? 0 : DT_NOPREFIX));
  return TSize(r.right - r.left, r.bottom - r.top);
}

void DrawMenuText(HDC dc, const AnsiString& text, const TRect& r, UINT format, TextLook look) {
  HGDIOBJ oldFont = SelectObject(dc, NonClientFontHandle(NonClientFont::Menu));
  int oldMode = SetBkMode(dc, TRANSPARENT);
  switch (look) {
    case TextLook::Normal: Line(dc, text, r, format, GetSysColor(COLOR_MENUTEXT)); break;
    case TextLook::Selected: Line(dc, text, r, format, GetSysColor(COLOR_HIGHLIGHTTEXT)); break;
    case TextLook::GrayedSelected: Line(dc, text, r, format, GetSysColor(COLOR_GRAYTEXT)); break;
    case TextLook::Grayed: {
      TRect shifted(r.left + 1, r.top + 1, r.right + 1, r.bottom + 1);
      Line(dc, text, shifted, format, GetSysColor(COLOR_BTNHIGHLIGHT));
      Line(dc, text, r, format, GetSysColor(COLOR_BTNSHADOW));
      break;
    }
  }
  SetBkMode(dc, oldMode);
  SelectObject(dc, oldFont);
}

void DrawCheckMark(HDC dc, const TRect& r, int colorIndex) {
  // A tick two pixels thick: down from the left for three, up to the right
  // for four.
  int x = r.left + (r.Width() - 7) / 2, y = r.top + (r.Height() - 7) / 2;
  static const int kRise[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int i = 0; i < 7; ++i)
    for (int t = 0; t < 3; ++t) Pixel(dc, x + i, y + kRise[i] + t, colorIndex);
}

void DrawSubmenuArrow(HDC dc, const TRect& r, int colorIndex) {
  int x = r.left + (r.Width() - 4) / 2, y = r.top + (r.Height() - 7) / 2;
  for (int i = 0; i < 4; ++i) {
    RECT col = TRect(x + i, y + i, x + i + 1, y + 7 - i);
    FillRect(dc, &col, GetSysColorBrush(colorIndex));
  }
}

}  // namespace Menus
