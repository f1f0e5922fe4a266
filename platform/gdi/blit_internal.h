// The one transfer routine behind the blits and the DIB drawing functions.
#pragma once

#include "dc_internal.h"

enum class SourceConvert {
  None,
  MonoToColor,  // black -> zero, white -> one
  ColorToMono,  // equal to key -> white, else black
  NearestMono,  // nearest of black and white (DIBs drawn on monochrome)
};

struct BlitSource {
  const Surface* surface = nullptr;
  SourceConvert convert = SourceConvert::None;
  Pixel zero = 0, one = 0, key = 0;
};

// Source rectangle in source surface coordinates, destination in device
// coordinates of `dst`; sizes may be negative (mirror). With a code that
// uses no source, `src` may be null.
void TransferRect(DeviceContext& dst, long long x, long long y, long long width, long long height,
                  const BlitSource* src, long long srcX, long long srcY, long long srcWidth, long long srcHeight,
                  DWORD rop);

// How a source DC's pixels are converted onto a destination DC.
BlitSource SourceFor(const DeviceContext& dst, const DeviceContext& src);

// The copies at one to one take shorter ways than the sample maps of the
// general path, to the same pixels; tests switch them off to compare.
void SetBlitFastPaths(bool enabled);

// StretchBlt on resolved DCs (src may be null for a code without source).
BOOL StretchBltDC(DeviceContext& dst, DeviceContext* src, int x, int y, int width, int height, int srcX, int srcY,
                  int srcWidth, int srcHeight, DWORD rop);
