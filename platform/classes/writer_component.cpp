// TWriter's components and properties.
#include "colorident.h"
#include "component.h"
#include "exceptions.h"
#include "published.h"
#include "scope_guard.h"
#include "streams.h"
#include "tcollection.h"
#include "tstrings.h"
#include "writer.h"

void TWriter::WriteRootComponent(TComponent* Root) {
  root_ = Root;
  WriteSignature();
  WriteComponent(Root);
}

void TWriter::WriteComponent(TComponent* Component) {
  if (++depth_ > kMaxFilerDepth) {
    --depth_;
    throw EWriteError("Komponenten zu tief verschachtelt");
  }
  if (!root_) root_ = Component;
  Component->IncludeState(csWriting);
  TScopeGuard done([&] {
    Component->ExcludeState(csWriting);
    --depth_;
  });
  WritePrefix(TFilerFlags(), 0);
  WriteStr(Component->ClassName());
  WriteStr(Component->GetName());
  Component->WriteState(this);
}

void TWriter::WriteData(TComponent* Instance) {
  WriteProperties(Instance);
  WriteListEnd();
  Instance->GetChildren(TGetChildProc([this](TComponent* Child) { WriteComponent(Child); }), root_);
  WriteListEnd();
}

void TWriter::WriteProperties(TPersistent* Instance) {
  if (const TPublishedTable* table = PublishedTableOf(Instance->ClassType()))
    for (const auto& prop : table->Properties)
      if (!prop->Stored || prop->Stored(Instance)) WriteProperty(Instance, *prop);
  CallDefineProperties(Instance);
}

void TWriter::WriteNested(TPersistent* Object, const AnsiString& Name) {
  if (++depth_ > kMaxFilerDepth) {
    --depth_;
    throw EWriteError("Eigenschaften zu tief verschachtelt: " + prefix_ + Name);
  }
  const AnsiString outer = prefix_;
  prefix_ = outer + Name + ".";
  TScopeGuard done([&] {
    prefix_ = outer;
    --depth_;
  });
  WriteProperties(Object);
}

void TWriter::WriteProperty(TPersistent* Instance, const TPropInfo& Prop) {
  switch (Prop.Kind) {
    case TPropKind::Integer:
    case TPropKind::Bool:
    case TPropKind::Enum:
    case TPropKind::Set:
    case TPropKind::Color: {
      const Int64 v = Prop.GetOrd(Instance);
      const std::optional<Int64> declared = DefaultOf(Prop);
      if (declared && *declared == v) return;
      WritePropName(Prop.Name);
      if (Prop.Kind == TPropKind::Integer) {
        WriteInteger(v);
      } else if (Prop.Kind == TPropKind::Bool) {
        WriteBoolean(v != 0);
      } else if (Prop.Kind == TPropKind::Enum) {
        if (v < 0 || v >= static_cast<Int64>(Prop.Idents.size()))
          throw EWriteError("Wert " + AnsiString(static_cast<long long>(v)) + " hat keinen Namen in " + Prop.Name);
        WriteIdent(Prop.Idents[static_cast<std::size_t>(v)]);
      } else if (Prop.Kind == TPropKind::Set) {
        WriteValue(vaSet);
        for (std::size_t i = 0; i < Prop.Idents.size() && i < 64; ++i)
          if (static_cast<std::uint64_t>(v) & (std::uint64_t{1} << i)) WriteStr(Prop.Idents[i]);
        WriteStr(AnsiString());
      } else {
        AnsiString ident;
        if (StreamColorToIdent(static_cast<LongInt>(v), ident))
          WriteIdent(ident);
        else
          WriteInteger(static_cast<LongInt>(v));
      }
      return;
    }
    case TPropKind::String: {
      const AnsiString v = Prop.GetStr(Instance);
      if (v.IsEmpty()) return;
      WritePropName(Prop.Name);
      WriteString(v);
      return;
    }
    case TPropKind::Float: {
      const double v = Prop.GetFloat(Instance);
      if (v == 0) return;
      WritePropName(Prop.Name);
      WriteFloat(v);
      return;
    }
    case TPropKind::Object: {
      TPersistent* object = Prop.GetObject(Instance);
      if (!object) return;
      const std::size_t outerDefaults = nestedDefaults_.size();
      for (const auto& [path, value] : Prop.NestedDefaults)
        nestedDefaults_.emplace_back(prefix_ + Prop.Name + "." + path, value);
      TScopeGuard done([&] { nestedDefaults_.resize(outerDefaults); });
      WriteNested(object, Prop.Name);
      return;
    }
    case TPropKind::Strings: {
      auto* strings = dynamic_cast_object<TStrings>(Prop.GetObject(Instance));
      // An empty list is written only where a stored test asks for it: a
      // component that starts with lines of its own must come back empty.
      if (!strings || (strings->GetCount() == 0 && !Prop.Stored)) return;
      WritePropName(Prop.Name + ".Strings");
      WriteListBegin();
      for (int i = 0; i < strings->GetCount(); ++i) WriteString(strings->GetStrings(i));
      WriteListEnd();
      return;
    }
    case TPropKind::Collection: {
      auto* collection = dynamic_cast_object<TCollection>(Prop.GetObject(Instance));
      if (!collection || collection->GetCount() == 0) return;
      WritePropName(Prop.Name);
      WriteCollection(collection);
      return;
    }
    case TPropKind::Component: {
      TComponent* target = Prop.GetComponent(Instance);
      const AnsiString name = target ? ReferenceName(target) : AnsiString();
      if (name.IsEmpty()) return;
      WritePropName(Prop.Name);
      WriteIdent(name);
      return;
    }
    case TPropKind::Event: {
      if (!root_ || !Prop.IsEventAssigned(Instance)) return;
      const TPublishedTable* table = PublishedTableOf(root_->ClassType());
      if (!table) return;
      for (const auto& method : table->Methods)
        if (Prop.EventIs(Instance, root_, *method)) {
          WritePropName(Prop.Name);
          WriteIdent(method->Name);
          return;
        }
      return;
    }
  }
}

std::optional<Int64> TWriter::DefaultOf(const TPropInfo& Prop) const {
  if (nestedDefaults_.empty()) return Prop.Default;
  const AnsiString path = prefix_ + Prop.Name;
  // The outermost owner's constructor runs last, so its value holds.
  for (const auto& [redeclared, value] : nestedDefaults_)
    if (SameText(redeclared, path)) return value;
  return Prop.Default;
}

void TWriter::WriteCollection(TCollection* Collection) {
  if (++depth_ > kMaxFilerDepth) {
    --depth_;
    throw EWriteError("Sammlungen zu tief verschachtelt");
  }
  const AnsiString outer = prefix_;
  prefix_ = AnsiString();
  // An item's paths start afresh: no owner's redeclared default reaches it.
  std::vector<std::pair<AnsiString, Int64>> outerDefaults;
  outerDefaults.swap(nestedDefaults_);
  TScopeGuard done([&] {
    prefix_ = outer;
    nestedDefaults_.swap(outerDefaults);
    --depth_;
  });
  WriteValue(vaCollection);
  for (int i = 0; i < Collection->GetCount(); ++i) {
    WriteListBegin();
    WriteProperties(Collection->GetItems(i));
    WriteListEnd();
  }
  WriteListEnd();
}

AnsiString TWriter::ReferenceName(TComponent* Component) const {
  if (Component->GetName().IsEmpty()) return AnsiString();
  if (Component == root_ || Component->GetOwner() == root_) return Component->GetName();
  // One level further down, as the reader resolves "Owner.Name"; what lies
  // outside the root cannot be found again and is not written.
  TComponent* owner = Component->GetOwner();
  if (!owner || owner->GetOwner() != root_ || owner->GetName().IsEmpty()) return AnsiString();
  return owner->GetName() + "." + Component->GetName();
}

void TWriter::DefineProperty(const AnsiString& Name, TReaderProc, TWriterProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  WritePropName(Name);
  WriteData(this);
}

void TWriter::DefineBinaryProperty(const AnsiString& Name, TStreamProc, TStreamProc WriteData, bool HasData) {
  if (!HasData || !WriteData) return;
  TMemoryStream block;
  WriteData(&block);
  WritePropName(Name);
  WriteBinary(block.GetMemory(), static_cast<LongInt>(block.GetSize()));
}
