#include "bitmap_class.h"

#include <cstring>
#include <vector>

#include "bitmap.h"
#include "blit.h"
#include "bmp_codec.h"
#include "dc.h"
#include "exceptions.h"
#include "gdiobj.h"
#include "png_codec.h"
#include "resources.h"
#include "streams.h"

// The canvas of a bitmap: a memory DC made on first use with the bitmap
// selected, let go of whenever the bitmap's handle changes.
class TBitmapCanvas : public TCanvas {
  MORVANT_CLASS(TBitmapCanvas, TCanvas)
 public:
  explicit TBitmapCanvas(TBitmap* bitmap) : bitmap_(bitmap) {}
  ~TBitmapCanvas() override { FreeContext(); }

  void FreeContext() {
    if (!handle_) return;
    HDC dc = handle_;
    DeselectObjects();
    if (oldBitmap_) SelectObject(dc, oldBitmap_);
    oldBitmap_ = nullptr;
    SetHandle(nullptr);
    DeleteDC(dc);
  }

 protected:
  void CreateHandle() override {
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) throw EOutOfResources("Zu wenig Ressourcen für einen Gerätekontext");
    if (HBITMAP bitmap = bitmap_->GetHandle()) oldBitmap_ = SelectObject(dc, bitmap);
    SetHandle(dc);
  }

 private:
  TBitmap* bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
};

namespace {

BitmapObject* ResolveBitmap(HBITMAP h) { return h ? GdiResolveAs<BitmapObject>(h, GdiKind::Bitmap) : nullptr; }

int DepthOf(TPixelFormat format) {
  switch (format) {
    case pf1bit: return 1;
    case pf4bit: return 4;
    case pf8bit: return 8;
    case pf15bit:
    case pf16bit:
    case pf24bit: return 24;
    default: return 32;
  }
}

TPixelFormat FormatOf(int depth) {
  switch (depth) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfDevice;
  }
}

Pixel KeyPixel(TColor color) { return ColorRefToPixel(static_cast<COLORREF>(ColorToRGB(color))) & kPixelMask; }

// A memory DC over a bitmap for one blit.
class ScopedBitmapDC {
 public:
  explicit ScopedBitmapDC(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_) old_ = SelectObject(dc_, bitmap);
  }
  ~ScopedBitmapDC() {
    if (!dc_) return;
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  ScopedBitmapDC(const ScopedBitmapDC&) = delete;
  ScopedBitmapDC& operator=(const ScopedBitmapDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ old_ = nullptr;
};

// Restores a DC's text and background colours on leaving.
class ScopedDCColours {
 public:
  ScopedDCColours(HDC dc, COLORREF text, COLORREF back)
      : dc_(dc), text_(SetTextColor(dc, text)), back_(SetBkColor(dc, back)) {}
  ~ScopedDCColours() {
    SetTextColor(dc_, text_);
    SetBkColor(dc_, back_);
  }
  ScopedDCColours(const ScopedDCColours&) = delete;
  ScopedDCColours& operator=(const ScopedDCColours&) = delete;

 private:
  HDC dc_;
  COLORREF text_, back_;
};

struct DeleteBitmap {
  HBITMAP h;
  ~DeleteBitmap() {
    if (h) DeleteObject(h);
  }
};

}  // namespace

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  canvas_.reset();
  if (mask_) DeleteObject(mask_);
  if (handle_) DeleteObject(handle_);
}

Surface* TBitmap::PixelSurface() const {
  BitmapObject* object = ResolveBitmap(handle_);
  return object ? &object->surface : nullptr;
}

void TBitmap::ReplaceHandle(HBITMAP Value) {
  if (canvas_) canvas_->FreeContext();
  if (handle_ && handle_ != Value) DeleteObject(handle_);
  handle_ = Value;
}

void TBitmap::Changed(TObject* Sender) {
  if (mask_) DeleteObject(mask_);
  mask_ = nullptr;
  inherited::Changed(Sender);
}

TCanvas* TBitmap::GetCanvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<TBitmapCanvas>(this);
    canvas_->OnChange = TNotifyEvent(this, &TBitmap::CanvasChanged);
  }
  return canvas_.get();
}

HBITMAP TBitmap::GetHandle() {
  if (!handle_ && !GetEmpty()) ReplaceHandle(CreateBitmap(width_, height_, 1, GetMonochrome() ? 1 : 32, nullptr));
  return handle_;
}

void TBitmap::SetSize(int AWidth, int AHeight) {
  AWidth = AWidth < 0 ? 0 : AWidth;
  AHeight = AHeight < 0 ? 0 : AHeight;
  if (AWidth == width_ && AHeight == height_) return;
  if (!IsSaneImageSize(AWidth ? AWidth : 1, AHeight ? AHeight : 1))
    throw EOutOfResources("Bitmap zu groß: " + AnsiString(AWidth) + " x " + AnsiString(AHeight));
  width_ = AWidth;
  height_ = AHeight;
  if (GetEmpty()) {
    ReplaceHandle(nullptr);
  } else if (Surface* surface = PixelSurface()) {
    // The canvas's DC is made anew, so that its bounds follow the size.
    if (canvas_) canvas_->FreeContext();
    surface->Resize(width_, height_);
  } else {
    GetHandle();
  }
  Changed(this);
}

void TBitmap::SetHandle(HBITMAP Value) {
  if (Value == handle_) return;
  ReplaceHandle(Value);
  BitmapObject* object = ResolveBitmap(Value);
  width_ = object ? object->surface.Width() : 0;
  height_ = object ? object->surface.Height() : 0;
  pixelFormat_ = object && object->Monochrome() ? pf1bit : pfDevice;
  Changed(this);
}

HBITMAP TBitmap::ReleaseHandle() {
  HBITMAP released = handle_;
  if (!released) return nullptr;
  const RasterImage copy = ToImage();
  if (canvas_) canvas_->FreeContext();
  handle_ = nullptr;
  const TPixelFormat format = pixelFormat_;
  LoadImage(copy);
  pixelFormat_ = format;
  return released;
}

HBITMAP TBitmap::MakeMaskOf(Pixel key) const {
  const Surface* source = PixelSurface();
  if (!source) return nullptr;
  HBITMAP mask = CreateBitmap(width_, height_, 1, 1, nullptr);
  BitmapObject* object = ResolveBitmap(mask);
  if (!object) return mask;
  for (int y = 0; y < height_; ++y) {
    const Pixel* in = source->Row(y);
    Pixel* out = object->surface.Row(y);
    for (int x = 0; x < width_; ++x) out[x] = (in[x] & kPixelMask) == key ? kPixelMask : 0;
  }
  return mask;
}

HBITMAP TBitmap::GetMaskHandle() {
  if (mask_) DeleteObject(mask_);
  mask_ = MakeMaskOf(KeyPixel(GetTransparentColor()));
  return mask_;
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == pixelFormat_) return;
  const bool wasMono = GetMonochrome();
  pixelFormat_ = Value;
  if (BitmapObject* object = ResolveBitmap(handle_); object && wasMono != GetMonochrome()) {
    object->bitsPixel = GetMonochrome() ? 1 : 32;
    if (GetMonochrome())
      for (int y = 0; y < height_; ++y) {
        Pixel* row = object->surface.Row(y);
        for (int x = 0; x < width_; ++x) row[x] = NearestMono(row[x]);
      }
  }
  Changed(this);
}

void TBitmap::SetMonochrome(bool Value) {
  if (Value != GetMonochrome()) SetPixelFormat(Value ? pf1bit : pfDevice);
}

TColor TBitmap::GetTransparentColor() const {
  if (transparentMode_ == tmFixed) return transparentColor_;
  const Surface* surface = PixelSurface();
  if (!surface || GetEmpty()) return clDefault;
  return static_cast<TColor>(PixelToColorRef(surface->At(0, height_ - 1) & kPixelMask) | 0x02000000);
}

void TBitmap::SetTransparentColor(TColor Value) {
  if (Value == transparentColor_ && transparentMode_ == (Value == clDefault ? tmAuto : tmFixed)) return;
  transparentColor_ = Value;
  transparentMode_ = Value == clDefault ? tmAuto : tmFixed;
  Changed(this);
}

void TBitmap::SetTransparentMode(TTransparentMode Value) {
  if (Value == transparentMode_) return;
  if (Value == tmAuto) {
    transparentColor_ = clDefault;
  } else {
    transparentColor_ = GetTransparentColor();
  }
  transparentMode_ = Value;
  Changed(this);
}

void TBitmap::Mask(TColor TransparentColor) {
  HBITMAP mask = MakeMaskOf(KeyPixel(TransparentColor));
  if (!mask) return;
  ReplaceHandle(mask);
  pixelFormat_ = pf1bit;
  Changed(this);
}

Pixel* TBitmap::GetScanLine(int Row) {
  Surface* surface = Row >= 0 && Row < height_ ? PixelSurface() : nullptr;
  if (!surface && Row >= 0 && Row < height_ && GetHandle()) surface = PixelSurface();
  if (!surface) throw EInvalidGraphicOperation("Zeilenindex außerhalb des Bereichs");
  return surface->Row(Row);
}

void TBitmap::Dormant() {
  if (canvas_) canvas_->FreeContext();
}

void TBitmap::Assign(TPersistent* Source) {
  if (!Source) {
    SetSize(0, 0);
    return;
  }
  auto* other = dynamic_cast_object<TBitmap>(Source);
  if (!other) {
    inherited::Assign(Source);
    return;
  }
  if (other == this) return;
  const TPixelFormat format = other->pixelFormat_;
  LoadImage(other->ToImage());
  pixelFormat_ = format;
  transparent_ = other->transparent_;
  transparentColor_ = other->transparentColor_;
  transparentMode_ = other->transparentMode_;
  Changed(this);
}

RasterImage TBitmap::ToImage() const {
  RasterImage image;
  const Surface* surface = PixelSurface();
  if (!surface || GetEmpty()) return image;
  image.Width = width_;
  image.Height = height_;
  image.BitsPerPixel = DepthOf(pixelFormat_);
  image.Pixels.resize(static_cast<std::size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y) std::memcpy(image.Row(y), surface->Row(y), sizeof(Pixel) * width_);
  return image;
}

void TBitmap::LoadImage(const RasterImage& Image) {
  // A 1-bit file of black and white only is a monochrome bitmap; other
  // depths (and coloured 1-bit tables) become 32-bit pixels.
  bool mono = Image.BitsPerPixel == 1;
  for (Pixel c : Image.Palette) mono = mono && ((c & kPixelMask) == 0 || (c & kPixelMask) == kPixelMask);
  HBITMAP bitmap = nullptr;
  if (Image.Width > 0 && Image.Height > 0) {
    bitmap = CreateBitmap(Image.Width, Image.Height, 1, mono ? 1 : 32, nullptr);
    BitmapObject* object = ResolveBitmap(bitmap);
    if (!object) throw EOutOfResources("Zu wenig Ressourcen für ein Bitmap");
    for (int y = 0; y < Image.Height; ++y) {
      const Pixel* in = Image.Row(y);
      Pixel* out = object->surface.Row(y);
      for (int x = 0; x < Image.Width; ++x) out[x] = in[x] & kPixelMask;
    }
  }
  ReplaceHandle(bitmap);
  width_ = bitmap ? Image.Width : 0;
  height_ = bitmap ? Image.Height : 0;
  pixelFormat_ = mono ? pf1bit : FormatOf(Image.BitsPerPixel);
  Changed(this);
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> Bytes) {
  if (Bytes.empty()) {
    LoadImage(RasterImage());
    return;
  }
  RasterImage image;
  std::string why;
  const bool ok = LooksLikePng(Bytes) ? DecodePng(Bytes, image, &why) : DecodeBmp(Bytes, image, &why);
  if (!ok) throw EInvalidGraphic("Bitmap ist ungültig (" + AnsiString(why) + ")");
  LoadImage(image);
}

void TBitmap::LoadFromStream(TStream* Stream) {
  const Int64 remaining = Stream->GetSize() - Stream->GetPosition();
  if (remaining <= 0) {
    LoadFromBytes({});
    return;
  }
  if (remaining > 0x7FFFFFFF) throw EInvalidGraphic("Bitmap ist ungültig (zu groß)");
  // A BMP says how long it is: stop there, so that data after it stays
  // in the stream. Anything else takes the rest.
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(remaining));
  const LongInt head = Stream->Read(bytes.data(), remaining < 14 ? static_cast<LongInt>(remaining) : 14);
  std::size_t length = static_cast<std::size_t>(remaining);
  if (head == 14 && bytes[0] == 'B' && bytes[1] == 'M') {
    const std::uint32_t declared = bytes[2] | bytes[3] << 8 | bytes[4] << 16 | static_cast<std::uint32_t>(bytes[5]) << 24;
    if (declared >= 14 + 12 && declared < length) length = declared;
  }
  if (length > static_cast<std::size_t>(head)) Stream->ReadBuffer(bytes.data() + head, static_cast<LongInt>(length - head));
  bytes.resize(length);
  LoadFromBytes(bytes);
}

void TBitmap::SaveToStream(TStream* Stream) {
  if (GetEmpty()) return;
  const std::vector<std::uint8_t> file = EncodeBmp(ToImage(), DepthOf(pixelFormat_));
  Stream->WriteBuffer(file.data(), static_cast<LongInt>(file.size()));
}

void TBitmap::SaveToFile(const AnsiString& FileName) {
  const int n = FileName.Length();
  if (n < 4 || FileName.SubString(n - 3, 4).LowerCase() != ".png") {
    inherited::SaveToFile(FileName);
    return;
  }
  const std::vector<std::uint8_t> file = EncodePng(ToImage(), PngLayout::Rgb);
  TFileStream stream(FileName, fmCreate);
  if (!file.empty()) stream.WriteBuffer(file.data(), static_cast<LongInt>(file.size()));
}

void TBitmap::LoadFromResourceName(HINSTANCE, const AnsiString& ResName) {
  const EmbeddedResource* resource = FindEmbeddedResource(("BITMAP/" + ResName).str());
  if (!resource) throw EResNotFound("Ressource " + ResName + " nicht gefunden");
  const std::span<const std::uint8_t> bytes(resource->Data, static_cast<std::size_t>(resource->Size));
  // Bitmap resources may hold a whole file or, as compiled ones do, the
  // DIB without the file header.
  if (LooksLikePng(bytes) || (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')) {
    LoadFromBytes(bytes);
    return;
  }
  RasterImage image;
  std::string why;
  if (!DecodeDib(bytes, image, &why)) throw EInvalidGraphic("Bitmap ist ungültig (" + AnsiString(why) + ")");
  LoadImage(image);
}

void TBitmap::LoadFromResourceID(HINSTANCE Instance, int ResID) { LoadFromResourceName(Instance, AnsiString(ResID)); }

void TBitmap::ReadData(TStream* Stream) {
  LongInt size = 0;
  Stream->ReadBuffer(&size, 4);
  if (size < 0 || size > Stream->GetSize() - Stream->GetPosition()) throw EInvalidGraphic("Bitmap ist ungültig (Länge)");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  if (size) Stream->ReadBuffer(bytes.data(), size);
  LoadFromBytes(bytes);
}

void TBitmap::WriteData(TStream* Stream) {
  std::vector<std::uint8_t> file;
  if (!GetEmpty()) file = EncodeBmp(ToImage(), DepthOf(pixelFormat_));
  const LongInt size = static_cast<LongInt>(file.size());
  Stream->WriteBuffer(&size, 4);
  if (size) Stream->WriteBuffer(file.data(), size);
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
  if (GetEmpty() || !GetHandle()) return;
  HDC dst = ACanvas->GetHandle();
  if (!transparent_) {
    // A monochrome picture keeps its black and white on colour targets.
    HDC src = GetCanvas()->GetHandle();
    if (GetMonochrome()) {
      ScopedDCColours colours(dst, 0x000000, 0xFFFFFF);
      StretchBlt(dst, Rect.left, Rect.top, Rect.Width(), Rect.Height(), src, 0, 0, width_, height_,
                 static_cast<DWORD>(ACanvas->GetCopyMode()));
    } else {
      StretchBlt(dst, Rect.left, Rect.top, Rect.Width(), Rect.Height(), src, 0, 0, width_, height_,
                 static_cast<DWORD>(ACanvas->GetCopyMode()));
    }
    return;
  }
  // Transparent: AND a mask that is white where the key colour is, then OR
  // in the picture with those pixels black. Both are made from the pixels
  // now, as ScanLine writes do not announce themselves.
  const Pixel key = KeyPixel(GetTransparentColor());
  DeleteBitmap mask{MakeMaskOf(key)};
  DeleteBitmap cutout{CreateBitmap(width_, height_, 1, 32, nullptr)};
  BitmapObject* cut = ResolveBitmap(cutout.h);
  const Surface* source = PixelSurface();
  if (!cut || !source || !mask.h) return;
  for (int y = 0; y < height_; ++y) {
    const Pixel* in = source->Row(y);
    Pixel* out = cut->surface.Row(y);
    for (int x = 0; x < width_; ++x) out[x] = (in[x] & kPixelMask) == key ? 0 : in[x];
  }
  ScopedBitmapDC maskDC(mask.h), cutoutDC(cutout.h);
  ScopedDCColours colours(dst, 0x000000, 0xFFFFFF);
  StretchBlt(dst, Rect.left, Rect.top, Rect.Width(), Rect.Height(), maskDC.Get(), 0, 0, width_, height_, SRCAND);
  StretchBlt(dst, Rect.left, Rect.top, Rect.Width(), Rect.Height(), cutoutDC.Get(), 0, 0, width_, height_, SRCPAINT);
}
