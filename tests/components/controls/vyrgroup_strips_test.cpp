#include <gtest/gtest.h>

#include <set>

#include "bitmap_class.h"
#include "canvas.h"
#include "library_app.h"
#include "vyrgroup.h"

using namespace Vyrgroup;

namespace {

TColor Px(TBitmap& B, int X, int Y) { return static_cast<TColor>(ColorToRGB(B.GetCanvas()->GetPixels(X, Y))); }

// The cell's pixels as one string of colours, to tell cells apart.
std::vector<TColor> Cell(TBitmap& B, int Index, int Size) {
  std::vector<TColor> out;
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) out.push_back(Px(B, Index * Size + x, y));
  return out;
}

TEST(StandardStrips, SixCheckBoxCellsAndFourRadioCells) {
  TestSupport::LibraryApp app({});
  TBitmap check, radio;
  VyrCreateCheckBoxStrip(&check, 13, false);
  EXPECT_EQ(check.GetWidth(), 78);
  EXPECT_EQ(check.GetHeight(), 13);
  std::set<std::vector<TColor>> cells;
  for (int i = 0; i < 4; ++i) cells.insert(Cell(check, i, 13));
  EXPECT_EQ(cells.size(), 4u) << "checked or not, enabled or not";
  EXPECT_NE(Cell(check, 4, 13), Cell(check, 2, 13)) << "grayed is not checked";

  VyrCreateRadioStrip(&radio, 13, false);
  EXPECT_EQ(radio.GetWidth(), 52);
  EXPECT_EQ(Px(radio, 0, 0), clOlive) << "the round image keeps the transparent corners";
  EXPECT_EQ(Px(radio, 3 * 13, 12), clOlive);
  EXPECT_NE(Cell(radio, 0, 13), Cell(radio, 2, 13));

  TBitmap flat;
  VyrCreateCheckBoxStrip(&flat, 13, true);
  EXPECT_NE(Cell(flat, 0, 13), Cell(check, 0, 13)) << "the flat look";
}

}  // namespace
