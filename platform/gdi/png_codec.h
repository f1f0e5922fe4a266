// PNG files through libpng: any PNG libpng reads becomes 8-bit RGB(A) in
// 32-bit pixels; written as RGB, RGBA or an 8-bit colour table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "raster_image.h"

// False, with the reason in `error`, for anything that is not a well-formed
// picture (libpng's own errors included); `image` is then unchanged.
// Without alpha (an alpha channel or a tRNS chunk) the X bytes are 0, as
// from a 24-bit BMP, and HasAlpha is false.
bool DecodePng(std::span<const std::uint8_t> bytes, RasterImage& image, std::string* error = nullptr);

// Rgba writes the X bytes as alpha. Palette carries the table ChoosePalette
// picks for 8 bits, so beyond 256 colours the pixels are reduced.
enum class PngLayout { Rgb, Rgba, Palette };
// Empty for an empty picture.
std::vector<std::uint8_t> EncodePng(const RasterImage& image, PngLayout layout);

// True when the bytes start with the PNG signature.
bool LooksLikePng(std::span<const std::uint8_t> bytes);
