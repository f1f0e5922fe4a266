#include "fileproperty.h"

#include <functional>
#include <map>
#include <utility>

#include "classregistry.h"
#include "published.h"
#include "sysutils.h"

namespace {

using Key = std::pair<TClass, AnsiString>;

// Property names match without regard to case, as everywhere in the streams.
struct KeyLess {
  bool operator()(const Key& a, const Key& b) const {
    if (a.first != b.first) return std::less<TClass>()(a.first, b.first);
    return CompareText(a.second, b.second) < 0;
  }
};

using Registry = std::map<Key, TFilePropertyEncoder, KeyLess>;

Registry& Encoders() {
  static Registry registry;
  return registry;
}

const TFilePropertyEncoder* OwnEncoder(TClass AClass, const AnsiString& PropName) {
  for (TClass c = AClass; c; c = c->Parent) {
    auto it = Encoders().find({c, PropName});
    if (it != Encoders().end()) return &it->second;
  }
  return nullptr;
}

}  // namespace

void RegisterFileProperty(TClass AClass, const AnsiString& PropName, TFilePropertyEncoder Encoder) {
  Encoders()[{AClass, PropName}] = std::move(Encoder);
}

void UnRegisterFileProperty(TClass AClass, const AnsiString& PropName) { Encoders().erase({AClass, PropName}); }

const TFilePropertyEncoder* FindFileProperty(TClass AClass, const AnsiString& PropName) {
  // Nested objects are few levels deep; a cycle of object classes still
  // ends, as every step takes one part off the name.
  if (const TFilePropertyEncoder* own = OwnEncoder(AClass, PropName)) return own;
  const int dot = PropName.Pos(".");
  if (dot <= 1) return nullptr;
  const TPropInfo* prop = FindPublishedProperty(AClass, PropName.SubString(1, dot - 1));
  if (!prop || !prop->ObjectClass) return nullptr;
  return FindFileProperty(prop->ObjectClass, PropName.SubString(dot + 1, PropName.Length() - dot));
}

std::vector<Byte> LoadRegisteredFileProperty(const AnsiString& ClassName, const AnsiString& PropName,
                                             const AnsiString& Path) {
  TClass cls = ClassName.IsEmpty() ? nullptr : GetClass(ClassName);
  if (!cls) {
    const AnsiString who = ClassName.IsEmpty() ? AnsiString("einem Eintrag") : "der unbekannten Klasse " + ClassName;
    throw EParserError(Path + ": Datei für " + PropName + " von " + who + " nicht zuzuordnen");
  }
  const std::vector<Byte> file = ReadFormFileBytes(Path);
  if (const TFilePropertyEncoder* encode = FindFileProperty(cls, PropName)) return (*encode)(Path, file);
  return file;
}
