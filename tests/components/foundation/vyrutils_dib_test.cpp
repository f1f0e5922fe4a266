#include <cstring>

#include "drawing_fixture.h"
#include "exceptions.h"
#include "streams.h"

using namespace Vyrutils;

class DibImageTest : public DrawingTest {};

TEST_F(DibImageTest, HeaderFieldsByColourCount) {
  struct Case {
    int colors;
    DWORD offBits;
    WORD bitCount;
    DWORD sizeImage, fileSize;
  } cases[] = {{0, 54, 24, 24, 78}, {2, 62, 1, 8, 70}};
  auto bmp = MakeBitmap(3, 2, clRed);
  for (const Case& c : cases) {
    TMemoryStream stream;
    stream.WriteBuffer("xx", 2);
    VyrBmpSaveDIBStream(&stream, bmp.get(), c.colors);
    EXPECT_EQ(stream.GetPosition(), 0);
    ASSERT_EQ(stream.GetSize(), 2 + Int64(c.fileSize));
    const auto* bytes = static_cast<const std::uint8_t*>(stream.GetMemory()) + 2;
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER info;
    std::memcpy(&file, bytes, sizeof(file));
    std::memcpy(&info, bytes + 14, sizeof(info));
    // Copies: the file header is packed, its fields unaligned.
    const WORD type = file.bfType;
    const DWORD fileSize = file.bfSize, offBits = file.bfOffBits;
    EXPECT_EQ(type, 0x4D42);
    EXPECT_EQ(fileSize, c.fileSize) << c.colors;
    EXPECT_EQ(offBits, c.offBits) << c.colors;
    EXPECT_EQ(info.biBitCount, c.bitCount) << c.colors;
    EXPECT_EQ(info.biSizeImage, c.sizeImage) << c.colors;
    EXPECT_EQ(info.biWidth, 3);
    EXPECT_EQ(info.biHeight, 2);
  }
}

TEST_F(DibImageTest, ZeroHandleIsAnInvalidBitmap) {
  TMemoryStream stream;
  try {
    WriteDIBFileImage(&stream, nullptr, nullptr, 0, true);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, "Bitmap ist ungültig");
  }
  TBitmap empty;
  EXPECT_THROW(VyrBmpSaveDIBStream(&stream, &empty, 0), Exception);
}

TEST_F(DibImageTest, StreamBitmapRoundTripsInAllLayouts) {
  auto bmp = FromPixels(3, 2, {clRed, clLime, clBlue, clWhite, clBlack, clYellow});
  for (bool compressed : {false, true})
    for (int colors : {-1, 0}) {
      TMemoryStream stream;
      stWriteBitmap(&stream, bmp.get(), compressed, colors);
      stWriteInteger(&stream, 0x5A5A5A5A);
      stream.SetPosition(0);
      TBitmap back;
      stReadBitmap(&stream, &back, compressed);
      ASSERT_EQ(back.GetWidth(), 3) << compressed << colors;
      ASSERT_EQ(back.GetHeight(), 2);
      for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) EXPECT_EQ(Px(&back, x, y), Px(bmp.get(), x, y)) << compressed << colors;
      EXPECT_EQ(stReadInteger(&stream), 0x5A5A5A5A) << "the reader stops at the bitmap's end";
    }
}

TEST_F(DibImageTest, PlainReadRefusesALengthPastTheEnd) {
  TMemoryStream stream;
  stWriteInteger(&stream, 1000);
  stream.WriteBuffer("BM", 2);
  stream.SetPosition(0);
  TBitmap back;
  EXPECT_THROW(stReadBitmap(&stream, &back, false), EReadError);
  TMemoryStream shortStream;
  shortStream.WriteBuffer("\x01", 1);
  shortStream.SetPosition(0);
  EXPECT_THROW(stReadBitmap(&shortStream, &back, false), EReadError);
}
