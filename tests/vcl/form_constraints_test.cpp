// A form's Constraints hold when its frame is sized by hand.
#include "keyboard.h"
#include "nc_size_loop.h"
#include "vcl_fixture.h"

namespace {

class FormConstraints : public VclTest {
 protected:
  // Drags the form's bottom-right corner by (dx, dy) with the mouse; the
  // clock moves on first so that drags from one spot are no double click.
  void DragCorner(TForm* f, int dx, int dy) {
    app.advance(1000);
    const int x = f->GetLeft() + f->GetWidth() - 1, y = f->GetTop() + f->GetHeight() - 1;
    app.host().PostMouseDown(x, y);
    app.host().PostMouseMove(x + dx, y + dy);
    app.host().PostMouseUp(x + dx, y + dy);
    app.pump();
  }
};

TEST_F(FormConstraints, AFrameSizedByHandStopsAtThem) {
  TForm* f = ShownForm();
  f->SetBounds(100, 100, 400, 300);
  f->GetConstraints()->SetMinWidth(300);
  f->GetConstraints()->SetMinHeight(250);
  f->GetConstraints()->SetMaxWidth(500);
  f->GetConstraints()->SetMaxHeight(360);
  app.pump();
  struct Case {
    int dx, dy;
    int width, height;
  } cases[] = {
      {40, 20, 440, 320},    // inside: as dragged
      {300, 300, 500, 360},  // past the largest
      {-300, -300, 300, 250},  // past the smallest
  };
  for (const Case& c : cases) {
    f->SetBounds(100, 100, 400, 300);
    app.pump();
    DragCorner(f, c.dx, c.dy);
    EXPECT_EQ(f->GetWidth(), c.width) << c.dx << "," << c.dy;
    EXPECT_EQ(f->GetHeight(), c.height) << c.dx << "," << c.dy;
  }

  // The keyboard's sizing keeps to them as well.
  f->SetBounds(100, 100, 400, 300);
  app.pump();
  for (int k : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT,
                VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RETURN})
    app.key(k);
  SendMessage(f->GetHandle(), WM_SYSCOMMAND, SC_SIZE, 0);
  app.pump();
  EXPECT_EQ(f->GetWidth(), 500);
}

TEST_F(FormConstraints, NoLimitsLeaveTheWindowsOwnTrackSizes) {
  TForm* f = ShownForm();
  const MINMAXINFO plain = TrackLimits(f->GetHandle());
  // A minimum below the window's own smallest size does not lower it.
  f->GetConstraints()->SetMinWidth(1);
  const MINMAXINFO limited = TrackLimits(f->GetHandle());
  EXPECT_EQ(limited.ptMinTrackSize.x, plain.ptMinTrackSize.x);
  EXPECT_EQ(limited.ptMaxTrackSize.x, plain.ptMaxTrackSize.x);
  EXPECT_EQ(limited.ptMaxTrackSize.y, plain.ptMaxTrackSize.y);
  f->GetConstraints()->SetMaxHeight(200);
  EXPECT_EQ(TrackLimits(f->GetHandle()).ptMaxTrackSize.y, 200);
}

}  // namespace
