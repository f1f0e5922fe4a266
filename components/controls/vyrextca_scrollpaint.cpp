// How the scrolling text measures and paints: the text block's size, its
// place at each step, and an off-screen picture of the inner area on the
// colour or on the copy of what lies behind the control.
#include <algorithm>
#include <memory>

#include "bitmap_class.h"
#include "canvas.h"
#include "numbers.h"
#include "tstrings.h"
#include "vyrcctrl.h"
#include "vyrextca.h"
#include "vyrutils.h"

namespace Vyrextca {

namespace {

constexpr int kSingleLine = 0x20;  // DT_SINGLELINE

int AlignmentFlag(TAlignment Alignment) {
  switch (Alignment) {
    case taRightJustify: return 2;  // DT_RIGHT
    case taCenter: return 1;        // DT_CENTER
    default: return 0;              // DT_LEFT
  }
}

bool Vertical(TVyrScrollDirection Direction) {
  return Direction == TVyrScrollDirection::sdBottomToTop || Direction == TVyrScrollDirection::sdTopToBottom;
}

}  // namespace

TPoint VyrScrollOrigin(TVyrScrollDirection Direction, int Step, int Steps, TSize Text, TSize Inner, TPoint Center) {
  const double f = static_cast<double>(Step) / std::max(Steps, 1);
  auto along = [](double Fraction, LONG TextExtent, LONG InnerExtent) {
    return static_cast<int>(Round((static_cast<double>(TextExtent) + InnerExtent) * Fraction) - TextExtent);
  };
  switch (Direction) {
    case TVyrScrollDirection::sdBottomToTop: return TPoint(Center.x, along(1 - f, Text.cy, Inner.cy));
    case TVyrScrollDirection::sdTopToBottom: return TPoint(Center.x, along(f, Text.cy, Inner.cy));
    case TVyrScrollDirection::sdLeftToRight: return TPoint(along(f, Text.cx, Inner.cx), Center.y);
    case TVyrScrollDirection::sdRightToLeft: return TPoint(along(1 - f, Text.cx, Inner.cx), Center.y);
  }
  return Center;
}

AnsiString TVyrScrollText::GetAsTickerText() const {
  AnsiString text;
  for (int i = 0; i < FLines->GetCount(); ++i) text += FLines->GetStrings(i) + " ";
  return text;
}

void TVyrScrollText::CalculateDimensions() {
  if (Loading()) return;
  FLineHeight = Vyrutils::VyrGet3DTextHeight(FFont3D.get(), GetFont());
  FTextHeight = FLines->GetCount() * FLineHeight;
  FTextWidth = 0;
  if (FScrollMode == TVyrScrollMode::smTicker) {
    FTextHeight = FLineHeight;
    FTextWidth = Vyrutils::VyrGet3DTextWidth(GetAsTickerText(), FFont3D.get(), GetFont());
    return;
  }
  for (int i = 0; i < FLines->GetCount(); ++i)
    FTextWidth = std::max(FTextWidth, Vyrutils::VyrGet3DTextWidth(FLines->GetStrings(i), FFont3D.get(), GetFont()));
}

void TVyrScrollText::GetChange(TObject* Sender) {
  if (Loading()) return;
  if (Sender == GetFont() || Sender == FFont3D.get() || Sender == FLines.get()) CalculateDimensions();
  Vyrctrl::TVyrGraphicControl::GetChange(Sender);
}

void TVyrScrollText::Invalidate() {
  Vyrctrl::TVyrGraphicControl::Invalidate();
  if (FTransparent) FRefreshBack = true;
}

void TVyrScrollText::BoundsChange(Vyrctrl::TVyrBoundsChangeStates State) {
  Vyrctrl::TVyrGraphicControl::BoundsChange(State);
  if (FTransparent) FRefreshBack = true;
}

void TVyrScrollText::Dispatch(TMessage& Message) {
  switch (Message.Msg) {
    case CM_FONTCHANGED:
      Vyrctrl::TVyrGraphicControl::Dispatch(Message);
      GetChange(GetFont());
      return;
    case Vyrcctrl::CM_VYRBACKCHANGED:
      if (!Loading() && (CheckOptimized() || FTransparent)) {
        FRefreshBack = true;
        InvalidateControl();
      }
      return;
  }
  Vyrctrl::TVyrGraphicControl::Dispatch(Message);
}

void TVyrScrollText::RefillBack() {
  FBackBitmap->SetSize(GetWidth(), GetHeight());
  TCanvas* back = FBackBitmap->GetCanvas();
  bool drawn = false;
  if (CheckOptimized()) drawn = PaintBackground(back);
  // What the parent painted under the control before this paint.
  if (!drawn) back->CopyRect(GetClientRect(), GetCanvas(), GetClientRect());
  FRefreshBack = false;
}

void TVyrScrollText::Paint() {
  if (Loading() || FPainting) return;
  struct Guard {
    bool& flag;
    explicit Guard(bool& f) : flag(f) { flag = true; }
    ~Guard() { flag = false; }
  } guard(FPainting);
  if (FRefreshBack && FTransparent) RefillBack();
  TRect inner;
  GetBevel()->PaintBevel(GetCanvas(), GetClientRect(), inner, FTransparent);
  FInnerWidth = std::max<int>(0, inner.Width());
  FInnerHeight = std::max<int>(0, inner.Height());
  PaintImage();
  if (Designing() && !FScroll && BevelExt() == 0) DrawDashedFrame();
}

void TVyrScrollText::PaintImage() {
  if (FInnerWidth <= 0 || FInnerHeight <= 0) {
    if (OnScroll) OnScroll(this);
    return;
  }
  auto picture = std::make_unique<TBitmap>();
  picture->SetSize(FInnerWidth, FInnerHeight);
  TCanvas* canvas = picture->GetCanvas();
  canvas->GetFont()->Assign(GetFont());
  const int ext = BevelExt();
  if (FTransparent && !FBackBitmap->GetEmpty()) {
    // The copy is of the whole control; the inner area starts inside the
    // bevel.
    canvas->Draw(-ext, -ext, FBackBitmap.get());
  } else {
    canvas->GetBrush()->SetStyle(bsSolid);
    canvas->GetBrush()->SetColor(GetColor());
    canvas->GetPen()->SetStyle(psClear);
    canvas->FillRect(TRect(0, 0, FInnerWidth, FInnerHeight));
  }
  FXCenter = FTextWidth <= FInnerWidth ? (FInnerWidth - FTextWidth) / 2 : 0;
  FYCenter = FTextHeight <= FInnerHeight ? (FInnerHeight - FTextHeight) / 2 : 0;
  const TPoint origin = VyrScrollOrigin(FDirection, FCurrentStep, FSteps, TSize(FTextWidth, FTextHeight),
                                        TSize(FInnerWidth, FInnerHeight), TPoint(FXCenter, FYCenter));
  // Over the copy of the background only the glyphs may paint.
  canvas->GetBrush()->SetColor(GetColor());
  canvas->GetBrush()->SetStyle(bsClear);
  canvas->GetFont()->SetColor(GetFont()->GetColor());
  const int flags = AlignmentFlag(FAlignment) | kSingleLine;
  using Vyrgraph::TVyrDrawTextStyle;
  const Vyrgraph::TVyrDrawTextStyles styles{GetEnabled() ? TVyrDrawTextStyle::dtEnabled : TVyrDrawTextStyle::dtDisabled};
  const TRect area(0, 0, FInnerWidth, FInnerHeight);
  auto lineRect = [&](int Y) {
    return Vertical(FDirection) ? TRect(0, Y, FInnerWidth, Y + FLineHeight)
                                : TRect(origin.x, Y, origin.x + FTextWidth, Y + FLineHeight);
  };
  auto drawLine = [&](const AnsiString& Text, const TRect& R) {
    TRect meet;
    if (IntersectRect(&meet, &R, &area)) Vyrutils::VyrDrawTextExt(canvas, Text, FFont3D.get(), R, flags, styles, nullptr);
  };
  if (FScrollMode == TVyrScrollMode::smTicker) {
    drawLine(GetAsTickerText(), lineRect(origin.y));
  } else {
    int y = origin.y;
    for (int i = 0; i < FLines->GetCount(); ++i, y += FLineHeight) drawLine(FLines->GetStrings(i), lineRect(y));
  }
  if (OnScroll) OnScroll(this);
  // A hidden control, or one whose parent has no surface yet, must not
  // paint over what the parent shows; its next paint draws the step.
  const TWinControl* parent = GetParent();
  if (!parent || !parent->HandleAllocated() || !GetShowing()) return;
  GetCanvas()->Draw(ext, ext, picture.get());
}

}  // namespace Vyrextca
