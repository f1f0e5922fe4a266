// TScreen: the desktop as the class library shows it (the primary monitor's
// size, the virtual desktop over all monitors, 96 pixels per inch), the
// cursor table with the cursor that overrides every control's, the
// installed font families, and the program's forms with the active one.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "component.h"
#include "control.h"
#include "gdi_handles.h"
#include "tstrings.h"

class TCustomForm;

class TScreen : public TComponent {
  MORVANT_CLASS(TScreen, TComponent)
 public:
  explicit TScreen(TComponent* AOwner);
  ~TScreen() override;

  int GetWidth() const;
  int GetHeight() const;
  int GetDesktopLeft() const;
  int GetDesktopTop() const;
  int GetDesktopWidth() const;
  int GetDesktopHeight() const;
  int GetPixelsPerInch() const { return 96; }

  // The standard indices (crArrow, crIBeam, crHourGlass, crHandPoint, ...)
  // hold the system's shapes; crDefault and unset indices give the arrow.
  HCURSOR GetCursors(int Index) const;
  void SetCursors(int Index, HCURSOR Value);
  // Anything but crDefault shows everywhere over the program's windows
  // (the hourglass of a long step); crDefault gives the controls theirs.
  TCursor GetCursor() const { return cursor_; }
  void SetCursor(TCursor Value);

  // The installed font family names, sorted without regard to case; read
  // from the font lookup on first use.
  TStrings* GetFonts();

  int GetFormCount() const { return static_cast<int>(forms_.size()); }
  TCustomForm* GetForms(int Index) const;
  TCustomForm* GetActiveForm() const { return activeForm_; }

 private:
  friend class TCustomForm;
  void AddForm(TCustomForm* Form) { forms_.push_back(Form); }
  void RemoveForm(TCustomForm* Form);

  std::vector<TCustomForm*> forms_;
  TCustomForm* activeForm_ = nullptr;
  std::map<int, HCURSOR> cursors_;
  TCursor cursor_ = crDefault;
  std::unique_ptr<TStringList> fonts_;
};

extern TScreen* Screen;
