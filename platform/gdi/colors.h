// TColor: the class library's colour values and their names.
//
// A colour is 0x00BBGGRR, a system colour 0x80000000 + its COLOR_* index
// (negative as an Integer), clNone and clDefault are sentinels for "no
// colour" and "the control's own default".
#pragma once

#include "ansistring.h"
#include "events.h"
#include "syscolors.h"
#include "wintypes.h"

using TColor = Integer;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;

constexpr TColor clScrollBar = SystemColor(COLOR_SCROLLBAR);
constexpr TColor clBackground = SystemColor(COLOR_BACKGROUND);
constexpr TColor clActiveCaption = SystemColor(COLOR_ACTIVECAPTION);
constexpr TColor clInactiveCaption = SystemColor(COLOR_INACTIVECAPTION);
constexpr TColor clMenu = SystemColor(COLOR_MENU);
constexpr TColor clWindow = SystemColor(COLOR_WINDOW);
constexpr TColor clWindowFrame = SystemColor(COLOR_WINDOWFRAME);
constexpr TColor clMenuText = SystemColor(COLOR_MENUTEXT);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);
constexpr TColor clCaptionText = SystemColor(COLOR_CAPTIONTEXT);
constexpr TColor clActiveBorder = SystemColor(COLOR_ACTIVEBORDER);
constexpr TColor clInactiveBorder = SystemColor(COLOR_INACTIVEBORDER);
constexpr TColor clAppWorkSpace = SystemColor(COLOR_APPWORKSPACE);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnShadow = SystemColor(COLOR_BTNSHADOW);
constexpr TColor clGrayText = SystemColor(COLOR_GRAYTEXT);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor clInactiveCaptionText = SystemColor(COLOR_INACTIVECAPTIONTEXT);
constexpr TColor clBtnHighlight = SystemColor(COLOR_BTNHIGHLIGHT);
constexpr TColor cl3DDkShadow = SystemColor(COLOR_3DDKSHADOW);
constexpr TColor cl3DLight = SystemColor(COLOR_3DLIGHT);
constexpr TColor clInfoText = SystemColor(COLOR_INFOTEXT);
constexpr TColor clInfoBk = SystemColor(COLOR_INFOBK);

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// A system colour (negative) resolved through GetSysColor(Color & 0xFF),
// which answers 0 for an index it does not know; any other value unchanged,
// the palette flag 0x02000000 included. Inline for the plain colours, since
// a canvas resolves its colours before every operation.
LongInt SystemColorToRGB(TColor Color);
inline LongInt ColorToRGB(TColor Color) { return Color < 0 ? SystemColorToRGB(Color) : Color; }

// The name of the colour table ("clNavy", "clBtnFace", "clNone"), else
// "$" and eight hex digits ("$00BBGGRR").
AnsiString ColorToString(TColor Color);
// A name (any case) or a number, decimal or "$" hex; else EConvertError.
TColor StringToColor(const AnsiString& S);
// True and the colour when Ident names one (any case).
bool IdentToColor(const AnsiString& Ident, LongInt& Color);
// True and the name when the colour has one.
bool ColorToIdent(LongInt Color, AnsiString& Ident);

// Calls Proc with every name of the table, in table order.
using TGetStrProc = TClosure<void(const AnsiString& S)>;
void GetColorValues(TGetStrProc Proc);
