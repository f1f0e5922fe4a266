#include "wave_image.h"

#include <cstring>

namespace {

// Little-endian reads within the image; each checks its own bounds.
class ByteReader {
 public:
  ByteReader(const void* data, std::size_t size) : data_(static_cast<const std::uint8_t*>(data)), size_(size) {}

  bool Has(std::size_t offset, std::size_t count) const { return offset <= size_ && count <= size_ - offset; }
  bool TagAt(std::size_t offset, const char (&tag)[5]) const {
    return Has(offset, 4) && std::memcmp(data_ + offset, tag, 4) == 0;
  }
  std::uint16_t U16(std::size_t offset) const {
    return static_cast<std::uint16_t>(data_[offset] | data_[offset + 1] << 8);
  }
  std::uint32_t U32(std::size_t offset) const {
    return static_cast<std::uint32_t>(U16(offset)) | static_cast<std::uint32_t>(U16(offset + 2)) << 16;
  }
  std::size_t Size() const { return size_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
};

constexpr std::size_t kRiffHeader = 12;
constexpr std::size_t kChunkHeader = 8;
constexpr std::uint32_t kFmtMinimum = 16;

bool ReadFormat(const ByteReader& r, std::size_t at, WaveImageInfo& info) {
  info.FormatTag = r.U16(at);
  info.Channels = r.U16(at + 2);
  info.SamplesPerSec = r.U32(at + 4);
  info.AvgBytesPerSec = r.U32(at + 8);
  info.BlockAlign = r.U16(at + 12);
  info.BitsPerSample = r.U16(at + 14);
  return info.Channels != 0 && info.SamplesPerSec != 0 && info.BlockAlign != 0;
}

}  // namespace

bool ParseWaveImage(const void* image, std::size_t size, WaveImageInfo& info) {
  info = WaveImageInfo{};
  if (!image) return false;
  const ByteReader r(image, size);
  if (!r.TagAt(0, "RIFF") || !r.TagAt(8, "WAVE")) return false;

  std::size_t at = kRiffHeader;
  if (!r.TagAt(at, "fmt ") || !r.Has(at, kChunkHeader)) return false;
  const std::uint32_t fmtLength = r.U32(at + 4);
  if (fmtLength < kFmtMinimum || !r.Has(at + kChunkHeader, fmtLength)) return false;
  if (!ReadFormat(r, at + kChunkHeader, info)) return false;
  at += kChunkHeader + fmtLength + (fmtLength & 1);

  // Chunks are padded to an even length; skip to the samples.
  while (r.Has(at, kChunkHeader)) {
    const std::uint32_t length = r.U32(at + 4);
    if (r.TagAt(at, "data")) {
      info.DataOffset = at + kChunkHeader;
      const std::size_t present = r.Size() - info.DataOffset;
      info.DataBytes = length < present ? length : present;
      return true;
    }
    if (!r.Has(at + kChunkHeader, length)) return false;
    at += kChunkHeader + length + (length & 1);
  }
  return false;
}

std::uint64_t WaveDurationMs(const WaveImageInfo& info) {
  const std::uint64_t bytesPerSecond = info.FormatTag == WAVE_FORMAT_PCM
                                           ? static_cast<std::uint64_t>(info.SamplesPerSec) * info.BlockAlign
                                           : info.AvgBytesPerSec;
  if (bytesPerSecond == 0) return 0;
  return (static_cast<std::uint64_t>(info.DataBytes) * 1000u + bytesPerSecond - 1) / bytesPerSecond;
}
