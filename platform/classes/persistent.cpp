#include "persistent.h"

#include "exceptions.h"
#include "format.h"
#include "resourcestrings.h"

void TPersistent::Assign(TPersistent* Source) {
  if (!Source) AssignError(nullptr);
  Source->AssignTo(this);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

TPersistent* TPersistent::GetOwner() { return nullptr; }

AnsiString TPersistent::GetNamePath() {
  AnsiString path = ClassName();
  if (TPersistent* owner = GetOwner()) {
    AnsiString ownerPath = owner->GetNamePath();
    if (!ownerPath.IsEmpty()) path = ownerPath + "." + path;
  }
  return path;
}

void TPersistent::DefineProperties(TFiler*) {}

void TPersistent::AssignError(const TPersistent* Source) const {
  const AnsiString sourceName = Source ? Source->ClassName() : AnsiString("nil");
  throw EConvertError(Format(LoadStr(SAssignError), sourceName, ClassName()));
}
