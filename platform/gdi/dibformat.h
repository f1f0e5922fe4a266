// Packing and unpacking of DIB rows: 1, 4, 8, 16 (5-5-5), 24 and 32 bits
// per pixel, with the colour table of the low depths. Shared by the DIB
// functions and by the picture-file readers and writers.
#pragma once

#include <vector>

#include "bitmap.h"
#include "surface.h"

// A checked DIB layout from a header: sizes within the layer's limits, a
// depth it knows, uncompressed. `colors` is the colour table the header
// announces (biClrUsed, or 2^depth for depths up to 8).
struct DibLayout {
  int width = 0;
  int height = 0;       // always positive
  bool topDown = false;
  int bitCount = 0;
  int rowBytes = 0;
  int colorCount = 0;   // entries of the colour table
};

// False for a header the layer does not take (bad size, depth or
// compression, dimensions over the limits).
bool CheckDibHeader(const BITMAPINFOHEADER& h, DibLayout& out);
// The most pixels one bitmap may hold (a guard against absurd sizes).
constexpr long long kMaxBitmapPixels = 1LL << 27;

// One DIB row into 32-bit pixels; `table` has layout.colorCount entries
// (indices past it read as black).
void UnpackDibRow(const DibLayout& layout, const BYTE* row, const RGBQUAD* table, Pixel* out);
// 32-bit pixels into one DIB row; low depths take the nearest entry of
// `table` (count entries).
void PackDibRow(int width, int bitCount, const Pixel* in, const RGBQUAD* table, int count, BYTE* row);

// The index of the nearest table colour (squared distance).
int NearestColorIndex(Pixel p, const RGBQUAD* table, int count);
