#include "metrics.h"

#include <algorithm>
#include <cstring>

#include "mouse.h"
#include "nc_engine.h"
#include "rect.h"
#include "screen.h"

namespace {

struct FixedMetric {
  int Index;
  int Value;
};

// The classic values; the screen-dependent ones are computed below.
constexpr FixedMetric kFixedMetrics[] = {
    {SM_CXVSCROLL, 16},   {SM_CYHSCROLL, 16},   {SM_CYVSCROLL, 16},     {SM_CXHSCROLL, 16},
    {SM_CYVTHUMB, 16},    {SM_CXHTHUMB, 16},    {SM_CYCAPTION, 19},     {SM_CXBORDER, 1},
    {SM_CYBORDER, 1},     {SM_CXDLGFRAME, 3},   {SM_CYDLGFRAME, 3},     {SM_CXFRAME, 4},
    {SM_CYFRAME, 4},      {SM_CXEDGE, 2},       {SM_CYEDGE, 2},         {SM_CXICON, 32},
    {SM_CYICON, 32},      {SM_CXCURSOR, 32},    {SM_CYCURSOR, 32},      {SM_CXSIZE, 18},
    {SM_CYSIZE, 18},      {SM_CXSMICON, 16},    {SM_CYSMICON, 16},      {SM_CYSMCAPTION, 15},
    {SM_CXSMSIZE, 12},    {SM_CYSMSIZE, 12},    {SM_CXMENUSIZE, 18},    {SM_CYMENUSIZE, 18},
    {SM_CYMENU, 19},      {SM_CXMIN, 112},      {SM_CYMIN, 27},         {SM_CXMINTRACK, 112},
    {SM_CYMINTRACK, 27},  {SM_CXMENUCHECK, 13}, {SM_CYMENUCHECK, 13},   {SM_SWAPBUTTON, 0},
    {SM_MOUSEPRESENT, 1}, {SM_CMOUSEBUTTONS, 3}, {SM_MOUSEWHEELPRESENT, 1}, {SM_SAMEDISPLAYFORMAT, 1},
    {SM_CXDOUBLECLK, kDoubleClickWidth}, {SM_CYDOUBLECLK, kDoubleClickHeight},
};

// The primary display is the first; without a host, a 640 x 480 screen.
TRect PrimaryDisplay() {
  std::vector<TRect> all = MonitorRects();
  return all.empty() ? TRect(0, 0, 640, 480) : all.front();
}

TRect Desktop() {
  TRect d = DesktopRect();
  return IsRectEmpty(&d) ? PrimaryDisplay() : d;
}

LOGFONT MakeFont(LONG weight) {
  LOGFONT lf;
  lf.lfHeight = -11;
  lf.lfWeight = weight;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::strncpy(lf.lfFaceName, "MS Sans Serif", LF_FACESIZE - 1);
  return lf;
}

}  // namespace

int GetSystemMetrics(int index) {
  EnsureNonClientEngine();
  for (const FixedMetric& m : kFixedMetrics)
    if (m.Index == index) return m.Value;
  const int frame = 4;
  switch (index) {
    case SM_CXSCREEN: return PrimaryDisplay().Width();
    case SM_CYSCREEN: return PrimaryDisplay().Height();
    case SM_CXFULLSCREEN: return PrimaryDisplay().Width();
    case SM_CYFULLSCREEN: return PrimaryDisplay().Height() - 19;
    case SM_CXMAXIMIZED: return PrimaryDisplay().Width() + 2 * frame;
    case SM_CYMAXIMIZED: return PrimaryDisplay().Height() + 2 * frame;
    case SM_CXMAXTRACK: return Desktop().Width() + 2 * frame;
    case SM_CYMAXTRACK: return Desktop().Height() + 2 * frame;
    case SM_XVIRTUALSCREEN: return Desktop().left;
    case SM_YVIRTUALSCREEN: return Desktop().top;
    case SM_CXVIRTUALSCREEN: return Desktop().Width();
    case SM_CYVIRTUALSCREEN: return Desktop().Height();
    case SM_CMONITORS: return static_cast<int>(std::max<std::size_t>(1, MonitorRects().size()));
  }
  return 0;
}

LOGFONT NonClientLogFont(NonClientFont which) {
  switch (which) {
    case NonClientFont::Caption:
    case NonClientFont::SmallCaption: return MakeFont(FW_BOLD);
    case NonClientFont::Menu:
    case NonClientFont::Message: break;
  }
  return MakeFont(FW_NORMAL);
}

HFONT NonClientFontHandle(NonClientFont which) {
  static HFONT fonts[4] = {};
  HFONT& f = fonts[static_cast<int>(which)];
  if (!f) {
    LOGFONT lf = NonClientLogFont(which);
    f = CreateFontIndirect(&lf);
  }
  return f;
}

BOOL SystemParametersInfo(UINT action, UINT, void* pv, UINT) {
  if (!pv) return FALSE;
  switch (action) {
    case SPI_GETWORKAREA: {
      TRect d = Desktop();
      *static_cast<RECT*>(pv) = d;
      return TRUE;
    }
    case SPI_GETSCREENSAVETIMEOUT: *static_cast<int*>(pv) = 600; return TRUE;
    case SPI_GETNONCLIENTMETRICS: {
      auto* m = static_cast<NONCLIENTMETRICS*>(pv);
      if (m->cbSize != sizeof(NONCLIENTMETRICS)) return FALSE;
      m->iBorderWidth = 1;
      m->iScrollWidth = GetSystemMetrics(SM_CXVSCROLL);
      m->iScrollHeight = GetSystemMetrics(SM_CYHSCROLL);
      m->iCaptionWidth = GetSystemMetrics(SM_CXSIZE);
      m->iCaptionHeight = GetSystemMetrics(SM_CYSIZE);
      m->lfCaptionFont = NonClientLogFont(NonClientFont::Caption);
      m->iSmCaptionWidth = GetSystemMetrics(SM_CXSMSIZE);
      m->iSmCaptionHeight = GetSystemMetrics(SM_CYSMSIZE);
      m->lfSmCaptionFont = NonClientLogFont(NonClientFont::SmallCaption);
      m->iMenuWidth = GetSystemMetrics(SM_CXMENUSIZE);
      m->iMenuHeight = GetSystemMetrics(SM_CYMENUSIZE);
      m->lfMenuFont = NonClientLogFont(NonClientFont::Menu);
      m->lfStatusFont = NonClientLogFont(NonClientFont::Message);
      m->lfMessageFont = NonClientLogFont(NonClientFont::Message);
      return TRUE;
    }
  }
  return FALSE;
}
