#include "dialogs.h"

#include "application.h"
#include "focus.h"
#include "msgbox.h"

namespace {

UINT ButtonFlags(TMsgDlgButtons b) {
  if (b.Contains(mbYes) && b.Contains(mbNo)) return b.Contains(mbCancel) ? MB_YESNOCANCEL : MB_YESNO;
  if (b.Contains(mbAbort) && b.Contains(mbRetry)) return MB_ABORTRETRYIGNORE;
  if (b.Contains(mbRetry) && b.Contains(mbCancel)) return MB_RETRYCANCEL;
  if (b.Contains(mbCancel)) return MB_OKCANCEL;
  return MB_OK;
}

struct KindInfo {
  const char* caption;  // nullptr: the application's title
  UINT icon;
};
constexpr KindInfo kKinds[] = {
    {"Warnung", MB_ICONWARNING},           // mtWarning
    {"Fehler", MB_ICONERROR},              // mtError
    {"Information", MB_ICONINFORMATION},   // mtInformation
    {"Bestätigen", MB_ICONQUESTION},       // mtConfirmation
    {nullptr, 0},                          // mtCustom
};

AnsiString ApplicationTitle() { return Application ? Application->GetTitle() : AnsiString(); }

// The box belongs to the active window, which it disables while it shows.
int ShowBox(const AnsiString& Text, const AnsiString& Caption, UINT Flags) {
  return ::MessageBox(GetActiveWindow(), Text.c_str(), Caption.c_str(), Flags);
}

}  // namespace

void ShowMessage(const AnsiString& Msg) { ShowBox(Msg, ApplicationTitle(), MB_OK); }

int MessageDlg(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int /*HelpCtx*/) {
  const KindInfo& kind = kKinds[DlgType];
  const AnsiString caption = kind.caption ? AnsiString(kind.caption) : ApplicationTitle();
  // The box's answers (IDOK, IDYES ...) are the modal results' numbers.
  return ShowBox(Msg, caption, ButtonFlags(Buttons) | kind.icon);
}
