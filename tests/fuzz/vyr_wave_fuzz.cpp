// fuzz-libs: morvant_foundation
// Outside bytes through every way a wave is loaded: the header check, a
// whole image, a length-prefixed one (plain and compressed stream format)
// and the "Data" block of forms. Each either holds an image that passes the
// check and writes back as it came, or raises and keeps the wave as it was.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#include "exceptions.h"
#include "vyrmms.h"
#include "vyrutils.h"

using namespace Vyrmms;

namespace {

std::string Held(const TVyrWave& wave) {
  TMemoryStream* image = wave.GetImage();
  return image ? std::string(static_cast<const char*>(image->GetMemory()), static_cast<std::size_t>(image->GetSize()))
               : std::string("<none>");
}

void Check(const AnsiString& bytes, const std::function<void(TVyrWave&, TStream*)>& load) {
  // A wave holding a header of its own, which a refused load must keep.
  TVyrWave wave;
  {
    static const char kHeader[] = "RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x22\x56\0\0\x44\xAC\0\0\2\0\x10\0data\0\0\0\0";
    TStringStream header(AnsiString(kHeader, sizeof kHeader - 1));
    wave.LoadFromStream(&header);
  }
  const std::string kept = Held(wave);
  TStringStream stream(bytes);
  try {
    load(wave, &stream);
  } catch (const EReadError&) {
    if (Held(wave) != kept) __builtin_trap();
    return;
  } catch (const EInvalidWave&) {
    if (Held(wave) != kept) __builtin_trap();
    return;
  } catch (const EErrorCheckingWave&) {
    if (Held(wave) != kept) __builtin_trap();
    return;
  }
  if (!wave.GetEmpty()) {
    TVyrWaveInfo info;
    TMemoryStream copy;
    wave.SaveToStream(&copy);
    copy.SetPosition(0);
    if (!VyrGetWaveStreamInfo(&copy, info)) __builtin_trap();
  }
  TMemoryStream again;
  wave.SaveToStreamEx(&again);
  again.SetPosition(0);
  TVyrWave back;
  back.LoadFromStreamEx(&again);
  if (Held(back) != Held(wave) && wave.GetImage()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const AnsiString bytes(reinterpret_cast<const char*>(data), size);
  {
    TStringStream stream(bytes);
    TVyrWaveInfo info;
    try {
      VyrGetWaveStreamInfo(&stream, info);
    } catch (const EErrorCheckingWave&) {
    }
    if (stream.GetPosition() != 0) __builtin_trap();
  }
  Check(bytes, [](TVyrWave& w, TStream* s) { w.LoadFromStream(s); });
  Check(bytes, [](TVyrWave& w, TStream* s) { w.ReadData(s); });
  Check(bytes, [](TVyrWave& w, TStream* s) { Vyrutils::stReadWave(s, &w, false); });
  Check(bytes, [](TVyrWave& w, TStream* s) { Vyrutils::stReadWave(s, &w, true); });
  return 0;
}
