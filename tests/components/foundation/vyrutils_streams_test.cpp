#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "exceptions.h"
#include "vyrutils.h"

using namespace Vyrutils;

namespace {
std::string Bytes(TStringStream& s) { return s.GetDataString().str(); }

TStringStream Over(std::initializer_list<int> bytes) {
  std::string data;
  for (int b : bytes) data += static_cast<char>(b);
  return TStringStream(data);
}

int ReadLE32(const std::string& data, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(data[at + i]);
  return static_cast<int>(v);
}
}  // namespace

TEST(VyrutilsCompressedStream, ChunksOfABlockEachWithTheirLengths) {
  std::mt19937 random(3);
  std::string source(70000, '\0');
  for (char& c : source) c = static_cast<char>('a' + random() % 3);
  TStringStream in(source), out;
  SaveCompressedStream(&in, &out, static_cast<int>(source.size()));

  const std::string data = Bytes(out);
  std::vector<int> lengths;
  for (std::size_t at = 4; at < data.size(); at += 4 + lengths.back()) lengths.push_back(ReadLE32(data, at));
  ASSERT_EQ(lengths.size(), 3u);
  EXPECT_EQ(ReadLE32(data, 0), 12 + lengths[0] + lengths[1] + lengths[2]);

  std::vector<int> sourceBytes;
  for (std::size_t at = 4, i = 0; i < lengths.size(); at += 4 + lengths[i], ++i) {
    std::vector<std::uint8_t> block(data.begin() + at + 4, data.begin() + at + 4 + lengths[i]);
    std::vector<std::uint8_t> decoded(kVyrBlockInput);
    sourceBytes.push_back(VyrLZRWDecompress(block.data(), decoded.data(), lengths[i]));
  }
  EXPECT_EQ(sourceBytes, (std::vector<int>{32781, 32781, 4438}));

  out.SetPosition(0);
  TStringStream back;
  LoadCompressedStream(&out, &back);
  EXPECT_EQ(Bytes(back), source);
}

TEST(VyrutilsCompressedStream, EmptySourceWritesATotalOfZero) {
  TStringStream in, out;
  SaveCompressedStream(&in, &out, 0);
  EXPECT_EQ(Bytes(out), std::string(4, '\0'));
}

TEST(VyrutilsCompressedStream, CorruptStreamsRaise) {
  auto le32 = [](int v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>(static_cast<std::uint32_t>(v) >> (8 * i));
    return s;
  };
  const std::string smallBlock("\x40\x80\x00\x00\x00\x54\x41", 7);  // 100 x 'A'
  struct Case {
    const char* name;
    std::string data;
  } cases[] = {
      {"length 0", le32(100) + le32(0)},
      {"length -1", le32(100) + le32(-1)},
      {"length past a block", le32(40000) + le32(32783) + std::string(32783, '\x80')},
      {"chunk past the total", le32(8) + le32(7) + smallBlock},
      {"block cut", le32(11) + le32(7) + smallBlock.substr(0, 5)},
      {"length missing", le32(11)},
  };
  for (const Case& c : cases) {
    TStringStream in(c.data), out;
    EXPECT_THROW(LoadCompressedStream(&in, &out), EReadError) << c.name;
  }
}

TEST(VyrutilsStreamHelpers, LittleEndianFieldsAndShortReads) {
  TStringStream word = Over({0x01, 0x02});
  EXPECT_EQ(stReadWord(&word), 513);
  TStringStream integer = Over({0x01, 0x02});
  EXPECT_EQ(stReadInteger(&integer), 513);  // the missing bytes read as 0
  TStringStream nothing;
  EXPECT_EQ(stReadByte(&nothing), 0);

  TStringStream out;
  stWriteInteger(&out, -2);
  stWriteWord(&out, 0xABCD);
  stWriteByte(&out, 7);
  EXPECT_EQ(Bytes(out), std::string("\xFE\xFF\xFF\xFF\xCD\xAB\x07", 7));
}

TEST(VyrutilsStreamHelpers, StringsCountUtf8BytesAndCutWholeLetters) {
  TStringStream out;
  stWriteString(&out, "abc");
  stWriteString(&out, "ä");
  stWriteString(&out, std::string(300, 'x'));
  stWriteString(&out, std::string(254, 'x') + "ä");  // 256 bytes: the ä goes whole
  stWriteInteger(&out, 42);
  const std::string data = Bytes(out);
  EXPECT_EQ(data.substr(0, 4), "\x03" "abc");
  EXPECT_EQ(data.substr(4, 3), "\x02\xC3\xA4");
  EXPECT_EQ(static_cast<std::uint8_t>(data[7]), 255);

  out.SetPosition(0);
  EXPECT_EQ(stReadString(&out), "abc");
  EXPECT_EQ(stReadString(&out), "ä");
  EXPECT_EQ(stReadString(&out), std::string(255, 'x'));
  EXPECT_EQ(stReadString(&out), std::string(254, 'x'));
  EXPECT_EQ(stReadInteger(&out), 42);

  TStringStream latin = Over({0x02, 0xE4, 0x21});  // "ä!" as Windows-1252
  EXPECT_EQ(stReadString(&latin), "ä!");
}

TEST(VyrutilsStreamHelpers, StringListsPlainAndCompressed) {
  for (bool compressed : {false, true}) {
    TStringList list;
    list.Add("eins");
    list.Add("zwei ä");
    TStringStream out;
    stWriteStringList(&out, &list, compressed);
    stWriteInteger(&out, 9);
    if (!compressed) {
      EXPECT_EQ(Bytes(out).substr(0, 4 + 4 + 2), std::string("\x0F\0\0\0eins\r\n", 10));
    }
    out.SetPosition(0);
    TStringList back;
    stReadStringList(&out, &back, compressed);
    EXPECT_EQ(back.GetText(), list.GetText()) << compressed;
    EXPECT_EQ(stReadInteger(&out), 9) << compressed;
  }
}

TEST(VyrutilsStreamHelpers, ACutListBodyRaises) {
  for (bool compressed : {false, true}) {
    TStringList list;
    list.Add("eins");
    list.Add("zwei");
    TStringStream out;
    stWriteStringList(&out, &list, compressed);
    TStringStream cut(Bytes(out).substr(0, Bytes(out).size() - 3));
    TStringList back;
    EXPECT_THROW(stReadStringList(&cut, &back, compressed), EReadError) << compressed;
  }
  TStringStream negative = Over({0xFF, 0xFF, 0xFF, 0xFF});
  TStringList back;
  EXPECT_THROW(stReadStringList(&negative, &back, false), EReadError);
}
