#include "icon_class.h"

#include <vector>

#include "bitmap.h"
#include "canvas.h"
#include "exceptions.h"
#include "gdiobj.h"
#include "ico_codec.h"
#include "icon.h"
#include "streams.h"

namespace {

HBITMAP BitmapOf(const RasterImage& image, int bpp) {
  HBITMAP h = CreateBitmap(image.Width, image.Height, 1, static_cast<UINT>(bpp), nullptr);
  auto* object = h ? GdiResolveAs<BitmapObject>(h, GdiKind::Bitmap) : nullptr;
  if (!object) return h;
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) object->surface.At(x, y) = image.Row(y)[x] & kPixelMask;
  return h;
}

RasterImage ImageOf(HBITMAP h) {
  RasterImage image;
  auto* object = h ? GdiResolveAs<BitmapObject>(h, GdiKind::Bitmap) : nullptr;
  if (!object) return image;
  image.Width = object->surface.Width(), image.Height = object->surface.Height();
  image.Pixels.resize(static_cast<std::size_t>(image.Width) * image.Height);
  for (int y = 0; y < image.Height; ++y)
    for (int x = 0; x < image.Width; ++x) image.Row(y)[x] = object->surface.At(x, y);
  return image;
}

HICON IconOf(const IconImage& image) {
  ICONINFO info;
  info.hbmColor = BitmapOf(image.Color, 32);
  info.hbmMask = BitmapOf(image.Mask, 1);
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  return icon;
}

}  // namespace

TIcon::~TIcon() {
  if (handle_) DestroyIcon(handle_);
}

int TIcon::GetWidth() const {
  int w = 0;
  GetIconSize(handle_, &w, nullptr);
  return w;
}

int TIcon::GetHeight() const {
  int h = 0;
  GetIconSize(handle_, nullptr, &h);
  return h;
}

void TIcon::SetWidth(int) { throw EInvalidGraphicOperation("Die Größe eines Symbols kann nicht geändert werden"); }
void TIcon::SetHeight(int) { throw EInvalidGraphicOperation("Die Größe eines Symbols kann nicht geändert werden"); }

void TIcon::SetHandle(HICON Value) {
  if (Value == handle_) return;
  if (handle_) DestroyIcon(handle_);
  handle_ = Value;
  Changed(this);
}

HICON TIcon::ReleaseHandle() {
  HICON released = handle_;
  handle_ = nullptr;
  Changed(this);
  return released;
}

void TIcon::Assign(TPersistent* Source) {
  if (!Source) {
    SetHandle(nullptr);
    return;
  }
  auto* other = dynamic_cast_object<TIcon>(Source);
  if (!other) {
    inherited::Assign(Source);
    return;
  }
  if (other == this) return;
  ICONINFO info;
  HICON copy = nullptr;
  if (other->handle_ && GetIconInfo(other->handle_, &info)) {
    copy = CreateIconIndirect(&info);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  SetHandle(copy);
}

void TIcon::LoadFromStream(TStream* Stream) {
  const Int64 remaining = Stream->GetSize() - Stream->GetPosition();
  if (remaining <= 0 || remaining > 0x7FFFFFFF) throw EInvalidGraphic("Symbol ist ungültig");
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(remaining));
  Stream->ReadBuffer(bytes.data(), static_cast<LongInt>(remaining));
  IconImage image;
  std::string why;
  if (!DecodeIco(bytes, image, &why)) throw EInvalidGraphic("Symbol ist ungültig (" + AnsiString(why) + ")");
  SetHandle(IconOf(image));
}

void TIcon::SaveToStream(TStream* Stream) {
  ICONINFO info;
  if (!handle_ || !GetIconInfo(handle_, &info)) return;
  IconImage image;
  image.Color = ImageOf(info.hbmColor);
  image.Mask = ImageOf(info.hbmMask);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  const std::vector<std::uint8_t> file = EncodeIco(image);
  if (!file.empty()) Stream->WriteBuffer(file.data(), static_cast<LongInt>(file.size()));
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect) {
  DrawIconEx(ACanvas->GetHandle(), Rect.left, Rect.top, handle_, Rect.Width(), Rect.Height(), 0, nullptr, DI_NORMAL);
}
