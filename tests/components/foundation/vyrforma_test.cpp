#include <algorithm>
#include <vector>

#include "classregistry.h"
#include "fill.h"
#include "messages.h"
#include "paint.h"
#include "test_forms.h"
#include "vyrcont.h"
#include "vyrregion_fixture.h"
#include "window.h"
#include "wndproc.h"

using namespace Vyrforma;
using Vyrgraph::TVyrFillStyle;

namespace {

// The bottom of the chain: logs what reaches it and hands it on to the
// form's own procedure.
std::vector<UINT> bottomLog;
WNDPROC formProc = nullptr;
LRESULT BottomProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  bottomLog.push_back(msg);
  return CallWindowProc(formProc, h, msg, w, l);
}

struct TPaintWatch : TObject {
  std::vector<TRect> dests;
  TColor seenAtOrigin = clNone;
  void Paint(TObject*, TCanvas* Canvas, const TRect& Dest) {
    dests.push_back(Dest);
    seenAtOrigin = Canvas->GetPixels(0, 0);
    Canvas->GetBrush()->SetColor(clBlue);
    Canvas->FillRect(TRect(0, 0, 4, 4));
  }
};

class FormFillTest : public RegionTest {
 protected:
  FormFillTest() : RegionTest() {}
  void SetUp() override {
    form = TObject::Create<TForm>(Application);
    form->SetClientWidth(120);
    form->SetClientHeight(80);
    form->SetColor(clYellow);
    bottomLog.clear();
    formProc = reinterpret_cast<WNDPROC>(GetWindowLongPtr(form->GetHandle(), GWLP_WNDPROC));
    SetWindowLongPtr(form->GetHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&BottomProc));
  }
  void TearDown() override { form->Free(); }

  template <class T = TVyrFormFill>
  T* Fill() {
    auto* fill = TObject::Create<T>(form);
    fill->NewWndProc();
    return fill;
  }
  // WM_ERASEBKGND on a bitmap of the client's size: the answer, and whether
  // the form's own procedure saw it.
  LRESULT Erase(TBitmap* Target) {
    bottomLog.clear();
    return SendMessage(form->GetHandle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(Target->GetCanvas()->GetHandle()), 0);
  }
  bool PassedOn(UINT Msg) const { return std::find(bottomLog.begin(), bottomLog.end(), Msg) != bottomLog.end(); }

  TForm* form = nullptr;
};

}  // namespace

TEST_F(FormFillTest, ABitmapFillAnswersTheEraseItself) {
  TVyrFormFill* fill = Fill();
  fill->GetFillObject()->SetStyle(TVyrFillStyle::sfBitmap);
  auto picture = FromPixels(2, 2, {clRed, clLime, clBlue, clBlack});
  fill->GetFillObject()->GetBitmapProp()->Assign(picture.get());
  auto target = MakeBitmap(120, 80);
  EXPECT_EQ(Erase(target.get()), 1);
  EXPECT_FALSE(PassedOn(WM_ERASEBKGND));
  // Tiled from the corner.
  EXPECT_EQ(Px(target.get(), 0, 0), clRed);
  EXPECT_EQ(Px(target.get(), 3, 0), clLime);
  EXPECT_EQ(Px(target.get(), 118, 79), clBlue);
}

TEST_F(FormFillTest, TheFilledDialogShowsItsPicture) {
  RegisterClasses({TFilledTestForm::StaticClass()});
  auto* dialog = app.create_form<TFilledTestForm>();
  ASSERT_NE(dialog->VyrFormFill1, nullptr);
  dialog->Show();
  app.pump();
  HDC dc = GetDC(dialog->GetHandle());
  for (auto [x, y] : {std::pair{5, 5}, std::pair{20, 5}, std::pair{5, 20}, std::pair{395, 200}})
    EXPECT_EQ(static_cast<TColor>(GetPixel(dc, x, y)), TiledQuadrant(kFilledPicture, x, y)) << x << "," << y;
  ReleaseDC(dialog->GetHandle(), dc);
  dialog->Free();
}

TEST_F(FormFillTest, WhatNobodyPaintsGoesToTheFormsOwnErase) {
  struct Case {
    const char* what;
    TVyrFillStyle style;
    TVyrPaintMode mode;
  } cases[] = {
      {"sfNone", TVyrFillStyle::sfNone, TVyrPaintMode::pcControl},
      {"pcNone", TVyrFillStyle::sfBrush, TVyrPaintMode::pcNone},
      {"owner draw without OnPaint", TVyrFillStyle::sfBrush, TVyrPaintMode::pcOwnerDraw},
  };
  for (const Case& c : cases) {
    TVyrFormFill* fill = Fill();
    fill->GetFillObject()->SetStyle(c.style);
    fill->SetPaintMode(c.mode);
    auto target = MakeBitmap(120, 80);
    Erase(target.get());
    EXPECT_TRUE(PassedOn(WM_ERASEBKGND)) << c.what;
    fill->Free();
  }
}

TEST_F(FormFillTest, OwnerDrawFillsWithTheFormsColourThenPaints) {
  TVyrFormFill* fill = Fill();
  fill->SetPaintMode(TVyrPaintMode::pcOwnerDraw);
  TPaintWatch watch;
  fill->SetOnPaint(TVyrPaintEvent(&watch, &TPaintWatch::Paint));
  auto target = MakeBitmap(120, 80, clWhite);
  EXPECT_EQ(Erase(target.get()), 1);
  EXPECT_FALSE(PassedOn(WM_ERASEBKGND));
  ASSERT_EQ(watch.dests.size(), 1u);
  EXPECT_EQ(watch.dests[0], TRect(0, 0, 120, 80));
  EXPECT_EQ(watch.seenAtOrigin, clYellow);
  EXPECT_EQ(Px(target.get(), 1, 1), clBlue);    // painted on the erase DC
  EXPECT_EQ(Px(target.get(), 60, 40), clYellow);
}

TEST_F(FormFillTest, AGradientIsDrawnOncePerSize) {
  TVyrFormFill* fill = Fill();
  fill->GetFillObject()->SetStyle(TVyrFillStyle::sfGradient);
  auto target = MakeBitmap(200, 200);
  Erase(target.get());
  TBitmap* first = fill->GetCacheBitmap();
  EXPECT_EQ(first->GetWidth(), 120);
  Erase(target.get());
  EXPECT_EQ(fill->GetCacheBitmap(), first);  // reused
  const TColor top = Px(target.get(), 60, 0), bottom = Px(target.get(), 60, 79);
  EXPECT_NE(top, bottom);

  form->SetClientHeight(100);
  SendMessage(form->GetHandle(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(120, 100));
  Erase(target.get());
  TBitmap* resized = fill->GetCacheBitmap();
  EXPECT_EQ(resized->GetHeight(), 100);
  Erase(target.get());
  EXPECT_EQ(fill->GetCacheBitmap(), resized);
}

TEST_F(FormFillTest, IndicesRefuseNegativesAndPaletteChangesRepaint) {
  TVyrFormFill* fill = Fill();
  fill->SetImageIndex(3);
  fill->SetImageIndex(-1);
  fill->SetListIndex(-5);
  EXPECT_EQ(fill->GetImageIndex(), 3);
  EXPECT_EQ(fill->GetListIndex(), 0);

  form->Show();
  app.pump();
  RECT update{};
  ASSERT_FALSE(GetUpdateRect(form->GetHandle(), &update, FALSE));
  bottomLog.clear();
  SendMessage(form->GetHandle(), WM_PALETTECHANGED, 0, 0);
  EXPECT_TRUE(PassedOn(WM_PALETTECHANGED));
  EXPECT_TRUE(GetUpdateRect(form->GetHandle(), &update, FALSE));
}

TEST_F(FormFillTest, TheBackTilesAnImageOfItsList) {
  auto* list = TObject::Create<Vyrcont::TVyrBitmapList>(form);
  auto* item = TObject::Create<Vyrcont::TVyrBitmapListItem>(list);
  list->Add(item);
  auto picture = FromPixels(2, 2, {clRed, clLime, clBlue, clFuchsia});
  item->SetBitmap(picture.get());
  TVyrBack* back = Fill<TVyrBack>();
  auto target = MakeBitmap(120, 80, clWhite);
  Erase(target.get());
  EXPECT_TRUE(PassedOn(WM_ERASEBKGND));  // no list yet
  back->SetImageList(list);
  EXPECT_EQ(Erase(target.get()), 1);
  EXPECT_EQ(Px(target.get(), 0, 0), clRed);
  EXPECT_EQ(Px(target.get(), 101, 51), clFuchsia);
  // The list goes first: the back forgets it.
  list->Free();
  EXPECT_EQ(back->GetImageList(), nullptr);
}
