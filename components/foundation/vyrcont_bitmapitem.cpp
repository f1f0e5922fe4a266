// Bitmap items: one bitmap each, read on demand from the container's
// source when it is first asked for.
#include "module.h"
#include "paths.h"
#include "scope_guard.h"
#include "sysutils.h"
#include "vyrcont.h"
#include "vyrcont_streams.h"
#include "vyrutils.h"

namespace Vyrcont {

using namespace Vyrutils;
using Vyrprocs::VyrCreatePathPrefix;

void TVyrBitmapListItem::Publish(TPublisher<TVyrBitmapListItem>& P) {
  // The record in "Internal" carries them all.
  P.Object("Bitmap", &TVyrBitmapListItem::GetHeldBitmap).Stored(false);
  P.Integer("Ident", &TVyrBitmapListItem::GetIdent, &TVyrBitmapListItem::SetIdent).Stored(false);
  P.String("Description", &TVyrBitmapListItem::GetDescription, &TVyrBitmapListItem::SetDescription).Stored(false);
}

TVyrBitmapListItem::TVyrBitmapListItem(TComponent* AOwner)
    : TVyrListItem(AOwner), bitmap_(std::make_unique<TBitmap>()) {}

TVyrBitmapListItem::~TVyrBitmapListItem() = default;

TBitmap* TVyrBitmapListItem::GetBitmap() {
  const TComponentState state = GetComponentState();
  if (bitmap_->GetEmpty() && !state.Contains(csDesigning) && !state.Contains(csLoading) && GetContainer()) {
    BeginUpdate();
    TScopeGuard done([this] { EndUpdate(false); });
    LoadFromSource();
  }
  return bitmap_.get();
}

void TVyrBitmapListItem::LoadFromSource() {
  TVyrCustomContainer* container = GetContainer();
  const AnsiString path = container->GetPath();
  const TVyrPathPrefix prefix = container->GetPrefix();
  // Folder, the first three letters of the path's file name, the ident.
  auto builtName = [&] {
    const AnsiString folder =
        prefix == TVyrPathPrefix::ppFixed ? IncludeTrailingPathDelimiter(ExtractFilePath(path))
                                          : VyrCreatePathPrefix(prefix, true);
    return folder + ExtractFileName(path).SubString(1, 3) + AnsiString(static_cast<int>(GetIdent())) +
           VyrICGetItemSuffix(TVyrListItemClassType::icBitmap, true);
  };
  switch (container->GetSource()) {
    case TVyrContainerSource::sdComponent:
      break;
    case TVyrContainerSource::sdFile:
      VyrBMLGetItem(VyrCreatePathPrefix(prefix, true) + path, GetIdent(), bitmap_.get());
      break;
    case TVyrContainerSource::sdAppResource:
      bitmap_->LoadFromResourceID(HInstance, GetIdent());
      break;
    case TVyrContainerSource::sdLibResource:
      if (prefix == TVyrPathPrefix::ppWindows || prefix == TVyrPathPrefix::ppSystem)
        VyrBmpLoadFromFile(path, GetIdent(), bitmap_.get());
      else
        VyrBmpLoadFromFile(builtName(), GetIdent(), bitmap_.get());
      break;
    case TVyrContainerSource::sdPath:
      bitmap_->LoadFromFile(builtName());
      break;
  }
}

void TVyrBitmapListItem::SetBitmap(TBitmap* Value) {
  bitmap_->Assign(Value);
  Change();
}

void TVyrBitmapListItem::SetPixelFormat(TVyrSavePixelFormat Value) {
  if (Value == pixelFormat_) return;
  pixelFormat_ = Value;
  Change();
}

void TVyrBitmapListItem::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TVyrBitmapListItem>(Source);
  if (!other) {
    inherited::Assign(Source);
    return;
  }
  if (other == this) return;
  AssignStd(other);
  bitmap_->Assign(other->GetBitmap());
  pixelFormat_ = other->pixelFormat_;
  Change();
}

void TVyrBitmapListItem::FreeData() { bitmap_ = std::make_unique<TBitmap>(); }

bool TVyrBitmapListItem::GetEmpty() { return bitmap_->GetEmpty(); }

Byte TVyrBitmapListItem::WriteFlag() {
  Byte flags = TVyrListItem::WriteFlag() | VyrPixelFormatFlag(pixelFormat_);
  if (!bitmap_->GetEmpty()) flags |= kFlagData;
  return flags;
}

void TVyrBitmapListItem::WriteData(TStream* Stream) {
  const Byte flags = WriteFlag();
  WriteStd(Stream);
  if (flags & kFlagData) stWriteBitmap(Stream, bitmap_.get(), GetCompressed(), VyrSavePixelFormatColors(pixelFormat_));
}

void TVyrBitmapListItem::ReadData(TStream* Stream) {
  const Byte flags = ReadStd(Stream);
  auto bitmap = std::make_unique<TBitmap>();
  if (flags & kFlagData) stReadBitmap(Stream, bitmap.get(), (flags & kFlagCompressed) != 0);
  pixelFormat_ = VyrPixelFormatOfFlags(flags);
  bitmap_ = std::move(bitmap);
}

}  // namespace Vyrcont
