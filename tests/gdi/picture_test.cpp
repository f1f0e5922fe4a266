// TPicture's streamed Data and TIcon's masked drawing and ICO round trip.
#include <gtest/gtest.h>

#include <memory>

#include "exceptions.h"
#include "graphics.h"
#include "streams.h"

namespace {

TEST(TPictureData, StreamsClassNameThenTheGraphicBytes) {
  TPicture picture;
  TBitmap* bitmap = picture.GetBitmap();
  bitmap->SetSize(3, 2);
  bitmap->GetCanvas()->SetPixels(2, 1, clTeal);

  TMemoryStream stream;
  picture.WriteData(&stream);
  // Layout: length byte, "TBitmap", a 32-bit length, then "BM...".
  const auto* bytes = static_cast<const std::uint8_t*>(stream.GetMemory());
  ASSERT_GT(stream.GetSize(), 14);
  EXPECT_EQ(bytes[0], 7);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes + 1), 7), "TBitmap");
  const std::uint32_t length = bytes[8] | bytes[9] << 8 | bytes[10] << 16 | static_cast<std::uint32_t>(bytes[11]) << 24;
  EXPECT_EQ(length, stream.GetSize() - 12);
  EXPECT_EQ(bytes[12], 'B');
  EXPECT_EQ(bytes[13], 'M');

  stream.SetPosition(0);
  TPicture loaded;
  int changes = 0;
  loaded.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
  loaded.ReadData(&stream);
  EXPECT_GE(changes, 1);
  ASSERT_NE(dynamic_cast_object<TBitmap>(loaded.GetGraphic()), nullptr);
  EXPECT_EQ(loaded.GetWidth(), 3);
  EXPECT_EQ(loaded.GetBitmap()->GetCanvas()->GetPixels(2, 1), clTeal);
  EXPECT_EQ(stream.GetPosition(), stream.GetSize());
}

TEST(TPictureData, EmptyPictureAndBadDataRoundTripOrRaise) {
  TPicture empty;
  TMemoryStream stream;
  empty.WriteData(&stream);
  EXPECT_EQ(stream.GetSize(), 1);
  stream.SetPosition(0);
  TPicture loaded;
  loaded.GetBitmap()->SetSize(2, 2);
  loaded.ReadData(&stream);
  EXPECT_EQ(loaded.GetGraphic(), nullptr);

  TStringStream unknown(AnsiString("\x06TMagic\0\0\0\0", 11));
  EXPECT_THROW(loaded.ReadData(&unknown), EInvalidGraphic);
  TStringStream truncated(AnsiString("\x07TBitmap\xFF\0\0\0BM", 14));
  EXPECT_THROW(loaded.ReadData(&truncated), EInvalidGraphic);
  EXPECT_EQ(loaded.GetGraphic(), nullptr) << "a failed read leaves the picture";
}

TEST(TPictureAssign, CopiesTheGraphic) {
  TPicture a, b;
  a.GetBitmap()->SetSize(4, 4);
  b.Assign(&a);
  a.GetBitmap()->SetSize(1, 1);
  EXPECT_EQ(b.GetWidth(), 4);
  EXPECT_THROW(a.LoadFromFile("picture.gif"), EInvalidGraphic);
}

// A 2 x 2 icon: (0,0) shows the background, the rest is red.
TIcon* MakeIcon() {
  TBitmap colour, mask;
  colour.SetSize(2, 2);
  colour.GetCanvas()->GetBrush()->SetColor(clRed);
  colour.GetCanvas()->FillRect(Rect(0, 0, 2, 2));
  colour.GetCanvas()->SetPixels(0, 0, clBlack);
  mask.SetMonochrome(true);
  mask.SetSize(2, 2);
  mask.GetCanvas()->SetPixels(0, 0, clWhite);
  ICONINFO info;
  info.hbmColor = colour.GetHandle();
  info.hbmMask = mask.GetHandle();
  auto* icon = new TIcon;
  icon->SetHandle(CreateIconIndirect(&info));
  return icon;
}

TEST(TIconDraw, MaskedAndThroughItsFile) {
  std::unique_ptr<TIcon> icon(MakeIcon());
  ASSERT_FALSE(icon->GetEmpty());
  EXPECT_EQ(icon->GetWidth(), 2);

  TMemoryStream file;
  icon->SaveToStream(&file);
  file.SetPosition(0);
  TIcon reloaded;
  reloaded.LoadFromStream(&file);

  for (TIcon* i : {icon.get(), &reloaded}) {
    TBitmap target;
    target.SetSize(4, 4);
    target.GetCanvas()->GetBrush()->SetColor(clBlue);
    target.GetCanvas()->FillRect(Rect(0, 0, 4, 4));
    target.GetCanvas()->Draw(1, 1, i);
    EXPECT_EQ(target.GetCanvas()->GetPixels(1, 1), clBlue);
    EXPECT_EQ(target.GetCanvas()->GetPixels(2, 1), clRed);
    EXPECT_EQ(target.GetCanvas()->GetPixels(2, 2), clRed);
    EXPECT_EQ(target.GetCanvas()->GetPixels(3, 3), clBlue);
  }
  TStringStream junk(AnsiString("\0\0\1\0\1\0junk", 10));
  EXPECT_THROW(reloaded.LoadFromStream(&junk), EInvalidGraphic);
  EXPECT_FALSE(reloaded.GetEmpty());
}

}  // namespace
