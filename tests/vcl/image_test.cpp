#include "gdi.h"
#include "timage.h"
#include "vcl_fixture.h"

namespace {

class ImageTest : public VclTest {
 protected:
  void SetUp() override {
    form = ShownForm();
    image = TObject::Create<TImage>(form);
    image->SetBounds(10, 20, 40, 30);
    image->SetParent(form);
  }

  TColor FormPixel(int x, int y) {
    HDC dc = GetDC(form->GetHandle());
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(form->GetHandle(), dc);
    return static_cast<TColor>(c);
  }

  TForm* form = nullptr;
  TImage* image = nullptr;
};

}  // namespace

TEST_F(ImageTest, CanvasMakesABitmapOfTheControlSizeThatFollowsResizes) {
  TCanvas* canvas = image->GetCanvas();
  ASSERT_NE(image->GetPicture()->GetBitmap(), nullptr);
  EXPECT_EQ(image->GetPicture()->GetWidth(), 40);
  EXPECT_EQ(image->GetPicture()->GetHeight(), 30);
  canvas->GetBrush()->SetColor(clLime);
  canvas->FillRect(TRect(0, 0, 40, 30));
  app.pump();
  EXPECT_EQ(FormPixel(10 + 5, 20 + 5), clLime);

  image->SetBounds(10, 20, 60, 50);
  EXPECT_EQ(image->GetPicture()->GetWidth(), 60);
  EXPECT_EQ(image->GetPicture()->GetHeight(), 50);
  EXPECT_EQ(image->GetCanvas()->GetPixels(5, 5), clLime);
  EXPECT_EQ(image->GetCanvas()->GetPixels(55, 45), clBlack);  // grown pixels are black
}

TEST_F(ImageTest, AutoSizeFitsThePictureAndStretchOrCenterPlaceIt) {
  auto* bitmap = new TBitmap;
  bitmap->SetSize(16, 8);
  image->GetPicture()->SetBitmap(bitmap);
  delete bitmap;
  EXPECT_EQ(image->DestRect(), TRect(0, 0, 16, 8));
  image->SetCenter(true);
  EXPECT_EQ(image->DestRect(), TRect(12, 11, 28, 19));
  image->SetStretch(true);
  EXPECT_EQ(image->DestRect(), TRect(0, 0, 40, 30));
  image->SetAutoSize(true);
  EXPECT_EQ(image->GetWidth(), 16);
  EXPECT_EQ(image->GetHeight(), 8);
}

TEST_F(ImageTest, ACanvasOverAnotherKindOfGraphicIsRefused) {
  auto* icon = new TIcon;
  image->GetPicture()->SetGraphic(icon);
  delete icon;
  EXPECT_THROW(image->GetCanvas(), EInvalidOperation);
}

TEST_F(VclTest, MouseEnterAndLeaveFollowThePointerOverWindowlessControls) {
  TForm* f = ShownForm();
  auto* a = TObject::Create<TSwatch>(f);
  a->SetBounds(10, 10, 20, 20);
  a->SetParent(f);
  std::vector<std::string> log;
  a->OnMouseEnter = [&](TObject*) { log.push_back("enter"); };
  a->OnMouseLeave = [&](TObject*) { log.push_back("leave"); };
  const TPoint inside = f->ClientToScreen(TPoint(15, 15));
  const TPoint outside = f->ClientToScreen(TPoint(100, 100));
  app.host().PostMouseMove(inside.x, inside.y);
  app.pump();
  app.host().PostMouseMove(inside.x + 1, inside.y);
  app.pump();
  app.host().PostMouseMove(outside.x, outside.y);
  app.pump();
  EXPECT_EQ(log, (std::vector<std::string>{"enter", "leave"}));
}
