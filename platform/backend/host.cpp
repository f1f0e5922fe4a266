#include "host.h"

#include <cstdio>
#include <cstdlib>

namespace Backend {
namespace {

std::unique_ptr<Host>& Installed() {
  static std::unique_ptr<Host> host;
  return host;
}

}  // namespace

Host& CurrentHost() {
  if (!Installed()) {
    std::fprintf(stderr, "morvant2: no backend installed\n");
    std::abort();
  }
  return *Installed();
}

void InstallHost(std::unique_ptr<Host> host) { Installed() = std::move(host); }

bool HostInstalled() { return Installed() != nullptr; }

}  // namespace Backend
