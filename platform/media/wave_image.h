// The header of a RIFF/WAVE image held in memory: what the wave service
// checks before it hands an image to the host, and what it needs to know how
// long a sound lasts.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::uint16_t WAVE_FORMAT_PCM = 1;

struct WaveImageInfo {
  std::uint16_t FormatTag = 0;
  std::uint16_t Channels = 0;
  std::uint32_t SamplesPerSec = 0;
  std::uint32_t AvgBytesPerSec = 0;
  std::uint16_t BlockAlign = 0;
  std::uint16_t BitsPerSample = 0;
  std::size_t DataOffset = 0;  // of the first sample byte in the image
  std::size_t DataBytes = 0;   // sample bytes present in the image
};

// Accepts "RIFF" <length> "WAVE", a "fmt " chunk at once (at least 16 bytes,
// channels, rate and block align non-zero), then any chunks up to "data".
// A data chunk cut short by the end of the image counts with the bytes that
// are there, as a truncated recording still plays. Reads only within `size`.
bool ParseWaveImage(const void* image, std::size_t size, WaveImageInfo& info);

// Playing time in milliseconds, rounded up so that a synchronous play never
// returns before the last sample. PCM: rate x block align bytes a second;
// compressed formats: the header's average byte rate, since their block
// align is a block of many samples.
std::uint64_t WaveDurationMs(const WaveImageInfo& info);
