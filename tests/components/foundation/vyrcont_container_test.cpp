// Containers: assignment, files that lie, the global lists and their
// idents, bitmaps read from a path, change links, and form streams.
#include <filesystem>

#include "exceptions.h"
#include "filer.h"
#include "form_text.h"
#include "reader.h"
#include "writer.h"
#include "vyrcont_fixture.h"

using Containers = ContainerTest;

namespace {
std::string Replaced(std::string Data, std::size_t At, const std::string& Bytes) {
  Data.replace(At, Bytes.size(), Bytes);
  return Data;
}
std::string LE32(int Value) {
  std::string s(4, '\0');
  for (int i = 0; i < 4; ++i) s[static_cast<std::size_t>(i)] = static_cast<char>((static_cast<unsigned>(Value) >> (8 * i)) & 0xFF);
  return s;
}
}  // namespace

TEST_F(Containers, AListOfAnotherKindIsRefusedAndTheTargetKept) {
  TOwnedObject<TVyrImageList> images(TObject::Create<TVyrImageList>(nullptr));
  TOwnedObject<TVyrBitmapList> bitmaps(TObject::Create<TVyrBitmapList>(nullptr));
  images->Add(nullptr);
  bitmaps->Add(nullptr);
  bitmaps->Add(nullptr);
  EXPECT_THROW(images->Assign(bitmaps.get()), EConvertError);
  EXPECT_EQ(images->GetCount(), 1);

  TOwnedObject<TVyrImageList> copy(TObject::Create<TVyrImageList>(nullptr));
  images->GetItems(0)->Add(Solid(16, 16, clRed).get(), nullptr);
  images->SetDefaultPixelFormat(TVyrSavePixelFormat::spf4bit);
  int changes = 0;
  copy->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
  copy->Assign(images.get());
  EXPECT_EQ(changes, 1);
  ASSERT_EQ(copy->GetCount(), 1);
  EXPECT_EQ(copy->GetItems(0)->GetCount(), 1);
  EXPECT_EQ(copy->GetDefaultPixelFormat(), TVyrSavePixelFormat::spf4bit);
  EXPECT_EQ(copy->GetItems(0)->GetOwner(), copy.get());
}

TEST_F(Containers, AFileOfAnotherKindIsRefusedWithItsName) {
  TOwnedObject<TVyrBitmapList> bitmaps(TObject::Create<TVyrBitmapList>(nullptr));
  bitmaps->Add(nullptr);
  const std::string name = File("pictures.bml");
  bitmaps->SaveToFile(name.c_str());
  TOwnedObject<TVyrImageList> images(TObject::Create<TVyrImageList>(nullptr));
  try {
    images->LoadFromFile(name.c_str());
    FAIL() << "a bitmap list read as an image list";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message, AnsiString(("Datei " + name + " kann nicht geöffnet werden: TVyrImageList").c_str()));
  }
  int count = 0;
  TList offsets;
  offsets.Add(nullptr);
  EXPECT_EQ(VyrListGetFileType(name.c_str(), count, &offsets), TVyrListItemClassType::icBitmap);
  EXPECT_EQ(VyrListGetFileType(File("missing.iml").c_str(), count, &offsets), TVyrListItemClassType::icInvalid);
}

TEST_F(Containers, AFileThatRunsPastItsEndLeavesTheContainerAsItWas) {
  TOwnedObject<TVyrImageList> source(TObject::Create<TVyrImageList>(nullptr));
  TVyrImageListItem* strip = source->GetItems(source->Add(nullptr));
  strip->Add(Solid(16, 16, clRed).get(), nullptr);
  strip->Add(Solid(16, 16, clLime).get(), nullptr);
  const std::string good = File("good.iml");
  source->SaveToFile(good.c_str());
  const std::string data = FileBytes(good);
  // Magic 9, count 4, one offset 4: the record starts at 17, its image
  // count at 17 + 1 + 12 + 1.
  struct Case {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"item count", Replaced(data, 9, LE32(1000))},
      {"negative count", Replaced(data, 9, LE32(-1))},
      {"image count", Replaced(data, 31, LE32(5000))},
      {"strip cut", data.substr(0, data.size() - 10)},
      {"strip length", Replaced(data, 35, LE32(0x7FFFFFF0))},
      {"no record", data.substr(0, 17)},
  };
  for (const Case& c : cases) {
    const std::string name = File("bad.iml");
    WriteFile(name, c.bytes);
    TOwnedObject<TVyrImageList> list(TObject::Create<TVyrImageList>(nullptr));
    list->GetItems(list->Add(nullptr))->SetDescription("vorher");
    int changes = 0;
    list->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
    try {
      list->LoadFromFile(name.c_str());
      ADD_FAILURE() << c.what << " read";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message, AnsiString(("Datei " + name + " kann nicht geöffnet werden: TVyrImageList").c_str()))
          << c.what;
    }
    ASSERT_EQ(list->GetCount(), 1) << c.what;
    EXPECT_EQ(list->GetItems(0)->GetDescription(), "vorher") << c.what;
    EXPECT_EQ(changes, 0) << c.what;
  }

  const std::string lying = File("lying.iml");
  WriteFile(lying, Replaced(data, 13, LE32(int(data.size()) + 40)));
  int count = 0;
  TList offsets;
  EXPECT_EQ(VyrListGetFileType(lying.c_str(), count, &offsets), TVyrListItemClassType::icInvalid);
  TOwnedObject<TVyrImageListItem> item(TObject::Create<TVyrImageListItem>(static_cast<TComponent*>(nullptr)));
  EXPECT_THROW(VyrIMLGetItem(lying.c_str(), 0, item.get()), Exception);
}

TEST_F(Containers, TheGlobalIdentsNameTheGlobalListsAndNothingElse) {
  TVyrContainer* global = VyrGlobalContainer();
  ASSERT_NE(global, nullptr);
  struct Case {
    const char* text;
    TVyrCustomImageList* list;
  } cases[] = {
      {"VYRIML30", global->GetImageList()},
      {"VYRBML30", global->GetBitmapList()},
      {"VYRWVL30", nullptr},
      {"vyriml30", nullptr},
      {"", nullptr},
  };
  for (const Case& c : cases) {
    TMemoryStream stream;
    {
      TWriter writer(&stream);
      writer.WriteString(c.text);
    }
    stream.SetPosition(0);
    TReader reader(&stream);
    EXPECT_EQ(VyrReadGlobalIdent(&reader), c.list) << c.text;
  }

  TOwnedObject<TVyrImageList> local(TObject::Create<TVyrImageList>(nullptr));
  EXPECT_TRUE(VyrIsGlobalIdent(global->GetImageList()));
  EXPECT_FALSE(VyrIsGlobalIdent(local.get()));
  EXPECT_FALSE(VyrIsGlobalIdent(nullptr));
  for (TVyrCustomImageList* list : {static_cast<TVyrCustomImageList*>(local.get()),
                                    static_cast<TVyrCustomImageList*>(global->GetBitmapList())}) {
    TMemoryStream stream;
    {
      TWriter writer(&stream);
      VyrWriteGlobalIdent(&writer, list);
    }
    EXPECT_EQ(stream.GetSize() > 0, list != local.get());
  }
}

TEST_F(Containers, APathItemReadsItsBitmapOnceAndQuietly) {
  const std::string folder = app.program_folder() + "/bilder";
  std::filesystem::create_directories(folder);
  auto picture = Solid(4, 4, clFuchsia);
  picture->SaveToFile((folder + "/abc7.bmp").c_str());

  TOwnedObject<TVyrBitmapList> list(TObject::Create<TVyrBitmapList>(nullptr));
  list->SetPrefix(TVyrPathPrefix::ppFixed);
  list->SetSource(TVyrContainerSource::sdPath);
  list->SetPath((folder + "/abcdef.bml").c_str());
  TVyrBitmapListItem* item = list->GetItems(list->Add(nullptr));
  item->SetIdent(7);
  int changes = 0, linked = 0;
  list->SetOnChange(TNotifyEvent([&](TObject*) { ++changes; }));
  TVyrChangeLink link;
  link.SetOnChange(TNotifyEvent([&](TObject*) { ++linked; }));
  list->RegisterChanges(&link);

  EXPECT_TRUE(item->GetHeldBitmap()->GetEmpty());
  EXPECT_EQ(Px(item->GetBitmap(), 1, 1), clFuchsia);
  std::filesystem::remove(folder + "/abc7.bmp");
  EXPECT_EQ(item->GetBitmap()->GetWidth(), 4);
  EXPECT_EQ(list->ItemCount(0), 1);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(linked, 0);
}

TEST_F(Containers, LinksHearStructuralChangesAndLeaveCleanly) {
  auto list = std::make_unique<TOwnedObject<TVyrImageList>>(TObject::Create<TVyrImageList>(nullptr));
  TVyrImageList* images = list->get();
  std::vector<TObject*> linked, told;
  TVyrChangeLink first, second;
  first.SetOnChange(TNotifyEvent([&](TObject* s) { linked.push_back(s); }));
  images->RegisterChanges(&first);
  images->SetOnChange(TNotifyEvent([&](TObject* s) { told.push_back(s); }));

  const int index = images->Add(nullptr);
  EXPECT_EQ(linked, (std::vector<TObject*>{images}));
  // An item's edit reaches the container's handler with the item, not the
  // links.
  images->GetItems(index)->SetDescription("neu");
  EXPECT_EQ(linked.size(), 1u);
  EXPECT_EQ(told.back(), images->GetItems(index));

  {
    TVyrChangeLink gone;
    images->RegisterChanges(&gone);
    EXPECT_EQ(images->GetLinkCount(), 1 + 1);
  }
  EXPECT_EQ(images->GetLinkCount(), 1);
  images->RegisterChanges(&second);
  list.reset();
  EXPECT_EQ(first.GetSender(), nullptr);
  EXPECT_EQ(second.GetSender(), nullptr);
}

TEST_F(Containers, ItemsStreamAsChildrenOfTheirContainer) {
  TOwnedObject<TVyrImageList> list(TObject::Create<TVyrImageList>(nullptr));
  list->SetName("Bilder");
  TVyrImageListItem* strip = list->GetItems(list->Add(nullptr));
  strip->SetMasked(true);
  strip->Add(Solid(16, 16, clRed).get(), nullptr);
  strip->SetDescription("Rot");
  const std::string text = TestSupport::WrittenFormText(list.get());
  EXPECT_NE(text.find("TVyrImageListItem"), std::string::npos) << text;
  EXPECT_NE(text.find("Internal"), std::string::npos) << text;

  TOwnedObject<TComponent> back(TestSupport::ReadFormText(text, nullptr));
  auto* read = dynamic_cast_object<TVyrImageList>(back.get());
  ASSERT_NE(read, nullptr);
  ASSERT_EQ(read->GetCount(), 1);
  EXPECT_EQ(read->GetItems(0)->GetDescription(), "Rot");
  EXPECT_TRUE(read->GetItems(0)->GetMasked());
  EXPECT_EQ(read->TransparentColor(0, 0), clRed);
  EXPECT_EQ(TestSupport::WrittenFormText(read), text);
}

TEST_F(Containers, TheContainerControlCarriesTheGlobalListsThroughAForm) {
  TVyrBitmapList* global = VyrGlobalContainer()->GetBitmapList();
  for (TColor c : {clRed, clBlue}) global->GetItems(global->Add(nullptr))->SetBitmap(Solid(3, 2, c).get());
  TOwnedObject<TVyrContainerCtrl> ctrl(TObject::Create<TVyrContainerCtrl>(nullptr));
  ctrl->SetName("Behaelter");
  const std::string text = TestSupport::WrittenFormText(ctrl.get());
  EXPECT_NE(text.find("BitmapList"), std::string::npos) << text;
  EXPECT_EQ(text.find("ImageList"), std::string::npos) << text;

  global->Clear();
  TOwnedObject<TComponent> back(TestSupport::ReadFormText(text, nullptr));
  ASSERT_EQ(global->GetCount(), 2);
  EXPECT_EQ(Px(global->GetItems(0)->GetBitmap(), 2, 1), clRed);
  EXPECT_EQ(Px(global->GetItems(1)->GetBitmap(), 0, 0), clBlue);
}
