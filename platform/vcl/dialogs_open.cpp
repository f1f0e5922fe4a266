#include "dialogs_open.h"

#include "fileops.h"
#include "host.h"
#include "msgbox.h"
#include "paths.h"

void TOpenDialog::Publish(TPublisher<TOpenDialog>& P) {
  P.String("DefaultExt", &TOpenDialog::GetDefaultExt, &TOpenDialog::SetDefaultExt);
  P.String("FileName", &TOpenDialog::GetFileName, &TOpenDialog::SetFileName);
  P.String("Filter", &TOpenDialog::GetFilter, &TOpenDialog::SetFilter);
  P.Integer("FilterIndex", &TOpenDialog::GetFilterIndex, &TOpenDialog::SetFilterIndex, 1);
  P.String("InitialDir", &TOpenDialog::GetInitialDir, &TOpenDialog::SetInitialDir);
  P.Set("Options", &TOpenDialog::GetOptions, &TOpenDialog::SetOptions,
        {"ofReadOnly", "ofOverwritePrompt", "ofHideReadOnly", "ofNoChangeDir", "ofShowHelp", "ofNoValidate",
         "ofAllowMultiSelect", "ofExtensionDifferent", "ofPathMustExist", "ofFileMustExist", "ofCreatePrompt",
         "ofShareAware", "ofNoReadOnlyReturn", "ofNoTestFileCreate", "ofNoNetworkButton", "ofNoLongNames",
         "ofOldStyleDialog", "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing"},
        TOpenOptions{ofHideReadOnly, ofEnableSizing}.Bits());
  P.String("Title", &TOpenDialog::GetTitle, &TOpenDialog::SetTitle);
}

TOpenDialog::TOpenDialog(TComponent* AOwner) : TComponent(AOwner) {}

bool TOpenDialog::Execute() {
  Backend::AskRecord what;
  what.Kind = "OpenDialog";
  what.Caption = (title_.IsEmpty() ? AnsiString("Öffnen") : title_).c_str();
  what.Text = (initialDir_.IsEmpty() ? fileName_ : initialDir_).c_str();
  what.Flags = static_cast<unsigned>(options_.Bits());
  const std::optional<Backend::AskAnswer> answer = Backend::CurrentHost().Ask(what);
  if (!answer || answer->Result != IDOK || answer->Text.empty()) return false;
  const AnsiString chosen = Accepted(AnsiString(answer->Text.c_str()));
  if (chosen.IsEmpty()) return false;
  fileName_ = chosen;
  return true;
}

AnsiString TOpenDialog::Accepted(const AnsiString& Name) const {
  AnsiString name = Name;
  if (!initialDir_.IsEmpty() && !IsPathDelimiter(name.c_str()[0]))
    name = IncludeTrailingPathDelimiter(initialDir_) + name;
  // "*.dat" and ".dat" name the same extension as "dat".
  AnsiString ext = defaultExt_;
  while (!ext.IsEmpty() && (ext.c_str()[0] == '*' || ext.c_str()[0] == '.')) ext.Delete(1, 1);
  if (!ext.IsEmpty() && ExtractFileExt(name).IsEmpty() && !FileExists(name)) name += AnsiString(".") + ext;
  const AnsiString folder = ExtractFilePath(name);
  if (options_.Contains(ofPathMustExist) && !folder.IsEmpty() && !DirectoryExists(folder)) return AnsiString();
  if (options_.Contains(ofFileMustExist) && !FileExists(name)) return AnsiString();
  return name;
}
