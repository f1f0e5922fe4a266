#include <algorithm>

#include "exceptions.h"
#include "resourcestrings.h"
#include "streams.h"

void TStream::ReadBuffer(void* Buffer, LongInt Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError(LoadStr(SReadError));
}

void TStream::WriteBuffer(const void* Buffer, LongInt Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError(LoadStr(SWriteError));
}

Int64 TStream::CopyFrom(TStream* Source, Int64 Count) {
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->GetSize();
  }
  constexpr LongInt kChunk = 64 * 1024;
  std::vector<Byte> buffer(static_cast<std::size_t>(std::min<Int64>(std::max<Int64>(Count, 0), kChunk)));
  for (Int64 left = Count; left > 0;) {
    const LongInt n = static_cast<LongInt>(std::min<Int64>(left, kChunk));
    Source->ReadBuffer(buffer.data(), n);
    WriteBuffer(buffer.data(), n);
    left -= n;
  }
  return Count;
}

Int64 TStream::GetPosition() { return Seek(0, soFromCurrent); }

void TStream::SetPosition(Int64 Pos) { Seek(Pos, soFromBeginning); }

Int64 TStream::GetSize() {
  const Int64 pos = Seek(0, soFromCurrent);
  const Int64 size = Seek(0, soFromEnd);
  Seek(pos, soFromBeginning);
  return size;
}

void TStream::SetSize(Int64) {}
