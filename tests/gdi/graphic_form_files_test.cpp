// Graphics in form streams: a published TBitmap streams as "Glyph.Data" in
// binary and text, and the file loader the resource compiler uses stores
// each @'path' in the layout its class registered.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "bitmap_class.h"
#include "canvas.h"
#include "classregistry.h"
#include "component.h"
#include "fileproperty.h"
#include "filer.h"
#include "formres.h"
#include "formtext.h"
#include "graphic_files.h"
#include "ico_codec.h"
#include "picture.h"
#include "published.h"
#include "streams.h"

namespace {

// A stand-in for a library control with a glyph and a picture.
class TGlyphHolder : public TComponent {
  MORVANT_COMPONENT(TGlyphHolder, TComponent)
 public:
  explicit TGlyphHolder(TComponent* AOwner) : TComponent(AOwner) {}
  TBitmap* GetGlyph() const { return &glyph_; }
  TPicture* GetPicture() const { return &picture_; }

 private:
  mutable TBitmap glyph_;
  mutable TPicture picture_;
};

void TGlyphHolder::Publish(TPublisher<TGlyphHolder>& P) {
  P.Object("Glyph", &TGlyphHolder::GetGlyph);
  P.Object("Picture", &TGlyphHolder::GetPicture);
}

// A wave-carrying component, as the library will have: its own header check
// runs when a form names a file for it.
class TWaveHolder : public TComponent {
  MORVANT_COMPONENT(TWaveHolder, TComponent)
 public:
  explicit TWaveHolder(TComponent* AOwner) : TComponent(AOwner) {}
};

void TWaveHolder::Publish(TPublisher<TWaveHolder>&) {}

class TDerivedWaveHolder : public TWaveHolder {
  MORVANT_COMPONENT(TDerivedWaveHolder, TWaveHolder)
 public:
  using TWaveHolder::TWaveHolder;
};

void TDerivedWaveHolder::Publish(TPublisher<TDerivedWaveHolder>&) {}

std::vector<Byte> CheckWave(const AnsiString& Path, const std::vector<Byte>& File) {
  if (File.size() < 12 || std::memcmp(File.data(), "RIFF", 4) != 0) throw EParserError(Path + ": keine RIFF-Wave-Datei");
  // Sized at once: an insert behind a one-byte vector trips GCC's bounds
  // check with a false alarm.
  std::vector<Byte> out(1 + File.size(), 'W');
  std::copy(File.begin(), File.end(), out.begin() + 1);
  return out;
}

std::uint32_t Le32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<Byte>(b[at + i]);
  return v;
}

void FillPattern(TBitmap& bitmap) {
  bitmap.SetWidth(3);
  bitmap.SetHeight(2);
  bitmap.GetCanvas()->SetPixels(0, 0, 0x00123456);
  bitmap.GetCanvas()->SetPixels(2, 1, 0x00ABCDEF);
}

void ExpectPattern(TBitmap* bitmap) {
  ASSERT_EQ(bitmap->GetWidth(), 3);
  ASSERT_EQ(bitmap->GetHeight(), 2);
  EXPECT_EQ(bitmap->GetCanvas()->GetPixels(0, 0), 0x00123456);
  EXPECT_EQ(bitmap->GetCanvas()->GetPixels(2, 1), 0x00ABCDEF);
}

class GraphicFormFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterClasses({TGlyphHolder::StaticClass(), TWaveHolder::StaticClass(), TDerivedWaveHolder::StaticClass()});
    RegisterGraphicFileProperties();
    RegisterFileProperty(TWaveHolder::StaticClass(), "Wave.Data", CheckWave);
    std::string pattern = (std::filesystem::temp_directory_path() / "morvant-formfiles-XXXXXX").string();
    dir_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
    ASSERT_FALSE(dir_.empty());
    TBitmap bitmap;
    FillPattern(bitmap);
    bitmap.SaveToFile(AnsiString(dir_ + "/pattern.png"));
    IconImage icon;
    icon.Color.Width = icon.Mask.Width = 2;
    icon.Color.Height = icon.Mask.Height = 2;
    icon.Color.Pixels.assign(4, 0x00FF0000);
    icon.Mask.Pixels.assign(4, 0);
    Write("icon.ico", EncodeIco(icon));
    Write("click.wav", std::vector<Byte>{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'});
    Write("noise.bin", std::vector<Byte>{1, 2, 3});
  }
  void TearDown() override {
    UnRegisterFileProperty(TWaveHolder::StaticClass(), "Wave.Data");
    std::error_code ignored;
    std::filesystem::remove_all(dir_, ignored);
  }

  void Write(const char* name, const std::vector<Byte>& bytes) {
    std::ofstream(dir_ + "/" + name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  }

  // The form text through the resource compiler's loader.
  std::string Compile(const std::string& text) {
    TFormTextOptions options;
    options.BaseFolder = AnsiString(dir_);
    options.LoadFile = LoadRegisteredFileProperty;
    TStringStream in{AnsiString(text)};
    TStringStream binary;
    ObjectTextToBinary(&in, &binary, options);
    return binary.GetDataString().str();
  }

  // The bytes of the binary property Name in the compiled stream.
  static std::string BinaryValue(const std::string& stream, const std::string& name) {
    const std::string key = std::string(1, static_cast<char>(name.size())) + name + static_cast<char>(vaBinary);
    const std::size_t at = stream.find(key);
    if (at == std::string::npos) return {};
    const std::size_t start = at + key.size() + 4;
    return stream.substr(start, Le32(stream, at + key.size()));
  }

  std::string dir_;
};

TEST_F(GraphicFormFiles, ABitmapPropertyRoundTripsThroughBinaryAndTextWithItsPixels) {
  TGlyphHolder source(nullptr);
  FillPattern(*source.GetGlyph());
  TMemoryStream binary;
  WriteComponentToStream(&binary, &source);
  binary.SetPosition(0);
  TStringStream text;
  ObjectBinaryToText(&binary, &text);
  ASSERT_NE(text.GetDataString().Pos("Glyph.Data = {"), 0) << text.GetDataString().str();
  // An empty picture beside it writes nothing.
  EXPECT_EQ(text.GetDataString().Pos("Picture."), 0);

  text.SetPosition(0);
  TMemoryStream again;
  ObjectTextToBinary(&text, &again);
  again.SetPosition(0);
  TGlyphHolder copy(nullptr);
  ReadComponentFromStream(&again, &copy);
  ExpectPattern(copy.GetGlyph());

  TGlyphHolder empty(nullptr);
  TStringStream emptyText;
  TMemoryStream emptyBinary;
  WriteComponentToStream(&emptyBinary, &empty);
  emptyBinary.SetPosition(0);
  ObjectBinaryToText(&emptyBinary, &emptyText);
  EXPECT_EQ(emptyText.GetDataString().Pos("Glyph."), 0);
}

TEST_F(GraphicFormFiles, TheCompilerWritesEachPropertyInTheLayoutOfItsClass) {
  const std::string stream = Compile(
      "object H: TGlyphHolder\n"
      "  Glyph.Data = @'pattern.png'\n"
      "  Picture.Data = @'pattern.png'\n"
      "end\n");
  // A bitmap: its length, then a 32-bit BMP file.
  const std::string glyph = BinaryValue(stream, "Glyph.Data");
  ASSERT_GT(glyph.size(), 4u + 54u);
  EXPECT_EQ(Le32(glyph, 0), glyph.size() - 4);
  EXPECT_EQ(glyph.substr(4, 2), "BM");
  EXPECT_EQ(glyph[4 + 28], 32);
  // A picture: the class name first, then the bitmap's data.
  const std::string picture = BinaryValue(stream, "Picture.Data");
  EXPECT_EQ(picture.substr(0, 8), "\x07TBitmap");
  EXPECT_EQ(picture.substr(8), glyph);

  TStringStream in{AnsiString(stream)};
  TGlyphHolder read(nullptr);
  ReadComponentFromStream(&in, &read);
  ExpectPattern(read.GetGlyph());
  ExpectPattern(read.GetPicture()->GetBitmap());
}

TEST_F(GraphicFormFiles, APictureTakesAnIconFileAsAnIcon) {
  const std::string stream = Compile("object H: TGlyphHolder\n  Picture.Data = @'icon.ico'\nend\n");
  EXPECT_EQ(BinaryValue(stream, "Picture.Data").substr(0, 6), "\x05TIcon");
  TStringStream in{AnsiString(stream)};
  TGlyphHolder read(nullptr);
  ReadComponentFromStream(&in, &read);
  EXPECT_EQ(read.GetPicture()->GetWidth(), 2);
}

TEST_F(GraphicFormFiles, AClassRegistersItsOwnCheckForAFileProperty) {
  // Found on the class and on its descendants, by the dotted name.
  const std::string stream = Compile("object W: TDerivedWaveHolder\n  Wave.Data = @'click.wav'\nend\n");
  EXPECT_EQ(BinaryValue(stream, "Wave.Data").substr(0, 5), "WRIFF");

  struct Refused {
    const char* text;
    const char* message;
  };
  for (const Refused& c : {
           Refused{"object W: TWaveHolder\n  Wave.Data = @'noise.bin'\nend\n", "noise.bin: keine RIFF-Wave-Datei"},
           Refused{"object H: TGlyphHolder\n  Glyph.Data = @'noise.bin'\nend\n", "kein lesbares Bild"},
           Refused{"object H: TGlyphHolder\n  Picture.Data = @'click.wav'\nend\n", "kein lesbares Bild"},
           Refused{"object X: TUnknownThing\n  Picture.Data = @'pattern.png'\nend\n", "unbekannten Klasse TUnknownThing"},
       }) {
    try {
      Compile(c.text);
      ADD_FAILURE() << c.text;
    } catch (const EParserError& e) {
      EXPECT_NE(e.Message.Pos(c.message), 0) << e.Message.str();
    }
  }
}

TEST_F(GraphicFormFiles, APropertyNoClassDeclaresTakesTheFileAsItIs) {
  const std::string stream = Compile("object W: TWaveHolder\n  Blob.Data = @'noise.bin'\nend\n");
  EXPECT_EQ(BinaryValue(stream, "Blob.Data"), std::string("\x01\x02\x03", 3));
  EXPECT_EQ(FindFileProperty(TGlyphHolder::StaticClass(), "Glyph.Data"),
            FindFileProperty(TBitmap::StaticClass(), "Data"));
  EXPECT_EQ(FindFileProperty(TGlyphHolder::StaticClass(), "Glyph.Other"), nullptr);
}

}  // namespace
