#include "facemap.h"

#include <array>

namespace {

struct FaceMapping {
  std::string_view windowsName;
  std::string_view family;
};

constexpr std::array kFaceTable{
    FaceMapping{"MS Sans Serif", "Liberation Sans"},
    FaceMapping{"Arial", "Liberation Sans"},
    FaceMapping{"Times New Roman", "Liberation Serif"},
    FaceMapping{"Courier New", "Liberation Mono"},
    FaceMapping{"Comic Sans MS", "Comic Neue"},
};

constexpr std::array<std::string_view, 10> kClassicBitmapFaces{
    "MS Sans Serif", "MS Serif", "System", "Terminal", "Small Fonts",
    "Fixedsys",      "Courier",  "Modern", "Roman",    "Script",
};

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SameFaceName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

std::string_view MappedFamily(std::string_view faceName) {
  for (const FaceMapping& m : kFaceTable)
    if (SameFaceName(m.windowsName, faceName)) return m.family;
  return {};
}

bool IsClassicBitmapFace(std::string_view faceName) {
  for (std::string_view name : kClassicBitmapFaces)
    if (SameFaceName(name, faceName)) return true;
  return false;
}

std::vector<std::string_view> MappedFaceNames() {
  std::vector<std::string_view> names;
  for (const FaceMapping& m : kFaceTable) names.push_back(m.windowsName);
  return names;
}
