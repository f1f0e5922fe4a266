// Message dialogs on the window manager's message box, captioned with the
// application's title (MessageDlg: the German word for its kind), and the
// common-dialog base.
#pragma once

#include "ansistring.h"
#include "forms.h"
#include "sets.h"

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSet<TMsgDlgBtn>;

// A box with the text and an OK button.
void ShowMessage(const AnsiString& Msg);
// The pressed button as a modal result (mrYes, mrOk ...). A button set the
// box cannot show falls back to the nearest it can: OK, with Cancel when the
// set has one.
int MessageDlg(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
