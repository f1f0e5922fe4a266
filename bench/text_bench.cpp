// bench-libs: morvant_gdi
#include <benchmark/benchmark.h>

#include "bitmap.h"
#include "dc.h"
#include "gdiobj.h"
#include "text.h"

namespace {

// One 40-letter line of the default GUI font, as a label or caption paints
// it; the glyphs come from the cache after the first round.
void BM_TextOut(benchmark::State& state) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(640, 480, 1, 32, nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  HGDIOBJ oldFont = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  const char line[] = "Level 12: Die Kugel rollt zum Ausgang - ";
  static_assert(sizeof line - 1 == 40);
  int y = 0;
  for (auto _ : state) {
    TextOut(dc, 10, y, line, 40);
    y = (y + 13) % 460;
  }
  state.SetItemsProcessed(state.iterations());
  SelectObject(dc, oldFont);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
}
BENCHMARK(BM_TextOut);

}  // namespace
