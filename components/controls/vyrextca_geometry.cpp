// Where the track, the thumb and the ticks of the track bar go.
#include "vyrextca.h"

namespace Vyrextca {

namespace {

using Wide = __int128;

// floor(a / b) for b > 0.
Wide FloorDiv(Wide a, Wide b) {
  Wide q = a / b;
  return (a % b != 0 && a < 0) ? q - 1 : q;
}
Wide CeilDiv(Wide a, Wide b) { return -FloorDiv(-a, b); }

// The track's offset across the bar, by where the ticks are.
int TrackCrossOffset(int Extent, int TrackWidth, TVyrTickStyle Style, TVyrTickMarks Marks, bool Horizontal) {
  if (Style == TVyrTickStyle::tsNone || Marks == TVyrTickMarks::tmBottomRight)
    return TrackWidth / 2 + (Horizontal ? 1 : 0);
  if (Marks == TVyrTickMarks::tmTopLeft) return Extent - TrackWidth - TrackWidth / 2;
  return (Extent - TrackWidth) / 2;
}

}  // namespace

TVyrTrackGeometry VyrTrackGeometry(const TVyrTrackLayout& L) {
  TVyrTrackGeometry G;
  G.Inner = TRect(L.Client.left + L.Margin, L.Client.top + L.Margin, L.Client.right - L.Margin,
                  L.Client.bottom - L.Margin);
  G.Width = G.Inner.Width();
  G.Height = G.Inner.Height();
  G.Half = L.ThumbLength / 2;
  const int TW = L.TrackWidth;
  if (L.Orientation == TVyrOrientation::toHorizontal) {
    int top = G.Inner.top + TrackCrossOffset(G.Height, TW, L.TickStyle, L.TickMarks, true);
    G.Track = Bounds(G.Inner.left + G.Half, top, G.Width - 2 * G.Half, TW);
    G.Travel = G.Width - L.ThumbLength;
  } else {
    int left = G.Inner.left + TrackCrossOffset(G.Width, TW, L.TickStyle, L.TickMarks, false);
    G.Track = Bounds(left, G.Inner.top + G.Half, TW, G.Height - 2 * G.Half);
    G.Travel = G.Height - L.ThumbLength;
  }
  return G;
}

std::int64_t VyrThumbOffset(std::int64_t Travel, std::int64_t Position, std::int64_t Min, std::int64_t Max) {
  if (Max <= Min) return 0;
  // Truncation toward zero, as the plain integer division it replaces.
  return static_cast<std::int64_t>(Wide(Travel) * Wide(Position - Min) / Wide(Max - Min));
}

TRect VyrThumbRect(const TVyrTrackLayout& L, const TVyrTrackGeometry& G, std::int64_t Position, std::int64_t Min,
                   std::int64_t Max) {
  const int d = static_cast<int>(VyrThumbOffset(G.Travel, Position, Min, Max));
  const int across = (L.ThumbThickness - L.TrackWidth) / 2;
  if (L.Orientation == TVyrOrientation::toHorizontal)
    return Bounds(G.Inner.left + d, G.Track.top - across, L.ThumbLength, L.ThumbThickness);
  // Higher values sit at the top.
  return Bounds(G.Track.left - across, G.Inner.top + G.Height - d - L.ThumbLength, L.ThumbThickness, L.ThumbLength);
}

void VyrForEachTick(const TVyrTrackGeometry& G, std::int64_t Min, std::int64_t Max, int TickGap,
                    const std::function<void(std::int64_t, int)>& Tick) {
  if (Max < Min) return;
  const Wide range = Wide(Max) - Wide(Min);
  const Wide step = TickGap >= 2 ? TickGap : 1;
  const int origin = G.Half;
  if (range == 0 || G.Travel <= 0) {
    // Every value lands on the first pixel (or the bar has no room).
    Tick(Min, origin);
    return;
  }
  const Wide travel = G.Travel;
  for (Wide k = 0; k <= range;) {
    const Wide pixel = k * travel / range;
    Tick(static_cast<std::int64_t>(Wide(Min) + k), static_cast<int>(pixel) + origin);
    // The first offset whose pixel is the next one, on the step grid.
    Wide next = CeilDiv((pixel + 1) * range, travel);
    next = CeilDiv(next, step) * step;
    if (next <= k) next = k + step;
    k = next;
  }
}

std::optional<std::int64_t> VyrDragPosition(const TVyrTrackGeometry& G, TVyrOrientation Orientation, int Coordinate,
                                            std::int64_t Min, std::int64_t Max) {
  const int extent = (Orientation == TVyrOrientation::toHorizontal ? G.Width : G.Height) - G.Half;
  if (extent <= 0) return std::nullopt;
  const Wide along = Orientation == TVyrOrientation::toHorizontal ? Wide(Coordinate) - G.Half : Wide(extent) - Coordinate;
  const Wide num = along * (Wide(Max) - Wide(Min));
  Wide q = FloorDiv(num, extent);
  const Wide twiceRest = 2 * (num - q * extent);
  if (twiceRest > extent || (twiceRest == extent && (q & 1) != 0)) ++q;
  const Wide result = q + Min;
  // Far outside the bar the value can leave 64 bits; the caller clamps.
  constexpr Wide lo = INT64_MIN, hi = INT64_MAX;
  return static_cast<std::int64_t>(result < lo ? lo : result > hi ? hi : result);
}

TVyrThumbSize VyrDrawnThumbSize(int TrackWidth, TVyrTickMarks TickMarks) {
  TVyrThumbSize s{TrackWidth, TrackWidth + 8};
  if (TickMarks != TVyrTickMarks::tmBoth) {
    s.Length |= 1;
    s.Thickness |= 1;
  }
  return s;
}

}  // namespace Vyrextca
