#include "startup.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "headless_host.h"
#include "sdl_host.h"

namespace Backend {

int InstallHostForProgram() {
  const char* headless = std::getenv("MORVANT_HEADLESS");
  if (headless && std::strcmp(headless, "1") == 0) {
    InstallHeadlessHostOnRealClock();
    return 0;
  }
  std::string error;
  std::unique_ptr<SdlBackend::SdlHost> host = SdlBackend::SdlHost::Open(error);
  if (!host) {
    std::fprintf(stderr, "morvant2: no display: %s\n", error.c_str());
    return 2;
  }
  InstallHost(std::move(host));
  return 0;
}

}  // namespace Backend
