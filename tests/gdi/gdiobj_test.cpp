#include <gtest/gtest.h>

#include "memory_dc.h"

namespace {

TEST(GdiObjects, StaleHandleIsRejectedAfterDelete) {
  HPEN pen = CreatePen(PS_DASH, 3, RGB(1, 2, 3));
  ASSERT_NE(pen, nullptr);
  ASSERT_TRUE(DeleteObject(pen));
  LOGPEN lp;
  EXPECT_EQ(GetObject(pen, sizeof lp, &lp), 0);
  EXPECT_FALSE(DeleteObject(pen));
  EXPECT_EQ(GetObjectType(pen), 0u);
  MemoryDC dc(2, 2);
  EXPECT_EQ(SelectObject(dc.dc(), pen), nullptr);
  // A new object in the freed slot gets a new handle; the old one stays stale.
  HPEN again = CreatePen(PS_SOLID, 1, 0);
  EXPECT_NE(again, pen);
  EXPECT_EQ(GetObject(pen, sizeof lp, &lp), 0);
  DeleteObject(again);
  // A handle of the wrong kind is no object of the asked kind.
  EXPECT_EQ(GetObjectType(dc.dc()), static_cast<DWORD>(OBJ_MEMDC));
  EXPECT_EQ(SelectObject(dc.dc(), dc.dc()), nullptr);
}

TEST(GdiObjects, GetObjectReportsPensBrushesAndBitmaps) {
  HPEN pen = CreatePen(PS_DOT, 2, RGB(9, 8, 7));
  LOGPEN lp;
  ASSERT_EQ(GetObject(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
  EXPECT_EQ(lp.lopnStyle, PS_DOT);
  EXPECT_EQ(lp.lopnWidth.x, 2);
  EXPECT_EQ(lp.lopnColor, RGB(9, 8, 7));
  DeleteObject(pen);

  HBRUSH hatch = CreateHatchBrush(HS_CROSS, RGB(1, 1, 1));
  LOGBRUSH lb;
  ASSERT_EQ(GetObject(hatch, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbStyle, BS_HATCHED);
  EXPECT_EQ(lb.lbHatch, static_cast<ULONG_PTR>(HS_CROSS));
  DeleteObject(hatch);

  HBITMAP mono = CreateBitmap(9, 3, 1, 1, nullptr);
  BITMAP bm;
  ASSERT_EQ(GetObject(mono, sizeof bm, &bm), static_cast<int>(sizeof bm));
  EXPECT_EQ(bm.bmWidth, 9);
  EXPECT_EQ(bm.bmHeight, 3);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  EXPECT_EQ(bm.bmPlanes, 1);
  EXPECT_EQ(bm.bmWidthBytes, 2);
  EXPECT_EQ(GetObject(mono, 4, &bm), 0);  // too small a buffer
  DeleteObject(mono);
  MemoryDC screen(1, 1);
  HBITMAP colour = CreateCompatibleBitmap(screen.dc(), 5, 5);
  GetObject(colour, sizeof bm, &bm);
  EXPECT_EQ(bm.bmBitsPixel, 32);
  DeleteObject(colour);
}

TEST(GdiObjects, SelectObjectReturnsThePreviousObject) {
  MemoryDC dc(2, 2);
  HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
  HGDIOBJ first = SelectObject(dc.dc(), red);
  EXPECT_EQ(first, GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(dc.dc(), first), red);
  EXPECT_EQ(GetCurrentObject(dc.dc(), OBJ_PEN), first);
  DeleteObject(red);
  EXPECT_EQ(GetCurrentObject(dc.dc(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
}

TEST(GdiObjects, DeletingASelectedObjectWaitsForItsRelease) {
  MemoryDC dc(2, 2, RGB(0, 0, 0));
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HGDIOBJ old = SelectObject(dc.dc(), red);
  EXPECT_TRUE(DeleteObject(red));  // succeeds, as callers expect
  PatBlt(dc.dc(), 0, 0, 1, 1, PATCOPY);
  EXPECT_EQ(dc.At(0, 0), RGB(255, 0, 0));  // still the DC's brush
  EXPECT_EQ(SelectObject(dc.dc(), old), red);
  LOGBRUSH lb;
  EXPECT_EQ(GetObject(red, sizeof lb, &lb), 0);
}

TEST(GdiObjects, BitmapLivesInOneDcAtATime) {
  MemoryDC a(2, 2);
  HDC b = CreateCompatibleDC(nullptr);
  EXPECT_EQ(SelectObject(b, a.bitmap()), nullptr);
  // Deleting a selected bitmap keeps its pixels until the DC lets go.
  HBITMAP bits = CreateBitmap(2, 2, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(b, bits);
  ASSERT_NE(old, nullptr);
  EXPECT_TRUE(DeleteObject(bits));
  EXPECT_NE(SetPixel(b, 1, 1, RGB(1, 2, 3)), CLR_INVALID);
  EXPECT_EQ(SelectObject(b, old), bits);
  EXPECT_EQ(GetObjectType(bits), 0u);
  DeleteDC(b);
}

TEST(GdiObjects, StockObjectsSurviveDelete) {
  HGDIOBJ white = GetStockObject(WHITE_BRUSH);
  EXPECT_TRUE(DeleteObject(white));
  LOGBRUSH lb;
  ASSERT_EQ(GetObject(white, sizeof lb, &lb), static_cast<int>(sizeof lb));
  EXPECT_EQ(lb.lbColor, RGB(255, 255, 255));
  EXPECT_EQ(GetStockObject(NULL_PEN), GetStockObject(NULL_PEN));
  EXPECT_EQ(GetObjectType(GetStockObject(NULL_PEN)), static_cast<DWORD>(OBJ_PEN));
  EXPECT_EQ(GetObjectType(GetStockObject(SYSTEM_FONT)), static_cast<DWORD>(OBJ_FONT));
  EXPECT_EQ(GetStockObject(9), nullptr);
  EXPECT_EQ(GetStockObject(-1), nullptr);
  HBRUSH face = GetSysColorBrush(COLOR_BTNFACE);
  EXPECT_TRUE(DeleteObject(face));
  EXPECT_EQ(GetObjectType(face), static_cast<DWORD>(OBJ_BRUSH));
  EXPECT_EQ(GetSysColorBrush(31), nullptr);
}

TEST(SysColors, ClassicTableAndOutOfRange) {
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(192, 192, 192));
  EXPECT_EQ(GetSysColor(COLOR_BTNSHADOW), RGB(128, 128, 128));
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(0, 0, 128));
  EXPECT_EQ(GetSysColor(COLOR_INFOBK), RGB(255, 255, 225));
  EXPECT_EQ(GetSysColor(-1), 0u);
  EXPECT_EQ(GetSysColor(31), 0u);
  EXPECT_EQ(GetSysColor(255), 0u);
}

}  // namespace
