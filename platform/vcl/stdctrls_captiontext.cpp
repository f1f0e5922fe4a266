#include "stdctrls_captiontext.h"

#include "colors.h"
#include "dc.h"
#include "gdiobj.h"
#include "text.h"

void DrawCaptionText(HDC DC, TFont* Font, const AnsiString& Text, RECT& Rect, UINT Flags, bool Enabled) {
  HGDIOBJ oldFont = SelectObject(DC, Font->GetHandle());
  const int oldMode = SetBkMode(DC, TRANSPARENT);
  if (Enabled || (Flags & DT_CALCRECT)) {
    SetTextColor(DC, static_cast<COLORREF>(ColorToRGB(Font->GetColor())));
    DrawText(DC, Text.c_str(), -1, &Rect, Flags);
  } else {
    RECT lit = TRect(Rect.left + 1, Rect.top + 1, Rect.right + 1, Rect.bottom + 1);
    SetTextColor(DC, static_cast<COLORREF>(ColorToRGB(clBtnHighlight)));
    DrawText(DC, Text.c_str(), -1, &lit, Flags);
    SetTextColor(DC, static_cast<COLORREF>(ColorToRGB(clBtnShadow)));
    DrawText(DC, Text.c_str(), -1, &Rect, Flags);
  }
  SetBkMode(DC, oldMode);
  SelectObject(DC, oldFont);
}
