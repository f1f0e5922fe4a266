#include "bmp_codec.h"

#include <algorithm>
#include <bit>

#include "picture_palette.h"

namespace {

// Values of the info header's compression field.
constexpr std::uint32_t kCompressRgb = 0;
constexpr std::uint32_t kCompressRle8 = 1;
constexpr std::uint32_t kCompressRle4 = 2;
constexpr std::uint32_t kCompressBitfields = 3;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;
// About 96 pixels per inch.
constexpr std::uint32_t kPixelsPerMetre = 3780;

std::uint16_t Le16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t Le32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool Fail(std::string* error, const char* reason) {
  if (error) *error = reason;
  return false;
}

// One colour channel of a BI_BITFIELDS or 16-bit pixel, scaled to 8 bits.
struct Channel {
  std::uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;

  explicit Channel(std::uint32_t mask) : Mask(mask) {
    if (!mask) return;
    Shift = std::countr_zero(mask);
    Bits = std::bit_width(mask >> Shift);
  }
  std::uint32_t Extract(std::uint32_t value) const {
    if (!Bits) return 0;
    const std::uint32_t v = (value & Mask) >> Shift;
    if (Bits >= 8) return v >> (Bits - 8);
    return v * 255 / ((1u << Bits) - 1);
  }
};

struct BmpLayout {
  std::int64_t Width = 0;
  std::int64_t Height = 0;  // positive; TopDown tells the row order
  bool TopDown = false;
  int BitsPerPixel = 0;
  std::uint32_t Compression = kCompressRgb;
  std::uint32_t Masks[3] = {0, 0, 0};  // red, green, blue
  std::uint64_t PaletteOffset = 0;
  std::uint64_t PaletteCount = 0;  // entries present in the file
  int PaletteEntrySize = 4;
  std::uint64_t PaletteEnd = 0;  // where the pixels start when nothing else says
};

bool ParseInfoHeader(std::span<const std::uint8_t> bytes, std::size_t at, BmpLayout& dib, std::string* error) {
  if (bytes.size() < at + 4) return Fail(error, "truncated bitmap header");
  const std::uint32_t headerSize = Le32(&bytes[at]);
  if (headerSize != kCoreHeaderSize && headerSize < kInfoHeaderSize) return Fail(error, "unknown bitmap header");
  if (bytes.size() - at < headerSize) return Fail(error, "truncated bitmap header");
  const std::uint8_t* h = &bytes[at];
  std::uint32_t paletteUsed = 0;
  std::uint64_t masksEnd = at + headerSize;
  if (headerSize == kCoreHeaderSize) {
    dib.Width = Le16(h + 4);
    dib.Height = Le16(h + 6);
    dib.BitsPerPixel = Le16(h + 10);
    dib.PaletteEntrySize = 3;
  } else {
    dib.Width = static_cast<std::int32_t>(Le32(h + 4));
    dib.Height = static_cast<std::int32_t>(Le32(h + 8));
    dib.BitsPerPixel = Le16(h + 14);
    dib.Compression = Le32(h + 16);
    paletteUsed = Le32(h + 32);
    if (dib.Compression == kCompressBitfields) {
      // Newer headers hold the masks; the plain one is followed by them.
      const std::uint64_t maskAt = at + kInfoHeaderSize;
      if (headerSize == kInfoHeaderSize) {
        masksEnd += 12;
        if (bytes.size() < masksEnd) return Fail(error, "truncated colour masks");
      } else if (headerSize < kInfoHeaderSize + 12) {
        return Fail(error, "truncated colour masks");
      }
      for (int i = 0; i < 3; ++i) dib.Masks[i] = Le32(&bytes[maskAt + 4 * i]);
    }
  }
  if (dib.Height < 0) {
    dib.TopDown = true;
    dib.Height = -dib.Height;
  }
  if (!IsSaneImageSize(dib.Width, dib.Height)) return Fail(error, "bad or too large picture size");

  const int bpp = dib.BitsPerPixel;
  const std::uint32_t c = dib.Compression;
  const bool valid = (c == kCompressRgb && (bpp == 1 || bpp == 4 || bpp == 8 || bpp == 16 || bpp == 24 || bpp == 32)) ||
                     (c == kCompressRle8 && bpp == 8) || (c == kCompressRle4 && bpp == 4) ||
                     (c == kCompressBitfields && (bpp == 16 || bpp == 32));
  if (!valid) return Fail(error, "unsupported bit depth or compression");
  if (dib.TopDown && (c == kCompressRle8 || c == kCompressRle4)) return Fail(error, "top-down RLE bitmap");

  const std::uint64_t declared = paletteUsed ? paletteUsed : (bpp <= 8 ? (1u << bpp) : 0);
  dib.PaletteOffset = masksEnd;
  dib.PaletteEnd = masksEnd + declared * dib.PaletteEntrySize;
  // A short table is tolerated where the pixels' start is given explicitly;
  // only the entries actually present are read.
  const std::uint64_t available = (bytes.size() - masksEnd) / dib.PaletteEntrySize;
  dib.PaletteCount = bpp <= 8 ? std::min<std::uint64_t>({declared, std::uint64_t{256}, available}) : 0;
  return true;
}

std::vector<RGBQUAD> ReadColourTable(std::span<const std::uint8_t> bytes, const BmpLayout& dib) {
  std::vector<RGBQUAD> table(dib.PaletteCount);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::uint8_t* e = &bytes[dib.PaletteOffset + i * dib.PaletteEntrySize];
    table[i].rgbBlue = e[0], table[i].rgbGreen = e[1], table[i].rgbRed = e[2];
  }
  return table;
}

Pixel QuadPixel(const RGBQUAD& q) {
  return static_cast<Pixel>(q.rgbRed) << 16 | static_cast<Pixel>(q.rgbGreen) << 8 | q.rgbBlue;
}

std::uint64_t RowStride(std::int64_t width, int bpp) {
  return (static_cast<std::uint64_t>(width) * bpp + 31) / 32 * 4;
}

Pixel TableColour(const std::vector<Pixel>& palette, unsigned index) {
  return index < palette.size() ? palette[index] : 0;
}

// The caller has checked that the rows lie within the bytes.
void DecodeUncompressed(std::span<const std::uint8_t> bytes, std::uint64_t start, const BmpLayout& dib,
                        const std::vector<RGBQUAD>& table, RasterImage& out) {
  const std::uint64_t stride = RowStride(dib.Width, dib.BitsPerPixel);
  DibLayout rows;
  rows.width = static_cast<int>(dib.Width);
  rows.height = static_cast<int>(dib.Height);
  rows.bitCount = dib.BitsPerPixel;
  rows.colorCount = static_cast<int>(table.size());
  const Channel red(dib.Masks[0]), green(dib.Masks[1]), blue(dib.Masks[2]);
  for (int y = 0; y < rows.height; ++y) {
    const std::uint8_t* src = &bytes[start + stride * y];
    Pixel* dst = out.Row(dib.TopDown ? y : rows.height - 1 - y);
    if (dib.Compression != kCompressBitfields) {
      UnpackDibRow(rows, src, table.data(), dst);
      continue;
    }
    for (int x = 0; x < rows.width; ++x) {
      const std::uint32_t v = dib.BitsPerPixel == 16 ? Le16(src + 2 * x) : Le32(src + 4 * x);
      dst[x] = red.Extract(v) << 16 | green.Extract(v) << 8 | blue.Extract(v);
    }
  }
}

// RLE data: runs and literal stretches of indices, bottom-up; pixels the data
// skips keep index 0.
bool DecodeRle(std::span<const std::uint8_t> bytes, std::uint64_t start, const BmpLayout& dib, RasterImage& out,
               std::string* error) {
  const bool four = dib.Compression == kCompressRle4;
  const std::int64_t width = dib.Width, height = dib.Height;
  std::int64_t x = 0, y = 0;
  auto put = [&](unsigned index) {
    if (x < width && y < height) out.Row(static_cast<int>(height - 1 - y))[x] = TableColour(out.Palette, index);
    ++x;
  };
  std::size_t p = start;
  const std::size_t end = bytes.size();
  while (y < height) {
    if (end - p < 2) return Fail(error, "truncated RLE data");
    const unsigned count = bytes[p], value = bytes[p + 1];
    p += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (end - p < 2) return Fail(error, "truncated RLE data");
      x += bytes[p], y += bytes[p + 1];
      p += 2;
    } else {
      const std::size_t literalBytes = four ? (value + 1) / 2 : value;
      const std::size_t padded = (literalBytes + 1) & ~std::size_t{1};
      if (end - p < padded) return Fail(error, "truncated RLE data");
      for (unsigned i = 0; i < value; ++i) {
        const unsigned byte = bytes[p + (four ? i / 2 : i)];
        put(four ? ((i & 1) ? byte & 0x0F : byte >> 4) : byte);
      }
      p += padded;
    }
  }
  return true;
}

bool DecodeWithLayout(std::span<const std::uint8_t> bytes, const BmpLayout& dib, std::uint64_t pixelStart,
                      RasterImage& image, std::string* error) {
  // The data must cover the picture before memory is taken for it.
  const bool rle = dib.Compression == kCompressRle8 || dib.Compression == kCompressRle4;
  if (pixelStart > bytes.size()) return Fail(error, "truncated pixel data");
  const std::uint64_t available = bytes.size() - pixelStart;
  if (rle) {
    // Runs of at most 255 pixels per two bytes bound what honest data
    // covers; the slack admits pictures that end early or skip with deltas.
    if (static_cast<std::uint64_t>(dib.Width) * dib.Height > available * 128 + (std::uint64_t{1} << 20))
      return Fail(error, "RLE picture too large for its data");
  } else {
    // The last row may lack its padding.
    const std::uint64_t lastRow = (static_cast<std::uint64_t>(dib.Width) * dib.BitsPerPixel + 7) / 8;
    if (available < RowStride(dib.Width, dib.BitsPerPixel) * (dib.Height - 1) + lastRow)
      return Fail(error, "truncated pixel data");
  }
  const std::vector<RGBQUAD> table = ReadColourTable(bytes, dib);
  RasterImage out;
  out.Width = static_cast<int>(dib.Width);
  out.Height = static_cast<int>(dib.Height);
  out.BitsPerPixel = dib.BitsPerPixel;
  for (const RGBQUAD& q : table) out.Palette.push_back(QuadPixel(q));
  out.Pixels.assign(static_cast<std::size_t>(dib.Width * dib.Height), TableColour(out.Palette, 0));
  if (rle) {
    if (!DecodeRle(bytes, pixelStart, dib, out, error)) return false;
  } else {
    DecodeUncompressed(bytes, pixelStart, dib, table, out);
  }
  image = std::move(out);
  return true;
}

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

bool DecodeBmp(std::span<const std::uint8_t> bytes, RasterImage& image, std::string* error) {
  if (bytes.size() < kFileHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return Fail(error, "not a BMP file");
  BmpLayout dib;
  if (!ParseInfoHeader(bytes, kFileHeaderSize, dib, error)) return false;
  // Some writers leave the offset 0; the pixels then follow the table.
  const std::uint32_t offset = Le32(&bytes[10]);
  return DecodeWithLayout(bytes, dib, offset ? offset : dib.PaletteEnd, image, error);
}

bool DecodeDib(std::span<const std::uint8_t> bytes, RasterImage& image, std::string* error) {
  BmpLayout dib;
  if (!ParseInfoHeader(bytes, 0, dib, error)) return false;
  return DecodeWithLayout(bytes, dib, dib.PaletteEnd, image, error);
}

std::vector<std::uint8_t> EncodeBmp(const RasterImage& image, int bitsPerPixel, bool topDown) {
  const int bpp = (bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24) ? bitsPerPixel : 32;
  std::vector<RGBQUAD> table;
  if (bpp <= 8) table = ChoosePictureTable(image.Pixels, image.Palette, bpp);
  const std::uint64_t stride = RowStride(image.Width, bpp);
  const std::uint64_t pixelStart = kFileHeaderSize + kInfoHeaderSize + 4 * table.size();
  const std::uint64_t imageSize = stride * image.Height;

  std::vector<std::uint8_t> out;
  out.reserve(pixelStart + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(pixelStart + imageSize));
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(pixelStart));

  Put32(out, kInfoHeaderSize);
  Put32(out, static_cast<std::uint32_t>(image.Width));
  Put32(out, static_cast<std::uint32_t>(topDown ? -image.Height : image.Height));
  Put16(out, 1);
  Put16(out, static_cast<std::uint32_t>(bpp));
  Put32(out, kCompressRgb);
  Put32(out, static_cast<std::uint32_t>(imageSize));
  Put32(out, kPixelsPerMetre);
  Put32(out, kPixelsPerMetre);
  Put32(out, static_cast<std::uint32_t>(table.size()));
  Put32(out, 0);
  for (const RGBQUAD& q : table) Put32(out, QuadPixel(q));

  out.resize(pixelStart + imageSize, 0);
  for (int y = 0; y < image.Height; ++y)
    PackDibRow(image.Width, bpp, image.Row(topDown ? y : image.Height - 1 - y), table.data(),
               static_cast<int>(table.size()), &out[pixelStart + stride * y]);
  return out;
}
