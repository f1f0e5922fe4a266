// The open dialog's form: "Dateiname:" with its field and the file list
// below it, "Ordner:" with the folder shown and the folder list (".." to
// go up, the subfolders, the drives' roots), "Dateityp:" with the filter
// choice, OK and "Abbrechen".
//
// The file list shows the files that the chosen filter's patterns let
// through; choosing one puts its name into the field. OK (and Enter) takes
// the field: a pattern ("*.txt") filters the list instead, a folder's name
// changes into it, anything else is the file, which the settings' Accept
// checks (it may ask the user) before the form closes. With the folder
// list focused, Enter changes into the chosen folder; a double click on a
// folder does the same, one on a file takes it. Escape is "Abbrechen".
//
// The controls are named for callers and tests: "FileNameEdit",
// "FileList", "FolderLabel", "FolderList", "FilterCombo", "OkButton",
// "CancelButton". With Sizeable the frame can be dragged and the lists
// grow with it.
#pragma once

#include <functional>
#include <vector>

#include "dialogs_filter.h"
#include "forms.h"

class TButton;
class TComboBox;
class TEdit;
class TLabel;
class TListBox;

struct TOpenFormSettings {
  AnsiString Caption;
  std::vector<TFileFilter> Filters;
  int FilterIndex = 0;  // 0-based
  AnsiString Folder;    // absolute
  AnsiString FileName;  // for the field
  bool Sizeable = false;
  // The full path as it is to be taken, or empty to stay open.
  std::function<AnsiString(const AnsiString& Path, HWND Owner)> Accept;
};

class TOpenDialogForm : public TForm {
  MORVANT_CLASS(TOpenDialogForm, TForm)
 public:
  explicit TOpenDialogForm(TComponent* AOwner);

  void Setup(const TOpenFormSettings& Settings);

  // The folder shown; its label shows as much of its end as fits.
  AnsiString GetFolder() const { return folder_; }
  // Shows another folder (the file list with the current patterns).
  void ChangeFolder(const AnsiString& Folder);

  // The accepted path and the 0-based filter chosen; before the form closes.
  std::function<void(const AnsiString& Path, int Filter)> OnAccepted;

 protected:
  void Resize() override;

 private:
  void Layout();
  void Refill();
  void ShowFolder();
  AnsiString CurrentPatterns() const;
  void TakeField();
  void EnterChosenFolder();

  void FileClick(TObject* Sender);
  void FileDblClick(TObject* Sender);
  void FolderDblClick(TObject* Sender);
  void FilterChange(TObject* Sender);
  void OkClick(TObject* Sender);

  TLabel* nameLabel_ = nullptr;
  TEdit* name_ = nullptr;
  TListBox* files_ = nullptr;
  TLabel* folderCaption_ = nullptr;
  TLabel* folderLabel_ = nullptr;
  TListBox* folders_ = nullptr;
  TLabel* filterLabel_ = nullptr;
  TComboBox* filter_ = nullptr;
  TButton* ok_ = nullptr;
  TButton* cancel_ = nullptr;

  TOpenFormSettings settings_;
  std::vector<AnsiString> folderTargets_;
  AnsiString folder_;
  // A pattern typed into the field, which overrides the filter's.
  AnsiString typedPatterns_;
};
