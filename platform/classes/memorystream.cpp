#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
#include <stdexcept>

#include "exceptions.h"
#include "streams.h"

void TCustomMemoryStream::SetPointer(void* Ptr, Int64 Size) {
  memory_ = static_cast<Byte*>(Ptr);
  size_ = Size;
}

LongInt TCustomMemoryStream::Read(void* Buffer, LongInt Count) {
  if (Count <= 0 || position_ >= size_) return 0;
  const LongInt n = static_cast<LongInt>(std::min<Int64>(Count, size_ - position_));
  std::memcpy(Buffer, memory_ + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

Int64 TCustomMemoryStream::Seek(Int64 Offset, int Origin) {
  Int64 base = 0;
  if (Origin == soFromCurrent) base = position_;
  else if (Origin == soFromEnd) base = size_;
  else if (Origin != soFromBeginning) return -1;
  Int64 target = 0;
  if (__builtin_add_overflow(base, Offset, &target) || target < 0) return -1;
  position_ = target;
  return position_;
}

void TCustomMemoryStream::SaveToStream(TStream* Stream) {
  // Written in pieces, as WriteBuffer counts in 32 bits.
  for (Int64 done = 0; done < size_;) {
    const LongInt n = static_cast<LongInt>(std::min<Int64>(size_ - done, 1 << 30));
    Stream->WriteBuffer(memory_ + done, n);
    done += n;
  }
}

void TCustomMemoryStream::SaveToFile(const AnsiString& FileName) {
  TFileStream file(FileName, fmCreate);
  SaveToStream(&file);
}

void TMemoryStream::SetSize(Int64 NewSize) {
  if (NewSize < 0) NewSize = 0;
  try {
    buffer_.resize(static_cast<std::size_t>(NewSize));
  } catch (const std::bad_alloc&) {
    throw EStreamError("Speicherüberlauf beim Erweitern des Memory-Streams");
  } catch (const std::length_error&) {
    throw EStreamError("Speicherüberlauf beim Erweitern des Memory-Streams");
  }
  SetPointer(buffer_.data(), NewSize);
  if (position_ > NewSize) position_ = NewSize;
}

LongInt TMemoryStream::Write(const void* Buffer, LongInt Count) {
  if (Count <= 0 || position_ > INT64_MAX - Count) return 0;
  const Int64 end = position_ + Count;
  if (end > GetSize()) {
    try {
      SetSize(end);
    } catch (const EStreamError&) {
      return 0;
    }
  }
  std::memcpy(buffer_.data() + position_, Buffer, static_cast<std::size_t>(Count));
  position_ = end;
  return Count;
}

void TMemoryStream::Clear() {
  std::vector<Byte>().swap(buffer_);
  SetPointer(nullptr, 0);
  position_ = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  const Int64 size = Stream->GetSize();
  SetSize(size);
  if (size > 0) {
    for (Int64 done = 0; done < size;) {
      const LongInt n = static_cast<LongInt>(std::min<Int64>(size - done, 1 << 30));
      Stream->ReadBuffer(buffer_.data() + done, n);
      done += n;
    }
  }
  position_ = 0;
}

void TMemoryStream::LoadFromFile(const AnsiString& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&file);
}
