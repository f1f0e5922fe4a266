// One form with every standard control on the SDL host, to drive by hand
// or with xdotool under Xvfb.
#include "application.h"
#include "buttons_form.h"
#include "curves_form.h"
#include "demo_form.h"
#include "library_units.h"
#include "settings_form.h"
#include "startup.h"
#include "vyrclass.h"
#include "vyrcont.h"
#include "vyrctrl.h"
#include "vyrextca.h"
#include "vyrgroup.h"
#include "vyrstdcs.h"

int main() {
  if (const int failed = Backend::InstallHostForProgram()) return failed;
  // The class library, then the component units the second form places.
  const TUnitStartup units(ConcatUnitRows(ClassLibraryUnits(), {Vyrclass::Unit, Vyrcont::Unit, Vyrctrl::Unit,
                                                              Vyrstdcs::Unit, Vyrgroup::Unit, Vyrextca::Unit,
                                                              Vyrbtn::Unit, Vyrmms::ButtonsUnit}));
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
