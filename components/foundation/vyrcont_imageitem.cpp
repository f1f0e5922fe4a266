// Image strips: equal cells side by side, a monochrome mask strip beside
// them when masked, and the list of each cell's x offset.
#include <algorithm>

#include "colors.h"
#include "exceptions.h"
#include "listerror.h"
#include "resourcestrings.h"
#include "scope_guard.h"
#include "vyrcont.h"
#include "vyrutils.h"

namespace Vyrcont {

namespace {

constexpr std::uint32_t kOffsetBits = 0xFFFF;
constexpr std::uint32_t kUpperBits = 0xFFFF0000;

[[noreturn]] void RaiseInvalidSize() { throw EInvalidGraphicOperation(LoadStr(SInvalidImageSize)); }
[[noreturn]] void RaiseTooMany() { throw EInvalidGraphicOperation(LoadStr(STooManyImages)); }

std::uint32_t Entry(int Offset, std::uint32_t Upper) {
  return (Upper & kUpperBits) | (static_cast<std::uint32_t>(Offset) & kOffsetBits);
}

// Copies Source of one canvas to Dest of another (or the same) by way of a
// buffer, so that overlapping moves inside one strip stay whole.
void MoveArea(TBitmap* Strip, const TRect& Source, int DestX) {
  if (Source.Width() <= 0 || Source.Height() <= 0) return;
  TBitmap buffer;
  buffer.SetMonochrome(Strip->GetMonochrome());
  buffer.SetSize(Source.Width(), Source.Height());
  buffer.GetCanvas()->SetCopyMode(cmSrcCopy);
  buffer.GetCanvas()->CopyRect(TRect(0, 0, Source.Width(), Source.Height()), Strip->GetCanvas(), Source);
  Strip->GetCanvas()->SetCopyMode(cmSrcCopy);
  Strip->GetCanvas()->CopyRect(TRect(DestX, Source.top, DestX + Source.Width(), Source.bottom), buffer.GetCanvas(),
                               TRect(0, 0, Source.Width(), Source.Height()));
}

void CopyCell(TBitmap* Dest, const TRect& DestRect, TBitmap* Source, const TRect& SourceRect) {
  Dest->GetCanvas()->SetCopyMode(cmSrcCopy);
  Dest->GetCanvas()->CopyRect(DestRect, Source->GetCanvas(), SourceRect);
}

}  // namespace

void TVyrImageListItem::Publish(TPublisher<TVyrImageListItem>& P) {
  P.Integer("AllocBy", &TVyrImageListItem::GetAllocBy, &TVyrImageListItem::SetAllocBy, 4);
  P.String("Description", &TVyrImageListItem::GetDescription, &TVyrImageListItem::SetDescription);
  P.Bool("Masked", &TVyrImageListItem::GetMasked, &TVyrImageListItem::SetMasked, false);
  P.Integer("Height", &TVyrImageListItem::GetHeight, &TVyrImageListItem::SetHeight, 16);
  P.Integer("Width", &TVyrImageListItem::GetWidth, &TVyrImageListItem::SetWidth, 16);
}

TVyrImageListItem::TVyrImageListItem(TComponent* AOwner)
    : TVyrListItem(AOwner), image_(std::make_unique<TBitmap>()), mask_(std::make_unique<TBitmap>()) {
  image_->SetSize(0, height_);
  mask_->SetSize(0, height_);
}

TVyrImageListItem::TVyrImageListItem(int AWidth, int AHeight) : TVyrImageListItem(static_cast<TComponent*>(nullptr)) {
  if (AWidth < 1 || AHeight < 1) RaiseInvalidSize();
  width_ = AWidth;
  height_ = AHeight;
  Clear();
}

TVyrImageListItem::~TVyrImageListItem() = default;

void TVyrImageListItem::SetAllocBy(int Value) {
  if (Value >= 1) allocBy_ = Value;
}

void TVyrImageListItem::SetWidth(int Value) {
  if (Value < 1 || Value == width_) return;
  width_ = Value;
  Clear();
  Change();
}

void TVyrImageListItem::SetHeight(int Value) {
  if (Value < 1 || Value == height_) return;
  height_ = Value;
  Clear();
  Change();
}

void TVyrImageListItem::SetMasked(bool Value) {
  if (Value == masked_) return;
  if (!Value) {
    mask_->SetSize(0, height_);
  } else {
    // An opaque mask: every image keeps showing as it did unmasked.
    mask_->SetMonochrome(true);
    mask_->SetSize(image_->GetWidth(), height_);
    if (!mask_->GetEmpty()) {
      mask_->GetCanvas()->GetBrush()->SetColor(clBlack);
      mask_->GetCanvas()->FillRect(TRect(0, 0, mask_->GetWidth(), height_));
    }
  }
  masked_ = Value;
  RebuildPositions(GetCount());
  Change();
}

void TVyrImageListItem::RebuildPositions(int Count) {
  positions_.clear();
  const std::uint32_t flag = masked_ ? 1u << 16 : 0u;
  for (int i = 0; i < Count; ++i) positions_.push_back(Entry(i * width_, flag));
}

std::uint32_t TVyrImageListItem::GetPosition(int Index) const {
  if (Index < 0 || Index >= GetCount()) throw EListError(ListIndexErrorText(Index));
  return positions_[static_cast<std::size_t>(Index)];
}

int TVyrImageListItem::GetOffset(int Index) const {
  return static_cast<std::int16_t>(GetPosition(Index) & kOffsetBits);
}

TRect TVyrImageListItem::GetImageRect(int Index) const {
  const int x = GetOffset(Index);
  return TRect(x, 0, x + width_, height_);
}

void TVyrImageListItem::Clear() {
  image_->SetSize(0, height_);
  image_->SetMonochrome(false);
  mask_->SetSize(0, height_);
  if (masked_) mask_->SetMonochrome(true);
  usedWidth_ = 0;
  positions_.clear();
}

bool TVyrImageListItem::CheckImage(TBitmap* Image) const {
  if (!Image) return false;
  if (Image->GetHeight() != height_ || Image->GetWidth() < width_ || Image->GetWidth() % width_ != 0)
    RaiseInvalidSize();
  return true;
}

void TVyrImageListItem::GrowStrips(int NewWidth) {
  image_->SetWidth(NewWidth);
  if (masked_) {
    mask_->SetMonochrome(true);
    mask_->SetSize(NewWidth, height_);
  }
}

int TVyrImageListItem::ReserveCell() {
  const int used = usedWidth_ + width_;
  if (used > kVyrMaxStripWidth) RaiseTooMany();
  if (used > image_->GetWidth()) {
    // The strip grows by AllocBy cells, but never past the limit while the
    // cell itself still fits.
    const Int64 grown = static_cast<Int64>(image_->GetWidth()) + static_cast<Int64>(allocBy_) * width_;
    GrowStrips(static_cast<int>(std::min<Int64>(std::max<Int64>(grown, used), kVyrMaxStripWidth)));
  }
  positions_.push_back(Entry(usedWidth_, masked_ ? 1u << 16 : 0u));
  usedWidth_ = used;
  return GetCount() - 1;
}

int TVyrImageListItem::Add(TBitmap* Image, TBitmap* Mask) {
  if (!Image && !Mask) {
    const int index = ReserveCell();
    Change();
    return index;
  }
  if (!CheckImage(Image)) return -1;
  if (masked_ && Mask) CheckImage(Mask);
  const int index = ReserveCell();
  Replace(index, Image, Mask);
  return index;
}

int TVyrImageListItem::AddMasked(TBitmap* Image, TColor TransparentColor) {
  if (!CheckImage(Image)) return -1;
  const int index = ReserveCell();
  ReplaceMasked(index, Image, TransparentColor);
  return index;
}

void TVyrImageListItem::Replace(int Index, TBitmap* Image, TBitmap* Mask) {
  const TRect cell = GetImageRect(Index);
  if (!CheckImage(Image)) return;
  if (masked_ && Mask) CheckImage(Mask);
  const TRect first(0, 0, width_, height_);
  CopyCell(image_.get(), cell, Image, first);
  if (masked_) {
    if (Mask) {
      CopyCell(mask_.get(), cell, Mask, first);
    } else {
      mask_->GetCanvas()->GetBrush()->SetColor(clBlack);
      mask_->GetCanvas()->FillRect(cell);
    }
  }
  Change();
}

void TVyrImageListItem::ReplaceMasked(int Index, TBitmap* Image, TColor TransparentColor) {
  if (!masked_) {
    Replace(Index, Image, nullptr);
    return;
  }
  if (!CheckImage(Image)) return;
  TBitmap mask, image;
  Vyrutils::VyrBmpCreateMasks(Image, &mask, &image, TransparentColor);
  Replace(Index, &image, &mask);
}

void TVyrImageListItem::Delete(int Index) {
  if (Index < 0 || Index >= GetCount()) return;
  const int x = GetOffset(Index);
  const TRect rest(x + width_, 0, usedWidth_, height_);
  MoveArea(image_.get(), rest, x);
  if (masked_) MoveArea(mask_.get(), rest, x);
  usedWidth_ -= width_;
  positions_.erase(positions_.begin() + Index);
  for (std::size_t i = static_cast<std::size_t>(Index); i < positions_.size(); ++i)
    positions_[i] = Entry(static_cast<int>(i) * width_, positions_[i]);
  Change();
}

bool TVyrImageListItem::Insert(int Index, TBitmap* Image, TBitmap* Mask) {
  if (Index < 0) throw EListError(ListIndexErrorText(Index));
  if (Index >= GetCount()) return Add(Image, Mask) >= 0;
  if (!CheckImage(Image)) return false;
  if (masked_ && Mask) CheckImage(Mask);
  const int x = GetOffset(Index);
  const int oldUsed = usedWidth_;
  ReserveCell();
  const TRect rest(x, 0, oldUsed, height_);
  MoveArea(image_.get(), rest, x + width_);
  if (masked_) MoveArea(mask_.get(), rest, x + width_);
  const std::uint32_t entry = positions_.back();
  positions_.pop_back();
  positions_.insert(positions_.begin() + Index, entry);
  for (std::size_t i = static_cast<std::size_t>(Index); i < positions_.size(); ++i)
    positions_[i] = Entry(static_cast<int>(i) * width_, positions_[i]);
  Replace(Index, Image, Mask);
  return true;
}

bool TVyrImageListItem::InsertMasked(int Index, TBitmap* Image, TColor TransparentColor) {
  if (!CheckImage(Image)) return false;
  if (!masked_) return Insert(Index, Image, nullptr);
  TBitmap mask, image;
  Vyrutils::VyrBmpCreateMasks(Image, &mask, &image, TransparentColor);
  return Insert(Index, &image, &mask);
}

void TVyrImageListItem::Move(int From, int To) {
  if (From == To) return;
  const TRect cell = GetImageRect(From);
  const TRect first(0, 0, width_, height_);
  TBitmap image, mask;
  image.SetSize(width_, height_);
  CopyCell(&image, first, image_.get(), cell);
  if (masked_) {
    mask.SetMonochrome(true);
    mask.SetSize(width_, height_);
    CopyCell(&mask, first, mask_.get(), cell);
  }
  BeginUpdate();
  TScopeGuard done([this] { EndUpdate(true); });
  Delete(From);
  Insert(To, &image, masked_ ? &mask : nullptr);
}

void TVyrImageListItem::AddImages(TVyrImageListItem* Other) {
  if (!Other) return;
  if (Other->width_ != width_ || Other->height_ != height_) RaiseInvalidSize();
  if (Other->GetCount() == 0) return;
  const Int64 used = static_cast<Int64>(usedWidth_) + static_cast<Int64>(Other->GetCount()) * width_;
  if (used > kVyrMaxStripWidth) RaiseTooMany();
  BeginUpdate();
  TScopeGuard done([this] { EndUpdate(true); });
  if (image_->GetWidth() < used) GrowStrips(static_cast<int>(used));
  const int count = Other->GetCount();
  const TRect part(0, 0, count * width_, height_);
  const TRect dest(usedWidth_, 0, usedWidth_ + count * width_, height_);
  if (masked_ && !Other->masked_) {
    // Each new cell's mask comes from its own transparent colour, as a
    // masked insert makes it.
    for (int i = 0; i < count; ++i) {
      TBitmap cell, mask, image;
      Other->GetBitmap(i, &cell);
      Vyrutils::VyrBmpCreateMasks(&cell, &mask, &image, Other->TransparentColor(i));
      const TRect target(usedWidth_ + i * width_, 0, usedWidth_ + (i + 1) * width_, height_);
      CopyCell(image_.get(), target, &image, TRect(0, 0, width_, height_));
      CopyCell(mask_.get(), target, &mask, TRect(0, 0, width_, height_));
    }
  } else {
    CopyCell(image_.get(), dest, Other->image_.get(), part);
    if (masked_) CopyCell(mask_.get(), dest, Other->mask_.get(), part);
  }
  for (int i = 0; i < count; ++i) positions_.push_back(Entry(GetCount() * width_, Other->positions_[i]));
  usedWidth_ = static_cast<int>(used);
}

void TVyrImageListItem::InsertImages(int Index, TVyrImageListItem* Other) {
  if (!Other) return;
  if (Other->width_ != width_ || Other->height_ != height_) RaiseInvalidSize();
  if (Other->GetCount() == 0) return;
  if (Index < 0) throw EListError(ListIndexErrorText(Index));
  BeginUpdate();
  TScopeGuard done([this] { EndUpdate(true); });
  // In Other's order whether they go in between or at the end.
  const int at = std::min(Index, GetCount());
  for (int i = 0; i < Other->GetCount(); ++i) {
    TBitmap image, mask;
    Other->GetBitmap(i, &image);
    if (!masked_) {
      Insert(at + i, &image, nullptr);
    } else if (Other->masked_) {
      Other->GetMaskBitmap(i, &mask);
      Insert(at + i, &image, &mask);
    } else {
      InsertMasked(at + i, &image, image.GetTransparentColor());
    }
  }
}

void TVyrImageListItem::GetBitmap(int Index, TBitmap* Bitmap) {
  if (!Bitmap) return;
  const TRect cell = GetImageRect(Index);
  Bitmap->SetSize(width_, height_);
  CopyCell(Bitmap, TRect(0, 0, width_, height_), image_.get(), cell);
}

void TVyrImageListItem::GetMaskBitmap(int Index, TBitmap* Bitmap) {
  if (!Bitmap || !masked_) return;
  const TRect cell = GetImageRect(Index);
  Bitmap->SetMonochrome(true);
  Bitmap->SetSize(width_, height_);
  CopyCell(Bitmap, TRect(0, 0, width_, height_), mask_.get(), cell);
}

TColor TVyrImageListItem::TransparentColor(int Index) {
  return image_->GetCanvas()->GetPixels(GetOffset(Index), height_ - 1);
}

TColor TVyrImageListItem::GetColorAtPoint(const TPoint& P, int Index) {
  return image_->GetCanvas()->GetPixels(GetOffset(Index) + P.x, P.y);
}

void TVyrImageListItem::ConvertBmpToIML(TBitmap* Bitmap, int Count, bool AMasked) {
  if (!Bitmap || Bitmap->GetEmpty() || Count < 1 || Bitmap->GetWidth() % Count != 0) RaiseInvalidSize();
  if (Bitmap->GetWidth() > kVyrMaxStripWidth) RaiseTooMany();
  Clear();
  height_ = Bitmap->GetHeight();
  width_ = Bitmap->GetWidth() / Count;
  masked_ = AMasked;
  if (masked_) {
    Vyrutils::VyrBmpCreateMasks(Bitmap, mask_.get(), image_.get(), Bitmap->GetTransparentColor());
    mask_->SetMonochrome(true);
  } else {
    image_->Assign(Bitmap);
    mask_->SetSize(0, height_);
  }
  usedWidth_ = image_->GetWidth();
  RebuildPositions(Count);
  Change();
}

void TVyrImageListItem::Assign(TPersistent* Source) {
  auto* other = dynamic_cast_object<TVyrImageListItem>(Source);
  if (!other) {
    inherited::Assign(Source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  TScopeGuard done([this] { EndUpdate(true); });
  AssignStd(other);
  pixelFormat_ = other->pixelFormat_;
  allocBy_ = other->allocBy_;
  BkColor = other->BkColor;
  BlendColor = other->BlendColor;
  DrawingStyle = other->DrawingStyle;
  height_ = other->height_;
  ImageType = other->ImageType;
  masked_ = other->masked_;
  width_ = other->width_;
  Clear();
  AddImages(other);
}

}  // namespace Vyrcont
