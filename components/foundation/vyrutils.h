// The library's utilities: the block compressor and the compressed stream,
// the typed stream helpers the containers store themselves with, and the
// text encodings of fonts, points and rectangles that the settings storage
// keeps.
//
// Stream integers are little-endian. A compressed block (at most
// kVyrBlockSize bytes) holds at most kVyrBlockInput source bytes: 0x80 and
// the bytes as they are, or 0x40 and items under big-endian 16-bit control
// words (bit 0 a literal byte, bit 1 a copy of 3..18 bytes from up to 4095
// bytes back, or a run of 16..4111 equal bytes). A compressed stream is a
// 4-byte total of all (4 + block length), then each block after its 4-byte
// length.
#pragma once

#include <cstdint>

#include "ansistring.h"
#include "rect.h"
#include "streams.h"
#include "tstrings.h"
#include "vyrprocs.h"

class TFont;

namespace Vyrutils {

constexpr int kVyrBlockSize = 32782;
constexpr int kVyrBlockInput = kVyrBlockSize - 1;

// ---- the block compressor ----
// Compresses Size (at most kVyrBlockInput) bytes into Dest, which holds
// kVyrBlockSize bytes; the block length. Input that does not shrink is
// stored, one byte longer than it was.
std::uint16_t VyrLZRWCompress(const void* Source, int Size, void* Dest);
// Decodes the block of Size bytes into Dest, which holds kVyrBlockInput
// bytes; the number of bytes produced. A corrupt block (bad length, an item
// cut at its end, a copy from before the output's start, more than
// kVyrBlockInput bytes out) raises EReadError; nothing is written past Dest.
std::uint16_t VyrLZRWDecompress(const void* Source, void* Dest, int Size);

// Count bytes of Source from its position, compressed onto Dest.
void SaveCompressedStream(TStream* Source, TStream* Dest, int Count);
// One compressed stream of Source, decoded onto Dest. A corrupt one raises
// EReadError.
void LoadCompressedStream(TStream* Source, TStream* Dest);

// ---- typed stream helpers ----
// Plain reads: what the stream does not hold reads as zeros.
void stWriteInteger(TStream* Stream, int Value);
int stReadInteger(TStream* Stream);
void stWriteWord(TStream* Stream, std::uint16_t Value);
std::uint16_t stReadWord(TStream* Stream);
void stWriteByte(TStream* Stream, std::uint8_t Value);
std::uint8_t stReadByte(TStream* Stream);
// A length byte and the UTF-8 bytes; a longer text is cut to its longest
// whole-character prefix within 255 bytes. A read that is not UTF-8 is taken
// as Windows-1252.
void stWriteString(TStream* Stream, const AnsiString& S);
AnsiString stReadString(TStream* Stream);
// The list's text (lines ended by CR LF): a compressed stream of it, or its
// 4-byte length and the bytes. A cut or corrupt body raises EReadError.
void stWriteStringList(TStream* Stream, TStrings* List, bool Compressed);
void stReadStringList(TStream* Stream, TStrings* List, bool Compressed);

// ---- text encodings ----
// The separator of the texts below: LoadStr(IDS_DEFAULTDELIMITER), "," as
// shipped.
char VyrDelimiter();
// Name, Size, Color, Bold, Italic, Underline, StrikeOut, the styles "0" or
// "1".
AnsiString VyrFontToString(TFont* Font);
// A text of exactly seven fields sets the font (a bad size reads 10); any
// other count leaves it be. A style or colour field that is no number or
// name raises EConvertError before the font changes.
void VyrStringToFont(const AnsiString& S, TFont* Font);
// "[X,Y]"; reading takes the parts around the first separator inside the
// brackets, (0, 0) without one.
AnsiString VyrPointToString(const TPoint& P);
TPoint VyrStringToPoint(const AnsiString& S);
// "Left,Top,Right,Bottom"; anything but four fields reads as the empty rect.
AnsiString VyrRectToString(const TRect& R);
TRect VyrStringToRect(const AnsiString& S);
// List cleared and given the pieces of S between separators; a trailing
// separator adds no empty piece.
void VyrParseToStrList(const AnsiString& S, char Separator, TStrings* List);

}  // namespace Vyrutils
