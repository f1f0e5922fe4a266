// Unit vyrextca: the owner-painted track bar.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

#include "colors.h"
#include "rect.h"

class TBitmap;

namespace Vyrextca {

enum class TVyrOrientation { toHorizontal, toVertical };
enum class TVyrTickStyle { tsAuto, tsOwnerDraw, tsNone };
enum class TVyrTickMarks { tmBoth, tmBottomRight, tmTopLeft };
enum class TVyrTrackBarFocusStyle { tbFocus, tbInvisibleFocus, tbNoFocus };
enum class TVyrThumbStyle { tsStandard, tsCustom };

// ======== geometry ========
// Pure arithmetic of the bar, kept apart from painting so that every pixel
// position can be checked without a window. Values and offsets are 64-bit:
// a range of the whole 32-bit span would overflow 32-bit differences.

// What the geometry depends on. The thumb's Length runs along the track
// (the width of one image of a horizontal thumb, the height of a vertical
// one); Thickness runs across it.
struct TVyrTrackLayout {
  TRect Client;
  int Margin = 1;
  int TrackWidth = 10;
  int ThumbLength = 11;
  int ThumbThickness = 19;
  TVyrOrientation Orientation = TVyrOrientation::toHorizontal;
  TVyrTickStyle TickStyle = TVyrTickStyle::tsAuto;
  TVyrTickMarks TickMarks = TVyrTickMarks::tmBottomRight;
};

struct TVyrTrackGeometry {
  TRect Inner;  // client rect less the margin
  int Width = 0, Height = 0;
  int Half = 0;  // half the thumb length: where the first tick sits
  TRect Track;   // the framed track, before its border is taken off
  // The room the thumb travels along the track (extent less the length).
  int Travel = 0;
};

TVyrTrackGeometry VyrTrackGeometry(const TVyrTrackLayout& Layout);

// The thumb's offset from the inner rect's start for Position:
// trunc(Travel x (Position - Min) / (Max - Min)), exact.
std::int64_t VyrThumbOffset(std::int64_t Travel, std::int64_t Position, std::int64_t Min, std::int64_t Max);
TRect VyrThumbRect(const TVyrTrackLayout& Layout, const TVyrTrackGeometry& G, std::int64_t Position,
                   std::int64_t Min, std::int64_t Max);

// Calls Tick(value, pixel) for the tick values Min, Min + step, ... <= Max
// (step TickGap when at least 2, else 1), pixel = the offset of the value
// from the inner rect's start plus Half. Only the first value of each pixel
// is handed on, so a huge range costs one call per pixel, not per value.
void VyrForEachTick(const TVyrTrackGeometry& G, std::int64_t Min, std::int64_t Max, int TickGap,
                    const std::function<void(std::int64_t Value, int Pixel)>& Tick);

// The position a drag to client coordinate Coordinate (X of a horizontal
// bar, Y of a vertical one) asks for, rounded half to even and not yet
// clamped; none when the bar leaves no room to drag.
std::optional<std::int64_t> VyrDragPosition(const TVyrTrackGeometry& G, TVyrOrientation Orientation, int Coordinate,
                                            std::int64_t Min, std::int64_t Max);

// The size of one image of the drawn thumb: Length along the track,
// Thickness across. The pointed thumbs get odd sizes so their tip is one
// pixel.
struct TVyrThumbSize {
  int Length, Thickness;
};
TVyrThumbSize VyrDrawnThumbSize(int TrackWidth, TVyrTickMarks TickMarks);

// Draws the thumb into Thumb: two images side by side, the normal one and
// the pressed (or disabled) one over a checkerboard of ThumbColor. A thumb
// for ticks on both sides is a raised block; otherwise a body pointing
// toward the ticks on a clOlive background, which is the transparent colour
// the bar draws it with.
void VyrCreateThumb(TBitmap* Thumb, int TrackWidth, TVyrOrientation Orientation, TVyrTickMarks TickMarks,
                    TColor ThumbColor);

}  // namespace Vyrextca
