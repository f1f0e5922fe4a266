// DrawFrameControl: the classic images of check boxes, radio buttons, push
// buttons, scroll arrows, the size grip and caption buttons. A push button's
// face is the one every button of the program shows: a raised edge filled
// with the button face, pushed a sunken one (the caller moves the caption
// one pixel down and right); DFCS_INACTIVE leaves the face as it is, since
// only the caption greys. With DFCS_ADJUSTRECT the rectangle becomes the
// face inside the edge. The size grip is three
// ridges across the rectangle's bottom-right corner, nothing else painted. Check box and radio images are
// 13 x 13, centred in the rectangle; the radio image leaves every pixel
// outside its circle untouched (callers key on the colour around it).
#pragma once

#include "gdi_handles.h"
#include "wintypes.h"

constexpr UINT DFC_CAPTION = 1;
constexpr UINT DFC_MENU = 2;
constexpr UINT DFC_SCROLL = 3;
constexpr UINT DFC_BUTTON = 4;

constexpr UINT DFCS_BUTTONCHECK = 0x0000;
constexpr UINT DFCS_BUTTONRADIOIMAGE = 0x0001;
constexpr UINT DFCS_BUTTONRADIOMASK = 0x0002;
constexpr UINT DFCS_BUTTONRADIO = 0x0004;
constexpr UINT DFCS_BUTTON3STATE = 0x0008;
constexpr UINT DFCS_BUTTONPUSH = 0x0010;

constexpr UINT DFCS_CAPTIONCLOSE = 0x0000;
constexpr UINT DFCS_CAPTIONMIN = 0x0001;
constexpr UINT DFCS_CAPTIONMAX = 0x0002;
constexpr UINT DFCS_CAPTIONRESTORE = 0x0003;
constexpr UINT DFCS_CAPTIONHELP = 0x0004;

constexpr UINT DFCS_SCROLLUP = 0x0000;
constexpr UINT DFCS_SCROLLDOWN = 0x0001;
constexpr UINT DFCS_SCROLLLEFT = 0x0002;
constexpr UINT DFCS_SCROLLRIGHT = 0x0003;
constexpr UINT DFCS_SCROLLCOMBOBOX = 0x0005;
constexpr UINT DFCS_SCROLLSIZEGRIP = 0x0008;

constexpr UINT DFCS_INACTIVE = 0x0100;
constexpr UINT DFCS_PUSHED = 0x0200;
constexpr UINT DFCS_CHECKED = 0x0400;
constexpr UINT DFCS_ADJUSTRECT = 0x2000;
constexpr UINT DFCS_FLAT = 0x4000;
constexpr UINT DFCS_MONO = 0x8000;

BOOL DrawFrameControl(HDC dc, RECT* r, UINT type, UINT state);
