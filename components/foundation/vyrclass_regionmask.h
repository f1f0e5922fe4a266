// The stored data of a bitmap-shaped region: the region's rectangles as a
// region data block, the picture whose outline the region is, and the
// pictures of its pressed and released border. The form streams the block
// as "RegionData" and the pictures as "BorderBmp", "BorderUpBmp" and
// "BorderDnBmp".
#pragma once

#include <memory>
#include <vector>

#include "bitmap_class.h"
#include "rgn.h"
#include "vyrclass.h"

namespace Vyrclass {

class TVyrRegionMask : public TVyrObject {
  MORVANT_PUBLISHED(TVyrRegionMask, TVyrObject)
 public:
  TVyrRegionMask();
  ~TVyrRegionMask() override;
  // From another mask with data: its data and its three pictures; a mask
  // without data leaves the pictures as they are.
  void Assign(TPersistent* Source) override;

  int GetRegionDataSize() const { return dataSize_; }
  // Stores the byte count alone; GetMem makes the block of that size.
  void SetDataSize(int Size) { dataSize_ = Size; }
  // The block, or nullptr; it holds RegionDataSize bytes when present.
  const RGNDATA* GetRegionDataBlock() const;
  // Takes the block over as it is and sets the size to its length.
  void SetRegionData(std::vector<Byte> Data);
  // A block of RegionDataSize zero bytes in place of the old one.
  void GetMem();
  // Drops the block; the size becomes 0.
  void FreeMem();
  // Fills the block from Rgn; the block must have been sized for it.
  void GetRegionData(HRGN Rgn);

  bool GetCompressed() const { return compressed_; }
  void SetCompressed(bool Value) { compressed_ = Value; }
  TVyrSavePixelFormat GetPixelFormat() const { return pixelFormat_; }
  void SetPixelFormat(TVyrSavePixelFormat Value) { pixelFormat_ = Value; }

  TBitmap* GetBorderBmp() const { return borderBmp_.get(); }
  TBitmap* GetBorderUpBmp() const { return borderUpBmp_.get(); }
  TBitmap* GetBorderDnBmp() const { return borderDnBmp_.get(); }
  // Index 0 BorderBmp, 1 BorderUpBmp, 2 BorderDnBmp; copies the picture.
  void SetBorderBmp(int Index, TBitmap* Bitmap);
  void CreateBorderUpBmp();
  void CreateBorderDnBmp();

 protected:
  void DefineProperties(TFiler* Filer) override;

 private:
  void ReadData(TStream* Stream);
  void WriteData(TStream* Stream);
  void ReadBitmap(TStream* Stream, std::unique_ptr<TBitmap>& Bitmap);
  void WriteBitmap(TStream* Stream, TBitmap* Bitmap);
  void ReadBorderBmp(TStream* Stream) { ReadBitmap(Stream, borderBmp_); }
  void ReadBorderUpBmp(TStream* Stream) { ReadBitmap(Stream, borderUpBmp_); }
  void ReadBorderDnBmp(TStream* Stream) { ReadBitmap(Stream, borderDnBmp_); }
  void WriteBorderBmp(TStream* Stream) { WriteBitmap(Stream, borderBmp_.get()); }
  void WriteBorderUpBmp(TStream* Stream) { WriteBitmap(Stream, borderUpBmp_.get()); }
  void WriteBorderDnBmp(TStream* Stream) { WriteBitmap(Stream, borderDnBmp_.get()); }
  bool HasData() const { return dataSize_ > 0 && data_.size() == static_cast<size_t>(dataSize_); }

  std::vector<Byte> data_;
  int dataSize_ = 0;
  std::unique_ptr<TBitmap> borderUpBmp_;
  std::unique_ptr<TBitmap> borderDnBmp_;
  std::unique_ptr<TBitmap> borderBmp_;
  TVyrSavePixelFormat pixelFormat_ = TVyrSavePixelFormat::spfDefault;
  bool compressed_ = false;
};

// True when Data is a whole region data block of exactly Size bytes: a
// 32-byte header of rectangles whose count fills the rest.
bool VyrRegionDataValid(const Byte* Data, size_t Size);

}  // namespace Vyrclass
