// The About box from the menu: its texts, and the keys that close it.
#include <algorithm>

#include "fill.h"
#include "gdiobj.h"
#include "main_window_fixture.h"
#include "paint.h"
#include "window_pos.h"

namespace {

class AboutBoxTest : public MainWindowTest {
 protected:
  void SetUp() override { Open(); }

  // The box as the screen shows it, at a point of the form.
  static TColor Shown(int x, int y) {
    const Surface* surface = GetWindowSurface(Form2->GetHandle());
    return surface ? static_cast<TColor>(PixelToColorRef(surface->At(x, y))) : clNone;
  }
  static TColor Picture(int x, int y) {
    return Form2->VyrFormShape1->GetFillObject()->GetBitmapProp()->GetCanvas()->GetPixels(x, y);
  }
};

TEST_F(AboutBoxTest, TheWindowIsCutToTheShieldAndClicksOutsideItPassBy) {
  Form2->Show();
  app->pump();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(Form2->GetHandle(), region), ERROR);
  const struct {
    int x, y;
    bool inside;
  } spots[] = {{307, 250, true}, {307, 480, true}, {10, 10, false}, {603, 486, false}};
  for (const auto& s : spots) EXPECT_EQ(PtInRegion(region, s.x, s.y) != FALSE, s.inside) << s.x << "," << s.y;
  DeleteObject(region);

  // A corner cut off lets the click through; the shield's own face takes
  // it (as a drag of the borderless window).
  Form2->Hide();
  std::vector<TPoint> pressesOnTheBox;
  Application->OnMessage = [&](MSG& m, bool&) {
    if ((m.message == WM_LBUTTONDOWN || m.message == WM_NCLBUTTONDOWN) && m.hwnd == Form2->GetHandle())
      pressesOnTheBox.push_back(TPoint(m.pt.x, m.pt.y));
  };
  const TPoint corner = Form2->ClientToScreen(TPoint(10, 10)), face = Form2->ClientToScreen(TPoint(307, 470));
  for (const TPoint& p : {corner, face}) app->host().PostClick(p.x, p.y);
  app->key(VK_ESCAPE);
  form->About1Click(nullptr);
  app->pump();
  Application->OnMessage = nullptr;
  EXPECT_EQ(pressesOnTheBox, std::vector<TPoint>{face});
}

TEST_F(AboutBoxTest, TheLabelsShowTheShieldsPictureBehindTheirText) {
  Form2->Show();
  app->pump();
  // Inside the title's sunken frame, above its letters.
  const TRect title = Form2->VyrLabel2->GetBoundsRect();
  const int x = title.left + 4, y = title.top + 3;
  EXPECT_EQ(ColorToRGB(Shown(x, y)), ColorToRGB(Picture(x, y)));
  EXPECT_NE(ColorToRGB(Shown(x, y)), ColorToRGB(clBtnFace));
  Form2->Hide();
}

TEST_F(AboutBoxTest, EnterAndEscCloseItAndTheGameTakesTheNextKey) {
  for (int closing : {VK_RETURN, VK_ESCAPE}) {
    app->key(closing);
    form->About1Click(nullptr);
    app->pump();
    EXPECT_FALSE(Form2->GetVisible()) << closing;
  }
  Key(VK_RIGHT);
  EXPECT_EQ(form->Steps, 1);
}

TEST_F(AboutBoxTest, ShowsTheNameVersionAndThreeAddressLines) {
  EXPECT_EQ(std::string(Form2->GetCaption().c_str()), "Über TALLIX MORVANT II");
  EXPECT_EQ(std::string(Form2->VyrLabel2->GetCaption().c_str()), "TALLIX MORVANT II");
  EXPECT_EQ(std::string(Form2->VyrLabel1->GetCaption().c_str()), "Version 2.0");
  const std::string address = Form2->VyrLabel3->GetCaption().c_str();
  EXPECT_EQ(std::count(address.begin(), address.end(), '\n'), 2) << address;
  EXPECT_EQ(Form2->GetClientWidth(), 614);
  EXPECT_EQ(Form2->GetClientHeight(), 497);
}

}  // namespace
