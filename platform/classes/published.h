// Published properties and methods: per class, the table that the form
// reader and writer go by. A class that the form streams should see puts
// MORVANT_COMPONENT (a component the reader can create with an owner) or
// MORVANT_PUBLISHED (anything else: abstract components, fonts, collection
// items, nested objects) first in its body instead of MORVANT_CLASS, and
// declares its properties in its .cpp, one line each:
//
//   class TGauge : public TComponent {
//     MORVANT_COMPONENT(TGauge, TComponent)
//    public:
//     explicit TGauge(TComponent* AOwner);
//     int GetProgress() const;           void SetProgress(int Value);
//     TGaugeKind GetKind() const;        void SetKind(TGaugeKind Value);
//     TFont* GetFont() const;            // nested: "Font.Name" in a form
//     TNotifyEvent OnChange;
//    private:
//     bool IsProgressStored() const;
//   };
//
//   void TGauge::Publish(TPublisher<TGauge>& P) {
//     P.Integer("Progress", &TGauge::GetProgress, &TGauge::SetProgress, 0).Stored(&TGauge::IsProgressStored);
//     P.Enum("Kind", &TGauge::GetKind, &TGauge::SetKind, {"gkText", "gkPie"}, gkText);
//     P.Object("Font", &TGauge::GetFont);
//     P.Event("OnChange", &TGauge::OnChange);
//   }
//
// A form publishes its handlers the same way, so that "OnClick =
// Button1Click" in a form binds: P.Method("Button1Click", &TForm1::Button1Click).
// Its component fields too: P.Field("Button1", &TForm1::Button1) keeps the
// owned component named Button1 in the field from the moment it gets that
// name until it is renamed, leaves the form or is freed.
//
// Getters and setters are member functions, data members or lambdas taking
// the object; the value type comes from the getter. A default given last is
// the declared default: a value equal to it is not written (the constructor
// must set it). Without one the value is always written; strings, floats,
// references and events are written unless empty, 0 or nil. Properties of a
// base class come first; redeclaring a name in a derived class replaces the
// base's entry in place. Registering the class (classregistry.h) lets the
// reader create it by name.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <type_traits>
#include <typeinfo>
#include <utility>
#include <vector>

#include "ansistring.h"
#include "events.h"
#include "persistent.h"
#include "sysutils.h"
#include "tobject.h"
#include "wintypes.h"

class TComponent;
class TStrings;
class TCollection;

enum class TPropKind { Integer, Enum, Set, Bool, String, Float, Color, Object, Component, Strings, Collection, Event };

// A published method of a form (an event handler), bindable by its name.
struct TPublishedMethod {
  AnsiString Name;
  // typeid of the closure type it makes; an event binds only to its own type.
  const std::type_info* Signature = nullptr;
  // Makes the closure (of type *Signature, at Closure) calling the method
  // on Root.
  std::function<void(TObject* Root, void* Closure)> Bind;
};

struct TPropInfo {
  AnsiString Name;
  TPropKind Kind = TPropKind::Integer;
  // Ordinal kinds (Integer, Enum, Set as its bit sum, Bool, Color).
  std::optional<Int64> Default;
  // Enum and Set: the members' names by ordinal.
  std::vector<AnsiString> Idents;
  // Component: the class a referenced component must have.
  TClass RefClass = nullptr;
  // Object, Strings and Collection: the class the getter declares (the
  // object may be of a descendant).
  TClass ObjectClass = nullptr;

  std::function<Int64(TObject*)> GetOrd;
  // Raises EReadError for a value out of the property's range.
  std::function<void(TObject*, Int64)> SetOrd;
  std::function<double(TObject*)> GetFloat;
  std::function<void(TObject*, double)> SetFloat;
  std::function<AnsiString(TObject*)> GetStr;
  std::function<void(TObject*, const AnsiString&)> SetStr;
  // Object, Strings and Collection: the nested object, read and written in
  // place.
  std::function<TPersistent*(TObject*)> GetObject;
  std::function<TComponent*(TObject*)> GetComponent;
  std::function<void(TObject*, TComponent*)> SetComponent;
  // Event: binds Method of Root (nullptr clears); false when its signature
  // does not fit the event.
  std::function<bool(TObject* Instance, TObject* Root, const TPublishedMethod* Method)> SetEvent;
  std::function<bool(TObject* Instance)> IsEventAssigned;
  // True when the event calls Method on Root.
  std::function<bool(TObject* Instance, TObject* Root, const TPublishedMethod& Method)> EventIs;
  // Empty: always stored.
  std::function<bool(TObject*)> Stored;
  // Object: the defaults this owner's constructor gives ordinal properties
  // of the nested object, by their dotted path below it ("Brush.Color"); a
  // value equal to one is not written, any other value is.
  std::vector<std::pair<AnsiString, Int64>> NestedDefaults;
};

// The declared default of the ordinal property at the dotted Path below
// Object property Owner: the owner's redeclared one, else Nested's own.
std::optional<Int64> NestedDefaultOf(const TPropInfo& Owner, const AnsiString& Path, const TPropInfo& Nested);

// A published field of a form: the pointer member that the component of the
// same name, owned by the form, is kept in while it exists.
struct TPublishedField {
  AnsiString Name;
  // Stores Component in Root's field unless it is not of the field's class.
  std::function<void(TObject* Root, TComponent* Component)> Assign;
  // Empties the field if it holds Component (also while it is being
  // destroyed, when its class can no longer be told).
  std::function<void(TObject* Root, TComponent* Component)> Clear;
};

struct TPublishedTable {
  std::vector<std::shared_ptr<const TPropInfo>> Properties;
  std::vector<std::shared_ptr<const TPublishedMethod>> Methods;
  std::vector<std::shared_ptr<const TPublishedField>> Fields;
};

// The table of Class or of its nearest ancestor that has one; nullptr when
// none does.
const TPublishedTable* PublishedTableOf(TClass Class);
// By name, without regard to case; nullptr when none.
const TPropInfo* FindPublishedProperty(TClass Class, const AnsiString& Name);
const TPublishedMethod* FindPublishedMethod(TClass Class, const AnsiString& Name);
const TPublishedField* FindPublishedField(TClass Class, const AnsiString& Name);

namespace published_detail {

template <class C, class S, class V>
void Put(S set, C* object, V&& value) {
  if constexpr (std::is_member_object_pointer_v<S>)
    object->*set = std::forward<V>(value);
  else
    std::invoke(set, object, std::forward<V>(value));
}

template <class C, class G>
using ValueOf = std::remove_cvref_t<std::invoke_result_t<G, C*>>;

template <class T>
concept BitSet = requires(T t) {
  { t.Bits() };
  T::FromBits(0);
};

template <class T>
struct IsClosure : std::false_type {};
template <class Sig>
struct IsClosure<TClosure<Sig>> : std::true_type {};

[[noreturn]] void RangeError(const AnsiString& Name, Int64 Value);

}  // namespace published_detail

template <class C>
class TPublisher {
 public:
  explicit TPublisher(TPublishedTable& Table) : table_(Table) {}

  // Returned by each declaration, for what follows on the same line.
  class TDeclared {
   public:
    explicit TDeclared(TPropInfo& Info) : info_(Info) {}
    template <class F>
    TDeclared& Stored(F Test) {
      info_.Stored = [Test](TObject* o) { return static_cast<bool>(std::invoke(Test, static_cast<C*>(o))); };
      return *this;
    }
    TDeclared& Stored(bool Always) {
      info_.Stored = [Always](TObject*) { return Always; };
      return *this;
    }
    // For an Object: the value the owner's constructor gives the nested
    // ordinal property at Path, where it differs from that class's default.
    TDeclared& NestedDefault(const char* Path, Int64 Value) {
      info_.NestedDefaults.emplace_back(AnsiString(Path), Value);
      return *this;
    }

   private:
    TPropInfo& info_;
  };

  template <class G, class S>
  TDeclared Integer(const char* Name, G Get, S Set, std::optional<Int64> Default = std::nullopt) {
    return Ordinal(Name, TPropKind::Integer, Get, Set, Default, {});
  }
  template <class G, class S>
  TDeclared Bool(const char* Name, G Get, S Set, std::optional<bool> Default = std::nullopt) {
    std::optional<Int64> d;
    if (Default) d = *Default ? 1 : 0;
    return Ordinal(Name, TPropKind::Bool, Get, Set, d, {});
  }
  template <class G, class S>
  TDeclared Enum(const char* Name, G Get, S Set, std::initializer_list<const char*> Idents,
                 std::optional<Int64> Default = std::nullopt) {
    return Ordinal(Name, TPropKind::Enum, Get, Set, Default, Idents);
  }
  // Default: the ordinal bit sum of the default members.
  template <class G, class S>
  TDeclared Set(const char* Name, G Get, S Set, std::initializer_list<const char*> Idents,
                std::optional<Int64> Default = std::nullopt) {
    return Ordinal(Name, TPropKind::Set, Get, Set, Default, Idents);
  }
  // Written by name where the colour has one (see colorident.h).
  template <class G, class S>
  TDeclared Color(const char* Name, G Get, S Set, std::optional<Int64> Default = std::nullopt) {
    return Ordinal(Name, TPropKind::Color, Get, Set, Default, {});
  }
  template <class G, class S>
  TDeclared String(const char* Name, G Get, S Set) {
    TPropInfo& p = Add(Name, TPropKind::String);
    p.GetStr = [Get](TObject* o) { return AnsiString(std::invoke(Get, static_cast<C*>(o))); };
    p.SetStr = [Set](TObject* o, const AnsiString& v) { published_detail::Put(Set, static_cast<C*>(o), v); };
    return TDeclared(p);
  }
  template <class G, class S>
  TDeclared Float(const char* Name, G Get, S Set) {
    using V = published_detail::ValueOf<C, G>;
    TPropInfo& p = Add(Name, TPropKind::Float);
    p.GetFloat = [Get](TObject* o) { return static_cast<double>(std::invoke(Get, static_cast<C*>(o))); };
    p.SetFloat = [Set](TObject* o, double v) { published_detail::Put(Set, static_cast<C*>(o), static_cast<V>(v)); };
    return TDeclared(p);
  }
  // A nested TPersistent whose properties are streamed under "Name.".
  template <class G>
  TDeclared Object(const char* Name, G Get) {
    return Nested(Name, TPropKind::Object, Get);
  }
  // A TStrings, streamed as "Name.Strings" = ( ... ).
  template <class G>
  TDeclared Strings(const char* Name, G Get) {
    return Nested(Name, TPropKind::Strings, Get);
  }
  // A TCollection, streamed as Name = < item ... end >.
  template <class G>
  TDeclared Collection(const char* Name, G Get) {
    return Nested(Name, TPropKind::Collection, Get);
  }
  // A reference to another component, resolved after the whole form is
  // read.
  template <class G, class S>
  TDeclared Component(const char* Name, G Get, S Set) {
    using V = std::remove_pointer_t<published_detail::ValueOf<C, G>>;
    TPropInfo& p = Add(Name, TPropKind::Component);
    p.RefClass = V::StaticClass();
    p.GetComponent = [Get](TObject* o) -> TComponent* { return std::invoke(Get, static_cast<C*>(o)); };
    p.SetComponent = [Set](TObject* o, TComponent* v) { published_detail::Put(Set, static_cast<C*>(o), static_cast<V*>(v)); };
    return TDeclared(p);
  }
  template <class E, class Owner>
  TDeclared Event(const char* Name, E Owner::*Field) {
    return Event(Name, Field, Field);
  }
  template <class G, class S>
  TDeclared Event(const char* Name, G Get, S Set) {
    using E = published_detail::ValueOf<C, G>;
    static_assert(published_detail::IsClosure<E>::value, "an event is a TClosure");
    TPropInfo& p = Add(Name, TPropKind::Event);
    p.SetEvent = [Set](TObject* o, TObject* root, const TPublishedMethod* m) {
      E closure;
      if (m) {
        if (*m->Signature != typeid(E)) return false;
        m->Bind(root, &closure);
      }
      published_detail::Put(Set, static_cast<C*>(o), closure);
      return true;
    };
    p.IsEventAssigned = [Get](TObject* o) { return static_cast<bool>(std::invoke(Get, static_cast<C*>(o))); };
    p.EventIs = [Get](TObject* o, TObject* root, const TPublishedMethod& m) {
      if (*m.Signature != typeid(E)) return false;
      E candidate;
      m.Bind(root, &candidate);
      return candidate == std::invoke(Get, static_cast<C*>(o));
    };
    return TDeclared(p);
  }

  // An event handler of this class, for events bound by name.
  template <class R, class... Args>
  void Method(const char* Name, R (C::*Handler)(Args...)) {
    using E = TClosure<R(Args...)>;
    auto m = std::make_shared<TPublishedMethod>();
    m->Name = Name;
    m->Signature = &typeid(E);
    m->Bind = [Handler](TObject* root, void* closure) { *static_cast<E*>(closure) = E(static_cast<C*>(root), Handler); };
    for (auto& existing : table_.Methods)
      if (SameText(existing->Name, m->Name)) {
        existing = m;
        return;
      }
    table_.Methods.push_back(m);
  }

  // A component field of this class, filled by name (see above).
  template <class T>
  void Field(const char* Name, T* C::*Member) {
    auto f = std::make_shared<TPublishedField>();
    f->Name = Name;
    f->Assign = [Member](TObject* root, TComponent* component) {
      if (T* typed = dynamic_cast<T*>(component)) static_cast<C*>(root)->*Member = typed;
    };
    f->Clear = [Member](TObject* root, TComponent* component) {
      T*& field = static_cast<C*>(root)->*Member;
      if (field && static_cast<TComponent*>(field) == component) field = nullptr;
    };
    for (auto& existing : table_.Fields)
      if (SameText(existing->Name, f->Name)) {
        existing = f;
        return;
      }
    table_.Fields.push_back(f);
  }

 private:
  template <class G, class S>
  TDeclared Ordinal(const char* Name, TPropKind Kind, G Get, S Set, std::optional<Int64> Default,
                    std::initializer_list<const char*> Idents) {
    using V = published_detail::ValueOf<C, G>;
    TPropInfo& p = Add(Name, Kind);
    p.Default = Default;
    for (const char* ident : Idents) p.Idents.emplace_back(ident);
    const AnsiString name(Name);
    if constexpr (published_detail::BitSet<V>) {
      p.GetOrd = [Get](TObject* o) { return static_cast<Int64>(std::invoke(Get, static_cast<C*>(o)).Bits()); };
      p.SetOrd = [Set](TObject* o, Int64 v) {
        published_detail::Put(Set, static_cast<C*>(o), V::FromBits(static_cast<std::uint64_t>(v)));
      };
    } else {
      p.GetOrd = [Get](TObject* o) { return static_cast<Int64>(std::invoke(Get, static_cast<C*>(o))); };
      p.SetOrd = [Set, name](TObject* o, Int64 v) {
        if constexpr (std::is_same_v<V, bool>) {
          published_detail::Put(Set, static_cast<C*>(o), v != 0);
        } else if constexpr (std::is_enum_v<V>) {
          published_detail::Put(Set, static_cast<C*>(o), static_cast<V>(v));
        } else {
          if (!std::in_range<V>(v)) published_detail::RangeError(name, v);
          published_detail::Put(Set, static_cast<C*>(o), static_cast<V>(v));
        }
      };
    }
    return TDeclared(p);
  }

  template <class G>
  TDeclared Nested(const char* Name, TPropKind Kind, G Get) {
    using V = std::remove_cv_t<std::remove_pointer_t<published_detail::ValueOf<C, G>>>;
    TPropInfo& p = Add(Name, Kind);
    p.ObjectClass = V::StaticClass();
    p.GetObject = [Get](TObject* o) -> TPersistent* { return std::invoke(Get, static_cast<C*>(o)); };
    return TDeclared(p);
  }

  TPropInfo& Add(const char* Name, TPropKind Kind) {
    auto p = std::make_shared<TPropInfo>();
    p->Name = Name;
    p->Kind = Kind;
    TPropInfo& info = *p;
    for (auto& existing : table_.Properties)
      if (SameText(existing->Name, p->Name)) {
        existing = std::move(p);
        return info;
      }
    table_.Properties.push_back(std::move(p));
    return info;
  }

  TPublishedTable& table_;
};

// The table of C: its ancestors' entries, then what C::Publish declares.
template <class C>
TPublishedTable MakePublishedTable(TClass Base) {
  TPublishedTable table;
  if (const TPublishedTable* inherited = PublishedTableOf(Base)) table = *inherited;
  TPublisher<C> publisher(table);
  C::Publish(publisher);
  return table;
}

#define MORVANT_STREAMABLE_CLASS_(Self, Base, Factory)                                        \
 public:                                                                                      \
  using inherited = Base;                                                                     \
  using RecordedClass = Self;                                                                 \
  static TClass StaticClass() {                                                               \
    static const TMetaClass meta{#Self, Base::StaticClass(), Factory, &Self::PublishedTable}; \
    return &meta;                                                                             \
  }                                                                                           \
  TClass ClassType() const override { return Self::StaticClass(); }                           \
  static const TPublishedTable* PublishedTable() {                                            \
    static const TPublishedTable table = MakePublishedTable<Self>(Base::StaticClass());       \
    return &table;                                                                            \
  }                                                                                           \
  static void Publish(TPublisher<Self>& P);                                                   \
                                                                                              \
 private:

// For classes the reader does not create itself (no owner constructor, or
// abstract): the published table only.
#define MORVANT_PUBLISHED(Self, Base) MORVANT_STREAMABLE_CLASS_(Self, Base, nullptr)
// For components that forms create by class name: Self(TComponent* Owner).
#define MORVANT_COMPONENT(Self, Base) \
  MORVANT_STREAMABLE_CLASS_(Self, Base, [](TComponent* Owner) -> TComponent* { return TObject::Create<Self>(Owner); })
