// formc: the resource compiler for form files.
//
//   formc input.form output.bin
//
// Turns the text form into the binary form stream. A binary property given
// as @'path' (relative to the form file) is stored in the layout its class
// declares for it (fileproperty.h): a TPicture's Data as the class name and
// the graphic's data, a TBitmap's as a length and a BMP file, and so on;
// a property of a known class that declares nothing takes the file's bytes.
// A file its property cannot take (a wave the program could not load, say)
// stops the build with the file's name.
#include <cstdio>
#include <string>

#include "application.h"
#include "classregistry.h"
#include "exceptions.h"
#include "fileproperty.h"
#include "formtext.h"
#include "forms.h"
#include "forms_scrollbox.h"
#include "library_units.h"
#include "streams.h"
#include "vyrforma.h"
#include "vyrmms.h"
#include "vyrregion.h"

namespace {

// The classes a form may name and what they take from files: the class
// library's rows but Forms, which makes the Application (a build tool opens
// no windows), and the rows of the component library that only register
// (not Vyrclass, which makes the library's application object).
void RegisterFormClasses() {
  for (const TUnitRow& row : ClassLibraryUnits()) {
    if (std::string(row.Name) != "Forms" && row.Initialize) row.Initialize();
  }
  RegisterClasses({TForm::StaticClass(), TScrollBox::StaticClass()});
  for (const TUnitRow& row : {Vyrmms::Unit, Vyrregion::Unit, Vyrforma::Unit}) row.Initialize();
}

AnsiString FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? AnsiString() : AnsiString(path.substr(0, slash));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "Aufruf: formc eingabe.form ausgabe.bin\n");
    return 2;
  }
  const std::string input = argv[1];
  const std::string output = argv[2];
  try {
    RegisterFormClasses();
    TFormTextOptions options;
    options.BaseFolder = FolderOf(input);
    options.LoadFile = LoadRegisteredFileProperty;
    TMemoryStream text;
    text.LoadFromFile(AnsiString(input));
    TMemoryStream binary;
    ObjectTextToBinary(&text, &binary, options);
    binary.SaveToFile(AnsiString(output));
  } catch (const Exception& e) {
    std::fprintf(stderr, "%s: %s\n", input.c_str(), e.Message.c_str());
    std::remove(output.c_str());
    return 1;
  }
  return 0;
}
