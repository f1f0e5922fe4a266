// An image strip's record and its one-item file.
#include "exceptions.h"
#include "fileio.h"
#include "filer.h"
#include "resourcestrings.h"
#include "format.h"
#include "vyrcont.h"
#include "vyrcont_streams.h"
#include "vyrutils.h"

namespace Vyrcont {

using namespace Vyrutils;

namespace {

// Where a one-item file's record starts: magic, count and one offset.
constexpr int kSingleItemRecord = kMagicSize + 8;

// The first Width pixels of Strip, a buffer when it is wider.
void WriteStripPart(TStream* Stream, TBitmap* Strip, int Width, bool Compressed, int Colors) {
  if (Strip->GetWidth() == Width) {
    stWriteBitmap(Stream, Strip, Compressed, Colors);
    return;
  }
  TBitmap part;
  part.SetMonochrome(Strip->GetMonochrome());
  part.SetSize(Width, Strip->GetHeight());
  part.GetCanvas()->SetCopyMode(cmSrcCopy);
  part.GetCanvas()->CopyRect(TRect(0, 0, Width, Strip->GetHeight()), Strip->GetCanvas(),
                             TRect(0, 0, Width, Strip->GetHeight()));
  stWriteBitmap(Stream, &part, Compressed, Colors);
}

// A strip read back must be the size its record says.
void CheckStrip(TBitmap* Strip, int Width, int Height) {
  if (Strip->GetWidth() != Width || Strip->GetHeight() != Height) throw EReadError("Image strip of the wrong size");
}

}  // namespace

Byte TVyrImageListItem::WriteFlag() { return TVyrListItem::WriteFlag() | VyrPixelFormatFlag(pixelFormat_); }

void TVyrImageListItem::WriteData(TStream* Stream) {
  WriteStd(Stream);
  stWriteInteger(Stream, height_);
  stWriteInteger(Stream, width_);
  stWriteInteger(Stream, allocBy_);
  stWriteByte(Stream, masked_ ? 1 : 0);
  stWriteInteger(Stream, GetCount());
  if (GetCount() == 0) return;
  WriteStripPart(Stream, image_.get(), usedWidth_, GetCompressed(), VyrSavePixelFormatColors(pixelFormat_));
  if (masked_) WriteStripPart(Stream, mask_.get(), usedWidth_, GetCompressed(), 2);
}

void TVyrImageListItem::ReadData(TStream* Stream) {
  const Byte flags = ReadStd(Stream);
  const int height = ReadCheckedInteger(Stream);
  const int width = ReadCheckedInteger(Stream);
  const int allocBy = ReadCheckedInteger(Stream);
  const bool masked = ReadCheckedByte(Stream) != 0;
  const int count = ReadCheckedInteger(Stream);
  if (width < 1 || height < 1 || height > kVyrMaxStripWidth || count < 0 ||
      static_cast<Int64>(count) * width > kVyrMaxStripWidth)
    throw EReadError("Image strip of a bad size");
  auto image = std::make_unique<TBitmap>();
  auto mask = std::make_unique<TBitmap>();
  const int used = count * width;
  if (count > 0) {
    stReadBitmap(Stream, image.get(), (flags & kFlagCompressed) != 0);
    CheckStrip(image.get(), used, height);
    if (masked && RemainingBytes(Stream) > 0) {
      stReadBitmap(Stream, mask.get(), (flags & kFlagCompressed) != 0);
      CheckStrip(mask.get(), used, height);
    } else if (masked) {
      // No mask stored: every image opaque.
      mask->SetMonochrome(true);
      mask->SetSize(used, height);
      mask->GetCanvas()->GetBrush()->SetColor(clBlack);
      mask->GetCanvas()->FillRect(TRect(0, 0, used, height));
    }
  } else {
    image->SetSize(0, height);
    mask->SetSize(0, height);
  }
  if (masked) mask->SetMonochrome(true);
  height_ = height;
  width_ = width;
  allocBy_ = allocBy >= 1 ? allocBy : 1;
  masked_ = masked;
  pixelFormat_ = VyrPixelFormatOfFlags(flags);
  image_ = std::move(image);
  mask_ = std::move(mask);
  usedWidth_ = used;
  RebuildPositions(count);
}

void TVyrImageListItem::DefineItemProperties(TFiler* Filer) {
  // The older form of the record: read over, never written.
  Filer->DefineBinaryProperty("Bitmap", TStreamProc(this, &TVyrImageListItem::ReadLegacyBitmap), nullptr, false);
}

void TVyrImageListItem::ReadLegacyBitmap(TStream*) {}

void TVyrImageListItem::SaveToFile(const AnsiString& FileName) {
  TFileStream file(FileName, fmCreate);
  WriteMagic(&file, TVyrListItemClassType::icImageList);
  stWriteInteger(&file, 1);
  stWriteInteger(&file, kSingleItemRecord);
  WriteData(&file);
}

void TVyrImageListItem::LoadFromFile(const AnsiString& FileName) {
  TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
  if (ReadMagic(&file) != TVyrListItemClassType::icImageList) RaiseFileError(FileName, ClassName());
  try {
    NeedBytes(&file, 8, "item file header");
    file.Seek(8, soFromCurrent);
    ReadData(&file);
  } catch (const Exception&) {
    RaiseFileError(FileName, ClassName());
  }
  Change();
}

bool TVyrImageListItem::LoadFromBitmap(const AnsiString& FileName, int Count, bool AMasked) {
  TBitmap bitmap;
  try {
    bitmap.LoadFromFile(FileName);
  } catch (const Exception&) {
    throw Exception(Format(LoadStr(SFOpenError), FileName));
  }
  if (bitmap.GetEmpty() || Count < 1 || bitmap.GetWidth() % Count != 0 || bitmap.GetWidth() > kVyrMaxStripWidth)
    throw Exception(Format(LoadStr(SFOpenError), FileName));
  ConvertBmpToIML(&bitmap, Count, AMasked);
  SetDescription(FileName);
  return true;
}

}  // namespace Vyrcont
