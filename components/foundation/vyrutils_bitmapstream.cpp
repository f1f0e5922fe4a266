// Bitmaps in the library's streams: compressed or plain, as the bitmap's
// own image or as a device-independent one of a chosen colour count.
#include "bitmap_class.h"
#include "exceptions.h"
#include "vyrutils.h"

namespace Vyrutils {

void stWriteBitmap(TStream* Stream, TBitmap* Bitmap, bool Compressed, int Colors) {
  if (Compressed) {
    TMemoryStream image;
    if (Colors == -1)
      Bitmap->SaveToStream(&image);
    else
      VyrBmpSaveDIBStream(&image, Bitmap, Colors);
    image.SetPosition(0);
    SaveCompressedStream(&image, Stream, static_cast<int>(image.GetSize()));
    return;
  }
  if (Colors != -1) {
    WriteDIBFileImage(Stream, Bitmap->GetHandle(), Bitmap->GetPalette(), Bitmap->GetMonochrome() ? 2 : Colors, true);
    return;
  }
  const Int64 lengthAt = Stream->GetPosition();
  stWriteInteger(Stream, 0);
  Bitmap->SaveToStream(Stream);
  const Int64 end = Stream->GetPosition();
  Stream->SetPosition(lengthAt);
  stWriteInteger(Stream, static_cast<int>(end - lengthAt - 4));
  Stream->SetPosition(end);
}

void stReadBitmap(TStream* Stream, TBitmap* Bitmap, bool Compressed) {
  TMemoryStream image;
  if (Compressed) {
    LoadCompressedStream(Stream, &image);
  } else {
    if (Stream->GetSize() - Stream->GetPosition() < 4) throw EReadError("Bitmap cut or corrupt");
    const int length = stReadInteger(Stream);
    // Checked against what the stream holds before any memory is taken.
    if (length < 0 || length > Stream->GetSize() - Stream->GetPosition()) throw EReadError("Bitmap cut or corrupt");
    image.SetSize(length);
    Stream->ReadBuffer(image.GetMemory(), length);
  }
  image.SetPosition(0);
  Bitmap->LoadFromStream(&image);
}

}  // namespace Vyrutils
