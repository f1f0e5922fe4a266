#include "classregistry.h"
#include "vyrclass_application.h"
#include "vyrclass_storage.h"

namespace Vyrclass {

void Initialize() {
  RegisterClasses({TVyrIniCtrl::StaticClass(), TVyrTimerPool::StaticClass()});
  if (!VyrApplication) VyrApplication = TObject::Create<TVyrApplication>(nullptr);
}

void Finalize() {
  TVyrApplication* application = VyrApplication;
  VyrApplication = nullptr;
  if (application) application->Free();
}

}  // namespace Vyrclass
