// fuzz-libs: morvant_foundation
// Container files and streams from arbitrary bytes: the file type and its
// offset table, whole files into each kind of list, streams without
// offsets, single items by offset and one-item strip files. Each loads or
// raises its error, never reads past the data nor allocates what the data
// cannot hold.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

#include "exceptions.h"
#include "fileops.h"
#include "streams.h"
#include "tlist.h"
#include "vyrcont.h"

using namespace Vyrcont;

namespace {

std::string ScratchFile() {
  static const std::string name = [] {
    const char* tmp = std::getenv("TMPDIR");
    return std::string(tmp ? tmp : "/tmp") + "/vyr_container_fuzz_" + std::to_string(::getpid()) + ".bin";
  }();
  return name;
}

template <class Body>
void Quietly(Body body) {
  try {
    body();
  } catch (const Exception&) {
  }
}

template <class List>
void LoadEach(const AnsiString& File, TMemoryStream& Stream) {
  TOwnedObject<List> list(TObject::Create<List>(nullptr));
  Quietly([&] { list->LoadFromFile(File); });
  Stream.SetPosition(0);
  Quietly([&] { list->LoadFromStream(&Stream); });
  Stream.SetPosition(0);
  Quietly([&] { list->ReadData(&Stream, true); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString file(ScratchFile().c_str());
  {
    TFileStream out(file, fmCreate);
    out.WriteBuffer(data, static_cast<LongInt>(size));
  }
  TMemoryStream stream;
  stream.WriteBuffer(data, static_cast<LongInt>(size));

  int count = 0;
  TList offsets;
  TVyrListItemClassType kind = TVyrListItemClassType::icInvalid;
  Quietly([&] { kind = VyrListGetFileType(file, count, &offsets); });
  if (kind != TVyrListItemClassType::icInvalid) {
    TOwnedObject<TVyrImageListItem> strip(TObject::Create<TVyrImageListItem>(static_cast<TComponent*>(nullptr)));
    TOwnedObject<TVyrBitmapListItem> bitmap(TObject::Create<TVyrBitmapListItem>(nullptr));
    TOwnedObject<TVyrStringListItem> strings(TObject::Create<TVyrStringListItem>(nullptr));
    for (int i = 0; i < offsets.GetCount() && i < 4; ++i) {
      for (TVyrListItem* item : {static_cast<TVyrListItem*>(strip.get()), static_cast<TVyrListItem*>(bitmap.get()),
                                 static_cast<TVyrListItem*>(strings.get())}) {
        stream.SetPosition(0);
        Quietly([&] { VyrListGetItemFromStream(&stream, &offsets, i, item); });
      }
    }
  }
  LoadEach<TVyrImageList>(file, stream);
  LoadEach<TVyrBitmapList>(file, stream);
  LoadEach<TVyrStringList>(file, stream);
  LoadEach<TVyrWaveList>(file, stream);
  TOwnedObject<TVyrImageListItem> single(TObject::Create<TVyrImageListItem>(static_cast<TComponent*>(nullptr)));
  Quietly([&] { single->LoadFromFile(file); });
  Quietly([&] { VyrIMLGetItem(file, 0, single.get()); });
  return 0;
}
