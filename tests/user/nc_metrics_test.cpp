#include <cstring>

#include "menu.h"
#include "metrics.h"
#include "nc_engine.h"
#include "nc_geometry.h"
#include "user_fixture.h"
#include "window_pos.h"

namespace {

class Metrics : public UserTest {
 protected:
  void SetUp() override {
    UserTest::SetUp();
    InstallNonClientEngine();
  }
};

TEST_F(Metrics, FixedTableHasTheClassicValues) {
  struct Case {
    int Index;
    int Value;
  } cases[] = {
      {SM_CXVSCROLL, 16}, {SM_CYHSCROLL, 16}, {SM_CYCAPTION, 19}, {SM_CXBORDER, 1},    {SM_CYBORDER, 1},
      {SM_CXDLGFRAME, 3}, {SM_CYDLGFRAME, 3}, {SM_CXFRAME, 4},    {SM_CYFRAME, 4},     {SM_CXICON, 32},
      {SM_CYICON, 32},    {SM_CXSIZE, 18},    {SM_CYSIZE, 18},    {SM_CXSMICON, 16},   {SM_CYSMICON, 16},
      {SM_CYSMCAPTION, 15}, {SM_CXSMSIZE, 12}, {SM_CYSMSIZE, 12}, {SM_CYMENU, 19},     {SM_SWAPBUTTON, 0},
      {SM_CXDOUBLECLK, 4}, {SM_CXEDGE, 2},    {9999, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(GetSystemMetrics(c.Index), c.Value) << "index " << c.Index;
}

TEST_F(Metrics, ScreenValuesComeFromTheDisplays) {
  host->SetDisplays({TRect(0, 0, 800, 600), TRect(800, -100, 2080, 924)});
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  EXPECT_EQ(GetSystemMetrics(SM_XVIRTUALSCREEN), 0);
  EXPECT_EQ(GetSystemMetrics(SM_YVIRTUALSCREEN), -100);
  EXPECT_EQ(GetSystemMetrics(SM_CXVIRTUALSCREEN), 2080);
  EXPECT_EQ(GetSystemMetrics(SM_CYVIRTUALSCREEN), 1024);
  RECT work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(TRect(work), TRect(0, -100, 2080, 924));
}

TEST_F(Metrics, NonClientMetricsRecordNeedsItsSizeAndCarriesTheCaptionFonts) {
  NONCLIENTMETRICS m;
  m.cbSize = 200;
  EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, &m, 0));
  m.cbSize = sizeof(m);
  ASSERT_TRUE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(m), &m, 0));
  EXPECT_STREQ(m.lfCaptionFont.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(m.lfCaptionFont.lfHeight, -11);
  EXPECT_EQ(m.lfCaptionFont.lfWeight, FW_BOLD);
  EXPECT_STREQ(m.lfSmCaptionFont.lfFaceName, "MS Sans Serif");
  EXPECT_EQ(m.lfSmCaptionFont.lfHeight, -11);
  EXPECT_EQ(m.iCaptionHeight, 18);
  int timeout = 0;
  EXPECT_TRUE(SystemParametersInfo(SPI_GETSCREENSAVETIMEOUT, 0, &timeout, 0));
  EXPECT_GT(timeout, 0);
  EXPECT_FALSE(SystemParametersInfo(SPI_GETNONCLIENTMETRICS, 0, nullptr, 0));
}

// Width = ClientWidth + frames, for every frame kind.
TEST_F(Metrics, OuterSizeIsClientSizePlusTheFrames) {
  struct Case {
    const char* Name;
    DWORD Style;
    DWORD ExStyle;
    bool Menu;
    int Left, Top, Right, Bottom;
  } cases[] = {
      {"borderless popup", WS_POPUP, 0, false, 0, 0, 0, 0},
      {"1-px border", WS_POPUP | WS_BORDER, 0, false, 1, 1, 1, 1},
      {"dialog frame", WS_POPUP | WS_DLGFRAME, 0, false, 3, 3, 3, 3},
      {"modal dialog frame", WS_POPUP, WS_EX_DLGMODALFRAME, false, 3, 3, 3, 3},
      {"captioned dialog", WS_CAPTION | WS_SYSMENU, WS_EX_DLGMODALFRAME, false, 3, 22, 3, 3},
      {"sizeable window", WS_OVERLAPPEDWINDOW, 0, false, 4, 23, 4, 4},
      {"sizeable with menu", WS_OVERLAPPEDWINDOW, 0, true, 4, 42, 4, 4},
      {"tool window", WS_CAPTION | WS_SYSMENU, WS_EX_TOOLWINDOW, false, 3, 18, 3, 3},
      {"sizeable tool window", WS_CAPTION | WS_THICKFRAME, WS_EX_TOOLWINDOW, false, 4, 19, 4, 4},
      {"client edge", WS_POPUP, WS_EX_CLIENTEDGE, false, 2, 2, 2, 2},
      {"border and client edge", WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, false, 3, 3, 3, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    HMENU menu = nullptr;
    if (c.Menu) {
      menu = CreateMenu();
      AppendMenu(menu, MF_STRING, 1, "&Datei");
    }
    HWND w = CreateWindowEx(c.ExStyle, "LoggingWindow", "w", c.Style, 10, 10, 300, 200, nullptr, menu, nullptr, nullptr);
    ASSERT_TRUE(w);
    RECT client, outer;
    GetClientRect(w, &client);
    GetWindowRect(w, &outer);
    EXPECT_EQ(outer.right - outer.left, client.right + c.Left + c.Right);
    EXPECT_EQ(outer.bottom - outer.top, client.bottom + c.Top + c.Bottom);
    POINT origin;
    ClientToScreen(w, &origin);
    EXPECT_EQ(origin.x - outer.left, c.Left);
    EXPECT_EQ(origin.y - outer.top, c.Top);
    RECT adjusted = TRect(0, 0, client.right, client.bottom);
    AdjustWindowRectEx(&adjusted, c.Style, c.Menu, c.ExStyle);
    EXPECT_EQ(adjusted.right - adjusted.left, outer.right - outer.left);
    EXPECT_EQ(adjusted.bottom - adjusted.top, outer.bottom - outer.top);
    DestroyWindow(w);
  }
}

TEST_F(Metrics, SetMenuShrinksTheClientByTheMenuBar) {
  HWND w = MakeTopLevel(WS_OVERLAPPEDWINDOW);
  RECT before, after;
  GetClientRect(w, &before);
  HMENU menu = CreateMenu();
  AppendMenu(menu, MF_STRING, 1, "&Datei");
  ASSERT_TRUE(SetMenu(w, menu));
  EXPECT_EQ(GetMenu(w), menu);
  GetClientRect(w, &after);
  EXPECT_EQ(before.bottom - after.bottom, GetSystemMetrics(SM_CYMENU));
  SetMenu(w, nullptr);
  GetClientRect(w, &after);
  EXPECT_EQ(after.bottom, before.bottom);
  DestroyMenu(menu);
}

}  // namespace
