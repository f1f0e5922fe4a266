#include "classregistry.h"
#include "vyrgrapa.h"

namespace Vyrgrapa {

void Initialize() {
  RegisterClasses({TVyrSimpleBevel::StaticClass(), TVyrShape::StaticClass(), TVyrTeeth::StaticClass()});
}

void Finalize() {}

}  // namespace Vyrgrapa
