#include <algorithm>
#include <vector>

#include "exceptions.h"
#include "sysutils.h"
#include "vyrutils.h"

namespace Vyrutils {

void SaveCompressedStream(TStream* Source, TStream* Dest, int Count) {
  const Int64 start = Dest->GetPosition();
  stWriteInteger(Dest, 0);
  std::vector<std::uint8_t> input(kVyrBlockInput), block(kVyrBlockSize);
  int total = 0;
  while (Count > 0) {
    const int got = Source->Read(input.data(), std::min(Count, kVyrBlockInput));
    if (got <= 0) break;
    const int length = VyrLZRWCompress(input.data(), got, block.data());
    stWriteInteger(Dest, length);
    Dest->WriteBuffer(block.data(), length);
    total += 4 + length;
    Count -= got;
  }
  const Int64 end = Dest->GetPosition();
  Dest->SetPosition(start);
  stWriteInteger(Dest, total);
  Dest->SetPosition(end);
}

// Every chunk is checked before it is read: its length must be a block's
// and lie within what the total still announces.
void LoadCompressedStream(TStream* Source, TStream* Dest) {
  std::vector<std::uint8_t> block(kVyrBlockSize), output(kVyrBlockInput);
  Int64 remaining = stReadInteger(Source);
  while (remaining > 0) {
    const int length = stReadInteger(Source);
    if (length < 1 || length > kVyrBlockSize || 4 + static_cast<Int64>(length) > remaining)
      throw EReadError("Compressed stream corrupt: bad chunk length " + IntToStr(length));
    Source->ReadBuffer(block.data(), length);
    const int produced = VyrLZRWDecompress(block.data(), output.data(), length);
    Dest->WriteBuffer(output.data(), produced);
    remaining -= 4 + length;
  }
}

}  // namespace Vyrutils
