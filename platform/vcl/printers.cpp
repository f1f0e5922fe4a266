#include "printers.h"

#include "dc.h"

namespace {
// A plain pointer, not an object with a destructor: at exit the GDI tables
// may be gone before it, and its DC must not be freed into them.
TPrinter*& ThePrinter() {
  static TPrinter* printer = nullptr;
  return printer;
}
}  // namespace

TPrinter::TPrinter() : printers_(new TStringList) {}

TPrinter::~TPrinter() {
  if (handle_) DeleteDC(handle_);
  delete printers_;
}

HDC TPrinter::GetHandle() {
  if (!handle_) handle_ = CreateCompatibleDC(nullptr);
  return handle_;
}

TPrinter* Printer() {
  if (!ThePrinter()) ThePrinter() = new TPrinter;
  return ThePrinter();
}

void FreePrinter() {
  delete ThePrinter();
  ThePrinter() = nullptr;
}
