#include "ico_codec.h"

#include "bmp_codec.h"
#include "png_codec.h"

namespace {

constexpr std::size_t kDirectorySize = 6;
constexpr std::size_t kEntrySize = 16;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool Fail(std::string* error, const char* reason) {
  if (error) *error = reason;
  return false;
}

RasterImage BlankLike(const RasterImage& image) {
  RasterImage mask;
  mask.Width = image.Width, mask.Height = image.Height, mask.BitsPerPixel = 1;
  mask.Pixels.assign(image.Pixels.size(), 0);
  return mask;
}

bool DecodePngEntry(std::span<const std::uint8_t> data, IconImage& out, std::string* error) {
  if (!DecodePng(data, out.Color, error)) return false;
  out.Mask = BlankLike(out.Color);
  for (std::size_t i = 0; i < out.Color.Pixels.size(); ++i) {
    const bool clear = out.Color.HasAlpha && (out.Color.Pixels[i] >> 24) < 128;
    out.Mask.Pixels[i] = clear ? kPixelMask : 0;
    out.Color.Pixels[i] = clear ? 0 : out.Color.Pixels[i] & kPixelMask;
  }
  out.Color.HasAlpha = false;
  return true;
}

bool DecodeDibEntry(std::span<const std::uint8_t> data, IconImage& out, std::string* error) {
  if (data.size() < kInfoHeaderSize) return Fail(error, "truncated icon image");
  // The header counts the XOR image and the AND mask together.
  const std::int64_t doubled = static_cast<std::int32_t>(Le32(&data[8]));
  if (doubled <= 0 || doubled % 2) return Fail(error, "bad icon height");
  std::vector<std::uint8_t> dib(data.begin(), data.end());
  const std::uint32_t height = static_cast<std::uint32_t>(doubled / 2);
  for (int i = 0; i < 4; ++i) dib[8 + i] = static_cast<std::uint8_t>(height >> (8 * i));
  if (!DecodeDib(dib, out.Color, error)) return false;

  const std::uint64_t headerSize = Le32(&data[0]);
  const int bpp = data[14] | data[15] << 8;
  const std::uint64_t used = Le32(&data[32]);
  const std::uint64_t colours = bpp <= 8 ? (used ? used : (1u << bpp)) : 0;
  const std::uint64_t w = static_cast<std::uint64_t>(out.Color.Width);
  const std::uint64_t xorStride = (w * bpp + 31) / 32 * 4, andStride = (w + 31) / 32 * 4;
  const std::uint64_t maskAt = headerSize + colours * 4 + xorStride * height;
  out.Mask = BlankLike(out.Color);
  // Files without room for a mask show every pixel.
  if (maskAt > data.size() || data.size() - maskAt < andStride * height) return true;
  for (std::uint32_t row = 0; row < height; ++row) {
    const std::uint8_t* bits = &data[maskAt + andStride * row];
    const int y = static_cast<int>(height - 1 - row);
    for (int x = 0; x < out.Color.Width; ++x)
      if ((bits[x / 8] >> (7 - x % 8)) & 1) {
        out.Mask.Row(y)[x] = kPixelMask;
        out.Color.Row(y)[x] = 0;
      }
  }
  return true;
}

}  // namespace

bool DecodeIco(std::span<const std::uint8_t> bytes, IconImage& icon, std::string* error) {
  if (bytes.size() < kDirectorySize + kEntrySize || bytes[0] || bytes[1] || (bytes[2] != 1 && bytes[2] != 2) ||
      bytes[3] || (bytes[4] == 0 && bytes[5] == 0))
    return Fail(error, "not an icon file");
  const std::uint8_t* entry = &bytes[kDirectorySize];
  const std::uint64_t size = Le32(entry + 8), offset = Le32(entry + 12);
  if (offset > bytes.size() || size > bytes.size() - offset) return Fail(error, "icon image past the end");
  const std::span<const std::uint8_t> data = bytes.subspan(offset, size);
  IconImage out;
  if (!(LooksLikePng(data) ? DecodePngEntry(data, out, error) : DecodeDibEntry(data, out, error))) return false;
  icon = std::move(out);
  return true;
}

std::vector<std::uint8_t> EncodeIco(const IconImage& icon) {
  const RasterImage& c = icon.Color;
  if (c.Width <= 0 || c.Height <= 0 || icon.Mask.Width != c.Width || icon.Mask.Height != c.Height) return {};
  const std::uint32_t andStride = (static_cast<std::uint32_t>(c.Width) + 31) / 32 * 4;
  const std::uint32_t imageBytes = kInfoHeaderSize + 4u * c.Width * c.Height + andStride * c.Height;
  std::vector<std::uint8_t> out;
  Put16(out, 0), Put16(out, 1), Put16(out, 1);
  out.push_back(static_cast<std::uint8_t>(c.Width < 256 ? c.Width : 0));
  out.push_back(static_cast<std::uint8_t>(c.Height < 256 ? c.Height : 0));
  out.push_back(0), out.push_back(0);
  Put16(out, 1), Put16(out, 32);
  Put32(out, imageBytes);
  Put32(out, kDirectorySize + kEntrySize);

  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(c.Width));
  Put32(out, static_cast<std::uint32_t>(c.Height) * 2);
  Put16(out, 1), Put16(out, 32);
  for (int i = 0; i < 6; ++i) Put32(out, 0);
  for (int y = c.Height - 1; y >= 0; --y)
    for (int x = 0; x < c.Width; ++x) {
      const bool clear = icon.Mask.Row(y)[x] & kPixelMask;
      Put32(out, (c.Row(y)[x] & kPixelMask) | (clear ? 0 : 0xFF000000u));
    }
  for (int y = c.Height - 1; y >= 0; --y) {
    std::vector<std::uint8_t> row(andStride, 0);
    for (int x = 0; x < c.Width; ++x)
      if (icon.Mask.Row(y)[x] & kPixelMask) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
    out.insert(out.end(), row.begin(), row.end());
  }
  return out;
}
