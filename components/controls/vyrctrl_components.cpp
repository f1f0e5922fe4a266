#include <climits>

#include "forms.h"
#include "reader.h"
#include "sysutils.h"
#include "vyrctrl.h"

namespace Vyrctrl {

// ---- handles ----

namespace {

// Reaches the protected window operations of any windowed control.
class TWinControlAccess : public TWinControl {
 public:
  using TWinControl::CreateHandle;
  static void Create(TWinControl* Control) { (Control->*&TWinControlAccess::CreateHandle)(); }
};

}  // namespace

void VyrCreateHandle(TWinControl* WinControl) {
  if (WinControl) TWinControlAccess::Create(WinControl);
}

void VyrFreeResources(TWinControl* WinControl) {
  if (WinControl) WinControl->DestroyHandle();
}

// ---- TVyrCustomIniComponent ----

TVyrCustomIniComponent::TVyrCustomIniComponent(TComponent* AOwner) : Vyrclass::TVyrComponent(AOwner) {
  linkSearch_ = true;
}

// Checked before the inherited step joins the owner, so a refused
// component never was the owner's and is freed again at once; the message
// names the real class, known only now.
void TVyrCustomIniComponent::AfterConstruction() {
  if (!dynamic_cast_object<TForm>(GetOwner())) throw Exception(ClassName() + "\r" + "Invalid Owner (<>TForm)");
  Vyrclass::TVyrComponent::AfterConstruction();
}

void TVyrCustomIniComponent::SetIniLink(Vyrclass::TVyrIniCtrl* Value) {
  if (iniLink_ == Value) return;
  if (iniLink_) iniLink_->RemoveFreeNotification(this);
  iniLink_ = Value;
  if (iniLink_) iniLink_->FreeNotification(this);
}

void TVyrCustomIniComponent::SetSection(const AnsiString& Value) {
  if (section_ == Value) return;
  section_ = Value;
  SetSectionDefault();
}

void TVyrCustomIniComponent::SetSectionDefault() { CreateSectionDefault(section_); }

void TVyrCustomIniComponent::ReadState(TReader* Reader) {
  Vyrclass::TVyrComponent::ReadState(Reader);
  if (Designing()) return;
  auto* form = dynamic_cast_object<TCustomForm>(GetOwner());
  if (!form) return;
  savedOnCreate_ = form->OnCreate;
  savedOnDestroy_ = form->OnDestroy;
  form->OnCreate = TNotifyEvent(this, &TVyrCustomIniComponent::OwnerFormCreate);
  form->OnDestroy = TNotifyEvent(this, &TVyrCustomIniComponent::OwnerFormDestroy);
}

void TVyrCustomIniComponent::OwnerFormCreate(TObject* Sender) {
  if (!Designing()) RestoreState();
  if (savedOnCreate_) savedOnCreate_(Sender);
}

void TVyrCustomIniComponent::OwnerFormDestroy(TObject* Sender) {
  if (!Designing()) SaveState();
  if (savedOnDestroy_) savedOnDestroy_(Sender);
}

void TVyrCustomIniComponent::Notification(TComponent* AComponent, TOperation Operation) {
  Vyrclass::TVyrComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == iniLink_) iniLink_ = nullptr;
  if (Operation == opInsert) NotificationStandard(AComponent);
}

void TVyrCustomIniComponent::NotificationStandard(TComponent* AComponent) {
  if (linkSearch_) return;
  if (!iniLink_)
    if (auto* ini = dynamic_cast_object<Vyrclass::TVyrIniCtrl>(AComponent)) SetIniLink(ini);
  if (AComponent != this || !GetOwner()) return;
  Vyrclass::TVyrIniCtrl* only = nullptr;
  int count = 0;
  for (int i = 0; i < GetOwner()->GetComponentCount(); ++i)
    if (auto* ini = dynamic_cast_object<Vyrclass::TVyrIniCtrl>(GetOwner()->GetComponents(i))) {
      only = ini;
      ++count;
    }
  if (count == 1) SetIniLink(only);
}

// ---- TVyrContainerComponent ----

TVyrContainerComponent::TVyrContainerComponent(TComponent* AOwner)
    : Vyrclass::TVyrComponent(AOwner), imageLink_(this, [this](TObject* Sender) { GetIMLChange(Sender); }) {}

TVyrContainerComponent::~TVyrContainerComponent() = default;

void TVyrContainerComponent::DefineProperties(TFiler* Filer) {
  Vyrclass::TVyrComponent::DefineProperties(Filer);
  imageLink_.DefineInternal(Filer);
}

void TVyrContainerComponent::Notification(TComponent* AComponent, TOperation Operation) {
  Vyrclass::TVyrComponent::Notification(AComponent, Operation);
  if (Operation == opRemove) imageLink_.Removed(AComponent);
}

// ---- free routines ----

int VyrCheckForFormShape(TControl* Control) {
  auto* form = Control ? dynamic_cast_object<TCustomForm>(Control->GetParent()) : nullptr;
  if (!form) return -1;
  int found = -1;
  for (int i = 0; i < form->GetComponentCount(); ++i)
    if (form->GetComponents(i)->ClassName() == "TVyrFormShape") found = i;
  return found;
}

AnsiString VyrUniqueName(const AnsiString& TypeName, TComponent* Owner) {
  AnsiString prefix = TypeName;
  if (!prefix.IsEmpty() && (prefix[1] == 'T' || prefix[1] == 't')) prefix = prefix.SubString(2, prefix.Length() - 1);
  if (!Owner) return prefix + "1";
  for (int n = 1; n < INT_MAX; ++n) {
    const AnsiString name = prefix + IntToStr(n);
    bool taken = false;
    for (int i = 0; i < Owner->GetComponentCount() && !taken; ++i)
      taken = CompareText(Owner->GetComponents(i)->GetName(), name) == 0;
    if (!taken) return name;
  }
  return prefix + IntToStr(INT_MAX);
}

}  // namespace Vyrctrl
