// One form with every standard control on the SDL host, to drive by hand
// or with xdotool under Xvfb.
#include "application.h"
#include "demo_form.h"
#include "library_units.h"
#include "startup.h"

int main() {
  if (const int failed = Backend::InstallHostForProgram()) return failed;
  const TUnitStartup units(ClassLibraryUnits());
  try {
    Application->Initialize();
    Application->SetTitle("Steuerelemente");
    Application->CreateForm(DemoForm);
    Application->Run();
  } catch (Exception& e) {
    Application->ShowException(&e);
  }
  return 0;
}
