#include <gtest/gtest.h>

#include "vyrgroup.h"

using namespace Vyrgroup;

TEST(GlyphCells, TheCheckBoxShowsTheCellOfItsStateAndEnabling) {
  struct Case {
    bool enabled;
    TCheckBoxState state;
    int glyphNumber, cell;
  } cases[] = {
      {true, cbUnchecked, 3, 0}, {false, cbUnchecked, 3, 1}, {true, cbChecked, 3, 2}, {false, cbChecked, 3, 3},
      {true, cbGrayed, 3, 4},    {false, cbGrayed, 3, 5},    {true, cbGrayed, 2, 2},  {true, cbChecked, 1, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(VyrCheckBoxCell(c.enabled, c.state, c.glyphNumber), c.cell) << c.enabled << c.state << c.glyphNumber;
  // The drawn strip's cells stay a glyph wide when fewer states are shown,
  // so a grayed box of two states reads the checked cell at x 26.
  const int width = VyrCheckBoxCellWidth(true, 6 * 13, 13, 2);
  EXPECT_EQ(VyrCellRect(VyrCheckBoxCell(true, cbGrayed, 2), width, 13), TRect(26, 0, 39, 13));
  EXPECT_EQ(VyrCheckBoxCellWidth(false, 96, 13, 2), 24) << "an image-list strip of two states";
  EXPECT_EQ(VyrCheckBoxCellWidth(false, 96, 13, 3), 16);
}

TEST(GlyphCells, TheRadioButtonAndItsOverride) {
  EXPECT_EQ(VyrRadioCell(true, true, 0), 2);
  EXPECT_EQ(VyrRadioCell(false, false, 0), 1);
  EXPECT_EQ(VyrRadioCell(false, true, 0), 3);
  EXPECT_EQ(VyrRadioCell(true, true, 1), 0) << "the override paints its own state";
  EXPECT_EQ(VyrRadioCell(false, false, 2), 3);
}

TEST(GlyphCells, TheClickCycle) {
  EXPECT_EQ(VyrNextCheckState(cbUnchecked, true), cbGrayed);
  EXPECT_EQ(VyrNextCheckState(cbGrayed, true), cbChecked);
  EXPECT_EQ(VyrNextCheckState(cbChecked, true), cbUnchecked);
  EXPECT_EQ(VyrNextCheckState(cbUnchecked, false), cbChecked);
}
