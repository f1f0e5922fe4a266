// The part every item shares: its header, its place in the container and
// its one binary form property.
#include "exceptions.h"
#include "filer.h"
#include "reader.h"
#include "vyrcont.h"
#include "vyrcont_streams.h"
#include "vyrutils.h"

namespace Vyrcont {

using namespace Vyrutils;

int VyrSavePixelFormatColors(TVyrSavePixelFormat Format) {
  switch (Format) {
    case TVyrSavePixelFormat::spfMono: return 2;
    case TVyrSavePixelFormat::spf4bit: return 16;
    case TVyrSavePixelFormat::spf8bit: return 256;
    case TVyrSavePixelFormat::spfDefault: break;
  }
  return -1;
}

Byte VyrPixelFormatFlag(TVyrSavePixelFormat Format) {
  switch (Format) {
    case TVyrSavePixelFormat::spfMono: return kFlagMono;
    case TVyrSavePixelFormat::spf4bit: return kFlag4Bit;
    case TVyrSavePixelFormat::spf8bit: return kFlag8Bit;
    case TVyrSavePixelFormat::spfDefault: break;
  }
  return 0;
}

TVyrSavePixelFormat VyrPixelFormatOfFlags(Byte Flags) {
  if (Flags & kFlagMono) return TVyrSavePixelFormat::spfMono;
  if (Flags & kFlag4Bit) return TVyrSavePixelFormat::spf4bit;
  if (Flags & kFlag8Bit) return TVyrSavePixelFormat::spf8bit;
  return TVyrSavePixelFormat::spfDefault;
}

void TVyrListItem::Publish(TPublisher<TVyrListItem>&) {}

TVyrListItem::TVyrListItem(TComponent* AOwner) : Vyrclass::TVyrComponent(AOwner) {}

void TVyrListItem::SetDescription(const AnsiString& Value) {
  if (Value == description_) return;
  description_ = Value;
  Change();
}

void TVyrListItem::SetIdent(Word Value) {
  if (Value == ident_) return;
  ident_ = Value;
  Change();
}

void TVyrListItem::SetCompressed(bool Value) {
  if (Value == compressed_) return;
  compressed_ = Value;
  Change();
}

Byte TVyrListItem::WriteFlag() {
  Byte flags = 0;
  if (compressed_) flags |= kFlagCompressed;
  if (!description_.IsEmpty()) flags |= kFlagDescription;
  if (ident_ != 0) flags |= kFlagIdent;
  return flags;
}

void TVyrListItem::WriteStd(TStream* Stream) {
  const Byte flags = WriteFlag();
  stWriteByte(Stream, flags);
  if (flags & kFlagDescription) stWriteString(Stream, description_);
  if (flags & kFlagIdent) stWriteInteger(Stream, ident_);
}

Byte TVyrListItem::ReadStd(TStream* Stream) {
  const Byte flags = ReadCheckedByte(Stream);
  AnsiString description;
  if (flags & kFlagDescription) {
    NeedBytes(Stream, 1, "item description");
    description = stReadString(Stream);
  }
  const Word ident = (flags & kFlagIdent) ? static_cast<Word>(ReadCheckedInteger(Stream)) : 0;
  compressed_ = (flags & kFlagCompressed) != 0;
  description_ = description;
  ident_ = ident;
  return flags;
}

void TVyrListItem::ReadData(TStream* Stream) { ReadStd(Stream); }

TVyrCustomContainer* TVyrListItem::GetContainer() const {
  return dynamic_cast_object<TVyrCustomContainer>(GetOwner());
}

int TVyrListItem::Index() const {
  const TVyrCustomContainer* container = GetContainer();
  return container ? container->IndexOf(this) : -1;
}

void TVyrListItem::AssignStd(TVyrListItem* Source) {
  compressed_ = Source->compressed_;
  description_ = Source->description_;
  ident_ = Source->ident_;
}

void TVyrListItem::Change() {
  if (GetUpdating()) return;
  inherited::Change();
  if (TVyrCustomContainer* container = GetContainer()) container->Update(this);
}

void TVyrListItem::ReadState(TReader* Reader) {
  // Read inside its container: it joins the list before its data comes.
  if (auto* container = dynamic_cast_object<TVyrCustomContainer>(Reader->GetOwner()))
    if (container->IndexOf(this) < 0) container->Add(this);
  inherited::ReadState(Reader);
}

void TVyrListItem::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty("Internal", TStreamProc(this, &TVyrListItem::ReadInternal),
                              TStreamProc(this, &TVyrListItem::WriteInternal), true);
  DefineItemProperties(Filer);
}

void TVyrListItem::ReadInternal(TStream* Stream) { ReadData(Stream); }

void TVyrListItem::WriteInternal(TStream* Stream) { WriteData(Stream); }

}  // namespace Vyrcont
