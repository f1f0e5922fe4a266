#include "classregistry.h"
#include "vyrclass_application.h"
#include "vyrclass_storage.h"

namespace Vyrclass {

void Initialize() {
  RegisterClasses({TVyrIniCtrl::StaticClass(), TVyrTimerPool::StaticClass()});
  if (!VyrApplication) VyrApplication = new TVyrApplication(nullptr);
}

void Finalize() {
  delete VyrApplication;
  VyrApplication = nullptr;
}

}  // namespace Vyrclass
