#include <cstring>

#include "filer.h"
#include "streams.h"
#include "vyrclass_regionmask.h"
#include "vyrutils.h"

namespace Vyrclass {

void TVyrRegionMask::Publish(TPublisher<TVyrRegionMask>& P) {
  P.Integer("RegionDataSize", &TVyrRegionMask::GetRegionDataSize, &TVyrRegionMask::SetDataSize);
  P.Bool("Compressed", &TVyrRegionMask::GetCompressed, &TVyrRegionMask::SetCompressed);
  P.Enum("PixelFormat", &TVyrRegionMask::GetPixelFormat, &TVyrRegionMask::SetPixelFormat,
         {"spfDefault", "spfMono", "spf4bit", "spf8bit"});
}

TVyrRegionMask::TVyrRegionMask()
    : borderUpBmp_(std::make_unique<TBitmap>()),
      borderDnBmp_(std::make_unique<TBitmap>()),
      borderBmp_(std::make_unique<TBitmap>()) {}

TVyrRegionMask::~TVyrRegionMask() = default;

const RGNDATA* TVyrRegionMask::GetRegionDataBlock() const {
  return HasData() ? reinterpret_cast<const RGNDATA*>(data_.data()) : nullptr;
}

void TVyrRegionMask::SetRegionData(std::vector<Byte> Data) {
  data_ = std::move(Data);
  dataSize_ = static_cast<int>(data_.size());
}

void TVyrRegionMask::GetMem() { data_.assign(dataSize_ > 0 ? static_cast<size_t>(dataSize_) : 0, 0); }

void TVyrRegionMask::FreeMem() {
  data_.clear();
  dataSize_ = 0;
}

void TVyrRegionMask::GetRegionData(HRGN Rgn) {
  if (!HasData()) return;
  ::GetRegionData(Rgn, static_cast<DWORD>(dataSize_), reinterpret_cast<RGNDATA*>(data_.data()));
}

void TVyrRegionMask::SetBorderBmp(int Index, TBitmap* Bitmap) {
  TBitmap* target = Index == 0 ? borderBmp_.get() : Index == 1 ? borderUpBmp_.get() : Index == 2 ? borderDnBmp_.get() : nullptr;
  if (target) target->Assign(Bitmap);
}

void TVyrRegionMask::CreateBorderUpBmp() {
  if (!borderUpBmp_) borderUpBmp_ = std::make_unique<TBitmap>();
}
void TVyrRegionMask::CreateBorderDnBmp() {
  if (!borderDnBmp_) borderDnBmp_ = std::make_unique<TBitmap>();
}

void TVyrRegionMask::Assign(TPersistent* Source) {
  auto* src = dynamic_cast<TVyrRegionMask*>(Source);
  if (!src) {
    TVyrObject::Assign(Source);
    return;
  }
  FreeMem();
  if (src->HasData()) {
    data_ = src->data_;
    dataSize_ = src->dataSize_;
    borderBmp_->Assign(src->borderBmp_.get());
    borderUpBmp_->Assign(src->borderUpBmp_.get());
    borderDnBmp_->Assign(src->borderDnBmp_.get());
  }
  Change();
}

bool VyrRegionDataValid(const Byte* Data, size_t Size) {
  if (!Data || Size < sizeof(RGNDATAHEADER)) return false;
  RGNDATAHEADER header;
  std::memcpy(&header, Data, sizeof header);
  return header.dwSize == sizeof(RGNDATAHEADER) && header.iType == RDH_RECTANGLES &&
         sizeof(RGNDATAHEADER) + 16ull * header.nCount == Size;
}

// The block is taken only whole and as its header describes it; anything
// else drops the mask's data, so the region falls back to no mask.
void TVyrRegionMask::ReadData(TStream* Stream) {
  const Int64 length = Stream->GetSize() - Stream->GetPosition();
  if (dataSize_ <= 0 || length != dataSize_) {
    FreeMem();
    return;
  }
  std::vector<Byte> block(static_cast<size_t>(dataSize_));
  Stream->ReadBuffer(block.data(), dataSize_);
  if (!VyrRegionDataValid(block.data(), block.size())) {
    FreeMem();
    return;
  }
  SetRegionData(std::move(block));
}

void TVyrRegionMask::WriteData(TStream* Stream) { Stream->WriteBuffer(data_.data(), dataSize_); }

void TVyrRegionMask::ReadBitmap(TStream* Stream, std::unique_ptr<TBitmap>& Bitmap) {
  if (!Bitmap) Bitmap = std::make_unique<TBitmap>();
  Byte flag = 0;
  Stream->ReadBuffer(&flag, 1);
  compressed_ = flag != 0;
  Vyrutils::stReadBitmap(Stream, Bitmap.get(), compressed_);
}

void TVyrRegionMask::WriteBitmap(TStream* Stream, TBitmap* Bitmap) {
  const Byte flag = compressed_ ? 1 : 0;
  Stream->WriteBuffer(&flag, 1);
  Vyrutils::stWriteBitmap(Stream, Bitmap, compressed_, -1);
}

void TVyrRegionMask::DefineProperties(TFiler* Filer) {
  TVyrObject::DefineProperties(Filer);
  auto hasPicture = [](const std::unique_ptr<TBitmap>& B) { return B && !B->GetEmpty(); };
  Filer->DefineBinaryProperty("RegionData", TStreamProc(this, &TVyrRegionMask::ReadData),
                              TStreamProc(this, &TVyrRegionMask::WriteData), HasData());
  Filer->DefineBinaryProperty("BorderBmp", TStreamProc(this, &TVyrRegionMask::ReadBorderBmp),
                              TStreamProc(this, &TVyrRegionMask::WriteBorderBmp), hasPicture(borderBmp_));
  Filer->DefineBinaryProperty("BorderUpBmp", TStreamProc(this, &TVyrRegionMask::ReadBorderUpBmp),
                              TStreamProc(this, &TVyrRegionMask::WriteBorderUpBmp), hasPicture(borderUpBmp_));
  Filer->DefineBinaryProperty("BorderDnBmp", TStreamProc(this, &TVyrRegionMask::ReadBorderDnBmp),
                              TStreamProc(this, &TVyrRegionMask::WriteBorderDnBmp), hasPicture(borderDnBmp_));
}

}  // namespace Vyrclass
