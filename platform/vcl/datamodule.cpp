#include "datamodule.h"

#include <utility>

#include "formres.h"

void TDataModule::Publish(TPublisher<TDataModule>& P) {
  P.Integer("Left", [](TDataModule* m) { return m->designOffset_.x; }, [](TDataModule* m, int v) { m->designOffset_.x = v; });
  P.Integer("Top", [](TDataModule* m) { return m->designOffset_.y; }, [](TDataModule* m, int v) { m->designOffset_.y = v; });
  P.Integer("Width", [](TDataModule* m) { return m->designSize_.x; }, [](TDataModule* m, int v) { m->designSize_.x = v; });
  P.Integer("Height", [](TDataModule* m) { return m->designSize_.y; }, [](TDataModule* m, int v) { m->designSize_.y = v; });
  P.Bool("OldCreateOrder", [](TDataModule* m) { return m->oldCreateOrder_; },
         [](TDataModule* m, bool v) { m->oldCreateOrder_ = v; }, false);
  P.Event("OnCreate", &TDataModule::OnCreate);
  P.Event("OnDestroy", &TDataModule::OnDestroy);
}

TDataModule::TDataModule(TComponent* AOwner) : TComponent(AOwner) {}

void TDataModule::AfterConstruction() {
  inherited::AfterConstruction();
  InitInheritedComponent(this, TDataModule::StaticClass());
  created_ = true;
  if (OnCreate) OnCreate(this);
}

void TDataModule::BeforeDestruction() {
  if (std::exchange(created_, false) && OnDestroy) OnDestroy(this);
  inherited::BeforeDestruction();
}

void TDataModule::GetChildren(TGetChildProc Proc, TComponent* Root) {
  if (Root != this) return;
  for (int i = 0; i < GetComponentCount(); ++i)
    if (!GetComponents(i)->HasParent()) Proc(GetComponents(i));
}
