#include "colors.h"

#include <array>
#include <cstdio>
#include <strings.h>

namespace {

struct ColorName {
  TColor Value;
  const char* Name;
};

// The class library's table, in its order: colour lists show it so.
constexpr std::array<ColorName, 42> kColorNames = {{
    {clBlack, "clBlack"},
    {clMaroon, "clMaroon"},
    {clGreen, "clGreen"},
    {clOlive, "clOlive"},
    {clNavy, "clNavy"},
    {clPurple, "clPurple"},
    {clTeal, "clTeal"},
    {clGray, "clGray"},
    {clSilver, "clSilver"},
    {clRed, "clRed"},
    {clLime, "clLime"},
    {clYellow, "clYellow"},
    {clBlue, "clBlue"},
    {clFuchsia, "clFuchsia"},
    {clAqua, "clAqua"},
    {clWhite, "clWhite"},
    {clScrollBar, "clScrollBar"},
    {clBackground, "clBackground"},
    {clActiveCaption, "clActiveCaption"},
    {clInactiveCaption, "clInactiveCaption"},
    {clMenu, "clMenu"},
    {clWindow, "clWindow"},
    {clWindowFrame, "clWindowFrame"},
    {clMenuText, "clMenuText"},
    {clWindowText, "clWindowText"},
    {clCaptionText, "clCaptionText"},
    {clActiveBorder, "clActiveBorder"},
    {clInactiveBorder, "clInactiveBorder"},
    {clAppWorkSpace, "clAppWorkSpace"},
    {clHighlight, "clHighlight"},
    {clHighlightText, "clHighlightText"},
    {clBtnFace, "clBtnFace"},
    {clBtnShadow, "clBtnShadow"},
    {clGrayText, "clGrayText"},
    {clBtnText, "clBtnText"},
    {clInactiveCaptionText, "clInactiveCaptionText"},
    {clBtnHighlight, "clBtnHighlight"},
    {cl3DDkShadow, "cl3DDkShadow"},
    {cl3DLight, "cl3DLight"},
    {clInfoText, "clInfoText"},
    {clInfoBk, "clInfoBk"},
    {clNone, "clNone"},
}};

}  // namespace

LongInt SystemColorToRGB(TColor Color) { return static_cast<LongInt>(GetSysColor(Color & 0xFF)); }

bool ColorToIdent(LongInt Color, AnsiString& Ident) {
  for (const ColorName& c : kColorNames)
    if (c.Value == Color) {
      Ident = c.Name;
      return true;
    }
  return false;
}

bool IdentToColor(const AnsiString& Ident, LongInt& Color) {
  for (const ColorName& c : kColorNames)
    if (strcasecmp(c.Name, Ident.c_str()) == 0) {
      Color = c.Value;
      return true;
    }
  return false;
}

AnsiString ColorToString(TColor Color) {
  AnsiString name;
  if (ColorToIdent(Color, name)) return name;
  char hex[12];
  std::snprintf(hex, sizeof hex, "$%.8X", static_cast<unsigned>(Color));
  return AnsiString(hex);
}

TColor StringToColor(const AnsiString& S) {
  LongInt color = 0;
  if (IdentToColor(S, color)) return color;
  return S.ToInt();
}

void GetColorValues(TGetStrProc Proc) {
  for (const ColorName& c : kColorNames) Proc(AnsiString(c.Name));
}
