// The resource compiler's check of a compiled form: the binary stream is
// read back into the classes it names, so that a class or property the
// library does not know, or a value its property refuses, stops the build
// with the line of the form text it came from.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formtext.h"
#include "unitstartup.h"

class TStream;

// Starts every unit of the class library and of the component library on a
// headless host, with the settings and run-time folders in a folder of its
// own that goes with it: reading a form creates its components as the
// program would, but the tool opens no window and touches no user files.
class TFormCheckSession {
 public:
  TFormCheckSession();
  ~TFormCheckSession();
  TFormCheckSession(const TFormCheckSession&) = delete;
  TFormCheckSession& operator=(const TFormCheckSession&) = delete;

 private:
  std::string folder_;
  std::optional<TUnitStartup> units_;
};

// Reads Binary (from its start) back into components and frees them again.
// Empty when it reads; else the reader's message, led by "Zeile n: " with
// the text's line when Places says where the refused part came from. A
// root of a class the tool does not know (the program's own form class)
// is read as the class library's form, or else as its data module.
std::string CheckCompiledForm(TStream* Binary, const std::vector<TFormTextPlace>& Places);
