// A window of the platform layer on the headless host: a caption, a menu
// bar and a child, painted; then its menu open, then a message box. Each
// stage is saved as a PNG of the screen around the window, for a look at the
// classic look without a display.
//
//   windemo [output folder]
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cursor.h"
#include "dc.h"
#include "drawedge.h"
#include "fill.h"
#include "gdiobj.h"
#include "headless_host.h"
#include "keyboard.h"
#include "menu.h"
#include "message_queue.h"
#include "metrics.h"
#include "msgbox.h"
#include "nc_engine.h"
#include "paint.h"
#include "surface.h"
#include "syscolors.h"
#include "text.h"
#include "timers.h"
#include "window.h"
#include "window_pos.h"
#include "windowclass.h"
#include "wndproc.h"

namespace {

struct Demo {
  HeadlessHost* Host = nullptr;
  std::string Folder = ".";
  HWND Main = nullptr;
  std::string NextShot;
  std::vector<int> KeysAfterShot;
  bool Failed = false;
};

Demo& State() {
  static Demo d;
  return d;
}

BOOL CollectWindow(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

// The screen as our windows make it up, bottom window first, cut to the
// area around the main window.
void SaveScreen(const std::string& name) {
  Demo& d = State();
  RECT main;
  GetWindowRect(d.Main, &main);
  TRect area(main.left - 16, main.top - 16, main.right + 16, main.bottom + 16);
  Surface screen(area.Width(), area.Height());
  screen.Fill(ColorRefToPixel(GetSysColor(COLOR_BACKGROUND)));
  std::vector<HWND> windows;
  EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
  std::reverse(windows.begin(), windows.end());
  for (HWND h : windows) {
    const Surface* s = GetWindowSurface(h);
    RECT r;
    if (!s || !IsWindowVisible(h) || !GetWindowRect(h, &r)) continue;
    for (int y = 0; y < s->Height(); ++y)
      for (int x = 0; x < s->Width(); ++x) {
        int sx = r.left + x - area.left, sy = r.top + y - area.top;
        if (screen.Contains(sx, sy)) screen.At(sx, sy) = s->At(x, y);
      }
  }
  std::string path = d.Folder + "/" + name;
  if (!SaveSurfacePng(screen, path)) {
    std::fprintf(stderr, "windemo: cannot write %s\n", path.c_str());
    d.Failed = true;
    return;
  }
  std::printf("%s\n", path.c_str());
}

// Fires inside the menu's or the box's loop, once everything is painted.
void ShotTimer(HWND, UINT, UINT_PTR id, DWORD) {
  Demo& d = State();
  KillTimer(nullptr, id);
  SaveScreen(d.NextShot);
  for (int vk : d.KeysAfterShot) d.Host->PostKey(vk);
}

void ShootInsideNextLoop(const std::string& name, std::vector<int> keys) {
  Demo& d = State();
  d.NextShot = name;
  d.KeysAfterShot = std::move(keys);
  SetTimer(nullptr, 0, 100, &ShotTimer);
}

void PumpUntilIdle() {
  MSG m;
  while (PeekMessage(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessage(&m);
  }
}

LRESULT PanelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    SelectObject(dc, NonClientFontHandle(NonClientFont::Message));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    InflateRect(&r, -8, -8);
    DrawText(dc, "Willkommen bei TALLIX MORVANT II.\n\nWählen Sie im Menü \"Spiel\" ein neues Spiel, "
                 "oder öffnen Sie einen gespeicherten Stand.", -1, &r, DT_WORDBREAK | DT_NOPREFIX);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

LRESULT MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT r;
    GetClientRect(hwnd, &r);
    RECT status = TRect(r.left, r.bottom - 20, r.right, r.bottom);
    DrawEdge(dc, &status, BDR_SUNKENOUTER, BF_RECT);
    SelectObject(dc, NonClientFontHandle(NonClientFont::Message));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    InflateRect(&status, -4, 0);
    DrawText(dc, "Level 1 von 20", -1, &status, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    EndPaint(hwnd, &ps);
    return 0;
  }
  return DefWindowProc(hwnd, msg, wParam, lParam);
}

HMENU BuildMenu() {
  HMENU game = CreatePopupMenu();
  AppendMenu(game, MF_STRING, 101, "&Neues Spiel\tF2");
  AppendMenu(game, MF_STRING, 102, "Ö&ffnen...\tStrg+O");
  AppendMenu(game, MF_STRING | MF_GRAYED, 103, "&Speichern\tStrg+S");
  AppendMenu(game, MF_SEPARATOR, 0, nullptr);
  AppendMenu(game, MF_STRING, 104, "&Beenden\tAlt+F4");
  HMENU level = CreatePopupMenu();
  AppendMenu(level, MF_STRING | MF_CHECKED, 211, "&Leicht");
  AppendMenu(level, MF_STRING, 212, "&Mittel");
  AppendMenu(level, MF_STRING, 213, "&Schwer");
  HMENU options = CreatePopupMenu();
  AppendMenu(options, MF_STRING | MF_CHECKED, 201, "&Ton");
  AppendMenu(options, MF_STRING, 202, "&Musik");
  AppendMenu(options, MF_POPUP, reinterpret_cast<UINT_PTR>(level), "S&chwierigkeit");
  HMENU help = CreatePopupMenu();
  AppendMenu(help, MF_STRING, 301, "&Inhalt\tF1");
  AppendMenu(help, MF_SEPARATOR, 0, nullptr);
  AppendMenu(help, MF_STRING, 302, "Ü&ber TALLIX MORVANT II...");
  HMENU bar = CreateMenu();
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(game), "&Spiel");
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(options), "&Optionen");
  AppendMenu(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Hilfe");
  return bar;
}

void Register(LPCSTR name, WNDPROC proc, int background) {
  WNDCLASS wc;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = name;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(background + 1));
  RegisterClass(&wc);
}

}  // namespace

int main(int argc, char** argv) {
  Demo& d = State();
  if (argc > 1) d.Folder = argv[1];
  d.Host = &InstallHeadlessHost();
  d.Host->SetDisplays({TRect(0, 0, 800, 600)});
  InstallNonClientEngine();
  Register("WinDemoMain", &MainProc, COLOR_BTNFACE);
  Register("WinDemoPanel", &PanelProc, COLOR_WINDOW);

  d.Main = CreateWindowEx(0, "WinDemoMain", "TALLIX MORVANT II", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 80, 480,
                          320, nullptr, BuildMenu(), nullptr, nullptr);
  RECT client;
  GetClientRect(d.Main, &client);
  CreateWindowEx(WS_EX_CLIENTEDGE, "WinDemoPanel", "", WS_CHILD | WS_VISIBLE, 8, 8, client.right - 16,
                 client.bottom - 36, d.Main, nullptr, nullptr, nullptr);
  ShowWindow(d.Main, SW_SHOWNORMAL);
  PumpUntilIdle();
  SaveScreen("windemo-window.png");

  // The Optionen menu with its Schwierigkeit submenu open.
  ShootInsideNextLoop("windemo-menu.png", {VK_ESCAPE, VK_ESCAPE, VK_ESCAPE});
  d.Host->PostKeyDown(VK_MENU, Backend::modAlt);
  d.Host->PostKey('O', Backend::modAlt, "o");
  d.Host->PostKeyUp(VK_MENU);
  d.Host->PostKey(VK_UP);
  d.Host->PostKey(VK_RIGHT);
  d.Host->PostKey(VK_DOWN);
  PumpUntilIdle();

  d.Host->QueueAnswer({0, {}});  // no scripted answer: the box shows
  ShootInsideNextLoop("windemo-messagebox.png", {VK_RETURN});
  int answer = MessageBox(d.Main, "Möchten Sie das laufende Spiel speichern, bevor ein neues beginnt?",
                          "TALLIX MORVANT II", MB_YESNOCANCEL | MB_ICONQUESTION);
  std::printf("answer %d\n", answer);
  DestroyWindow(d.Main);
  return d.Failed ? 1 : 0;
}
