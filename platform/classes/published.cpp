#include "published.h"

#include "exceptions.h"

const TPublishedTable* PublishedTableOf(TClass Class) {
  for (TClass c = Class; c; c = c->Parent)
    if (c->Published) return c->Published();
  return nullptr;
}

const TPropInfo* FindPublishedProperty(TClass Class, const AnsiString& Name) {
  const TPublishedTable* table = PublishedTableOf(Class);
  if (!table) return nullptr;
  for (const auto& p : table->Properties)
    if (SameText(p->Name, Name)) return p.get();
  return nullptr;
}

std::optional<Int64> NestedDefaultOf(const TPropInfo& Owner, const AnsiString& Path, const TPropInfo& Nested) {
  for (const auto& [path, value] : Owner.NestedDefaults)
    if (SameText(path, Path)) return value;
  return Nested.Default;
}

const TPublishedMethod* FindPublishedMethod(TClass Class, const AnsiString& Name) {
  const TPublishedTable* table = PublishedTableOf(Class);
  if (!table) return nullptr;
  for (const auto& m : table->Methods)
    if (SameText(m->Name, Name)) return m.get();
  return nullptr;
}

const TPublishedField* FindPublishedField(TClass Class, const AnsiString& Name) {
  const TPublishedTable* table = PublishedTableOf(Class);
  if (!table || Name.IsEmpty()) return nullptr;
  for (const auto& f : table->Fields)
    if (SameText(f->Name, Name)) return f.get();
  return nullptr;
}

namespace published_detail {

void RangeError(const AnsiString& Name, Int64 Value) {
  throw ERangeError("Wert " + AnsiString(static_cast<long long>(Value)) + " liegt außerhalb des Bereichs von " + Name);
}

}  // namespace published_detail
