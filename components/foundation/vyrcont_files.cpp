// Container files: their magics and suffixes, and reading one item of a
// file without the others.
#include <vector>

#include "exceptions.h"
#include "fileio.h"
#include "fileops.h"
#include "format.h"
#include "resourcestrings.h"
#include "vyrcont.h"
#include "vyrcont_streams.h"
#include "vyrutils.h"

namespace Vyrcont {

namespace {

struct TKindNames {
  TVyrListItemClassType Kind;
  const char* Magic;
  const char* Suffix;
  const char* ItemSuffix;
};

constexpr TKindNames kKinds[] = {
    {TVyrListItemClassType::icImageList, "VYRIML30", "iml", "iml"},
    {TVyrListItemClassType::icBitmap, "VYRBML30", "bml", "bmp"},
    {TVyrListItemClassType::icWave, "VYRWVL30", "wvl", "wav"},
    {TVyrListItemClassType::icStringList, "VYRSLL30", "sll", "txt"},
    {TVyrListItemClassType::icRTF, "VYRRTL30", "rtl", "rtf"},
};

const TKindNames* NamesOf(TVyrListItemClassType Kind) {
  for (const TKindNames& names : kKinds)
    if (names.Kind == Kind) return &names;
  return nullptr;
}

AnsiString WithDot(const char* Suffix, bool Dot) { return Dot ? AnsiString(".") + Suffix : AnsiString(Suffix); }

}  // namespace

AnsiString VyrICGetMagic(TVyrListItemClassType Kind) {
  const TKindNames* names = NamesOf(Kind);
  return names ? AnsiString(names->Magic) : AnsiString();
}

AnsiString VyrICGetSuffix(TVyrListItemClassType Kind, bool Dot) {
  const TKindNames* names = NamesOf(Kind);
  return names ? WithDot(names->Suffix, Dot) : AnsiString();
}

AnsiString VyrICGetItemSuffix(TVyrListItemClassType Kind, bool Dot) {
  const TKindNames* names = NamesOf(Kind);
  return names ? WithDot(names->ItemSuffix, Dot) : AnsiString();
}

void WriteMagic(TStream* Stream, TVyrListItemClassType Kind) {
  const AnsiString magic = VyrICGetMagic(Kind);
  const Byte length = static_cast<Byte>(magic.Length());
  Stream->WriteBuffer(&length, 1);
  Stream->WriteBuffer(magic.c_str(), magic.Length());
}

TVyrListItemClassType ReadMagic(TStream* Stream) {
  if (RemainingBytes(Stream) < kMagicSize) return TVyrListItemClassType::icInvalid;
  char bytes[kMagicSize];
  Stream->ReadBuffer(bytes, kMagicSize);
  if (bytes[0] != 8) return TVyrListItemClassType::icInvalid;
  const std::string text(bytes + 1, kMagicSize - 1);
  for (const TKindNames& names : kKinds)
    if (text == names.Magic) return names.Kind;
  return TVyrListItemClassType::icInvalid;
}

void RaiseFileError(const AnsiString& FileName, const AnsiString& ClassName) {
  throw Exception(Format(LoadStr(SFOpenError), FileName) + ": " + ClassName);
}

TVyrListItemClassType VyrListGetFileType(const AnsiString& FileName, int& Count, TList* Offsets) {
  if (!FileExists(FileName)) return TVyrListItemClassType::icInvalid;
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  const TVyrListItemClassType kind = ReadMagic(&file);
  if (kind == TVyrListItemClassType::icInvalid || RemainingBytes(&file) < 4) return TVyrListItemClassType::icInvalid;
  const int count = ReadCheckedInteger(&file);
  // The table and a flags byte a record must fit in what follows.
  if (count < 0 || static_cast<Int64>(count) * 5 > RemainingBytes(&file)) return TVyrListItemClassType::icInvalid;
  if (Offsets) {
    std::vector<int> offsets;
    offsets.reserve(static_cast<std::size_t>(count));
    const Int64 size = file.GetSize();
    for (int i = 0; i < count; ++i) {
      const int offset = ReadCheckedInteger(&file);
      if (offset < kMagicSize + 4 || offset >= size) return TVyrListItemClassType::icInvalid;
      offsets.push_back(offset);
    }
    Offsets->Clear();
    for (int offset : offsets) Offsets->Add(reinterpret_cast<void*>(static_cast<std::intptr_t>(offset)));
  }
  Count = count;
  return kind;
}

bool VyrListGetItemFromStream(TStream* Stream, TList* Offsets, int Index, TVyrListItem* Item) {
  if (!Offsets || !Stream || !Item) return false;
  const auto offset = reinterpret_cast<std::intptr_t>(Offsets->GetItems(Index));
  if (offset < 0 || offset >= Stream->GetSize()) throw EReadError("Container item offset outside the data");
  Stream->SetPosition(offset);
  Item->LoadFromStream(Stream);
  return true;
}

bool VyrListGetItemFromFile(const AnsiString& FileName, TVyrListItemClassType Kind, TList* Offsets, int Index,
                            TVyrListItem* Item) {
  TList table;
  if (!Offsets) {
    int count = 0;
    if (VyrListGetFileType(FileName, count, &table) != Kind) throw Exception(Format(LoadStr(SFOpenError), FileName));
    Offsets = &table;
  }
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  try {
    return VyrListGetItemFromStream(&file, Offsets, Index, Item);
  } catch (const EListError&) {
    throw;
  } catch (const Exception&) {
    RaiseFileError(FileName, Item->ClassName());
  }
}

bool VyrBMLGetItem(const AnsiString& FileName, int Index, TBitmap* Bitmap) {
  TOwnedObject<TVyrBitmapListItem> item(TObject::Create<TVyrBitmapListItem>(nullptr));
  const bool read = VyrListGetItemFromFile(FileName, TVyrListItemClassType::icBitmap, nullptr, Index, item.get());
  if (read && Bitmap) Bitmap->Assign(item->GetHeldBitmap());
  return read;
}

bool VyrIMLGetItem(const AnsiString& FileName, int Index, TVyrImageListItem* Item) {
  TOwnedObject<TVyrImageListItem> item(TObject::Create<TVyrImageListItem>(static_cast<TComponent*>(nullptr)));
  const bool read = VyrListGetItemFromFile(FileName, TVyrListItemClassType::icImageList, nullptr, Index, item.get());
  if (read && Item) Item->Assign(item.get());
  return read;
}

bool VyrBmpLoad(HINSTANCE, int, TBitmap*) { return false; }

bool VyrBmpLoadFromFile(const AnsiString&, int, TBitmap*) { return false; }

}  // namespace Vyrcont
