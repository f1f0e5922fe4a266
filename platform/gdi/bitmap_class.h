// TBitmap: the class library's bitmap over a GDI bitmap with 32-bit pixels
// (a monochrome one holds black and white only). Resizing keeps the pixels
// that remain and makes the gained ones black. Every edit through the
// canvas fires OnChange; writes through ScanLine do not, as in the library.
#pragma once

#include <memory>
#include <span>

#include "canvas.h"
#include "colors.h"
#include "graphic.h"
#include "raster_image.h"

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };

class TBitmapCanvas;

class TBitmap : public TGraphic {
  MORVANT_CLASS(TBitmap, TGraphic)
 public:
  TBitmap();
  ~TBitmap() override;

  // Copies another bitmap, size, format and transparency included; nullptr
  // empties this one.
  void Assign(TPersistent* Source) override;

  int GetWidth() const override { return width_; }
  void SetWidth(int Value) override { SetSize(Value, height_); }
  int GetHeight() const override { return height_; }
  void SetHeight(int Value) override { SetSize(width_, Value); }
  void SetSize(int AWidth, int AHeight);
  bool GetEmpty() const override { return width_ <= 0 || height_ <= 0; }

  // A memory DC with this bitmap selected.
  TCanvas* GetCanvas();
  // 0 while the bitmap is empty.
  HBITMAP GetHandle();
  // Adopts a bitmap (the TBitmap owns and frees it from now on).
  void SetHandle(HBITMAP Value);
  // Hands the handle to the caller, who frees it; the TBitmap keeps a copy
  // of the picture.
  HBITMAP ReleaseHandle();
  // A monochrome mask of the transparent colour: 1 (white) where the pixel
  // has that colour, 0 elsewhere. Owned by the bitmap; valid until the next
  // call.
  HBITMAP GetMaskHandle();
  // Palettes are no-ops on 32-bit surfaces.
  HPALETTE GetPalette() const { return nullptr; }

  TPixelFormat GetPixelFormat() const { return pixelFormat_; }
  // pf1bit makes the bitmap monochrome; the other formats keep 32-bit
  // pixels and choose the depth the bitmap is saved with.
  void SetPixelFormat(TPixelFormat Value);
  bool GetMonochrome() const { return pixelFormat_ == pf1bit; }
  void SetMonochrome(bool Value);

  // In tmAuto the bottom-left pixel with the 0x02000000 flag (clDefault
  // while empty); in tmFixed the colour set.
  TColor GetTransparentColor() const;
  // clDefault returns to tmAuto, any other colour fixes it.
  void SetTransparentColor(TColor Value);
  TTransparentMode GetTransparentMode() const { return transparentMode_; }
  void SetTransparentMode(TTransparentMode Value);

  // Turns the bitmap into a monochrome mask in place: pixels of the colour
  // white, all others black.
  void Mask(TColor TransparentColor);
  // Row of 32-bit pixels (surface layout 0x00RRGGBB); EInvalidGraphicOperation
  // outside 0..Height-1.
  Pixel* GetScanLine(int Row);

  // Let go of the memory DC; the picture stays.
  void Dormant();
  // Nothing to free: the pixels live in the handle.
  void FreeImage() {}

  // A BMP file (a PNG is taken too); an empty stream makes an empty bitmap.
  void LoadFromStream(TStream* Stream) override;
  // A BMP file at the depth of PixelFormat; nothing for an empty bitmap.
  void SaveToStream(TStream* Stream) override;
  // Saves a PNG when the name ends in ".png", else a BMP.
  void SaveToFile(const AnsiString& FileName) override;
  // "BITMAP/<name>" of the embedded resources; EResNotFound when absent.
  void LoadFromResourceName(HINSTANCE Instance, const AnsiString& ResName);
  void LoadFromResourceID(HINSTANCE Instance, int ResID);
  // A 32-bit length and the BMP file, as form resources store bitmaps.
  void ReadData(TStream* Stream) override;
  void WriteData(TStream* Stream) override;

  // The pixels as a picture for the codecs, and back.
  RasterImage ToImage() const;
  void LoadImage(const RasterImage& Image);

 protected:
  void Draw(TCanvas* ACanvas, const TRect& Rect) override;
  void Changed(TObject* Sender) override;

 private:
  Surface* PixelSurface() const;
  void LoadFromBytes(std::span<const std::uint8_t> Bytes);
  void ReplaceHandle(HBITMAP Value);
  HBITMAP MakeMaskOf(Pixel key) const;
  void CanvasChanged(TObject* Sender) { Changed(Sender); }

  HBITMAP handle_ = nullptr;
  HBITMAP mask_ = nullptr;
  int width_ = 0;
  int height_ = 0;
  TPixelFormat pixelFormat_ = pfDevice;
  TColor transparentColor_ = clDefault;
  TTransparentMode transparentMode_ = tmAuto;
  std::unique_ptr<TBitmapCanvas> canvas_;

  friend class TBitmapCanvas;
};
