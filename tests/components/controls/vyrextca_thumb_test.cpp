#include <gtest/gtest.h>

#include "bitmap_class.h"
#include "canvas.h"
#include "library_app.h"
#include "vyrclass.h"
#include "vyrextca.h"

using namespace Vyrextca;

namespace {

class DrawnThumb : public ::testing::Test {
 protected:
  TestSupport::LibraryApp app{{Vyrclass::Unit}};
  TBitmap thumb;
  TColor Px(int X, int Y) { return static_cast<TColor>(ColorToRGB(thumb.GetCanvas()->GetPixels(X, Y))); }
};

TEST_F(DrawnThumb, APointedThumbHasTwoOddImagesOnTheTransparentColour) {
  const TColor face = static_cast<TColor>(ColorToRGB(clBtnFace));
  struct Case {
    TVyrOrientation orientation;
    TVyrTickMarks marks;
    int width, height;
    TPoint outside, body;  // a corner beside the point, a pixel of the body
  } cases[] = {
      {TVyrOrientation::toHorizontal, TVyrTickMarks::tmBottomRight, 22, 19, TPoint(0, 18), TPoint(5, 5)},
      {TVyrOrientation::toHorizontal, TVyrTickMarks::tmTopLeft, 22, 19, TPoint(0, 0), TPoint(5, 13)},
      {TVyrOrientation::toVertical, TVyrTickMarks::tmBottomRight, 38, 11, TPoint(18, 0), TPoint(5, 5)},
      {TVyrOrientation::toVertical, TVyrTickMarks::tmTopLeft, 38, 11, TPoint(0, 0), TPoint(13, 5)},
  };
  for (const Case& c : cases) {
    VyrCreateThumb(&thumb, 10, c.orientation, c.marks, clBtnFace);
    EXPECT_EQ(thumb.GetWidth(), c.width);
    EXPECT_EQ(thumb.GetHeight(), c.height);
    EXPECT_EQ(Px(c.outside.x, c.outside.y), clOlive) << static_cast<int>(c.marks);
    EXPECT_EQ(Px(c.body.x, c.body.y), face) << static_cast<int>(c.marks);
    // The pressed image is the same body over a checkerboard: the colour
    // of one of two neighbours differs from the face.
    const int second = c.width / 2;
    EXPECT_EQ(Px(second + c.outside.x, c.outside.y), clOlive);
    EXPECT_TRUE(Px(second + c.body.x, c.body.y) != face || Px(second + c.body.x + 1, c.body.y) != face);
  }
}

TEST_F(DrawnThumb, ABlockForTicksOnBothSides) {
  VyrCreateThumb(&thumb, 10, TVyrOrientation::toHorizontal, TVyrTickMarks::tmBoth, clRed);
  EXPECT_EQ(thumb.GetWidth(), 20);
  EXPECT_EQ(thumb.GetHeight(), 18);
  EXPECT_EQ(Px(5, 9), clRed);
  EXPECT_NE(Px(0, 0), clRed) << "framed";
  EXPECT_NE(Px(0, 0), clOlive) << "no transparent corners";
}

}  // namespace
