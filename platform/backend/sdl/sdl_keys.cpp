#include "sdl_keys.h"

#include <SDL.h>

namespace SdlBackend {
namespace {

struct KeyCode {
  int Sdl;
  int Vk;
};

// Keys by position that type no character: the same on every layout.
constexpr KeyCode kFixedKeys[] = {
    {SDL_SCANCODE_RETURN, 0x0D},       // VK_RETURN
    {SDL_SCANCODE_KP_ENTER, 0x0D},     // VK_RETURN
    {SDL_SCANCODE_ESCAPE, 0x1B},       // VK_ESCAPE
    {SDL_SCANCODE_BACKSPACE, 0x08},    // VK_BACK
    {SDL_SCANCODE_TAB, 0x09},          // VK_TAB
    {SDL_SCANCODE_SPACE, 0x20},        // VK_SPACE
    {SDL_SCANCODE_PAGEUP, 0x21},       // VK_PRIOR
    {SDL_SCANCODE_PAGEDOWN, 0x22},     // VK_NEXT
    {SDL_SCANCODE_END, 0x23},          // VK_END
    {SDL_SCANCODE_HOME, 0x24},         // VK_HOME
    {SDL_SCANCODE_LEFT, 0x25},         // VK_LEFT
    {SDL_SCANCODE_UP, 0x26},           // VK_UP
    {SDL_SCANCODE_RIGHT, 0x27},        // VK_RIGHT
    {SDL_SCANCODE_DOWN, 0x28},         // VK_DOWN
    {SDL_SCANCODE_PRINTSCREEN, 0x2C},  // VK_SNAPSHOT
    {SDL_SCANCODE_INSERT, 0x2D},       // VK_INSERT
    {SDL_SCANCODE_DELETE, 0x2E},       // VK_DELETE
    {SDL_SCANCODE_PAUSE, 0x13},        // VK_PAUSE
    {SDL_SCANCODE_CAPSLOCK, 0x14},     // VK_CAPITAL
    {SDL_SCANCODE_NUMLOCKCLEAR, 0x90}, // VK_NUMLOCK
    {SDL_SCANCODE_SCROLLLOCK, 0x91},   // VK_SCROLL
    // Windows reports either side as the generic key in its key messages.
    {SDL_SCANCODE_LSHIFT, 0x10},       // VK_SHIFT
    {SDL_SCANCODE_RSHIFT, 0x10},
    {SDL_SCANCODE_LCTRL, 0x11},        // VK_CONTROL
    {SDL_SCANCODE_RCTRL, 0x11},
    {SDL_SCANCODE_LALT, 0x12},         // VK_MENU
    {SDL_SCANCODE_RALT, 0x12},
    {SDL_SCANCODE_LGUI, 0x5B},         // VK_LWIN
    {SDL_SCANCODE_RGUI, 0x5C},         // VK_RWIN
    {SDL_SCANCODE_APPLICATION, 0x5D},  // VK_APPS
    {SDL_SCANCODE_KP_MULTIPLY, 0x6A},  // VK_MULTIPLY
    {SDL_SCANCODE_KP_PLUS, 0x6B},      // VK_ADD
    {SDL_SCANCODE_KP_MINUS, 0x6D},     // VK_SUBTRACT
    {SDL_SCANCODE_KP_DIVIDE, 0x6F},    // VK_DIVIDE
};

// The numeric pad: with NumLock on, VK_NUMPAD0.. and VK_DECIMAL; off, the
// navigation key printed beneath.
struct PadKey {
  int Sdl;
  int VkNumLock;
  int VkNavigation;
};
constexpr PadKey kPadKeys[] = {
    {SDL_SCANCODE_KP_0, 0x60, 0x2D},       // VK_NUMPAD0 / VK_INSERT
    {SDL_SCANCODE_KP_1, 0x61, 0x23},       // VK_END
    {SDL_SCANCODE_KP_2, 0x62, 0x28},       // VK_DOWN
    {SDL_SCANCODE_KP_3, 0x63, 0x22},       // VK_NEXT
    {SDL_SCANCODE_KP_4, 0x64, 0x25},       // VK_LEFT
    {SDL_SCANCODE_KP_5, 0x65, 0x0C},       // VK_CLEAR
    {SDL_SCANCODE_KP_6, 0x66, 0x27},       // VK_RIGHT
    {SDL_SCANCODE_KP_7, 0x67, 0x24},       // VK_HOME
    {SDL_SCANCODE_KP_8, 0x68, 0x26},       // VK_UP
    {SDL_SCANCODE_KP_9, 0x69, 0x21},       // VK_PRIOR
    {SDL_SCANCODE_KP_PERIOD, 0x6E, 0x2E},  // VK_DECIMAL / VK_DELETE
    {SDL_SCANCODE_KP_COMMA, 0x6E, 0x2E},
};

// The punctuation keys by the character the layout types on them, as the
// German and the US layouts give their codes.
constexpr KeyCode kCharacterKeys[] = {
    {0xFC, 0xBA},  // ü  VK_OEM_1
    {';', 0xBA},   //    VK_OEM_1
    {'+', 0xBB},   //    VK_OEM_PLUS (not VK_ADD: that is the pad's)
    {'=', 0xBB},
    {',', 0xBC},   //    VK_OEM_COMMA
    {'-', 0xBD},   //    VK_OEM_MINUS
    {'.', 0xBE},   //    VK_OEM_PERIOD
    {'#', 0xBF},   //    VK_OEM_2
    {'/', 0xBF},
    {0xF6, 0xC0},  // ö  VK_OEM_3
    {'`', 0xC0},
    {0xDF, 0xDB},  // ß  VK_OEM_4
    {'[', 0xDB},
    {'^', 0xDC},   //    VK_OEM_5
    {'\\', 0xDC},
    {0xB4, 0xDD},  // ´  VK_OEM_6
    {']', 0xDD},
    {0xE4, 0xDE},  // ä  VK_OEM_7
    {'\'', 0xDE},
    {'<', 0xE2},   //    VK_OEM_102
};

// Where the layout types nothing usable: the key's place on a German keyboard.
constexpr KeyCode kGermanPositions[] = {
    {SDL_SCANCODE_LEFTBRACKET, 0xBA},     // ü
    {SDL_SCANCODE_RIGHTBRACKET, 0xBB},    // +
    {SDL_SCANCODE_COMMA, 0xBC},
    {SDL_SCANCODE_SLASH, 0xBD},           // -
    {SDL_SCANCODE_PERIOD, 0xBE},
    {SDL_SCANCODE_BACKSLASH, 0xBF},       // #
    {SDL_SCANCODE_NONUSHASH, 0xBF},       // #
    {SDL_SCANCODE_SEMICOLON, 0xC0},       // ö
    {SDL_SCANCODE_MINUS, 0xDB},           // ß
    {SDL_SCANCODE_GRAVE, 0xDC},           // ^
    {SDL_SCANCODE_EQUALS, 0xDD},          // ´
    {SDL_SCANCODE_APOSTROPHE, 0xDE},      // ä
    {SDL_SCANCODE_NONUSBACKSLASH, 0xE2},  // <
    {SDL_SCANCODE_Y, 'Z'},                // the German Z sits where US has Y
    {SDL_SCANCODE_Z, 'Y'},
};

template <typename Table>
int Find(const Table& table, int sdl) {
  for (const KeyCode& k : table)
    if (k.Sdl == sdl) return k.Vk;
  return 0;
}

int FunctionKey(int scancode) {
  if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) return 0x70 + (scancode - SDL_SCANCODE_F1);
  if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) return 0x7C + (scancode - SDL_SCANCODE_F13);
  return 0;
}

int CharacterKey(int keycode) {
  if (keycode >= 'a' && keycode <= 'z') return keycode - 'a' + 'A';
  if (keycode >= '0' && keycode <= '9') return keycode;
  return Find(kCharacterKeys, keycode);
}

int PositionKey(int scancode) {
  if (int vk = Find(kGermanPositions, scancode)) return vk;
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
  if (scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

}  // namespace

int VirtualKeyOf(int scancode, int keycode, bool numLock) {
  for (const PadKey& k : kPadKeys)
    if (k.Sdl == scancode) return numLock ? k.VkNumLock : k.VkNavigation;
  if (int vk = Find(kFixedKeys, scancode)) return vk;
  if (int vk = FunctionKey(scancode)) return vk;
  if (int vk = CharacterKey(keycode)) return vk;
  return PositionKey(scancode);
}

}  // namespace SdlBackend
