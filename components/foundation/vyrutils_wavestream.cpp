#include "vyrmms.h"
#include "vyrutils.h"

namespace Vyrutils {

void stWriteWave(TStream* Stream, Vyrmms::TVyrWave* Wave, bool Compressed) {
  if (Compressed)
    Wave->SaveCompressedToStream(Stream);
  else
    Wave->SaveToStreamEx(Stream);
}

void stReadWave(TStream* Stream, Vyrmms::TVyrWave* Wave, bool Compressed) {
  if (Compressed)
    Wave->LoadCompressedFromStream(Stream);
  else
    Wave->LoadFromStreamEx(Stream);
}

}  // namespace Vyrutils
