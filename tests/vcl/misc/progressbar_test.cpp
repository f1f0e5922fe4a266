#include "comctrls_progressbar.h"

#include "stdctrls_fixture.h"

namespace {

class ProgressBarTest : public StdCtrlsTest {
 protected:
  TProgressBar* Bar(int max) {
    form = ShownForm(300, 100);
    auto* bar = TObject::Create<TProgressBar>(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 200, 20);
    bar->SetMax(max);
    return bar;
  }
  TForm* form = nullptr;
};

}  // namespace

TEST_F(ProgressBarTest, PositionStaysWithinTheRange) {
  TProgressBar* bar = Bar(6);
  struct Case {
    int set, want;
  } cases[] = {{3, 3}, {-5, 0}, {7, 6}, {6, 6}, {INT_MAX, 6}};
  for (const Case& c : cases) {
    bar->SetPosition(c.set);
    EXPECT_EQ(bar->GetPosition(), c.want) << c.set;
  }
  // A range narrowed later pulls the position in.
  bar->SetMax(4);
  EXPECT_EQ(bar->GetPosition(), 4);
  bar->SetMin(5);
  EXPECT_EQ(bar->GetPosition(), 5);
}

TEST_F(ProgressBarTest, StepItStartsANewRoundPastMaxAndStepByHolds) {
  TProgressBar* bar = Bar(100);
  bar->SetPosition(95);
  bar->StepIt();  // 105: five past the end
  EXPECT_EQ(bar->GetPosition(), 5);
  bar->StepIt();
  EXPECT_EQ(bar->GetPosition(), 15);
  bar->StepBy(1000);
  EXPECT_EQ(bar->GetPosition(), 100);
  bar->StepBy(-1000);
  EXPECT_EQ(bar->GetPosition(), 0);
}

TEST_F(ProgressBarTest, PaintsBlocksInTheHighlightUpToThePosition) {
  TProgressBar* bar = Bar(6);
  bar->SetPosition(3);
  app.pump();
  const TRect inside = bar->BarRect();
  const int block = bar->BlockSize();
  const int mid = inside.top + inside.Height() / 2;
  EXPECT_EQ(Pixel(bar, inside.left, mid), Rgb(clHighlight));
  EXPECT_EQ(Pixel(bar, inside.left + block, mid), Rgb(clBtnFace));  // the gap after the first block
  EXPECT_EQ(Pixel(bar, inside.left + block + TProgressBar::kBlockGap, mid), Rgb(clHighlight));
  EXPECT_EQ(Pixel(bar, inside.right - 3, mid), Rgb(clBtnFace));  // beyond half way
  EXPECT_EQ(Pixel(bar, 0, 0), Rgb(clBtnShadow));                 // the sunken edge
  EXPECT_EQ(Pixel(bar, 199, 19), Rgb(clBtnHighlight));

  bar->SetSmooth(true);
  bar->SetPosition(6);
  app.pump();
  EXPECT_EQ(CountPixels(bar, inside, clHighlight), inside.Width() * inside.Height());
}

TEST_F(ProgressBarTest, VerticalBarFillsFromTheBottom) {
  TProgressBar* bar = Bar(10);
  bar->SetOrientation(pbVertical);
  bar->SetBounds(10, 10, 20, 80);
  bar->SetSmooth(true);
  bar->SetPosition(5);
  app.pump();
  const TRect inside = bar->BarRect();
  EXPECT_EQ(Pixel(bar, 10, inside.bottom - 1), Rgb(clHighlight));
  EXPECT_EQ(Pixel(bar, 10, inside.top + 1), Rgb(clBtnFace));
}
