// The header check of a wave image, shared by the wave itself, the file
// query and the resource compiler, so that a file the build takes is one the
// program can load.
#include <cstring>

#include "fileops.h"
#include "formtext.h"
#include "resourcestrings.h"
#include "vyrmms.h"

namespace Vyrmms {

namespace {

// Reads exactly Count bytes or raises: a header cut short is a damaged wave,
// not a wrong one.
void ReadHeader(TStream* Stream, void* Buffer, LongInt Count) {
  if (Stream->Read(Buffer, Count) != Count) throw EErrorCheckingWave("GetWaveData: " + LoadStr(SFOpenError));
}

bool TagIs(TStream* Stream, const char* Tag) {
  char read[4];
  ReadHeader(Stream, read, 4);
  return std::memcmp(read, Tag, 4) == 0;
}

std::uint32_t ReadLE(TStream* Stream, int Bytes) {
  std::uint8_t b[4] = {};
  ReadHeader(Stream, b, Bytes);
  std::uint32_t v = 0;
  for (int i = 0; i < Bytes; ++i) v |= static_cast<std::uint32_t>(b[i]) << (8 * i);
  return v;
}

bool CheckFrom(TStream* Stream, TVyrWaveInfo& Info) {
  if (!TagIs(Stream, "RIFF")) return false;
  Info.Size = ReadLE(Stream, 4);
  if (!TagIs(Stream, "WAVE") || !TagIs(Stream, "fmt ")) return false;
  ReadLE(Stream, 4);  // the format chunk's length
  const std::uint32_t tag = ReadLE(Stream, 2);
  Info.Format = tag == 1 ? TVyrWaveFormat::wfPCM : TVyrWaveFormat::wfUnknown;
  const std::uint32_t channels = ReadLE(Stream, 2);
  Info.ChannelMode = channels == 1   ? TVyrChannelMode::cmMono
                     : channels == 2 ? TVyrChannelMode::cmStereo
                                     : TVyrChannelMode::cmUnknown;
  Info.SampleRate = ReadLE(Stream, 4);
  ReadLE(Stream, 4);  // average bytes per second
  ReadLE(Stream, 2);  // block align
  Info.Bits = static_cast<std::uint16_t>(ReadLE(Stream, 2));
  return true;
}

// Puts the stream back where it stood, whichever way the check ends.
class TPositionKeeper {
 public:
  explicit TPositionKeeper(TStream* Stream) : stream_(Stream), start_(Stream->GetPosition()) {}
  ~TPositionKeeper() { stream_->SetPosition(start_); }
  TPositionKeeper(const TPositionKeeper&) = delete;
  TPositionKeeper& operator=(const TPositionKeeper&) = delete;

 private:
  TStream* stream_;
  Int64 start_;
};

}  // namespace

bool VyrGetWaveStreamInfo(TStream* Stream, TVyrWaveInfo& Info) {
  if (!Stream || Stream->GetSize() == 0) return false;
  TPositionKeeper keep(Stream);
  return CheckFrom(Stream, Info);
}

bool VyrGetWaveFileInfo(const AnsiString& FileName, TVyrWaveInfo& Info) {
  if (!FileExists(FileName)) return false;
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  return VyrGetWaveStreamInfo(&stream, Info);
}

std::vector<Byte> VyrEncodeWaveFile(const AnsiString& Path, const std::vector<Byte>& File) {
  TMemoryStream image;
  if (!File.empty()) image.WriteBuffer(File.data(), static_cast<LongInt>(File.size()));
  image.SetPosition(0);
  TVyrWaveInfo info;
  bool valid = false;
  try {
    valid = VyrGetWaveStreamInfo(&image, info);
  } catch (const EErrorCheckingWave&) {
    throw EParserError(Path + ": Wave-Datei endet im Kopf");
  }
  if (!valid) throw EParserError(Path + ": keine RIFF-Wave-Datei mit Formatblock am Anfang");
  std::vector<Byte> block(4 + File.size());
  const std::uint32_t length = static_cast<std::uint32_t>(File.size());
  for (int i = 0; i < 4; ++i) block[i] = static_cast<Byte>(length >> (8 * i));
  if (!File.empty()) std::memcpy(block.data() + 4, File.data(), File.size());
  return block;
}

}  // namespace Vyrmms
