// Closures for events: the class library's method pointers, an object and one
// of its member functions. They are assignable, can be nil, and compare by
// identity (same object, same member), which is what removing a hook or
// clearing a handler relies on.
//
//   OnChange = TNotifyEvent(this, &TForm1::ListChange);
//   if (OnChange) OnChange(this);
//
// A closure made from a plain callable (tests, glue code) equals only its own
// copies. Calling a nil closure does nothing and returns R{}.
#pragma once

#include <cstring>
#include <memory>
#include <type_traits>
#include <utility>

#include "shiftstate.h"
#include "tobject.h"
#include "wintypes.h"

template <class Signature>
class TClosure;

template <class R, class... Args>
class TClosure<R(Args...)> {
 public:
  TClosure() = default;
  TClosure(std::nullptr_t) {}

  template <class O, class C>
    requires std::is_convertible_v<O*, C*>
  TClosure(O* object, R (C::*method)(Args...)) {
    Bind<C>(object, method);
  }
  template <class O, class C>
    requires std::is_convertible_v<O*, C*>
  TClosure(O* object, R (C::*method)(Args...) const) {
    Bind<const C>(object, method);
  }

  template <class F>
    requires(std::is_invocable_r_v<R, F&, Args...> && !std::is_same_v<std::decay_t<F>, TClosure> &&
             !std::is_same_v<std::decay_t<F>, std::nullptr_t>)
  TClosure(F callable) {
    auto held = std::make_shared<F>(std::move(callable));
    object_ = held.get();
    callable_ = std::move(held);
    invoke_ = [](void* object, const void*, Args... args) -> R {
      return (*static_cast<F*>(object))(std::forward<Args>(args)...);
    };
  }

  TClosure& operator=(std::nullptr_t) {
    *this = TClosure();
    return *this;
  }

  explicit operator bool() const { return invoke_ != nullptr; }

  R operator()(Args... args) const {
    if (!invoke_) {
      if constexpr (std::is_void_v<R>)
        return;
      else
        return R{};
    }
    return invoke_(object_, member_, std::forward<Args>(args)...);
  }

  // The object the closure calls (the original's TMethod.Data); nullptr for
  // a nil closure.
  void* Data() const { return invoke_ ? object_ : nullptr; }

  friend bool operator==(const TClosure& a, const TClosure& b) {
    if (a.invoke_ != b.invoke_ || a.object_ != b.object_) return false;
    return std::memcmp(a.member_, b.member_, sizeof a.member_) == 0;
  }
  friend bool operator==(const TClosure& a, std::nullptr_t) { return !a; }

 private:
  // Large enough for a member pointer of any class, also with multiple or
  // virtual bases. Zeroed, so that comparing the bytes is comparing members.
  using AnyMember = void (TObject::*)();
  static constexpr std::size_t kMemberBytes = 2 * sizeof(AnyMember);

  template <class C, class M, class O>
  void Bind(O* object, M method) {
    static_assert(sizeof(M) <= kMemberBytes, "member pointer too large");
    if (!object || !method) return;
    object_ = const_cast<void*>(static_cast<const void*>(static_cast<C*>(object)));
    std::memcpy(member_, &method, sizeof(M));
    invoke_ = [](void* target, const void* member, Args... args) -> R {
      M m;
      std::memcpy(&m, member, sizeof(M));
      return (static_cast<C*>(target)->*m)(std::forward<Args>(args)...);
    };
  }

  void* object_ = nullptr;
  alignas(AnyMember) unsigned char member_[kMemberBytes] = {};
  R (*invoke_)(void*, const void*, Args...) = nullptr;
  // Keeps a plain callable alive; empty for the member form.
  std::shared_ptr<void> callable_;
};

// The event types of the class library whose argument types live in this
// module or below; those that take a mouse button or a close action are
// declared beside those types.
using TNotifyEvent = TClosure<void(TObject* Sender)>;
using TKeyEvent = TClosure<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = TClosure<void(TObject* Sender, char& Key)>;
using TMouseMoveEvent = TClosure<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TCloseQueryEvent = TClosure<void(TObject* Sender, bool& CanClose)>;
