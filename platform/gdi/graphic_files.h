// What the graphics classes take from a file named in form text, @'path':
// registered with fileproperty.h, so that the resource compiler stores each
// in its own class's layout.
//   TPicture "Data": the graphic's class name as a short string, then its
//     data -- a PNG or BMP file as a TBitmap, an ICO file as a TIcon.
//   TBitmap "Data": a 32-bit length and a 32-bit BMP file (from PNG or BMP).
//   TIcon "Data": the ICO file, checked.
#pragma once

#include <vector>

#include "ansistring.h"
#include "wintypes.h"

std::vector<Byte> EncodePictureFile(const AnsiString& Path, const std::vector<Byte>& File);
std::vector<Byte> EncodeBitmapFile(const AnsiString& Path, const std::vector<Byte>& File);
std::vector<Byte> EncodeIconFile(const AnsiString& Path, const std::vector<Byte>& File);

// Registers the three above; once is enough, again does no harm. The
// graphics unit's start-up row calls it.
void RegisterGraphicFileProperties();
