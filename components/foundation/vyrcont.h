// Containers: ordered lists of stored items (bitmaps, image strips, waves,
// string lists) that controls share by reference. An image list is a
// component on a form or one of the four lists of the global container;
// every control showing its images keeps the list, a list index and an
// image index, and a TVyrChangeLink to hear of changes.
//
// Streams are little-endian. An item record is a flags byte (0x01
// compressed, 0x02 description follows, 0x04 ident follows, 0x08 data
// follows, 0x10 / 0x20 / 0x40 mono / 16 / 256 colours), the description
// (length byte and text), the ident (int32), then the item's body. A
// container stream is an int32 count, with offsets a table of the absolute
// position of each record, then the records. A container file is a length
// byte 8 and the eight-character magic of its kind, then the container
// stream with offsets.
//
// Everything read from outside is checked against the bytes that remain
// before anything is allocated: a bad stream raises EReadError, a bad file
// the "cannot open" text with its name and the container's class, and a
// failed load leaves the container as it was.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "ansistring.h"
#include "bitmap.h"
#include "canvas.h"
#include "component.h"
#include "events.h"
#include "palette.h"
#include "published.h"
#include "rect.h"
#include "streams.h"
#include "tlist.h"
#include "tstrings.h"
#include "unitstartup.h"
#include "vyrclass.h"
#include "vyrprocs.h"

class TReader;
class TWriter;

namespace Vyrmms {
class TVyrWave;
}

namespace Vyrcont {

using Vyrclass::TVyrSavePixelFormat;
using Vyrprocs::TVyrPathPrefix;

enum class TVyrListItemClassType { icImageList, icBitmap, icWave, icStringList, icRTF, icInvalid };
// Where a container's bitmap items come from when they are first read.
enum class TVyrContainerSource { sdComponent, sdFile, sdAppResource, sdLibResource, sdPath };
enum class TVyrDrawingStyle { dsFocus, dsSelected, dsNormal, dsTransparent };
enum class TVyrImageType { itImage, itMask };

// The widest an image strip may grow, in pixels.
constexpr int kVyrMaxStripWidth = 32768;

// -1 (the bitmap's own depth), 2, 16 or 256 colours.
int VyrSavePixelFormatColors(TVyrSavePixelFormat Format);

class TVyrBaseContainer;
class TVyrCustomContainer;

// Tells one listener of a container's changes. Freeing it takes it off its
// container's list.
class TVyrChangeLink : public TObject {
  MORVANT_CLASS(TVyrChangeLink, TObject)
 public:
  TVyrChangeLink() = default;
  ~TVyrChangeLink() override;
  TVyrChangeLink(const TVyrChangeLink&) = delete;
  TVyrChangeLink& operator=(const TVyrChangeLink&) = delete;

  // The container the link is registered with; nullptr when none.
  TVyrBaseContainer* GetSender() const { return sender_; }
  void SetSender(TVyrBaseContainer* Value) { sender_ = Value; }
  TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Value) { onChange_ = Value; }
  // OnChange(Sender) when assigned.
  virtual void Change();

 private:
  TVyrBaseContainer* sender_ = nullptr;
  TNotifyEvent onChange_;
};

// A component that runs its registered change links on every change of its
// own, before the component's OnChange.
class TVyrBaseContainer : public Vyrclass::TVyrComponent {
  MORVANT_PUBLISHED(TVyrBaseContainer, Vyrclass::TVyrComponent)
 public:
  explicit TVyrBaseContainer(TComponent* AOwner);
  ~TVyrBaseContainer() override;
  void BeforeDestruction() override;

  // Adds Link (once) and makes this container its sender.
  void RegisterChanges(TVyrChangeLink* Link);
  // Removes Link and clears its sender; nothing for a link not registered.
  void UnRegisterChanges(TVyrChangeLink* Link);
  int GetLinkCount() const { return static_cast<int>(links_.size()); }

 protected:
  void Change() override;

 private:
  void DetachLinks();
  std::vector<TVyrChangeLink*> links_;
};

// ======== items ========

// One stored item: a component owned by its container, streamed as one
// binary property "Internal" holding its record.
class TVyrListItem : public Vyrclass::TVyrComponent {
  MORVANT_PUBLISHED(TVyrListItem, Vyrclass::TVyrComponent)
 public:
  explicit TVyrListItem(TComponent* AOwner);

  AnsiString GetDescription() const { return description_; }
  void SetDescription(const AnsiString& Value);
  Word GetIdent() const { return ident_; }
  void SetIdent(Word Value);
  bool GetCompressed() const { return compressed_; }
  void SetCompressed(bool Value);

  virtual void FreeData() {}
  virtual bool GetEmpty() = 0;
  // The record: header and body. A bad record raises EReadError.
  virtual void ReadData(TStream* Stream);
  virtual void WriteData(TStream* Stream) = 0;
  // The header's flags byte.
  virtual Byte WriteFlag();

  // The header: reading restores Compressed, Description and Ident and
  // answers the flags byte.
  Byte ReadStd(TStream* Stream);
  void WriteStd(TStream* Stream);
  void LoadFromStream(TStream* Stream) { ReadData(Stream); }
  void SaveToStream(TStream* Stream) { WriteData(Stream); }
  // Position in the owning container; -1 when the owner is none.
  int Index() const;
  // Compressed, Description and Ident.
  void AssignStd(TVyrListItem* Source);
  // The owner when it is a container.
  TVyrCustomContainer* GetContainer() const;

  // The item's own change, then the container's OnChange with the item as
  // sender (the container's links do not hear item edits).
  void Change() override;

 protected:
  void ReadState(TReader* Reader) override;
  void DefineProperties(TFiler* Filer) override;
  virtual void DefineItemProperties(TFiler* /*Filer*/) {}

 private:
  void ReadInternal(TStream* Stream);
  void WriteInternal(TStream* Stream);

  AnsiString description_;
  Word ident_ = 0;
  bool compressed_ = false;
};

// The pixel format bits of a flags byte, and back.
Byte VyrPixelFormatFlag(TVyrSavePixelFormat Format);
TVyrSavePixelFormat VyrPixelFormatOfFlags(Byte Flags);

class TVyrBitmapListItem : public TVyrListItem {
  MORVANT_COMPONENT(TVyrBitmapListItem, TVyrListItem)
 public:
  explicit TVyrBitmapListItem(TComponent* AOwner);
  ~TVyrBitmapListItem() override;

  // Loads the bitmap from the container's source first when it is empty
  // at run time (firing nothing).
  TBitmap* GetBitmap();
  // The bitmap as it is held, never loaded.
  TBitmap* GetHeldBitmap() const { return bitmap_.get(); }
  void SetBitmap(TBitmap* Value);
  TVyrSavePixelFormat GetPixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TVyrSavePixelFormat Value);

  void Assign(TPersistent* Source) override;
  void FreeData() override;
  bool GetEmpty() override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  Byte WriteFlag() override;

 private:
  void LoadFromSource();

  std::unique_ptr<TBitmap> bitmap_;
  TVyrSavePixelFormat pixelFormat_ = TVyrSavePixelFormat::spfDefault;
};

// A strip of equal images side by side (image i at x = i * Width) with an
// optional monochrome mask strip beside it.
class TVyrImageListItem : public TVyrListItem {
  MORVANT_COMPONENT(TVyrImageListItem, TVyrListItem)
 public:
  explicit TVyrImageListItem(TComponent* AOwner);
  // An ownerless item of that size, with the defaults of the other
  // constructor; a size below 1 raises EInvalidGraphicOperation.
  TVyrImageListItem(int AWidth, int AHeight);
  ~TVyrImageListItem() override;

  int GetAllocBy() const { return allocBy_; }
  void SetAllocBy(int Value);
  int GetWidth() const { return width_; }
  // Below 1 or unchanged: nothing; else the item is cleared.
  void SetWidth(int Value);
  int GetHeight() const { return height_; }
  void SetHeight(int Value);
  bool GetMasked() const { return masked_; }
  // Switching on gives every image an opaque (black) mask cell.
  void SetMasked(bool Value);
  TVyrSavePixelFormat GetPixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TVyrSavePixelFormat Value) { pixelFormat_ = Value; }
  // The drawing looks; controls set them directly, nothing fires.
  TColor BkColor = clNone;
  TColor BlendColor = clNone;
  TVyrDrawingStyle DrawingStyle = TVyrDrawingStyle::dsNormal;
  TVyrImageType ImageType = TVyrImageType::itImage;

  int GetCount() const { return static_cast<int>(positions_.size()); }
  // The used width of the strip in pixels.
  int GetUsedWidth() const { return usedWidth_; }
  TBitmap* GetImageBitmap() const { return image_.get(); }
  TBitmap* GetMaskBitmap() const { return mask_.get(); }
  // The 32-bit position entry of image Index (x offset in the low 16 bits,
  // the Masked flag of its making in bits 16-23); EListError out of range.
  std::uint32_t GetPosition(int Index) const;
  int GetOffset(int Index) const;

  // Both nil: a new empty cell. A bitmap that is not Height high and a
  // multiple of Width wide raises EInvalidGraphicOperation; a missing
  // image (with a mask) answers -1.
  int Add(TBitmap* Image, TBitmap* Mask);
  int AddMasked(TBitmap* Image, TColor TransparentColor);
  // Images of Other (of the same size, else EInvalidGraphicOperation before
  // anything is copied) appended; their masks built from the cell's
  // transparent colour when Other has none and this item is masked.
  void AddImages(TVyrImageListItem* Other);
  // At or past the end: Add. False when the image check fails.
  bool Insert(int Index, TBitmap* Image, TBitmap* Mask);
  bool InsertMasked(int Index, TBitmap* Image, TColor TransparentColor);
  void InsertImages(int Index, TVyrImageListItem* Other);
  void Replace(int Index, TBitmap* Image, TBitmap* Mask);
  void ReplaceMasked(int Index, TBitmap* Image, TColor TransparentColor);
  // Past the end: nothing.
  void Delete(int Index);
  void Move(int From, int To);
  // No change fires.
  void Clear();

  TRect GetImageRect(int Index) const;
  // Bitmap sized to one cell and given image Index; nothing for nil.
  void GetBitmap(int Index, TBitmap* Bitmap);
  void GetMaskBitmap(int Index, TBitmap* Bitmap);
  void Draw(TCanvas* Canvas, int X, int Y, int Index);
  TRect DrawExt(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int Index);
  void ClipDraw(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int ClipOffset, TColor Color, int Index);
  // The cell's bottom-left pixel.
  TColor TransparentColor(int Index);
  // Pixel P of the cell, as the bitmap list answers pixel P of its bitmap.
  TColor GetColorAtPoint(const TPoint& P, int Index);

  // The bitmap file cut into Count images; the 65522 text when it is empty
  // or not a multiple of Count wide.
  bool LoadFromBitmap(const AnsiString& FileName, int Count, bool AMasked);
  void ConvertBmpToIML(TBitmap* Bitmap, int Count, bool AMasked);
  // A one-item image-list container file.
  void LoadFromFile(const AnsiString& FileName);
  void SaveToFile(const AnsiString& FileName);

  void Assign(TPersistent* Source) override;
  void FreeData() override { Clear(); }
  bool GetEmpty() override { return GetCount() == 0; }
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  Byte WriteFlag() override;

 protected:
  void DefineItemProperties(TFiler* Filer) override;

 private:
  bool CheckImage(TBitmap* Image) const;
  int ReserveCell();
  void GrowStrips(int NewWidth);
  void RebuildPositions(int Count);
  void LayPattern(TBitmap* Bitmap, bool Dense) const;
  void ReadLegacyBitmap(TStream* Stream);

  int allocBy_ = 4;
  int height_ = 16;
  int usedWidth_ = 0;
  int width_ = 16;
  TVyrSavePixelFormat pixelFormat_ = TVyrSavePixelFormat::spfDefault;
  std::unique_ptr<TBitmap> image_;
  std::unique_ptr<TBitmap> mask_;
  std::vector<std::uint32_t> positions_;
  bool masked_ = false;
};

class TVyrStringListItem : public TVyrListItem {
  MORVANT_COMPONENT(TVyrStringListItem, TVyrListItem)
 public:
  explicit TVyrStringListItem(TComponent* AOwner);
  ~TVyrStringListItem() override;

  TStrings* GetItems() const { return items_.get(); }
  void SetItems(TStrings* Value);

  // Another string item or any TStrings.
  void Assign(TPersistent* Source) override;
  void FreeData() override;
  bool GetEmpty() override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  Byte WriteFlag() override;

 private:
  std::unique_ptr<TStrings> items_;
};

class TVyrWaveListItem : public TVyrListItem {
  MORVANT_COMPONENT(TVyrWaveListItem, TVyrListItem)
 public:
  explicit TVyrWaveListItem(TComponent* AOwner);
  ~TVyrWaveListItem() override;

  Vyrmms::TVyrWave* GetWave() const { return wave_; }
  void SetWave(Vyrmms::TVyrWave* Value);

  void Assign(TPersistent* Source) override;
  void FreeData() override;
  bool GetEmpty() override;
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;
  Byte WriteFlag() override;

 private:
  Vyrmms::TVyrWave* wave_ = nullptr;
};

// ======== containers ========

class TVyrCustomContainer : public TVyrBaseContainer {
  MORVANT_PUBLISHED(TVyrCustomContainer, TVyrBaseContainer)
 public:
  explicit TVyrCustomContainer(TComponent* AOwner);
  ~TVyrCustomContainer() override;
  void BeforeDestruction() override;

  int GetCount() const { return static_cast<int>(items_.size()); }
  // EListError out of range.
  TVyrListItem* GetItems(int Index) const;
  bool GetEmpty() const { return items_.empty(); }
  TVyrListItemClassType GetKind() const { return kind_; }
  TClass GetItemClass() const { return itemClass_; }

  bool GetDefaultCompressed() const { return defaultCompressed_; }
  void SetDefaultCompressed(bool Value) { defaultCompressed_ = Value; }
  TVyrPathPrefix GetPrefix() const { return prefix_; }
  void SetPrefix(TVyrPathPrefix Value);
  TVyrContainerSource GetSource() const { return source_; }
  // Not while loading: every item's data is freed first.
  void SetSource(TVyrContainerSource Value);
  // The fixed path that goes with the prefix.
  AnsiString GetPath() const { return path_; }
  void SetPath(const AnsiString& Value) { path_ = Value; }

  // A nil Item: a new item of the container's class, owned by it.
  int Add(TVyrListItem* Item);
  void Insert(int Index, TVyrListItem* Item);
  // Frees the item.
  void Delete(int Index);
  void Clear();
  void Move(int From, int To);
  int IndexOf(const TVyrListItem* Item) const;
  // Copies of Other's items appended, then one change.
  void AddList(TVyrCustomContainer* Other);
  // An item changed: the container's OnChange with Item as sender.
  void Update(TVyrListItem* Item);

  // The container stream; WithIndex adds the offset table.
  virtual void ReadData(TStream* Stream, bool WithIndex);
  virtual void WriteData(TStream* Stream, bool WithIndex);
  void LoadFromStream(TStream* Stream) { ReadData(Stream, false); }
  void SaveToStream(TStream* Stream) { WriteData(Stream, false); }
  void LoadFromFile(const AnsiString& FileName);
  void SaveToFile(const AnsiString& FileName);

  // Only from a container of this class or a descendant; anything else is
  // the assignment error.
  void Assign(TPersistent* Source) override;

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;
  TComponent* GetChildOwner() override { return this; }

  // A new ownerless item of the container's class.
  TVyrListItem* NewItem() const;

 protected:
  void SetItemClass(TClass Class, TVyrListItemClassType Kind);
  // An item leaving the container (freed or taken by another owner) leaves
  // the list.
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // Runs Body as one change: inside BeginUpdate and EndUpdate(true) unless
  // an update is running already.
  template <class F>
  void Batch(F Body);

 private:
  void AddItems(TVyrCustomContainer* Other);

  bool defaultCompressed_ = false;
  std::vector<TVyrListItem*> items_;
  TVyrPathPrefix prefix_ = TVyrPathPrefix::ppProgram;
  TVyrContainerSource source_ = TVyrContainerSource::sdComponent;
  AnsiString path_;
  TClass itemClass_ = nullptr;
  TVyrListItemClassType kind_ = TVyrListItemClassType::icInvalid;
};

template <class F>
void TVyrCustomContainer::Batch(F Body) {
  if (GetUpdating()) {
    Body();
    return;
  }
  BeginUpdate();
  try {
    Body();
  } catch (...) {
    EndUpdate(false);
    throw;
  }
  EndUpdate(true);
}

// The interface controls draw through. L is the list index, I the image
// index in it.
class TVyrCustomImageList : public TVyrCustomContainer {
  MORVANT_PUBLISHED(TVyrCustomImageList, TVyrCustomContainer)
 public:
  explicit TVyrCustomImageList(TComponent* AOwner);

  TVyrSavePixelFormat GetDefaultPixelFormat() const { return defaultPixelFormat_; }
  void SetDefaultPixelFormat(TVyrSavePixelFormat Value) { defaultPixelFormat_ = Value; }
  int GetListIndex() const { return listIndex_; }
  // At or above Count: EInvalidGraphicOperation naming the index asked for.
  void SetListIndex(int Value);

  // L in range (0 <= L < Count).
  bool InRange(int L) const { return L >= 0 && L < GetCount(); }

  virtual TCanvas* BmpCanvas(int L) = 0;
  virtual TRect ItemRect(int L, int I) = 0;
  // Which 0 width, 1 height; 0 otherwise or out of range.
  virtual int Dimensions(int L, int Which) = 0;
  virtual int ItemCount(int L) = 0;
  virtual bool IsValidItem(int L, int I) = 0;
  virtual void GetBitmapItem(int L, int I, TBitmap* Bitmap) = 0;
  virtual bool Masked(int L) = 0;
  virtual HPALETTE Palette(int L) = 0;
  // White out of range.
  virtual TColor TransparentColor(int L, int I) = 0;
  virtual TColor GetColorAtPoint(const TPoint& P, int L, int I) = 0;
  virtual void Draw(TCanvas* Canvas, int X, int Y, int L, int I) = 0;
  // The rectangle drawn.
  virtual TRect DrawExt(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int L, int I) = 0;
  virtual void ClipDraw(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int ClipOffset, TColor Color, int L,
                        int I) = 0;

  void Assign(TPersistent* Source) override;

 protected:
  // The list index put back to the first list, also when there is none.
  void SetListIndexUnchecked(int Value) { listIndex_ = Value; }

 private:
  TVyrSavePixelFormat defaultPixelFormat_ = TVyrSavePixelFormat::spfDefault;
  int listIndex_ = 0;
};

// One bitmap per item; the image index is ignored.
class TVyrBitmapList : public TVyrCustomImageList {
  MORVANT_COMPONENT(TVyrBitmapList, TVyrCustomImageList)
 public:
  explicit TVyrBitmapList(TComponent* AOwner);

  TVyrBitmapListItem* GetItems(int Index) const;
  // The bitmap of the current list index (loaded on demand).
  TBitmap* GetBitmap() const;

  TCanvas* BmpCanvas(int L) override;
  TRect ItemRect(int L, int I) override;
  int Dimensions(int L, int Which) override;
  int ItemCount(int L) override;
  bool IsValidItem(int L, int I) override;
  void GetBitmapItem(int L, int I, TBitmap* Bitmap) override;
  bool Masked(int L) override;
  HPALETTE Palette(int L) override;
  TColor TransparentColor(int L, int I) override;
  TColor GetColorAtPoint(const TPoint& P, int L, int I) override;
  void Draw(TCanvas* Canvas, int X, int Y, int L, int I) override;
  TRect DrawExt(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int L, int I) override;
  void ClipDraw(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int ClipOffset, TColor Color, int L,
                int I) override;
};

// Image strips; the list index picks the strip, the image index the image.
class TVyrImageList : public TVyrCustomImageList {
  MORVANT_COMPONENT(TVyrImageList, TVyrCustomImageList)
 public:
  explicit TVyrImageList(TComponent* AOwner);

  TVyrImageListItem* GetItems(int Index) const;
  // The strip of the current list index.
  TVyrImageListItem* GetList() const;

  TCanvas* BmpCanvas(int L) override;
  TRect ItemRect(int L, int I) override;
  int Dimensions(int L, int Which) override;
  int ItemCount(int L) override;
  bool IsValidItem(int L, int I) override;
  void GetBitmapItem(int L, int I, TBitmap* Bitmap) override;
  bool Masked(int L) override;
  HPALETTE Palette(int L) override;
  TColor TransparentColor(int L, int I) override;
  TColor GetColorAtPoint(const TPoint& P, int L, int I) override;
  void Draw(TCanvas* Canvas, int X, int Y, int L, int I) override;
  TRect DrawExt(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int L, int I) override;
  void ClipDraw(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int ClipOffset, TColor Color, int L,
                int I) override;

  void Assign(TPersistent* Source) override;
};

class TVyrStringList : public TVyrCustomContainer {
  MORVANT_COMPONENT(TVyrStringList, TVyrCustomContainer)
 public:
  explicit TVyrStringList(TComponent* AOwner);
  TVyrStringListItem* GetItems(int Index) const;
};

class TVyrWaveList : public TVyrCustomContainer {
  MORVANT_COMPONENT(TVyrWaveList, TVyrCustomContainer)
 public:
  explicit TVyrWaveList(TComponent* AOwner);
  TVyrWaveListItem* GetItems(int Index) const;
};

// The four lists together; their changes pass on as this container's.
class TVyrContainer : public TVyrBaseContainer {
  MORVANT_COMPONENT(TVyrContainer, TVyrBaseContainer)
 public:
  explicit TVyrContainer(TComponent* AOwner);
  void BeforeDestruction() override;

  TVyrBitmapList* GetBitmapList() const { return bitmapList_; }
  TVyrImageList* GetImageList() const { return imageList_; }
  TVyrWaveList* GetWaveList() const { return waveList_; }
  TVyrStringList* GetStringList() const { return stringList_; }
  // Copies into the owned list.
  void SetBitmapList(TVyrBitmapList* Value);
  void SetImageList(TVyrImageList* Value);
  void SetWaveList(TVyrWaveList* Value);
  void SetStringList(TVyrStringList* Value);

 private:
  // A list changed: at design time a private container mirrors it into
  // the global one first.
  void ListChange(TObject* Sender);

  TVyrBitmapList* bitmapList_ = nullptr;
  TVyrImageList* imageList_ = nullptr;
  TVyrWaveList* waveList_ = nullptr;
  TVyrStringList* stringList_ = nullptr;
};

// Gives a form the global container's lists, streamed as the properties
// "BitmapList", "ImageList", "WaveList" and "StringList". At design time it
// keeps a container of its own, and a second one on a form is refused.
class TVyrContainerCtrl : public Vyrclass::TVyrComponent {
  MORVANT_COMPONENT(TVyrContainerCtrl, Vyrclass::TVyrComponent)
 public:
  explicit TVyrContainerCtrl(TComponent* AOwner);
  void AfterConstruction() override;
  void BeforeDestruction() override;

  TVyrContainer* GetContainer() const;
  // 255 for the refused duplicate, else 0.
  Byte GetDuplicateFlag() const { return duplicate_; }

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TVyrContainer* own_ = nullptr;
  Byte duplicate_ = 0;
};

// ======== the global container and its idents ========

// From the unit's start-up to its end.
TVyrContainer* VyrGlobalContainer();

// The global bitmap or image list.
bool VyrIsGlobalIdent(const TVyrCustomImageList* List);
// "VYRBML30" or "VYRIML30" for the global lists; nothing for any other.
void VyrWriteGlobalIdent(TWriter* Writer, TVyrCustomImageList* List);
// The global list a string read names; nullptr for any other text.
TVyrCustomImageList* VyrReadGlobalIdent(TReader* Reader);
TVyrCustomImageList* VyrGlobalListOfIdent(const AnsiString& Ident);

// ======== files ========

// The eight characters of a kind's magic ("VYRIML30" ...); empty for
// icInvalid.
AnsiString VyrICGetMagic(TVyrListItemClassType Kind);
// iml, bml, wvl, sll, rtl.
AnsiString VyrICGetSuffix(TVyrListItemClassType Kind, bool WithDot);
// iml, bmp, wav, txt, rtf.
AnsiString VyrICGetItemSuffix(TVyrListItemClassType Kind, bool WithDot);

// The kind of a container file by its magic (icInvalid for none, Offsets
// then untouched), its item count and, with Offsets, its offset table. A
// count or table the file cannot hold reads as icInvalid.
TVyrListItemClassType VyrListGetFileType(const AnsiString& FileName, int& Count, TList* Offsets);
// Item loaded from Offsets[Index]; False without offsets.
bool VyrListGetItemFromStream(TStream* Stream, TList* Offsets, int Index, TVyrListItem* Item);
// One item of a container file; a file of another kind raises the 65522
// text with its name.
bool VyrListGetItemFromFile(const AnsiString& FileName, TVyrListItemClassType Kind, TList* Offsets, int Index,
                            TVyrListItem* Item);
bool VyrBMLGetItem(const AnsiString& FileName, int Index, TBitmap* Bitmap);
bool VyrIMLGetItem(const AnsiString& FileName, int Index, TVyrImageListItem* Item);
bool VyrWVLGetItem(const AnsiString& FileName, int Index, Vyrmms::TVyrWave* Wave);

// Bitmaps from other modules are not read on this platform: both answer
// False and leave the bitmap empty.
bool VyrBmpLoad(HINSTANCE Module, int Index, TBitmap* Bitmap);
bool VyrBmpLoadFromFile(const AnsiString& FileName, int Index, TBitmap* Bitmap);

// The unit's start-up row: makes the global container and registers the
// classes forms may name (the items among them).
void Initialize();
void Finalize();
inline constexpr TUnitRow Unit{"Vyrcont", &Initialize, &Finalize};

}  // namespace Vyrcont
