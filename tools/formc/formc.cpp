// formc: the resource compiler for form files.
//
//   formc input.form output.bin
//
// Turns the text form into the binary form stream. A binary property given
// as @'path' (relative to the form file) is stored in the format its
// property streams: Picture.Data, Glyph.Data and Bitmap.Data as a picture
// holding a TBitmap (the class name as a short string, then a 32-bit length
// and a 32-bit BMP file, decoded from a PNG or BMP file); Wave.Data as a
// 32-bit length and the RIFF bytes; anything else as the file's bytes.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bmp_codec.h"
#include "exceptions.h"
#include "formtext.h"
#include "png_codec.h"
#include "streams.h"
#include "sysutils.h"

namespace {

// Prefix, then the body's 32-bit little-endian length, then the body.
std::vector<Byte> LengthPrefixed(const Byte* prefix, std::size_t prefixSize, const std::vector<Byte>& body) {
  std::vector<Byte> out(prefixSize + 4 + body.size());
  if (prefixSize) std::memcpy(out.data(), prefix, prefixSize);
  for (std::size_t i = 0; i < 4; ++i) out[prefixSize + i] = static_cast<Byte>(body.size() >> (8 * i));
  if (!body.empty()) std::memcpy(out.data() + prefixSize + 4, body.data(), body.size());
  return out;
}

bool EndsWithProperty(const AnsiString& propName, const char* suffix) {
  const AnsiString tail(suffix);
  if (propName.Length() < tail.Length()) return false;
  const AnsiString end = propName.SubString(propName.Length() - tail.Length() + 1, tail.Length());
  if (!SameText(end, tail)) return false;
  return propName.Length() == tail.Length() || propName[propName.Length() - tail.Length()] == '.';
}

std::vector<Byte> PictureData(const AnsiString& path, const std::vector<Byte>& file) {
  RasterImage image;
  std::string why;
  const bool decoded = LooksLikePng(file) ? DecodePng(file, image, &why) : DecodeBmp(file, image, &why);
  if (!decoded) throw EParserError(path + ": kein lesbares Bild (" + AnsiString(why) + ")");
  const std::vector<Byte> bmp = EncodeBmp(image, 32);
  // The class name as a short string: its length, then the letters.
  static const Byte kClassName[] = {7, 'T', 'B', 'i', 't', 'm', 'a', 'p'};
  return LengthPrefixed(kClassName, sizeof kClassName, bmp);
}

std::vector<Byte> WaveData(const AnsiString& path, const std::vector<Byte>& file) {
  if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 || std::memcmp(file.data() + 8, "WAVE", 4) != 0)
    throw EParserError(path + ": keine RIFF-Wave-Datei");
  return LengthPrefixed(nullptr, 0, file);
}

std::vector<Byte> LoadPropertyFile(const AnsiString& propName, const AnsiString& path) {
  const std::vector<Byte> file = ReadFormFileBytes(path);
  for (const char* picture : {"Picture.Data", "Glyph.Data", "Bitmap.Data"})
    if (EndsWithProperty(propName, picture)) return PictureData(path, file);
  if (EndsWithProperty(propName, "Wave.Data")) return WaveData(path, file);
  return file;
}

AnsiString FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? AnsiString() : AnsiString(path.substr(0, slash));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Aufruf: formc eingabe.form ausgabe.bin\n");
    return 2;
  }
  const std::string input = argv[1];
  const std::string output = argv[2];
  try {
    TFormTextOptions options;
    options.BaseFolder = FolderOf(input);
    options.LoadFile = LoadPropertyFile;
    TMemoryStream text;
    text.LoadFromFile(AnsiString(input));
    TMemoryStream binary;
    ObjectTextToBinary(&text, &binary, options);
    binary.SaveToFile(AnsiString(output));
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s: %s\n", input.c_str(), e.Message.c_str());
    std::remove(output.c_str());
    return 1;
  }
  return 0;
}
