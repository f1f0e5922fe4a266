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

// Lengths and places along the bar, whichever way it lies.
int Length(const TScrollBarLayout& l, const TRect& r) { return l.Vertical ? r.Height() : r.Width(); }
int Start(const TScrollBarLayout& l, const TRect& r) { return l.Vertical ? r.top : r.left; }
int End(const TScrollBarLayout& l, const TRect& r) { return l.Vertical ? r.bottom : r.right; }

// The piece of Bar from `from` to `to` along it, across its whole width.
TRect Span(const TScrollBarLayout& l, int from, int to) {
  const TRect& b = l.Bar;
  return l.Vertical ? TRect(b.left, from, b.right, to) : TRect(from, b.top, to, b.bottom);
}

}  // namespace

int TScrollRange::MaxPos() const { return std::max(Min, Max - std::max(1, Page) + 1); }

TScrollBarLayout LayoutScrollBar(const TRect& Bar, bool Vertical, const TScrollRange& Range) {
  TScrollBarLayout l;
  l.Vertical = Vertical;
  l.Bar = Bar;
  const int length = Length(l, Bar), start = Start(l, Bar), end = End(l, Bar);
  // Arrows are square, but share a bar that is shorter than two of them.
  const int arrow = std::min<int>(GetSystemMetrics(Vertical ? SM_CYVSCROLL : SM_CXHSCROLL), length / 2);
  l.UpArrow = Span(l, start, start + arrow);
  l.DownArrow = Span(l, end - arrow, end);
  l.Track = Span(l, start + arrow, end - arrow);
  const int track = Length(l, l.Track);
  const int span = RangeSpan(Range);
  const int page = std::clamp(Range.Page, 1, span);
  int thumb = std::max(kMinThumb, static_cast<int>(static_cast<long long>(track) * page / span));
  if (thumb > track || page >= span) return l;  // no room, or nothing to scroll
  const int travel = track - thumb;
  const int steps = Range.MaxPos() - Range.Min;
  const int pos = std::clamp(Range.Pos, Range.Min, Range.MaxPos()) - Range.Min;
  const int lead = Start(l, l.Track) + (steps > 0 ? static_cast<int>(static_cast<long long>(travel) * pos / steps) : 0);
  l.Thumb = Span(l, lead, lead + thumb);
  return l;
}

TScrollPart HitScrollBar(const TScrollBarLayout& Layout, const TPoint& P) {
  if (!Inside(Layout.Bar, P)) return TScrollPart::None;
  if (Inside(Layout.UpArrow, P)) return TScrollPart::LineUp;
  if (Inside(Layout.DownArrow, P)) return TScrollPart::LineDown;
  if (!Layout.HasThumb()) return TScrollPart::None;
  if (Inside(Layout.Thumb, P)) return TScrollPart::Thumb;
  const int along = Layout.Vertical ? P.y : P.x;
  return along < Start(Layout, Layout.Thumb) ? TScrollPart::PageUp : TScrollPart::PageDown;
}

int ScrollPosForThumb(const TScrollBarLayout& Layout, const TScrollRange& Range, int ThumbStart) {
  const int travel = Length(Layout, Layout.Track) - Length(Layout, Layout.Thumb);
  const int steps = Range.MaxPos() - Range.Min;
  if (travel <= 0 || steps <= 0) return Range.Min;
  const int offset = std::clamp(ThumbStart - Start(Layout, Layout.Track), 0, travel);
  // Round to the nearest position, so the thumb lands where it was let go.
  return Range.Min + static_cast<int>((static_cast<long long>(offset) * steps + travel / 2) / travel);
}

void PaintScrollBar(HDC DC, const TScrollBarLayout& Layout, TScrollPart Pressed, bool Enabled) {
  const UINT inactive = Enabled ? 0 : DFCS_INACTIVE;
  RECT up = Layout.UpArrow, down = Layout.DownArrow;
  DrawFrameControl(DC, &up, DFC_SCROLL,
                   (Layout.Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | inactive |
                       (Pressed == TScrollPart::LineUp ? DFCS_PUSHED | DFCS_FLAT : 0));
  DrawFrameControl(DC, &down, DFC_SCROLL,
                   (Layout.Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | inactive |
                       (Pressed == TScrollPart::LineDown ? DFCS_PUSHED | DFCS_FLAT : 0));

  // The track: the classic half-tone of face and highlight; a pressed page
  // area shows dark.
  const COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
  const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);
  const bool thumb = Enabled && Layout.HasThumb();
  const int thumbStart = Start(Layout, Layout.Thumb), thumbEnd = End(Layout, Layout.Thumb);
  for (int y = Layout.Track.top; y < Layout.Track.bottom; ++y) {
    for (int x = Layout.Track.left; x < Layout.Track.right; ++x) {
      const int along = Layout.Vertical ? y : x;
      if (thumb && along >= thumbStart && along < thumbEnd) continue;
      const bool pressed = thumb && ((Pressed == TScrollPart::PageUp && along < thumbStart) ||
                                     (Pressed == TScrollPart::PageDown && along >= thumbEnd));
      SetPixelV(DC, x, y, pressed ? dark : (((x + y) & 1) ? face : light));
    }
  }
  if (!thumb) return;
  RECT t = Layout.Thumb;
  DrawEdge(DC, &t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}
