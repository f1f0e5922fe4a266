// A scroll bar of the classic look, as a piece that a control puts in its
// own non-client area: the layout of its arrows, track and thumb for a range
// and page, which part a point hits, where a dragged thumb puts the
// position, and the painting. One layout serves painting and hit testing, so
// a click always lands on what was drawn. The list box and the scroll box
// share it, upright or lying.
#pragma once

#include "gdi_handles.h"
#include "rect.h"
#include "wintypes.h"

// The scroll codes of WM_HSCROLL and WM_VSCROLL (low word of wParam).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;

// The numbers a scroll bar shows: positions Min..Max, Page of them visible
// at once, Pos the first visible one (at most Max - Page + 1).
struct TScrollRange {
  int Min = 0;
  int Max = 0;
  int Page = 1;
  int Pos = 0;
  // The largest position the thumb can reach.
  int MaxPos() const;
};

// Up and down stand for left and right on a lying bar.
enum class TScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct TScrollBarLayout {
  bool Vertical = true;
  TRect Bar;
  TRect UpArrow;    // the left arrow of a lying bar
  TRect DownArrow;  // the right arrow of a lying bar
  TRect Track;      // between the arrows
  TRect Thumb;      // empty when the track is too short for one
  bool HasThumb() const { return Thumb.Width() > 0 && Thumb.Height() > 0; }
};

// The parts of a bar that fills `Bar`.
TScrollBarLayout LayoutScrollBar(const TRect& Bar, bool Vertical, const TScrollRange& Range);
TScrollPart HitScrollBar(const TScrollBarLayout& Layout, const TPoint& P);
// The position that puts the thumb's leading edge (top, or left of a lying
// bar) at ThumbStart, in the coordinates of the layout (clamped to the range).
int ScrollPosForThumb(const TScrollBarLayout& Layout, const TScrollRange& Range, int ThumbStart);
// Draws the bar; Pressed is drawn pushed in. A disabled bar has flat arrows
// and no thumb.
void PaintScrollBar(HDC DC, const TScrollBarLayout& Layout, TScrollPart Pressed, bool Enabled);
