// Key state tables, key events from the host, and TranslateMessage.
#include "keyboard.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>

#include "clock.h"
#include "utf8.h"
#include "focus.h"
#include "message_queue.h"
#include "messages.h"
#include "queue_internal.h"
#include "window_internal.h"

using namespace WindowManager;

namespace {

using KeyTable = std::array<BYTE, 256>;

struct KeyState {
  KeyTable Async{};
  KeyTable Sync{};
  // The table as it stood after each queued input message.
  std::map<DWORD, KeyTable> Snapshots;
  // Key-downs other than Alt's, by serial until taken, and how many were taken.
  std::deque<DWORD> KeyDownsQueued;
  DWORD KeyDownsTaken = 0;
  DWORD OpenKeyDown = 0;  // the last key-down, while its text may follow
  std::deque<DWORD> TranslatedWithoutText;
  // Key-downs whose character TranslateMessage made itself (Alt+letter):
  // the host's text for them, coming late, would type it a second time.
  std::deque<DWORD> TranslatedWithChar;
};

KeyState& Keys() {
  static KeyState k;
  return k;
}

void SetHeld(KeyTable& t, int vk, bool down) {
  BYTE& k = t[static_cast<std::size_t>(vk & 0xFF)];
  k = static_cast<BYTE>(down ? (k | 0x80) : (k & ~0x80));
}

void SetToggled(KeyTable& t, int vk, bool on) {
  BYTE& k = t[static_cast<std::size_t>(vk & 0xFF)];
  k = static_cast<BYTE>(on ? (k | 1) : (k & ~1));
}

// The sided keys also move the generic ones, whichever the host sends.
int GenericOf(int vk) {
  switch (vk) {
    case VK_LSHIFT: case VK_RSHIFT: return VK_SHIFT;
    case VK_LCONTROL: case VK_RCONTROL: return VK_CONTROL;
    case VK_LMENU: case VK_RMENU: return VK_MENU;
  }
  return vk;
}

void PostChar(HWND hwnd, UINT msg, char32_t c, LPARAM lParam) {
  MSG m;
  m.hwnd = hwnd;
  m.message = msg;
  m.wParam = static_cast<WPARAM>(c);
  m.lParam = lParam;
  m.time = GetTickCount();
  PostNext(m);
}

std::u32string DecodeUtf8(const std::string& s) {
  std::u32string out;
  for (std::size_t pos = 0; pos < s.size();) out.push_back(NextCodePoint(s, pos));
  return out;
}

// The characters of keys the host types nothing for.
char32_t SynthesisedChar(int vk, bool sys) {
  bool ctrl = GetKeyState(VK_CONTROL) < 0;
  bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (vk) {
    case VK_RETURN: return 13;
    case VK_BACK: return 8;
    case VK_TAB: return ctrl ? 0 : 9;
    case VK_ESCAPE: return 27;
  }
  if (vk >= 'A' && vk <= 'Z') {
    if (sys) return static_cast<char32_t>(shift ? vk : vk + ('a' - 'A'));
    if (ctrl && GetKeyState(VK_MENU) >= 0) return static_cast<char32_t>(vk - 'A' + 1);
  }
  if (sys && ((vk >= '0' && vk <= '9') || vk == VK_SPACE)) return static_cast<char32_t>(vk);
  return 0;
}

}  // namespace

namespace WindowManager {

void SetAsyncKey(int vk, bool down) {
  KeyState& k = Keys();
  SetHeld(k.Async, vk, down);
  if (GenericOf(vk) != vk) SetHeld(k.Async, GenericOf(vk), down);
}

void ApplyHostModifiers(unsigned m) {
  KeyTable& t = Keys().Async;
  SetHeld(t, VK_SHIFT, m & Backend::modShift);
  SetHeld(t, VK_CONTROL, m & Backend::modCtrl);
  SetHeld(t, VK_MENU, m & Backend::modAlt);
  SetToggled(t, VK_CAPITAL, m & Backend::modCapsLock);
  SetToggled(t, VK_NUMLOCK, m & Backend::modNumLock);
  SetToggled(t, VK_SCROLL, m & Backend::modScrollLock);
}

void SnapshotKeyState(DWORD serial) {
  KeyState& k = Keys();
  k.Snapshots[serial] = k.Async;
  // Messages nobody takes out (purged, or filtered away) leave theirs.
  while (k.Snapshots.size() > 256) k.Snapshots.erase(k.Snapshots.begin());
}

void InputMessageTaken(DWORD serial) {
  KeyState& k = Keys();
  // A filtered take may leave earlier key-downs queued, so only this one goes.
  if (auto down = std::find(k.KeyDownsQueued.begin(), k.KeyDownsQueued.end(), serial); down != k.KeyDownsQueued.end()) {
    ++k.KeyDownsTaken;
    k.KeyDownsQueued.erase(down);
  }
  auto it = k.Snapshots.find(serial);
  if (it == k.Snapshots.end()) return;
  k.Sync = it->second;
  k.Snapshots.erase(k.Snapshots.begin(), std::next(it));
}

void HostKey(const Backend::Event& e, bool down) {
  KeyState& k = Keys();
  int vk = e.VirtualKey & 0xFF;
  if (e.StateOnly) {
    // The keyboard came to us with the key already held, or left with it
    // held: no window saw it go down or up, and none does now. Text that
    // follows is no longer that of the last key-down (which may have been
    // taken long ago, by a menu or a dialog it opened).
    k.OpenKeyDown = 0;
    SetAsyncKey(vk, down);
    ApplyHostModifiers(e.Modifiers);
    return;
  }
  bool wasDown = (k.Async[static_cast<std::size_t>(vk)] & 0x80) != 0;
  bool isLock = vk == VK_CAPITAL || vk == VK_NUMLOCK || vk == VK_SCROLL;
  if (down && !wasDown && !isLock) k.Async[static_cast<std::size_t>(vk)] ^= 1;
  SetAsyncKey(vk, down);
  ApplyHostModifiers(e.Modifiers);
  if (GenericOf(vk) == VK_SHIFT || GenericOf(vk) == VK_CONTROL || GenericOf(vk) == VK_MENU)
    SetHeld(k.Async, GenericOf(vk), down);
  k.OpenKeyDown = 0;

  bool alt = (k.Async[VK_MENU] & 0x80) || GenericOf(vk) == VK_MENU;
  bool ctrl = (k.Async[VK_CONTROL] & 0x80) != 0;
  bool sys = (alt && !ctrl) || vk == VK_F10;
  HWND target = GetFocus();
  if (!target) {
    // Without a focus window, keys go to the active window as system keys.
    target = GetActiveWindow();
    sys = true;
  }
  if (!target) return;
  MSG m;
  m.hwnd = target;
  m.message = down ? (sys ? WM_SYSKEYDOWN : WM_KEYDOWN) : (sys ? WM_SYSKEYUP : WM_KEYUP);
  m.wParam = static_cast<WPARAM>(vk);
  DWORD flags = 1;
  if (alt) flags |= 1u << 29;
  if (down && (wasDown || e.Repeat)) flags |= 1u << 30;
  if (!down) flags |= (1u << 30) | (1u << 31);
  m.lParam = static_cast<LPARAM>(flags);
  m.time = GetTickCount();
  DWORD serial = PostInput(m);
  SnapshotKeyState(serial);
  if (down) k.OpenKeyDown = serial;
  if (down && GenericOf(vk) != VK_MENU) {
    k.KeyDownsQueued.push_back(serial);
    // Key-downs nobody takes out (purged with their window) leave theirs.
    while (k.KeyDownsQueued.size() > 256) k.KeyDownsQueued.pop_front();
  }
}

DWORD KeyDownsTaken() { return Keys().KeyDownsTaken; }

void HostText(const Backend::Event& e) {
  KeyState& k = Keys();
  std::u32string text = DecodeUtf8(e.Text);
  if (text.empty()) return;
  if (k.OpenKeyDown && std::find(k.TranslatedWithChar.begin(), k.TranslatedWithChar.end(), k.OpenKeyDown) !=
                           k.TranslatedWithChar.end()) {
    k.OpenKeyDown = 0;
    return;
  }
  bool translated = std::find(k.TranslatedWithoutText.begin(), k.TranslatedWithoutText.end(), k.OpenKeyDown) !=
                    k.TranslatedWithoutText.end();
  if (k.OpenKeyDown && !translated) {
    AttachTypedText(k.OpenKeyDown, std::move(text));
    k.OpenKeyDown = 0;
    return;
  }
  // Text without a key-down of its own (composed, or late): straight to the
  // focus window, in order.
  HWND target = GetFocus();
  if (!target) return;
  for (char32_t c : text) {
    MSG m;
    m.hwnd = target;
    m.message = WM_CHAR;
    m.wParam = static_cast<WPARAM>(c);
    m.lParam = 1;
    m.time = GetTickCount();
    PostInput(m);
  }
}

}  // namespace WindowManager

SHORT GetKeyState(int vk) {
  BYTE k = Keys().Sync[static_cast<std::size_t>(vk & 0xFF)];
  return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 1));
}

SHORT GetAsyncKeyState(int vk) {
  BYTE k = Keys().Async[static_cast<std::size_t>(vk & 0xFF)];
  return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 1));
}

BOOL GetKeyboardState(BYTE* state) {
  if (!state) return FALSE;
  std::copy(Keys().Sync.begin(), Keys().Sync.end(), state);
  return TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN)) return FALSE;
  bool sys = msg->message == WM_SYSKEYDOWN;
  UINT charMsg = sys ? WM_SYSCHAR : WM_CHAR;
  bool found = false;
  std::u32string text = msg->lPrivate ? TakeTypedText(msg->lPrivate, found) : std::u32string();
  if (!found) {
    KeyState& k = Keys();
    char32_t c = SynthesisedChar(static_cast<int>(msg->wParam), sys);
    if (msg->lPrivate) {
      std::deque<DWORD>& list = c ? k.TranslatedWithChar : k.TranslatedWithoutText;
      list.push_back(msg->lPrivate);
      while (list.size() > 16) list.pop_front();
    }
    if (!c) return FALSE;
    text.push_back(c);
  }
  // PostNext puts each at the head: the last character goes first.
  for (auto it = text.rbegin(); it != text.rend(); ++it) PostChar(msg->hwnd, charMsg, *it, msg->lParam);
  return TRUE;
}
