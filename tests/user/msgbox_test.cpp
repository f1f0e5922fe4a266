#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "focus.h"
#include "keyboard.h"
#include "metrics.h"
#include "dc.h"
#include "gdiobj.h"
#include "text.h"
#include "msgbox.h"
#include "msgbox_layout.h"
#include "nc_engine.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

class MessageBoxes : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    InstallNonClientEngine();
    owner = CreateWindowEx(0, "LoggingWindow", "Hauptfenster", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300,
                           nullptr, nullptr, nullptr, nullptr);
    TestSupport::PumpUntilIdle();
    log.clear();
  }

  // An answer of 0 lets the box show as a window.
  void ShowAsWindow() { host->QueueAnswer({0, {}}); }

  HWND owner = nullptr;
};

TEST_F(MessageBoxes, ScriptAnswersAreReturnedAndRecorded) {
  host->QueueAnswer({IDNO, {}});
  EXPECT_EQ(MessageBox(owner, "Wirklich beenden?", "Frage", MB_YESNO | MB_ICONQUESTION), IDNO);
  ASSERT_EQ(host->Asked().size(), 1u);
  EXPECT_EQ(host->Asked()[0].Kind, "MessageBox");
  EXPECT_EQ(host->Asked()[0].Caption, "Frage");
  EXPECT_EQ(host->Asked()[0].Text, "Wirklich beenden?");
  EXPECT_EQ(host->Asked()[0].Flags, MB_YESNO | MB_ICONQUESTION);
  EXPECT_EQ(FindWindow("#32770", nullptr), nullptr) << "no window when the script answers";
  EXPECT_EQ(Count(owner, WM_ENABLE), 0);
}

TEST_F(MessageBoxes, ScriptAnswerThatIsNoButtonCountsAsTheDefaultButton) {
  struct Case {
    UINT Flags;
    int Expected;
  } cases[] = {
      {MB_OK, IDOK},
      {MB_YESNO, IDYES},
      {MB_YESNO | MB_DEFBUTTON2, IDNO},
      {MB_ABORTRETRYIGNORE | MB_DEFBUTTON3, IDIGNORE},
      {MB_RETRYCANCEL | MB_DEFBUTTON4, IDCANCEL},  // beyond the buttons: the last
  };
  for (const Case& c : cases) EXPECT_EQ(MessageBox(owner, "t", "c", c.Flags), c.Expected) << c.Flags;
}

TEST_F(MessageBoxes, BoxShownAsAWindowAnswersAPostedEnterWithItsDefaultButton) {
  ShowAsWindow();
  host->PostKey(VK_RETURN);
  EXPECT_EQ(MessageBox(owner, "Speichern?", "Frage", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
  std::vector<WPARAM> enables;
  for (const LoggedMessage& m : log)
    if (m.Hwnd == owner && m.Msg == WM_ENABLE) enables.push_back(m.WParam);
  EXPECT_EQ(enables, (std::vector<WPARAM>{FALSE, TRUE})) << "the owner is disabled while the box shows";
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(FindWindow("#32770", nullptr), nullptr);
  EXPECT_EQ(GetActiveWindow(), owner);
}

TEST_F(MessageBoxes, ABoxIsWideEnoughForItsWholeCaption) {
  HWND box = nullptr;
  TRect boxRect;
  handler = [&](HWND hwnd, UINT msg, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
    // The owner is disabled once the box exists.
    if (hwnd == owner && msg == WM_ENABLE && !wParam) {
      box = FindWindow("#32770", nullptr);
      RECT r;
      GetWindowRect(box, &r);
      boxRect = r;
    }
    return std::nullopt;
  };
  HDC dc = CreateCompatibleDC(nullptr);
  SelectObject(dc, NonClientFontHandle(NonClientFont::Caption));
  for (const char* caption : {"Frage", "TALLIX MORVANT II", "TALLIX MORVANT II - Ein langer Name einer Spielwelt"}) {
    SCOPED_TRACE(caption);
    ShowAsWindow();
    host->PostKey(VK_RETURN);
    MessageBox(owner, "Leider Verloren", caption, MB_OK);
    ASSERT_NE(box, nullptr);
    SIZE title;
    GetTextExtentPoint32(dc, caption, static_cast<int>(std::strlen(caption)), &title);
    // The frame, the close button and a little air beside the title.
    EXPECT_GE(boxRect.Width(), title.cx + 2 * GetSystemMetrics(SM_CXDLGFRAME) + GetSystemMetrics(SM_CXSIZE) + 4);
    EXPECT_LE(boxRect.Width(), std::max<LONG>(title.cx + 80, 140)) << "no wider than it needs";
  }
  DeleteDC(dc);
}

TEST_F(MessageBoxes, KeysOfTheBoxWindow) {
  struct Case {
    const char* Name;
    UINT Flags;
    std::vector<int> Keys;
    int Expected;
  } cases[] = {
      {"Esc cancels", MB_YESNOCANCEL, {VK_ESCAPE}, IDCANCEL},
      {"Esc on OK", MB_OK, {VK_ESCAPE}, IDOK},
      {"Tab moves on", MB_OKCANCEL, {VK_TAB, VK_RETURN}, IDCANCEL},
      {"Tab wraps", MB_RETRYCANCEL, {VK_TAB, VK_TAB, VK_RETURN}, IDRETRY},
      {"arrows move", MB_ABORTRETRYIGNORE, {VK_RIGHT, VK_RIGHT, VK_LEFT, VK_SPACE}, IDRETRY},
      {"Esc is nothing without a cancel", MB_YESNO, {VK_ESCAPE, 'N'}, IDNO},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    ShowAsWindow();
    for (int vk : c.Keys) {
      std::string text;
      if (vk == 'N') text = "n";
      host->PostKey(vk, 0, text);
    }
    EXPECT_EQ(MessageBox(owner, "Text", "Titel", c.Flags), c.Expected);
    TestSupport::PumpUntilIdle();
  }
}

TEST_F(MessageBoxes, AltF4ClosesABoxThatCanCancel) {
  ShowAsWindow();
  host->PostKeyDown(VK_MENU, Backend::modAlt);
  host->PostKey(VK_F4, Backend::modAlt);
  host->PostKeyUp(VK_MENU);
  EXPECT_EQ(MessageBox(owner, "Text", "Titel", MB_OKCANCEL), IDCANCEL);
  EXPECT_TRUE(IsWindow(owner)) << "the owner stays";
}

TEST_F(MessageBoxes, LayoutCentresTheButtonsAndKeepsEverythingInside) {
  struct Case {
    TSize Text;
    int Buttons;
    bool Icon;
  } cases[] = {{TSize(40, 13), 1, false}, {TSize(300, 52), 3, true}, {TSize(10, 13), 2, true}};
  for (const Case& c : cases) {
    MessageBoxLayout l = LayoutMessageBox(c.Text, c.Buttons, c.Icon);
    TRect client(0, 0, l.Client.cx, l.Client.cy);
    ASSERT_EQ(static_cast<int>(l.Buttons.size()), c.Buttons);
    EXPECT_LE(std::abs((l.Buttons.front().left - client.left) - (client.right - l.Buttons.back().right)), 1) << "centred";
    for (std::size_t i = 0; i + 1 < l.Buttons.size(); ++i) EXPECT_LT(l.Buttons[i].right, l.Buttons[i + 1].left);
    RECT inside;
    for (const TRect& r : l.Buttons) {
      IntersectRect(&inside, &r, &client);
      EXPECT_EQ(TRect(inside), r);
      EXPECT_GE(r.top, l.Text.bottom);
    }
    EXPECT_EQ(l.Text.Width(), c.Text.cx);
    EXPECT_EQ(l.Text.Height(), c.Text.cy);
    EXPECT_EQ(IsRectEmpty(&l.Icon), !c.Icon);
    if (c.Icon) {
      EXPECT_GE(l.Text.left, l.Icon.right);
      EXPECT_GE(l.Buttons.front().top, l.Icon.bottom);
    }
  }
}

}  // namespace
