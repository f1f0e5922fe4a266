#include "scrollbar_paint.h"

#include <algorithm>

#include "drawedge.h"
#include "drawframecontrol.h"
#include "fill.h"
#include "metrics.h"
#include "numbers.h"
#include "syscolors.h"

namespace {

constexpr int kMinThumb = 8;

bool ThumbMissing(const TScrollBarGeometry& g) { return g.Thumb.Width() <= 0 || g.Thumb.Height() <= 0; }

bool Inside(const TRect& r, const TPoint& p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

TScrollBarGeometry LayoutScrollBar(const TRect& R, bool Vertical, int Range, int Page, int Position) {
  TScrollBarGeometry g;
  g.Vertical = Vertical;
  g.Whole = R;
  g.Range = std::max(0, Range);
  g.Page = std::max(0, Page);
  g.Position = std::clamp(Position, 0, std::max(0, g.Range - g.Page));
  const int length = Vertical ? R.Height() : R.Width();
  // Short bars squeeze their arrows before losing them.
  const int arrow = std::min(Vertical ? GetSystemMetrics(SM_CYVSCROLL) : GetSystemMetrics(SM_CXHSCROLL), length / 2);
  const int trackLength = std::max(0, length - 2 * arrow);
  if (Vertical) {
    g.Up = TRect(R.left, R.top, R.right, R.top + arrow);
    g.Down = TRect(R.left, R.bottom - arrow, R.right, R.bottom);
    g.Track = TRect(R.left, R.top + arrow, R.right, R.top + arrow + trackLength);
  } else {
    g.Up = TRect(R.left, R.top, R.left + arrow, R.bottom);
    g.Down = TRect(R.right - arrow, R.top, R.right, R.bottom);
    g.Track = TRect(R.left + arrow, R.top, R.left + arrow + trackLength, R.bottom);
  }
  if (g.Range <= g.Page || trackLength < kMinThumb) return g;  // no thumb
  const int thumb = std::max(kMinThumb, MulDiv(trackLength, g.Page, g.Range));
  const int offset = MulDiv(trackLength - thumb, g.Position, g.Range - g.Page);
  if (Vertical)
    g.Thumb = TRect(R.left, g.Track.top + offset, R.right, g.Track.top + offset + thumb);
  else
    g.Thumb = TRect(g.Track.left + offset, R.top, g.Track.left + offset + thumb, R.bottom);
  return g;
}

TScrollBarPart ScrollBarPartAt(const TScrollBarGeometry& G, const TPoint& P) {
  if (!Inside(G.Whole, P)) return TScrollBarPart::None;
  if (Inside(G.Up, P)) return TScrollBarPart::LineUp;
  if (Inside(G.Down, P)) return TScrollBarPart::LineDown;
  if (ThumbMissing(G)) return TScrollBarPart::None;
  if (Inside(G.Thumb, P)) return TScrollBarPart::Thumb;
  const bool before = G.Vertical ? P.y < G.Thumb.top : P.x < G.Thumb.left;
  return before ? TScrollBarPart::PageUp : TScrollBarPart::PageDown;
}

int ScrollBarPositionAt(const TScrollBarGeometry& G, int Offset) {
  const int track = G.Vertical ? G.Track.Height() : G.Track.Width();
  const int thumb = G.Vertical ? G.Thumb.Height() : G.Thumb.Width();
  if (track <= thumb || G.Range <= G.Page) return 0;
  return MulDiv(std::clamp(Offset, 0, track - thumb), G.Range - G.Page, track - thumb);
}

void PaintScrollBar(HDC DC, const TScrollBarGeometry& G) {
  const bool active = !ThumbMissing(G);
  const UINT state = active ? 0 : DFCS_INACTIVE;
  RECT up = G.Up, down = G.Down;
  DrawFrameControl(DC, &up, DFC_SCROLL, (G.Vertical ? DFCS_SCROLLUP : DFCS_SCROLLLEFT) | state);
  DrawFrameControl(DC, &down, DFC_SCROLL, (G.Vertical ? DFCS_SCROLLDOWN : DFCS_SCROLLRIGHT) | state);
  RECT track = G.Track;
  FillRect(DC, &track, GetSysColorBrush(COLOR_SCROLLBAR));
  if (!active) return;
  RECT thumb = G.Thumb;
  DrawEdge(DC, &thumb, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}
