// Menus: TMenuItem trees and the menus that show them. A menu builds a
// native menu of the window manager from its visible items ('&' marks the
// access key, "-" is a separator) and rebuilds it on every change; a chosen
// item's command reaches the menu's DispatchCommand, which runs its Click.
//
// TMainMenu is the menu bar of its form: AttachTo (done by Loaded for a
// menu a form owns) sets the bar on the form's window and hooks the
// window's procedure for the WM_COMMAND of the bar. The hook is on the
// window of that time: a form that recreates its window attaches again.
// TPopupMenu shows at a screen point and blocks until it is dismissed.
//
// A key whose shortcut an enabled item has runs that item's Click before
// the focused control sees the key (IsMenuKey, from the controls' key
// handling); a right click, the context key or Shift+F10 on a control whose
// PopupMenu has AutoPopup shows that menu (TControl's WM_CONTEXTMENU).
#pragma once

#include <vector>

#include "actnlist.h"
#include "component.h"
#include "events.h"
#include "hwnd.h"
#include "menus_shortcut.h"
#include "published.h"

class TMenu;
class TCustomForm;
class TWinControl;
class TMenuItem;

// A menu item's tie to its action: Caption, Checked, Enabled, ShortCut,
// Visible and OnClick follow the action while the item agrees with it.
class TMenuActionLink : public TActionLink {
  MORVANT_CLASS(TMenuActionLink, TActionLink)
 public:
  explicit TMenuActionLink(TMenuItem* AClient) : client_(AClient) {}

  bool IsCaptionLinked() override;
  bool IsCheckedLinked() override;
  bool IsEnabledLinked() override;
  bool IsShortCutLinked() override;
  bool IsVisibleLinked() override;
  bool IsOnExecuteLinked() override;
  void SetCaption(const AnsiString& Value) override;
  void SetChecked(bool Value) override;
  void SetEnabled(bool Value) override;
  void SetShortCut(TShortCut Value) override;
  void SetVisible(bool Value) override;
  void SetOnExecute(const TNotifyEvent& Value) override;

 private:
  TMenuItem* client_;
};

class TMenuItem : public TComponent {
  MORVANT_COMPONENT(TMenuItem, TComponent)
 public:
  explicit TMenuItem(TComponent* AOwner);
  // Frees the sub-items and leaves the parent.
  ~TMenuItem() override;

  AnsiString GetCaption() const { return caption_; }
  void SetCaption(const AnsiString& Value);
  bool GetChecked() const { return checked_; }
  // Checking a radio item unchecks the other radio items of its group.
  void SetChecked(bool Value);
  bool GetRadioItem() const { return radioItem_; }
  void SetRadioItem(bool Value);
  int GetGroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int Value);
  bool GetEnabled() const { return enabled_; }
  void SetEnabled(bool Value);
  bool GetVisible() const { return visible_; }
  void SetVisible(bool Value);
  TShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(TShortCut Value);
  // The id its WM_COMMAND carries; unique among living items.
  UINT GetCommand() const { return command_; }
  // The living item with the command, in any menu; nullptr when none.
  static TMenuItem* FromCommand(UINT Command);
  bool IsLine() const { return caption_ == "-"; }

  int GetCount() const { return static_cast<int>(items_.size()); }
  // Bad index: EListError.
  TMenuItem* GetItems(int Index) const;
  TMenuItem* GetParent() const { return parent_; }
  int IndexOf(const TMenuItem* Item) const;
  void Add(TMenuItem* Item);
  // Index -1 or past the end appends; an item with a parent moves.
  void Insert(int Index, TMenuItem* Item);
  // Unlinks the item at Index (it is not freed); bad index: EListError.
  void Delete(int Index);
  void Remove(TMenuItem* Item);
  // Frees every sub-item.
  void Clear();

  // When enabled: OnClick, or with an action and no handler of its own,
  // the action's Execute.
  virtual void Click();
  TNotifyEvent OnClick;

  // The action the item shows and runs; nullptr clears it.
  TBasicAction* GetAction() const { return actionLink_ ? actionLink_->GetAction() : nullptr; }
  void SetAction(TBasicAction* Value);
  // The action's OnUpdate (the form's idle update calls it).
  void InitiateAction();

  // Streaming: sub-items are the item's children.
  bool HasParent() const override { return true; }
  TComponent* GetParentComponent() const override;
  void SetParentComponent(TComponent* Value) override;
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  // Takes over the action's properties; with CheckDefaults only those
  // still at their defaults.
  virtual void ActionChange(TObject* Sender, bool CheckDefaults);
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TMenu;
  void Changed();
  bool Linked(bool (TMenuActionLink::*Test)()) const;
  TMenu* RootMenu() const;

  AnsiString caption_;
  bool checked_ = false;
  bool radioItem_ = false;
  int groupIndex_ = 0;
  bool enabled_ = true;
  bool visible_ = true;
  TShortCut shortCut_ = 0;
  UINT command_;
  std::vector<TMenuItem*> items_;
  TMenuItem* parent_ = nullptr;
  TMenu* menu_ = nullptr;  // set on a menu's root item
  TOwnedObject<TMenuActionLink> actionLink_;
};

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenu : public TComponent {
  MORVANT_PUBLISHED(TMenu, TComponent)
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  // The root item; its sub-items are the menu's entries.
  TMenuItem* GetItems() const { return items_; }
  // The native menu, built on first need.
  HMENU GetHandle();
  // fkShortCut finds the visible, enabled item with that shortcut whose
  // parents are visible and enabled too.
  TMenuItem* FindItem(UINT Value, TFindItemKind Kind) const;
  // Runs the Click of the item with the command; false when none has it.
  bool DispatchCommand(UINT Command);
  // Runs the Click of the item with the shortcut; false when none has it.
  bool IsShortCut(TShortCut Value);

  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 protected:
  virtual HMENU CreateMenuHandle();
  // Called after the native menu was rebuilt.
  virtual void MenuChanged() {}
  HMENU handle_ = nullptr;

 private:
  friend class TMenuItem;
  void ItemsChanged();
  void DestroyMenuHandle();

  TMenuItem* items_;
};

class TMainMenu : public TMenu {
  MORVANT_COMPONENT(TMainMenu, TMenu)
 public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;

  // Becomes the menu bar of the form's window.
  void AttachTo(TCustomForm* Form);
  TCustomForm* GetForm() const { return form_; }

 protected:
  HMENU CreateMenuHandle() override;
  void MenuChanged() override;
  void Loaded() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void Detach();
  void FormWndProc(TMessage& Message);

  TCustomForm* form_ = nullptr;
  HWND window_ = nullptr;
  WNDPROC hook_ = nullptr;
  WNDPROC oldProc_ = nullptr;
};

// The key handling's question before a key reaches Control: the popup
// menus of Control and its parents, then the form's main menu, then the
// form's action lists are asked for the key's shortcut; failing that, the context key and Shift+F10 ask
// for Control's context menu. True when the key was used.
bool IsMenuKey(TWinControl* Control, WORD Key, TShiftState Shift);

class TPopupMenu : public TMenu {
  MORVANT_COMPONENT(TPopupMenu, TMenu)
 public:
  explicit TPopupMenu(TComponent* AOwner);

  bool GetAutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool Value) { autoPopup_ = Value; }
  TComponent* GetPopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* Value) { popupComponent_ = Value; }
  // Shows the menu at a screen point; returns when it is dismissed, after
  // the chosen item's Click.
  virtual void Popup(int X, int Y);

  TNotifyEvent OnPopup;

 protected:
  HMENU CreateMenuHandle() override;

 private:
  bool autoPopup_ = true;
  TComponent* popupComponent_ = nullptr;
};
