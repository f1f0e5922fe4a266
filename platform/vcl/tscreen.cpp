#include "tscreen.h"

#include <algorithm>

#include "exceptions.h"
#include "screen.h"
#include "sysutils.h"

TScreen* Screen = nullptr;

namespace {

TRect PrimaryMonitor() {
  std::vector<TRect> monitors = MonitorRects();
  return monitors.empty() ? DesktopRect() : monitors.front();
}

}  // namespace

int TScreen::GetWidth() const { return PrimaryMonitor().Width(); }
int TScreen::GetHeight() const { return PrimaryMonitor().Height(); }
int TScreen::GetDesktopLeft() const { return DesktopLeft(); }
int TScreen::GetDesktopTop() const { return DesktopTop(); }
int TScreen::GetDesktopWidth() const { return DesktopWidth(); }
int TScreen::GetDesktopHeight() const { return DesktopHeight(); }

HCURSOR TScreen::GetCursors(int Index) const {
  auto it = cursors_.find(Index);
  return it == cursors_.end() ? nullptr : it->second;
}

void TScreen::SetCursors(int Index, HCURSOR Value) { cursors_[Index] = Value; }

TCustomForm* TScreen::GetForms(int Index) const {
  if (Index < 0 || Index >= GetFormCount()) throw EListError("Form index out of bounds (" + IntToStr(Index) + ")");
  return forms_[static_cast<std::size_t>(Index)];
}

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(forms_, Form);
  if (activeForm_ == Form) activeForm_ = nullptr;
}
