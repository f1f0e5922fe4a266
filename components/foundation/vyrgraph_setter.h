// Inside the settings objects: the one way a setter stores a value, and the
// batch in which Assign copies another object.
#pragma once

#include <algorithm>

#include "scope_guard.h"
#include "vyrclass.h"

namespace Vyrgraph::Detail {

// True when Value differed and is now stored.
template <class T>
bool StoreIfChanged(T& Field, const T& Value) {
  if (Field == Value) return false;
  Field = Value;
  return true;
}

inline int Clamp(int Value, int Low, int High) { return std::clamp(Value, Low, High); }

// Runs Copy between BeginUpdate and EndUpdate(true): one change for the lot,
// also when the copy throws.
template <class Object, class F>
void CopyAsOneChange(Object* Self, F Copy) {
  Self->BeginUpdate();
  TScopeGuard endUpdate([&] { Self->EndUpdate(true); });
  Copy();
}

}  // namespace Vyrgraph::Detail
