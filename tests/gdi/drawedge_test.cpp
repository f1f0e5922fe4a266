#include <gtest/gtest.h>

#include "memory_dc.h"
#include "rect.h"

namespace {

constexpr COLORREF kKey = RGB(0, 128, 128);  // no system colour of the classic scheme

struct EdgeCase {
  const char* name;
  UINT edge, flags;
  int x, y;  // in a 10 x 10 rect at (0, 0)
  int sysColor;  // -1: untouched
};

TEST(DrawEdge, ColoursAtThePixelsThatMatter) {
  const EdgeCase table[] = {
      {"raised outer top", EDGE_RAISED, BF_RECT, 4, 0, COLOR_3DLIGHT},
      {"raised outer left", EDGE_RAISED, BF_RECT, 0, 4, COLOR_3DLIGHT},
      {"raised outer bottom", EDGE_RAISED, BF_RECT, 4, 9, COLOR_3DDKSHADOW},
      {"raised outer right", EDGE_RAISED, BF_RECT, 9, 4, COLOR_3DDKSHADOW},
      {"raised: top-right corner is bottom-right's", EDGE_RAISED, BF_RECT, 9, 0, COLOR_3DDKSHADOW},
      {"raised: bottom-left corner is bottom-right's", EDGE_RAISED, BF_RECT, 0, 9, COLOR_3DDKSHADOW},
      {"raised inner top", EDGE_RAISED, BF_RECT, 4, 1, COLOR_BTNHIGHLIGHT},
      {"raised inner right", EDGE_RAISED, BF_RECT, 8, 4, COLOR_BTNSHADOW},
      {"raised inner top-right corner", EDGE_RAISED, BF_RECT, 8, 1, COLOR_BTNSHADOW},
      {"sunken outer top", EDGE_SUNKEN, BF_RECT, 4, 0, COLOR_BTNSHADOW},
      {"sunken outer bottom", EDGE_SUNKEN, BF_RECT, 4, 9, COLOR_BTNHIGHLIGHT},
      {"sunken inner left", EDGE_SUNKEN, BF_RECT, 1, 4, COLOR_3DDKSHADOW},
      {"sunken inner bottom", EDGE_SUNKEN, BF_RECT, 4, 8, COLOR_3DLIGHT},
      {"etched outer top", EDGE_ETCHED, BF_RECT, 4, 0, COLOR_BTNSHADOW},
      {"etched inner top", EDGE_ETCHED, BF_RECT, 4, 1, COLOR_BTNHIGHLIGHT},
      {"bump inner bottom", EDGE_BUMP, BF_RECT, 4, 8, COLOR_3DLIGHT},
      {"soft raised outer top", EDGE_RAISED, BF_RECT | BF_SOFT, 4, 0, COLOR_BTNHIGHLIGHT},
      {"soft raised inner top", EDGE_RAISED, BF_RECT | BF_SOFT, 4, 1, COLOR_3DLIGHT},
      {"soft sunken outer left", EDGE_SUNKEN, BF_RECT | BF_SOFT, 0, 4, COLOR_3DDKSHADOW},
      {"flat outer", EDGE_SUNKEN, BF_RECT | BF_FLAT, 4, 9, COLOR_BTNSHADOW},
      {"flat inner", EDGE_SUNKEN, BF_RECT | BF_FLAT, 1, 4, COLOR_BTNFACE},
      {"mono outer", EDGE_SUNKEN, BF_RECT | BF_MONO, 0, 4, COLOR_WINDOWFRAME},
      {"mono inner", EDGE_SUNKEN, BF_RECT | BF_MONO, 4, 1, COLOR_WINDOW},
      {"middle untouched without BF_MIDDLE", EDGE_RAISED, BF_RECT, 5, 5, -1},
      {"BF_MIDDLE fills with button face", EDGE_RAISED, BF_RECT | BF_MIDDLE, 5, 5, COLOR_BTNFACE},
      {"BF_MIDDLE with BF_MONO fills with window", EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_MONO, 5, 5, COLOR_WINDOW},
      {"only top: no left", EDGE_RAISED, BF_TOP, 0, 4, -1},
      {"only top: the whole row", EDGE_RAISED, BF_TOP, 0, 0, COLOR_3DLIGHT},
      {"only bottom right: bottom", EDGE_RAISED, BF_BOTTOMRIGHT, 0, 9, COLOR_3DDKSHADOW},
      {"only bottom right: top untouched", EDGE_RAISED, BF_BOTTOMRIGHT, 4, 0, -1},
      {"outer only: no inner", BDR_RAISEDOUTER, BF_RECT, 4, 1, -1},
      {"inner only: drawn on the rect", BDR_SUNKENINNER, BF_RECT, 4, 0, COLOR_3DDKSHADOW},
      {"diagonal end top right: the diagonal", EDGE_RAISED, BF_DIAGONAL_ENDTOPRIGHT, 0, 9, COLOR_3DLIGHT},
      {"diagonal end top right: off it", EDGE_RAISED, BF_DIAGONAL_ENDTOPRIGHT, 0, 0, -1},
      {"diagonal end bottom right", EDGE_SUNKEN, BF_DIAGONAL_ENDBOTTOMRIGHT, 4, 4, COLOR_BTNHIGHLIGHT},
  };
  for (const EdgeCase& c : table) {
    MemoryDC dc(10, 10, kKey);
    TRect r(0, 0, 10, 10);
    ASSERT_TRUE(DrawEdge(dc.dc(), &r, c.edge, c.flags)) << c.name;
    EXPECT_EQ(dc.At(c.x, c.y), c.sysColor < 0 ? kKey : GetSysColor(c.sysColor)) << c.name;
  }
}

TEST(DrawEdge, AdjustShrinksByTheWidthDrawnOnNamedSides) {
  MemoryDC dc(10, 10);
  TRect r(0, 0, 10, 10);
  DrawEdge(dc.dc(), &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  EXPECT_EQ(TRect(r), TRect(2, 2, 8, 8));
  r = TRect(0, 0, 10, 10);
  DrawEdge(dc.dc(), &r, BDR_RAISEDINNER, BF_TOPLEFT | BF_ADJUST);
  EXPECT_EQ(TRect(r), TRect(1, 1, 10, 10));
  r = TRect(0, 0, 10, 10);
  DrawEdge(dc.dc(), &r, EDGE_RAISED, BF_RECT);
  EXPECT_EQ(TRect(r), TRect(0, 0, 10, 10));  // without BF_ADJUST unchanged
}

}  // namespace
