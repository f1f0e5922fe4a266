// BMP files: read 1-, 4-, 8-, 16-, 24- and 32-bit images (uncompressed,
// RLE4/RLE8, BI_BITFIELDS; bottom-up and top-down) and write 1-, 4-, 8-, 24-
// and 32-bit images. Pure byte work: no device context involved.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "raster_image.h"

// A whole file ("BM" header first). False, with the reason in `error`, for
// anything that is not a well-formed picture; `image` is then unchanged.
bool DecodeBmp(std::span<const std::uint8_t> bytes, RasterImage& image, std::string* error = nullptr);
// A packed DIB as bitmap resources hold it: the info header, the colour
// table, then the pixels.
bool DecodeDib(std::span<const std::uint8_t> bytes, RasterImage& image, std::string* error = nullptr);

// A whole file at the given depth (1, 4, 8, 24 or 32). Depths of 8 bits and
// less carry the table ChoosePalette picks. Bottom-up unless `topDown`.
std::vector<std::uint8_t> EncodeBmp(const RasterImage& image, int bitsPerPixel, bool topDown = false);
