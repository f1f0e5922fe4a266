// TObject and its class records: the class library's run-time type
// information (ClassName, ClassType, ClassParent, InheritsFrom).
//
// TObject sits in rtl rather than classes because the exception tree of rtl
// derives from it, as the original's does.
#pragma once

#include <concepts>
#include <memory>
#include <utility>

#include "ansistring.h"

class TObject;
class TComponent;
struct TPublishedTable;

// One record per class, made on first use (no static constructors). The
// component model adds to it what the form reader needs; the chain of
// ClassParent pointers is what InheritsFrom walks.
struct TMetaClass {
  const char* Name;
  const TMetaClass* Parent;
  // Filled by MORVANT_COMPONENT / MORVANT_PUBLISHED of the component model
  // (classes/published.h), nullptr for every other class: how the form
  // reader makes a component of this class with an owner, and the class's
  // own published properties and methods.
  TComponent* (*CreateComponent)(TComponent* Owner) = nullptr;
  const TPublishedTable* (*Published)() = nullptr;

  bool InheritsFrom(const TMetaClass* other) const {
    for (const TMetaClass* c = this; c; c = c->Parent)
      if (c == other) return true;
    return false;
  }
};
using TClass = const TMetaClass*;

// Place first in a class body. Declares the class record, ClassType and
// `inherited` (the original's keyword for the base class). RecordedClass
// names the class the record belongs to, so that a class that forgot its
// record is told apart from the base whose record it would inherit.
#define MORVANT_CLASS(Self, Base)                                   \
 public:                                                            \
  using inherited = Base;                                           \
  using RecordedClass = Self;                                       \
  static TClass StaticClass() {                                     \
    static const TMetaClass meta{#Self, Base::StaticClass()};       \
    return &meta;                                                   \
  }                                                                 \
  TClass ClassType() const override { return Self::StaticClass(); } \
                                                                    \
 private:

// T carries a class record of its own (MORVANT_CLASS or a macro built on
// it): what the record-based casts and tests need to answer for T itself
// rather than for the nearest ancestor that has one.
template <class T>
concept DeclaresClassRecord = std::derived_from<T, TObject> && std::same_as<typename T::RecordedClass, T>;

// Objects have three steps of life, as in the class library: construction,
// then AfterConstruction once the object is whole (a component joins its
// owner there, a form reads its resources); BeforeDestruction while it is
// still whole (a component tells its owner and frees what it owns), then the
// destructors. Create and Free run the steps.
class TObject {
 public:
  using RecordedClass = TObject;

  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;

  // A new T, whole and set up: its AfterConstruction has run. When that
  // step throws, the object is freed again and the exception passes on.
  template <class T, class... Args>
  static T* Create(Args&&... args) {
    T* object = nullptr;
    return CreateInto(object, std::forward<Args>(args)...);
  }
  // As Create, with Reference holding the object from construction on, so
  // that its AfterConstruction may reach it there; nullptr again when that
  // step throws.
  template <class T, class... Args>
  static T* CreateInto(T*& Reference, Args&&... args) {
    T* object = new T(std::forward<Args>(args)...);
    Reference = object;
    try {
      object->AfterConstruction();
    } catch (...) {
      Reference = nullptr;
      object->Free();
      throw;
    }
    return object;
  }
  // The original's Free: BeforeDestruction, then the destructors; the
  // object is gone afterwards.
  void Free() {
    BeforeDestruction();
    delete this;
  }
  // Overrides call inherited first.
  virtual void AfterConstruction() {}
  // Overrides call inherited last.
  virtual void BeforeDestruction() {}

  static TClass StaticClass() {
    static const TMetaClass meta{"TObject", nullptr};
    return &meta;
  }
  virtual TClass ClassType() const { return StaticClass(); }

  AnsiString ClassName() const { return AnsiString(ClassType()->Name); }
  TClass ClassParent() const { return ClassType()->Parent; }
  bool InheritsFrom(TClass c) const { return ClassType()->InheritsFrom(c); }
  bool ClassNameIs(const AnsiString& name) const;

  // The original's `is`: obj->Is<TForm>().
  template <DeclaresClassRecord T>
  bool Is() const {
    return InheritsFrom(T::StaticClass());
  }
};

// Owning pointers that free their object the class library's way, through
// Free, so that BeforeDestruction runs while it is whole.
struct TFreeObject {
  void operator()(TObject* Object) const {
    if (Object) Object->Free();
  }
};
template <class T>
using TOwnedObject = std::unique_ptr<T, TFreeObject>;

// The original's `as`-less cast: nullptr when the object is of another
// class. A class without a record of its own is refused at compile time:
// its ancestor's record would let any object of that ancestor through.
template <DeclaresClassRecord T>
T* dynamic_cast_object(TObject* o) {
  return (o && o->InheritsFrom(T::StaticClass())) ? static_cast<T*>(o) : nullptr;
}
