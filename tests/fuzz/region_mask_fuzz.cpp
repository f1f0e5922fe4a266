// fuzz-libs: morvant_foundation
// The four stored properties of a region mask from arbitrary bytes, read as
// a form stream holds them: the first byte picks "RegionData", "BorderBmp",
// "BorderUpBmp" or "BorderDnBmp", the next four are RegionDataSize, the
// rest is the property's block. Reading keeps the data or drops it, or
// raises the stream's or the picture reader's error; a kept block always
// builds a region or none.
#include <cstdint>
#include <cstring>
#include <string>

#include "classregistry.h"
#include "exceptions.h"
#include "formres.h"
#include "formtext.h"
#include "gdiobj.h"
#include "streams.h"
#include "vyrregion.h"

namespace {
const char* const kProperties[] = {"RegionData", "BorderBmp", "BorderUpBmp", "BorderDnBmp"};

std::string Hex(const std::uint8_t* Data, std::size_t Size) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (std::size_t i = 0; i < Size; ++i) out += {digits[Data[i] >> 4], digits[Data[i] & 15]};
  return out;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 5) return 0;
  static const bool registered = [] {
    RegisterClasses({Vyrregion::TVyrFormShape::StaticClass()});
    return true;
  }();
  (void)registered;
  std::int32_t dataSize = 0;
  std::memcpy(&dataSize, data + 1, 4);
  const std::string text = "object Shape1: TVyrFormShape\n  Region.Shape = rsBitmap\n  Region.Mask.RegionDataSize = " +
                           std::to_string(dataSize) + "\n  Region.Mask." + kProperties[data[0] % 4] + " = {" +
                           Hex(data + 5, size - 5) + "}\nend\n";
  auto* shape = TObject::Create<Vyrregion::TVyrFormShape>(nullptr);
  try {
    TStringStream source{AnsiString(text.c_str())};
    TMemoryStream binary;
    ObjectTextToBinary(&source, &binary);
    binary.SetPosition(0);
    ReadComponentFromStream(&binary, shape);
  } catch (const Exception&) {
  }
  Vyrregion::TVyrRegion* region = shape->GetRegion();
  region->CreateRegion(TRect(0, 0, 64, 64));
  shape->Free();
  return 0;
}
