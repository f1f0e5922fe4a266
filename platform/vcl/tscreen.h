// TScreen: the desktop as the class library shows it (the primary monitor's
// size, the virtual desktop over all monitors, 96 pixels per inch), the
// cursor table, and the program's forms with the active one.
#pragma once

#include <map>
#include <vector>

#include "component.h"
#include "gdi_handles.h"

class TCustomForm;

class TScreen : public TComponent {
  MORVANT_CLASS(TScreen, TComponent)
 public:
  explicit TScreen(TComponent* AOwner) : TComponent(AOwner) {}

  int GetWidth() const;
  int GetHeight() const;
  int GetDesktopLeft() const;
  int GetDesktopTop() const;
  int GetDesktopWidth() const;
  int GetDesktopHeight() const;
  int GetPixelsPerInch() const { return 96; }

  // Index crDefault and unset indices give the arrow cursor.
  HCURSOR GetCursors(int Index) const;
  void SetCursors(int Index, HCURSOR Value);

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
};

extern TScreen* Screen;
