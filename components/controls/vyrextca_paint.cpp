// The track bar's painting and mouse: track, ticks, the thumb over the
// background it saved, dragging and paging.
#include <algorithm>

#include "bitmap_class.h"
#include "brush_class.h"
#include "canvas.h"
#include "pen_class.h"
#include "vyrclass_application.h"
#include "vyrextca.h"
#include "vyrutils.h"

namespace Vyrextca {

using Vyrctrl::TVyrCustomPanel;

TVyrTrackLayout TVyrCustomTrackBar::Layout() const {
  TVyrTrackLayout L;
  L.Client = GetClientRect();
  L.Margin = FMargin;
  L.TrackWidth = FTrackWidth;
  const bool horizontal = FOrientation == TVyrOrientation::toHorizontal;
  // A horizontal picture's images are as wide as the thumb is long; a
  // vertical one's as high.
  L.ThumbLength = horizontal ? FThumbWidth : FThumbHeight;
  L.ThumbThickness = horizontal ? FThumbHeight : FThumbWidth;
  L.Orientation = FOrientation;
  L.TickStyle = FTickStyle;
  L.TickMarks = FTickMarks;
  return L;
}

void TVyrCustomTrackBar::Paint() {
  PaintPos(FPosition);
  if (Focused()) DrawFocus(GetClientRect());
}

void TVyrCustomTrackBar::PaintPos(int Pos) {
  TCanvas* C = GetCanvas();
  FillControl();
  FGeometry = VyrTrackGeometry(Layout());
  FTrackRect = FGeometry.Track;
  TRect T = FTrackRect;
  Vyrutils::VyrDrawStdFrame(C, T, FTrackBorderStyle, 0);
  T = TRect(T.left + FTrackBorder, T.top + FTrackBorder, T.right - FTrackBorder, T.bottom - FTrackBorder);
  if (!FTrackTransparent) {
    if (FTrackFillObject->GetStyle() != Vyrgraph::TVyrFillStyle::sfNone) {
      FTrackFillObject->FillCanvas(C, T, GetColor());
    } else {
      C->GetBrush()->SetStyle(bsSolid);
      C->GetBrush()->SetColor(FTrackColor);
      C->FillRect(T);
    }
  } else if (!GetTransparent()) {
    BackDrawArea(C, T, TPoint(GetLeft() + T.left, GetTop() + T.top), 0);
  }
  C->GetBrush()->SetColor(GetColor());
  if (FTickStyle != TVyrTickStyle::tsNone) DrawTicks();
  DrawThumb(Pos);
}

void TVyrCustomTrackBar::DrawTicks() {
  TCanvas* C = GetCanvas();
  C->GetPen()->SetColor(FTickColor);
  C->GetPen()->SetStyle(psSolid);
  C->GetFont()->Assign(GetFont());
  const TRect I = FGeometry.Inner;
  const bool horizontal = FOrientation == TVyrOrientation::toHorizontal;
  const bool before = FTickMarks != TVyrTickMarks::tmBottomRight;  // top or left
  const bool after = FTickMarks != TVyrTickMarks::tmTopLeft;       // bottom or right
  VyrForEachTick(FGeometry, FMinValue, FMaxValue, FTickGap, [&](std::int64_t v, int offset) {
    const int p = (horizontal ? I.left : I.top) + offset;
    // A vertical bar has its minimum at the top, as the ticks are counted.
    auto tick = [&](TPoint from, TPoint to) {
      if (FTickStyle == TVyrTickStyle::tsOwnerDraw) {
        DoDrawTick(C, v, from);
      } else {
        C->MoveTo(from.x, from.y);
        C->LineTo(to.x, to.y);
      }
    };
    if (horizontal) {
      if (before) tick(TPoint(p, I.top), TPoint(p, I.top + FTickLength));
      if (after) tick(TPoint(p, I.bottom - FTickLength), TPoint(p, I.bottom));
    } else {
      if (before) tick(TPoint(I.left, p), TPoint(I.left + FTickLength, p));
      if (after) tick(TPoint(I.right - FTickLength, p), TPoint(I.right, p));
    }
  });
}

void TVyrCustomTrackBar::DrawThumb(int Pos) {
  TCanvas* C = GetCanvas();
  const TVyrTrackLayout L = Layout();
  FGeometry = VyrTrackGeometry(L);
  FThumbRect = VyrThumbRect(L, FGeometry, Pos, FMinValue, FMaxValue);
  const int w = FThumbRect.Width(), h = FThumbRect.Height();
  if (w <= 0 || h <= 0 || FThumb->GetEmpty()) return;
  // What lies under the thumb, so a move can put it back without
  // repainting the track and the ticks.
  FSaved->SetSize(w, h);
  FSaved->GetCanvas()->CopyRect(TRect(0, 0, w, h), C, FThumbRect);
  FSavedRect = FThumbRect;
  const int image = (FDragging || !GetEnabled()) ? 1 : 0;
  const TRect source = Bounds(image * FThumbWidth, 0, FThumbWidth, FThumbHeight);
  if (!IsCustom() && FTickMarks == TVyrTickMarks::tmBoth) {
    C->CopyRect(FThumbRect, FThumb->GetCanvas(), source);
    return;
  }
  TBitmap composed;
  composed.SetSize(w, h);
  composed.GetCanvas()->CopyRect(TRect(0, 0, w, h), FSaved->GetCanvas(), TRect(0, 0, w, h));
  TBitmap picture;
  picture.SetSize(FThumbWidth, FThumbHeight);
  picture.GetCanvas()->CopyRect(TRect(0, 0, FThumbWidth, FThumbHeight), FThumb->GetCanvas(), source);
  picture.SetTransparentColor(IsCustom() ? FThumb->GetTransparentColor() : clOlive);
  picture.SetTransparent(true);
  composed.GetCanvas()->Draw(0, 0, &picture);
  C->Draw(FThumbRect.left, FThumbRect.top, &composed);
}

void TVyrCustomTrackBar::DrawFocus(const TRect& Rect) {
  if (FFocusStyle != TVyrTrackBarFocusStyle::tbFocus) return;
  TCanvas* C = GetCanvas();
  if (FUseFocusColor) {
    C->GetBrush()->SetStyle(bsClear);
    C->GetPen()->SetStyle(psDot);
    C->GetPen()->SetWidth(1);
    C->GetPen()->SetColor(FFocusColor);
    C->Rectangle(Rect);
    C->GetPen()->SetStyle(psSolid);
    C->GetBrush()->SetStyle(bsSolid);
  } else {
    C->DrawFocusRect(Rect);
  }
}

void TVyrCustomTrackBar::FrameRectangle() {
  TCanvas* C = GetCanvas();
  C->GetBrush()->SetStyle(bsClear);
  C->GetPen()->SetStyle(psSolid);
  C->GetPen()->SetWidth(1);
  C->GetPen()->SetColor(GetColor());
  C->Rectangle(GetClientRect());
  C->GetBrush()->SetStyle(bsSolid);
}

void TVyrCustomTrackBar::DoEnter() {
  TVyrCustomPanel::DoEnter();
  if (!HandleAllocated()) return;
  // A frame in Color would put back a plate where the background shows.
  if (!CheckOptimized() && !ShowsParent()) {
    FrameRectangle();
    DrawFocus(GetClientRect());
  } else {
    Paint();
  }
}

void TVyrCustomTrackBar::DoExit() {
  TVyrCustomPanel::DoExit();
  if (!HandleAllocated()) return;
  if (!CheckOptimized() && !ShowsParent())
    FrameRectangle();
  else
    Paint();
}

// ---- mouse ----

namespace {
bool Inside(const TRect& R, int X, int Y) { return X >= R.left && X < R.right && Y >= R.top && Y < R.bottom; }
}  // namespace

void TVyrCustomTrackBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TVyrCustomPanel::MouseDown(Button, Shift, X, Y);
  if (FFocusStyle != TVyrTrackBarFocusStyle::tbNoFocus && CanFocus()) SetFocus();
  FMouse = TPoint(X, Y);
  if (Button != mbLeft) return;
  if (Inside(FThumbRect, X, Y)) {
    FDragging = true;
    if (HandleAllocated()) Paint();
    return;
  }
  if (!Inside(FTrackRect, X, Y)) return;
  if (Vyrclass::VyrApplication) {
    if (auto* timer = Vyrclass::VyrApplication->GetTimer(FTimer)) timer->SetEnabled(true);
  }
  const bool horizontal = FOrientation == TVyrOrientation::toHorizontal;
  const bool beforeThumb = horizontal ? X < FThumbRect.left : Y >= FThumbRect.bottom;
  FDirection = beforeThumb ? 2 : 1;
  PageStep();
}

void TVyrCustomTrackBar::PageStep() {
  // A page toward the lower values never jumps past the bounds: SetPosition clamps.
  if (FDirection == 2)
    SetPosition(static_cast<int>(std::max<long long>(INT32_MIN, static_cast<long long>(FPosition) - FPageSize)));
  else
    SetPosition(static_cast<int>(std::min<long long>(INT32_MAX, static_cast<long long>(FPosition) + FPageSize)));
}

void TVyrCustomTrackBar::MouseMove(TShiftState Shift, int X, int Y) {
  TVyrCustomPanel::MouseMove(Shift, X, Y);
  FMouse = TPoint(X, Y);
  if (!FDragging) return;
  const bool horizontal = FOrientation == TVyrOrientation::toHorizontal;
  const auto wanted = VyrDragPosition(FGeometry, FOrientation, horizontal ? X : Y, FMinValue, FMaxValue);
  if (!wanted) return;
  SetPosition(static_cast<int>(std::clamp<std::int64_t>(*wanted, FMinValue, FMaxValue)));
}

void TVyrCustomTrackBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TVyrCustomPanel::MouseUp(Button, Shift, X, Y);
  if (Vyrclass::VyrApplication) {
    if (auto* timer = Vyrclass::VyrApplication->GetTimer(FTimer)) timer->SetEnabled(false);
  }
  if (Button == mbLeft && FDragging) {
    FDragging = false;
    if (HandleAllocated()) Paint();
  }
}

void TVyrCustomTrackBar::TimerExpired(TObject*) {
  if (!Inside(FTrackRect, FMouse.x, FMouse.y)) return;
  const bool horizontal = FOrientation == TVyrOrientation::toHorizontal;
  // Whether the thumb has reached the pointer in the paging direction.
  bool passed;
  if (horizontal)
    passed = FDirection == 1 ? (FThumbRect.left <= FMouse.x && FMouse.x < FThumbRect.right) || FThumbRect.left > FMouse.x
                             : FThumbRect.right > FMouse.x;
  else
    passed = FDirection == 1 ? FThumbRect.bottom <= FMouse.y + 1 || Inside(FThumbRect, FMouse.x, FMouse.y)
                             : FThumbRect.top <= FMouse.y;
  if (passed) {
    if (auto* timer = Vyrclass::VyrApplication->GetTimer(FTimer)) timer->SetEnabled(false);
    return;
  }
  PageStep();
}

}  // namespace Vyrextca
