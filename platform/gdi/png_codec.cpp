#include "png_codec.h"

#include <png.h>

#include <csetjmp>
#include <cstring>
#include <new>

#include "picture_palette.h"

// libpng reports errors by longjmp. Each setjmp below sits in a function
// whose own locals are never touched after it, and the code that libpng may
// jump out of holds nothing with a destructor: the jobs own everything.

namespace {

constexpr std::uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
// Deflate packs at most about 1032 bytes into one; more claimed image data
// than that over the whole file is a lie, refused before allocating for it.
constexpr std::uint64_t kMaxInflateRatio = 1100;
constexpr std::uint64_t kInflateSlack = std::uint64_t{1} << 20;
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t{16} << 20;

struct ErrorSink {
  char Message[160] = "bad PNG data";
};

void OnError(png_structp png, png_const_charp message) {
  auto* sink = static_cast<ErrorSink*>(png_get_error_ptr(png));
  if (sink && message) {
    std::strncpy(sink->Message, message, sizeof sink->Message - 1);
    sink->Message[sizeof sink->Message - 1] = 0;
  }
  png_longjmp(png, 1);
}
void OnWarning(png_structp, png_const_charp) {}

bool Fail(std::string* error, const char* reason) {
  if (error) *error = reason;
  return false;
}

struct ReadJob {
  std::span<const std::uint8_t> Bytes;
  std::size_t Position = 0;
  RasterImage Image;
  std::vector<png_bytep> Rows;
};

void ReadBytes(png_structp png, png_bytep out, std::size_t count) {
  auto* job = static_cast<ReadJob*>(png_get_io_ptr(png));
  if (job->Bytes.size() - job->Position < count) png_error(png, "truncated PNG data");
  std::memcpy(out, job->Bytes.data() + job->Position, count);
  job->Position += count;
}

// Everything from the header to the last row; libpng may jump out of it.
void ReadImage(png_structp png, png_infop info, ReadJob& job) {
  png_set_read_fn(png, &job, ReadBytes);
  png_set_chunk_malloc_max(png, kMaxChunkBytes);
  png_read_info(png, info);

  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (!IsSaneImageSize(width, height)) png_error(png, "bad or too large picture size");
  const std::uint64_t packed = (static_cast<std::uint64_t>(png_get_rowbytes(png, info)) + 1) * height;
  if (packed > job.Bytes.size() * kMaxInflateRatio + kInflateSlack) png_error(png, "picture too large for its data");

  const int colourType = png_get_color_type(png, info);
  const bool alpha = (colourType & PNG_COLOR_MASK_ALPHA) || png_get_valid(png, info, PNG_INFO_tRNS);
  png_set_expand(png);
  png_set_scale_16(png);
  if (!(colourType & PNG_COLOR_MASK_COLOR)) png_set_gray_to_rgb(png);
  png_set_bgr(png);
  if (!alpha) png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != static_cast<std::size_t>(width) * 4) png_error(png, "unexpected row layout");

  RasterImage& image = job.Image;
  image.Width = static_cast<int>(width);
  image.Height = static_cast<int>(height);
  image.HasAlpha = alpha;
  image.BitsPerPixel = alpha ? 32 : 24;
  image.Pixels.assign(static_cast<std::size_t>(width) * height, 0);
  job.Rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) job.Rows[y] = reinterpret_cast<png_bytep>(image.Row(static_cast<int>(y)));
  png_read_image(png, job.Rows.data());
}

bool ReadGuarded(png_structp png, png_infop info, ReadJob& job) {
  if (setjmp(png_jmpbuf(png))) return false;
  ReadImage(png, info, job);
  return true;
}

struct WriteJob {
  const RasterImage* Image = nullptr;
  PngLayout Layout = PngLayout::Rgb;
  std::vector<std::uint8_t> Bytes;
  std::vector<png_color> PngPalette;
  std::vector<std::uint8_t> Indices;
  std::vector<png_bytep> Rows;
};

void WriteBytes(png_structp png, png_bytep data, std::size_t count) {
  auto* job = static_cast<WriteJob*>(png_get_io_ptr(png));
  try {
    job->Bytes.insert(job->Bytes.end(), data, data + count);
  } catch (const std::bad_alloc&) {
    png_error(png, "out of memory");
  }
}
void FlushBytes(png_structp) {}

// Tables and rows are prepared by the caller; libpng may jump out of here.
void WriteImage(png_structp png, png_infop info, WriteJob& job) {
  const RasterImage& image = *job.Image;
  png_set_write_fn(png, &job, WriteBytes, FlushBytes);
  const int colourType = job.Layout == PngLayout::Rgba      ? PNG_COLOR_TYPE_RGB_ALPHA
                         : job.Layout == PngLayout::Palette ? PNG_COLOR_TYPE_PALETTE
                                                            : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(png, info, image.Width, image.Height, 8, colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (job.Layout == PngLayout::Palette)
    png_set_PLTE(png, info, job.PngPalette.data(), static_cast<int>(job.PngPalette.size()));
  png_write_info(png, info);
  if (job.Layout != PngLayout::Palette) png_set_bgr(png);
  if (job.Layout == PngLayout::Rgb) png_set_filler(png, 0, PNG_FILLER_AFTER);
  png_write_image(png, job.Rows.data());
  png_write_end(png, nullptr);
}

bool WriteGuarded(png_structp png, png_infop info, WriteJob& job) {
  if (setjmp(png_jmpbuf(png))) return false;
  WriteImage(png, info, job);
  return true;
}

void PrepareRows(WriteJob& job) {
  const RasterImage& image = *job.Image;
  job.Rows.resize(image.Height);
  if (job.Layout != PngLayout::Palette) {
    for (int y = 0; y < image.Height; ++y)
      job.Rows[y] = reinterpret_cast<png_bytep>(const_cast<Pixel*>(image.Row(y)));
    return;
  }
  const std::vector<RGBQUAD> table = ChoosePictureTable(image.Pixels, image.Palette, 8);
  for (const RGBQUAD& q : table) job.PngPalette.push_back(png_color{q.rgbRed, q.rgbGreen, q.rgbBlue});
  // Rows of 8-bit indices, padded as DIB rows are.
  const std::size_t stride = static_cast<std::size_t>(DibRowBytes(image.Width, 8));
  job.Indices.resize(stride * image.Height);
  for (int y = 0; y < image.Height; ++y) {
    job.Rows[y] = job.Indices.data() + stride * y;
    PackDibRow(image.Width, 8, image.Row(y), table.data(), static_cast<int>(table.size()), job.Rows[y]);
  }
}

}  // namespace

bool LooksLikePng(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= sizeof kSignature && std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

bool DecodePng(std::span<const std::uint8_t> bytes, RasterImage& image, std::string* error) {
  if (!LooksLikePng(bytes)) return Fail(error, "not a PNG file");
  ErrorSink sink;
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &sink, OnError, OnWarning);
  if (!png) return Fail(error, "out of memory");
  png_infop info = png_create_info_struct(png);
  struct Destroy {
    png_structp* Png;
    png_infop* Info;
    ~Destroy() { png_destroy_read_struct(Png, Info, nullptr); }
  } destroy{&png, &info};
  if (!info) return Fail(error, "out of memory");

  ReadJob job;
  job.Bytes = bytes;
  if (!ReadGuarded(png, info, job)) return Fail(error, sink.Message);
  image = std::move(job.Image);
  return true;
}

std::vector<std::uint8_t> EncodePng(const RasterImage& image, PngLayout layout) {
  if (image.Width <= 0 || image.Height <= 0 || image.Pixels.size() != static_cast<std::size_t>(image.Width) * image.Height)
    return {};
  ErrorSink sink;
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &sink, OnError, OnWarning);
  if (!png) return {};
  png_infop info = png_create_info_struct(png);
  struct Destroy {
    png_structp* Png;
    png_infop* Info;
    ~Destroy() { png_destroy_write_struct(Png, Info); }
  } destroy{&png, &info};
  if (!info) return {};

  WriteJob job;
  job.Image = &image;
  job.Layout = layout;
  PrepareRows(job);
  if (!WriteGuarded(png, info, job)) return {};
  return std::move(job.Bytes);
}
