#include <algorithm>

#include "focus.h"
#include "keyboard.h"
#include "menu.h"
#include "mouse.h"
#include "nc_engine.h"
#include "sysmenu.h"
#include "timers.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

constexpr UINT kOpen = 101, kSave = 102, kQuit = 103, kCut = 201, kCopy = 202, kHelp = 300, kRecent1 = 111;

class Menus : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    InstallNonClientEngine();
  }

  // Datei (Öffnen, Speichern (grey), Zuletzt > (eins), -, Beenden), Bearbeiten
  // (Ausschneiden, Kopieren), Hilfe (a command of its own).
  HWND MakeWindowWithMenu() {
    file = CreatePopupMenu();
    AppendMenu(file, MF_STRING, kOpen, "Ö&ffnen...\tStrg+O");
    AppendMenu(file, MF_STRING | MF_GRAYED, kSave, "&Speichern");
    recent = CreatePopupMenu();
    AppendMenu(recent, MF_STRING, kRecent1, "&1 level.dat");
    AppendMenu(file, MF_POPUP, reinterpret_cast<UINT_PTR>(recent), "&Zuletzt");
    AppendMenu(file, MF_SEPARATOR, 0, nullptr);
    AppendMenu(file, MF_STRING, kQuit, "&Beenden");
    HMENU edit = CreatePopupMenu();
    AppendMenu(edit, MF_STRING, kCut, "&Ausschneiden");
    AppendMenu(edit, MF_STRING, kCopy, "&Kopieren");
    bar = CreateMenu();
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&Datei");
    AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Bearbeiten");
    AppendMenu(bar, MF_STRING, kHelp, "&Hilfe");
    HWND w = CreateWindowEx(0, "LoggingWindow", "Menü", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                            bar, nullptr, nullptr);
    TestSupport::PumpUntilIdle();
    log.clear();
    return w;
  }

  void AltWith(int vk, const char* text) {
    host->PostKeyDown(VK_MENU, Backend::modAlt);
    host->PostKey(vk, Backend::modAlt, text);
    host->PostKeyUp(VK_MENU);
  }

  std::vector<WPARAM> Commands(HWND w, UINT msg = WM_COMMAND) const {
    std::vector<WPARAM> out;
    for (const LoggedMessage& m : log)
      if (m.Hwnd == w && m.Msg == msg) out.push_back(LOWORD(m.WParam));
    return out;
  }

  HMENU bar = nullptr, file = nullptr, recent = nullptr;
};

TEST_F(Menus, ItemsAreBuiltQueriedAndChangedByCommandOrPosition) {
  HMENU m = CreatePopupMenu();
  HMENU sub = CreatePopupMenu();
  ASSERT_TRUE(AppendMenu(m, MF_STRING, 10, "&Eins"));
  ASSERT_TRUE(AppendMenu(m, MF_SEPARATOR, 0, nullptr));
  ASSERT_TRUE(AppendMenu(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&Mehr"));
  ASSERT_TRUE(AppendMenu(sub, MF_STRING, 30, "Tief"));
  ASSERT_TRUE(InsertMenu(m, 0, MF_BYPOSITION | MF_STRING, 5, "Null"));
  ASSERT_TRUE(InsertMenu(m, 10, MF_BYCOMMAND | MF_STRING, 7, "Vor Eins"));
  EXPECT_FALSE(InsertMenu(m, 99, MF_BYCOMMAND | MF_STRING, 8, "nirgends"));
  EXPECT_EQ(GetMenuItemCount(m), 5);
  EXPECT_EQ(GetMenuItemID(m, 0), 5u);
  EXPECT_EQ(GetMenuItemID(m, 1), 7u);
  EXPECT_EQ(GetMenuItemID(m, 4), static_cast<UINT>(-1)) << "a submenu has no id";
  EXPECT_EQ(GetSubMenu(m, 4), sub);

  EXPECT_EQ(CheckMenuItem(m, 30, MF_BYCOMMAND | MF_CHECKED), MF_UNCHECKED) << "found inside the submenu";
  EXPECT_EQ(GetMenuState(sub, 0, MF_BYPOSITION) & MF_CHECKED, MF_CHECKED);
  EXPECT_EQ(CheckMenuItem(m, 99, MF_CHECKED), static_cast<DWORD>(-1));
  EXPECT_EQ(EnableMenuItem(m, 2, MF_BYPOSITION | MF_GRAYED), static_cast<BOOL>(MF_ENABLED));
  EXPECT_EQ(GetMenuState(m, 10, MF_BYCOMMAND) & MF_GRAYED, MF_GRAYED);
  EXPECT_EQ(GetMenuState(m, 4, MF_BYPOSITION) >> 8, 1u) << "a submenu's state carries its item count";
  EXPECT_EQ(GetMenuState(m, 42, MF_BYCOMMAND), static_cast<UINT>(-1));

  char buf[16];
  EXPECT_EQ(GetMenuString(m, 10, buf, sizeof buf, MF_BYCOMMAND), 5);
  EXPECT_STREQ(buf, "&Eins");
  EXPECT_EQ(GetMenuString(m, 10, nullptr, 0, MF_BYCOMMAND), 5);
  EXPECT_EQ(GetMenuString(m, 10, buf, 3, MF_BYCOMMAND), 2) << "cut to the buffer";
  ASSERT_TRUE(ModifyMenu(m, 10, MF_BYCOMMAND | MF_STRING, 11, "Zwei"));
  EXPECT_EQ(GetMenuItemID(m, 2), 11u);

  ASSERT_TRUE(RemoveMenu(m, 4, MF_BYPOSITION));
  EXPECT_TRUE(IsMenu(sub)) << "RemoveMenu keeps the submenu";
  ASSERT_TRUE(AppendMenu(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "&Mehr"));
  ASSERT_TRUE(DeleteMenu(m, 4, MF_BYPOSITION));
  EXPECT_FALSE(IsMenu(sub)) << "DeleteMenu destroys it";
  EXPECT_FALSE(AppendMenu(m, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "tot"));

  ASSERT_TRUE(DestroyMenu(m));
  EXPECT_FALSE(IsMenu(m));
  EXPECT_EQ(GetMenuItemCount(m), -1);
  HMENU reused = CreateMenu();
  EXPECT_NE(reused, m) << "a destroyed handle never comes back";
  EXPECT_FALSE(DestroyMenu(m));
  DestroyMenu(reused);
}

TEST_F(Menus, AltWithAccessKeyOpensTheMenuArrowsMoveAndEnterChooses) {
  HWND w = MakeWindowWithMenu();
  AltWith('D', "d");
  host->PostKey(VK_DOWN);  // Öffnen is selected on opening: down to Speichern
  host->PostKey(VK_DOWN);  // Zuletzt
  host->PostKey(VK_RIGHT); // into the submenu, its first item
  host->PostKey(VK_RETURN);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w), std::vector<WPARAM>{kRecent1});
  std::vector<LPARAM> popups;
  for (const LoggedMessage& m : log)
    if (m.Hwnd == w && m.Msg == WM_INITMENUPOPUP) popups.push_back(static_cast<LPARAM>(m.WParam));
  EXPECT_EQ(popups, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(file), reinterpret_cast<LPARAM>(recent)}));
  EXPECT_GE(Count(w, WM_MENUSELECT), 4);
  EXPECT_EQ(Count(w, WM_ENTERMENULOOP), 1);
  EXPECT_EQ(Count(w, WM_EXITMENULOOP), 1);
  EXPECT_EQ(FindWindow("#32768", nullptr), nullptr) << "every popup is gone";
}

TEST_F(Menus, AltAloneThenArrowsAndAccessKeysInsideThePopup) {
  HWND w = MakeWindowWithMenu();
  host->PostKeyDown(VK_MENU, Backend::modAlt);
  host->PostKeyUp(VK_MENU);
  host->PostKey(VK_RIGHT);        // Bearbeiten selected in the bar
  host->PostKey(VK_DOWN);         // opens it
  host->PostKey('K', 0, "k");     // Kopieren by its access key
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w), std::vector<WPARAM>{kCopy});
}

// Without a window manager the drop-down has the X focus for a moment while
// Alt may still be held; the host reports Alt anew on each focus change,
// as key state only. It must not count as Alt pressed alone (which would
// close the drop-down and then select the bar's first item).
TEST_F(Menus, AltReportedOnAFocusChangeLeavesTheDropDownOpen) {
  HWND w = MakeWindowWithMenu();
  auto stateOnly = [&](Backend::EventKind kind, unsigned modifiers) {
    Backend::Event e;
    e.Kind = kind;
    e.VirtualKey = VK_MENU;
    e.Modifiers = modifiers;
    e.StateOnly = true;
    host->PostEvent(e);
  };
  AltWith('D', "d");
  stateOnly(Backend::EventKind::KeyDown, Backend::modAlt);  // the drop-down gains the focus
  stateOnly(Backend::EventKind::KeyUp, 0);                   // and gives it back
  stateOnly(Backend::EventKind::KeyDown, Backend::modAlt);  // the window has it again
  host->PostKeyUp(VK_MENU);                                  // Alt let go at last
  host->PostKey(VK_RETURN);
  host->PostKey(VK_ESCAPE);  // leaves a menu left open by mistake
  host->PostKey(VK_ESCAPE);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w), std::vector<WPARAM>{kOpen});
  EXPECT_EQ(Count(w, WM_ENTERMENULOOP), 1);
}

// The desktop may take Alt+F4 itself and close a dialog: Alt went down in
// the dialog and comes up in the window below, which must not open its menu.
TEST_F(Menus, AltReleasedInAnotherWindowThanItWentDownLeavesTheMenuShut) {
  HWND w = MakeWindowWithMenu();
  HWND dialog = CreateWindowEx(0, "LoggingWindow", "Dialog", WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 150, 150, 100, 80, w,
                               nullptr, nullptr, nullptr);
  ASSERT_EQ(GetFocus(), dialog);
  host->PostKeyDown(VK_MENU, Backend::modAlt);
  TestSupport::PumpUntilIdle();
  DestroyWindow(dialog);
  ASSERT_EQ(GetFocus(), w);
  host->PostKeyUp(VK_MENU);
  host->PostKey(VK_ESCAPE);  // leaves a menu opened by mistake
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_ENTERMENULOOP), 0);
}

TEST_F(Menus, BarItemWithoutSubItemsSendsItsCommandAtOnce) {
  HWND w = MakeWindowWithMenu();
  AltWith('H', "h");
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w), std::vector<WPARAM>{kHelp});
  EXPECT_EQ(Count(w, WM_INITMENUPOPUP), 0);
}

TEST_F(Menus, GreyItemsAreNotChosenAndEscapeBacksOut) {
  HWND w = MakeWindowWithMenu();
  AltWith('D', "d");
  host->PostKey(VK_DOWN);    // Speichern, grey
  host->PostKey(VK_RETURN);  // nothing
  host->PostKey(VK_ESCAPE);  // closes the popup, the bar stays
  host->PostKey(VK_ESCAPE);  // leaves the menu
  host->PostKey('X', 0, "x");
  TestSupport::PumpUntilIdle();
  EXPECT_TRUE(Commands(w).empty());
  EXPECT_EQ(Count(w, WM_EXITMENULOOP), 1);
  EXPECT_EQ(Count(w, WM_CHAR), 1) << "keys after the menu reach the window again";
}

TEST_F(Menus, F10SelectsTheBarAndTheMouseChoosesToo) {
  HWND w = MakeWindowWithMenu();
  host->PostKey(VK_F10);
  host->PostKey(VK_RETURN);  // opens Datei
  host->PostKey(VK_RETURN);  // Öffnen
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w), std::vector<WPARAM>{kOpen});

  log.clear();
  // The bar lies at y 100 + 4 + 19 .. +19; Datei is its first item. Its popup
  // opens under the bar at x 104, the first item 3 pixels down.
  host->PostClick(104 + 10, 123 + 9);
  const int quitY = 142 + 3 + 3 * 18 + 9 + 9;  // Beenden, below the separator
  host->PostMouseMove(104 + 20, quitY);
  host->PostClick(104 + 20, quitY);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w), std::vector<WPARAM>{kQuit});
}

// Opened by a click, a drop-down highlights none of its items until the
// pointer or a key picks one; opened by keys, it starts on the first.
TEST_F(Menus, AMenuOpenedByTheMouseStartsWithNoItemHighlighted) {
  HWND w = MakeWindowWithMenu();
  auto highlighted = [&](WPARAM id) {
    const std::vector<WPARAM> selected = Commands(w, WM_MENUSELECT);
    return std::find(selected.begin(), selected.end(), id) != selected.end();
  };
  host->PostClick(104 + 10, 123 + 9);  // Datei
  host->PostKey(VK_RETURN);            // no item to choose
  host->PostKey(VK_ESCAPE);
  host->PostKey(VK_ESCAPE);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Count(w, WM_INITMENUPOPUP), 1);
  EXPECT_FALSE(highlighted(kOpen));
  EXPECT_TRUE(Commands(w).empty());

  log.clear();
  ClockAdvance(GetDoubleClickTime() + 1);  // a click of its own, no double click
  host->PostClick(104 + 10, 123 + 9);
  host->PostKey(VK_DOWN);  // the first item
  host->PostKey(VK_RETURN);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w), std::vector<WPARAM>{kOpen});

  log.clear();
  AltWith('D', "d");
  host->PostKey(VK_ESCAPE);
  host->PostKey(VK_ESCAPE);
  TestSupport::PumpUntilIdle();
  EXPECT_TRUE(highlighted(kOpen));
}

TEST_F(Menus, ClickOutsideCancels) {
  HWND w = MakeWindowWithMenu();
  host->PostClick(104 + 10, 123 + 9);
  host->PostClick(390, 390);
  host->PostKey('X', 0, "x");
  TestSupport::PumpUntilIdle();
  EXPECT_TRUE(Commands(w).empty());
  EXPECT_EQ(Count(w, WM_CHAR), 1);
}

TEST_F(Menus, TrackPopupMenuTakesAScriptedKeySequence) {
  HWND w = MakeWindowWithMenu();
  HMENU context = CreatePopupMenu();
  AppendMenu(context, MF_STRING, 1, "&Eins");
  AppendMenu(context, MF_SEPARATOR, 0, nullptr);
  AppendMenu(context, MF_STRING, 2, "&Zwei");
  AppendMenu(context, MF_STRING, 3, "&Drei");
  host->PostKey(VK_DOWN);  // Eins
  host->PostKey(VK_DOWN);  // over the separator to Zwei
  host->PostKey(VK_RETURN);
  EXPECT_EQ(TrackPopupMenu(context, TPM_RETURNCMD, 200, 200, 0, w, nullptr), 2);
  TestSupport::PumpUntilIdle();
  EXPECT_TRUE(Commands(w).empty()) << "TPM_RETURNCMD sends nothing";

  host->PostKey('D', 0, "d");
  EXPECT_TRUE(TrackPopupMenu(context, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, 200, 200, 0, w, nullptr));
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w), std::vector<WPARAM>{3});

  host->PostKey(VK_ESCAPE);
  EXPECT_EQ(TrackPopupMenu(context, TPM_RETURNCMD, 200, 200, 0, w, nullptr), 0);
  DestroyMenu(context);
}

TEST_F(Menus, TimersKeepTickingWhileAMenuIsOpen) {
  HWND w = MakeWindowWithMenu();
  static int ticks = 0;
  static HeadlessHost* scripted = nullptr;
  ticks = 0;
  scripted = host;
  SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
    if (++ticks == 3) {
      KillTimer(nullptr, id);
      scripted->PostKey(VK_ESCAPE);
      scripted->PostKey(VK_ESCAPE);
    }
  });
  AltWith('D', "d");
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(Count(w, WM_EXITMENULOOP), 1);
}

TEST_F(Menus, SystemMenuHasTheClassicLayoutAndSendsSysCommands) {
  HWND w = MakeWindowWithMenu();
  HMENU sys = GetSystemMenu(w, FALSE);
  ASSERT_TRUE(sys);
  EXPECT_EQ(GetSystemMenu(w, FALSE), sys) << "one copy per window";
  ASSERT_EQ(GetMenuItemCount(sys), 7);
  const WPARAM ids[] = {SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE, 0, SC_CLOSE};
  for (int i = 0; i < 7; ++i) {
    if (ids[i]) {
      EXPECT_EQ(GetMenuItemID(sys, i), ids[i]) << i;
    }
  }
  char text[64];
  GetMenuString(sys, SC_CLOSE, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Schließen\tAlt+F4");
  GetMenuString(sys, SC_SIZE, text, sizeof text, MF_BYCOMMAND);
  EXPECT_STREQ(text, "&Größe ändern");

  AppendMenu(sys, MF_STRING, 0x100, "&Über...");
  AltWith(VK_SPACE, " ");
  host->PostKey(VK_UP);      // from the top round to the last: Über...
  host->PostKey(VK_RETURN);
  TestSupport::PumpUntilIdle();
  EXPECT_EQ(Commands(w, WM_SYSCOMMAND), (std::vector<WPARAM>{SC_KEYMENU, 0x100}));

  EXPECT_EQ(GetSystemMenu(w, TRUE), nullptr);
  EXPECT_FALSE(IsMenu(sys));
  EXPECT_EQ(GetMenuItemCount(GetSystemMenu(w, FALSE)), 7) << "reverted to the standard layout";
}

}  // namespace
