// The wave: its image, loading and saving, the "Data" property and playing.
#include <cstring>
#include <utility>

#include "exceptions.h"
#include "filer.h"
#include "playsound.h"
#include "resourcestrings.h"
#include "vyrmms.h"
#include "vyrutils.h"

namespace Vyrmms {

namespace {

// The wave whose sound the host plays, as far as this unit knows: only it
// may silence the host when it goes or reloads.
TVyrWave* LastPlayed = nullptr;

constexpr unsigned kPlayFlags[] = {
    SND_NODEFAULT | SND_MEMORY,                        // sdSync
    SND_ASYNC | SND_NODEFAULT | SND_MEMORY,            // sdAsync
    SND_ASYNC | SND_NODEFAULT | SND_MEMORY | SND_LOOP  // sdLoop
};

}  // namespace

void TVyrWave::Publish(TPublisher<TVyrWave>&) {}

TVyrWave::TVyrWave() = default;

TVyrWave::TVyrWave(const AnsiString& FileName) { LoadFromFile(FileName); }

TVyrWave::~TVyrWave() {
  if (image_) StopIfPlaying();
  if (LastPlayed == this) LastPlayed = nullptr;
}

void TVyrWave::Assign(TPersistent* Source) {
  if (!Source) {
    FreeWave();
    return;
  }
  if (auto* other = dynamic_cast_object<TVyrWave>(Source)) {
    if (other == this) return;
    std::unique_ptr<TMemoryStream> copy;
    if (other->image_) {
      copy = std::make_unique<TMemoryStream>();
      copy->SetSize(other->image_->GetSize());
      if (copy->GetSize() > 0) std::memcpy(copy->GetMemory(), other->image_->GetMemory(), copy->GetSize());
    }
    ReplaceImage(std::move(copy), other->info_);
    return;
  }
  inherited::Assign(Source);
}

bool TVyrWave::GetEmpty() const { return !image_ || image_->GetSize() == 0; }

int TVyrWave::GetSize() const { return image_ ? static_cast<int>(image_->GetSize()) : 0; }

bool TVyrWave::PlayFlags(unsigned Flags) {
  if (GetEmpty() || !VyrMMWavePossible()) return false;
  // The held size goes with the image: a RIFF length field that claims more
  // than is held must not lead the player past it.
  if (!PlayWaveImage(image_->GetMemory(), static_cast<std::size_t>(image_->GetSize()), Flags)) return false;
  LastPlayed = this;
  return true;
}

bool TVyrWave::Play() { return PlayFlags(kPlayFlags[static_cast<int>(TVyrSndPlayMode::sdAsync)]); }

bool TVyrWave::PlaySound(TVyrSndPlayMode Mode) { return PlayFlags(kPlayFlags[static_cast<int>(Mode)]); }

void TVyrWave::Stop() {
  sndPlaySound(nullptr, SND_MEMORY);
  LastPlayed = nullptr;
}

void TVyrWave::StopIfPlaying() {
  if (LastPlayed == this) Stop();
}

void TVyrWave::FreeWave() {
  if (!image_) return;
  ReplaceImage(nullptr, TVyrWaveInfo());
}

void TVyrWave::ReplaceImage(std::unique_ptr<TMemoryStream> Image, const TVyrWaveInfo& Info) {
  StopIfPlaying();
  image_ = std::move(Image);
  if (image_) image_->SetPosition(0);
  info_ = image_ && image_->GetSize() > 0 ? Info : TVyrWaveInfo();
  Change();
}

void TVyrWave::LoadBytes(TStream* Stream, Int64 Count) {
  auto image = std::make_unique<TMemoryStream>();
  TVyrWaveInfo info;
  if (Count > 0) {
    image->SetSize(Count);
    Stream->ReadBuffer(image->GetMemory(), static_cast<LongInt>(Count));
    image->SetPosition(0);
    if (!VyrGetWaveStreamInfo(image.get(), info)) throw EInvalidWave(ClassName() + ": " + LoadStr(SFOpenError));
  }
  ReplaceImage(std::move(image), info);
}

void TVyrWave::LoadFromFile(const AnsiString& FileName) {
  TFileStream stream(FileName, fmOpenRead | fmShareDenyWrite);
  LoadFromStream(&stream);
}

void TVyrWave::LoadFromStream(TStream* Stream) { LoadBytes(Stream, Stream->GetSize() - Stream->GetPosition()); }

void TVyrWave::LoadFromStreamEx(TStream* Stream) {
  const Int64 left = Stream->GetSize() - Stream->GetPosition();
  const int length = Vyrutils::stReadInteger(Stream);
  // Checked before any memory is taken: the length comes from outside.
  if (left < 4 || length < 0 || length > left - 4) throw EReadError("Wave-Daten abgeschnitten oder beschädigt");
  LoadBytes(Stream, length);
}

void TVyrWave::LoadCompressedFromStream(TStream* Stream) {
  TMemoryStream image;
  Vyrutils::LoadCompressedStream(Stream, &image);
  image.SetPosition(0);
  LoadFromStream(&image);
}

void TVyrWave::SaveToFile(const AnsiString& FileName) {
  TFileStream stream(FileName, fmCreate);
  SaveToStream(&stream);
}

void TVyrWave::SaveToStream(TStream* Stream) {
  if (image_ && image_->GetSize() > 0) Stream->WriteBuffer(image_->GetMemory(), static_cast<LongInt>(image_->GetSize()));
}

void TVyrWave::SaveToStreamEx(TStream* Stream) {
  Vyrutils::stWriteInteger(Stream, GetSize());
  SaveToStream(Stream);
}

void TVyrWave::SaveCompressedToStream(TStream* Stream) {
  TMemoryStream image;
  SaveToStream(&image);
  image.SetPosition(0);
  Vyrutils::SaveCompressedStream(&image, Stream, static_cast<int>(image.GetSize()));
}

void TVyrWave::ReadData(TStream* Stream) {
  const Int64 left = Stream->GetSize() - Stream->GetPosition();
  const int length = Vyrutils::stReadInteger(Stream);
  if (left < 4 || length < 0 || length != left - 4) throw EReadError("Wave.Data: Länge passt nicht zum Block");
  LoadBytes(Stream, length);
}

void TVyrWave::WriteData(TStream* Stream) {
  if (!image_) image_ = std::make_unique<TMemoryStream>();
  SaveToStreamEx(Stream);
}

void TVyrWave::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  Filer->DefineBinaryProperty("Data", TStreamProc(this, &TVyrWave::ReadData), TStreamProc(this, &TVyrWave::WriteData),
                              image_ != nullptr);
}

bool VyrMMWavePossible() { return waveOutGetNumDevs() != 0; }

}  // namespace Vyrmms
