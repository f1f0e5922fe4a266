// fuzz-libs: morvant_level_tools
// Arbitrary bytes as hand-made level text; what parses must also draw.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ascii_level.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<Levels::Board> boards;
  std::string error;
  if (Levels::ParseAsciiLevels(std::string_view(reinterpret_cast<const char*>(data), size), boards, error))
    for (const Levels::Board& b : boards) (void)Levels::AsciiPicture(b);
  return 0;
}
