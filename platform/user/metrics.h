// The system metrics and parameters: one fixed classic 96-dpi table, shared
// with the frames the layer paints itself, so that a window's outer size is
// always its client size plus exactly these frames.
//
//   index                          value
//   SM_CXSCREEN, SM_CYSCREEN       the host's primary display
//   SM_CXVSCROLL, SM_CYHSCROLL     16 (also the arrow sizes and thumbs)
//   SM_CYCAPTION                   19 (an 18-pixel bar and its bottom line)
//   SM_CXBORDER, SM_CYBORDER       1  (WS_BORDER)
//   SM_CXDLGFRAME, SM_CYDLGFRAME   3  (WS_DLGFRAME, WS_CAPTION without sizing)
//   SM_CXFRAME, SM_CYFRAME         4  (WS_THICKFRAME)
//   SM_CXEDGE, SM_CYEDGE           2  (WS_EX_CLIENTEDGE)
//   SM_CXICON, SM_CYICON           32; cursors 32
//   SM_CXSIZE, SM_CYSIZE           18 (caption buttons are 16 x 14 inside)
//   SM_CXSMICON, SM_CYSMICON       16
//   SM_CYSMCAPTION                 15 (tool windows)
//   SM_CXSMSIZE, SM_CYSMSIZE       12
//   SM_CYMENU                      19 (one menu-bar row)
//   SM_CXDOUBLECLK, SM_CYDOUBLECLK 4
//   SM_CXMIN, SM_CYMIN             112, 27
//   SM_CXMENUCHECK, SM_CYMENUCHECK 13
//   SM_XVIRTUALSCREEN ...          the desktop (union of the displays)
//   SM_CMONITORS                   the number of displays
//   SM_SWAPBUTTON 0, SM_MOUSEPRESENT 1, SM_CMOUSEBUTTONS 3, wheel present 1
//   any other index                0
//
// SystemParametersInfo answers SPI_GETWORKAREA (the desktop: the layer
// knows no panels), SPI_GETNONCLIENTMETRICS (the numbers above; captions in
// bold "MS Sans Serif" of height -11, menus and messages in the regular
// face) and SPI_GETSCREENSAVETIMEOUT (600 seconds).
#pragma once

#include "font.h"
#include "wintypes.h"

constexpr int SM_CXSCREEN = 0;
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;
constexpr int SM_CYCAPTION = 4;
constexpr int SM_CXBORDER = 5;
constexpr int SM_CYBORDER = 6;
constexpr int SM_CXDLGFRAME = 7;
constexpr int SM_CYDLGFRAME = 8;
constexpr int SM_CYVTHUMB = 9;
constexpr int SM_CXHTHUMB = 10;
constexpr int SM_CXICON = 11;
constexpr int SM_CYICON = 12;
constexpr int SM_CXCURSOR = 13;
constexpr int SM_CYCURSOR = 14;
constexpr int SM_CYMENU = 15;
constexpr int SM_CXFULLSCREEN = 16;
constexpr int SM_CYFULLSCREEN = 17;
constexpr int SM_MOUSEPRESENT = 19;
constexpr int SM_CYVSCROLL = 20;
constexpr int SM_CXHSCROLL = 21;
constexpr int SM_SWAPBUTTON = 23;
constexpr int SM_CXMIN = 28;
constexpr int SM_CYMIN = 29;
constexpr int SM_CXSIZE = 30;
constexpr int SM_CYSIZE = 31;
constexpr int SM_CXFRAME = 32;
constexpr int SM_CYFRAME = 33;
constexpr int SM_CXSIZEFRAME = SM_CXFRAME;
constexpr int SM_CYSIZEFRAME = SM_CYFRAME;
constexpr int SM_CXMINTRACK = 34;
constexpr int SM_CYMINTRACK = 35;
constexpr int SM_CXDOUBLECLK = 36;
constexpr int SM_CYDOUBLECLK = 37;
constexpr int SM_CXFIXEDFRAME = SM_CXDLGFRAME;
constexpr int SM_CYFIXEDFRAME = SM_CYDLGFRAME;
constexpr int SM_CMOUSEBUTTONS = 43;
constexpr int SM_CXEDGE = 45;
constexpr int SM_CYEDGE = 46;
constexpr int SM_CXSMICON = 49;
constexpr int SM_CYSMICON = 50;
constexpr int SM_CYSMCAPTION = 51;
constexpr int SM_CXSMSIZE = 52;
constexpr int SM_CYSMSIZE = 53;
constexpr int SM_CXMENUSIZE = 54;
constexpr int SM_CYMENUSIZE = 55;
constexpr int SM_CXMAXTRACK = 59;
constexpr int SM_CYMAXTRACK = 60;
constexpr int SM_CXMAXIMIZED = 61;
constexpr int SM_CYMAXIMIZED = 62;
constexpr int SM_CXMENUCHECK = 71;
constexpr int SM_CYMENUCHECK = 72;
constexpr int SM_MOUSEWHEELPRESENT = 75;
constexpr int SM_XVIRTUALSCREEN = 76;
constexpr int SM_YVIRTUALSCREEN = 77;
constexpr int SM_CXVIRTUALSCREEN = 78;
constexpr int SM_CYVIRTUALSCREEN = 79;
constexpr int SM_CMONITORS = 80;
constexpr int SM_SAMEDISPLAYFORMAT = 81;

int GetSystemMetrics(int index);

constexpr UINT SPI_GETSCREENSAVETIMEOUT = 0x000E;
constexpr UINT SPI_GETNONCLIENTMETRICS = 0x0029;
constexpr UINT SPI_GETWORKAREA = 0x0030;

// The 340-byte record; cbSize must hold its size.
struct NONCLIENTMETRICS {
  UINT cbSize = sizeof(NONCLIENTMETRICS);
  int iBorderWidth = 0;
  int iScrollWidth = 0;
  int iScrollHeight = 0;
  int iCaptionWidth = 0;
  int iCaptionHeight = 0;
  LOGFONT lfCaptionFont;
  int iSmCaptionWidth = 0;
  int iSmCaptionHeight = 0;
  LOGFONT lfSmCaptionFont;
  int iMenuWidth = 0;
  int iMenuHeight = 0;
  LOGFONT lfMenuFont;
  LOGFONT lfStatusFont;
  LOGFONT lfMessageFont;
};
static_assert(sizeof(NONCLIENTMETRICS) == 340, "NONCLIENTMETRICS is the 340-byte ANSI record");

// FALSE for an action not listed above, a null buffer, or a
// NONCLIENTMETRICS whose cbSize is wrong.
BOOL SystemParametersInfo(UINT action, UINT uiParam, void* pvParam, UINT winIni);

// The fonts of the non-client area, made once and never freed.
enum class NonClientFont { Caption, SmallCaption, Menu, Message };
LOGFONT NonClientLogFont(NonClientFont which);
HFONT NonClientFontHandle(NonClientFont which);
