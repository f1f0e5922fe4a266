#include "tscreen.h"

#include <algorithm>

#include "cursor.h"
#include "exceptions.h"
#include "fontenum.h"
#include "gdi.h"
#include "screen.h"
#include "sysutils.h"

TScreen* Screen = nullptr;

namespace {

TRect PrimaryMonitor() {
  std::vector<TRect> monitors = MonitorRects();
  return monitors.empty() ? DesktopRect() : monitors.front();
}

// The shapes of the standard cursor indices.
struct StandardCursor {
  TCursor Index;
  LPCSTR Shape;
};

const StandardCursor kStandardCursors[] = {
    {crDefault, IDC_ARROW}, {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},
    {crIBeam, IDC_IBEAM},   {crHourGlass, IDC_WAIT}, {crHandPoint, IDC_HAND},
    {crDrag, IDC_ARROW},    {crNoDrop, IDC_NO},
};

int CollectFamily(const LOGFONT* lf, const TEXTMETRIC*, DWORD, LPARAM data) {
  reinterpret_cast<TStringList*>(data)->Add(AnsiString(lf->lfFaceName));
  return 1;
}

}  // namespace

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  for (const StandardCursor& c : kStandardCursors) cursors_[c.Index] = LoadCursor(nullptr, c.Shape);
  cursors_[crNone] = nullptr;
}

TScreen::~TScreen() = default;

int TScreen::GetWidth() const { return PrimaryMonitor().Width(); }
int TScreen::GetHeight() const { return PrimaryMonitor().Height(); }
int TScreen::GetDesktopLeft() const { return DesktopLeft(); }
int TScreen::GetDesktopTop() const { return DesktopTop(); }
int TScreen::GetDesktopWidth() const { return DesktopWidth(); }
int TScreen::GetDesktopHeight() const { return DesktopHeight(); }

HCURSOR TScreen::GetCursors(int Index) const {
  auto it = cursors_.find(Index);
  return it == cursors_.end() ? cursors_.at(crDefault) : it->second;
}

// crDefault stays the arrow; no cursor drops the index back to it.
void TScreen::SetCursors(int Index, HCURSOR Value) {
  if (Index == crDefault) return;
  if (Value)
    cursors_[Index] = Value;
  else
    cursors_.erase(Index);
}

void TScreen::SetCursor(TCursor Value) {
  if (cursor_ == Value) return;
  cursor_ = Value;
  // At once: a long step that sets the hourglass pumps no mouse moves.
  ::SetCursor(GetCursors(Value));
}

TStrings* TScreen::GetFonts() {
  if (!fonts_) {
    fonts_ = std::make_unique<TStringList>();
    fonts_->SetDuplicates(dupIgnore);
    fonts_->SetSorted(true);
    HDC dc = CreateCompatibleDC(nullptr);
    EnumFontFamilies(dc, nullptr, &CollectFamily, reinterpret_cast<LPARAM>(fonts_.get()));
    if (dc) DeleteDC(dc);
  }
  return fonts_.get();
}

TCustomForm* TScreen::GetForms(int Index) const {
  if (Index < 0 || Index >= GetFormCount()) throw EListError("Form index out of bounds (" + IntToStr(Index) + ")");
  return forms_[static_cast<std::size_t>(Index)];
}

void TScreen::RemoveForm(TCustomForm* Form) {
  std::erase(forms_, Form);
  if (activeForm_ == Form) activeForm_ = nullptr;
}
