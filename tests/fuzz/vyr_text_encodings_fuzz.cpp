// fuzz-libs: morvant_foundation
// Stored setting texts through the font, point and rectangle decoders. A
// font text either sets the font or raises EConvertError, leaving the font
// whole; points and rectangles always decode and write back to themselves.
#include <cstddef>
#include <cstdint>

#include "exceptions.h"
#include "font_class.h"
#include "vyrutils.h"

using namespace Vyrutils;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString text(reinterpret_cast<const char*>(data), size);
  TFont font;
  const AnsiString before = VyrFontToString(&font);
  try {
    VyrStringToFont(text, &font);
  } catch (const EConvertError&) {
    if (VyrFontToString(&font) != before) __builtin_trap();
  }
  const TPoint p = VyrStringToPoint(text);
  if (VyrStringToPoint(VyrPointToString(p)) != p) __builtin_trap();
  const TRect r = VyrStringToRect(text);
  if (VyrStringToRect(VyrRectToString(r)) != r) __builtin_trap();
  return 0;
}
