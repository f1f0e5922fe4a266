// Wave sounds: a RIFF/WAVE image played from memory through the host, as the
// game's sound effects and the component library's wave component call it.
//
// The host plays one wave at a time, so a new sound cuts off the one still
// playing, whoever started it. SND_SYNC returns when the sound's playing time
// has passed on the platform clock (on the virtual clock that is a Sleep,
// which moves time on). SND_NODEFAULT is accepted; there is no default sound
// to fall back on, so a sound that cannot play is simply not played.
#pragma once

#include <cstddef>

#include "wintypes.h"

constexpr UINT SND_SYNC = 0x0000;
constexpr UINT SND_ASYNC = 0x0001;
constexpr UINT SND_NODEFAULT = 0x0002;
constexpr UINT SND_MEMORY = 0x0004;
constexpr UINT SND_LOOP = 0x0008;
constexpr UINT SND_PURGE = 0x0040;
constexpr UINT SND_FILENAME = 0x00020000;

// A null sound (or SND_PURGE) stops whatever plays and succeeds. With
// SND_MEMORY the sound is the image itself; otherwise it names a wave file,
// read whole before it plays. FALSE for an image that is no RIFF/WAVE with a
// format and a data chunk, for a file that cannot be read, and when the host
// has no wave output. SND_LOOP repeats the sound until a null sound,
// SND_PURGE or the next sound stops it; it is never synchronous, as waiting
// for its end would never return.
//
// With SND_MEMORY only a pointer arrives, so the image's extent is taken
// from its RIFF length field, as the original does: the caller vouches for
// it. Callers that know the image's size use PlayWaveImage instead.
BOOL sndPlaySound(LPCSTR sound, UINT flags);
BOOL PlaySound(LPCSTR sound, HMODULE module, DWORD flags);

// sndPlaySound(image, flags | SND_MEMORY) that never reads past `size`.
BOOL PlayWaveImage(const void* image, std::size_t size, UINT flags);

// The host's wave output devices; 0 when it has none.
UINT waveOutGetNumDevs();
