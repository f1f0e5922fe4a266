#include "classregistry.h"
#include "vyrforma.h"

namespace Vyrforma {

void Initialize() { RegisterClasses({TVyrBack::StaticClass(), TVyrFormFill::StaticClass()}); }

void Finalize() {}

}  // namespace Vyrforma
