// Components that change how their owner form behaves or looks by putting
// their own window procedure in front of the form's. Here: the background
// painters, which answer the form's erase with a picture, a fill or the
// owner's own drawing.
#pragma once

#include <memory>

#include "bitmap_class.h"
#include "canvas.h"
#include "unitstartup.h"
#include "vyrclass.h"
#include "vyrgraph.h"

namespace Vyrcont {
class TVyrCustomImageList;
class TVyrChangeLink;
}  // namespace Vyrcont

namespace Vyrforma {

enum class TVyrPaintMode { pcNone, pcControl, pcOwnerDraw };

// The owner-draw hook: paint Dest (the client area) on aCanvas.
using TVyrPaintEvent = TClosure<void(TObject* Sender, TCanvas* aCanvas, const TRect& Dest)>;

// The common base: owner draw, the image-list link and when to repaint.
class TVyrCustomFormFill : public Vyrclass::TVyrWndProcComponent {
  MORVANT_PUBLISHED(TVyrCustomFormFill, Vyrclass::TVyrWndProcComponent)
 public:
  explicit TVyrCustomFormFill(TComponent* AOwner);
  ~TVyrCustomFormFill() override;
  void BeforeDestruction() override;

  Vyrcont::TVyrCustomImageList* GetImageList() const { return imageList_; }
  void SetImageList(Vyrcont::TVyrCustomImageList* Value);
  int GetImageIndex() const { return imageIndex_; }
  int GetListIndex() const { return listIndex_; }
  // Index 0 ImageIndex, 1 ListIndex; a negative value is refused.
  void SetIndex(int Index, int Value);
  void SetImageIndex(int Value) { SetIndex(0, Value); }
  void SetListIndex(int Value) { SetIndex(1, Value); }
  bool GetDefaultFill() const { return defaultFill_; }
  void SetDefaultFill(bool Value) { defaultFill_ = Value; }
  TVyrPaintMode GetPaintMode() const { return paintMode_; }
  void SetPaintMode(TVyrPaintMode Value);
  TVyrPaintEvent GetOnPaint() const { return onPaint_; }
  void SetOnPaint(TVyrPaintEvent Value) { onPaint_ = Value; }

  // The whole form, with erase.
  void Invalidate();
  // No image list, or no such item in it.
  bool IMLEmpty() const;
  // Receiver of the settings' changes: marks the cached picture stale and
  // repaints (at run time, when enabled).
  virtual void GetChange(TObject* Sender);

 protected:
  void DefineProperties(TFiler* Filer) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  void Init() override;
  void RestoreState() override;
  void WndProc(TMessage& Message) override;

  virtual void GetIMLChange(TObject* Sender);
  // Paints the client area on DC; true when it did.
  virtual bool PaintClientArea(HDC DC);

  bool Designing() const { return GetComponentState().Contains(csDesigning); }
  bool GetCacheStale() const { return cacheStale_; }
  void SetCacheStale(bool Value) { cacheStale_ = Value; }
  bool GetEraseOnSize() const { return eraseOnSize_; }
  void SetEraseOnSize(bool Value) { eraseOnSize_ = Value; }

 private:
  void ReadIdent(TReader* Reader);
  void WriteIdent(TWriter* Writer);
  void ImageListChanged(TObject* Sender) { GetIMLChange(Sender); }

  Vyrcont::TVyrCustomImageList* imageList_ = nullptr;
  int imageIndex_ = 0;
  int listIndex_ = 0;
  // Made and freed here; the list it registers with is not owned.
  Vyrcont::TVyrChangeLink* changeLink_ = nullptr;
  bool defaultFill_ = true;
  TVyrPaintMode paintMode_ = TVyrPaintMode::pcControl;
  TVyrPaintEvent onPaint_;
  bool cacheStale_ = false;
  bool eraseOnSize_ = false;

};

// The background tiled from one image of an image list.
class TVyrBack : public TVyrCustomFormFill {
  MORVANT_COMPONENT(TVyrBack, TVyrCustomFormFill)
 public:
  using TVyrCustomFormFill::TVyrCustomFormFill;

 protected:
  bool PaintClientArea(HDC DC) override;
};

// The background painted from a fill (brush, picture, gradient); a
// gradient is drawn once per size into a cached picture.
class TVyrFormFill : public TVyrCustomFormFill {
  MORVANT_COMPONENT(TVyrFormFill, TVyrCustomFormFill)
 public:
  explicit TVyrFormFill(TComponent* AOwner);
  ~TVyrFormFill() override;
  void AfterConstruction() override;

  Vyrgraph::TVyrFillObject* GetFillObject() const { return fillObject_.get(); }
  void SetFillObject(Vyrgraph::TVyrFillObject* Value) { fillObject_->Assign(Value); }
  // The cached gradient (empty for the other styles).
  TBitmap* GetCacheBitmap() const { return cache_.get(); }
  void GetChange(TObject* Sender) override;

 protected:
  void Loaded() override;
  bool PaintClientArea(HDC DC) override;
  void GetIMLChange(TObject* Sender) override;

 private:
  void SetEraseMode();

  std::unique_ptr<Vyrgraph::TVyrFillObject> fillObject_;
  std::unique_ptr<TBitmap> cache_;
};

// Registers TVyrBack and TVyrFormFill with the form streams.
void Initialize();
void Finalize();  // nothing to do
inline constexpr TUnitRow Unit{"Vyrforma", &Initialize, &Finalize};

}  // namespace Vyrforma
