// The class library's graphics classes over the raster engine: bitmap
// transparency, resizing, CopyRect modes, streams, fonts, canvas handles.
#include <gtest/gtest.h>

#include <cstring>

#include "bitmap.h"
#include "bitmap_class.h"
#include "dc.h"
#include "exceptions.h"
#include "fill.h"
#include "font.h"
#include "gdiobj.h"
#include "streams.h"

namespace {

void Fill(TBitmap& b, TColor c) {
  b.GetCanvas()->GetBrush()->SetColor(c);
  b.GetCanvas()->FillRect(Rect(0, 0, b.GetWidth(), b.GetHeight()));
}

TEST(TBitmapTransparency, BottomLeftPixelIsSkippedByDraw) {
  TBitmap sprite;
  sprite.SetSize(3, 3);
  Fill(sprite, clLime);
  sprite.GetCanvas()->SetPixels(1, 1, clBlue);
  sprite.GetCanvas()->SetPixels(2, 0, clNavy);
  sprite.SetTransparent(true);
  EXPECT_EQ(sprite.GetTransparentMode(), tmAuto);
  EXPECT_EQ(sprite.GetTransparentColor(), clLime | 0x02000000);

  TBitmap board;
  board.SetSize(5, 5);
  Fill(board, clYellow);
  board.GetCanvas()->Draw(1, 1, &sprite);
  EXPECT_EQ(board.GetCanvas()->GetPixels(2, 2), clBlue);
  EXPECT_EQ(board.GetCanvas()->GetPixels(3, 1), clNavy);
  for (TPoint p : {TPoint(1, 1), TPoint(3, 3), TPoint(1, 3), TPoint(0, 0), TPoint(4, 4)})
    EXPECT_EQ(board.GetCanvas()->GetPixels(p.x, p.y), clYellow) << p.x << "," << p.y;

  // A fixed colour replaces the automatic one; the lime pixels now show.
  sprite.SetTransparentColor(clBlue);
  EXPECT_EQ(sprite.GetTransparentMode(), tmFixed);
  Fill(board, clYellow);
  board.GetCanvas()->Draw(1, 1, &sprite);
  EXPECT_EQ(board.GetCanvas()->GetPixels(1, 1), clLime);
  EXPECT_EQ(board.GetCanvas()->GetPixels(2, 2), clYellow);
}

TEST(TBitmapSize, ResizingKeepsPixelsAndGainsBlack) {
  TBitmap b;
  b.SetSize(3, 2);
  Fill(b, clWhite);
  b.GetCanvas()->SetPixels(2, 1, clRed);
  b.SetSize(5, 4);
  EXPECT_EQ(b.GetCanvas()->GetPixels(0, 0), clWhite);
  EXPECT_EQ(b.GetCanvas()->GetPixels(2, 1), clRed);
  EXPECT_EQ(b.GetCanvas()->GetPixels(4, 0), clBlack);
  EXPECT_EQ(b.GetCanvas()->GetPixels(0, 3), clBlack);
  EXPECT_EQ(b.GetCanvas()->GetPixels(5, 0), -1) << "outside reads CLR_INVALID";

  // Shrinking loses the cut pixels for good; growing again brings black.
  b.SetWidth(2);
  b.SetWidth(3);
  EXPECT_EQ(b.GetCanvas()->GetPixels(2, 1), clBlack);
  b.SetSize(0, 0);
  EXPECT_TRUE(b.GetEmpty());
  EXPECT_EQ(b.GetHandle(), nullptr);
}

TEST(TCanvasCopyRect, CopyModesWorkPerChannelAndClipToTheSource) {
  struct Case {
    TCopyMode Mode;
    TColor Expected;
    bool UsesSource = true;
  };
  const TColor dest = 0x00F0A05A, source = 0x003C0FF0;
  const Case cases[] = {
      {cmSrcCopy, source},
      {cmSrcAnd, dest & source},
      {cmSrcPaint, dest | source},
      {cmSrcInvert, dest ^ source},
      {cmBlackness, 0, false},
      {cmWhiteness, 0xFFFFFF, false},
  };
  TBitmap src;
  src.SetSize(4, 4);
  Fill(src, source);
  for (const Case& c : cases) {
    TBitmap dst;
    dst.SetSize(6, 6);
    Fill(dst, dest);
    dst.GetCanvas()->SetCopyMode(c.Mode);
    // Half of the source rectangle lies outside the source bitmap.
    dst.GetCanvas()->CopyRect(Rect(0, 0, 4, 4), src.GetCanvas(), Rect(2, 2, 6, 6));
    EXPECT_EQ(dst.GetCanvas()->GetPixels(1, 1), c.Expected) << std::hex << c.Mode;
    EXPECT_EQ(dst.GetCanvas()->GetPixels(3, 3), c.UsesSource ? dest : c.Expected)
        << "where the source lies outside, only codes without a source draw";
    EXPECT_EQ(dst.GetCanvas()->GetCopyMode(), c.Mode) << "the mode persists";
  }
}

TEST(TBitmapStreams, ReloadsTheSamePixelsAtEveryFormat) {
  for (TPixelFormat format : {pf1bit, pf4bit, pf8bit, pf24bit, pf32bit}) {
    TBitmap b;
    b.SetSize(7, 3);
    Fill(b, clWhite);
    b.GetCanvas()->SetPixels(0, 0, clBlack);
    if (format != pf1bit) b.GetCanvas()->SetPixels(6, 2, clNavy);
    b.SetPixelFormat(format);
    TMemoryStream stream;
    b.SaveToStream(&stream);
    const Int64 end = stream.GetPosition();
    const char trailer[] = "rest";
    stream.WriteBuffer(trailer, 4);

    stream.SetPosition(0);
    TBitmap loaded;
    loaded.LoadFromStream(&stream);
    EXPECT_EQ(stream.GetPosition(), end) << "the BMP ends where it says";
    EXPECT_EQ(loaded.GetWidth(), 7);
    EXPECT_EQ(loaded.GetPixelFormat(), format);
    EXPECT_EQ(loaded.GetCanvas()->GetPixels(0, 0), clBlack);
    EXPECT_EQ(loaded.GetCanvas()->GetPixels(6, 2), format == pf1bit ? clWhite : clNavy);
    EXPECT_EQ(loaded.GetCanvas()->GetPixels(3, 1), clWhite);
  }
}

TEST(TBitmapStreams, BadBytesRaiseAndLeaveTheBitmap) {
  TBitmap b;
  b.SetSize(2, 2);
  TStringStream junk(AnsiString("BM this is no bitmap at all"));
  EXPECT_THROW(b.LoadFromStream(&junk), EInvalidGraphic);
  EXPECT_EQ(b.GetWidth(), 2);
}

TEST(TBitmapEdits, CanvasEditsAssignAndMaskFireOnChange) {
  TBitmap b;
  int changes = 0;
  b.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
  b.SetSize(4, 4);
  Fill(b, clRed);
  b.GetCanvas()->SetPixels(0, 0, clBlue);
  EXPECT_GE(changes, 3);

  TBitmap copy;
  copy.Assign(&b);
  b.GetCanvas()->SetPixels(1, 1, clLime);
  EXPECT_EQ(copy.GetCanvas()->GetPixels(1, 1), clRed) << "Assign copies";
  EXPECT_EQ(copy.GetCanvas()->GetPixels(0, 0), clBlue);

  const int before = changes;
  b.Mask(clRed);
  EXPECT_GT(changes, before);
  EXPECT_TRUE(b.GetMonochrome());
  EXPECT_EQ(b.GetCanvas()->GetPixels(2, 2), clWhite);
  EXPECT_EQ(b.GetCanvas()->GetPixels(0, 0), clBlack);
  EXPECT_EQ(b.GetCanvas()->GetPixels(1, 1), clBlack);
}

TEST(TBitmapEdits, ScanLineIsTheRowOfPixels) {
  TBitmap b;
  b.SetSize(3, 2);
  b.GetScanLine(1)[2] = 0x00112233;  // surface layout 0x00RRGGBB
  EXPECT_EQ(b.GetCanvas()->GetPixels(2, 1), 0x00332211);
  EXPECT_THROW(b.GetScanLine(2), EInvalidGraphicOperation);
  EXPECT_THROW(b.GetScanLine(-1), EInvalidGraphicOperation);
}

TEST(TCanvasHandle, AdoptsAForeignDCAndLetsGo) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(4, 4, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(dc, bitmap);
  {
    TCanvas canvas;
    EXPECT_THROW(canvas.FillRect(Rect(0, 0, 1, 1)), EInvalidOperation);
    canvas.SetHandle(dc);
    canvas.GetBrush()->SetColor(clTeal);
    canvas.FillRect(Rect(0, 0, 2, 2));
    canvas.SetHandle(nullptr);
    EXPECT_FALSE(canvas.HandleAllocated());
  }
  EXPECT_EQ(GetPixel(dc, 1, 1), static_cast<COLORREF>(clTeal)) << "the DC outlives the canvas";
  SelectObject(dc, old);
  DeleteDC(dc);
  DeleteObject(bitmap);
}

TEST(TCanvasDrawing, BrushCopyReplacesTheColourByTheBrush) {
  TBitmap src;
  src.SetSize(2, 1);
  src.GetCanvas()->SetPixels(0, 0, clOlive);
  src.GetCanvas()->SetPixels(1, 0, clNavy);
  TBitmap dst;
  dst.SetSize(2, 1);
  dst.GetCanvas()->GetBrush()->SetColor(clSilver);
  dst.GetCanvas()->BrushCopy(Rect(0, 0, 2, 1), &src, Rect(0, 0, 2, 1), clOlive);
  EXPECT_EQ(dst.GetCanvas()->GetPixels(0, 0), clSilver);
  EXPECT_EQ(dst.GetCanvas()->GetPixels(1, 0), clNavy);
}

TEST(TCanvasDrawing, FloodFillStopsAtTheBorder) {
  TBitmap b;
  b.SetSize(5, 5);
  Fill(b, clWhite);
  b.GetCanvas()->GetPen()->SetColor(clBlack);
  b.GetCanvas()->GetBrush()->SetStyle(bsClear);
  b.GetCanvas()->Rectangle(0, 0, 4, 4);  // ring on 0..3
  b.GetCanvas()->GetBrush()->SetColor(clRed);
  b.GetCanvas()->FloodFill(1, 1, clBlack, fsBorder);
  EXPECT_EQ(b.GetCanvas()->GetPixels(2, 2), clRed);
  EXPECT_EQ(b.GetCanvas()->GetPixels(0, 0), clBlack);
  EXPECT_EQ(b.GetCanvas()->GetPixels(4, 4), clWhite);
}

TEST(TFontSize, PointsAndPixelsConvertThroughPixelsPerInch) {
  struct Case {
    int Size, Height;
  };
  for (const Case c : {Case{8, -11}, Case{10, -13}, Case{12, -16}, Case{25, -33}, Case{0, 0}}) {
    TFont font;
    font.SetSize(c.Size);
    EXPECT_EQ(font.GetHeight(), c.Height) << c.Size;
    font.SetHeight(c.Height);
    EXPECT_EQ(font.GetSize(), c.Size) << c.Height;
  }
  TFont font;
  font.PixelsPerInch = 120;
  font.SetSize(10);
  EXPECT_EQ(font.GetHeight(), -17);
}

TEST(TFontHandle, AdoptingAHandleTakesItsProperties) {
  TFont font;
  int changes = 0;
  font.OnChange = TNotifyEvent([&](TObject*) { ++changes; });
  LOGFONT lf;
  lf.lfHeight = -16;
  lf.lfWeight = FW_BOLD;
  lf.lfItalic = 1;
  std::strcpy(lf.lfFaceName, "Arial");
  HFONT arial = CreateFontIndirect(&lf);
  font.SetHandle(arial);
  EXPECT_EQ(font.GetHandle(), arial);
  EXPECT_EQ(font.GetName(), "Arial");
  EXPECT_EQ(font.GetSize(), 12);
  EXPECT_EQ(font.GetStyle(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_EQ(changes, 1);
  font.SetStyle(TFontStyles{});
  EXPECT_NE(font.GetHandle(), nullptr);
  EXPECT_EQ(GdiKindOf(arial), GdiKind::None) << "the adopted font is released when replaced";
}

}  // namespace
