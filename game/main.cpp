// The program: the units' start-up, the application object, the main
// window, the message loop.
#include <iterator>

#include "application.h"
#include "main_form.h"
#include "startup.h"
#include "vyrclass.h"
#include "vyrmms.h"

namespace {

// The units' start-up rows, run in order at start and in exact reverse at
// exit: the class library first, then the component library's units.
struct UnitRow {
  const char* Unit;
  void (*Initialize)();
  void (*Finalize)();
};

constexpr UnitRow kUnits[] = {
    {"Forms", Forms::Initialize, Forms::Finalize},
    {"Vyrclass", Vyrclass::Initialize, Vyrclass::Finalize},
    {"Vyrmms", Vyrmms::Initialize, Vyrmms::Finalize},
};

}  // namespace

int main() {
  if (const int failed = Backend::InstallHostForProgram()) return failed;
  for (const UnitRow& row : kUnits) row.Initialize();
  try {
    Application->Initialize();
    Application->SetTitle("TALLIX MORVANT II");
    Application->CreateForm(Form1);
    Application->Run();
  } catch (Exception& e) {
    Application->ShowException(&e);
  }
  for (auto row = std::rbegin(kUnits); row != std::rend(kUnits); ++row) row->Finalize();
  return 0;
}
