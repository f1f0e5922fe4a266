#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exceptions.h"
#include "vyrutils.h"

using namespace Vyrutils;

namespace {
using Bytes = std::vector<std::uint8_t>;

Bytes Compress(const Bytes& input) {
  Bytes block(kVyrBlockSize);
  block.resize(VyrLZRWCompress(input.data(), static_cast<int>(input.size()), block.data()));
  return block;
}

Bytes Decompress(const Bytes& block) {
  Bytes out(kVyrBlockInput);
  out.resize(VyrLZRWDecompress(block.data(), out.data(), static_cast<int>(block.size())));
  return out;
}

Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }
}  // namespace

TEST(VyrutilsCompressor, WritesTheExactBlocks) {
  struct Case {
    const char* name;
    Bytes input;
    Bytes block;
  } cases[] = {
      {"empty", {}, {0x80}},
      {"a run", Bytes(100, 0x41), {0x40, 0x80, 0x00, 0x00, 0x00, 0x54, 0x41}},
      {"a copy", Text("abcabcabcabc"), {0x40, 0x10, 0x00, 0x61, 0x62, 0x63, 0x00, 0x36}},
      {"a literal and a run", Text("a" + std::string(19, 'b')), {0x40, 0x40, 0x00, 0x61, 0x00, 0x00, 0x03, 0x62}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Compress(c.input), c.block) << c.name;
    EXPECT_EQ(Decompress(c.block), c.input) << c.name;
  }
}

TEST(VyrutilsCompressor, StoresWhatDoesNotShrink) {
  Bytes all(256);
  for (int i = 0; i < 256; ++i) all[i] = static_cast<std::uint8_t>(i);
  for (const Bytes& input : {Text("abcdabcd"), all}) {
    const Bytes block = Compress(input);
    ASSERT_EQ(block.size(), input.size() + 1);
    EXPECT_EQ(block[0], 0x80);
    EXPECT_EQ(Decompress(block), input);
  }
}

TEST(VyrutilsCompressor, DistanceOneRepeatsThePreviousByte) {
  EXPECT_EQ(Decompress({0x40, 0x40, 0x00, 0x78, 0x00, 0x1F}), Bytes(19, 'x'));
}

// Full blocks of every kind: noise, noise over a small alphabet (copies
// near the block's end), long runs and their mixtures; the incompressible
// ones stop inside the block.
TEST(VyrutilsCompressor, FullBlocksRoundTrip) {
  std::mt19937 random(7);
  for (int kind = 0; kind < 4; ++kind) {
    Bytes input(kVyrBlockInput);
    for (std::size_t i = 0; i < input.size(); ++i) {
      const unsigned r = random();
      switch (kind) {
        case 0: input[i] = static_cast<std::uint8_t>(r); break;
        case 1: input[i] = static_cast<std::uint8_t>('a' + r % 4); break;
        case 2: input[i] = static_cast<std::uint8_t>(i / 5000); break;
        default: input[i] = (i / 700) % 2 ? static_cast<std::uint8_t>(r) : 0; break;
      }
    }
    const Bytes block = Compress(input);
    ASSERT_LE(block.size(), static_cast<std::size_t>(kVyrBlockSize)) << kind;
    EXPECT_EQ(Decompress(block), input) << kind;
  }
}

TEST(VyrutilsCompressor, CorruptBlocksRaiseAndWriteNothingPastTheOutput) {
  Bytes longRuns = {0x40, 0xFF, 0xFF};
  for (int i = 0; i < 16; ++i) longRuns.insert(longRuns.end(), {0x00, 0x0F, 0xFF, 0x7A});
  struct Case {
    const char* name;
    Bytes block;
  } cases[] = {
      {"copy past the output", {0x40, 0x40, 0x00, 0x78, 0x00, 0x20}},
      {"copy with no output", {0x40, 0x80, 0x00, 0x00, 0x10}},
      {"runs past a block", longRuns},
      {"run cut at the end", {0x40, 0x80, 0x00, 0x00, 0x00, 0x54}},
      {"copy cut at the end", {0x40, 0x40, 0x00, 0x78, 0x00}},
      {"control word cut", {0x40, 0x00}},
  };
  for (const Case& c : cases) {
    Bytes out(kVyrBlockInput);
    EXPECT_THROW(VyrLZRWDecompress(c.block.data(), out.data(), static_cast<int>(c.block.size())), EReadError)
        << c.name;
  }
  Bytes out(kVyrBlockInput), block(kVyrBlockSize + 1, 0x80);
  for (int length : {0, -1, kVyrBlockSize + 1})
    EXPECT_THROW(VyrLZRWDecompress(block.data(), out.data(), length), EReadError) << length;
}
