// The clip of the picture buttons: cells of one size side by side in one
// strip bitmap.
#include <algorithm>

#include "bitmap_class.h"
#include "canvas.h"
#include "colors.h"
#include "vyrmms_buttons.h"

namespace Vyrmms {

namespace {

// The most cells a clip counts.
constexpr int kMaxCells = 255;

void Fill(TBitmap* Bitmap, TColor Colour) {
  Bitmap->GetCanvas()->GetBrush()->SetColor(Colour);
  Bitmap->GetCanvas()->FillRect(TRect(0, 0, Bitmap->GetWidth(), Bitmap->GetHeight()));
}

void Copy(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SourceRect) {
  Dest->SetCopyMode(cmSrcCopy);
  Dest->CopyRect(DestRect, Source, SourceRect);
}

}  // namespace

TVyrClip::~TVyrClip() = default;

HPALETTE TVyrClip::GetPalette() const { return bitmap_ ? bitmap_->GetPalette() : nullptr; }

TBitmap* TVyrClip::NeedBitmap() {
  if (!bitmap_) {
    bitmap_ = std::make_unique<TBitmap>();
    ownsBitmap_ = true;
  }
  return bitmap_.get();
}

void TVyrClip::Clear() {
  bitmap_.reset();
  cellWidth_ = cellHeight_ = 0;
  count_ = 0;
  ownsBitmap_ = false;
}

void TVyrClip::SetCount(int N) {
  N = std::clamp(N, 0, kMaxCells);
  if (N == count_) return;
  if (N == 0) {
    if (bitmap_) Clear();
    count_ = 0;
    return;
  }
  TBitmap* strip = NeedBitmap();
  if (strip->GetWidth() > 0) cellWidth_ = static_cast<std::uint16_t>(std::min(strip->GetWidth() / N, 0xFFFF));
  cellHeight_ = static_cast<std::uint16_t>(std::min(strip->GetHeight(), 0xFFFF));
  count_ = static_cast<std::uint8_t>(N);
}

void TVyrClip::SetCell(int I, TBitmap* B) {
  if (!B || B->GetEmpty()) return;
  I = std::max(I, 0);
  if (I >= kMaxCells) return;
  TBitmap* strip = NeedBitmap();
  // The first picture gives the cell size; later ones are fitted into it,
  // so that the cells already there keep every pixel.
  if (count_ == 0) {
    cellWidth_ = static_cast<std::uint16_t>(std::min(B->GetWidth(), 0xFFFF));
    cellHeight_ = static_cast<std::uint16_t>(std::min(B->GetHeight(), 0xFFFF));
  }
  if (I > count_ - 1) count_ = static_cast<std::uint8_t>(I + 1);
  const int needWidth = count_ * cellWidth_;
  const int needHeight = cellHeight_;
  if (strip->GetWidth() < needWidth || strip->GetHeight() < needHeight) {
    TBitmap wider;
    wider.SetSize(std::max(strip->GetWidth(), needWidth), std::max(strip->GetHeight(), needHeight));
    Fill(&wider, clWhite);
    const TRect old(0, 0, strip->GetWidth(), strip->GetHeight());
    if (!strip->GetEmpty()) Copy(wider.GetCanvas(), old, strip->GetCanvas(), old);
    strip->Assign(&wider);
  }
  const int w = std::min<int>(B->GetWidth(), cellWidth_);
  const int h = std::min<int>(B->GetHeight(), cellHeight_);
  const int x = cellWidth_ * I;
  Copy(strip->GetCanvas(), TRect(x, 0, x + w, h), B->GetCanvas(), TRect(0, 0, w, h));
}

void TVyrClip::GetCell(int I, TBitmap* B) const {
  if (!B || !bitmap_ || I < 0 || I > count_ - 1 || bitmap_->GetWidth() == 0) return;
  // Never more than the strip holds, whatever the stored cell size says.
  const int x = cellWidth_ * I;
  const int w = std::max(0, std::min<int>(cellWidth_, bitmap_->GetWidth() - x));
  const int h = std::min<int>(cellHeight_, bitmap_->GetHeight());
  B->SetSize(w, h);
  if (w > 0 && h > 0) Copy(B->GetCanvas(), TRect(0, 0, w, h), bitmap_->GetCanvas(), TRect(x, 0, x + w, h));
}

void TVyrClip::TakeStrip(std::unique_ptr<TBitmap> Strip) {
  bitmap_ = std::move(Strip);
  ownsBitmap_ = true;
  cellHeight_ = static_cast<std::uint16_t>(std::min(bitmap_->GetHeight(), 0xFFFF));
}

}  // namespace Vyrmms
