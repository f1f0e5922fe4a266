// The running drag: what the controls and the window procedures of the
// class library hand it. One drag at a time; see dragdrop.h for what a
// program sees.
#pragma once

#include <vector>

#include "dragdrop.h"
#include "hwnd.h"
#include "rect.h"

// Every control whose DockSite is set, in the order they became sites.
const std::vector<TWinControl*>& DockSites();
// A site going away.
void ForgetDockSite(TWinControl* Site);

class TDragEngine {
 public:
  // A press or BeginDrag: the drag starts at once or waits for the
  // threshold. Automatic: started by a press of a dmAutomatic control,
  // whose own mouse handling goes on until the drag really starts.
  static void Init(TControl* Control, bool Immediate, int Threshold, bool Automatic);
  // Every message of the program's windows passes here first; true when
  // the drag took it.
  static bool Filter(TWinControl* Receiver, TMessage& Message);
  // Drops (Drop) or cancels the running drag; a press still waiting for
  // the threshold is forgotten.
  static void Done(bool Drop);
  static TControl* Source();
  static TDragObject* Object();
  static TCursor Cursor();
  // A control going away: a drag of it ends without events, a target
  // forgets it.
  static void Forget(TControl* Control);

 private:
  // The threshold is passed (or the drag was immediate): OnStartDrag or
  // OnStartDock, then the first move.
  static void Start(const TPoint& Pos);
  static void MoveTo(const TPoint& Pos);
  static TWinControl* FindDockSite(TControl* Client, const TPoint& Pos);
  // The target's answer to OnDragOver / the site's to OnDockOver.
  static bool AskDragOver(TControl* Target, const TPoint& Pos, TDragState What);
  static bool AskDockOver(TWinControl* Site, const TPoint& Pos, TDragState What);
};
