#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "exceptions.h"
#include "vyrutils.h"

namespace Vyrutils {

namespace {

constexpr std::uint8_t kCompressed = 0x40;
constexpr std::uint8_t kStored = 0x80;
constexpr int kHashSize = 4096;
constexpr std::uint16_t kEmptyEntry = 0xFFFF;
constexpr int kWindow = 4096;
constexpr int kMinCopy = 3;
constexpr int kMaxCopy = 18;
constexpr int kMinRun = 16;
constexpr int kMaxRunWritten = 4095;

// The writer of one block: items go in only while they fit within the
// source's own length, so a block that would not shrink stops early and is
// stored instead, and no write ever leaves the block.
class BlockWriter {
 public:
  BlockWriter(std::uint8_t* dest, int limit) : dest_(dest), limit_(limit) {}

  bool Fits(int bytes) const { return out_ + bytes <= limit_; }
  int Length() const { return out_; }

  // Room for the next control word when the current one is full.
  bool StartItem() {
    if (items_ == 16) {
      if (!Fits(2)) return false;
      PutWord(slot_, control_);
      slot_ = out_;
      out_ += 2;
      items_ = 0;
      control_ = 0;
    }
    return true;
  }
  void Byte(std::uint8_t b) { dest_[out_++] = b; }
  void Word(std::uint16_t w) {
    PutWord(out_, w);
    out_ += 2;
  }
  void EndItem(bool copyOrRun) {
    control_ = static_cast<std::uint16_t>((control_ << 1) | (copyOrRun ? 1 : 0));
    ++items_;
  }
  void Finish() { PutWord(slot_, static_cast<std::uint16_t>(control_ << (16 - items_))); }

 private:
  void PutWord(int at, std::uint16_t w) {
    dest_[at] = static_cast<std::uint8_t>(w >> 8);
    dest_[at + 1] = static_cast<std::uint8_t>(w);
  }

  std::uint8_t* dest_;
  int limit_;
  int out_ = 3;
  int slot_ = 1;
  int items_ = 0;
  std::uint16_t control_ = 0;
};

// Compresses into dest; the block length, or 0 when the output would not
// stay within n bytes.
int CompressItems(const std::uint8_t* src, int n, std::uint8_t* dest) {
  auto table = std::unique_ptr<std::uint16_t[]>(new (std::nothrow) std::uint16_t[kHashSize]);
  if (!table) throw EInvalidPointer("LZRW Error!");
  std::fill_n(table.get(), kHashSize, kEmptyEntry);
  // Bytes past the input read as 0 for the hash.
  auto at = [&](int i) -> unsigned { return i < n ? src[i] : 0u; };

  dest[0] = kCompressed;
  BlockWriter out(dest, n);
  int p = 0;
  while (p < n) {
    if (!out.StartItem()) return 0;
    int run = 1;
    while (run < kMaxRunWritten && p + run < n && src[p + run] == src[p]) ++run;
    if (run >= kMinRun) {
      if (!out.Fits(4)) return 0;
      out.Byte(0);
      out.Word(static_cast<std::uint16_t>(run - kMinRun));
      out.Byte(src[p]);
      p += run;
      out.EndItem(true);
      continue;
    }
    const unsigned h = ((((at(p) << 4) ^ at(p + 1)) << 4 ^ at(p + 2)) * 0x9E5Fu >> 4) & 0xFFFu;
    const int candidate = table[h];
    table[h] = static_cast<std::uint16_t>(p);
    int length = 0;
    if (candidate != kEmptyEntry && p - candidate < kWindow) {
      const int most = std::min(kMaxCopy, n - p);
      while (length < most && src[p + length] == src[candidate + length]) ++length;
    }
    if (length >= kMinCopy) {
      if (!out.Fits(2)) return 0;
      out.Word(static_cast<std::uint16_t>(((p - candidate) << 4) + length - kMinCopy));
      p += length;
      out.EndItem(true);
    } else {
      if (!out.Fits(1)) return 0;
      out.Byte(src[p]);
      p += 1;
      out.EndItem(false);
    }
  }
  if (out.Length() > n) return 0;
  out.Finish();
  return out.Length();
}

[[noreturn]] void Corrupt(const char* what) { throw EReadError(AnsiString("Compressed block corrupt: ") + what); }

}  // namespace

std::uint16_t VyrLZRWCompress(const void* Source, int Size, void* Dest) {
  const auto* src = static_cast<const std::uint8_t*>(Source);
  auto* dest = static_cast<std::uint8_t*>(Dest);
  const int n = std::clamp(Size, 0, kVyrBlockInput);
  if (const int length = CompressItems(src, n, dest)) return static_cast<std::uint16_t>(length);
  dest[0] = kStored;
  if (n > 0) std::memmove(dest + 1, src, static_cast<std::size_t>(n));
  return static_cast<std::uint16_t>(n + 1);
}

std::uint16_t VyrLZRWDecompress(const void* Source, void* Dest, int Size) {
  const auto* src = static_cast<const std::uint8_t*>(Source);
  auto* dest = static_cast<std::uint8_t*>(Dest);
  if (Size < 1 || Size > kVyrBlockSize) Corrupt("length");
  if (src[0] == kStored) {
    std::memcpy(dest, src + 1, static_cast<std::size_t>(Size - 1));
    return static_cast<std::uint16_t>(Size - 1);
  }
  auto word = [&](int at) { return static_cast<std::uint16_t>(src[at] << 8 | src[at + 1]); };
  int pos = 1, out = 0, bits = 0;
  std::uint16_t control = 0;
  while (pos < Size) {
    if (bits == 0) {
      if (pos + 2 > Size) Corrupt("control word cut");
      control = word(pos);
      pos += 2;
      bits = 16;
    }
    const bool copyOrRun = control & 0x8000;
    control = static_cast<std::uint16_t>(control << 1);
    --bits;
    if (!copyOrRun) {
      if (pos + 1 > Size) Corrupt("item cut");
      if (out + 1 > kVyrBlockInput) Corrupt("too long");
      dest[out++] = src[pos++];
      continue;
    }
    if (pos + 2 > Size) Corrupt("item cut");
    const int distance = src[pos] << 4 | src[pos + 1] >> 4;
    if (distance == 0) {
      if (pos + 4 > Size) Corrupt("item cut");
      const int count = ((src[pos + 1] & 0x0F) << 8 | src[pos + 2]) + kMinRun;
      if (out + count > kVyrBlockInput) Corrupt("too long");
      std::memset(dest + out, src[pos + 3], static_cast<std::size_t>(count));
      out += count;
      pos += 4;
    } else {
      const int count = (src[pos + 1] & 0x0F) + kMinCopy;
      if (distance > out) Corrupt("copy before the start");
      if (out + count > kVyrBlockInput) Corrupt("too long");
      // One by one: an overlapping copy repeats the pattern.
      for (int i = 0; i < count; ++i, ++out) dest[out] = dest[out - distance];
      pos += 2;
    }
  }
  return static_cast<std::uint16_t>(out);
}

}  // namespace Vyrutils
