// The windowed button: its owner-drawn face and glyph cells, the repeat
// clicks while it is held, and the drop-down menu that opens on a click.
#include <functional>
#include <vector>

#include "button_messages.h"
#include "controlmessages.h"
#include "exceptions.h"
#include "gdi.h"
#include "keyboard.h"
#include "messages.h"
#include "ownerdraw.h"
#include "paint.h"
#include "stdctrls_edit.h"
#include "vyrbtn_fixture.h"
#include "vyrclass_application.h"
#include "vyrutils.h"

using namespace Vyrbtn;
using S = Vyrgraph::TVyrButtonState;

namespace {

// A popup that records where it was asked to show and returns at once, as
// a menu closed without a choice.
class TRecordingPopup : public TPopupMenu {
  MORVANT_COMPONENT(TRecordingPopup, TPopupMenu)
 public:
  explicit TRecordingPopup(TComponent* AOwner) : TPopupMenu(AOwner) {}
  void Popup(int X, int Y) override {
    points.push_back(TPoint(X, Y));
    if (OnShown) OnShown();
  }
  std::vector<TPoint> points;
  std::function<void()> OnShown;
};
inline void TRecordingPopup::Publish(TPublisher<TRecordingPopup>&) {}

class WindowedButtonTest : public ButtonTest {
 protected:
  TVyrButton* NewWindowed(int Left = 10, int Top = 10, int Width = 75, int Height = 25) {
    auto* button = Place<TVyrButton>(form, Left, Top, Width, Height);
    button->OnClick = TNotifyEvent([this](TObject*) { ++clicks; });
    app.pump();
    return button;
  }
  static int Count(TWinControl* Control, TColor Color) {
    const COLORREF want = static_cast<COLORREF>(ColorToRGB(Color));
    HDC dc = GetDC(Control->GetHandle());
    int n = 0;
    for (int y = 0; y < Control->GetHeight(); ++y)
      for (int x = 0; x < Control->GetWidth(); ++x) n += GetPixel(dc, x, y) == want;
    ReleaseDC(Control->GetHandle(), dc);
    return n;
  }
  // The face the button draws into a bitmap of its size for ItemState.
  static std::unique_ptr<TBitmap> DrawnFace(TVyrButton* Button, UINT ItemState) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(Button->GetWidth(), Button->GetHeight());
    DRAWITEMSTRUCT item;
    item.CtlType = ODT_BUTTON;
    item.itemState = ItemState;
    item.hDC = bitmap->GetCanvas()->GetHandle();
    item.rcItem = Button->GetClientRect();
    Button->Perform(CN_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
    return bitmap;
  }
  static bool SamePixels(TBitmap* A, TBitmap* B) {
    for (int y = 0; y < A->GetHeight(); ++y)
      for (int x = 0; x < A->GetWidth(); ++x)
        if (A->GetCanvas()->GetPixels(x, y) != B->GetCanvas()->GetPixels(x, y)) return false;
    return true;
  }
  int clicks = 0;
};

TEST_F(WindowedButtonTest, TheGlyphCellFollowsTheFaceState) {
  TBitmap cells;
  cells.SetSize(80, 16);
  cells.GetCanvas()->GetBrush()->SetColor(clOlive);
  cells.GetCanvas()->FillRect(TRect(0, 0, 80, 16));
  const TColor centres[] = {clRed, clLime, clBlue, clYellow, clFuchsia};
  for (int i = 0; i < 5; ++i) {
    cells.GetCanvas()->GetBrush()->SetColor(centres[i]);
    cells.GetCanvas()->FillRect(TRect(i * 16 + 5, 5, i * 16 + 11, 11));
  }
  TVyrButton* button = NewWindowed();
  button->SetGlyph(&cells);
  EXPECT_EQ(button->GetNumGlyphs(), 5);
  app.pump();
  EXPECT_GT(Count(button, clRed), 0) << "at rest";
  EXPECT_EQ(Count(button, clFuchsia), 0);
  button->SetEnabled(false);
  app.pump();
  EXPECT_GT(Count(button, clLime), 0) << "disabled";
  EXPECT_EQ(Count(button, clRed), 0);
  button->SetEnabled(true);
  button->SetFocus();
  button->Perform(WM_KEYDOWN, VK_SPACE, 0);
  app.pump();
  EXPECT_EQ(button->GetState(), S::bsDown);
  EXPECT_GT(Count(button, clFuchsia), 0) << "space held";
  button->Perform(WM_KEYUP, VK_SPACE, 0);
}

TEST_F(WindowedButtonTest, TheFaceFlagsSayPlainDefaultOrFocused) {
  auto* edit = Place<TEdit>(form, 200, 10, 80, 21);
  TVyrButton* button = NewWindowed();
  edit->SetFocus();
  app.pump();
  struct Case {
    const char* what;
    bool makeDefault;
    UINT itemState;
    std::uint16_t flags;
  };
  const Case cases[] = {
      {"plain", false, 0, 1},
      {"focused, not the default look", false, ODS_FOCUS, 0x21},
      {"default, no button focused", true, 0, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    button->SetDefault(c.makeDefault);
    EXPECT_EQ(button->GetDefaultLook(), c.makeDefault);
    auto drawn = DrawnFace(button, c.itemState);
    TBitmap expected;
    expected.SetSize(button->GetWidth(), button->GetHeight());
    TRect rect = button->GetClientRect();
    Vyrutils::VyrDrawBtnFace(expected.GetCanvas(), false, rect, Vyrgraph::TVyrUserButtonStyle::ubsAutoDetect,
                             S::bsUp, c.flags, clBtnFace);
    EXPECT_TRUE(SamePixels(drawn.get(), &expected));
  }
}

TEST_F(WindowedButtonTest, ABuiltInKindIsOneCellOfTheBuiltInPicture) {
  TVyrButton* button = NewWindowed();
  button->SetGlyphKind(TVyrGlyphKind::gkFolder);
  TBitmap strip;
  VyrDrawGlyphKindStrip(&strip);
  TBitmap* glyph = button->GetGlyph();
  ASSERT_EQ(glyph->GetWidth(), 13);
  ASSERT_EQ(glyph->GetHeight(), 14);
  for (int y = 0; y < 14; ++y)
    for (int x = 0; x < 13; ++x)
      ASSERT_EQ(glyph->GetCanvas()->GetPixels(x, y), strip.GetCanvas()->GetPixels(26 + x, y)) << x << "," << y;
  EXPECT_TRUE(button->IsCustom()) << "no list gives it";
}

TEST_F(WindowedButtonTest, HeldItRepeatsWhileThePointerIsOverIt) {
  TVyrButton* button = NewWindowed();
  button->SetRepeatedClick(true);
  Press(button, 5, 5);
  app.advance(350);
  EXPECT_EQ(clicks, 3);
  Release(button, 5, 5);
  EXPECT_EQ(clicks, 4) << "the ordinary click at the release";
  EXPECT_EQ(button->GetRepeatTimer(), 0);

  clicks = 0;
  Press(button, 5, 5);
  MoveTo(form, 300, 250);
  app.advance(300);
  EXPECT_EQ(clicks, 0) << "held off the button";
  MoveTo(button, 5, 5);
  app.advance(200);
  EXPECT_EQ(clicks, 2) << "back on it";
  Release(button, 5, 5);
}

TEST_F(WindowedButtonTest, AnIntervalBetweenPoolStepsAndADoubleClickRepeatOnce) {
  TVyrButton* button = NewWindowed();
  button->SetRepeatedClick(true);
  button->SetRepeatingInterval(75);
  Press(button, 5, 5);
  const Word first = button->GetRepeatTimer();
  EXPECT_NE(first, 0);
  button->Perform(WM_LBUTTONDBLCLK, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(button->GetRepeatTimer(), first) << "one timer at most";
  app.advance(300);
  EXPECT_EQ(clicks, 3) << "75 ms runs as 100 ms";
  Release(button, 5, 5);
  EXPECT_EQ(button->GetRepeatTimer(), 0);
}

TEST_F(WindowedButtonTest, APressWithTheTimerPoolExhaustedRaises) {
  TVyrButton* button = NewWindowed();
  button->SetRepeatedClick(true);
  std::vector<Word> taken;
  for (Word ident; (ident = Vyrclass::VyrApplication->AddTimer(1000, TNotifyEvent())) != 0;) taken.push_back(ident);
  try {
    button->Perform(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 5));
    ADD_FAILURE() << "no exception";
  } catch (const EOutOfResources& e) {
    EXPECT_STREQ(e.what(), "Nicht genügend Timer verfügbar");
  }
  EXPECT_EQ(button->GetRepeatTimer(), 0);
  for (Word ident : taken) Vyrclass::VyrApplication->RemoveTimer(ident);
  button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(WindowedButtonTest, AClickOpensTheMenuPushedAndAppliesNoModalResult) {
  TVyrButton* button = NewWindowed(20, 30);
  TVyrButton* other = NewWindowed(200, 30);
  auto* menu = TObject::Create<TRecordingPopup>(form);
  button->SetDropDownMenu(menu);
  button->SetModalResult(mrOk);
  button->SetDropDownIndent(5);
  int drops = 0;
  button->OnDropDown = TNotifyEvent([&](TObject*) { ++drops; });
  menu->OnShown = [&] {
    EXPECT_TRUE(button->GetPushed());
    EXPECT_TRUE(button->GetDroppedDown());
    PostMessage(button->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    PostMessage(other->GetHandle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
  };
  // Clicked directly, so that nothing pumps the queue before it is read.
  button->Click();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(drops, 1);
  EXPECT_EQ(form->GetModalResult(), mrNone);
  EXPECT_FALSE(button->GetPushed());
  EXPECT_FALSE(button->GetDroppedDown());
  EXPECT_EQ(button->GetState(), S::bsUp);
  ASSERT_EQ(menu->points.size(), 1u);
  EXPECT_EQ(menu->points[0], button->ClientToScreen(TPoint(5, button->GetHeight())));
  MSG m;
  EXPECT_FALSE(PeekMessage(&m, button->GetHandle(), WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
  EXPECT_TRUE(PeekMessage(&m, other->GetHandle(), WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));

  app.pump();
  menu->OnShown = nullptr;
  button->SetDropDownRight(true);
  ClickOn(button);
  EXPECT_EQ(clicks, 2) << "a mouse click opens it too";
  ASSERT_EQ(menu->points.size(), 2u);
  EXPECT_EQ(menu->points[1], button->ClientToScreen(TPoint(button->GetWidth(), 5)));

  button->SetDropDownMenu(nullptr);
  ClickOn(button);
  EXPECT_EQ(form->GetModalResult(), mrOk) << "without a menu the click is the dialog's answer";
}

}  // namespace
