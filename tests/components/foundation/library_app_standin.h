// Stand-in for the groundwork's TestSupport::LibraryApp until it lands: the
// headless application with the class library up, then the given start-up
// rows run in order, and at the end in exact reverse.
#pragma once

#include <vector>

#include "headless_app.h"

namespace TestSupport {

struct StartupRow {
  const char* Unit;
  void (*Initialize)();
  void (*Finalize)();
};

class LibraryApp : public HeadlessApp {
 public:
  explicit LibraryApp(std::vector<StartupRow> rows) : rows_(std::move(rows)) {
    for (const StartupRow& row : rows_) row.Initialize();
  }
  ~LibraryApp() {
    for (auto it = rows_.rbegin(); it != rows_.rend(); ++it) it->Finalize();
  }

 private:
  std::vector<StartupRow> rows_;
};

}  // namespace TestSupport
