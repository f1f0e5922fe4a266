// One form with every standard control on the SDL host, to drive by hand
// or with xdotool under Xvfb.
#include "application.h"
#include "buttons_form.h"
#include "component_units.h"
#include "curves_form.h"
#include "demo_form.h"
#include "library_units.h"
#include "settings_form.h"
#include "startup.h"

int main() {
  if (const int failed = Backend::InstallHostForProgram()) return failed;
  // The class library, then the whole component library: the same table
  // as the game's.
  const TUnitStartup units(ConcatUnitRows(ClassLibraryUnits(), ComponentLibraryUnits()));
  try {
    Application->Initialize();
    Application->SetTitle("Steuerelemente");
    Application->CreateForm(DemoForm);
    Application->CreateForm(SettingsDemoForm);
    Application->CreateForm(CurvesDemoForm);
    Application->CreateForm(ButtonsDemoForm);
    Application->Run();
  } catch (Exception& e) {
    Application->ShowException(&e);
  }
  return 0;
}
