// Icons: an image and a mask, drawn by AND-ing the mask and XOR-ing the
// image, as on the original. Only colour icons (hbmColor set) are made; the
// bitmaps given to CreateIconIndirect are copied, GetIconInfo hands out
// copies that the caller deletes.
#pragma once

#include "gdi_handles.h"
#include "wintypes.h"

struct ICONINFO {
  BOOL fIcon = TRUE;
  DWORD xHotspot = 0;
  DWORD yHotspot = 0;
  HBITMAP hbmMask = nullptr;  // 1 where the screen shows through
  HBITMAP hbmColor = nullptr;
};

constexpr UINT DI_MASK = 0x0001;
constexpr UINT DI_IMAGE = 0x0002;
constexpr UINT DI_NORMAL = 0x0003;

HICON CreateIconIndirect(const ICONINFO* info);
BOOL DestroyIcon(HICON icon);
BOOL GetIconInfo(HICON icon, ICONINFO* info);
// The icon's size; FALSE for a stale handle.
BOOL GetIconSize(HICON icon, int* width, int* height);
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// cx or cy 0 takes the icon's own size; step and flicker brush are ignored.
BOOL DrawIconEx(HDC dc, int x, int y, HICON icon, int cx, int cy, UINT step, HBRUSH flickerFreeBrush, UINT flags);
