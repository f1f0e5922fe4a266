// The Windows face names that the game and the library ask for, mapped to the
// faces installed here before fontconfig is asked: fontconfig alone would send
// "MS Sans Serif" to its default sans face.
#pragma once

#include <string_view>
#include <vector>

// Our family for a Windows face name (compared without case), or an empty
// view when the name is not in the table.
std::string_view MappedFamily(std::string_view faceName);

// The Windows names the table holds, for enumeration.
std::vector<std::string_view> MappedFaceNames();

// The classic bitmap faces of the original platform. The TrueType test
// answers False for them, so that the callers' fallbacks for non-rotatable
// faces stay reachable; every other face counts as TrueType.
bool IsClassicBitmapFace(std::string_view faceName);

// Windows face names compare without regard to ASCII case.
bool SameFaceName(std::string_view a, std::string_view b);
