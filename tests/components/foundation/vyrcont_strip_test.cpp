// Image strips: growth and its limit, the image check, editing, masks, the
// answers of the two lists out of range, and the drawing styles.
#include "exceptions.h"
#include "vyrcont_fixture.h"

using ImageStrip = ContainerTest;

namespace {
// The colour of each image's top-left pixel, in order.
std::vector<TColor> Colours(TVyrImageListItem* Item) {
  std::vector<TColor> out;
  for (int i = 0; i < Item->GetCount(); ++i) out.push_back(Item->GetImageBitmap()->GetCanvas()->GetPixels(Item->GetOffset(i), 0));
  return out;
}
}  // namespace

TEST_F(ImageStrip, GrowsByAllocByCellsUpToTheLimit) {
  auto item = StripOf({clRed});
  EXPECT_EQ(item->GetImageBitmap()->GetWidth(), 64);
  for (int i = 0; i < 4; ++i) item->Add(Solid(16, 16, clBlue).get(), nullptr);
  EXPECT_EQ(item->GetImageBitmap()->GetWidth(), 128);

  auto cell = Solid(16, 16, clLime);
  // Larger steps only spare the test time; the limit is the same.
  item->SetAllocBy(100);
  while (item->GetCount() < 2048) item->Add(cell.get(), nullptr);
  EXPECT_EQ(item->GetImageBitmap()->GetWidth(), 32768);
  try {
    item->Add(cell.get(), nullptr);
    FAIL() << "2,049th image taken";
  } catch (const EInvalidGraphicOperation& e) {
    EXPECT_EQ(e.Message, "Zu viele Bilder");
  }
  EXPECT_EQ(item->GetCount(), 2048);
  EXPECT_EQ(item->GetOffset(2047), 32752);
}

TEST_F(ImageStrip, TheImageCheckRefusesOtherSizesAndAMissingImage) {
  auto item = StripOf({clRed});
  for (auto* bad : {Solid(16, 15, clBlue).release(), Solid(24, 16, clBlue).release()}) {
    std::unique_ptr<TBitmap> owned(bad);
    try {
      item->Add(owned.get(), nullptr);
      FAIL() << "a " << bad->GetWidth() << " x " << bad->GetHeight() << " image taken";
    } catch (const EInvalidGraphicOperation& e) {
      EXPECT_EQ(e.Message, "Ungültige Bildgröße");
    }
    EXPECT_FALSE(item->Insert(0, nullptr, nullptr));
  }
  EXPECT_EQ(item->Add(nullptr, Solid(16, 16, clBlack).get()), -1);
  // Two cells wide is a whole multiple: its first cell is taken.
  EXPECT_EQ(item->Add(Solid(32, 16, clBlue).get(), nullptr), 1);
  EXPECT_EQ(item->GetCount(), 2);
  EXPECT_THROW(TObject::Create<TVyrImageListItem>(0, 16), EInvalidGraphicOperation);
}

TEST_F(ImageStrip, InsertDeleteAndMoveKeepCellsAndOffsetsInStep) {
  auto item = StripOf({clRed, clLime, clBlue});
  EXPECT_TRUE(item->Insert(1, Solid(16, 16, clYellow).get(), nullptr));
  EXPECT_EQ(Colours(item.get()), (std::vector<TColor>{clRed, clYellow, clLime, clBlue}));
  EXPECT_TRUE(item->Insert(item->GetCount() + 5, Solid(16, 16, clNavy).get(), nullptr));
  EXPECT_EQ(Colours(item.get()), (std::vector<TColor>{clRed, clYellow, clLime, clBlue, clNavy}));

  item->Delete(1);
  item->Delete(99);
  EXPECT_EQ(Colours(item.get()), (std::vector<TColor>{clRed, clLime, clBlue, clNavy}));

  int changes = 0;
  item->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
  item->Move(2, 2);
  EXPECT_EQ(changes, 0);
  item->Move(0, item->GetCount() - 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(Colours(item.get()), (std::vector<TColor>{clLime, clBlue, clNavy, clRed}));
  for (int i = 0; i < item->GetCount(); ++i) EXPECT_EQ(item->GetOffset(i), i * 16);
  EXPECT_EQ(item->GetUsedWidth(), 64);
}

TEST_F(ImageStrip, ANewSizeEmptiesTheStripAndNoneChangesNothing) {
  auto item = StripOf({clRed, clLime});
  for (int ignored : {0, -3, 16}) {
    item->SetWidth(ignored);
    item->SetHeight(ignored);
    EXPECT_EQ(item->GetCount(), 2) << ignored;
  }
  item->SetWidth(8);
  EXPECT_EQ(item->GetCount(), 0);
  EXPECT_EQ(item->GetWidth(), 8);
}

TEST_F(ImageStrip, AddImagesOfAnotherSizeRaisesBeforeCopying) {
  auto item = StripOf({clRed});
  TOwnedObject<TVyrImageListItem> other(TObject::Create<TVyrImageListItem>(16, 8));
  other->Add(Solid(16, 8, clBlue).get(), nullptr);
  EXPECT_THROW(item->AddImages(other.get()), EInvalidGraphicOperation);
  EXPECT_EQ(item->GetCount(), 1);

  auto same = StripOf({clBlue, clLime});
  item->AddImages(same.get());
  EXPECT_EQ(Colours(item.get()), (std::vector<TColor>{clRed, clBlue, clLime}));
  item->InsertImages(1, same.get());
  EXPECT_EQ(Colours(item.get()), (std::vector<TColor>{clRed, clBlue, clLime, clBlue, clLime}));
  item->InsertImages(99, StripOf({clNavy, clYellow}).get());
  EXPECT_EQ(Colours(item.get()).back(), clYellow);
}

TEST_F(ImageStrip, MasksKeepImagesAsTheyWereAndComeFromTransparentColours) {
  auto item = StripOf({clRed, clLime});
  item->SetMasked(true);
  auto canvas = Solid(16, 16, clWhite);
  for (int i = 0; i < 2; ++i) {
    item->Draw(canvas->GetCanvas(), 0, 0, i);
    EXPECT_EQ(Px(canvas.get(), 5, 5), i == 0 ? clRed : clLime);
  }

  // Unmasked cells taken into a masked strip: each cell's bottom-left
  // colour turns transparent.
  auto spotted = Solid(16, 16, clBlue);
  spotted->GetCanvas()->SetPixels(2, 2, clYellow);
  TOwnedObject<TVyrImageListItem> plain(TObject::Create<TVyrImageListItem>(16, 16));
  plain->Add(spotted.get(), nullptr);
  item->AddImages(plain.get());
  item->InsertImages(0, plain.get());
  for (int index : {0, 3}) {
    auto back = Solid(16, 16, clGray);
    item->Draw(back->GetCanvas(), 0, 0, index);
    EXPECT_EQ(Px(back.get(), 2, 2), clYellow) << index;
    EXPECT_EQ(Px(back.get(), 9, 9), clGray) << index;
  }
}

TEST_F(ImageStrip, OutOfRangeListIndexesGetTheDefaultAnswers) {
  TOwnedObject<TVyrImageList> images(TObject::Create<TVyrImageList>(nullptr));
  TOwnedObject<TVyrBitmapList> bitmaps(TObject::Create<TVyrBitmapList>(nullptr));
  images->Add(nullptr);
  bitmaps->Add(nullptr);
  for (int L : {1, -1}) {
    EXPECT_EQ(images->ItemCount(L), -1) << L;
    EXPECT_EQ(bitmaps->ItemCount(L), 0) << L;
    for (TVyrCustomImageList* list : {static_cast<TVyrCustomImageList*>(images.get()),
                                      static_cast<TVyrCustomImageList*>(bitmaps.get())}) {
      EXPECT_EQ(list->TransparentColor(L, 0), clWhite);
      EXPECT_EQ(list->GetColorAtPoint(TPoint(0, 0), L, 0), clWhite);
      EXPECT_EQ(list->Dimensions(L, 0), 0);
      EXPECT_FALSE(list->IsValidItem(L, 0));
      EXPECT_FALSE(list->Masked(L));
      EXPECT_EQ(list->Palette(L), nullptr);
    }
  }
  EXPECT_EQ(images->ItemCount(0), 0);
  EXPECT_EQ(images->Dimensions(0, 1), 16);
  try {
    images->SetListIndex(3);
    FAIL() << "index 3 of one list taken";
  } catch (const EInvalidGraphicOperation& e) {
    EXPECT_EQ(e.Message, "Der Index der Liste überschreitet das Maximum (3)");
  }
  EXPECT_EQ(images->GetListIndex(), 0);
}

TEST_F(ImageStrip, FocusAndSelectionLayTheirPatternsInTheBlendColour) {
  struct Case {
    TVyrDrawingStyle style;
    TColor blend;
    bool (*blended)(int x, int y);
  } cases[] = {
      {TVyrDrawingStyle::dsSelected, clBlue, [](int x, int y) { return (x + y) % 2 == 1; }},
      {TVyrDrawingStyle::dsFocus, clBlue, [](int x, int y) { return x % 2 == 0 || y % 2 == 0; }},
      {TVyrDrawingStyle::dsSelected, clNone, [](int, int) { return false; }},
  };
  for (const Case& c : cases) {
    auto item = StripOf({clRed});
    item->SetMasked(true);
    item->DrawingStyle = c.style;
    item->BlendColor = c.blend;
    item->BkColor = clWhite;
    auto target = Solid(20, 20, clGray);
    item->Draw(target->GetCanvas(), 2, 2, 0);
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < 16; ++x)
        ASSERT_EQ(Px(target.get(), x + 2, y + 2), c.blended(x, y) ? clBlue : clRed) << x << "," << y;
    EXPECT_EQ(Px(target.get(), 0, 0), clGray);
  }
}
