#include "formcheck.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "classregistry.h"
#include "component_units.h"
#include "datamodule.h"
#include "exceptions.h"
#include "forms.h"
#include "headless_host.h"
#include "library_units.h"
#include "reader.h"
#include "streams.h"
#include "unitstartup.h"

TFormCheckSession::TFormCheckSession() {
  std::string pattern = (std::filesystem::temp_directory_path() / "formc-XXXXXX").string();
  if (::mkdtemp(pattern.data())) {
    folder_ = pattern;
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) ::setenv(name, pattern.c_str(), 1);
  }
  InstallHeadlessHost();
  units_.emplace(ConcatUnitRows(ClassLibraryUnits(), ComponentLibraryUnits()));
}

TFormCheckSession::~TFormCheckSession() {
  units_.reset();
  if (!folder_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }
}

namespace {

struct Attempt {
  std::string Message;  // empty: read
  Int64 Position = 0;   // where the reader stopped
};

AnsiString RootClassName(TStream* Binary) {
  Binary->SetPosition(0);
  TReader reader(Binary);
  reader.ReadSignature();
  TFilerFlags flags;
  int childPos = 0;
  reader.ReadPrefix(flags, childPos);
  return reader.ReadStr();
}

Attempt ReadInto(TClass RootClass, TStream* Binary) {
  Attempt attempt;
  Binary->SetPosition(0);
  TComponent* root = nullptr;
  try {
    root = RootClass->CreateComponent(nullptr);
    TReader reader(Binary);
    // Handlers are the program's methods, which the tool does not have.
    reader.OnFindMethod = [](TReader*, const AnsiString&, bool& Error) { Error = false; };
    reader.ReadRootComponent(root);
  } catch (const Exception& e) {
    attempt.Message = e.Message.str();
    attempt.Position = Binary->GetPosition();
  }
  if (root) root->Free();
  return attempt;
}

// The line of the object or property the reader was in at Position: the
// last that starts before it. None once the stream was read to its end (a
// reference resolved afterwards, say).
int LineAt(const std::vector<TFormTextPlace>& Places, Int64 Position, Int64 Size) {
  if (Position >= Size) return 0;
  int line = 0;
  for (const TFormTextPlace& place : Places) {
    if (place.Offset >= Position) break;
    line = place.Line;
  }
  return line;
}

}  // namespace

std::string CheckCompiledForm(TStream* Binary, const std::vector<TFormTextPlace>& Places) {
  std::vector<TClass> roots;
  try {
    TClass known = GetClass(RootClassName(Binary));
    if (known && known->CreateComponent) roots = {known};
  } catch (const Exception& e) {
    return e.Message.str();
  }
  if (roots.empty()) roots = {TForm::StaticClass(), TDataModule::StaticClass()};
  Attempt furthest;
  for (TClass root : roots) {
    const Attempt attempt = ReadInto(root, Binary);
    if (attempt.Message.empty()) return {};
    // Of the stand-ins, the one that read further tells what is wrong.
    if (furthest.Message.empty() || attempt.Position > furthest.Position) furthest = attempt;
  }
  const int line = LineAt(Places, furthest.Position, Binary->GetSize());
  return line ? "Zeile " + std::to_string(line) + ": " + furthest.Message : furthest.Message;
}
