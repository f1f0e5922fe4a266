// The two image lists and the plain containers: which item class each
// keeps, and how the image lists answer the controls drawing through them.
#include "colors.h"
#include "exceptions.h"
#include "format.h"
#include "resourcestrings.h"
#include "vyrcont.h"
#include "vyrutils.h"

namespace Vyrcont {

namespace {
constexpr TColor kOutOfRangeColor = clWhite;
}  // namespace

// ---- the image-list base ----

void TVyrCustomImageList::Publish(TPublisher<TVyrCustomImageList>& P) {
  P.Bool("DefaultCompressed", &TVyrCustomImageList::GetDefaultCompressed, &TVyrCustomImageList::SetDefaultCompressed,
         false);
  P.Enum("DefaultPixelFormat", &TVyrCustomImageList::GetDefaultPixelFormat,
         &TVyrCustomImageList::SetDefaultPixelFormat, {"spfDefault", "spfMono", "spf4bit", "spf8bit"}, 0);
}

TVyrCustomImageList::TVyrCustomImageList(TComponent* AOwner) : TVyrCustomContainer(AOwner) {}

void TVyrCustomImageList::SetListIndex(int Value) {
  if (!InRange(Value)) throw EInvalidGraphicOperation(Format(LoadStr(SListIndexError), Value));
  listIndex_ = Value;
}

void TVyrCustomImageList::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TVyrCustomImageList>(Source);
  if (!other || !other->InheritsFrom(ClassType())) {
    TVyrCustomContainer::Assign(Source);
    return;
  }
  Batch([&] {
    TVyrCustomContainer::Assign(Source);
    defaultPixelFormat_ = other->defaultPixelFormat_;
  });
}

// ---- bitmap lists ----

void TVyrBitmapList::Publish(TPublisher<TVyrBitmapList>&) {}

TVyrBitmapList::TVyrBitmapList(TComponent* AOwner) : TVyrCustomImageList(AOwner) {
  SetItemClass(TVyrBitmapListItem::StaticClass(), TVyrListItemClassType::icBitmap);
}

TVyrBitmapListItem* TVyrBitmapList::GetItems(int Index) const {
  return static_cast<TVyrBitmapListItem*>(TVyrCustomContainer::GetItems(Index));
}

TBitmap* TVyrBitmapList::GetBitmap() const {
  return InRange(GetListIndex()) ? GetItems(GetListIndex())->GetBitmap() : nullptr;
}

TCanvas* TVyrBitmapList::BmpCanvas(int L) { return GetItems(L)->GetBitmap()->GetCanvas(); }

TRect TVyrBitmapList::ItemRect(int L, int) {
  TBitmap* bitmap = GetItems(L)->GetBitmap();
  return TRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight());
}

int TVyrBitmapList::Dimensions(int L, int Which) {
  if (!InRange(L)) return 0;
  TBitmap* bitmap = GetItems(L)->GetBitmap();
  return Which == 0 ? bitmap->GetWidth() : Which == 1 ? bitmap->GetHeight() : 0;
}

int TVyrBitmapList::ItemCount(int L) {
  if (!InRange(L)) return 0;
  return GetItems(L)->GetBitmap()->GetEmpty() ? 0 : 1;
}

bool TVyrBitmapList::IsValidItem(int L, int) { return InRange(L) && !GetItems(L)->GetBitmap()->GetEmpty(); }

void TVyrBitmapList::GetBitmapItem(int L, int, TBitmap* Bitmap) {
  if (Bitmap) Bitmap->Assign(GetItems(L)->GetBitmap());
}

bool TVyrBitmapList::Masked(int) { return false; }

HPALETTE TVyrBitmapList::Palette(int L) { return InRange(L) ? GetItems(L)->GetBitmap()->GetPalette() : nullptr; }

TColor TVyrBitmapList::TransparentColor(int L, int) {
  return InRange(L) ? GetItems(L)->GetBitmap()->GetTransparentColor() : kOutOfRangeColor;
}

TColor TVyrBitmapList::GetColorAtPoint(const TPoint& P, int L, int) {
  return InRange(L) ? GetItems(L)->GetBitmap()->GetCanvas()->GetPixels(P.x, P.y) : kOutOfRangeColor;
}

void TVyrBitmapList::Draw(TCanvas* Canvas, int X, int Y, int L, int) {
  TBitmap* bitmap = GetItems(L)->GetBitmap();
  Vyrutils::VyrBmpDraw(Canvas, TRect(X, Y, X + bitmap->GetWidth(), Y + bitmap->GetHeight()), bitmap, 0,
                       bitmap->GetTransparentColor());
}

TRect TVyrBitmapList::DrawExt(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int L, int) {
  TBitmap* bitmap = GetItems(L)->GetBitmap();
  return Vyrutils::VyrBmpDraw(Canvas, Rect, bitmap, Flags, bitmap->GetTransparentColor());
}

void TVyrBitmapList::ClipDraw(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int ClipOffset, TColor Color,
                              int L, int) {
  Vyrutils::VyrBmpClipDraw(Canvas, Rect, GetItems(L)->GetBitmap(), Flags, ClipOffset, Color);
}

// ---- image lists ----

void TVyrImageList::Publish(TPublisher<TVyrImageList>&) {}

TVyrImageList::TVyrImageList(TComponent* AOwner) : TVyrCustomImageList(AOwner) {
  SetItemClass(TVyrImageListItem::StaticClass(), TVyrListItemClassType::icImageList);
}

TVyrImageListItem* TVyrImageList::GetItems(int Index) const {
  return static_cast<TVyrImageListItem*>(TVyrCustomContainer::GetItems(Index));
}

TVyrImageListItem* TVyrImageList::GetList() const {
  return InRange(GetListIndex()) ? GetItems(GetListIndex()) : nullptr;
}

TCanvas* TVyrImageList::BmpCanvas(int L) { return GetItems(L)->GetImageBitmap()->GetCanvas(); }

TRect TVyrImageList::ItemRect(int L, int I) { return GetItems(L)->GetImageRect(I); }

int TVyrImageList::Dimensions(int L, int Which) {
  if (!InRange(L)) return 0;
  return Which == 0 ? GetItems(L)->GetWidth() : Which == 1 ? GetItems(L)->GetHeight() : 0;
}

int TVyrImageList::ItemCount(int L) { return InRange(L) ? GetItems(L)->GetCount() : -1; }

bool TVyrImageList::IsValidItem(int L, int I) { return InRange(L) && I >= 0 && I < GetItems(L)->GetCount(); }

void TVyrImageList::GetBitmapItem(int L, int I, TBitmap* Bitmap) {
  if (Bitmap) GetItems(L)->GetBitmap(I, Bitmap);
}

bool TVyrImageList::Masked(int L) { return InRange(L) && GetItems(L)->GetMasked(); }

HPALETTE TVyrImageList::Palette(int L) { return InRange(L) ? GetItems(L)->GetImageBitmap()->GetPalette() : nullptr; }

TColor TVyrImageList::TransparentColor(int L, int I) {
  return InRange(L) ? GetItems(L)->TransparentColor(I) : kOutOfRangeColor;
}

TColor TVyrImageList::GetColorAtPoint(const TPoint& P, int L, int I) {
  return InRange(L) ? GetItems(L)->GetColorAtPoint(P, I) : kOutOfRangeColor;
}

void TVyrImageList::Draw(TCanvas* Canvas, int X, int Y, int L, int I) { GetItems(L)->Draw(Canvas, X, Y, I); }

TRect TVyrImageList::DrawExt(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int L, int I) {
  return GetItems(L)->DrawExt(Canvas, Rect, Flags, I);
}

void TVyrImageList::ClipDraw(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int ClipOffset, TColor Color,
                             int L, int I) {
  GetItems(L)->ClipDraw(Canvas, Rect, Flags, ClipOffset, Color, I);
}

void TVyrImageList::Assign(TPersistent* Source) {
  if (!dynamic_cast_object<TVyrImageList>(Source)) {
    TVyrCustomImageList::Assign(Source);
    return;
  }
  Batch([&] {
    TVyrCustomImageList::Assign(Source);
    SetListIndexUnchecked(0);
  });
}

// ---- strings and waves ----

void TVyrStringList::Publish(TPublisher<TVyrStringList>&) {}

TVyrStringList::TVyrStringList(TComponent* AOwner) : TVyrCustomContainer(AOwner) {
  SetItemClass(TVyrStringListItem::StaticClass(), TVyrListItemClassType::icStringList);
}

TVyrStringListItem* TVyrStringList::GetItems(int Index) const {
  return static_cast<TVyrStringListItem*>(TVyrCustomContainer::GetItems(Index));
}

void TVyrWaveList::Publish(TPublisher<TVyrWaveList>&) {}

TVyrWaveList::TVyrWaveList(TComponent* AOwner) : TVyrCustomContainer(AOwner) {
  SetItemClass(TVyrWaveListItem::StaticClass(), TVyrListItemClassType::icWave);
}

TVyrWaveListItem* TVyrWaveList::GetItems(int Index) const {
  return static_cast<TVyrWaveListItem*>(TVyrCustomContainer::GetItems(Index));
}

}  // namespace Vyrcont
