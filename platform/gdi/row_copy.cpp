#include "row_copy.h"

namespace {

// Rows longer than this go to the library's copy, whose wide and streaming
// stores win on long rows.
constexpr int kShortRow = 128;

template <class CopyRow>
void ForEachRow(Pixel* to, std::ptrdiff_t toStep, const Pixel* from, std::ptrdiff_t fromStep, int rows,
                CopyRow&& copy) {
  auto* t = reinterpret_cast<std::byte*>(to);
  auto* f = reinterpret_cast<const std::byte*>(from);
  for (int k = 0; k < rows; ++k, t += toStep, f += fromStep)
    copy(reinterpret_cast<Pixel*>(t), reinterpret_cast<const Pixel*>(f));
}

// A row of a width known here becomes straight vector moves.
template <int Width>
void CopyFixedRows(Pixel* to, std::ptrdiff_t toStep, const Pixel* from, std::ptrdiff_t fromStep, int rows) {
  ForEachRow(to, toStep, from, fromStep, rows, [](Pixel* __restrict t, const Pixel* __restrict f) {
    std::memcpy(t, f, Width * sizeof(Pixel));
  });
}

}  // namespace

void CopyRowBlock(Pixel* to, std::ptrdiff_t toStep, const Pixel* from, std::ptrdiff_t fromStep, int width, int rows) {
  // The cell sizes drawn most: glyph cells and LED segments, tiles.
  switch (width) {
    case 8:
      return CopyFixedRows<8>(to, toStep, from, fromStep, rows);
    case 16:
      return CopyFixedRows<16>(to, toStep, from, fromStep, rows);
    case 32:
      return CopyFixedRows<32>(to, toStep, from, fromStep, rows);
    default:
      break;
  }
  if (width < kShortRow)
    return ForEachRow(to, toStep, from, fromStep, rows,
                      [width](Pixel* t, const Pixel* f) { CopyShortRow(t, f, width); });
  ForEachRow(to, toStep, from, fromStep, rows, [width](Pixel* t, const Pixel* f) {
    std::memcpy(t, f, static_cast<std::size_t>(width) * sizeof(Pixel));
  });
}
