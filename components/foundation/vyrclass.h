// The roots of the component library: settings objects and non-visual
// components that tell their owner of every change, the form-level component
// that subclasses its owner form's window procedure, and the rule of one
// instance per form.
//
// The change contract: a setter that changes a value calls Change, which
// runs OnChange unless an update is in progress. BeginUpdate does not nest:
// one EndUpdate unlocks, and EndUpdate(true) reports the batch as one change.
#pragma once

#include "component.h"
#include "exceptions.h"
#include "hwnd.h"
#include "persistent.h"
#include "published.h"

class TForm;

namespace Vyrclass {

// The change contract that the settings objects and the components share,
// over the class library's base of either.
template <class Base>
class TVyrChangeContract : public Base {
 public:
  using Base::Base;

  TNotifyEvent GetOnChange() const { return onChange_; }
  void SetOnChange(TNotifyEvent Value) { onChange_ = Value; }

  // An owner hands this to the OnChange of its own nested settings objects,
  // so that a change deep inside reaches the top.
  void GetChange(TObject* /*Sender*/) { Change(); }
  void BeginUpdate() { updating_ = true; }
  void EndUpdate(bool Notify) {
    updating_ = false;
    if (Notify) Change();
  }
  bool GetUpdating() const { return updating_; }

 protected:
  virtual void Change() {
    if (!updating_ && onChange_) onChange_(this);
  }

 private:
  TNotifyEvent onChange_;
  bool updating_ = false;
};

// The colour depth a bitmap is stored with in the library's streams:
// its own, 2, 16 or 256 colours.
enum class TVyrSavePixelFormat { spfDefault, spfMono, spf4bit, spf8bit };

// Base of every settings sub-object (bevel, gradient, caption ...). The owner
// points OnChange at its own handler.
class TVyrObject : public TVyrChangeContract<TPersistent> {
  MORVANT_PUBLISHED(TVyrObject, TPersistent)
 public:
  TVyrObject() = default;
};

// The same contract for non-visual components.
class TVyrCustomComponent : public TVyrChangeContract<TComponent> {
  MORVANT_PUBLISHED(TVyrCustomComponent, TComponent)
 public:
  explicit TVyrCustomComponent(TComponent* AOwner) : TVyrChangeContract<TComponent>(AOwner) {}
};

// Base of every library component placed on a form.
class TVyrComponent : public TVyrCustomComponent {
  MORVANT_PUBLISHED(TVyrComponent, TVyrCustomComponent)
 public:
  explicit TVyrComponent(TComponent* AOwner) : TVyrCustomComponent(AOwner) {}
};

// A form-level component that puts its own WndProc in front of the owner
// form's window procedure (and, with HandleApp, hooks the application's main
// window). It takes itself out of the chain wherever it stands in it, so
// several such components on one form may go in any order.
class TVyrWndProcComponent : public TVyrComponent {
  MORVANT_PUBLISHED(TVyrWndProcComponent, TVyrComponent)
 public:
  explicit TVyrWndProcComponent(TComponent* AOwner);
  ~TVyrWndProcComponent() override;
  void BeforeDestruction() override;

  bool GetEnabled() const { return enabled_; }
  // At run time true subclasses (Init), false undoes the visible effect
  // (RestoreState) and leaves the procedure in place.
  void SetEnabled(bool Value);
  bool GetHandleApp() const { return handleApp_; }
  // Only at design time or while loading; ignored afterwards.
  void SetHandleApp(bool Value);

  bool NewWndProc();
  bool RestoreWndProc();
  // Takes the procedure out without the visible restoration of a derived
  // class, then disables.
  void SilentRemove();

  TForm* GetOwnerForm() const;
  // The window to subclass: the MDI frame's client window unless the
  // derived class asks for the frame's own. Creates the window when needed.
  HWND GetOwnerHandle() const;
  // The owner's window exists and the component is neither loading nor
  // going.
  bool ValidOwner() const;

  // 0 normal form, 1 MDI child, 2 MDI frame.
  unsigned char GetMDIKind() const { return mdiKind_; }
  bool IsSubclassed() const { return objectInstance_ != nullptr; }

 protected:
  void Loaded() override;

  // The application-window hook; true means handled.
  virtual bool AppWndProc(TMessage& Message);
  virtual void Init();
  virtual void RestoreState() {}
  // Derived classes handle their messages and pass the rest to this one,
  // which hands them to the saved procedure.
  virtual void WndProc(TMessage& Message);

  bool GetSilentRemoval() const { return silentRemoval_; }
  bool GetDestroying() const { return destroying_; }
  bool GetUseFormHandle() const { return useFormHandle_; }
  void SetUseFormHandle(bool Value) { useFormHandle_ = Value; }
  WNDPROC GetSavedWndProc() const { return savedWndProc_; }

 private:
  bool Designing() const { return GetComponentState().Contains(csDesigning); }

  bool enabled_ = true;
  bool handleApp_ = false;
  bool appHooked_ = false;
  bool silentRemoval_ = false;
  unsigned char mdiKind_ = 0;
  WNDPROC objectInstance_ = nullptr;
  WNDPROC savedWndProc_ = nullptr;
  // The window the procedure was put on: messages go on to it and the
  // removal looks at it, never at a window the owner might make anew.
  HWND subclassedWindow_ = nullptr;
  bool destroying_ = false;
  bool useFormHandle_ = false;
};

// True when a component of Class must be refused on Owner: Owner is no form
// (nor, with AllowDataModule, a data module), or Owner already holds more
// than one component of Class or a class derived from it.
bool VyrCheckForSameClass(TComponent* Owner, TClass Class, bool AllowDataModule);

// Kind 0: Name ":" CR and "Invalid owner (<>TForm) or second instance on a
// form"; Kind 1: Name ":" CR "Already one " Name " control in this project!".
class VyrEOneInstError : public Exception {
  MORVANT_CLASS(VyrEOneInstError, Exception)
 public:
  VyrEOneInstError(const AnsiString& Name, unsigned char Kind);
};

}  // namespace Vyrclass

// ---- the rest of the unit: settings storage, the application object and
// its timers, each in a header of its own ----
#include "vyrclass_storage.h"
#include "vyrclass_application.h"
