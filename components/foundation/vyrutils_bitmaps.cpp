// The bitmap helpers: the general draw with its flag word, masks, grayscale
// and disabled copies, pattern and texture fills.
#include <memory>
#include <vector>

#include "blit.h"
#include "brush.h"
#include "bitmap_class.h"
#include "dc.h"
#include "icon_class.h"
#include "numbers.h"
#include "palette.h"
#include "paint.h"
#include "syscolors.h"
#include "vyrclass_application.h"
#include "vyrsysin.h"
#include "vyrutils.h"
#include "vyrutils_clip.h"

namespace Vyrutils {

bool VyrPaletteRealizeAllowed() {
  using Vyrclass::TVyrApplicationOption;
  const bool autoRealize =
      Vyrclass::VyrApplication && Vyrclass::VyrApplication->GetOptions().Contains(TVyrApplicationOption::aoAutoRealizePalette);
  return !(autoRealize && Vyrsysin::VyrSIColorDepth() < 9);
}

void VyrBmpCreateFromRect(TBitmap* Bitmap, const TRect& Rect, TColor Color) {
  if (!Bitmap || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  Bitmap->SetSize(Rect.Width(), Rect.Height());
  TCanvas* canvas = Bitmap->GetCanvas();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(Color);
  canvas->FillRect(TRect(0, 0, Rect.Width(), Rect.Height()));
}

void VyrBmpCreateGrayscale(TBitmap* Dest, TBitmap* Source) {
  Dest->Assign(Source);
  if (Dest->GetEmpty()) return;
  TCanvas* canvas = Dest->GetCanvas();
  const int W = Dest->GetWidth(), H = Dest->GetHeight();
  const TColor transparent = canvas->GetPixels(0, 0);
  auto sumOf = [](TColor c) {
    const LongInt rgb = ColorToRGB(c);
    return (rgb & 0xFF) + ((rgb >> 8) & 0xFF) + ((rgb >> 16) & 0xFF);
  };
  long long sum = 0, count = 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const TColor c = canvas->GetPixels(x, y);
      if (c == transparent) continue;
      sum += sumOf(c);
      ++count;
    }
  const int offset = count ? static_cast<int>(-Round(200.0 - static_cast<double>(sum) / static_cast<double>(count))) : 0;
  for (int y = 0; y < H; ++y)
    for (int x = 0; x < W; ++x) {
      const TColor c = canvas->GetPixels(x, y);
      if (c == transparent) continue;
      const int s = sumOf(c);
      TColor tone = clBlack;
      if (s > offset + 550)
        tone = clWhite;
      else if (s > offset + 250)
        tone = clBtnHighlight;
      else if (s > offset + 50)
        tone = clBtnShadow;
      canvas->SetPixels(x, y, tone);
    }
}

void VyrBmpCreateMasks(TBitmap* Source, TBitmap* Mask, TBitmap* Image, TColor TransparentColor) {
  VyrBmpCreateMasksExt(Source->GetCanvas(), TRect(0, 0, Source->GetWidth(), Source->GetHeight()), Mask,
                       TransparentColor, Image);
}

void VyrBmpCreateMasksExt(TCanvas* Canvas, const TRect& Rect, TBitmap* Mask, TColor TransparentColor, TBitmap* Image) {
  if (!Mask || !Image) return;
  const int W = Rect.Width(), H = Rect.Height();
  Image->SetSize(W, H);
  BitBlt(Image->GetCanvas()->GetHandle(), 0, 0, W, H, Canvas->GetHandle(), Rect.left, Rect.top, SRCCOPY);
  if (Mask->GetCanvas() != Canvas) {
    Mask->SetSize(W, H);
    Mask->GetCanvas()->CopyRect(TRect(0, 0, W, H), Canvas, Rect);
  }
  Mask->Mask(TransparentColor);
  HDC image = Image->GetCanvas()->GetHandle();
  SetBkColor(image, 0x000000);
  SetTextColor(image, 0xFFFFFF);
  BitBlt(image, 0, 0, W, H, Mask->GetCanvas()->GetHandle(), 0, 0, SRCAND);
}

namespace {

// Draws SrcRect of SrcCanvas through the mask canvas into Target: the mask's
// white leaves the destination, its black takes the source. A monochrome
// mask takes the DC's text colour for black and its back colour for white;
// the canvas sets both from its font and brush whenever it selects them, so
// the colours go through those rather than straight to the DC.
void MaskedCopy(TCanvas* Canvas, const TRect& Target, TCanvas* SrcCanvas, TCanvas* MaskCanvas, const TRect& SrcRect) {
  TFont* font = Canvas->GetFont();
  TBrush* brush = Canvas->GetBrush();
  const TColor oldText = font->GetColor(), oldBack = brush->GetColor();
  const TBrushStyle oldStyle = brush->GetStyle();  // a colour makes a clear brush solid
  font->SetColor(clBlack);
  brush->SetColor(clWhite);
  const TCopyMode oldMode = Canvas->GetCopyMode();
  Canvas->SetCopyMode(cmSrcAnd);
  Canvas->CopyRect(Target, MaskCanvas, SrcRect);
  Canvas->SetCopyMode(cmSrcPaint);
  Canvas->CopyRect(Target, SrcCanvas, SrcRect);
  Canvas->SetCopyMode(oldMode);
  font->SetColor(oldText);
  brush->SetColor(oldBack);
  brush->SetStyle(oldStyle);
}

TRect Placement(const TRect& D, int SrcW, int SrcH, std::uint16_t Flags) {
  if (Flags & 0x0010) {
    TRect P = D;
    const int mode = Flags & 0x0600;
    if (mode == 0x0600) {
      const TRect fit = Vyrprocs::VyrAffineRect(TRect(0, 0, SrcW, SrcH), D);
      P = Bounds(D.left, D.top, fit.Width(), fit.Height());
    } else if (mode == 0x0200 && SrcH != 0) {
      P = Bounds(D.left, D.top, static_cast<int>(Round(double(SrcW) * D.Height() / SrcH)), D.Height());
    } else if (mode == 0x0400 && SrcW != 0) {
      P = Bounds(D.left, D.top, D.Width(), static_cast<int>(Round(double(SrcH) * D.Width() / SrcW)));
    }
    return P;
  }
  if (Flags & 0x0008) return Bounds(D.left + (D.Width() - SrcW) / 2, D.top + (D.Height() - SrcH) / 2, SrcW, SrcH);
  return Bounds(D.left, D.top, SrcW, SrcH);
}

}  // namespace

TRect VyrBmpDrawExt(TCanvas* Canvas, const TRect& Rect, TCanvas* SrcCanvas, const TRect& SrcRect, std::uint16_t Flags,
                    TColor Color, HPALETTE Palette, void* Extra) {
  if (Rect.Width() <= 0 || Rect.Height() <= 0) return TRect();
  const int SrcW = SrcRect.Width(), SrcH = SrcRect.Height();
  TRect P = Placement(Rect, SrcW, SrcH, Flags);
  std::vector<TRect> targets;
  if (Flags & 0x0020) {
    P = Bounds(Rect.left, Rect.top, SrcW, SrcH);
    if (SrcW != 0 && SrcH != 0) {
      const int cols = Rect.Width() / SrcW + 1, rows = Rect.Height() / SrcH + 1;
      for (int r = 0; r <= rows; ++r)
        for (int c = 0; c <= cols; ++c) targets.push_back(Bounds(Rect.left + c * SrcW, Rect.top + r * SrcH, SrcW, SrcH));
    } else {
      targets.push_back(P);
    }
  } else {
    targets.push_back(P);
  }
  const TRect result = (P.Width() != 0 && P.Height() != 0) ? P : Rect;
  if ((Flags & 0x0010) && !(Flags & 0x0020)) SetStretchBltMode(Canvas->GetHandle(), COLORONCOLOR);

  if (Flags & 0x0080) {
    auto* bitmap = static_cast<TBitmap*>(Extra);
    if (!bitmap) return result;
    Canvas->GetBrush()->SetColor(Color);
    for (const TRect& t : targets) Canvas->BrushCopy(t, bitmap, SrcRect, bitmap->GetTransparentColor());
  } else if ((Flags & 0x0100) && Extra) {
    auto* mask = static_cast<TCanvas*>(Extra);
    for (const TRect& t : targets) MaskedCopy(Canvas, t, SrcCanvas, mask, SrcRect);
  } else if (Flags & 0x0040) {
    if (!SrcCanvas) return result;
    auto mask = std::make_unique<TBitmap>();
    auto image = std::make_unique<TBitmap>();
    (void)Palette;  // palettes are no-ops on this platform's surfaces
    VyrBmpCreateMasksExt(SrcCanvas, SrcRect, mask.get(), Color, image.get());
    const TRect local(0, 0, SrcW, SrcH);
    for (const TRect& t : targets) MaskedCopy(Canvas, t, image->GetCanvas(), mask->GetCanvas(), local);
  } else if (SrcCanvas) {
    for (const TRect& t : targets) Canvas->CopyRect(t, SrcCanvas, SrcRect);
  }
  return result;
}

namespace {

HPALETTE RealizeBitmapPalette(TCanvas* Canvas, TBitmap* Bitmap, std::uint16_t Flags) {
  if (!(Flags & 0x1000) || !VyrPaletteRealizeAllowed()) return nullptr;
  HPALETTE palette = Bitmap->GetPalette();
  if (palette) {
    SelectPalette(Canvas->GetHandle(), palette, FALSE);
    RealizePalette(Canvas->GetHandle());
  }
  return palette;
}

}  // namespace

TRect VyrBmpDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, std::uint16_t Flags, TColor Color) {
  if (!Bitmap) return TRect();
  Bitmap->GetCanvas()->GetHandle();
  const TRect whole(0, 0, Bitmap->GetWidth(), Bitmap->GetHeight());
  const HPALETTE palette = RealizeBitmapPalette(Canvas, Bitmap, Flags);
  if (Flags & 0x0080) return VyrBmpDrawExt(Canvas, Rect, nullptr, whole, Flags, Color, nullptr, Bitmap);
  return VyrBmpDrawExt(Canvas, Rect, Bitmap->GetCanvas(), whole, Flags, Color, palette, nullptr);
}

void VyrBmpClipDrawExt(TCanvas* Canvas, const TRect& Rect, TCanvas* SrcCanvas, const TRect& SrcRect,
                       std::uint16_t Flags, int ClipOffset, TColor Color, void* Extra) {
  if (!(Flags & 0x0001)) {
    VyrBmpDrawExt(Canvas, Rect, SrcCanvas, SrcRect, Flags, Color, nullptr, Extra);
    return;
  }
  Detail::ClipScope clip(Canvas->GetHandle(), Detail::ClipRectWithOffset(Rect, ClipOffset));
  VyrBmpDrawExt(Canvas, Rect, SrcCanvas, SrcRect, Flags, Color, nullptr, Extra);
}

void VyrBmpClipDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap, std::uint16_t Flags, int ClipOffset,
                    TColor Color) {
  if (!Bitmap) return;
  Bitmap->GetCanvas()->GetHandle();
  const TRect whole(0, 0, Bitmap->GetWidth(), Bitmap->GetHeight());
  RealizeBitmapPalette(Canvas, Bitmap, Flags);
  if (Flags & 0x0080)
    VyrBmpClipDrawExt(Canvas, Rect, nullptr, whole, Flags, ClipOffset, Color, Bitmap);
  else
    VyrBmpClipDrawExt(Canvas, Rect, Bitmap->GetCanvas(), whole, Flags, ClipOffset, Color, nullptr);
}

void VyrBmpStretchDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Bitmap) { VyrBmpDraw(Canvas, Rect, Bitmap, 0x1010, 0); }

void VyrMaskBmpDraw(TCanvas* Canvas, const TRect& Rect, TBitmap* Overlay, TBitmap* Back, TColor OverlayColor,
                    TColor BackColor) {
  if (!Canvas || !Overlay || !Back) return;
  auto image = std::make_unique<TBitmap>();
  VyrBmpCreateMasks(Overlay, Overlay, image.get(), OverlayColor);
  VyrBmpDrawExt(Back->GetCanvas(), TRect(0, 0, Back->GetWidth(), Back->GetHeight()), image->GetCanvas(),
                TRect(0, 0, image->GetWidth(), image->GetHeight()), 0x0100, 0, nullptr, Overlay->GetCanvas());
  VyrBmpDraw(Canvas, Rect, Back, 0x1040, BackColor);
}

void VyrBmpDrawDisabledState(TBitmap* Dest, TBitmap* Glyph, int X, int Y) {
  if (!Dest || !Glyph || Glyph->GetEmpty()) return;
  const int W = Glyph->GetWidth(), H = Glyph->GetHeight();
  // White where the glyph has a pixel of its own, black where it is
  // transparent: the raster code below paints the brush through white.
  auto mono = std::make_unique<TBitmap>();
  mono->Assign(Glyph);
  mono->Mask(Glyph->GetTransparentColor());
  PatBlt(mono->GetCanvas()->GetHandle(), 0, 0, W, H, DSTINVERT);

  TCanvas* canvas = Dest->GetCanvas();
  canvas->GetBrush()->SetStyle(bsSolid);
  canvas->GetBrush()->SetColor(Glyph->GetTransparentColor());
  canvas->FillRect(TRect(0, 0, Dest->GetWidth(), Dest->GetHeight()));
  HDC monoDc = mono->GetCanvas()->GetHandle();
  auto emboss = [&](int x, int y, TColor brush) {
    canvas->GetBrush()->SetColor(brush);
    HDC dc = canvas->GetHandle();
    SetTextColor(dc, 0x000000);
    SetBkColor(dc, 0xFFFFFF);
    BitBlt(dc, x, y, W, H, monoDc, 0, 0, 0x00E20746);
  };
  emboss(X + 1, Y + 1, clBtnHighlight);
  emboss(X, Y, clBtnShadow);
}

void VyrCopyBmpSize(TBitmap* Source, TBitmap* Dest) {
  Dest->SetWidth(Source->GetWidth());
  Dest->SetHeight(Source->GetHeight());
}

void VyrIcon2Bitmap(TBitmap* Bitmap, TIcon* Icon, TColor BackColor) {
  if (!Bitmap || !Icon) return;
  VyrBmpCreateFromRect(Bitmap, TRect(0, 0, Icon->GetWidth(), Icon->GetHeight()), BackColor);
  Bitmap->GetCanvas()->Draw(0, 0, Icon);
}

void VyrBmpFromDesktop(TBitmap* Bitmap, const TRect& Rect) {
  if (!Bitmap || Rect.Width() <= 0 || Rect.Height() <= 0) return;
  Bitmap->SetSize(Rect.Width(), Rect.Height());
  HDC screen = GetDC(nullptr);
  BitBlt(Bitmap->GetCanvas()->GetHandle(), 0, 0, Rect.Width(), Rect.Height(), screen, Rect.left, Rect.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
}

void VyrFillPattern(HDC DC, const TRect& Rect, TBitmap* Bitmap) {
  if (!Bitmap || Bitmap->GetEmpty()) return;
  HBRUSH brush = CreatePatternBrush(Bitmap->GetHandle());
  HGDIOBJ oldBrush = SelectObject(DC, brush);
  HGDIOBJ oldPen = SelectObject(DC, GetStockObject(NULL_PEN));
  PatBlt(DC, Rect.left, Rect.top, Rect.Width(), Rect.Height(), 0x00A000C9);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
  DeleteObject(brush);
}

void VyrFillTexture(HDC DC, const TRect& Rect, TBitmap* Bitmap, const TPoint& Offset) {
  if (!Bitmap || Bitmap->GetEmpty() || Offset.x < 0 || Offset.y < 0) return;
  const int W = Rect.Width(), H = Rect.Height();
  if (W <= 0 || H <= 0) return;
  const int bw = Bitmap->GetWidth(), bh = Bitmap->GetHeight();
  const int ox = Offset.x > bw ? Offset.x % bw : Offset.x;
  const int oy = Offset.y > bh ? Offset.y % bh : Offset.y;
  HDC source = Bitmap->GetCanvas()->GetHandle();

  auto strip = std::make_unique<TBitmap>();
  strip->SetSize(W, bh);
  HDC stripDc = strip->GetCanvas()->GetHandle();
  int x = std::min(bw - ox, W);
  BitBlt(stripDc, 0, 0, x, bh, source, ox, 0, SRCCOPY);
  for (; bw + x < W; x += bw) BitBlt(stripDc, x, 0, bw, bh, source, 0, 0, SRCCOPY);
  if (x < W) BitBlt(stripDc, x, 0, W - x, bh, source, 0, 0, SRCCOPY);

  int y = std::min(bh - oy, H);
  BitBlt(DC, Rect.left, Rect.top, W, y, stripDc, 0, oy, SRCCOPY);
  for (; bh + y < H; y += bh) BitBlt(DC, Rect.left, Rect.top + y, W, bh, stripDc, 0, 0, SRCCOPY);
  if (y < H) BitBlt(DC, Rect.left, Rect.top + y, W, H - y, stripDc, 0, 0, SRCCOPY);
}

}  // namespace Vyrutils
