// TObject and its class records: the class library's run-time type
// information (ClassName, ClassType, ClassParent, InheritsFrom).
//
// TObject sits in rtl rather than classes because the exception tree of rtl
// derives from it, as the original's does.
#pragma once

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
// `inherited` (the original's keyword for the base class).
#define MORVANT_CLASS(Self, Base)                                   \
 public:                                                            \
  using inherited = Base;                                           \
  static TClass StaticClass() {                                     \
    static const TMetaClass meta{#Self, Base::StaticClass()};       \
    return &meta;                                                   \
  }                                                                 \
  TClass ClassType() const override { return Self::StaticClass(); } \
                                                                    \
 private:

class TObject {
 public:
  TObject() = default;
  virtual ~TObject() = default;
  TObject(const TObject&) = default;
  TObject& operator=(const TObject&) = default;

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
  template <class T>
  bool Is() const {
    return InheritsFrom(T::StaticClass());
  }
};

// The original's `as`-less cast: nullptr when the object is of another class.
template <class T>
T* dynamic_cast_object(TObject* o) {
  return (o && o->InheritsFrom(T::StaticClass())) ? static_cast<T*>(o) : nullptr;
}
