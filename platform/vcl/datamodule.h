// TDataModule: a form-level container of non-visual components (timers,
// dialogs, action lists, menus), built from its resource like a form.
//
// Construction is the form's in two steps: the constructor builds the empty
// module, AfterConstruction (run by TObject::Create<T> and
// Application->CreateForm) joins the owner, reads "RCDATA/<CLASSNAME>" for
// its class and each ancestor below TDataModule, then fires OnCreate.
// BeforeDestruction fires OnDestroy while the components are still there.
#pragma once

#include "component.h"
#include "published.h"
#include "rect.h"

class TDataModule : public TComponent {
  MORVANT_COMPONENT(TDataModule, TComponent)
 public:
  explicit TDataModule(TComponent* AOwner);

  void AfterConstruction() override;
  void BeforeDestruction() override;

  // Where the designer placed and how large it drew the module: kept only
  // so that a stream read and written back stays the same.
  TPoint GetDesignOffset() const { return designOffset_; }
  void SetDesignOffset(const TPoint& Value) { designOffset_ = Value; }
  TPoint GetDesignSize() const { return designSize_; }
  void SetDesignSize(const TPoint& Value) { designSize_ = Value; }

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;

 protected:
  // The module's own components are its children in a stream.
  void GetChildren(TGetChildProc Proc, TComponent* Root) override;

 private:
  TPoint designOffset_{0, 0};
  TPoint designSize_{0, 0};
  bool oldCreateOrder_ = false;  // read and kept; creation always runs in one order
  bool created_ = false;
};
