// Draft and non-antialiased text is whole pixels only: on every depth a run
// leaves just the text colour and the background, so it can serve as a mask.
#include <gtest/gtest.h>

#include <set>

#include "bitmap.h"
#include "brush.h"
#include "dc.h"
#include "fill.h"
#include "font.h"
#include "font_class.h"
#include "gdiobj.h"
#include "rect.h"
#include "text.h"

namespace {

// The colours found on a white bitmap of the given depth after drawing a
// line of text in a dark blue with the given quality.
std::set<COLORREF> ColoursAfterText(int bitsPerPixel, BYTE quality) {
  constexpr int kWidth = 160, kHeight = 40;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(kWidth, kHeight, 1, static_cast<UINT>(bitsPerPixel), nullptr);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  RECT all = TRect(0, 0, kWidth, kHeight);
  HBRUSH white = CreateSolidBrush(0xFFFFFF);
  FillRect(dc, &all, white);
  DeleteObject(white);
  HFONT font = CreateFont(-20, 0, 0, 0, FW_NORMAL, 1, 1, 0, ANSI_CHARSET, 0, 0, quality, 0, "Liberation Sans");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, 0x800000);
  TextOut(dc, 4, 4, "Wagen & Öl", 11);
  std::set<COLORREF> colours;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) colours.insert(GetPixel(dc, x, y));
  SelectObject(dc, oldFont);
  DeleteObject(font);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  return colours;
}

TEST(TextQuality, DraftAndNonAntialiasedTextHasNoGreyEdgeOnAnyDepth) {
  for (BYTE quality : {DRAFT_QUALITY, NONANTIALIASED_QUALITY}) {
    for (int bits : {1, 4, 8, 16, 24, 32}) {
      const std::set<COLORREF> colours = ColoursAfterText(bits, quality);
      EXPECT_EQ(colours.size(), 2u) << "quality " << int(quality) << ", " << bits << " bits";
    }
  }
  // The default keeps its smooth edges.
  EXPECT_GT(ColoursAfterText(32, DEFAULT_QUALITY).size(), 2u);
}

TEST(TextQuality, TheFontsQualityReachesItsHandleAndComesBack) {
  TFont font;
  font.SetQuality(fqNonAntialiased);
  LOGFONT lf;
  ASSERT_EQ(GetObject(font.GetHandle(), sizeof lf, &lf), static_cast<int>(sizeof lf));
  EXPECT_EQ(lf.lfQuality, NONANTIALIASED_QUALITY);
  lf.lfQuality = DRAFT_QUALITY;
  TFont adopted;
  adopted.SetHandle(CreateFontIndirect(&lf));
  EXPECT_EQ(adopted.GetQuality(), fqDraft);
}

}  // namespace
