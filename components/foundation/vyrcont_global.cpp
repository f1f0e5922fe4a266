// The global container of four lists, the form component that reaches it,
// the idents that stand for its lists in forms, and the unit's start-up.
#include "classregistry.h"
#include "filer.h"
#include "reader.h"
#include "vyrcont.h"
#include "writer.h"

namespace Vyrcont {

namespace {
TVyrContainer* globalContainer = nullptr;
int startups = 0;

const char* const kBitmapListIdent = "VYRBML30";
const char* const kImageListIdent = "VYRIML30";
}  // namespace

TVyrContainer* VyrGlobalContainer() { return globalContainer; }

// ---- the container of four lists ----

void TVyrContainer::Publish(TPublisher<TVyrContainer>&) {}

TVyrContainer::TVyrContainer(TComponent* AOwner) : TVyrBaseContainer(AOwner) {
  const TNotifyEvent change(this, &TVyrContainer::ListChange);
  bitmapList_ = TObject::Create<TVyrBitmapList>(this);
  imageList_ = TObject::Create<TVyrImageList>(this);
  waveList_ = TObject::Create<TVyrWaveList>(this);
  stringList_ = TObject::Create<TVyrStringList>(this);
  for (TVyrCustomContainer* list : {static_cast<TVyrCustomContainer*>(bitmapList_),
                                    static_cast<TVyrCustomContainer*>(imageList_),
                                    static_cast<TVyrCustomContainer*>(waveList_),
                                    static_cast<TVyrCustomContainer*>(stringList_)})
    list->SetOnChange(change);
}

void TVyrContainer::BeforeDestruction() {
  for (TVyrCustomContainer* list : {static_cast<TVyrCustomContainer*>(bitmapList_),
                                    static_cast<TVyrCustomContainer*>(imageList_),
                                    static_cast<TVyrCustomContainer*>(waveList_),
                                    static_cast<TVyrCustomContainer*>(stringList_)})
    if (list) list->SetOnChange(nullptr);
  inherited::BeforeDestruction();
  bitmapList_ = nullptr;
  imageList_ = nullptr;
  waveList_ = nullptr;
  stringList_ = nullptr;
}

void TVyrContainer::SetBitmapList(TVyrBitmapList* Value) { bitmapList_->Assign(Value); }
void TVyrContainer::SetImageList(TVyrImageList* Value) { imageList_->Assign(Value); }
void TVyrContainer::SetWaveList(TVyrWaveList* Value) { waveList_->Assign(Value); }
void TVyrContainer::SetStringList(TVyrStringList* Value) { stringList_->Assign(Value); }

void TVyrContainer::ListChange(TObject* Sender) {
  TVyrContainer* global = globalContainer;
  // A designed container shows its lists through the global one.
  if (global && global != this && GetComponentState().Contains(csDesigning)) {
    if (Sender == bitmapList_) global->GetBitmapList()->Assign(bitmapList_);
    if (Sender == imageList_) global->GetImageList()->Assign(imageList_);
    if (Sender == waveList_) global->GetWaveList()->Assign(waveList_);
    if (Sender == stringList_) global->GetStringList()->Assign(stringList_);
  }
  Change();
}

// ---- the form component ----

void TVyrContainerCtrl::Publish(TPublisher<TVyrContainerCtrl>&) {}

TVyrContainerCtrl::TVyrContainerCtrl(TComponent* AOwner) : Vyrclass::TVyrComponent(AOwner) {}

void TVyrContainerCtrl::AfterConstruction() {
  inherited::AfterConstruction();
  if (!GetComponentState().Contains(csDesigning)) return;
  if (Vyrclass::VyrCheckForSameClass(GetOwner(), ClassType(), false)) {
    duplicate_ = 255;
    throw Vyrclass::VyrEOneInstError(ClassName(), 0);
  }
  own_ = TObject::Create<TVyrContainer>(nullptr);
  own_->SetDesigning(true);
}

void TVyrContainerCtrl::BeforeDestruction() {
  TVyrContainer* own = own_;
  own_ = nullptr;
  if (own) own->Free();
  inherited::BeforeDestruction();
}

TVyrContainer* TVyrContainerCtrl::GetContainer() const { return own_ ? own_ : globalContainer; }

void TVyrContainerCtrl::DefineProperties(TFiler* Filer) {
  inherited::DefineProperties(Filer);
  TVyrContainer* container = GetContainer();
  if (!container) return;
  auto define = [Filer](const char* Name, TVyrCustomContainer* List) {
    Filer->DefineBinaryProperty(
        Name, TStreamProc([List](TStream* Stream) { List->LoadFromStream(Stream); }),
        TStreamProc([List](TStream* Stream) { List->SaveToStream(Stream); }), List->GetCount() > 0);
  };
  define("BitmapList", container->GetBitmapList());
  define("ImageList", container->GetImageList());
  define("WaveList", container->GetWaveList());
  define("StringList", container->GetStringList());
}

void TVyrContainerCtrl::Notification(TComponent* AComponent, TOperation Operation) {
  inherited::Notification(AComponent, Operation);
  // Taken off the form in the designer: what it showed goes with it.
  if (AComponent == this && Operation == opRemove && duplicate_ == 0 &&
      GetComponentState().Contains(csDesigning) && globalContainer) {
    globalContainer->GetBitmapList()->Clear();
    globalContainer->GetImageList()->Clear();
    globalContainer->GetWaveList()->Clear();
    globalContainer->GetStringList()->Clear();
  }
}

// ---- idents of the global lists ----

bool VyrIsGlobalIdent(const TVyrCustomImageList* List) {
  if (!List || !globalContainer) return false;
  return List == globalContainer->GetBitmapList() || List == globalContainer->GetImageList();
}

void VyrWriteGlobalIdent(TWriter* Writer, TVyrCustomImageList* List) {
  if (!Writer || !VyrIsGlobalIdent(List)) return;
  Writer->WriteString(List == globalContainer->GetBitmapList() ? kBitmapListIdent : kImageListIdent);
}

TVyrCustomImageList* VyrGlobalListOfIdent(const AnsiString& Ident) {
  if (!globalContainer) return nullptr;
  if (Ident == kBitmapListIdent) return globalContainer->GetBitmapList();
  if (Ident == kImageListIdent) return globalContainer->GetImageList();
  return nullptr;
}

TVyrCustomImageList* VyrReadGlobalIdent(TReader* Reader) { return VyrGlobalListOfIdent(Reader->ReadString()); }

// ---- start-up ----

void Initialize() {
  if (startups++ > 0) return;
  // The items too: a form names them before any container of their kind
  // may exist.
  RegisterClasses({TVyrBitmapList::StaticClass(), TVyrImageList::StaticClass(), TVyrWaveList::StaticClass(),
                   TVyrStringList::StaticClass(), TVyrContainer::StaticClass(), TVyrContainerCtrl::StaticClass(),
                   TVyrBitmapListItem::StaticClass(), TVyrImageListItem::StaticClass(),
                   TVyrWaveListItem::StaticClass(), TVyrStringListItem::StaticClass()});
  globalContainer = TObject::Create<TVyrContainer>(nullptr);
}

void Finalize() {
  if (startups == 0 || --startups > 0) return;
  TVyrContainer* container = globalContainer;
  globalContainer = nullptr;
  if (container) container->Free();
}

}  // namespace Vyrcont
