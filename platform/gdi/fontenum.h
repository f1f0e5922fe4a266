// Font enumeration: the families fontconfig knows, plus the Windows names of
// our face table. Scalable faces report TRUETYPE_FONTTYPE, the classic bitmap
// names and bitmap-only faces RASTER_FONTTYPE. A callback result of 0 stops.
#pragma once

#include "font.h"
#include "gdi_handles.h"
#include "wintypes.h"

constexpr DWORD NTM_REGULAR = 0x00000040;
constexpr DWORD NTM_BOLD = 0x00000020;
constexpr DWORD NTM_ITALIC = 0x00000001;

struct NEWTEXTMETRIC : TEXTMETRIC {
  DWORD ntmFlags = 0;
  UINT ntmSizeEM = 0;
  UINT ntmCellHeight = 0;
  UINT ntmAvgWidth = 0;
};

struct FONTSIGNATURE {
  DWORD fsUsb[4] = {};
  DWORD fsCsb[2] = {};
};

struct NEWTEXTMETRICEX {
  NEWTEXTMETRIC ntmTm;
  FONTSIGNATURE ntmFontSig;
};

struct ENUMLOGFONT {
  LOGFONT elfLogFont;
  BYTE elfFullName[64] = {};
  BYTE elfStyle[32] = {};
};

struct ENUMLOGFONTEX {
  LOGFONT elfLogFont;
  BYTE elfFullName[64] = {};
  BYTE elfStyle[32] = {};
  BYTE elfScript[32] = {};
};

// The LOGFONT points into an ENUMLOGFONTEX and the TEXTMETRIC into a
// NEWTEXTMETRICEX, which callers may read through casts.
using FONTENUMPROC = int (*)(const LOGFONT* lf, const TEXTMETRIC* tm, DWORD fontType, LPARAM data);

// Without a face: one call per family; with one: one call per style of it.
// The result is the last callback's (1 when none was made).
int EnumFontFamilies(HDC dc, LPCSTR family, FONTENUMPROC proc, LPARAM data);
int EnumFonts(HDC dc, LPCSTR face, FONTENUMPROC proc, LPARAM data);
// lfFaceName empty: every family; else the styles of that family. The
// charset and flags are not looked at: every face here covers the ANSI set.
int EnumFontFamiliesEx(HDC dc, LOGFONT* lf, FONTENUMPROC proc, LPARAM data, DWORD flags);
inline int EnumFontFamiliesA(HDC dc, LPCSTR family, FONTENUMPROC proc, LPARAM data) {
  return EnumFontFamilies(dc, family, proc, data);
}
inline int EnumFontFamiliesExA(HDC dc, LOGFONT* lf, FONTENUMPROC proc, LPARAM data, DWORD flags) {
  return EnumFontFamiliesEx(dc, lf, proc, data, flags);
}
