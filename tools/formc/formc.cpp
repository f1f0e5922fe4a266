// formc: the resource compiler for form files.
//
//   formc [--unchecked] input.form output.bin
//
// Turns the text form into the binary form stream. A binary property given
// as @'path' (relative to the form file) is stored in the layout its class
// declares for it (fileproperty.h): a TPicture's Data as the class name and
// the graphic's data, a TBitmap's as a length and a BMP file, and so on;
// a property of a known class that declares nothing takes the file's bytes.
// A file its property cannot take (a wave the program could not load, say)
// stops the build with the file's name.
//
// Every class of the class library and of the component library is known
// here, and the compiled stream is read back into them before it is
// written: a misspelled class or property, or a value its property refuses,
// stops the build with the form file's name and the line, so that it shows
// at build time and not when the program starts. --unchecked leaves the
// reading back out, for a test's form of classes only the test registers.
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "exceptions.h"
#include "fileproperty.h"
#include "formcheck.h"
#include "formtext.h"
#include "streams.h"

namespace {

AnsiString FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? AnsiString() : AnsiString(path.substr(0, slash));
}

int Fail(const std::string& input, const std::string& output, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", input.c_str(), message.c_str());
  std::remove(output.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  const bool unchecked = argc == 4 && std::string(argv[1]) == "--unchecked";
  if (argc != 3 && !unchecked) {
    std::fprintf(stderr, "Aufruf: formc [--unchecked] eingabe.form ausgabe.bin\n");
    return 2;
  }
  const std::string input = argv[argc - 2];
  const std::string output = argv[argc - 1];
  try {
    std::optional<TFormCheckSession> session;
    if (!unchecked) session.emplace();
    std::vector<TFormTextPlace> places;
    TFormTextOptions options;
    options.BaseFolder = FolderOf(input);
    options.LoadFile = LoadRegisteredFileProperty;
    options.Places = &places;
    TMemoryStream text;
    text.LoadFromFile(AnsiString(input));
    TMemoryStream binary;
    ObjectTextToBinary(&text, &binary, options);
    if (session) {
      const std::string refused = CheckCompiledForm(&binary, places);
      if (!refused.empty()) return Fail(input, output, refused);
    }
    binary.SaveToFile(AnsiString(output));
  } catch (const Exception& e) {
    return Fail(input, output, e.Message.str());
  }
  return 0;
}
