#include "scrollbar_painter.h"

#include <algorithm>

#include "drawedge.h"
#include "drawframecontrol.h"
#include "fill.h"
#include "metrics.h"
#include "syscolors.h"

namespace {

constexpr int kMinThumb = 8;

bool Inside(const TRect& r, const TPoint& p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

int RangeSpan(const TScrollRange& r) { return std::max(1, r.Max - r.Min + 1); }

}  // namespace

int TScrollRange::MaxPos() const { return std::max(Min, Max - std::max(1, Page) + 1); }

TVScrollLayout LayoutVScrollBar(const TRect& Bar, const TScrollRange& Range) {
  TVScrollLayout l;
  l.Bar = Bar;
  // Arrows are square, but share a bar that is shorter than two of them.
  const int arrow = std::min<int>(GetSystemMetrics(SM_CYVSCROLL), Bar.Height() / 2);
  l.UpArrow = TRect(Bar.left, Bar.top, Bar.right, Bar.top + arrow);
  l.DownArrow = TRect(Bar.left, Bar.bottom - arrow, Bar.right, Bar.bottom);
  l.Track = TRect(Bar.left, l.UpArrow.bottom, Bar.right, l.DownArrow.top);
  const int track = l.Track.Height();
  const int span = RangeSpan(Range);
  const int page = std::clamp(Range.Page, 1, span);
  int thumb = std::max(kMinThumb, static_cast<int>(static_cast<long long>(track) * page / span));
  if (thumb > track || page >= span) return l;  // no room, or nothing to scroll
  const int travel = track - thumb;
  const int steps = Range.MaxPos() - Range.Min;
  const int pos = std::clamp(Range.Pos, Range.Min, Range.MaxPos()) - Range.Min;
  const int top = l.Track.top + (steps > 0 ? static_cast<int>(static_cast<long long>(travel) * pos / steps) : 0);
  l.Thumb = TRect(Bar.left, top, Bar.right, top + thumb);
  return l;
}

TScrollPart HitVScrollBar(const TVScrollLayout& Layout, const TPoint& P) {
  if (!Inside(Layout.Bar, P)) return TScrollPart::None;
  if (Inside(Layout.UpArrow, P)) return TScrollPart::LineUp;
  if (Inside(Layout.DownArrow, P)) return TScrollPart::LineDown;
  if (Layout.Thumb.Height() <= 0) return TScrollPart::None;
  if (Inside(Layout.Thumb, P)) return TScrollPart::Thumb;
  return P.y < Layout.Thumb.top ? TScrollPart::PageUp : TScrollPart::PageDown;
}

int VScrollPosForThumb(const TVScrollLayout& Layout, const TScrollRange& Range, int ThumbTop) {
  const int travel = Layout.Track.Height() - Layout.Thumb.Height();
  const int steps = Range.MaxPos() - Range.Min;
  if (travel <= 0 || steps <= 0) return Range.Min;
  const int offset = std::clamp(ThumbTop - static_cast<int>(Layout.Track.top), 0, travel);
  // Round to the nearest position, so the thumb lands where it was let go.
  return Range.Min + static_cast<int>((static_cast<long long>(offset) * steps + travel / 2) / travel);
}

void PaintVScrollBar(HDC DC, const TVScrollLayout& Layout, TScrollPart Pressed, bool Enabled) {
  const UINT inactive = Enabled ? 0 : DFCS_INACTIVE;
  RECT up = Layout.UpArrow, down = Layout.DownArrow;
  DrawFrameControl(DC, &up, DFC_SCROLL,
                   DFCS_SCROLLUP | inactive | (Pressed == TScrollPart::LineUp ? DFCS_PUSHED | DFCS_FLAT : 0));
  DrawFrameControl(DC, &down, DFC_SCROLL,
                   DFCS_SCROLLDOWN | inactive | (Pressed == TScrollPart::LineDown ? DFCS_PUSHED | DFCS_FLAT : 0));

  // The track: the classic half-tone of face and highlight; a pressed page
  // area shows dark.
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
  const bool thumb = Enabled && Layout.Thumb.Height() > 0;
  for (int y = Layout.Track.top; y < Layout.Track.bottom; ++y) {
    const bool inThumb = thumb && y >= Layout.Thumb.top && y < Layout.Thumb.bottom;
    if (inThumb) continue;
    const bool pressed = (Pressed == TScrollPart::PageUp && thumb && y < Layout.Thumb.top) ||
                         (Pressed == TScrollPart::PageDown && thumb && y >= Layout.Thumb.bottom);
    for (int x = Layout.Track.left; x < Layout.Track.right; ++x)
      SetPixelV(DC, x, y, pressed ? dark : (((x + y) & 1) ? face : light));
  }
  if (!thumb) return;
  RECT t = Layout.Thumb;
  DrawEdge(DC, &t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}
