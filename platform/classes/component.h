// TComponent: the class library's owned components. An owner lists what it
// owns and frees it (last created first) when it is freed itself.
// Notification(AComponent, opInsert / opRemove) tells the owner's components
// of each insertion and removal, and FreeNotification extends the removal
// notice across owners.
//
// Components are made with TObject::Create<T>(Owner) and freed with Free.
// The constructor only records the owner (GetOwner answers from then on);
// the component joins the owner's list in AfterConstruction, once it is
// whole, so that the owner's Notification(opInsert) sees its real class.
// BeforeDestruction, while it is still whole, sets csDestroying, frees what
// it owns, tells the free-notification clients and leaves its owner. A
// plain `new` does not compile; a plain `delete` still does all of it, but
// only from the base destructor, after the derived parts are gone.
#pragma once

#include <cstddef>
#include <vector>

#include "ansistring.h"
#include "events.h"
#include "persistent.h"
#include "published.h"
#include "sets.h"

class TReader;
class TWriter;

enum TOperation { opInsert, opRemove };

enum TComponentStateMember {
  csLoading,
  csReading,
  csWriting,
  csDestroying,
  csDesigning,
  csAncestor,
  csUpdating,
  csFixups,
  csFreeNotification,
  csInline,
  csDesignInstance
};
using TComponentState = TSet<TComponentStateMember>;

class TComponent;
using TGetChildProc = TClosure<void(TComponent* Child)>;

// Publishes Tag, so that every component of a form may carry one.
class TComponent : public TPersistent {
  MORVANT_PUBLISHED(TComponent, TPersistent)
 public:
  explicit TComponent(TComponent* AOwner);
  // Does what BeforeDestruction does unless that has run.
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Joins the owner recorded by the constructor.
  void AfterConstruction() override;
  // Frees the owned components, tells the free-notification clients, then
  // leaves the owner's list.
  void BeforeDestruction() override;

  TComponent* GetOwner() override { return owner_; }
  TComponent* GetOwner() const { return owner_; }
  int GetComponentCount() const { return static_cast<int>(components_.size()); }
  // Bad index: EListError.
  TComponent* GetComponents(int Index) const;
  // Position in the owner's list; -1 without an owner.
  int GetComponentIndex() const;
  void SetComponentIndex(int Value);

  AnsiString GetName() const { return name_; }
  // Empty, or an identifier (letters, digits, '_', not starting with a
  // digit) that no other component of the owner has, compared without
  // regard to case; otherwise EComponentError and the name stays.
  virtual void SetName(const AnsiString& NewName);
  int GetTag() const { return tag_; }
  void SetTag(int Value) { tag_ = Value; }
  AnsiString GetNamePath() override { return name_; }
  // Where the form designer placed a component that has no bounds of its
  // own: left in the low word, top in the high word.
  int GetDesignInfo() const { return designInfo_; }
  void SetDesignInfo(int Value) { designInfo_ = Value; }

  TComponentState GetComponentState() const { return state_; }
  // Sets or clears csDesigning here and in everything owned. The program
  // never sets it; tests do, to reach the design-time branches.
  void SetDesigning(bool Value);

  // Takes AComponent over from its previous owner, if any.
  void InsertComponent(TComponent* AComponent);
  void RemoveComponent(TComponent* AComponent);
  // Case-insensitive; nullptr for an empty name or none.
  TComponent* FindComponent(const AnsiString& AName) const;
  // Frees everything owned, last first.
  void DestroyComponents();
  // Marks this component and everything it owns csDestroying.
  void Destroying();

  // AComponent is told (opRemove) when this one goes, and this one when
  // AComponent goes, whoever owns either.
  void FreeNotification(TComponent* AComponent);
  void RemoveFreeNotification(TComponent* AComponent);

  // The components the form writer stores inside this one; none by
  // default.
  virtual void GetChildren(TGetChildProc Proc, TComponent* Root);
  virtual TComponent* GetChildOwner();
  virtual TComponent* GetChildParent();
  // The component this one is written inside of (a control's parent).
  virtual bool HasParent() const;
  virtual TComponent* GetParentComponent() const;
  virtual void SetParentComponent(TComponent* Value);

 protected:
  // Overrides call inherited, which passes the news to the owned
  // components.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  // After the whole form is read and the references fixed; clears
  // csLoading.
  virtual void Loaded();
  // Reads this component's properties and children from the form stream.
  virtual void ReadState(TReader* Reader);
  virtual void WriteState(TWriter* Writer);
  // Raises EComponentError when NewName is taken among the owned
  // components; AComponent is the one being renamed.
  virtual void ValidateRename(TComponent* AComponent, const AnsiString& CurName, const AnsiString& NewName);
  virtual void Updating();
  virtual void Updated();
  // A component that publishes no Left and Top of its own streams its
  // DesignInfo under those names.
  void DefineProperties(TFiler* Filer) override;

  void IncludeState(TComponentStateMember Member) { state_.Include(Member); }
  void ExcludeState(TComponentStateMember Member) { state_.Exclude(Member); }

  // The form streams set the loading states and call the hooks above.
  friend class TReader;
  friend class TWriter;

 private:
  // Only TObject::Create makes components, so that none skips
  // AfterConstruction.
  static void* operator new(std::size_t Size) { return ::operator new(Size); }
  friend class TObject;

  void Release();
  void Insert(TComponent* AComponent);
  void Remove(TComponent* AComponent);
  // Fills or empties the owner's published field of this component's name.
  void SetReference(bool Enable);
  void ForgetFreeNotification(TComponent* AComponent);
  void ReadDesignLeft(TReader* Reader);
  void ReadDesignTop(TReader* Reader);
  void WriteDesignLeft(TWriter* Writer);
  void WriteDesignTop(TWriter* Writer);

  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
  std::vector<TComponent*> freeNotifies_;
  AnsiString name_;
  int tag_ = 0;
  int designInfo_ = 0;
  TComponentState state_;
  bool released_ = false;
};
