#include "classregistry.h"

#include <algorithm>
#include <vector>

#include "exceptions.h"
#include "sysutils.h"

namespace {

std::vector<TClass>& Registered() {
  static std::vector<TClass> classes;
  return classes;
}

}  // namespace

void RegisterClass(TClass AClass) {
  if (!AClass || GetClass(AnsiString(AClass->Name))) return;
  Registered().push_back(AClass);
}

void RegisterClasses(std::initializer_list<TClass> Classes) {
  for (TClass c : Classes) RegisterClass(c);
}

void UnRegisterClass(TClass AClass) {
  auto& classes = Registered();
  classes.erase(std::remove(classes.begin(), classes.end(), AClass), classes.end());
}

TClass GetClass(const AnsiString& ClassName) {
  for (TClass c : Registered())
    if (SameText(AnsiString(c->Name), ClassName)) return c;
  return nullptr;
}

TClass FindClass(const AnsiString& ClassName) {
  if (TClass c = GetClass(ClassName)) return c;
  throw EClassNotFound("Klasse " + ClassName + " nicht gefunden");
}

std::vector<TClass> RegisteredClasses() { return Registered(); }
