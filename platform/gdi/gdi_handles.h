// Handles of the graphics interface. Each is an opaque value that the object
// table of this module resolves; a stale or foreign handle is detected there,
// never dereferenced. Any of them converts to HGDIOBJ, as on the original.
#pragma once

#include <cstdint>

#include "wintypes.h"

struct HDC__;
struct HBITMAP__;
struct HPEN__;
struct HBRUSH__;
struct HFONT__;
struct HRGN__;
struct HPALETTE__;
struct HICON__;
using HDC = HDC__*;
using HBITMAP = HBITMAP__*;
using HPEN = HPEN__*;
using HBRUSH = HBRUSH__*;
using HFONT = HFONT__*;
using HRGN = HRGN__*;
using HPALETTE = HPALETTE__*;
using HICON = HICON__*;
using HCURSOR = HICON;
using HGDIOBJ = void*;

// 0x00BBGGRR.
using COLORREF = DWORD;
constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;

constexpr COLORREF RGB(BYTE r, BYTE g, BYTE b) {
  return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) | (static_cast<COLORREF>(b) << 16);
}
constexpr COLORREF PALETTERGB(BYTE r, BYTE g, BYTE b) { return 0x02000000 | RGB(r, g, b); }
constexpr BYTE GetRValue(COLORREF c) { return static_cast<BYTE>(c & 0xFF); }
constexpr BYTE GetGValue(COLORREF c) { return static_cast<BYTE>((c >> 8) & 0xFF); }
constexpr BYTE GetBValue(COLORREF c) { return static_cast<BYTE>((c >> 16) & 0xFF); }
