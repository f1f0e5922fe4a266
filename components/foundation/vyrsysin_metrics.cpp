#include "metrics.h"
#include "osversion.h"
#include "vyrsysin.h"
#include "window.h"
#include "window_pos.h"

namespace Vyrsysin {

int VyrNCBITMAPHEIGHT() { return GetSystemMetrics(SM_CYSIZE); }
int VyrNCBITMAPWIDTH() { return GetSystemMetrics(SM_CXSIZE); }
int VyrNCCAPTIONHEIGHT() { return GetSystemMetrics(SM_CYCAPTION); }
int VyrNCDLGBORDERWIDTH() { return GetSystemMetrics(SM_CXDLGFRAME); }
int VyrNCDLGBORDERHEIGHT() { return GetSystemMetrics(SM_CYDLGFRAME); }
int VyrNCFIXBORDERWIDTH() { return GetSystemMetrics(SM_CXBORDER); }
int VyrNCFIXBORDERHEIGHT() { return GetSystemMetrics(SM_CYBORDER); }
int VyrNCSIZEBORDERWIDTH() { return GetSystemMetrics(SM_CXFRAME); }
int VyrNCSIZEBORDERHEIGHT() { return GetSystemMetrics(SM_CYFRAME); }
int VyrNCBORDERWIDTH() { return GetSystemMetrics(SM_CXBORDER) + GetSystemMetrics(SM_CXFRAME) - 1; }
int VyrNCBORDERHEIGHT() { return GetSystemMetrics(SM_CYBORDER) + GetSystemMetrics(SM_CYFRAME) - 1; }

// The small sizes exist only with the version-4 look; before it tool
// windows had the normal caption and buttons.
int VyrNCSMALLCAPTIONHEIGHT() { return NewStyleControls ? GetSystemMetrics(SM_CYSMCAPTION) : VyrNCCAPTIONHEIGHT(); }
int VyrNCSMALLBITMAPHEIGHT() { return NewStyleControls ? GetSystemMetrics(SM_CYSMSIZE) : VyrNCBITMAPHEIGHT(); }
int VyrNCSMALLBITMAPWIDTH() { return NewStyleControls ? GetSystemMetrics(SM_CXSMSIZE) : VyrNCBITMAPWIDTH(); }
int VyrNCCAPTIONICONHEIGHT() { return NewStyleControls ? GetSystemMetrics(SM_CYSMICON) : VyrNCBITMAPHEIGHT(); }
int VyrNCCAPTIONICONWIDTH() { return NewStyleControls ? GetSystemMetrics(SM_CXSMICON) : VyrNCBITMAPWIDTH(); }

void VyrNCCalcDrawingArea(HWND Wnd, TRect& CaptionRect, TRect& DrawRect, Word& Flags) {
  Flags = 0;
  RECT window{};
  GetWindowRect(Wnd, &window);
  const DWORD style = static_cast<DWORD>(GetWindowLong(Wnd, GWL_STYLE));
  const DWORD exStyle = static_cast<DWORD>(GetWindowLong(Wnd, GWL_EXSTYLE));
  const bool tool = (exStyle & WS_EX_TOOLWINDOW) != 0;
  if (tool) Flags |= ncfSmallCaption;
  if (IsIconic(Wnd)) Flags |= ncfMinimized;

  int frameX = VyrNCFIXBORDERWIDTH(), frameY = VyrNCFIXBORDERHEIGHT();
  if (style & WS_THICKFRAME) {
    frameX = VyrNCBORDERWIDTH();
    frameY = VyrNCBORDERHEIGHT();
  } else if (style & WS_DLGFRAME) {
    frameX = VyrNCDLGBORDERWIDTH();
    frameY = VyrNCDLGBORDERHEIGHT();
  }
  const int width = window.right - window.left;
  const int height = tool ? VyrNCSMALLCAPTIONHEIGHT() : VyrNCCAPTIONHEIGHT();
  CaptionRect = TRect(frameX, frameY, width - frameX, frameY + height);
  DrawRect = CaptionRect;

  if ((style & WS_SYSMENU) && !tool) {
    Flags |= ncfSystemIcon;
    DrawRect.left += VyrNCCAPTIONICONWIDTH() + VyrNCFIXBORDERWIDTH();
  }
  const int button = (tool ? VyrNCSMALLBITMAPWIDTH() : VyrNCBITMAPWIDTH()) + VyrNCFIXBORDERWIDTH();
  int buttons = 0;
  if (style & WS_SYSMENU) {
    ++buttons;  // close
    // Minimise and maximise come as a pair when either is asked for; the
    // help button only stands where they do not.
    if (!tool && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)))
      buttons += 2;
    else if (exStyle & WS_EX_CONTEXTHELP)
      ++buttons;
  }
  DrawRect.right -= buttons * button;
  if (DrawRect.right < DrawRect.left) DrawRect.right = DrawRect.left;
}

}  // namespace Vyrsysin
