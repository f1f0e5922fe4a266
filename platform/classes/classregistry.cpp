#include "classregistry.h"

#include <algorithm>
#include <vector>

#include "exceptions.h"
#include "sysutils.h"
#include "unitstartup.h"

namespace {

struct Entry {
  TClass Class;
  const char* Unit;
};

std::vector<Entry>& Registered() {
  static std::vector<Entry> classes;
  return classes;
}

}  // namespace

void RegisterClass(TClass AClass) {
  if (!AClass || GetClass(AnsiString(AClass->Name))) return;
  Registered().push_back({AClass, StartingUnit()});
}

void RegisterClasses(std::initializer_list<TClass> Classes) {
  for (TClass c : Classes) RegisterClass(c);
}

void UnRegisterClass(TClass AClass) {
  auto& classes = Registered();
  classes.erase(std::remove_if(classes.begin(), classes.end(), [&](const Entry& e) { return e.Class == AClass; }),
                classes.end());
}

TClass GetClass(const AnsiString& ClassName) {
  for (const Entry& e : Registered())
    if (SameText(AnsiString(e.Class->Name), ClassName)) return e.Class;
  return nullptr;
}

TClass FindClass(const AnsiString& ClassName) {
  if (TClass c = GetClass(ClassName)) return c;
  throw EClassNotFound("Klasse " + ClassName + " nicht gefunden");
}

std::vector<TClass> RegisteredClasses() {
  std::vector<TClass> classes;
  for (const Entry& e : Registered()) classes.push_back(e.Class);
  return classes;
}

std::vector<TRegisteredClass> RegisteredClassList() {
  std::vector<TRegisteredClass> list;
  for (const Entry& e : Registered())
    list.push_back({AnsiString(e.Class->Name), e.Class, e.Unit ? AnsiString(e.Unit) : AnsiString()});
  return list;
}
