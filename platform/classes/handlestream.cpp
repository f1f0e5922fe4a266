#include "exceptions.h"
#include "streams.h"

LongInt THandleStream::Read(void* Buffer, LongInt Count) {
  if (Count <= 0) return 0;
  const int n = FileRead(handle_, Buffer, static_cast<LongWord>(Count));
  return n < 0 ? 0 : n;
}

LongInt THandleStream::Write(const void* Buffer, LongInt Count) {
  if (Count <= 0) return 0;
  const int n = FileWrite(handle_, Buffer, static_cast<LongWord>(Count));
  return n < 0 ? 0 : n;
}

Int64 THandleStream::Seek(Int64 Offset, int Origin) { return FileSeek(handle_, Offset, Origin); }

void THandleStream::SetSize(Int64 NewSize) {
  const Int64 pos = GetPosition();
  if (!FileSetSize(handle_, NewSize)) throw EStreamError("Die Größe der Datei kann nicht geändert werden");
  if (pos > NewSize) Seek(0, soFromEnd);
}
