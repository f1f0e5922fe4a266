#include "sdl_keys.h"

#include <SDL.h>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
  const char* What;
  int Scancode;
  int Keycode;
  bool NumLock;
  int VirtualKey;
};

// As a German layout reports its keys to SDL, and what Windows gives for them.
const KeyCase kKeys[] = {
    {"letter", SDL_SCANCODE_A, SDLK_a, false, 'A'},
    {"German Z on the US Y place", SDL_SCANCODE_Y, SDLK_z, false, 'Z'},
    {"German Y on the US Z place", SDL_SCANCODE_Z, SDLK_y, false, 'Y'},
    {"digit", SDL_SCANCODE_7, SDLK_7, false, '7'},
    {"digit 0", SDL_SCANCODE_0, SDLK_0, false, '0'},
    {"F1", SDL_SCANCODE_F1, SDLK_F1, false, 0x70},
    {"F2", SDL_SCANCODE_F2, SDLK_F2, false, 0x71},
    {"F12", SDL_SCANCODE_F12, SDLK_F12, false, 0x7B},
    {"F13", SDL_SCANCODE_F13, SDLK_F13, false, 0x7C},
    {"F24", SDL_SCANCODE_F24, SDLK_F24, false, 0x87},
    {"left", SDL_SCANCODE_LEFT, SDLK_LEFT, false, 37},
    {"up", SDL_SCANCODE_UP, SDLK_UP, false, 38},
    {"right", SDL_SCANCODE_RIGHT, SDLK_RIGHT, false, 39},
    {"down", SDL_SCANCODE_DOWN, SDLK_DOWN, false, 40},
    {"page up", SDL_SCANCODE_PAGEUP, SDLK_PAGEUP, false, 33},
    {"page down", SDL_SCANCODE_PAGEDOWN, SDLK_PAGEDOWN, false, 34},
    {"end", SDL_SCANCODE_END, SDLK_END, false, 35},
    {"home", SDL_SCANCODE_HOME, SDLK_HOME, false, 36},
    {"insert", SDL_SCANCODE_INSERT, SDLK_INSERT, false, 45},
    {"delete", SDL_SCANCODE_DELETE, SDLK_DELETE, false, 46},
    {"return", SDL_SCANCODE_RETURN, SDLK_RETURN, false, 13},
    {"pad enter", SDL_SCANCODE_KP_ENTER, SDLK_KP_ENTER, true, 13},
    {"escape", SDL_SCANCODE_ESCAPE, SDLK_ESCAPE, false, 27},
    {"tab", SDL_SCANCODE_TAB, SDLK_TAB, false, 9},
    {"backspace", SDL_SCANCODE_BACKSPACE, SDLK_BACKSPACE, false, 8},
    {"space", SDL_SCANCODE_SPACE, SDLK_SPACE, false, 32},
    {"left shift", SDL_SCANCODE_LSHIFT, SDLK_LSHIFT, false, 16},
    {"right shift", SDL_SCANCODE_RSHIFT, SDLK_RSHIFT, false, 16},
    {"left ctrl", SDL_SCANCODE_LCTRL, SDLK_LCTRL, false, 17},
    {"right ctrl", SDL_SCANCODE_RCTRL, SDLK_RCTRL, false, 17},
    {"left alt", SDL_SCANCODE_LALT, SDLK_LALT, false, 18},
    {"AltGr", SDL_SCANCODE_RALT, SDLK_MODE, false, 18},
    {"caps lock", SDL_SCANCODE_CAPSLOCK, SDLK_CAPSLOCK, false, 20},
    {"num lock", SDL_SCANCODE_NUMLOCKCLEAR, SDLK_NUMLOCKCLEAR, false, 144},
    {"scroll lock", SDL_SCANCODE_SCROLLLOCK, SDLK_SCROLLLOCK, false, 145},
    {"pad 0", SDL_SCANCODE_KP_0, SDLK_KP_0, true, 96},
    {"pad 5", SDL_SCANCODE_KP_5, SDLK_KP_5, true, 101},
    {"pad 9", SDL_SCANCODE_KP_9, SDLK_KP_9, true, 105},
    {"pad 7 without NumLock is Home", SDL_SCANCODE_KP_7, SDLK_KP_7, false, 36},
    {"pad 3 without NumLock is Page Down", SDL_SCANCODE_KP_3, SDLK_KP_3, false, 34},
    {"pad decimal", SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, true, 110},
    {"pad decimal without NumLock is Delete", SDL_SCANCODE_KP_PERIOD, SDLK_KP_PERIOD, false, 46},
    {"pad multiply", SDL_SCANCODE_KP_MULTIPLY, SDLK_KP_MULTIPLY, false, 106},
    {"pad plus is VK_ADD", SDL_SCANCODE_KP_PLUS, SDLK_KP_PLUS, false, 107},
    {"pad minus is VK_SUBTRACT", SDL_SCANCODE_KP_MINUS, SDLK_KP_MINUS, false, 109},
    {"pad divide", SDL_SCANCODE_KP_DIVIDE, SDLK_KP_DIVIDE, false, 111},
    {"main plus is not VK_ADD", SDL_SCANCODE_RIGHTBRACKET, SDLK_PLUS, false, 0xBB},
    {"main minus is not VK_SUBTRACT", SDL_SCANCODE_SLASH, SDLK_MINUS, false, 0xBD},
    {"comma", SDL_SCANCODE_COMMA, SDLK_COMMA, false, 0xBC},
    {"period", SDL_SCANCODE_PERIOD, SDLK_PERIOD, false, 0xBE},
    {"u umlaut", SDL_SCANCODE_LEFTBRACKET, 0xFC, false, 0xBA},
    {"o umlaut", SDL_SCANCODE_SEMICOLON, 0xF6, false, 0xC0},
    {"a umlaut", SDL_SCANCODE_APOSTROPHE, 0xE4, false, 0xDE},
    {"sharp s", SDL_SCANCODE_MINUS, 0xDF, false, 0xDB},
    {"hash", SDL_SCANCODE_BACKSLASH, SDLK_HASH, false, 0xBF},
    {"less than", SDL_SCANCODE_NONUSBACKSLASH, SDLK_LESS, false, 0xE2},
    {"caret", SDL_SCANCODE_GRAVE, SDLK_CARET, false, 0xDC},
    {"dead caret", SDL_SCANCODE_GRAVE, SDLK_UNKNOWN, false, 0xDC},
    {"dead acute", SDL_SCANCODE_EQUALS, SDLK_UNKNOWN, false, 0xDD},
    {"US equals is the plus key", SDL_SCANCODE_EQUALS, SDLK_EQUALS, false, 0xBB},
    {"US left bracket", SDL_SCANCODE_LEFTBRACKET, SDLK_LEFTBRACKET, false, 0xDB},
    {"non-Latin letter by its place", SDL_SCANCODE_A, 0x0444, false, 'A'},
    {"no code", SDL_SCANCODE_AUDIOPLAY, SDLK_AUDIOPLAY, false, 0},
};

TEST(SdlKeys, TranslatesTheTable) {
  for (const KeyCase& k : kKeys)
    EXPECT_EQ(SdlBackend::VirtualKeyOf(k.Scancode, k.Keycode, k.NumLock), k.VirtualKey) << k.What;
}

}  // namespace
