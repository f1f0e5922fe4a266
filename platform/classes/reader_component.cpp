// TReader's components and properties: the tree, the published and defined
// properties, references and events.
#include <memory>

#include "classregistry.h"
#include "colorident.h"
#include "component.h"
#include "exceptions.h"
#include "published.h"
#include "reader.h"
#include "scope_guard.h"
#include "streams.h"
#include "sysutils.h"
#include "tcollection.h"
#include "tstrings.h"

class TReader::DepthGuard {
 public:
  explicit DepthGuard(TReader& Reader) : reader_(Reader) {
    if (++reader_.depth_ > kMaxFilerDepth) {
      --reader_.depth_;
      reader_.Error("zu tief verschachtelt");
    }
  }
  ~DepthGuard() { --reader_.depth_; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

 private:
  TReader& reader_;
};

namespace {

bool IsComponentName(const AnsiString& s) {
  const std::string& t = s.str();
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (t.empty() || !letter(t[0])) return false;
  for (char c : t)
    if (!letter(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

std::vector<AnsiString> SplitDotted(const AnsiString& name) {
  std::vector<AnsiString> parts;
  std::string part;
  for (char c : name.str()) {
    if (c == '.') {
      parts.emplace_back(part);
      part.clear();
    } else {
      part += c;
    }
  }
  parts.emplace_back(part);
  return parts;
}

// A second form of the same name under one owner reads as Name_1, Name_2 ...
AnsiString UniqueRootName(TComponent* Root, const AnsiString& Name) {
  TComponent* owner = Root->GetOwner();
  if (!owner || Name.IsEmpty()) return Name;
  AnsiString candidate = Name;
  for (int i = 1; owner->FindComponent(candidate) && owner->FindComponent(candidate) != Root; ++i)
    candidate = Name + "_" + AnsiString(i);
  return candidate;
}

}  // namespace

TComponent* TReader::ReadRootComponent(TComponent* Root) {
  ReadSignature();
  TFilerFlags flags;
  int childPos = 0;
  ReadPrefix(flags, childPos);
  const AnsiString className = ReadStr();
  const AnsiString name = ReadStr();
  if (!name.IsEmpty() && !IsComponentName(name)) Error("ungültiger Komponentenname '" + name + "'");
  TOwnedObject<TComponent> created;
  if (!Root) {
    TClass cls = GetClass(className);
    if (!cls) Error("Klasse " + className + " nicht gefunden");
    if (!cls->CreateComponent) Error("Klasse " + className + " kann nicht erzeugt werden");
    created.reset(cls->CreateComponent(nullptr));
    Root = created.get();
  }
  try {
    Root->SetName(UniqueRootName(Root, name));
  } catch (const EComponentError& e) {
    Error(e.Message);
  }
  root_ = Root;
  owner_ = Root;
  parent_ = nullptr;
  fixups_.clear();
  loaded_.assign(1, Root);
  Root->IncludeState(csLoading);
  Root->IncludeState(csReading);
  current_ = Root;
  Root->ReadState(this);
  Root->ExcludeState(csReading);
  ResolveFixups();
  current_ = nullptr;
  propName_ = AnsiString();
  // The components are complete now; each finishes its set-up in reading
  // order, and none stays marked as loading whatever its override does.
  const std::vector<TComponent*> loaded = std::move(loaded_);
  for (TComponent* c : loaded) {
    c->Loaded();
    c->ExcludeState(csLoading);
  }
  created.release();
  return Root;
}

TComponent* TReader::ReadComponent(TComponent* Component) {
  DepthGuard guard(*this);
  TFilerFlags flags;
  int childPos = 0;
  propName_ = AnsiString();
  ReadPrefix(flags, childPos);
  const AnsiString className = ReadStr();
  const AnsiString name = ReadStr();
  if (!name.IsEmpty() && !IsComponentName(name)) Error("ungültiger Komponentenname '" + name + "'");
  TComponent* result = Component;
  if (!result && flags.Contains(ffInherited)) {
    result = owner_ ? owner_->FindComponent(name) : nullptr;
    if (!result) Error("geerbte Komponente " + name + " nicht gefunden");
  }
  if (!result) {
    TClass cls = GetClass(className);
    if (!cls) Error("Klasse " + className + " nicht gefunden");
    if (!cls->CreateComponent) Error("Klasse " + className + " kann nicht erzeugt werden");
    result = cls->CreateComponent(owner_);
    try {
      result->SetName(name);
    } catch (const EComponentError& e) {
      Error(e.Message);
    }
  }
  result->IncludeState(csLoading);
  result->IncludeState(csReading);
  if (parent_ && result != parent_) result->SetParentComponent(parent_);
  loaded_.push_back(result);
  TComponent* const outer = current_;
  current_ = result;
  result->ReadState(this);
  result->ExcludeState(csReading);
  current_ = outer;
  propName_ = AnsiString();
  return result;
}

void TReader::ReadData(TComponent* Instance) {
  TComponent* const outer = current_;
  current_ = Instance;
  while (!EndOfList()) ReadProperty(Instance);
  ReadListEnd();
  propName_ = AnsiString();
  struct Restore {
    TReader& r;
    TComponent* owner;
    TComponent* parent;
    TComponent* current;
    ~Restore() {
      r.owner_ = owner;
      r.parent_ = parent;
      r.current_ = current;
    }
  } restore{*this, owner_, parent_, outer};
  parent_ = Instance->GetChildParent();
  owner_ = Instance->GetChildOwner();
  if (!owner_) owner_ = root_;
  while (!EndOfList()) ReadComponent(nullptr);
  ReadListEnd();
}

void TReader::ReadProperty(TPersistent* Instance) {
  propName_ = ReadStr();
  if (propName_.IsEmpty()) Error("leerer Eigenschaftsname");
  try {
    ReadNamedProperty(Instance);
  } catch (const EReadError&) {
    pendingDefined_ = AnsiString();
    throw;
  } catch (const Exception& e) {
    // A setter or a definer refusing the value: still bad data, reported
    // as such and with its place.
    pendingDefined_ = AnsiString();
    Error(e.Message);
  }
}

void TReader::ReadNamedProperty(TPersistent* Instance) {
  const std::vector<AnsiString> path = SplitDotted(propName_);
  TPersistent* target = Instance;
  for (std::size_t i = 0; i + 1 < path.size(); ++i) {
    const TPropInfo* prop = FindPublishedProperty(target->ClassType(), path[i]);
    if (!prop || !prop->GetObject) Error("Eigenschaft " + path[i] + " existiert nicht");
    target = prop->GetObject(target);
    if (!target) Error("Eigenschaft " + path[i] + " hat kein Objekt");
  }
  const AnsiString& last = path.back();

  // A defined property of the same name wins over a published one.
  pendingDefined_ = last;
  definedRead_ = false;
  CallDefineProperties(target);
  pendingDefined_ = AnsiString();
  if (definedRead_) return;

  if (auto* strings = dynamic_cast_object<TStrings>(target); strings && SameText(last, "Strings")) {
    ReadStringsList(strings);
    return;
  }
  const TPropInfo* prop = FindPublishedProperty(target->ClassType(), last);
  if (!prop) Error("Eigenschaft " + last + " existiert nicht");
  ReadPropValue(target, *prop);
}

void TReader::DefineProperty(const AnsiString& Name, TReaderProc ReadData, TWriterProc, bool) {
  if (definedRead_ || !ReadData || pendingDefined_.IsEmpty() || !SameText(Name, pendingDefined_)) return;
  definedRead_ = true;
  ReadData(this);
}

void TReader::DefineBinaryProperty(const AnsiString& Name, TStreamProc ReadData, TStreamProc, bool) {
  if (definedRead_ || !ReadData || pendingDefined_.IsEmpty() || !SameText(Name, pendingDefined_)) return;
  definedRead_ = true;
  const std::vector<Byte> data = ReadBinary();
  TMemoryStream block;
  if (!data.empty()) block.WriteBuffer(data.data(), static_cast<LongInt>(data.size()));
  block.SetPosition(0);
  ReadData(&block);
}

void TReader::ReadPropValue(TPersistent* Instance, const TPropInfo& Prop) {
  switch (Prop.Kind) {
      case TPropKind::Integer:
        Prop.SetOrd(Instance, ReadInt64());
        break;
      case TPropKind::Bool:
        Prop.SetOrd(Instance, ReadBoolean() ? 1 : 0);
        break;
      case TPropKind::Enum: {
        if (NextValue() != vaIdent) Error("Bezeichner erwartet");
        const AnsiString ident = ReadIdent();
        for (std::size_t i = 0; i < Prop.Idents.size(); ++i)
          if (SameText(Prop.Idents[i], ident)) {
            Prop.SetOrd(Instance, static_cast<Int64>(i));
            return;
          }
        Error("ungültiger Wert " + ident);
      }
      case TPropKind::Set:
        ReadSetValue(Instance, Prop);
        break;
      case TPropKind::Color:
        if (NextValue() == vaIdent) {
          const AnsiString ident = ReadIdent();
          LongInt color = 0;
          if (!StreamIdentToColor(ident, color)) Error("unbekannte Farbe " + ident);
          Prop.SetOrd(Instance, color);
        } else {
          const Int64 v = ReadInt64();
          if (v < INT32_MIN || v > UINT32_MAX) Error("Farbwert außerhalb des Bereichs");
          Prop.SetOrd(Instance, static_cast<LongInt>(static_cast<std::uint32_t>(v)));
        }
        break;
      case TPropKind::String:
        Prop.SetStr(Instance, ReadString());
        break;
      case TPropKind::Float:
        Prop.SetFloat(Instance, ReadFloat());
        break;
      case TPropKind::Collection: {
        auto* collection = dynamic_cast_object<TCollection>(Prop.GetObject(Instance));
        if (!collection) Error("keine Sammlung");
        ReadCollection(collection);
        break;
      }
      case TPropKind::Object:
      case TPropKind::Strings:
        // Nested objects come by their dotted names; only "none" stands here.
        ExpectValue(vaNil);
        break;
      case TPropKind::Component:
        ReadComponentRef(Instance, Prop);
        break;
      case TPropKind::Event:
        ReadEventValue(Instance, Prop);
        break;
  }
}

void TReader::ReadSetValue(TObject* Instance, const TPropInfo& Prop) {
  ExpectValue(vaSet);
  std::uint64_t bits = 0;
  for (;;) {
    const AnsiString member = ReadStr();
    if (member.IsEmpty()) break;
    bool known = false;
    for (std::size_t i = 0; i < Prop.Idents.size() && i < 64; ++i)
      if (SameText(Prop.Idents[i], member)) {
        bits |= std::uint64_t{1} << i;
        known = true;
      }
    if (!known) Error("ungültiges Mengenelement " + member);
  }
  Prop.SetOrd(Instance, static_cast<Int64>(bits));
}

void TReader::ReadStringsList(TStrings* Strings) {
  ReadListBegin();
  {
    Strings->BeginUpdate();
    TScopeGuard endUpdate([&] { Strings->EndUpdate(); });
    Strings->Clear();
    while (!EndOfList()) Strings->Add(ReadString());
  }
  ReadListEnd();
}

void TReader::ReadCollection(TCollection* Collection) {
  DepthGuard guard(*this);
  ExpectValue(vaCollection);
  const AnsiString outerName = propName_;
  Collection->BeginUpdate();
  TScopeGuard endUpdate([&] { Collection->EndUpdate(); });
  Collection->Clear();
  while (!EndOfList()) {
    // An optional order index before each item; the items keep stream order.
    const TValueType next = NextValue();
    if (next == vaInt8 || next == vaInt16 || next == vaInt32) ReadInteger();
    ReadListBegin();
    TCollectionItem* item = Collection->Add();
    while (!EndOfList()) ReadProperty(item);
    ReadListEnd();
    propName_ = outerName;
  }
  ReadListEnd();
}

void TReader::ReadComponentRef(TObject* Instance, const TPropInfo& Prop) {
  const TValueType next = NextValue();
  if (next == vaNil) {
    ReadValue();
    Prop.SetComponent(Instance, nullptr);
    return;
  }
  if (next != vaIdent) Error("Komponentenname erwartet");
  const AnsiString name = ReadIdent();
  if (SameText(name, "nil")) {
    Prop.SetComponent(Instance, nullptr);
    return;
  }
  // Resolved once the whole form is read: it may name a later component.
  fixups_.push_back({Instance, &Prop, name, Place()});
}

void TReader::ReadEventValue(TObject* Instance, const TPropInfo& Prop) {
  const TValueType next = NextValue();
  if (next != vaIdent && next != vaNil) Error("Methodenname erwartet");
  const AnsiString name = ReadIdent();
  if (SameText(name, "nil")) {
    Prop.SetEvent(Instance, root_, nullptr);
    return;
  }
  const TPublishedMethod* method = root_ ? FindPublishedMethod(root_->ClassType(), name) : nullptr;
  if (!method) {
    bool error = true;
    if (OnFindMethod) OnFindMethod(this, name, error);
    if (!error) return;
    Error("Methode " + name + " nicht gefunden");
  }
  if (!Prop.SetEvent(Instance, root_, method)) Error("Methode " + name + " passt nicht zum Ereignis " + Prop.Name);
}

TComponent* TReader::FindReferenced(const AnsiString& Path) const {
  const std::vector<AnsiString> parts = SplitDotted(Path);
  TComponent* c = root_->FindComponent(parts[0]);
  if (!c && SameText(parts[0], root_->GetName())) c = root_;
  for (std::size_t i = 1; c && i < parts.size(); ++i) c = c->FindComponent(parts[i]);
  return c;
}

void TReader::ResolveFixups() {
  const std::vector<Fixup> fixups = std::move(fixups_);
  fixups_.clear();
  for (const Fixup& f : fixups) {
    TComponent* target = FindReferenced(f.Name);
    if (!target)
      throw EReadError("Fehler beim Lesen des Formulars (" + f.Place + "): Komponente " + f.Name + " nicht gefunden");
    if (!target->InheritsFrom(f.Prop->RefClass))
      throw EReadError("Fehler beim Lesen des Formulars (" + f.Place + "): " + f.Name + " ist kein " +
                       AnsiString(f.Prop->RefClass->Name));
    f.Prop->SetComponent(f.Instance, target);
  }
}
