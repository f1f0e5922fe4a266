// The program: the application object, the main window, the message loop.
#include "about_form.h"
#include "application.h"
#include "main_form.h"
#include "program_units.h"
#include "settings_form.h"
#include "startup.h"
#include "statistics_form.h"
#include "world_form.h"

int main() {
  if (const int failed = Backend::InstallHostForProgram()) return failed;
  const TUnitStartup units(ProgramUnits());
  try {
    Application->Initialize();
    Application->SetTitle("TALLIX MORVANT II");
    Application->CreateForm(Form1);
    Application->CreateForm(Form2);
    Application->CreateForm(Form3);
    Application->CreateForm(Form4);
    Application->CreateForm(Form6);
    Application->Run();
  } catch (Exception& e) {
    Application->ShowException(&e);
  }
  return 0;
}
