// Drawing one image of a strip: plain, masked, on a background colour, or
// with the focus and selection patterns.
#include "colors.h"
#include "vyrcont.h"
#include "vyrutils.h"

namespace Vyrcont {

namespace {

constexpr std::uint16_t kMaskedFlag = 0x0100;
// A palette-relative colour, as the transparent-colour draw expects.
constexpr TColor kPaletteRelative = 0x02000000;

class TCopyModeKeeper {
 public:
  explicit TCopyModeKeeper(TCanvas* Canvas) : canvas_(Canvas), mode_(Canvas->GetCopyMode()) {}
  ~TCopyModeKeeper() { canvas_->SetCopyMode(mode_); }
  TCopyModeKeeper(const TCopyModeKeeper&) = delete;
  TCopyModeKeeper& operator=(const TCopyModeKeeper&) = delete;

 private:
  TCanvas* canvas_;
  TCopyMode mode_;
};

void Blit(TCanvas* Dest, const TRect& DestRect, TCanvas* Source, const TRect& SourceRect, TCopyMode Mode) {
  Dest->SetCopyMode(Mode);
  Dest->CopyRect(DestRect, Source, SourceRect);
}

}  // namespace

void TVyrImageListItem::LayPattern(TBitmap* Bitmap, bool Dense) const {
  if (!Bitmap || Bitmap->GetEmpty() || BlendColor == clNone) return;
  TCanvas* canvas = Bitmap->GetCanvas();
  for (int y = 0; y < Bitmap->GetHeight(); ++y)
    for (int x = 0; x < Bitmap->GetWidth(); ++x) {
      const bool lay = Dense ? (x + y) % 2 == 1 : (x % 2 == 0 || y % 2 == 0);
      if (lay) canvas->SetPixels(x, y, BlendColor);
    }
}

void TVyrImageListItem::Draw(TCanvas* Canvas, int X, int Y, int Index) {
  if (!Canvas) return;
  const TRect cell = GetImageRect(Index);
  const TRect target(X, Y, X + width_, Y + height_);
  TCopyModeKeeper keep(Canvas);
  if (!masked_) {
    Blit(Canvas, target, image_->GetCanvas(), cell, cmSrcCopy);
    return;
  }
  if (ImageType == TVyrImageType::itMask) {
    Blit(Canvas, target, mask_->GetCanvas(), cell, cmSrcCopy);
    return;
  }
  if (DrawingStyle == TVyrDrawingStyle::dsTransparent ||
      (DrawingStyle == TVyrDrawingStyle::dsNormal && BkColor == clNone)) {
    Blit(Canvas, target, mask_->GetCanvas(), cell, cmSrcAnd);
    Blit(Canvas, target, image_->GetCanvas(), cell, cmSrcPaint);
    return;
  }
  // The cell over its background in a buffer: the background colour, or
  // without one what the canvas shows there already.
  const TRect local(0, 0, width_, height_);
  TBitmap buffer;
  if (BkColor != clNone) {
    Vyrutils::VyrBmpCreateFromRect(&buffer, local, BkColor);
  } else {
    buffer.SetSize(width_, height_);
    Blit(buffer.GetCanvas(), local, Canvas, target, cmSrcCopy);
  }
  Blit(buffer.GetCanvas(), local, mask_->GetCanvas(), cell, cmSrcAnd);
  Blit(buffer.GetCanvas(), local, image_->GetCanvas(), cell, cmSrcPaint);
  if (DrawingStyle == TVyrDrawingStyle::dsFocus || DrawingStyle == TVyrDrawingStyle::dsSelected)
    LayPattern(&buffer, DrawingStyle == TVyrDrawingStyle::dsSelected);
  Blit(Canvas, target, buffer.GetCanvas(), local, cmSrcCopy);
}

TRect TVyrImageListItem::DrawExt(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int Index) {
  const TRect cell = GetImageRect(Index);
  if (masked_)
    return Vyrutils::VyrBmpDrawExt(Canvas, Rect, image_->GetCanvas(), cell, Flags | kMaskedFlag, clNone,
                                   image_->GetPalette(), mask_->GetCanvas());
  return Vyrutils::VyrBmpDrawExt(Canvas, Rect, image_->GetCanvas(), cell, Flags,
                                 TransparentColor(Index) | kPaletteRelative, image_->GetPalette(), nullptr);
}

void TVyrImageListItem::ClipDraw(TCanvas* Canvas, const TRect& Rect, std::uint16_t Flags, int ClipOffset,
                                 TColor Color, int Index) {
  const TRect cell = GetImageRect(Index);
  if (masked_)
    Vyrutils::VyrBmpClipDrawExt(Canvas, Rect, image_->GetCanvas(), cell, Flags | kMaskedFlag, ClipOffset, Color,
                                mask_->GetCanvas());
  else
    Vyrutils::VyrBmpClipDrawExt(Canvas, Rect, image_->GetCanvas(), cell, Flags, ClipOffset, Color, nullptr);
}

}  // namespace Vyrcont
