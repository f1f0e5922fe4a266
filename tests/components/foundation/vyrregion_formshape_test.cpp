#include <vector>

#include "classregistry.h"
#include "fill.h"
#include "form_text.h"
#include "gdiobj.h"
#include "messages.h"
#include "metrics.h"
#include "paint.h"
#include "test_forms.h"
#include "vyrregion_fixture.h"
#include "window.h"
#include "window_internal.h"

using namespace Vyrregion;
using Vyrgraph::TVyrFillStyle;

namespace {

struct Spot {
  int x, y;
  bool inside;
};

class FormShapeTest : public RegionTest {
 protected:
  FormShapeTest() { RegisterClasses({TShapedTestForm::StaticClass()}); }

  // The window region of Form, or nullptr when it has none.
  static HRGN WindowRegion(TForm* Form) {
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(Form->GetHandle(), rgn) == ERROR) {
      DeleteObject(rgn);
      return nullptr;
    }
    return rgn;
  }
  static void ExpectRegion(TForm* Form, const std::vector<Spot>& Spots, const char* What) {
    HRGN rgn = WindowRegion(Form);
    ASSERT_NE(rgn, nullptr) << What;
    for (const Spot& s : Spots)
      EXPECT_EQ(PtInRegion(rgn, s.x, s.y) != FALSE, s.inside) << What << " at " << s.x << "," << s.y;
    DeleteObject(rgn);
  }
  static LRESULT HitTest(TForm* Form, int ClientX, int ClientY) {
    const TPoint p = Form->ClientToScreen(TPoint(ClientX, ClientY));
    return SendMessage(Form->GetHandle(), WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(p.x), static_cast<WORD>(p.y)));
  }
  // A plain form with a shape of its own, hooked in as loading would.
  TVyrFormShape* ShapeOn(TForm* Form, TVyrRegionShape Shape) {
    auto* shape = TObject::Create<TVyrFormShape>(Form);
    shape->GetRegion()->SetRegionShape(Shape);
    shape->NewWndProc();
    shape->ReRegion();
    return shape;
  }
  TForm* PlainForm(TFormBorderStyle Border, int W = 200, int H = 150) {
    TForm* form = TObject::Create<TForm>(Application);
    form->SetBorderStyle(Border);
    form->SetClientWidth(W);
    form->SetClientHeight(H);
    form->GetHandle();
    return form;
  }
};

// Tells whether the form's own procedure still closes it.
struct TCloseWatch : TObject {
  bool closed = false;
  void Close(TObject*, TCloseAction& Action) {
    closed = true;
    Action = caHide;
  }
};

}  // namespace

TEST_F(FormShapeTest, TheAboutBoxFormIsASharpShieldDraggedByItsFreeArea) {
  auto* form = app.create_form<TShapedTestForm>();
  ASSERT_NE(form->VyrFormShape1, nullptr);
  form->Show();
  app.pump();
  ASSERT_EQ(form->GetClientWidth(), 614);
  const std::vector<Spot> spots = {{308, 250, true},  {308, 480, true},  {308, 20, true},
                                   {20, 20, false},   {30, 400, false},  {200, 480, false}};
  ExpectRegion(form, spots, "window");
  const auto* host = app.host().Window(WindowManager::Find(form->GetHandle())->Host);
  ASSERT_TRUE(host && host->Shape.has_value());
  for (const Spot& s : spots) EXPECT_EQ(host->Shape->Contains(s.x, s.y), s.inside) << "host at " << s.x << "," << s.y;

  // The picture fills the shield, tiled from the top-left corner.
  HDC dc = GetDC(form->GetHandle());
  for (auto [x, y] : {std::pair{308, 250}, std::pair{100, 100}, std::pair{300, 470}})
    EXPECT_EQ(static_cast<TColor>(GetPixel(dc, x, y)), TiledQuadrant(kShieldPicture, x, y)) << x << "," << y;
  ReleaseDC(form->GetHandle(), dc);

  EXPECT_EQ(HitTest(form, 308, 250), HTCAPTION);
  const TPoint onButton(form->Button1->GetLeft() + 5, form->Button1->GetTop() + 5);
  EXPECT_EQ(HitTest(form, onButton.x, onButton.y), HTCLIENT);
  SendMessage(form->GetHandle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
  EXPECT_EQ(HitTest(form, 308, 250), HTCLIENT);
  SendMessage(form->GetHandle(), WM_NCLBUTTONUP, HTCAPTION, 0);
  EXPECT_EQ(HitTest(form, 308, 250), HTCAPTION);
  form->VyrFormShape1->SetFormDragable(false);
  EXPECT_EQ(HitTest(form, 308, 250), HTCLIENT);

  app.click(form->Button1, 10, 10);
  app.pump();
  EXPECT_EQ(form->Clicks, 1);
  form->Free();
}

TEST_F(FormShapeTest, TheCaptionStripFollowsTheBorderAndTheWindowState) {
  const int frame = GetSystemMetrics(SM_CXDLGFRAME);
  const int top = GetSystemMetrics(SM_CYDLGFRAME) + GetSystemMetrics(SM_CYCAPTION);
  TForm* form = PlainForm(bsSingle);
  TVyrFormShape* shape = ShapeOn(form, TVyrRegionShape::rsRect);
  // With the caption: the strip above the client area stays.
  ExpectRegion(form, {{1, 1, true}, {frame + 5, top + 5, true}}, "with caption");
  EXPECT_EQ(shape->GetCaptionHeight(), GetSystemMetrics(SM_CYCAPTION));
  // Without: only the shape, moved by the frame and the caption.
  shape->SetShowFormCaption(false);
  shape->ReRegion();
  ExpectRegion(form, {{1, 1, false}, {frame - 2, top + 5, false}, {frame + 5, top + 5, true}}, "without caption");

  SetWindowLong(form->GetHandle(), GWL_STYLE, GetWindowLong(form->GetHandle(), GWL_STYLE) | WS_MINIMIZE);
  shape->ReRegion();
  ExpectRegion(form, {{1, 1, true}, {form->GetWidth() - 1, top - 1, true}, {frame + 5, top + 5, false}}, "minimised");
  form->Free();
}

TEST_F(FormShapeTest, ABitmapShapeNeedsItsMaskAndSizesTheForm) {
  TForm* form = PlainForm(bsNone);
  TVyrFormShape* shape = ShapeOn(form, TVyrRegionShape::rsBitmap);
  EXPECT_EQ(WindowRegion(form), nullptr);  // no mask data: a plain rectangle

  // A mask of two rectangles, the left one taller, and its picture.
  HRGN maskRgn = CreateRectRgn(0, 0, 60, 90);
  HRGN right = CreateRectRgn(60, 0, 120, 40);
  CombineRgn(maskRgn, maskRgn, right, RGN_OR);
  DeleteObject(right);
  auto* mask = shape->GetRegion()->GetMask();
  mask->SetDataSize(static_cast<int>(::GetRegionData(maskRgn, 0, nullptr)));
  mask->GetMem();
  mask->GetRegionData(maskRgn);
  DeleteObject(maskRgn);
  auto picture = MakeBitmap(120, 90, clRed);
  mask->SetBorderBmp(0, picture.get());
  SendMessage(form->GetHandle(), WM_SIZE, SIZE_RESTORED, 0);
  EXPECT_EQ(form->GetWidth(), 120);
  EXPECT_EQ(form->GetHeight(), 90);
  ExpectRegion(form, {{10, 80, true}, {100, 20, true}, {100, 60, false}}, "mask");
  EXPECT_TRUE(shape->BackBitmapCheck());
  EXPECT_EQ(shape->BackBitmap(), mask->GetBorderBmp());
  form->Free();
}

TEST_F(FormShapeTest, BackDrawAreaCopiesThePieceAtThePoint) {
  TForm* form = PlainForm(bsNone);
  TVyrFormShape* shape = ShapeOn(form, TVyrRegionShape::rsRect);
  auto target = MakeBitmap(80, 50, clWhite);
  EXPECT_FALSE(shape->BackDrawArea(target->GetCanvas(), TRect(10, 20, 60, 40), TPoint(100, 50), 0));  // sfNone

  shape->GetRegion()->SetRegionShape(TVyrRegionShape::rsBitmap);
  auto picture = MakeBitmap(200, 100, clWhite);
  picture->GetCanvas()->SetPixels(100, 50, clRed);
  picture->GetCanvas()->SetPixels(149, 69, clBlue);
  picture->GetCanvas()->SetPixels(150, 70, clLime);
  shape->GetRegion()->GetMask()->SetBorderBmp(0, picture.get());
  ASSERT_TRUE(shape->BackDrawArea(target->GetCanvas(), TRect(10, 20, 60, 40), TPoint(100, 50), 0));
  EXPECT_EQ(Px(target.get(), 10, 20), clRed);
  EXPECT_EQ(Px(target.get(), 59, 39), clBlue);
  EXPECT_EQ(Px(target.get(), 60, 40), clWhite);  // (150, 70) lies outside the piece
  EXPECT_EQ(Px(target.get(), 9, 19), clWhite);
  form->Free();
}

TEST_F(FormShapeTest, RegionDataIsTakenOnlyWhole) {
  // A region of one rectangle, and the same block cut short.
  HRGN rgn = CreateRectRgn(0, 0, 50, 40);
  std::vector<Byte> block(::GetRegionData(rgn, 0, nullptr));
  ::GetRegionData(rgn, static_cast<DWORD>(block.size()), reinterpret_cast<RGNDATA*>(block.data()));
  DeleteObject(rgn);
  auto hex = [](const std::vector<Byte>& b) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (Byte c : b) out += {digits[c >> 4], digits[c & 15]};
    return out;
  };
  struct Case {
    const char* what;
    int size;
    std::vector<Byte> data;
    bool kept;
  } cases[] = {
      {"whole", static_cast<int>(block.size()), block, true},
      {"short", static_cast<int>(block.size()), std::vector<Byte>(block.begin(), block.end() - 16), false},
      {"size says less", 32, block, false},
      {"header lies", static_cast<int>(block.size()),
       [&] {
         auto b = block;
         b[8] = 2;  // two rectangles in the bytes of one
         return b;
       }(),
       false},
  };
  for (const Case& c : cases) {
    TForm* form = PlainForm(bsNone);
    auto* shape = TObject::Create<TVyrFormShape>(form);
    shape->SetName("Shape1");
    const std::string text = "object Shape1: TVyrFormShape\n  Region.Shape = rsBitmap\n  Region.Mask.RegionDataSize = " +
                             std::to_string(c.size) + "\n  Region.Mask.RegionData = {" + hex(c.data) + "}\nend\n";
    TestSupport::ReadFormText(text, shape);
    shape->NewWndProc();
    shape->ReRegion();
    EXPECT_EQ(shape->GetRegion()->GetMask()->GetRegionDataSize(), c.kept ? c.size : 0) << c.what;
    HRGN window = WindowRegion(form);
    EXPECT_EQ(window != nullptr, c.kept) << c.what;
    if (window) {
      EXPECT_TRUE(PtInRegion(window, 45, 35)) << c.what;
      EXPECT_FALSE(PtInRegion(window, 55, 35)) << c.what;
      DeleteObject(window);
    }
    if (c.kept) {
      const std::string written = TestSupport::WrittenFormText(shape);
      EXPECT_NE(written.find("Region.Mask.RegionData = {"), std::string::npos) << written;
    }
    form->Free();
  }
}

TEST_F(FormShapeTest, OneShapeAndOneFillPerFormAtDesignTime) {
  TForm* form = PlainForm(bsNone);
  form->SetDesigning(true);
  TObject::Create<TVyrFormShape>(form);
  EXPECT_THROW(TObject::Create<TVyrFormShape>(form), Vyrclass::VyrEOneInstError);
  TObject::Create<Vyrforma::TVyrFormFill>(form);
  EXPECT_THROW(TObject::Create<Vyrforma::TVyrFormFill>(form), Vyrclass::VyrEOneInstError);
  EXPECT_NO_THROW(TObject::Create<Vyrforma::TVyrBack>(form));
  EXPECT_NO_THROW(TObject::Create<Vyrforma::TVyrBack>(form));
  EXPECT_EQ(form->GetComponentCount(), 4);
  form->SetDesigning(false);
  form->Free();
  // At run time nobody counts.
  TForm* running = PlainForm(bsNone);
  TObject::Create<TVyrFormShape>(running);
  EXPECT_NO_THROW(TObject::Create<TVyrFormShape>(running));
  running->Free();
}

TEST_F(FormShapeTest, ShapeAndFillLeaveEachOtherWorkingWhicheverGoesFirst) {
  struct Case {
    bool shapeFirst, freeShape;
  } cases[] = {{true, true}, {true, false}, {false, true}, {false, false}};
  for (const Case& c : cases) {
    TForm* form = PlainForm(bsNone);
    TVyrFormShape* shape = nullptr;
    Vyrforma::TVyrFormFill* fill = nullptr;
    auto hookShape = [&] { shape = ShapeOn(form, TVyrRegionShape::rsRect); };
    auto hookFill = [&] {
      fill = TObject::Create<Vyrforma::TVyrFormFill>(form);
      fill->GetFillObject()->SetStyle(TVyrFillStyle::sfBrush);
      fill->GetFillObject()->GetBrush()->SetColor(clRed);
      fill->NewWndProc();
    };
    if (c.shapeFirst) {
      hookShape();
      hookFill();
    } else {
      hookFill();
      hookShape();
    }
    auto erase = MakeBitmap(20, 20, clWhite);
    if (c.freeShape) {
      shape->Free();
      EXPECT_EQ(SendMessage(form->GetHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(erase->GetCanvas()->GetHandle()), 0), 1);
      EXPECT_EQ(Px(erase.get(), 5, 5), clRed);
    } else {
      fill->Free();
      EXPECT_EQ(HitTest(form, 50, 50), HTCAPTION);
    }
    TCloseWatch watch;
    form->OnClose = TCloseEvent(&watch, &TCloseWatch::Close);
    SendMessage(form->GetHandle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(watch.closed) << c.shapeFirst << c.freeShape;
    form->Free();
  }
}
