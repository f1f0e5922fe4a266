#include <gtest/gtest.h>

#include "memory_dc.h"

namespace {

TEST(DcState, SaveAndRestoreBringBackAttributesAndObjects) {
  MemoryDC dc(4, 4);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  SetTextColor(dc.dc(), RGB(1, 1, 1));
  SetBkMode(dc.dc(), TRANSPARENT);
  EXPECT_EQ(SaveDC(dc.dc()), 1);
  SelectObject(dc.dc(), red);
  SetTextColor(dc.dc(), RGB(2, 2, 2));
  SetViewportOrgEx(dc.dc(), 5, 6, nullptr);
  EXPECT_EQ(SaveDC(dc.dc()), 2);
  SetTextColor(dc.dc(), RGB(3, 3, 3));
  SetROP2(dc.dc(), R2_XORPEN);

  ASSERT_TRUE(RestoreDC(dc.dc(), -1));  // the newest state
  EXPECT_EQ(GetTextColor(dc.dc()), RGB(2, 2, 2));
  EXPECT_EQ(GetROP2(dc.dc()), R2_COPYPEN);
  POINT org;
  GetViewportOrgEx(dc.dc(), &org);
  EXPECT_EQ(org.x, 5);
  SaveDC(dc.dc());
  ASSERT_TRUE(RestoreDC(dc.dc(), 1));  // back past both
  EXPECT_EQ(GetTextColor(dc.dc()), RGB(1, 1, 1));
  EXPECT_EQ(GetBkMode(dc.dc()), TRANSPARENT);
  EXPECT_EQ(GetCurrentObject(dc.dc(), OBJ_PEN), GetStockObject(BLACK_PEN));
  EXPECT_FALSE(RestoreDC(dc.dc(), 1));  // nothing saved any more
  EXPECT_FALSE(RestoreDC(dc.dc(), -1));
  // The pen was held by the dropped states only: deleting it now frees it.
  EXPECT_TRUE(DeleteObject(red));
  EXPECT_EQ(GetObjectType(red), 0u);
}

TEST(DcState, RestoreReselectsTheSavedBitmap) {
  MemoryDC dc(2, 2, RGB(255, 0, 0));
  SaveDC(dc.dc());
  HBITMAP other = CreateBitmap(3, 3, 1, 32, nullptr);
  HGDIOBJ saved = SelectObject(dc.dc(), other);
  EXPECT_EQ(saved, dc.bitmap());
  EXPECT_EQ(dc.At(0, 0), RGB(0, 0, 0));
  RestoreDC(dc.dc(), -1);
  EXPECT_EQ(dc.At(0, 0), RGB(255, 0, 0));
  // The other bitmap is free again for another DC.
  HDC second = CreateCompatibleDC(nullptr);
  EXPECT_NE(SelectObject(second, other), nullptr);
  DeleteDC(second);
  DeleteObject(other);
}

TEST(DcState, WindowAndViewportOriginsMoveDrawing) {
  MemoryDC dc(8, 8, RGB(0, 0, 0));
  SetViewportOrgEx(dc.dc(), 3, 3, nullptr);
  SetWindowOrgEx(dc.dc(), 1, 0, nullptr);
  TRect r(1, 0, 2, 1);  // device (3, 3)
  FillRect(dc.dc(), &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SetViewportOrgEx(dc.dc(), 0, 0, nullptr);
  SetWindowOrgEx(dc.dc(), 0, 0, nullptr);
  EXPECT_EQ(dc.At(3, 3), RGB(255, 255, 255));
  EXPECT_EQ(dc.At(4, 3), RGB(0, 0, 0));
  TPoint p(10, 10);
  OffsetViewportOrgEx(dc.dc(), 2, -1, nullptr);
  LPtoDP(dc.dc(), &p, 1);
  EXPECT_EQ(p.x, 12);
  EXPECT_EQ(p.y, 9);
}

TEST(DcState, SettersReturnThePreviousValueAndRejectBadOnes) {
  MemoryDC dc(1, 1);
  EXPECT_EQ(SetBkColor(dc.dc(), RGB(1, 2, 3)), RGB(255, 255, 255));
  EXPECT_EQ(SetTextColor(dc.dc(), RGB(4, 5, 6)), RGB(0, 0, 0));
  EXPECT_EQ(SetBkMode(dc.dc(), TRANSPARENT), OPAQUE);
  EXPECT_EQ(SetBkMode(dc.dc(), 7), 0);
  EXPECT_EQ(SetStretchBltMode(dc.dc(), COLORONCOLOR), BLACKONWHITE);
  EXPECT_EQ(GetStretchBltMode(dc.dc()), COLORONCOLOR);
  EXPECT_EQ(SetROP2(dc.dc(), 0), 0);
  EXPECT_EQ(SetPolyFillMode(dc.dc(), WINDING), ALTERNATE);
  EXPECT_EQ(SetTextAlign(dc.dc(), 24), 0u);
  EXPECT_EQ(SetTextCharacterExtra(dc.dc(), 2), 0);
  EXPECT_EQ(GetTextCharacterExtra(dc.dc()), 2);
  EXPECT_EQ(SetBkColor(nullptr, 0), CLR_INVALID);
}

TEST(DcState, DeviceCaps) {
  HDC dc = CreateCompatibleDC(nullptr);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSX), 96);
  EXPECT_EQ(GetDeviceCaps(dc, LOGPIXELSY), 96);
  EXPECT_EQ(GetDeviceCaps(dc, PLANES), 1);
  EXPECT_TRUE(GetDeviceCaps(dc, RASTERCAPS) & RC_STRETCHBLT);
  EXPECT_TRUE(GetDeviceCaps(dc, RASTERCAPS) & RC_BITBLT);
  EXPECT_FALSE(GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE);
  GdiSetScreenSize(800, 600);
  EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 800);
  EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 600);
  HBITMAP bits = CreateBitmap(2, 2, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(dc, bits);
  EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES), 32);
  SelectObject(dc, old);
  DeleteObject(bits);
  DeleteDC(dc);
  EXPECT_FALSE(DeleteDC(dc));
}

TEST(Palettes, AreBookkeepingOnly) {
  struct {
    LOGPALETTE lp;
    PALETTEENTRY more[1];
  } data;
  data.lp.palNumEntries = 2;
  data.lp.palPalEntry[0] = {1, 2, 3, PC_NOCOLLAPSE};
  data.more[0] = {4, 5, 6, 0};
  HPALETTE pal = CreatePalette(&data.lp);
  ASSERT_NE(pal, nullptr);
  MemoryDC dc(1, 1);
  HPALETTE old = SelectPalette(dc.dc(), pal, FALSE);
  EXPECT_EQ(old, GetStockObject(DEFAULT_PALETTE));
  EXPECT_EQ(RealizePalette(dc.dc()), 0u);
  PALETTEENTRY e[2];
  EXPECT_EQ(GetPaletteEntries(pal, 0, 2, e), 2u);
  EXPECT_EQ(e[1].peBlue, 6);
  EXPECT_EQ(SelectPalette(dc.dc(), old, FALSE), pal);
  EXPECT_TRUE(DeleteObject(pal));
}

}  // namespace
