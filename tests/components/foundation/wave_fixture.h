// Wave images for the suites of the wave data and the wave component: the
// 44-byte PCM header the checks are measured against, sounds of a known
// length, and byte strings in and out of streams.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "streams.h"
#include "vyrmms.h"
#include "wave_builder.h"

namespace WaveFixture {

using WaveBuilder::Bytes;

// Mono, 22050 Hz, 16 bits, format tag Tag.
inline WaveBuilder::Format Mono22k(std::uint16_t Tag = 1) {
  WaveBuilder::Format f;
  f.Tag = Tag;
  f.Rate = 22050;
  f.AvgBytesPerSec = 44100;
  f.BlockAlign = 2;
  f.Bits = 16;
  return f;
}

// A data chunk of DataBytes bytes after the header: 44 + DataBytes bytes in
// all, RIFF length 36 + DataBytes. 44,100 data bytes play one second.
inline Bytes Pcm22k(std::uint32_t DataBytes = 0, std::uint8_t Fill = 0) {
  return WaveBuilder::Riff({WaveBuilder::FmtChunk(Mono22k()), WaveBuilder::Chunk("data", Bytes(DataBytes, Fill))});
}

inline Bytes Cat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline Bytes Length32(std::uint32_t n) {
  Bytes b;
  WaveBuilder::Put32(b, n);
  return b;
}

inline void Fill(TMemoryStream& stream, const Bytes& bytes) {
  stream.Clear();
  if (!bytes.empty()) stream.WriteBuffer(bytes.data(), static_cast<LongInt>(bytes.size()));
  stream.SetPosition(0);
}

inline Bytes Contents(TStream& stream) {
  Bytes out(static_cast<std::size_t>(stream.GetSize()));
  stream.SetPosition(0);
  if (!out.empty()) stream.ReadBuffer(out.data(), static_cast<LongInt>(out.size()));
  return out;
}

// The image a wave holds; empty when it holds none.
inline Bytes Image(const Vyrmms::TVyrWave& wave) {
  TMemoryStream* image = wave.GetImage();
  if (!image) return {};
  const auto* b = static_cast<const std::uint8_t*>(image->GetMemory());
  return Bytes(b, b + image->GetSize());
}

inline void Load(Vyrmms::TVyrWave& wave, const Bytes& bytes) {
  TMemoryStream stream;
  Fill(stream, bytes);
  wave.LoadFromStream(&stream);
}

}  // namespace WaveFixture
