// The headless application with the class library's units only, for the
// class library's own suites.
#pragma once

#include <utility>
#include <vector>

#include "library_app.h"

namespace TestSupport {

class HeadlessApp : public LibraryApp {
 public:
  explicit HeadlessApp(std::vector<TRect> monitors = {TRect(0, 0, 1024, 768)}) : LibraryApp({}, std::move(monitors)) {}
};

}  // namespace TestSupport
