// Text on device contexts: TextOut, ExtTextOut, DrawText/DrawTextEx, the
// measuring functions, and font enumeration.
//
// Strings are UTF-8 and counts are bytes, as the callers pass Length(s);
// measuring and drawing go by code point, one glyph each. An ExtTextOut dx
// array has one entry per code point. Glyphs are anti-aliased and blended
// onto the surface in the text colour; the OPAQUE background mode fills the
// text cell (the advance box from ascent to descent) first. A font's
// escapement turns whole strings counterclockwise about their reference
// point.
#pragma once

#include "font.h"
#include "gdi_handles.h"
#include "wintypes.h"

// SetTextAlign flags (SetTextAlign itself is with the DC attributes).
constexpr UINT TA_NOUPDATECP = 0;
constexpr UINT TA_UPDATECP = 1;
constexpr UINT TA_LEFT = 0;
constexpr UINT TA_RIGHT = 2;
constexpr UINT TA_CENTER = 6;
constexpr UINT TA_TOP = 0;
constexpr UINT TA_BOTTOM = 8;
constexpr UINT TA_BASELINE = 24;
constexpr UINT TA_RTLREADING = 256;

constexpr UINT ETO_OPAQUE = 0x0002;
constexpr UINT ETO_CLIPPED = 0x0004;

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int count);
inline BOOL TextOutA(HDC dc, int x, int y, LPCSTR text, int count) { return TextOut(dc, x, y, text, count); }
// `rect` (logical) is filled with the background colour under ETO_OPAQUE and
// clips the text under ETO_CLIPPED; `dx` gives each code point's advance.
BOOL ExtTextOut(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count, const INT* dx);
inline BOOL ExtTextOutA(HDC dc, int x, int y, UINT options, const RECT* rect, LPCSTR text, UINT count,
                        const INT* dx) {
  return ExtTextOut(dc, x, y, options, rect, text, count, dx);
}

// Width: the advances plus the character extra after each code point;
// height: the font's cell height.
BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int count, SIZE* size);
BOOL GetTextExtentPoint(HDC dc, LPCSTR text, int count, SIZE* size);
inline BOOL GetTextExtentPoint32A(HDC dc, LPCSTR text, int count, SIZE* size) {
  return GetTextExtentPoint32(dc, text, count, size);
}
BOOL GetTextMetrics(HDC dc, TEXTMETRIC* metrics);
inline BOOL GetTextMetricsA(HDC dc, TEXTMETRIC* metrics) { return GetTextMetrics(dc, metrics); }
// Copies the selected font's face name (cut to `count` - 1 bytes at a letter
// boundary); returns the bytes copied, or the size needed with a null buffer.
int GetTextFace(HDC dc, int count, LPSTR name);

// DrawText formats.
constexpr UINT DT_TOP = 0x00000000;
constexpr UINT DT_LEFT = 0x00000000;
constexpr UINT DT_CENTER = 0x00000001;
constexpr UINT DT_RIGHT = 0x00000002;
constexpr UINT DT_VCENTER = 0x00000004;
constexpr UINT DT_BOTTOM = 0x00000008;
constexpr UINT DT_WORDBREAK = 0x00000010;
constexpr UINT DT_SINGLELINE = 0x00000020;
constexpr UINT DT_EXPANDTABS = 0x00000040;
constexpr UINT DT_TABSTOP = 0x00000080;
constexpr UINT DT_NOCLIP = 0x00000100;
constexpr UINT DT_EXTERNALLEADING = 0x00000200;
constexpr UINT DT_CALCRECT = 0x00000400;
constexpr UINT DT_NOPREFIX = 0x00000800;
constexpr UINT DT_INTERNAL = 0x00001000;
constexpr UINT DT_EDITCONTROL = 0x00002000;
constexpr UINT DT_PATH_ELLIPSIS = 0x00004000;
constexpr UINT DT_END_ELLIPSIS = 0x00008000;
constexpr UINT DT_MODIFYSTRING = 0x00010000;
constexpr UINT DT_RTLREADING = 0x00020000;
constexpr UINT DT_WORD_ELLIPSIS = 0x00040000;
constexpr UINT DT_NOFULLWIDTHCHARBREAK = 0x00080000;
constexpr UINT DT_HIDEPREFIX = 0x00100000;
constexpr UINT DT_PREFIXONLY = 0x00200000;

struct DRAWTEXTPARAMS {
  UINT cbSize = sizeof(DRAWTEXTPARAMS);
  int iTabLength = 0;   // in average character widths
  int iLeftMargin = 0;  // pixels
  int iRightMargin = 0;
  UINT uiLengthDrawn = 0;  // out: bytes of the text laid out
};

// Lays out and draws `text` in `rect`; returns the height of the text (with
// DT_VCENTER or DT_BOTTOM the offset from rect.top to its bottom), 0 on
// failure. A count of -1 means a NUL-terminated text. DT_CALCRECT draws
// nothing and sets rect's right and bottom to the text's extent. Under
// DT_MODIFYSTRING with an ellipsis, the buffer (which must hold count + 4
// bytes) receives the text as drawn.
int DrawText(HDC dc, LPCSTR text, int count, RECT* rect, UINT format);
int DrawText(HDC dc, LPSTR text, int count, RECT* rect, UINT format);
inline int DrawTextA(HDC dc, LPCSTR text, int count, RECT* rect, UINT format) {
  return DrawText(dc, text, count, rect, format);
}
int DrawTextEx(HDC dc, LPSTR text, int count, RECT* rect, UINT format, DRAWTEXTPARAMS* params);
