// SDL's keys as Windows virtual-key codes.
//
// Letters, digits and the punctuation keys follow the character the active
// layout puts on the key, as on Windows (a German keyboard's Z is 'Z', its
// ü VK_OEM_1). Keys that type no character of their own (dead keys, a
// non-Latin layout) fall back to their position on a German keyboard, the
// layout this program is made for.
#pragma once

namespace SdlBackend {

// `scancode` and `keycode` are SDL's; with NumLock off the numeric pad gives
// the navigation keys, as on Windows. 0 when the key has no code.
int VirtualKeyOf(int scancode, int keycode, bool numLock);

}  // namespace SdlBackend
