// fuzz-libs: morvant_foundation
// A bitmap of a library stream from arbitrary bytes, compressed and plain:
// it loads or raises the stream's or the picture reader's error, never reads
// past the data.
#include <cstddef>
#include <cstdint>

#include "bitmap_class.h"
#include "exceptions.h"
#include "vyrutils.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (bool compressed : {false, true}) {
    TMemoryStream stream;
    stream.WriteBuffer(data, static_cast<LongInt>(size));
    stream.SetPosition(0);
    TBitmap bitmap;
    try {
      Vyrutils::stReadBitmap(&stream, &bitmap, compressed);
    } catch (const EReadError&) {
    } catch (const EInvalidGraphic&) {
    }
  }
  return 0;
}
