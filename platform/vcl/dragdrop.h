// Dragging controls inside the program: the drag objects, the events a
// drag fires and the one drag that can run at a time. A control starts a
// drag by BeginDrag (or by a press with DragMode dmAutomatic); from then on
// the pointer's moves go to the drag: the control under the pointer is
// asked by OnDragOver whether it takes the source (dsDragEnter, then
// dsDragMove, dsDragLeave when the pointer leaves it or the button is
// released), the cursor shows the source's DragCursor or crNoDrop, and on
// release an accepting control gets OnDragDrop; the source hears OnEndDrag
// with that target, or nil. Escape or the right button cancel. With
// DragKind dkDock the same drag docks the control into a DockSite control
// or floats it in a tool window of its own (see TWinControl's docking).
#pragma once

#include "events.h"
#include "rect.h"
#include "tobject.h"

class TControl;
class TWinControl;

using TCursor = short;

enum TDragState { dsDragEnter, dsDragLeave, dsDragMove };

// What is being dragged. The drag made by the library for a control that
// hands none back is a TDragControlObject, and the events get the control
// itself as Source; an object a program hands back from OnStartDrag is
// passed on as the Source as it is, and stays the program's to free.
class TDragObject : public TObject {
  MORVANT_CLASS(TDragObject, TObject)
 public:
  TDragObject() = default;

  // The control under the pointer, and the pointer in screen coordinates.
  TControl* GetDragTarget() const { return dragTarget_; }
  TPoint GetDragPos() const { return dragPos_; }
  // Set while the drag ends: Dropped when the button was released (not
  // cancelled).
  bool GetCancelling() const { return cancelling_; }
  bool GetDropped() const { return dropped_; }
  virtual TCursor GetDragCursor(bool Accepted, int X, int Y);

 private:
  friend class TDragEngine;
  TControl* dragTarget_ = nullptr;
  TPoint dragPos_;
  bool cancelling_ = false;
  bool dropped_ = false;
};

class TDragControlObject : public TDragObject {
  MORVANT_CLASS(TDragControlObject, TDragObject)
 public:
  explicit TDragControlObject(TControl* AControl) : control_(AControl) {}
  TControl* GetControl() const { return control_; }
  // The control's DragCursor where the target accepts.
  TCursor GetDragCursor(bool Accepted, int X, int Y) override;

 private:
  TControl* control_;
};

// A docking drag: where the control would go (DockRect, in screen
// coordinates) and whether it would float there.
class TDragDockObject : public TDragControlObject {
  MORVANT_CLASS(TDragDockObject, TDragControlObject)
 public:
  explicit TDragDockObject(TControl* AControl) : TDragControlObject(AControl) {}
  TRect GetDockRect() const { return dockRect_; }
  void SetDockRect(const TRect& Value) { dockRect_ = Value; }
  bool GetFloating() const { return floating_; }
  void SetFloating(bool Value) { floating_ = Value; }
  TCursor GetDragCursor(bool Accepted, int X, int Y) override;

 private:
  TRect dockRect_;
  bool floating_ = true;
};

using TStartDragEvent = TClosure<void(TObject* Sender, TDragObject*& DragObject)>;
using TDragOverEvent =
    TClosure<void(TObject* Sender, TObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDragDropEvent = TClosure<void(TObject* Sender, TObject* Source, int X, int Y)>;
using TEndDragEvent = TClosure<void(TObject* Sender, TObject* Target, int X, int Y)>;
using TStartDockEvent = TClosure<void(TObject* Sender, TDragDockObject*& DragObject)>;
using TDockOverEvent =
    TClosure<void(TObject* Sender, TDragDockObject* Source, int X, int Y, TDragState State, bool& Accept)>;
using TDockDropEvent = TClosure<void(TObject* Sender, TDragDockObject* Source, int X, int Y)>;
using TUnDockEvent = TClosure<void(TObject* Sender, TControl* Client, TWinControl* NewTarget, bool& Allow)>;
using TGetSiteInfoEvent = TClosure<void(TObject* Sender, TControl* DockClient, TRect& InfluenceRect,
                                        TPoint MousePos, bool& CanDock)>;

// The distance the pointer must move, with the button held, before a drag
// that was not started at once begins.
constexpr int kDragThreshold = 5;

// The drag in progress, nullptr when none (nor a press waiting for the
// threshold).
TDragObject* ActiveDragObject();
// The cursor the running drag shows; crDefault when no drag runs.
TCursor ActiveDragCursor();
// Ends the running drag as Escape does.
void CancelDrag();
