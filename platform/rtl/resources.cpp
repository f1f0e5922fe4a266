#include "resources.h"

#include <strings.h>

// The linker's bounds of the section that every morvant_embed stub adds one
// entry to. Weak, so that a program without resources links too.
extern "C" {
extern const EmbeddedResource __start_morvant_res[] __attribute__((weak));
extern const EmbeddedResource __stop_morvant_res[] __attribute__((weak));
}

std::size_t EmbeddedResourceCount() {
  if (!__start_morvant_res || !__stop_morvant_res) return 0;
  return static_cast<std::size_t>(__stop_morvant_res - __start_morvant_res);
}

const EmbeddedResource* EmbeddedResourceAt(std::size_t index) {
  return index < EmbeddedResourceCount() ? &__start_morvant_res[index] : nullptr;
}

const EmbeddedResource* FindEmbeddedResource(std::string_view name) {
  const std::size_t n = EmbeddedResourceCount();
  for (std::size_t i = 0; i < n; ++i) {
    const EmbeddedResource& r = __start_morvant_res[i];
    std::string_view candidate(r.Name);
    if (candidate.size() == name.size() && strncasecmp(candidate.data(), name.data(), name.size()) == 0) return &r;
  }
  return nullptr;
}
