// TPersistent: objects that can copy themselves from one another (Assign) and
// that the form streams read and write.
#pragma once

#include "ansistring.h"
#include "tobject.h"

class TFiler;

class TPersistent : public TObject {
  MORVANT_CLASS(TPersistent, TObject)
 public:
  // Copies from Source. An override handles the kinds it knows and passes
  // the rest to inherited::Assign, which asks the source to copy itself
  // into this object (AssignTo); if nobody knows how, EConvertError, and
  // this object stays unchanged.
  virtual void Assign(TPersistent* Source);

  // The object that owns this one in the streaming sense (a collection for
  // its items, the component for a nested persistent); nullptr when none.
  virtual TPersistent* GetOwner();
  // Dotted name for messages and the designer: the owner's path, a dot,
  // then this class's name (components give their Name instead).
  virtual AnsiString GetNamePath();

 protected:
  // Copies this object into Dest; the default knows no kind and raises.
  virtual void AssignTo(TPersistent* Dest);
  // Declares the values written besides the published properties; the form
  // streams call it. Nothing by default.
  virtual void DefineProperties(TFiler* Filer);

  // "Cannot assign a <Source> to a <this>", Source nullptr spelt "nil".
  [[noreturn]] void AssignError(const TPersistent* Source) const;

  friend class TFiler;
};
