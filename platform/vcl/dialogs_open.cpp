#include "dialogs_open.h"

#include "dialogs_filter.h"
#include "dialogs_folder.h"
#include "dialogs_openform.h"
#include "fileops.h"
#include "folders.h"
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

TOpenDialog::TOpenDialog(TComponent* AOwner) : TCommonDialog(AOwner) {}

AnsiString TOpenDialog::Caption() const { return title_.IsEmpty() ? AnsiString("Öffnen") : title_; }

bool TOpenDialog::Execute() {
  const AnsiString shown = initialDir_.IsEmpty() ? fileName_ : initialDir_;
  const std::optional<Backend::AskAnswer> answer =
      AskHost("OpenDialog", Caption().str(), shown.str(), static_cast<unsigned>(options_.Bits()));
  if (!answer) return ExecuteForm();
  if (answer->Result != IDOK || answer->Text.empty()) return false;
  AnsiString name(answer->Text.data(), answer->Text.size());
  if (!initialDir_.IsEmpty() && !IsPathDelimiter(name.c_str()[0]))
    name = IncludeTrailingPathDelimiter(initialDir_) + name;
  const AnsiString chosen = Accepted(name, false);
  if (chosen.IsEmpty()) return false;
  fileName_ = chosen;
  return true;
}

bool TOpenDialog::ExecuteForm() {
  TOpenFormSettings settings;
  settings.Caption = Caption();
  settings.Filters = ParseFileFilter(filter_);
  settings.FilterIndex = filterIndex_ >= 1 && filterIndex_ <= static_cast<int>(settings.Filters.size())
                             ? filterIndex_ - 1
                             : 0;
  const AnsiString start = !initialDir_.IsEmpty() ? initialDir_ : ExtractFilePath(fileName_);
  settings.Folder = NormalFolder(start);
  if (!DirectoryExists(settings.Folder)) settings.Folder = NormalFolder(GetCurrentDir());
  settings.FileName = ExtractFileName(fileName_);
  settings.Sizeable = options_.Contains(ofEnableSizing);
  settings.Accept = [this](const AnsiString& Path, HWND Owner) { return Accepted(Path, true, Owner); };

  TOpenDialogForm* form = TCustomForm::Create<TOpenDialogForm>(nullptr);
  form->Setup(settings);
  AnsiString chosen;
  int chosenFilter = 0;
  form->OnAccepted = [&](const AnsiString& Path, int Filter) {
    chosen = Path;
    chosenFilter = Filter;
  };
  if (RunForm(form) != mrOk || chosen.IsEmpty()) return false;
  fileName_ = chosen;
  filterIndex_ = chosenFilter + 1;
  if (!options_.Contains(ofNoChangeDir)) SetCurrentDir(ExtractFilePath(chosen));
  return true;
}

AnsiString TOpenDialog::Accepted(const AnsiString& Path, bool Ask, HWND Owner) const {
  AnsiString name = Path;
  // "*.dat" and ".dat" name the same extension as "dat".
  AnsiString ext = defaultExt_;
  while (!ext.IsEmpty() && (ext.c_str()[0] == '*' || ext.c_str()[0] == '.')) ext.Delete(1, 1);
  if (!ext.IsEmpty() && ExtractFileExt(name).IsEmpty() && !FileExists(name)) name += AnsiString(".") + ext;

  auto tell = [&](const AnsiString& text, UINT flags) {
    return MessageBox(Owner, text.c_str(), Caption().c_str(), flags);
  };
  const AnsiString folder = ExtractFilePath(name);
  if (options_.Contains(ofPathMustExist) && !folder.IsEmpty() && !DirectoryExists(folder)) {
    if (Ask) tell(name + "\nDer Pfad existiert nicht.\nÜberprüfen Sie den Pfad.", MB_OK | MB_ICONWARNING);
    return AnsiString();
  }
  const bool exists = FileExists(name);
  if (options_.Contains(ofFileMustExist) && !exists) {
    if (Ask)
      tell(name + "\nDie Datei wurde nicht gefunden.\nÜberprüfen Sie den Dateinamen.", MB_OK | MB_ICONWARNING);
    return AnsiString();
  }
  if (Ask && exists && options_.Contains(ofOverwritePrompt) &&
      tell(name + " existiert bereits.\nMöchten Sie die Datei ersetzen?", MB_YESNO | MB_ICONWARNING) != IDYES)
    return AnsiString();
  if (Ask && !exists && options_.Contains(ofCreatePrompt) &&
      tell(name + " existiert nicht.\nMöchten Sie die Datei erstellen?", MB_YESNO | MB_ICONQUESTION) != IDYES)
    return AnsiString();
  return name;
}
