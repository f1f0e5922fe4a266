// The link of a control or component to an item of an image list: the
// list (not owned), the item (ImageIndex) and the list inside a multi-list
// (ListIndex), and the change link through which the list asks for a
// repaint. The roots of both units and the container component hold one,
// so the rules are written once here.
#pragma once

#include <functional>
#include <memory>

#include "component.h"
#include "filer.h"
#include "gdi_handles.h"
#include "rect.h"

class TCanvas;

namespace Vyrcont {
class TVyrCustomImageList;
class TVyrChangeLink;
}  // namespace Vyrcont

namespace Vyrcctrl {

class TVyrImageLink {
 public:
  // Holder asks for the list's free notification; OnChange runs for every
  // change of the list and for every change of the link (with nil).
  TVyrImageLink(TComponent* Holder, std::function<void(TObject*)> OnChange);
  ~TVyrImageLink();
  TVyrImageLink(const TVyrImageLink&) = delete;
  TVyrImageLink& operator=(const TVyrImageLink&) = delete;

  Vyrcont::TVyrCustomImageList* GetImageList() const { return list_; }
  void SetImageList(Vyrcont::TVyrCustomImageList* Value);
  int GetImageIndex() const { return imageIndex_; }
  int GetListIndex() const { return listIndex_; }
  // Which 0: ImageIndex, 1: ListIndex. A negative or the current value is
  // ignored; a change reports only while a list is set.
  void SetIndex(int Which, int Value);
  // Stores ImageIndex without telling anyone.
  void StoreImageIndex(int Value) { imageIndex_ = Value; }
  // No list, or the list holds no such item.
  bool IMLEmpty() const;
  // Forgets the list when it is the one going; true when it was.
  bool Removed(TComponent* AComponent);
  // The published reference is written only for a list of a form; a list
  // of the global container goes as the defined property "Internal".
  bool ImageListStored() const;
  // The item drawn by the list's ClipDraw into Rect with the drawing Flags.
  void ClipDraw(TCanvas* Canvas, const TRect& Rect, int Flags) const;
  // The palette of the linked list; 0 when the link is empty.
  HPALETTE Palette() const;
  // The list of the global container as the text entry Name.
  void DefineInternal(TFiler* Filer, const char* Name = "Internal");

 private:
  void Changed(TObject* Sender);

  TComponent* holder_;
  std::function<void(TObject*)> onChange_;
  Vyrcont::TVyrCustomImageList* list_ = nullptr;
  int imageIndex_ = 0;
  int listIndex_ = 0;
  // Owned.
  Vyrcont::TVyrChangeLink* link_ = nullptr;
};

}  // namespace Vyrcctrl
