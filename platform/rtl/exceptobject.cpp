#include "exceptobject.h"

#include <exception>

namespace {
// Any stable address will do; the log shows it as "Address: %p".
char raise_site_marker;
}  // namespace

TObject* ExceptObject() {
  const std::exception_ptr current = std::current_exception();
  if (!current) return nullptr;
  // Rethrowing gives back the very object being handled, which lives until
  // the outer handler ends.
  try {
    std::rethrow_exception(current);
  } catch (TObject& object) {
    return &object;
  } catch (...) {
    return nullptr;
  }
}

void* ExceptAddr() { return std::current_exception() ? &raise_site_marker : nullptr; }
