// The application with the container unit started, and small strips and
// byte strings to build the cases from.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bitmap_class.h"
#include "colors.h"
#include "library_app.h"
#include "streams.h"
#include "vyrclass.h"
#include "vyrcont.h"
#include "vyrmms.h"

using namespace Vyrcont;

class ContainerTest : public ::testing::Test {
 protected:
  TestSupport::LibraryApp app{{Vyrclass::Unit, Vyrmms::Unit, Vyrcont::Unit}};

  std::string File(const std::string& name) const { return app.program_folder() + "/" + name; }

  // W x H filled with Fill, with Dot at (DotX, 0) when given.
  static std::unique_ptr<TBitmap> Solid(int W, int H, TColor Fill) {
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetSize(W, H);
    bmp->GetCanvas()->GetBrush()->SetColor(Fill);
    bmp->GetCanvas()->FillRect(TRect(0, 0, W, H));
    return bmp;
  }
  static TColor Px(TBitmap* Bmp, int X, int Y) { return Bmp->GetCanvas()->GetPixels(X, Y); }

  // A 16 x 16 item holding one solid image per colour.
  template <class Item = TVyrImageListItem>
  static TOwnedObject<Item> StripOf(std::initializer_list<TColor> Colors) {
    TOwnedObject<Item> item(TObject::Create<Item>(static_cast<TComponent*>(nullptr)));
    for (TColor c : Colors) item->Add(Solid(16, 16, c).get(), nullptr);
    return item;
  }

  static std::string Bytes(TStream* Stream) {
    std::string data(static_cast<std::size_t>(Stream->GetSize()), '\0');
    Stream->SetPosition(0);
    Stream->ReadBuffer(data.data(), static_cast<LongInt>(data.size()));
    return data;
  }
  static std::string Hex(const std::string& Data) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : Data) {
      if (!out.empty()) out += ' ';
      out += digits[c >> 4];
      out += digits[c & 15];
    }
    return out;
  }
  static std::string FileBytes(const std::string& Name) {
    TFileStream file(AnsiString(Name.c_str()), fmOpenRead);
    return Bytes(&file);
  }
  static void WriteFile(const std::string& Name, const std::string& Data) {
    TFileStream file(AnsiString(Name.c_str()), fmCreate);
    file.WriteBuffer(Data.data(), static_cast<LongInt>(Data.size()));
  }
};
