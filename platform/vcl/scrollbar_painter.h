// A vertical scroll bar of the classic look, as a piece that a control puts
// in its own non-client area: the layout of its arrows, track and thumb for
// a range and page, which part a point hits, where a dragged thumb puts the
// position, and the painting. The list box and the scroll box share it.
#pragma once

#include "gdi_handles.h"
#include "rect.h"
#include "wintypes.h"

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

enum class TScrollPart { None, LineUp, PageUp, Thumb, PageDown, LineDown };

struct TVScrollLayout {
  TRect Bar;
  TRect UpArrow;
  TRect DownArrow;
  TRect Track;  // between the arrows
  TRect Thumb;  // empty when the track is too short for one
};

// The parts of a bar that fills `Bar`.
TVScrollLayout LayoutVScrollBar(const TRect& Bar, const TScrollRange& Range);
TScrollPart HitVScrollBar(const TVScrollLayout& Layout, const TPoint& P);
// The position that puts the thumb's top at ThumbTop (clamped to the range).
int VScrollPosForThumb(const TVScrollLayout& Layout, const TScrollRange& Range, int ThumbTop);
// Draws the bar; Pressed is drawn pushed in. A disabled bar has flat arrows
// and no thumb.
void PaintVScrollBar(HDC DC, const TVScrollLayout& Layout, TScrollPart Pressed, bool Enabled);
