#include "graphic_files.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "bitmap_class.h"
#include "bmp_codec.h"
#include "fileproperty.h"
#include "formtext.h"
#include "ico_codec.h"
#include "icon_class.h"
#include "picture.h"
#include "png_codec.h"

namespace {

void AppendLength(std::vector<Byte>& out, std::size_t length) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<Byte>(length >> (8 * i)));
}

// A length byte, then the text: the class name before a picture's data.
std::vector<Byte> ShortString(std::string_view text) {
  std::vector<Byte> out(1 + text.size());
  out[0] = static_cast<Byte>(text.size());
  std::copy(text.begin(), text.end(), out.begin() + 1);
  return out;
}

bool LooksLikeIco(const std::vector<Byte>& file) {
  return file.size() >= 4 && file[0] == 0 && file[1] == 0 && file[2] == 1 && file[3] == 0;
}

}  // namespace

std::vector<Byte> EncodeBitmapFile(const AnsiString& Path, const std::vector<Byte>& File) {
  RasterImage image;
  std::string why;
  const bool decoded = LooksLikePng(File) ? DecodePng(File, image, &why) : DecodeBmp(File, image, &why);
  if (!decoded) throw EParserError(Path + ": kein lesbares Bild (" + AnsiString(why) + ")");
  const std::vector<Byte> bmp = EncodeBmp(image, 32);
  std::vector<Byte> out;
  out.reserve(4 + bmp.size());
  AppendLength(out, bmp.size());
  out.insert(out.end(), bmp.begin(), bmp.end());
  return out;
}

std::vector<Byte> EncodeIconFile(const AnsiString& Path, const std::vector<Byte>& File) {
  IconImage icon;
  std::string why;
  if (!DecodeIco(File, icon, &why)) throw EParserError(Path + ": kein lesbares Symbol (" + AnsiString(why) + ")");
  return File;
}

std::vector<Byte> EncodePictureFile(const AnsiString& Path, const std::vector<Byte>& File) {
  const bool icon = LooksLikeIco(File);
  const std::vector<Byte> data = icon ? EncodeIconFile(Path, File) : EncodeBitmapFile(Path, File);
  std::vector<Byte> out = ShortString(icon ? "TIcon" : "TBitmap");
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

void RegisterGraphicFileProperties() {
  RegisterFileProperty(TPicture::StaticClass(), "Data", EncodePictureFile);
  RegisterFileProperty(TBitmap::StaticClass(), "Data", EncodeBitmapFile);
  RegisterFileProperty(TIcon::StaticClass(), "Data", EncodeIconFile);
}
