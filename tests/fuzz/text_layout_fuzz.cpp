// fuzz-libs: morvant_gdi
// Text from outside (captions, level names, ini values) reaches the layout
// as arbitrary bytes; so may a font record read from a stream. Any of it
// must lay out and draw inside the surface without a fault.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "bitmap.h"
#include "dc.h"
#include "font.h"
#include "rect.h"
#include "text.h"

namespace {

struct Header {
  LOGFONT lf;
  std::uint32_t format;
  std::int16_t boxWidth, boxHeight;
  std::int16_t charExtra;
  std::uint16_t align;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static HDC dc = [] {
    HDC d = CreateCompatibleDC(nullptr);
    SelectObject(d, CreateBitmap(64, 48, 1, 32, nullptr));
    return d;
  }();
  Header h{};
  if (size < sizeof h) return 0;
  std::memcpy(&h, data, sizeof h);
  std::vector<char> text(data + sizeof h, data + size);
  text.resize(text.size() + 8, 0);  // room for DT_MODIFYSTRING's ellipsis
  const int count = static_cast<int>(size - sizeof h);

  // Keep fonts small enough for the fuzzer's pace; the clamps on huge
  // heights are the engine's own and are checked here too, now and then.
  if ((h.lf.lfHeight & 0xFF) != 0x7F) h.lf.lfHeight %= 64;
  h.lf.lfWidth %= 64;
  HFONT font = CreateFontIndirect(&h.lf);
  HGDIOBJ old = SelectObject(dc, font);
  SetTextCharacterExtra(dc, h.charExtra);
  SetTextAlign(dc, h.align);
  SetBkMode(dc, (h.format & 1) ? OPAQUE : TRANSPARENT);

  TRect box(h.boxWidth % 100 - 20, h.boxHeight % 100 - 20, h.boxWidth % 100 + 40, h.boxHeight % 100 + 40);
  DrawText(dc, text.data(), count, &box, h.format & ~DT_TABSTOP);
  DrawText(dc, text.data(), count, &box, h.format | DT_CALCRECT);
  DRAWTEXTPARAMS params;
  params.iTabLength = h.boxWidth;
  params.iLeftMargin = h.charExtra;
  DrawTextEx(dc, text.data(), count, &box, h.format, &params);
  TextOut(dc, h.boxWidth % 80, h.boxHeight % 80, text.data(), count);
  SIZE extent;
  GetTextExtentPoint32(dc, text.data(), count, &extent);

  SelectObject(dc, old);
  DeleteObject(font);
  return 0;
}
