// fuzz-libs: morvant_controls morvant_backend_headless
// The defined entries of the image-face and picture buttons from arbitrary
// bytes, read as a form stream holds them: the first byte picks the entry,
// the rest is its block (the two counts take their first four bytes as a
// number). Reading keeps the data or raises the reader's or the picture
// reader's error; whatever was kept, the hit tests and the cells read only
// what the strip holds.
#include <cstdint>
#include <cstring>
#include <string>

#include "bitmap_class.h"
#include "classregistry.h"
#include "exceptions.h"
#include "formres.h"
#include "formtext.h"
#include "streams.h"
#include "vyrbtn.h"
#include "vyrmms_buttons.h"

namespace {

struct Entry {
  const char* className;
  const char* name;
  bool number;
};
const Entry kEntries[] = {
    {"TVyrMMButton", "ButtonFaceIndicesNew", false}, {"TVyrMMButton", "ButtonFaceTransColNew", false},
    {"TVyrMMButton", "ButtonFaceIndices", false},    {"TVyrMMButton", "ButtonFaceTransCol", false},
    {"TVyr3DEffectButton", "CellBitmap", false},     {"TVyr3DEffectButton", "CellCount", true},
    {"TVyr3DEffectButton", "CellWidth", true},
};

std::string Hex(const std::uint8_t* Data, std::size_t Size) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < Size; ++i) out += {digits[Data[i] >> 4], digits[Data[i] & 15]};
  return out;
}

void Read(const std::string& Text, TComponent* Into) {
  try {
    TStringStream source{AnsiString(Text.c_str())};
    TMemoryStream binary;
    ObjectTextToBinary(&source, &binary);
    binary.SetPosition(0);
    ReadComponentFromStream(&binary, Into);
  } catch (const Exception&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  static const bool registered = [] {
    RegisterClasses({Vyrbtn::TVyrMMButton::StaticClass(), Vyrmms::TVyr3DEffectButton::StaticClass()});
    return true;
  }();
  (void)registered;
  const Entry& entry = kEntries[data[0] % (sizeof kEntries / sizeof kEntries[0])];
  std::string value;
  if (entry.number) {
    std::int32_t number = 0;
    std::memcpy(&number, data + 1, std::min<std::size_t>(size - 1, 4));
    value = std::to_string(number);
  } else {
    value = "{" + Hex(data + 1, size - 1) + "}";
  }
  const std::string text =
      std::string("object B: ") + entry.className + "\n  " + entry.name + " = " + value + "\nend\n";
  if (std::strcmp(entry.className, "TVyrMMButton") == 0) {
    auto* button = TObject::Create<Vyrbtn::TVyrMMButton>(nullptr);
    Read(text, button);
    for (int s = 0; s < 8; ++s) (void)button->GetButtonFaceIndex(static_cast<Vyrgraph::TVyrButtonState>(s));
    button->Free();
    return 0;
  }
  auto* button = TObject::Create<Vyrmms::TVyr3DEffectButton>(nullptr);
  // A strip there already, for the entries that only set a count.
  TBitmap cell;
  cell.SetSize(4, 4);
  for (int i = 0; i < 6; ++i) button->GetClip()->SetCell(i, &cell);
  Read(text, button);
  for (int p : {0, 3, 100}) (void)button->VerifyTransparency(p, p);
  TBitmap out;
  for (int i = 0; i < 8; ++i) button->GetClip()->GetCell(i, &out);
  button->Free();
  return 0;
}
