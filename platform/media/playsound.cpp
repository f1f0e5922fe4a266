#include "playsound.h"

#include <string>

#include "atomic_file.h"
#include "clock.h"
#include "host.h"
#include "paths.h"
#include "wave_image.h"

namespace {

// A header may promise weeks of sound; INFINITE would wait for ever.
DWORD SleepableMs(std::uint64_t ms) { return ms < INFINITE ? static_cast<DWORD>(ms) : INFINITE - 1; }

// Checks the image, hands it to the host and, when asked to, waits for its
// end. The host copies what it plays, so the caller's memory may go after.
BOOL PlayImage(const void* image, std::size_t size, UINT flags) {
  WaveImageInfo info;
  if (!ParseWaveImage(image, size, info) || !Backend::HostInstalled()) return FALSE;
  Backend::Host& host = Backend::CurrentHost();
  if (host.WaveOutDeviceCount() == 0) return FALSE;
  host.PlayWave(image, size, (flags & SND_LOOP) != 0);
  if (!(flags & (SND_ASYNC | SND_LOOP))) Sleep(SleepableMs(WaveDurationMs(info)));
  return TRUE;
}

// A bare pointer carries no length: the RIFF field says how far the image
// reaches. The bytes are read one by one so that a short buffer that is no
// RIFF image is left at its first wrong byte.
std::size_t ImageSizeFromHeader(const void* image) {
  const auto* b = static_cast<const std::uint8_t*>(image);
  if (b[0] != 'R' || b[1] != 'I' || b[2] != 'F' || b[3] != 'F') return 0;
  const std::uint32_t length = static_cast<std::uint32_t>(b[4]) | static_cast<std::uint32_t>(b[5]) << 8 |
                               static_cast<std::uint32_t>(b[6]) << 16 | static_cast<std::uint32_t>(b[7]) << 24;
  return static_cast<std::size_t>(length) + 8;
}

BOOL PlayFile(LPCSTR fileName, UINT flags) {
  std::string bytes;
  if (ReadWholeFile(NativePath(fileName), bytes) != FileReadResult::Read) return FALSE;
  // The bytes go when this returns: a looping or asynchronous sound is safe
  // all the same, because the host keeps its own copy.
  return PlayImage(bytes.data(), bytes.size(), flags);
}

}  // namespace

BOOL sndPlaySound(LPCSTR sound, UINT flags) {
  if (!sound || (flags & SND_PURGE)) {
    if (Backend::HostInstalled()) Backend::CurrentHost().StopWave();
    return TRUE;
  }
  if (flags & SND_MEMORY) return PlayImage(sound, ImageSizeFromHeader(sound), flags);
  return PlayFile(sound, flags);
}

BOOL PlayWaveImage(const void* image, std::size_t size, UINT flags) {
  if (!image) return sndPlaySound(nullptr, flags);
  return PlayImage(image, size, flags);
}

BOOL PlaySound(LPCSTR sound, HMODULE /*module*/, DWORD flags) { return sndPlaySound(sound, flags); }

UINT waveOutGetNumDevs() {
  if (!Backend::HostInstalled()) return 0;
  const int count = Backend::CurrentHost().WaveOutDeviceCount();
  return count > 0 ? static_cast<UINT>(count) : 0;
}
