// Actions: one command (a caption, a checked and an enabled state, a hint,
// a shortcut, what it does) that several controls and menu items share.
//
// A client (a control, a menu item) holds a link to its action. The action
// knows its links and pushes each change of a property through them; a
// link passes it on to its client only while the client's property still
// agrees with the action's (the IsXLinked tests), so that a client given a
// caption of its own keeps it. A client's click executes the action.
//
//   TBasicAction       OnExecute / OnUpdate, Execute and Update, the links
//   TContainedAction   an action that sits in an action list, by category
//   TCustomAction      the shared properties; TAction publishes them
//   TActionList        the actions of a form; asked first by each of them
//   TBasicActionLink   a client's end: Execute, Update, the OnExecute tie
//   TActionLink        the properties' ties, which client links override
//
// Actions sit in an action list but are owned by the list's owner, the
// form; in form text they are written inside the list:
//
//   object ActionList1: TActionList
//     object Open: TAction
//       Caption = '&Öffnen'
//       OnExecute = OpenExecute
//     end
//   end
//
// The application's idle time updates the actions of the visible controls
// (their OnUpdate) and those of the form's lists that no control shows.
#pragma once

#include <vector>

#include "component.h"
#include "events.h"
#include "menus_shortcut.h"
#include "published.h"

class TBasicAction;
class TCustomActionList;

// A client's end of the tie to an action.
class TBasicActionLink : public TObject {
  MORVANT_CLASS(TBasicActionLink, TObject)
 public:
  TBasicActionLink() = default;
  // Leaves the action.
  ~TBasicActionLink() override;
  TBasicActionLink(const TBasicActionLink&) = delete;
  TBasicActionLink& operator=(const TBasicActionLink&) = delete;

  TBasicAction* GetAction() const { return action_; }
  // Leaves the action before, joins the new one.
  virtual void SetAction(TBasicAction* Value);
  // The action's Execute with AComponent as its ActionComponent meanwhile.
  virtual bool Execute(TComponent* AComponent = nullptr);
  virtual bool Update();
  // Whether the client's handler is the action's OnExecute.
  virtual bool IsOnExecuteLinked() { return true; }
  virtual void SetOnExecute(const TNotifyEvent& Value);

  // Fires (with the action) when the action reports a change.
  TNotifyEvent OnChange;

 protected:
  friend class TBasicAction;
  virtual void Change();

 private:
  TBasicAction* action_ = nullptr;
};

class TBasicAction : public TComponent {
  MORVANT_PUBLISHED(TBasicAction, TComponent)
 public:
  explicit TBasicAction(TComponent* AOwner);
  // Lets go of the links still holding it.
  ~TBasicAction() override;

  // OnExecute; false when there is none.
  virtual bool Execute();
  // OnUpdate; false when there is none.
  virtual bool Update();
  // Targets: what an action that works on a control (a copy, a paste)
  // answers; nothing here.
  virtual bool HandlesTarget(TObject* Target);
  virtual void UpdateTarget(TObject* Target);
  virtual void ExecuteTarget(TObject* Target);

  // The component whose click runs the action, while it runs.
  TComponent* GetActionComponent() const { return actionComponent_; }
  void SetActionComponent(TComponent* Value);

  TNotifyEvent GetOnExecute() const { return onExecute_; }
  // Offered to each link first, so that clients tied to the old handler
  // take the new one.
  void SetOnExecute(const TNotifyEvent& Value);
  TNotifyEvent OnUpdate;

  void RegisterChanges(TBasicActionLink* Value);
  void UnRegisterChanges(TBasicActionLink* Value);
  int GetClientCount() const { return static_cast<int>(clients_.size()); }
  TBasicActionLink* GetClients(int Index) const { return clients_[static_cast<std::size_t>(Index)]; }

 protected:
  // OnChange, then every link's Change.
  virtual void Change();
  void Notification(TComponent* AComponent, TOperation Operation) override;
  TNotifyEvent OnChange;

 private:
  std::vector<TBasicActionLink*> clients_;
  TComponent* actionComponent_ = nullptr;
  TNotifyEvent onExecute_;
};

// An action that an action list holds.
class TContainedAction : public TBasicAction {
  MORVANT_PUBLISHED(TContainedAction, TBasicAction)
 public:
  explicit TContainedAction(TComponent* AOwner);
  // Leaves its list.
  ~TContainedAction() override;

  TCustomActionList* GetActionList() const { return actionList_; }
  void SetActionList(TCustomActionList* Value);
  AnsiString GetCategory() const { return category_; }
  void SetCategory(const AnsiString& Value);
  // Position in the list; -1 outside one.
  int GetIndex() const;
  void SetIndex(int Value);
  // While its list is not in asNormal it neither executes nor updates.
  bool Suspended() const;

  // The list's OnExecute, then the application's, then OnExecute.
  bool Execute() override;
  // The list's OnUpdate, then the application's, then OnUpdate.
  bool Update() override;

  // Written inside its list.
  bool HasParent() const override;
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;

 private:
  friend class TCustomActionList;
  TCustomActionList* actionList_ = nullptr;
  AnsiString category_;
};

class TCustomAction : public TContainedAction {
  MORVANT_PUBLISHED(TCustomAction, TContainedAction)
 public:
  explicit TCustomAction(TComponent* AOwner);

  // Each setter hands the new value to the links before it takes it, so
  // that they can tell whether their client still agreed with the old one.
  AnsiString GetCaption() const { return caption_; }
  void SetCaption(const AnsiString& Value);
  bool GetChecked() const { return checked_; }
  // Checking one action of a GroupIndex above 0 unchecks the others of
  // that group in the list.
  void SetChecked(bool Value);
  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool Value);
  int GetHelpContext() const { return helpContext_; }
  void SetHelpContext(int Value);
  AnsiString GetHint() const { return hint_; }
  void SetHint(const AnsiString& Value);
  int GetImageIndex() const { return imageIndex_; }
  void SetImageIndex(int Value);
  TShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut Value);
  bool GetVisible() const { return visible_; }
  void SetVisible(bool Value);
  // Execute toggles Checked first (an action of a group only checks).
  bool GetAutoCheck() const { return autoCheck_; }
  void SetAutoCheck(bool Value);
  int GetGroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value);
  // An enabled action that nothing updates is disabled when nothing would
  // execute it: no OnExecute of its own, of its list or of the application.
  bool GetDisableIfNoHandler() const { return disableIfNoHandler_; }
  void SetDisableIfNoHandler(bool Value) { disableIfNoHandler_ = Value; }

  // Updates, then, when enabled, checks (AutoCheck) and executes; false
  // when disabled, suspended or nothing handled it.
  bool Execute() override;
  bool Update() override;

 private:
  // The others of its group in the list lose their check.
  void UncheckGroup();
  bool HasExecuteHandler() const;

  AnsiString caption_;
  bool checked_ = false;
  bool checking_ = false;
  bool enabled_ = true;
  int helpContext_ = 0;
  AnsiString hint_;
  int imageIndex_ = -1;
  TShortCut shortCut_ = scNone;
  bool visible_ = true;
  bool autoCheck_ = false;
  int groupIndex_ = 0;
  bool disableIfNoHandler_ = true;
};

class TAction : public TCustomAction {
  MORVANT_COMPONENT(TAction, TCustomAction)
 public:
  explicit TAction(TComponent* AOwner) : TCustomAction(AOwner) {}
};

// The ties of the shared properties; a client's link overrides the ones
// its client has. A property is linked while the action is a TCustomAction
// (and, in the client's link, while the client's value agrees).
class TActionLink : public TBasicActionLink {
  MORVANT_CLASS(TActionLink, TBasicActionLink)
 public:
  virtual bool IsCaptionLinked();
  virtual bool IsCheckedLinked();
  virtual bool IsEnabledLinked();
  virtual bool IsHelpContextLinked();
  virtual bool IsHintLinked();
  virtual bool IsImageIndexLinked();
  virtual bool IsShortCutLinked();
  virtual bool IsVisibleLinked();
  virtual void SetCaption(const AnsiString&) {}
  virtual void SetChecked(bool) {}
  virtual void SetEnabled(bool) {}
  virtual void SetHelpContext(int) {}
  virtual void SetHint(const AnsiString&) {}
  virtual void SetImageIndex(int) {}
  virtual void SetShortCut(TShortCut) {}
  virtual void SetVisible(bool) {}

 protected:
  // The action as a TCustomAction; nullptr otherwise.
  TCustomAction* CustomAction() const;
};

enum TActionListState { asNormal, asSuspended, asSuspendedEnabled };
// Handled set true stops the action's own handling.
using TActionEvent = TClosure<void(TBasicAction* Action, bool& Handled)>;

class TCustomActionList : public TComponent {
  MORVANT_PUBLISHED(TCustomActionList, TComponent)
 public:
  explicit TCustomActionList(TComponent* AOwner);
  // Frees its actions first.
  void BeforeDestruction() override;

  int GetActionCount() const { return static_cast<int>(actions_.size()); }
  // Bad index: EListError.
  TContainedAction* GetActions(int Index) const;
  int IndexOf(const TContainedAction* Action) const;
  // The images the actions' ImageIndex counts in: any component that holds
  // images; forgotten when it goes.
  TComponent* GetImages() const { return images_; }
  void SetImages(TComponent* Value);
  TActionListState GetState() const { return state_; }
  // asSuspendedEnabled enables every action as well.
  void SetState(TActionListState Value);

  // OnExecute / OnUpdate for one of the actions; true when handled.
  virtual bool ExecuteAction(TBasicAction* Action);
  virtual bool UpdateAction(TBasicAction* Action);
  // Executes the first action with this shortcut; false when none has it
  // or it did not run.
  bool IsShortCut(TShortCut Value);

  // The actions that Root owns, in list order.
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

  TActionEvent OnExecute;
  TActionEvent OnUpdate;
  // An action came or went, or the images changed.
  TNotifyEvent OnChange;

 protected:
  virtual void Change();
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TContainedAction;
  void AddAction(TContainedAction* Action);
  void RemoveAction(TContainedAction* Action);

  std::vector<TContainedAction*> actions_;
  TComponent* images_ = nullptr;
  TActionListState state_ = asNormal;
};

class TActionList : public TCustomActionList {
  MORVANT_COMPONENT(TActionList, TCustomActionList)
 public:
  explicit TActionList(TComponent* AOwner) : TCustomActionList(AOwner) {}
};
