// RIFF/WAVE images built byte by byte for the wave tests and the fuzz seeds.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace WaveBuilder {

using Bytes = std::vector<std::uint8_t>;

inline void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
inline void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
inline void PutTag(Bytes& b, const char* tag) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}

inline Bytes Chunk(const char* tag, const Bytes& body) {
  Bytes b;
  PutTag(b, tag);
  Put32(b, static_cast<std::uint32_t>(body.size()));
  b.insert(b.end(), body.begin(), body.end());
  if (body.size() & 1) b.push_back(0);
  return b;
}

struct Format {
  std::uint16_t Tag = 1;
  std::uint16_t Channels = 1;
  std::uint32_t Rate = 8000;
  std::uint32_t AvgBytesPerSec = 8000;
  std::uint16_t BlockAlign = 1;
  std::uint16_t Bits = 8;
};

inline Bytes FmtChunk(const Format& f) {
  Bytes body;
  Put16(body, f.Tag);
  Put16(body, f.Channels);
  Put32(body, f.Rate);
  Put32(body, f.AvgBytesPerSec);
  Put16(body, f.BlockAlign);
  Put16(body, f.Bits);
  return Chunk("fmt ", body);
}

// "RIFF" <length> "WAVE" followed by the given chunks.
inline Bytes Riff(const std::vector<Bytes>& chunks) {
  Bytes inner;
  PutTag(inner, "WAVE");
  for (const Bytes& c : chunks) inner.insert(inner.end(), c.begin(), c.end());
  Bytes b;
  PutTag(b, "RIFF");
  Put32(b, static_cast<std::uint32_t>(inner.size()));
  b.insert(b.end(), inner.begin(), inner.end());
  return b;
}

// A mono 8-bit PCM sound of `samples` bytes at `rate`, filled with `fill`.
inline Bytes Pcm(std::uint32_t samples, std::uint32_t rate = 8000, std::uint8_t fill = 0x80) {
  Format f;
  f.Rate = rate;
  f.AvgBytesPerSec = rate;
  return Riff({FmtChunk(f), Chunk("data", Bytes(samples, fill))});
}

}  // namespace WaveBuilder
