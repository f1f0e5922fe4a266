#include <algorithm>
#include <cstdint>
#include <cstring>

#include "streams.h"

LongInt TStringStream::Read(void* Buffer, LongInt Count) {
  const Int64 size = GetSize();
  if (Count <= 0 || position_ >= size) return 0;
  const LongInt n = static_cast<LongInt>(std::min<Int64>(Count, size - position_));
  std::memcpy(Buffer, data_.data() + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

LongInt TStringStream::Write(const void* Buffer, LongInt Count) {
  if (Count <= 0 || position_ > INT64_MAX - Count) return 0;
  const Int64 end = position_ + Count;
  try {
    if (end > GetSize()) data_.resize(static_cast<std::size_t>(end));
  } catch (const std::exception&) {
    return 0;
  }
  std::memcpy(data_.data() + position_, Buffer, static_cast<std::size_t>(Count));
  position_ = end;
  return Count;
}

Int64 TStringStream::Seek(Int64 Offset, int Origin) {
  Int64 base = 0;
  if (Origin == soFromCurrent) base = position_;
  else if (Origin == soFromEnd) base = GetSize();
  else if (Origin != soFromBeginning) return -1;
  Int64 target = 0;
  if (__builtin_add_overflow(base, Offset, &target) || target < 0) return -1;
  position_ = target;
  return position_;
}

void TStringStream::SetSize(Int64 NewSize) {
  data_.resize(static_cast<std::size_t>(std::max<Int64>(NewSize, 0)));
  position_ = std::min(position_, GetSize());
}

AnsiString TStringStream::ReadString(LongInt Count) {
  const Int64 size = GetSize();
  if (Count <= 0 || position_ >= size) return AnsiString();
  const Int64 n = std::min<Int64>(Count, size - position_);
  AnsiString result(data_.data() + position_, static_cast<std::size_t>(n));
  position_ += n;
  return result;
}

void TStringStream::WriteString(const AnsiString& AString) { Write(AString.data(), AString.Length()); }
