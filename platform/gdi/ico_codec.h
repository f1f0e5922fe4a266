// ICO files, the first image only: a DIB (XOR image plus AND mask) or a PNG
// (its alpha becomes the mask). Written as one 32-bit DIB image.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "raster_image.h"

struct IconImage {
  RasterImage Color;  // black where the mask is set, as drawing by XOR needs
  RasterImage Mask;   // same size; 0x00FFFFFF where the background shows
};

// False, with the reason in `error`, for anything that is not a well-formed
// icon file; `icon` is then unchanged.
bool DecodeIco(std::span<const std::uint8_t> bytes, IconImage& icon, std::string* error = nullptr);
std::vector<std::uint8_t> EncodeIco(const IconImage& icon);
