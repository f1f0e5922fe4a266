// The class registry: the classes a form stream may name, found by class
// name (without regard to case). Units register their classes from their
// Initialize(); nothing registers itself.
#pragma once

#include <initializer_list>
#include <vector>

#include "ansistring.h"
#include "tobject.h"

// Registering a class twice, or another class of the same name, keeps the
// first.
void RegisterClass(TClass AClass);
void RegisterClasses(std::initializer_list<TClass> Classes);
void UnRegisterClass(TClass AClass);
// nullptr when no class of that name is registered.
TClass GetClass(const AnsiString& ClassName);
// Raises EClassNotFound when no class of that name is registered.
TClass FindClass(const AnsiString& ClassName);
// Every registered class, in the order registered: for tools and checks
// that go over all the classes a form may name.
std::vector<TClass> RegisteredClasses();

struct TRegisteredClass {
  AnsiString Name;
  TClass Class;
  // The start-up row whose Initialize registered it; empty for a class
  // registered outside the start-up table (by a test, say).
  AnsiString Unit;
};
// The same, each with the unit that registered it.
std::vector<TRegisteredClass> RegisteredClassList();
