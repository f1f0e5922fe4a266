// Frames, the arrow triangle and the button faces.
#include <initializer_list>
#include <iterator>

#include "drawedge.h"
#include "osversion.h"
#include "syscolors.h"
#include "vyrclass_application.h"
#include "vyrutils.h"

namespace Vyrutils {

using Vyrgraph::TVyrBevelStyle;
using Vyrgraph::TVyrBorderStyle;
using Vyrgraph::TVyrButtonState;
using Vyrgraph::TVyrUserButtonStyle;

namespace {

void Edge(TCanvas* Canvas, TRect& Rect, UINT EdgeKind, UINT Flags) { DrawEdge(Canvas->GetHandle(), &Rect, EdgeKind, Flags); }

void Shrink(TRect& R, int By) { R = TRect(R.left + By, R.top + By, R.right - By, R.bottom - By); }

void SolidPen(TCanvas* Canvas, TColor Color) {
  Canvas->GetPen()->SetWidth(1);
  Canvas->GetPen()->SetStyle(psSolid);
  Canvas->GetPen()->SetColor(Color);
}

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2) {
  Canvas->MoveTo(X1, Y1);
  Canvas->LineTo(X2, Y2);
}

}  // namespace

bool VyrDrawFrame3D(TCanvas* Canvas, TRect& Rect, TVyrBevelStyle Style, TColor Light, TColor Shadow, int Width) {
  if (Width == 0 || Style == TVyrBevelStyle::bvNone || Style == TVyrBevelStyle::bvShadow) return false;
  TColor topLeft = Light, bottomRight = Shadow;
  if (Style == TVyrBevelStyle::bvLowered || Style == TVyrBevelStyle::bvFrameLowered) {
    topLeft = Shadow;
    bottomRight = Light;
  } else if (Style == TVyrBevelStyle::bvNormal) {
    topLeft = bottomRight = clBlack;
  }
  const int L = Rect.left, T = Rect.top, R = Rect.right, B = Rect.bottom, W = Width;
  if (Style == TVyrBevelStyle::bvFrameLowered || Style == TVyrBevelStyle::bvFrameRaised) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    for (int i = 0; i < W; ++i) {
      Canvas->GetBrush()->SetColor(bottomRight);
      Canvas->FrameRect(TRect(L + i + 1, T + i + 1, R, B));
      Canvas->GetBrush()->SetColor(topLeft);
      Canvas->FrameRect(TRect(L, T, R - i - 1, B - i - 1));
    }
    Rect = TRect(L + W + 1, T + W + 1, R - W - 1, B - W - 1);
    return true;
  }
  if (W == 1) {
    SolidPen(Canvas, topLeft);
    Canvas->Polyline({TPoint(L, B - 1), TPoint(L, T), TPoint(R - 1, T)});
    Canvas->GetPen()->SetColor(bottomRight);
    Canvas->Polyline({TPoint(R - 1, T), TPoint(R - 1, B - 1), TPoint(L, B - 1)});
    Rect = TRect(L + 1, T + 1, R - 1, B - 1);
    return true;
  }
  const int B1 = B - 1;
  const TRect I(L + W, T + W, R - W, B1 - W);
  Canvas->GetPen()->SetStyle(psClear);
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetBrush()->SetColor(bottomRight);
  Canvas->Polygon({TPoint(L, B1 + 1), TPoint(I.left, I.bottom), TPoint(I.right, I.bottom), TPoint(I.right, I.top),
                   TPoint(R, T), TPoint(R, B1 + 1)});
  Canvas->GetBrush()->SetColor(topLeft);
  Canvas->Polygon({TPoint(L, B1), TPoint(I.left, I.bottom), TPoint(I.left, I.top), TPoint(I.right - 1, I.top),
                   TPoint(R - 1, T), TPoint(L, T)});
  Rect = TRect(L + W, T + W, R - W, B - W);
  return true;
}

bool VyrDrawFrameShadow(TCanvas* Canvas, TRect& Rect, TColor FrameColor, TColor ShadowColor, TColor BackColor,
                        std::uint8_t Depth, std::uint8_t FrameWidth, bool Transparent, std::uint16_t /*Flags*/) {
  const int L = Rect.left, T = Rect.top, R = Rect.right, B = Rect.bottom, D = Depth;
  Canvas->GetBrush()->SetStyle(bsSolid);
  Canvas->GetPen()->SetStyle(psClear);
  Canvas->GetBrush()->SetColor(ShadowColor);
  Canvas->FillRect(TRect(R - D, T + D, R, B));
  Canvas->FillRect(TRect(L + D, B - D, R, B));
  if (!Transparent) {
    Canvas->GetBrush()->SetColor(BackColor);
    Canvas->FillRect(TRect(R - D, T, R, T + D));
    Canvas->FillRect(TRect(L, B - D, L + D, B));
  }
  Rect = TRect(L, T, R - D, B - D);
  Canvas->GetBrush()->SetColor(FrameColor);
  for (int i = 0; i < FrameWidth; ++i) {
    Canvas->FrameRect(Rect);
    Shrink(Rect, 1);
  }
  Canvas->GetPen()->SetWidth(1);
  return true;
}

namespace {

// One step of a standard frame: an edge (with or without the caller's
// flags), or the rect moved in on its top-left or bottom-right side.
struct FrameStep {
  enum Kind { kEdge, kEdgeWithFlags, kTopLeftIn, kBottomRightIn } kind;
  UINT edge = 0;
  UINT flags = 0;
};

using Steps = std::initializer_list<FrameStep>;
constexpr FrameStep kMoveTopLeft{FrameStep::kTopLeftIn};
constexpr FrameStep kMoveBottomRight{FrameStep::kBottomRightIn};

constexpr FrameStep Plain(UINT EdgeKind, UINT Flags) { return {FrameStep::kEdge, EdgeKind, Flags}; }
constexpr FrameStep WithFlags(UINT EdgeKind, UINT Flags) { return {FrameStep::kEdgeWithFlags, EdgeKind, Flags}; }

// The steps of each style, in TVyrBorderStyle's order.
const Steps kStdFrames[] = {
    /* lsNone */ {},
    /* lsSingle */ {WithFlags(BDR_SUNKENOUTER, 0x3003), Plain(BDR_RAISEDOUTER, 0x000C)},
    /* lsLowered */ {WithFlags(EDGE_SUNKEN, 0x300F)},
    /* lsRaised */ {WithFlags(EDGE_RAISED, 0x300F)},
    /* lsRaisedspb */ {WithFlags(BDR_RAISEDOUTER, 0x300F), Plain(BDR_RAISEDINNER, 0x200C)},
    /* lsLoweredspb */ {WithFlags(BDR_SUNKENOUTER, 0x200F), WithFlags(BDR_SUNKENINNER, 0x2003)},
    /* lsRaisedExt */ {WithFlags(BDR_RAISEDOUTER, 0x300F), Plain(BDR_RAISEDINNER, 0x200C), kMoveTopLeft},
    /* lsLoweredExt */ {WithFlags(BDR_SUNKENOUTER, 0x200F), Plain(BDR_SUNKENINNER, 0x2003), kMoveBottomRight},
    /* lsFrameInset */ {WithFlags(EDGE_ETCHED, 0x200F)},
    /* lsFrameOffset */ {WithFlags(BDR_RAISEDINNER, 0x200F), WithFlags(BDR_SUNKENOUTER, 0x200F)},
    /* lsWindowBorder */ {WithFlags(BDR_RAISEDOUTER, 0x200C), kMoveTopLeft, WithFlags(BDR_RAISEDINNER, 0x200F)},
    /* lsSingleRaised */ {WithFlags(BDR_RAISEDINNER, 0x200F)},
    /* lsSingleLowered */ {WithFlags(BDR_SUNKENOUTER, 0x200F)},
    /* lsDoubleRaised */ {WithFlags(BDR_RAISEDINNER, 0x200F), WithFlags(BDR_RAISEDINNER, 0x200F)},
    /* lsDoubleLowered */ {WithFlags(BDR_SUNKENOUTER, 0x200F), WithFlags(BDR_SUNKENOUTER, 0x200F)},
};

}  // namespace

bool VyrDrawStdFrame(TCanvas* Canvas, TRect& Rect, TVyrBorderStyle Style, std::uint16_t Flags) {
  const auto index = static_cast<std::size_t>(Style);
  if (index >= std::size(kStdFrames)) return true;
  for (const FrameStep& step : kStdFrames[index]) {
    switch (step.kind) {
      case FrameStep::kEdge: Edge(Canvas, Rect, step.edge, step.flags); break;
      case FrameStep::kEdgeWithFlags: Edge(Canvas, Rect, step.edge, Flags | step.flags); break;
      case FrameStep::kTopLeftIn:
        Rect.left += 1;
        Rect.top += 1;
        break;
      case FrameStep::kBottomRightIn:
        Rect.right -= 1;
        Rect.bottom -= 1;
        break;
    }
  }
  return true;
}

int VyrDrawStdFrameExt(TVyrBorderStyle Style) {
  switch (Style) {
    case TVyrBorderStyle::lsNone: return 0;
    case TVyrBorderStyle::lsSingle:
    case TVyrBorderStyle::lsSingleRaised:
    case TVyrBorderStyle::lsSingleLowered: return 1;
    default: return 2;
  }
}

void VyrDrawBorder(TCanvas* Canvas, const TRect& Rect, TColor TopLeft, TColor BottomRight) {
  const int L = Rect.left, T = Rect.top, R = Rect.right, B = Rect.bottom;
  SolidPen(Canvas, TopLeft);
  Canvas->MoveTo(L, B - 1);
  Canvas->LineTo(L, T);
  Canvas->LineTo(R - 1, T);
  Canvas->GetPen()->SetColor(BottomRight);
  Canvas->LineTo(R - 1, B - 1);
  Canvas->LineTo(L, B - 1);
}

namespace {

void DrawTriangleIn(TCanvas* Canvas, int X, int Y, int Size, TColor Color, bool Down) {
  SolidPen(Canvas, Color);
  if (Down) {
    for (int i = 0; i <= Size - 2; ++i) Line(Canvas, X + i, Y + i, X + i + 2 * (Size - i) - 1, Y + i);
    Line(Canvas, X + Size - 1, Y + Size - 1, X + Size, Y + Size - 1);
    return;
  }
  const int C = X + Size / 2;
  for (int i = 0; i <= Size - 1; ++i) Line(Canvas, C - i, Y + i, C + i + 1, Y + i);
}

}  // namespace

void VyrDrawTriangle(TCanvas* Canvas, int X, int Y, int Size, TColor Color, bool Down, bool Enabled) {
  if (Size < 2 || Size > 15) return;
  if (Enabled) {
    DrawTriangleIn(Canvas, X, Y, Size, Color, Down);
    return;
  }
  DrawTriangleIn(Canvas, X + 1, Y + 1, Size, clBtnHighlight, Down);
  DrawTriangleIn(Canvas, X, Y, Size, clGrayText, Down);
}

namespace {

enum class FaceLook { Win31, Win40, Korvel, Flat, BlackFrame, Integrated };

FaceLook LookOf(TVyrUserButtonStyle Style, std::uint16_t Flags) {
  switch (Style) {
    case TVyrUserButtonStyle::ubsWin31: return FaceLook::Win31;
    case TVyrUserButtonStyle::ubsWin40: return (Flags & 0x04) ? FaceLook::Win40 : FaceLook::Korvel;
    case TVyrUserButtonStyle::ubsKorvel: return (Flags & 0x04) ? FaceLook::BlackFrame : FaceLook::Korvel;
    case TVyrUserButtonStyle::ubsIntegrated: return FaceLook::Integrated;
    default: return FaceLook::Flat;
  }
}

void PaintCorners(TCanvas* Canvas, const TRect& R) {
  for (const TPoint& p : {TPoint(R.left, R.top), TPoint(R.right - 1, R.top), TPoint(R.left, R.bottom - 1),
                          TPoint(R.right - 1, R.bottom - 1)})
    Canvas->SetPixels(p.x, p.y, clBtnFace);
}

bool IsPressed(TVyrButtonState State) {
  return State == TVyrButtonState::bsOptionSet || State == TVyrButtonState::bsDown ||
         State == TVyrButtonState::bsDropDownOpen || State == TVyrButtonState::bsDisabledDown;
}

void FillFace(TCanvas* Canvas, const TRect& Rect, TVyrButtonState State, bool FlatSolid, TColor Color) {
  TBrush* brush = Canvas->GetBrush();
  if (State == TVyrButtonState::bsOptionSet && !FlatSolid && Vyrclass::VyrApplication) {
    brush->SetBitmap(Vyrclass::VyrApplication->GetBrushBitmap(Color));
  } else {
    brush->SetBitmap(nullptr);
    brush->SetStyle(bsSolid);
    brush->SetColor(Color);
  }
  Canvas->FillRect(Rect);
  brush->SetBitmap(nullptr);
}

void PenRectangle(TCanvas* Canvas, TColor PenColor, const TRect& R) {
  SolidPen(Canvas, PenColor);
  Canvas->Rectangle(R);
}

}  // namespace

bool VyrDrawBtnFace(TCanvas* Canvas, bool Flat, TRect& Rect, TVyrUserButtonStyle UserStyle, TVyrButtonState State,
                    std::uint16_t Flags, TColor Color) {
  if (UserStyle == TVyrUserButtonStyle::ubsAutoDetect)
    UserStyle = NewStyleControls ? TVyrUserButtonStyle::ubsWin40 : TVyrUserButtonStyle::ubsWin31;
  const FaceLook look = LookOf(UserStyle, Flags);
  const bool pressed = IsPressed(State);
  const bool explorer =
      UserStyle == TVyrUserButtonStyle::ubsExplorer || UserStyle == TVyrUserButtonStyle::ubsExplorerColored;
  if (!explorer) FillFace(Canvas, Rect, State, look == FaceLook::Flat && Flat, Color);

  bool cornersDone = false;
  if (!pressed && (Flags & (0x02 | 0x20))) {
    Edge(Canvas, Rect, BDR_SUNKENOUTER, BF_SOFT | BF_TOPLEFT | ((Flags & 0x10) ? BF_MIDDLE : 0));
    Edge(Canvas, Rect, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
    if (UserStyle == TVyrUserButtonStyle::ubsWin31 && (Flags & 0x01)) {
      PaintCorners(Canvas, Rect);
      cornersDone = true;
    }
    Shrink(Rect, 1);
  }
  TRect C = Rect;

  switch (look) {
    case FaceLook::Win31:
      Edge(Canvas, Rect, BDR_SUNKENOUTER, BF_SOFT | BF_TOPLEFT);
      Edge(Canvas, Rect, BDR_RAISEDOUTER, BF_BOTTOMRIGHT);
      if ((Flags & 0x01) && !cornersDone) PaintCorners(Canvas, Rect);
      Shrink(Rect, 1);
      if (pressed) {
        Edge(Canvas, Rect, BDR_SUNKENINNER, BF_TOPLEFT);
      } else {
        Edge(Canvas, Rect, BDR_RAISEDINNER, BF_ADJUST | BF_RECT);
        Edge(Canvas, Rect, BDR_RAISEDINNER, BF_ADJUST | BF_RECT);
      }
      Shrink(C, 1);
      break;
    case FaceLook::Win40:
      if (!pressed)
        VyrDrawStdFrame(Canvas, Rect, TVyrBorderStyle::lsRaisedspb, 0x0F);
      else if (Flags & 0x08)
        Edge(Canvas, Rect, EDGE_SUNKEN, BF_RECT);
      else
        VyrDrawStdFrame(Canvas, Rect, TVyrBorderStyle::lsLowered, 0x0F);
      break;
    case FaceLook::Korvel:
      if (pressed) {
        PenRectangle(Canvas, clBlack, Rect);
        Shrink(Rect, 1);
        PenRectangle(Canvas, static_cast<TColor>(0x808080), Rect);
        Shrink(Rect, -1);
        Canvas->GetPen()->SetColor(clBlack);
      } else if (Flags & 0x02) {
        Edge(Canvas, Rect, BDR_RAISEDOUTER, 0x300F);
        Edge(Canvas, Rect, BDR_RAISEDINNER, 0x200C);
      } else {
        VyrDrawStdFrame(Canvas, Rect, TVyrBorderStyle::lsRaisedspb, 0x0F);
      }
      break;
    case FaceLook::Flat: {
      const bool framed = UserStyle == TVyrUserButtonStyle::ubsKorvelFlat || UserStyle == TVyrUserButtonStyle::ubsNavigator;
      if (framed && (pressed || State == TVyrButtonState::bsMouseOver)) {
        Canvas->Rectangle(Rect);
        Shrink(Rect, 1);
      }
      if (pressed) {
        Edge(Canvas, Rect, BDR_SUNKENOUTER, BF_ADJUST | BF_RECT);
      } else if (State == TVyrButtonState::bsMouseOver) {
        Edge(Canvas, Rect, BDR_RAISEDINNER, BF_ADJUST | BF_RECT);
      } else if (!explorer) {
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(Color);
        Canvas->FillRect(Rect);
      }
      break;
    }
    case FaceLook::BlackFrame:
      SolidPen(Canvas, clBlack);
      Canvas->GetBrush()->SetStyle(bsClear);
      Canvas->Rectangle(Rect);
      if (pressed) {
        Canvas->GetPen()->SetColor(static_cast<TColor>(0x808080));
        Line(Canvas, Rect.left + 1, Rect.top + 1, Rect.right - 1, Rect.top + 1);
        Line(Canvas, Rect.left + 1, Rect.top + 1, Rect.left + 1, Rect.bottom - 1);
      } else {
        Shrink(Rect, 1);
        Edge(Canvas, Rect, BDR_RAISEDINNER, BF_ADJUST | BF_RECT);
        Shrink(Rect, -1);
      }
      break;
    case FaceLook::Integrated: {
      const int L = Rect.left, T = Rect.top, R = Rect.right, B = Rect.bottom;
      Canvas->GetBrush()->SetStyle(bsClear);
      if (pressed) {
        PenRectangle(Canvas, static_cast<TColor>(0x808080), Rect);
        break;
      }
      PenRectangle(Canvas, clBlack, Rect);
      Canvas->GetPen()->SetColor(clBtnFace);
      Canvas->Polyline({TPoint(R - 2, T), TPoint(L, T), TPoint(L, B - 1)});
      PenRectangle(Canvas, clWhite, TRect(L + 1, T + 1, R - 1, B - 1));
      Canvas->GetPen()->SetColor(static_cast<TColor>(0x808080));
      Canvas->Polyline({TPoint(R - 2, T + 1), TPoint(R - 2, B - 2), TPoint(L, B - 2)});
      break;
    }
  }

  if (Flags & 0x02) {
    TRect focus = C;
    Shrink(focus, pressed ? 4 : 3);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->DrawFocusRect(focus);
  }
  Shrink(C, 3);
  if (pressed) C = TRect(C.left + 1, C.top + 1, C.right + 1, C.bottom + 1);
  Rect = C;
  return true;
}

}  // namespace Vyrutils
