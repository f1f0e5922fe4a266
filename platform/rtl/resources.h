// Resources embedded in the program at build time (see morvant_embed in
// cmake/MorvantEmbed.cmake). Names are "TYPE/NAME" and compare without regard
// to case, as resource names do: "RCDATA/TFORM1", "BITMAP/16547".
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct EmbeddedResource {
  const char* Name;
  const std::uint8_t* Data;
  std::uint64_t Size;
};

// nullptr when the program holds no such resource.
const EmbeddedResource* FindEmbeddedResource(std::string_view name);
// Every resource the program holds, for listings.
std::size_t EmbeddedResourceCount();
const EmbeddedResource* EmbeddedResourceAt(std::size_t index);
