#include "wave_image.h"

#include <gtest/gtest.h>

#include "wave_builder.h"

using namespace WaveBuilder;

namespace {

bool Parse(const Bytes& b, WaveImageInfo& info) { return ParseWaveImage(b.data(), b.size(), info); }

Bytes Truncated(Bytes b, std::size_t size) {
  b.resize(size);
  return b;
}

Format Stereo16(std::uint32_t rate) {
  Format f;
  f.Channels = 2;
  f.Rate = rate;
  f.BlockAlign = 4;
  f.Bits = 16;
  f.AvgBytesPerSec = rate * 4;
  return f;
}

}  // namespace

TEST(WaveImage, ReadsFormatAndFindsDataBehindOtherChunks) {
  // An odd-length LIST chunk after the format must be skipped with its pad byte.
  const Bytes image = Riff({FmtChunk(Stereo16(22050)), Chunk("LIST", Bytes(5, 'x')), Chunk("data", Bytes(8820, 0))});
  WaveImageInfo info;
  ASSERT_TRUE(Parse(image, info));
  EXPECT_EQ(info.FormatTag, WAVE_FORMAT_PCM);
  EXPECT_EQ(info.Channels, 2);
  EXPECT_EQ(info.SamplesPerSec, 22050u);
  EXPECT_EQ(info.BlockAlign, 4);
  EXPECT_EQ(info.BitsPerSample, 16);
  EXPECT_EQ(info.DataBytes, 8820u);
  EXPECT_EQ(info.DataOffset, image.size() - 8820);
  EXPECT_EQ(WaveDurationMs(info), 100u);
}

TEST(WaveImage, DurationOfCompressedSoundUsesAverageByteRate) {
  // 4-bit ADPCM: blocks of 256 bytes, 4055 bytes a second at 8 kHz. Rate
  // times block align would make a second of sound last 2 ms.
  Format f;
  f.Tag = 2;
  f.Rate = 8000;
  f.BlockAlign = 256;
  f.Bits = 4;
  f.AvgBytesPerSec = 4055;
  WaveImageInfo info;
  ASSERT_TRUE(Parse(Riff({FmtChunk(f), Chunk("data", Bytes(4055, 0))}), info));
  EXPECT_EQ(WaveDurationMs(info), 1000u);
}

TEST(WaveImage, DurationRoundsUpToTheLastSample) {
  WaveImageInfo info;
  ASSERT_TRUE(Parse(Pcm(8001), info));
  EXPECT_EQ(WaveDurationMs(info), 1001u);
}

TEST(WaveImage, DataCutShortCountsTheBytesPresent) {
  const Bytes image = Truncated(Pcm(1000), 44 + 400);
  WaveImageInfo info;
  ASSERT_TRUE(Parse(image, info));
  EXPECT_EQ(info.DataBytes, 400u);
  EXPECT_EQ(WaveDurationMs(info), 50u);
}

TEST(WaveImage, RejectsBadImages) {
  Format zeroChannels;
  zeroChannels.Channels = 0;
  Format zeroRate;
  zeroRate.Rate = 0;
  Format zeroAlign;
  zeroAlign.BlockAlign = 0;
  Bytes notWave = Pcm(10);
  notWave[8] = 'A';
  Bytes shortFmt = Riff({Chunk("fmt ", Bytes(14, 1)), Chunk("data", Bytes(4, 0))});
  Bytes hugeChunk = Riff({FmtChunk(Format{}), Chunk("LIST", {}), Chunk("data", Bytes(4, 0))});
  hugeChunk[36 + 4] = 0xFF;  // LIST claims far more bytes than follow
  hugeChunk[36 + 7] = 0x7F;

  const struct {
    const char* name;
    Bytes image;
  } cases[] = {
      {"empty", {}},
      {"not RIFF", {'R', 'I', 'F', 'X', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}},
      {"not WAVE", notWave},
      {"LIST before fmt", Riff({Chunk("LIST", Bytes(4, 0)), FmtChunk(Format{}), Chunk("data", Bytes(4, 0))})},
      {"format chunk too short", shortFmt},
      {"no data chunk", Riff({FmtChunk(Format{})})},
      {"zero channels", Riff({FmtChunk(zeroChannels), Chunk("data", Bytes(4, 0))})},
      {"zero rate", Riff({FmtChunk(zeroRate), Chunk("data", Bytes(4, 0))})},
      {"zero block align", Riff({FmtChunk(zeroAlign), Chunk("data", Bytes(4, 0))})},
      {"truncated in RIFF header", Truncated(Pcm(10), 10)},
      {"truncated in chunk header", Truncated(Pcm(10), 16)},
      {"truncated in format", Truncated(Pcm(10), 30)},
      {"chunk past the end before data", hugeChunk},
  };
  for (const auto& c : cases) {
    WaveImageInfo info;
    EXPECT_FALSE(Parse(c.image, info)) << c.name;
  }
  WaveImageInfo info;
  EXPECT_FALSE(ParseWaveImage(nullptr, 100, info));
}
