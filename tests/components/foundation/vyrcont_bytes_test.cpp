// The bytes containers and items write: the record header, the stream with
// and without offsets, and the one-item file.
#include "exceptions.h"
#include "vyrcont_fixture.h"
#include "wave_fixture.h"

using ContainerBytes = ContainerTest;

TEST_F(ContainerBytes, AnEmptyContainerIsItsCountAloneWithOrWithoutOffsets) {
  for (bool withIndex : {false, true}) {
    TOwnedObject<TVyrBitmapList> list(TObject::Create<TVyrBitmapList>(nullptr));
    TMemoryStream out;
    list->WriteData(&out, withIndex);
    EXPECT_EQ(Hex(Bytes(&out)), "00 00 00 00") << withIndex;
  }
}

TEST_F(ContainerBytes, TheItemHeaderCarriesOnlyWhatIsSet) {
  struct Case {
    const char* description;
    Word ident;
    const char* bytes;
  } cases[] = {
      {"", 0, "00"},
      {"ab", 0, "02 02 61 62"},
      {"", 7, "04 07 00 00 00"},
      {"ab", 7, "06 02 61 62 07 00 00 00"},
  };
  for (const Case& c : cases) {
    TOwnedObject<TVyrBitmapListItem> item(TObject::Create<TVyrBitmapListItem>(nullptr));
    item->SetDescription(c.description);
    item->SetIdent(c.ident);
    TMemoryStream out;
    item->WriteData(&out);
    EXPECT_EQ(Hex(Bytes(&out)), c.bytes);

    TOwnedObject<TVyrBitmapListItem> back(TObject::Create<TVyrBitmapListItem>(nullptr));
    back->SetDescription("old");
    back->SetIdent(99);
    out.SetPosition(0);
    back->ReadData(&out);
    EXPECT_EQ(back->GetDescription(), AnsiString(c.description));
    EXPECT_EQ(back->GetIdent(), c.ident);
    EXPECT_TRUE(back->GetEmpty());
    EXPECT_EQ(out.GetPosition(), out.GetSize());
  }
}

TEST_F(ContainerBytes, ADefaultImageStripFileIsThirtyFiveBytesAndReadsBack) {
  TOwnedObject<TVyrImageListItem> item(TObject::Create<TVyrImageListItem>(static_cast<TComponent*>(nullptr)));
  const std::string name = File("one.iml");
  item->SaveToFile(name.c_str());
  EXPECT_EQ(Hex(FileBytes(name)),
            "08 56 59 52 49 4D 4C 33 30 01 00 00 00 11 00 00 00 00 10 00 00 00 10 00 00 00 04 00 00 00 00 00 00 00 00");

  auto back = StripOf({clRed});
  back->SetWidth(8);
  ASSERT_TRUE(VyrIMLGetItem(name.c_str(), 0, back.get()));
  EXPECT_EQ(back->GetWidth(), 16);
  EXPECT_EQ(back->GetCount(), 0);
}

TEST_F(ContainerBytes, AFileOfTwoItemsPutsItsFirstAfterTheTable) {
  TOwnedObject<TVyrImageList> list(TObject::Create<TVyrImageList>(nullptr));
  list->Add(nullptr);
  list->GetItems(list->Add(nullptr))->SetDescription("zweite");
  const std::string name = File("two.iml");
  list->SaveToFile(name.c_str());

  int count = 0;
  TList offsets;
  EXPECT_EQ(VyrListGetFileType(name.c_str(), count, &offsets), TVyrListItemClassType::icImageList);
  ASSERT_EQ(count, 2);
  ASSERT_EQ(offsets.GetCount(), 2);
  // Magic, count and two offsets; the first record is the 18 bytes above.
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(offsets.GetItems(0)), 21);
  EXPECT_EQ(reinterpret_cast<std::intptr_t>(offsets.GetItems(1)), 39);

  TOwnedObject<TVyrImageListItem> second(TObject::Create<TVyrImageListItem>(static_cast<TComponent*>(nullptr)));
  EXPECT_TRUE(VyrListGetItemFromFile(name.c_str(), TVyrListItemClassType::icImageList, &offsets, 1, second.get()));
  EXPECT_EQ(second->GetDescription(), "zweite");
}

TEST_F(ContainerBytes, ImageStripsRoundTripTheirPixelsAndMasks) {
  struct Case {
    bool masked;
    bool compressed;
    TVyrSavePixelFormat format;
  } cases[] = {
      {false, false, TVyrSavePixelFormat::spfDefault},
      {true, false, TVyrSavePixelFormat::spfDefault},
      {true, true, TVyrSavePixelFormat::spfDefault},
      {false, true, TVyrSavePixelFormat::spf8bit},
  };
  for (const Case& c : cases) {
    TOwnedObject<TVyrImageList> list(TObject::Create<TVyrImageList>(nullptr));
    auto* item = static_cast<TVyrImageListItem*>(list->GetItems(list->Add(nullptr)));
    item->SetMasked(c.masked);
    item->SetCompressed(c.compressed);
    item->SetPixelFormat(c.format);
    auto image = Solid(16, 16, clRed);
    image->GetCanvas()->SetPixels(3, 4, clBlue);
    item->Add(Solid(16, 16, clLime).get(), nullptr);
    item->AddMasked(image.get(), clRed);
    const std::string name = File("round.iml");
    list->SaveToFile(name.c_str());

    TOwnedObject<TVyrImageList> back(TObject::Create<TVyrImageList>(nullptr));
    back->LoadFromFile(name.c_str());
    ASSERT_EQ(back->GetCount(), 1);
    TVyrImageListItem* read = back->GetItems(0);
    EXPECT_EQ(read->GetCount(), 2);
    EXPECT_EQ(read->GetMasked(), c.masked);
    EXPECT_EQ(read->GetCompressed(), c.compressed);
    EXPECT_EQ(read->GetPixelFormat(), c.format);
    TBitmap cell;
    read->GetBitmap(1, &cell);
    EXPECT_EQ(Px(&cell, 3, 4), clBlue);
    // Masked, the transparent red went black in the image and white in the
    // mask.
    EXPECT_EQ(Px(&cell, 0, 0), c.masked ? clBlack : clRed);
    if (c.masked) {
      TBitmap mask;
      read->GetMaskBitmap(1, &mask);
      EXPECT_EQ(Px(&mask, 0, 0), clWhite);
      EXPECT_EQ(Px(&mask, 3, 4), clBlack);
    }
  }
}

TEST_F(ContainerBytes, BitmapAndStringItemsRoundTripPlainAndCompressed) {
  for (bool compressed : {false, true}) {
    TOwnedObject<TVyrBitmapList> bitmaps(TObject::Create<TVyrBitmapList>(nullptr));
    TVyrBitmapListItem* item = bitmaps->GetItems(bitmaps->Add(nullptr));
    item->SetCompressed(compressed);
    auto picture = Solid(5, 3, clYellow);
    picture->GetCanvas()->SetPixels(4, 2, clNavy);
    item->SetBitmap(picture.get());
    TMemoryStream out;
    bitmaps->SaveToStream(&out);
    out.SetPosition(0);
    TOwnedObject<TVyrBitmapList> bitmapsBack(TObject::Create<TVyrBitmapList>(nullptr));
    bitmapsBack->LoadFromStream(&out);
    ASSERT_EQ(bitmapsBack->GetCount(), 1);
    TBitmap* read = bitmapsBack->GetItems(0)->GetBitmap();
    EXPECT_EQ(read->GetWidth(), 5);
    EXPECT_EQ(Px(read, 4, 2), clNavy);

    TOwnedObject<TVyrStringList> strings(TObject::Create<TVyrStringList>(nullptr));
    TVyrStringListItem* lines = strings->GetItems(strings->Add(nullptr));
    lines->SetCompressed(compressed);
    lines->GetItems()->Add("eins");
    lines->GetItems()->Add("zwei");
    strings->Add(nullptr);
    TMemoryStream text;
    strings->SaveToStream(&text);
    text.SetPosition(0);
    TOwnedObject<TVyrStringList> stringsBack(TObject::Create<TVyrStringList>(nullptr));
    stringsBack->LoadFromStream(&text);
    ASSERT_EQ(stringsBack->GetCount(), 2);
    EXPECT_EQ(stringsBack->GetItems(0)->GetItems()->GetText(), "eins\r\nzwei\r\n");
    EXPECT_TRUE(stringsBack->GetItems(1)->GetEmpty());
  }
}

TEST_F(ContainerBytes, WaveItemsCarryTheirImageAndAnEmptyOneNoBody) {
  const WaveFixture::Bytes image = WaveFixture::Pcm22k(100, 7);
  for (bool compressed : {false, true}) {
    TOwnedObject<TVyrWaveList> waves(TObject::Create<TVyrWaveList>(nullptr));
    TVyrWaveListItem* sound = waves->GetItems(waves->Add(nullptr));
    sound->SetCompressed(compressed);
    TMemoryStream source;
    WaveFixture::Fill(source, image);
    sound->GetWave()->LoadFromStream(&source);
    TVyrWaveListItem* silent = waves->GetItems(waves->Add(nullptr));

    TMemoryStream record;
    silent->WriteData(&record);
    EXPECT_EQ(Hex(Bytes(&record)), "00");
    if (!compressed) {
      TMemoryStream body;
      sound->WriteData(&body);
      EXPECT_EQ(Bytes(&body).substr(0, 5), std::string("\x08\x90\x00\x00\x00", 5));
      EXPECT_EQ(body.GetSize(), 5 + 144);
    }

    const std::string name = File("sounds.wvl");
    waves->SaveToFile(name.c_str());
    TOwnedObject<TVyrWaveList> back(TObject::Create<TVyrWaveList>(nullptr));
    back->LoadFromFile(name.c_str());
    ASSERT_EQ(back->GetCount(), 2);
    EXPECT_EQ(WaveFixture::Image(*back->GetItems(0)->GetWave()), image);
    EXPECT_TRUE(back->GetItems(1)->GetEmpty());

    TOwnedObject<Vyrmms::TVyrWave> one(TObject::Create<Vyrmms::TVyrWave>());
    EXPECT_TRUE(VyrWVLGetItem(name.c_str(), 0, one.get()));
    EXPECT_EQ(WaveFixture::Image(*one), image);
  }
}
