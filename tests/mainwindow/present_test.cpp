// One frame of a step on the real main window: the layer repaints the whole
// view, the host is handed only the pixels that changed.
#include "main_window_fixture.h"
#include "paint.h"
#include "window_internal.h"

namespace {

TEST_F(MainWindowTest, AStepFramePresentsOnlyWhatChanged) {
  Open();
  const Surface* surface = GetWindowSurface(form->GetHandle());
  ASSERT_NE(surface, nullptr);
  std::vector<Pixel> before;
  for (int y = 0; y < surface->Height(); ++y)
    before.insert(before.end(), surface->Row(y), surface->Row(y) + surface->Width());

  // The figure half-way into the next cell, as the animation draws it.
  form->SpriteOffsetX = 16;
  form->RedrawCells(form->PlayerX - 1, form->PlayerY - 1, form->PlayerX + 2, form->PlayerY + 2);
  app->pump();

  TRect differ;  // the bounding box of the pixels that changed
  for (int y = 0; y < surface->Height(); ++y)
    for (int x = 0; x < surface->Width(); ++x)
      if (surface->At(x, y) != before[static_cast<std::size_t>(y * surface->Width() + x)]) {
        const TRect pixel(x, y, x + 1, y + 1);
        UnionRect(&differ, &differ, &pixel);
      }
  ASSERT_FALSE(IsRectEmpty(&differ)) << "the figure moved";
  const auto* state = app->host().Window(WindowManager::Find(form->GetHandle())->Host);
  ASSERT_NE(state, nullptr);
  ASSERT_FALSE(state->LastChanged.empty());
  TRect reported;
  for (const TRect& r : state->LastChanged) {
    TRect inside;
    IntersectRect(&inside, &r, &differ);
    EXPECT_EQ(inside, r) << "a rectangle with nothing changed in it";
    UnionRect(&reported, &reported, &r);
  }
  EXPECT_EQ(reported, differ) << "every changed pixel is reported";
  EXPECT_GT(state->LastDirty.Width() * state->LastDirty.Height(), 8 * differ.Width() * differ.Height())
      << "the layer repainted far more than changed";
}

}  // namespace
