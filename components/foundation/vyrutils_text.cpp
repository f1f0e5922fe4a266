// Captions with their 3D copies or rotated, and measuring them.
#include <cmath>
#include <memory>
#include <vector>

#include "dc.h"
#include "font.h"
#include "gdiobj.h"
#include "numbers.h"
#include "paint.h"
#include "syscolors.h"
#include "text.h"
#include "vyrutils.h"
#include "vyrutils_clip.h"

namespace Vyrutils {

using Vyrgraph::TVyr3DCaption;
using Vyrgraph::TVyrDisabledStyle;
using Vyrgraph::TVyrDrawTextStyle;
using Vyrgraph::TVyrFxCaption;
using Vyrgraph::TVyrThreeDStyle;

int Vyr3DExtraSize(const TVyr3DCaption* Caption) {
  if (!Caption) return 0;
  switch (Caption->GetStyle()) {
    case TVyrThreeDStyle::tdNone: return 0;
    case TVyrThreeDStyle::tdSunken:
    case TVyrThreeDStyle::tdRaised: return Caption->GetLightDepth();
    case TVyrThreeDStyle::tdShadow: return Caption->GetShadowDepth();
    default: return Caption->GetLightDepth() + Caption->GetShadowDepth();
  }
}

namespace {

// 0 a plain 3D caption, 1 an upright Fx caption, 2 a rotated one.
int FxMode(TVyr3DCaption* Caption) {
  auto* fx = dynamic_cast<TVyrFxCaption*>(Caption);
  if (!fx) return 0;
  return fx->GetAngle() == 0 ? 1 : 2;
}

struct TextCopy {
  int move;
  TColor color;
};

std::vector<TextCopy> CopiesOf(TVyrThreeDStyle Style, const TVyr3DCaption& C, TColor Face) {
  const int L = C.GetLightDepth(), D = C.GetShadowDepth();
  const TColor light = C.GetLightColor(), shadow = C.GetShadowColor();
  switch (Style) {
    case TVyrThreeDStyle::tdNone: return {{0, Face}};
    case TVyrThreeDStyle::tdSunken: return {{L, light}, {-L, Face}};
    case TVyrThreeDStyle::tdRaised: return {{0, light}, {L, Face}};
    case TVyrThreeDStyle::tdSunkenShadow:
    case TVyrThreeDStyle::tdPColorSunken: return {{0, shadow}, {L + D, light}, {-L, Face}};
    case TVyrThreeDStyle::tdRaisedShadow:
    case TVyrThreeDStyle::tdPColorRaised: return {{L + D, shadow}, {-(L + D), light}, {L, Face}};
    case TVyrThreeDStyle::tdShadow: return {{D, shadow}, {-D, Face}};
  }
  return {{0, Face}};
}

// The canvas font turned by Angle degrees; it stays the canvas's font.
void RotateCanvasFont(TCanvas* Canvas, int Angle) {
  LOGFONT lf;
  GetObject(Canvas->GetFont()->GetHandle(), sizeof lf, &lf);
  lf.lfEscapement = Angle * 10;
  Canvas->GetFont()->SetHandle(CreateFontIndirect(&lf));
}

int Length(const AnsiString& S) { return static_cast<int>(S.Length()); }

}  // namespace

void VyrDrawTextExt(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect, int Flags,
                    TVyrDrawTextStyles Styles, const TRect* ClipRect) {
  if (Text.IsEmpty() || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  if (!Caption) {
    TRect r = Rect;
    DrawText(Canvas->GetHandle(), Text.c_str(), Length(Text), &r, static_cast<UINT>(Flags));
    return;
  }
  const int mode = FxMode(Caption);
  std::unique_ptr<Detail::ClipScope> clip;
  if (Styles.Contains(TVyrDrawTextStyle::dtClip))
    clip = std::make_unique<Detail::ClipScope>(Canvas->GetHandle(), ClipRect ? *ClipRect : Rect);

  TVyrThreeDStyle style = Caption->GetStyle();
  TColor face;
  if (!Styles.Contains(TVyrDrawTextStyle::dtEnabled) && Caption->GetDisabledStyle() != TVyrDisabledStyle::dsNone) {
    face = clGrayText;
    if (Caption->GetDisabledStyle() == TVyrDisabledStyle::ds3d ||
        (Caption->GetDisabledStyle() == TVyrDisabledStyle::dsAuto && Styles.Contains(TVyrDrawTextStyle::dt3DDisabled)))
      style = TVyrThreeDStyle::tdSunken;
  } else if (style == TVyrThreeDStyle::tdPColorSunken || style == TVyrThreeDStyle::tdPColorRaised) {
    face = Canvas->GetBrush()->GetColor();
  } else {
    face = Canvas->GetFont()->GetColor();
  }

  TRect T = Rect;
  if (mode != 0) {
    auto* fx = static_cast<TVyrFxCaption*>(Caption);
    T = TRect(fx->GetPosX() + Rect.left, fx->GetPosY() + Rect.top, Rect.right, Rect.bottom);
    if (mode == 2) RotateCanvasFont(Canvas, fx->GetAngle());
  }
  Canvas->GetBrush()->SetStyle(bsClear);
  HDC dc = Canvas->GetHandle();
  const int tracing = Caption->GetTracing();
  if (tracing != 0) SetTextCharacterExtra(dc, tracing);
  T.right -= Vyr3DExtraSize(Caption);
  // The copies share one text colour of the DC, set per copy after the
  // canvas has selected its objects.
  for (const TextCopy& copy : CopiesOf(style, *Caption, face)) {
    T = TRect(T.left + copy.move, T.top + copy.move, T.right + copy.move, T.bottom + copy.move);
    SetTextColor(dc, static_cast<COLORREF>(ColorToRGB(copy.color)));
    if (mode == 2) {
      ExtTextOut(dc, T.left, T.top, 0, nullptr, Text.c_str(), static_cast<UINT>(Text.Length()), nullptr);
    } else {
      TRect r = T;
      DrawText(dc, Text.c_str(), Length(Text), &r, static_cast<UINT>(Flags));
    }
  }
  if (tracing != 0) SetTextCharacterExtra(dc, 0);
}

void VyrDrawText(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, const TRect& Rect, std::uint16_t Flags) {
  VyrDrawTextExt(Canvas, Text, Caption, Rect, Flags, {TVyrDrawTextStyle::dtEnabled}, nullptr);
}

void VyrDrawTextCalcExt(TCanvas* Canvas, const AnsiString& Text, TVyr3DCaption* Caption, TRect& Rect, TFont* Font,
                        bool MultiLine, bool ShowAccelChar, int Border, int Flags) {
  if (Font) Canvas->SetFont(Font);
  const int mode = FxMode(Caption);
  auto* fx = dynamic_cast<TVyrFxCaption*>(Caption);
  if (mode == 1) fx->SetPosXY(0, 0);
  HDC dc = Canvas->GetHandle();
  const int tracing = Caption ? Caption->GetTracing() : 0;
  if (tracing != 0) SetTextCharacterExtra(dc, tracing);
  const int extra = Vyr3DExtraSize(Caption);
  if (mode != 2) {
    UINT flags = static_cast<UINT>(Flags) | DT_CALCRECT | DT_EXPANDTABS;
    if (MultiLine) flags |= DT_WORDBREAK;
    if (!ShowAccelChar) flags |= DT_NOPREFIX;
    const AnsiString measured = (Text.IsEmpty() || (ShowAccelChar && Text == "&")) ? AnsiString(" ") : Text;
    DrawText(dc, measured.c_str(), Length(measured), &Rect, flags);
    if (Caption) {
      Rect.right += extra;
      Rect.bottom += extra;
    }
  } else {
    SIZE size{};
    GetTextExtentPoint32(dc, Text.c_str(), Length(Text), &size);
    Rect = TRect(0, 0, size.cx + extra, size.cy + extra);
    Vyrprocs::VyrCalcRotRect(Rect, fx->GetAngle());
    const double a = fx->GetAngle() * M_PI / 180.0;
    const int hw = size.cx / 2, hh = size.cy / 2;
    const TPoint C((Rect.left + Rect.right) / 2, (Rect.top + Rect.bottom) / 2);
    const int d = std::max(0, (extra >> 1) - 1);
    fx->SetPosXY(static_cast<int>(Round(C.x - hw * std::cos(a) - hh * std::sin(a))) - d,
                 static_cast<int>(Round(C.y + hw * std::sin(a) - hh * std::cos(a))) - d);
  }
  if (tracing != 0) SetTextCharacterExtra(dc, 0);
  Rect.right += (Border + 1) * 2;
  Rect.bottom += (Border + 1) * 2;
}

namespace {

// A canvas for one measurement: a memory DC compatible with the screen
// measures as the screen does, and opening it does not compose the whole
// screen's picture, which a control measuring its caption at every paint
// paid for each time.
class ScreenCanvas {
 public:
  ScreenCanvas() : dc_(CreateCompatibleDC(nullptr)) { canvas_.SetHandle(dc_); }
  ~ScreenCanvas() {
    canvas_.SetHandle(nullptr);
    DeleteDC(dc_);
  }
  ScreenCanvas(const ScreenCanvas&) = delete;
  ScreenCanvas& operator=(const ScreenCanvas&) = delete;
  TCanvas* operator->() { return &canvas_; }
  TCanvas* Get() { return &canvas_; }

 private:
  HDC dc_;
  TCanvas canvas_;
};

}  // namespace

void VyrDrawTextCalc(const AnsiString& Text, TVyr3DCaption* Caption, TRect& Rect, TFont* Font, bool MultiLine,
                     bool ShowAccelChar, int Border, int Flags) {
  ScreenCanvas screen;
  VyrDrawTextCalcExt(screen.Get(), Text, Caption, Rect, Font, MultiLine, ShowAccelChar, Border, Flags);
}

int VyrGet3DTextWidth(const AnsiString& Text, TVyr3DCaption* Caption, TFont* Font) {
  if (!Caption) return 0;
  ScreenCanvas screen;
  if (Font) screen->SetFont(Font);
  HDC dc = screen->GetHandle();
  SetTextCharacterExtra(dc, Caption->GetTracing());
  SIZE size{};
  GetTextExtentPoint(dc, Text.c_str(), Length(Text), &size);
  SetTextCharacterExtra(dc, 0);
  return size.cx + Vyr3DExtraSize(Caption);
}

int VyrGetFontHeight(TFont* Font) {
  ScreenCanvas screen;
  if (Font) screen->SetFont(Font);
  SIZE size{};
  if (!GetTextExtentPoint32(screen->GetHandle(), "W", 1, &size)) return 0;
  return size.cy;
}

int VyrGet3DTextHeight(TVyr3DCaption* Caption, TFont* Font) { return VyrGetFontHeight(Font) + Vyr3DExtraSize(Caption); }

bool VyrIsTrueTypeFontCheck(TCanvas* Canvas) {
  TEXTMETRIC metrics{};
  GetTextMetrics(Canvas->GetHandle(), &metrics);
  return (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

bool VyrIsTrueTypeFont(TFont* Font) {
  ScreenCanvas screen;
  if (Font) screen->SetFont(Font);
  return VyrIsTrueTypeFontCheck(screen.Get());
}

}  // namespace Vyrutils
