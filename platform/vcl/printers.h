// The printer: this program prints nothing, so there are no printers. What
// callers ask of it still answers sensibly: an empty list of printers, no
// printer selected, and a device context (a memory one at 96 pixels per
// inch) on which fonts can be listed and measured.
#pragma once

#include "gdi_handles.h"
#include "tstrings.h"

class TPrinter : public TObject {
  MORVANT_CLASS(TPrinter, TObject)
 public:
  TPrinter();
  ~TPrinter() override;
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  TStrings* GetPrinters() const { return printers_; }
  // -1: none; there is nothing to select.
  int GetPrinterIndex() const { return -1; }
  void SetPrinterIndex(int) {}
  // Made on first need, kept until the printer goes.
  HDC GetHandle();

 private:
  TStringList* printers_;
  HDC handle_ = nullptr;
};

// The program's one printer object, made on first use.
TPrinter* Printer();
// Frees it (the unit's shut-down); a later Printer() makes a new one.
void FreePrinter();
