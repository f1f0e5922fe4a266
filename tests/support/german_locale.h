// Switches to a German locale (decimal comma) for a test's duration, when
// the machine has one; tests skip when active() is false.
#pragma once

#include <clocale>
#include <string>

namespace TestSupport {

class GermanLocale {
 public:
  GermanLocale() : saved_(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"})
      if (std::setlocale(LC_ALL, name)) {
        active_ = true;
        break;
      }
  }
  ~GermanLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  GermanLocale(const GermanLocale&) = delete;
  GermanLocale& operator=(const GermanLocale&) = delete;
  bool active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

}  // namespace TestSupport
