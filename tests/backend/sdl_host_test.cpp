#include <cstdint>
#include <thread>

#include "clock.h"
#include "region.h"
#include "sdl_host_fixture.h"

namespace {

constexpr Pixel kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF;

TEST_F(SdlHostTest, StartsWithADisplay) {
  std::vector<TRect> displays = host->Displays();
  ASSERT_FALSE(displays.empty());
  EXPECT_GT(displays[0].Width(), 0);
  EXPECT_GT(displays[0].Height(), 0);
}

TEST_F(SdlHostTest, PresentsThePixelsOfTheSurface) {
  Backend::HostWindowId w = OpenWindow(Bounds(10, 20, 64, 48));
  Surface s(64, 48);
  s.Fill(kRed);
  s.At(5, 6) = kBlue;
  host->Present(w, s, TRect(0, 0, 0, 0));  // the first present shows everything
  EXPECT_EQ(ScreenPixel(w, 0, 0), kRed);
  EXPECT_EQ(ScreenPixel(w, 5, 6), kBlue);
  EXPECT_EQ(ScreenPixel(w, 63, 47), kRed);
}

TEST_F(SdlHostTest, LaterPresentsUploadOnlyTheDirtyRectangle) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 32, 32));
  Surface s(32, 32);
  s.Fill(kRed);
  host->Present(w, s, TRect(0, 0, 32, 32));
  s.Fill(kGreen);
  host->Present(w, s, TRect(4, 4, 8, 8));
  EXPECT_EQ(ScreenPixel(w, 4, 4), kGreen);
  EXPECT_EQ(ScreenPixel(w, 7, 7), kGreen);
  EXPECT_EQ(ScreenPixel(w, 8, 8), kRed);
  EXPECT_EQ(ScreenPixel(w, 3, 4), kRed);
  // A dirty rectangle beyond the surface is clipped, not read past its end.
  host->Present(w, s, TRect(30, 30, 500, 500));
  EXPECT_EQ(ScreenPixel(w, 31, 31), kGreen);
}

TEST_F(SdlHostTest, PresentsABottomUpSurfaceTheRightWayUp) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 4, 3));
  std::vector<Pixel> memory(4 * 3, kRed);
  memory[2 * 4] = kBlue;  // the last row in memory is the top row
  Surface s(&memory[2 * 4], 4, 3, -static_cast<std::ptrdiff_t>(4 * sizeof(Pixel)));
  host->Present(w, s, TRect(0, 0, 4, 3));
  EXPECT_EQ(ScreenPixel(w, 0, 0), kBlue);
  EXPECT_EQ(ScreenPixel(w, 0, 2), kRed);
}

TEST_F(SdlHostTest, AResizedSurfaceIsPresentedWhole) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 16, 16));
  Surface s(16, 16);
  s.Fill(kRed);
  host->Present(w, s, TRect(0, 0, 16, 16));
  host->SetBounds(w, Bounds(0, 0, 40, 30));
  Surface bigger(40, 30);
  bigger.Fill(kGreen);
  host->Present(w, bigger, TRect(0, 0, 1, 1));
  EXPECT_EQ(ScreenPixel(w, 39, 29), kGreen);
}

TEST_F(SdlHostTest, PixelsPresentedWhileHiddenShowWithTheWindow) {
  Backend::HostWindowId w = host->CreateHostWindow(Bounds(0, 0, 8, 8), Backend::hwfToolWindow);
  Surface s(8, 8);
  s.Fill(kBlue);
  host->Present(w, s, TRect(0, 0, 8, 8));
  host->Show(w, true, false);
  EXPECT_EQ(ScreenPixel(w, 3, 3), kBlue);
}

TEST_F(SdlHostTest, EveryKindOfWindowIsCreated) {
  // A menu's drop-down is a topmost tool window and a pop-up at once.
  const unsigned kinds[] = {Backend::hwfNone, Backend::hwfToolWindow, Backend::hwfPopup, Backend::hwfTopmost,
                            Backend::hwfTopmost | Backend::hwfToolWindow | Backend::hwfPopup};
  for (unsigned flags : kinds) {
    Backend::HostWindowId w = host->CreateHostWindow(Bounds(0, 0, 8, 8), flags);
    EXPECT_NE(w, 0u) << "flags " << flags << ": " << SDL_GetError();
    host->DestroyHostWindow(w);
  }
}

TEST_F(SdlHostTest, WithoutShapedWindowsAnOutlineLeavesTheWindowWorking) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 20, 20));
  Region round = Region(0, 5, 20, 15) | Region(5, 0, 15, 20);
  host->SetShape(w, &round);
  ASSERT_NE(host->SdlWindowOf(w), nullptr);
  Surface s(20, 20);
  s.Fill(kGreen);
  host->Present(w, s, TRect(0, 0, 20, 20));
  EXPECT_EQ(ScreenPixel(w, 10, 10), kGreen);
  host->SetShape(w, nullptr);
}

// Where no refresh paces the presents (the dummy driver has none), a window
// presents at most once in 16 ms of the platform clock.
TEST_F(SdlHostTest, PresentsArePacedWithoutARefresh) {
  ClockUseVirtual(1000);
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 8, 8));
  Surface s(8, 8);
  host->Present(w, s, TRect(0, 0, 8, 8));
  EXPECT_EQ(ClockNowMs(), 1000u);
  host->Present(w, s, TRect(0, 0, 8, 8));
  EXPECT_EQ(ClockNowMs(), 1016u);
  ClockAdvance(40);
  host->Present(w, s, TRect(0, 0, 8, 8));
  EXPECT_EQ(ClockNowMs(), 1056u);
  // Another window has its own pace.
  Backend::HostWindowId other = OpenWindow(Bounds(20, 0, 8, 8));
  host->Present(other, s, TRect(0, 0, 8, 8));
  EXPECT_EQ(ClockNowMs(), 1056u);
  ClockUseReal();
}

TEST_F(SdlHostTest, KeysArriveWithTheirVirtualKeyRepeatAndModifiers) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 8, 8));
  SDL_Event e;
  SDL_zero(e);
  e.type = SDL_KEYDOWN;
  e.key.windowID = SdlId(w);
  e.key.repeat = 1;
  e.key.keysym.scancode = SDL_SCANCODE_KP_PLUS;
  e.key.keysym.sym = SDLK_KP_PLUS;
  e.key.keysym.mod = KMOD_LSHIFT | KMOD_NUM;
  Backend::Event out = Through(e);
  EXPECT_EQ(out.Kind, Backend::EventKind::KeyDown);
  EXPECT_EQ(out.Window, w);
  EXPECT_EQ(out.VirtualKey, 107);
  EXPECT_TRUE(out.Repeat);
  EXPECT_EQ(out.Modifiers, unsigned{Backend::modShift | Backend::modNumLock});

  e.type = SDL_KEYUP;
  e.key.repeat = 0;
  e.key.keysym.scancode = SDL_SCANCODE_RALT;
  e.key.keysym.sym = SDLK_MODE;
  e.key.keysym.mod = KMOD_MODE;
  out = Through(e);
  EXPECT_EQ(out.Kind, Backend::EventKind::KeyUp);
  EXPECT_EQ(out.VirtualKey, 18);
  EXPECT_FALSE(out.Repeat);
  EXPECT_EQ(out.Modifiers, unsigned{Backend::modCtrl | Backend::modAlt}) << "AltGr is Ctrl+Alt";

  // A key typed with AltGr held, as X11 reports it on a German layout.
  e.type = SDL_KEYDOWN;
  e.key.keysym.scancode = SDL_SCANCODE_Q;
  e.key.keysym.sym = SDLK_q;
  e.key.keysym.mod = KMOD_RALT;
  out = Through(e);
  EXPECT_EQ(out.VirtualKey, 'Q');
  EXPECT_EQ(out.Modifiers, unsigned{Backend::modCtrl | Backend::modAlt});
  e.key.keysym.mod = KMOD_LALT;
  EXPECT_EQ(Through(e).Modifiers, unsigned{Backend::modAlt}) << "the left Alt stays Alt";
}

TEST_F(SdlHostTest, KeysWithoutACodeAreSkipped) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 8, 8));
  SDL_Event e;
  SDL_zero(e);
  e.type = SDL_KEYDOWN;
  e.key.windowID = SdlId(w);
  e.key.keysym.scancode = SDL_SCANCODE_AUDIOPLAY;
  e.key.keysym.sym = SDLK_AUDIOPLAY;
  SDL_PushEvent(&e);
  SDL_Event text;
  SDL_zero(text);
  text.type = SDL_TEXTINPUT;
  text.text.windowID = SdlId(w);
  SDL_strlcpy(text.text.text, "\xC3\xA4", sizeof text.text.text);  // ä
  Backend::Event out = Through(text);
  EXPECT_EQ(out.Kind, Backend::EventKind::Text);
  EXPECT_EQ(out.Text, "\xC3\xA4");
  EXPECT_EQ(out.Window, w);
}

TEST_F(SdlHostTest, MouseEventsArriveInDesktopCoordinates) {
  Backend::HostWindowId w = OpenWindow(Bounds(100, 50, 64, 64));
  SDL_Event e;
  SDL_zero(e);
  e.type = SDL_MOUSEBUTTONDOWN;
  e.button.windowID = SdlId(w);
  e.button.button = SDL_BUTTON_RIGHT;
  e.button.clicks = 2;
  e.button.x = 5;
  e.button.y = 7;
  Backend::Event out = Through(e);
  EXPECT_EQ(out.Kind, Backend::EventKind::MouseDown);
  EXPECT_EQ(out.Button, 2);
  EXPECT_EQ(out.Clicks, 2);
  EXPECT_EQ(out.X, 105);
  EXPECT_EQ(out.Y, 57);

  e.type = SDL_MOUSEBUTTONUP;
  e.button.button = SDL_BUTTON_MIDDLE;
  e.button.clicks = 3;
  out = Through(e);
  EXPECT_EQ(out.Kind, Backend::EventKind::MouseUp);
  EXPECT_EQ(out.Button, 3);
  EXPECT_EQ(out.Clicks, 2);

  SDL_zero(e);
  e.type = SDL_MOUSEMOTION;
  e.motion.windowID = SdlId(w);
  e.motion.x = 1;
  e.motion.y = 2;
  out = Through(e);
  EXPECT_EQ(out.Kind, Backend::EventKind::MouseMove);
  EXPECT_EQ(out.X, 101);
  EXPECT_EQ(out.Y, 52);

  SDL_zero(e);
  e.type = SDL_MOUSEWHEEL;
  e.wheel.windowID = SdlId(w);
  e.wheel.y = -2;
  e.wheel.mouseX = 3;
  e.wheel.mouseY = 4;
  out = Through(e);
  EXPECT_EQ(out.Kind, Backend::EventKind::MouseWheel);
  EXPECT_EQ(out.WheelDelta, -240);
  EXPECT_EQ(out.X, 103);
  EXPECT_EQ(out.Y, 54);
}

TEST_F(SdlHostTest, WindowEventsBecomeTheLayersEvents) {
  Backend::HostWindowId w = OpenWindow(Bounds(10, 10, 64, 64));
  struct Case {
    Uint8 Sdl;
    Backend::EventKind Kind;
  };
  const Case cases[] = {
      {SDL_WINDOWEVENT_CLOSE, Backend::EventKind::CloseRequest},
      {SDL_WINDOWEVENT_FOCUS_GAINED, Backend::EventKind::FocusGained},
      {SDL_WINDOWEVENT_FOCUS_LOST, Backend::EventKind::FocusLost},
      {SDL_WINDOWEVENT_EXPOSED, Backend::EventKind::Expose},
      {SDL_WINDOWEVENT_LEAVE, Backend::EventKind::MouseLeave},
  };
  for (const Case& c : cases) {
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SdlId(w);
    e.window.event = c.Sdl;
    Backend::Event out = Through(e);
    EXPECT_EQ(out.Kind, c.Kind) << int{c.Sdl};
    EXPECT_EQ(out.Window, w);
  }
}

// SDL brings its key table up to date on every focus change by pushing key
// events along with it; they are key state, not key presses.
TEST_F(SdlHostTest, KeysPushedWithAFocusChangeAreStateOnly) {
  Backend::HostWindowId w = OpenWindow(Bounds(10, 10, 64, 64));
  auto focus = [&](Uint8 which) {
    SDL_Event e;
    SDL_zero(e);
    e.type = SDL_WINDOWEVENT;
    e.window.windowID = SdlId(w);
    e.window.event = which;
    return e;
  };
  auto key = [&](Uint32 type, SDL_Scancode scancode, SDL_Keycode sym) {
    SDL_Event e;
    SDL_zero(e);
    e.type = type;
    e.key.windowID = SdlId(w);
    e.key.keysym.scancode = scancode;
    e.key.keysym.sym = sym;
    return e;
  };
  const SDL_Event altDown = key(SDL_KEYDOWN, SDL_SCANCODE_LALT, SDLK_LALT);
  const SDL_Event altUp = key(SDL_KEYUP, SDL_SCANCODE_LALT, SDLK_LALT);
  const SDL_Event aDown = key(SDL_KEYDOWN, SDL_SCANCODE_A, SDLK_a);
  const SDL_Event aUp = key(SDL_KEYUP, SDL_SCANCODE_A, SDLK_a);
  const SDL_Event gained = focus(SDL_WINDOWEVENT_FOCUS_GAINED), lost = focus(SDL_WINDOWEVENT_FOCUS_LOST),
                  exposed = focus(SDL_WINDOWEVENT_EXPOSED);
  struct Case {
    const char* Name;
    std::vector<SDL_Event> Pushed;  // in one go, as SDL pushes a focus change
    std::vector<bool> StateOnly;    // of each key event handed out, in order
  } cases[] = {
      {"modifiers held and keys let go as the focus comes", {gained, altDown, aUp}, {true, true}},
      {"a key pressed anew after the focus came", {gained, aDown, altDown}, {false, false}},
      {"keys after something else", {gained, exposed, altDown}, {false}},
      {"keys let go as the focus leaves", {aUp, altUp, lost}, {true, true}},
      {"a key let go, then something else", {aUp, exposed, lost}, {false}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    for (SDL_Event e : c.Pushed) ASSERT_EQ(SDL_PushEvent(&e), 1) << SDL_GetError();
    std::vector<bool> stateOnly;
    Backend::Event out;
    while (host->NextEvent(out, 0))
      if (out.Kind == Backend::EventKind::KeyDown || out.Kind == Backend::EventKind::KeyUp)
        stateOnly.push_back(out.StateOnly);
    EXPECT_EQ(stateOnly, c.StateOnly);
  }
  // The same modifier pressed once the focus change was taken is a press.
  SDL_Event e = gained;
  Through(e);
  e = altDown;
  EXPECT_FALSE(Through(e).StateOnly);
}

TEST_F(SdlHostTest, OnlyTheDesktopsMovesAreReported) {
  Backend::HostWindowId w = OpenWindow(Bounds(10, 10, 64, 64));
  host->SetBounds(w, Bounds(30, 40, 64, 64));
  SDL_Event e;
  SDL_zero(e);
  e.type = SDL_WINDOWEVENT;
  e.window.windowID = SdlId(w);
  e.window.event = SDL_WINDOWEVENT_MOVED;
  e.window.data1 = 30;
  e.window.data2 = 40;
  SDL_PushEvent(&e);  // our own move, echoed
  e.window.data1 = 200;
  e.window.data2 = 100;
  Backend::Event out = Through(e);
  EXPECT_EQ(out.Kind, Backend::EventKind::Moved);
  EXPECT_EQ(out.X, 200);
  EXPECT_EQ(out.Y, 100);
}

TEST_F(SdlHostTest, QuitAndDroppedFilesArrive) {
  Backend::HostWindowId w = OpenWindow(Bounds(10, 10, 64, 64));
  SDL_Event e;
  SDL_zero(e);
  e.type = SDL_DROPFILE;
  e.drop.windowID = SdlId(w);
  e.drop.file = SDL_strdup("/tmp/level 1.dat");
  Backend::Event out = Through(e);
  EXPECT_EQ(out.Kind, Backend::EventKind::Drop);
  EXPECT_EQ(out.Text, "/tmp/level 1.dat");
  EXPECT_EQ(out.Window, w);

  SDL_zero(e);
  e.type = SDL_QUIT;
  EXPECT_EQ(Through(e).Kind, Backend::EventKind::Quit);
}

// A failing wake would leave these waits without end (and the test to its
// time limit).
TEST_F(SdlHostTest, WakeEndsAWaitWithoutDeadline) {
  Backend::Event out;
  host->Wake();
  EXPECT_FALSE(host->NextEvent(out, UINT64_MAX));
  std::thread other([this] { host->Wake(); });
  EXPECT_FALSE(host->NextEvent(out, UINT64_MAX));
  other.join();
}

TEST_F(SdlHostTest, ATimeoutReturnsNoEvent) {
  Backend::Event out;
  EXPECT_FALSE(host->NextEvent(out, ClockNowMs() + 1));
}

TEST_F(SdlHostTest, CaptionTestMakesTheCaptionDraggable) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 64, 64));
  struct Seen {
    Backend::HostWindowId Window = 0;
    int X = -1, Y = -1;
  } seen;
  host->SetCaptionTest(
      [](Backend::HostWindowId window, int x, int y, void* context) {
        auto* s = static_cast<Seen*>(context);
        *s = Seen{window, x, y};
        return y < 18;
      },
      &seen);
  EXPECT_TRUE(host->OnCaption(host->SdlWindowOf(w), 30, 5));
  EXPECT_EQ(seen.Window, w);
  EXPECT_EQ(seen.X, 30);
  EXPECT_FALSE(host->OnCaption(host->SdlWindowOf(w), 30, 40));
}

TEST_F(SdlHostTest, CursorsAndTitlesAreTakenWithoutAWindowManager) {
  Backend::HostWindowId w = OpenWindow(Bounds(0, 0, 64, 64));
  host->SetTitle(w, "TALLIX MORVANT II \xE2\x80\x93 Größe");
  EXPECT_STREQ(SDL_GetWindowTitle(host->SdlWindowOf(w)), "TALLIX MORVANT II \xE2\x80\x93 Größe");
  for (int c = 0; c <= static_cast<int>(Backend::Cursor::No); ++c) host->SetCursor(static_cast<Backend::Cursor>(c));
  host->Raise(w);
  host->DestroyHostWindow(w);
  EXPECT_EQ(host->SdlWindowOf(w), nullptr);
  host->Show(w, true, true);  // a stale id is ignored
}

}  // namespace
