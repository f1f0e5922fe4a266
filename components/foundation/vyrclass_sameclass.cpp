#include "forms.h"
#include "resourcestrings.h"
#include "vyrclass.h"
#include "vyrconst.h"

namespace Vyrclass {

namespace {
// Stand-in until the class library has its data module: the class is
// recognised by its name along the owner's class chain.
bool IsDataModule(const TComponent* Owner) {
  for (TClass c = Owner ? Owner->ClassType() : nullptr; c; c = c->Parent)
    if (AnsiString(c->Name) == "TDataModule") return true;
  return false;
}
}  // namespace

// Counts the owner's components as they stand: a component joins its owner
// once it is whole, so a caller checks after construction, when the list
// holds it.
bool VyrCheckForSameClass(TComponent* Owner, TClass Class, bool AllowDataModule) {
  const bool formOwner = dynamic_cast_object<TForm>(Owner) != nullptr;
  const bool dataModuleOwner = AllowDataModule && IsDataModule(Owner);
  if (!formOwner && !dataModuleOwner) return true;
  if (!Class) return false;
  int count = 0;
  for (int i = 0; i < Owner->GetComponentCount(); ++i) {
    if (Owner->GetComponents(i)->InheritsFrom(Class) && ++count > 1) return true;
  }
  return false;
}

namespace {
AnsiString OneInstanceMessage(const AnsiString& Name, unsigned char Kind) {
  const AnsiString reason =
      Kind == 0 ? LoadStr(Vyrconst::IDS_INVALIDOWNER) : "Already one " + Name + " control in this project!";
  return Name + ":\r" + reason;
}
}  // namespace

VyrEOneInstError::VyrEOneInstError(const AnsiString& Name, unsigned char Kind)
    : Exception(OneInstanceMessage(Name, Kind)) {}

}  // namespace Vyrclass
