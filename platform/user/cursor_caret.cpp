#include "cursor_caret.h"

#include "fill.h"
#include "paint.h"
#include "timers.h"
#include "window.h"

namespace {

constexpr UINT_PTR kBlinkTimer = 0xCA7E;

struct Caret {
  HWND Owner = nullptr;
  int Width = 1, Height = 1;
  POINT Pos;
  int HideCount = 1;
  bool Drawn = false;
  UINT BlinkMs = 530;
};

Caret& State() {
  static Caret c;
  return c;
}

void Invert() {
  Caret& c = State();
  HDC dc = GetDC(c.Owner);
  if (!dc) return;
  RECT r = TRect(c.Pos.x, c.Pos.y, c.Pos.x + c.Width, c.Pos.y + c.Height);
  InvertRect(dc, &r);
  ReleaseDC(c.Owner, dc);
  c.Drawn = !c.Drawn;
}

// A caret whose owner is gone is forgotten.
bool Alive() {
  Caret& c = State();
  if (c.Owner && !IsWindow(c.Owner)) {
    UINT blink = c.BlinkMs;
    c = Caret();
    c.BlinkMs = blink;
  }
  return c.Owner != nullptr;
}

void Blink(HWND, UINT, UINT_PTR, DWORD) {
  if (Alive() && State().HideCount == 0) Invert();
}

void Erase() {
  if (State().Drawn) Invert();
}

bool Owns(HWND hwnd) { return Alive() && (!hwnd || hwnd == State().Owner); }

}  // namespace

BOOL CreateCaret(HWND hwnd, HBITMAP, int width, int height) {
  if (!IsWindow(hwnd)) return FALSE;
  DestroyCaret();
  Caret& c = State();
  c.Owner = hwnd;
  c.Width = width > 0 ? width : 1;
  c.Height = height > 0 ? height : 1;
  c.Pos = TPoint(0, 0);
  c.HideCount = 1;
  c.Drawn = false;
  return TRUE;
}

BOOL DestroyCaret() {
  if (!Alive()) return FALSE;
  Caret& c = State();
  Erase();
  KillTimer(c.Owner, kBlinkTimer);
  c.Owner = nullptr;
  return TRUE;
}

BOOL ShowCaret(HWND hwnd) {
  if (!Owns(hwnd)) return FALSE;
  Caret& c = State();
  if (c.HideCount == 0) return TRUE;
  if (--c.HideCount == 0) {
    Invert();
    SetTimer(c.Owner, kBlinkTimer, c.BlinkMs, &Blink);
  }
  return TRUE;
}

BOOL HideCaret(HWND hwnd) {
  if (!Owns(hwnd)) return FALSE;
  Caret& c = State();
  if (c.HideCount++ == 0) {
    Erase();
    KillTimer(c.Owner, kBlinkTimer);
  }
  return TRUE;
}

BOOL SetCaretPos(int x, int y) {
  if (!Alive()) return FALSE;
  Caret& c = State();
  bool wasDrawn = c.Drawn;
  Erase();
  c.Pos = TPoint(x, y);
  if (wasDrawn || c.HideCount == 0) Invert();
  return TRUE;
}

BOOL GetCaretPos(POINT* p) {
  if (!p || !Alive()) return FALSE;
  *p = State().Pos;
  return TRUE;
}

UINT GetCaretBlinkTime() { return State().BlinkMs; }

BOOL SetCaretBlinkTime(UINT ms) {
  State().BlinkMs = ms ? ms : 530;
  return TRUE;
}
