// Form text in and out for tests: a component read from the text a form
// file holds, and a component written back as such text.
#pragma once

#include <string>

#include "formres.h"
#include "formtext.h"
#include "streams.h"

namespace TestSupport {

// Text into Instance (nullptr: a new component of the class the text names).
inline TComponent* ReadFormText(const std::string& text, TComponent* Instance) {
  TStringStream source{AnsiString(text.c_str())};
  TMemoryStream binary;
  ObjectTextToBinary(&source, &binary);
  binary.SetPosition(0);
  return ReadComponentFromStream(&binary, Instance);
}

inline std::string WrittenFormText(TComponent* Instance) {
  TMemoryStream binary;
  WriteComponentToStream(&binary, Instance);
  binary.SetPosition(0);
  TMemoryStream text;
  ObjectBinaryToText(&binary, &text);
  return std::string(static_cast<const char*>(text.GetMemory()), static_cast<std::size_t>(text.GetSize()));
}

}  // namespace TestSupport
