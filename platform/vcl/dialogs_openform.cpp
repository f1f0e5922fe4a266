#include "dialogs_openform.h"

#include <algorithm>

#include "dialogs_folder.h"
#include "fileops.h"
#include "paths.h"
#include "stdctrls_button.h"
#include "stdctrls_combobox.h"
#include "stdctrls_edit.h"
#include "stdctrls_label.h"
#include "stdctrls_listbox.h"
#include "sysutils.h"
#include "utf8.h"

namespace {

constexpr int Margin = 8;
constexpr int ButtonWidth = 80;
constexpr int RowHeight = 23;
constexpr int LabelHeight = 16;
constexpr int ListTop = 50;

// The folder as it fits into Width: a long path loses its beginning, since
// the folder the user stands in is at its end.
AnsiString FittedFolder(TCanvas* Canvas, const AnsiString& Folder, int Width) {
  if (Canvas->TextWidth(Folder) <= Width) return Folder;
  const std::string& s = Folder.str();
  for (std::size_t cut = Utf8NextBoundary(s, 0); cut < s.size(); cut = Utf8NextBoundary(s, cut)) {
    const AnsiString shorter = AnsiString("…") + AnsiString(s.data() + cut, s.size() - cut);
    if (Canvas->TextWidth(shorter) <= Width) return shorter;
  }
  return Folder;
}

}  // namespace

TOpenDialogForm::TOpenDialogForm(TComponent* AOwner) : TForm(AOwner) {
  SetBorderStyle(bsDialog);
  SetBorderIcons({biSystemMenu});
  SetPosition(poScreenCenter);
  SetCaption("Öffnen");
  SetClientWidth(440);
  SetClientHeight(262);

  auto label = [this](const char* Caption) {
    TLabel* l = TObject::Create<TLabel>(this);
    l->SetParent(this);
    l->SetCaption(Caption);
    return l;
  };
  auto list = [this](const char* Name) {
    TListBox* l = TObject::Create<TListBox>(this);
    l->SetName(Name);
    l->SetParent(this);
    return l;
  };
  // Made in the order Tab walks them.
  nameLabel_ = label("Datei&name:");
  name_ = TObject::Create<TEdit>(this);
  name_->SetName("FileNameEdit");
  name_->SetParent(this);
  name_->SetText("");
  nameLabel_->SetFocusControl(name_);
  files_ = list("FileList");
  files_->OnClick = TNotifyEvent(this, &TOpenDialogForm::FileClick);
  files_->OnDblClick = TNotifyEvent(this, &TOpenDialogForm::FileDblClick);

  folderCaption_ = label("&Ordner:");
  folderLabel_ = label("");
  folderLabel_->SetName("FolderLabel");
  folderLabel_->SetCaption("");
  folderLabel_->SetAutoSize(false);
  folderLabel_->SetShowAccelChar(false);
  folders_ = list("FolderList");
  folders_->OnDblClick = TNotifyEvent(this, &TOpenDialogForm::FolderDblClick);
  folderCaption_->SetFocusControl(folders_);

  filterLabel_ = label("Datei&typ:");
  filter_ = TObject::Create<TComboBox>(this);
  filter_->SetName("FilterCombo");
  filter_->SetParent(this);
  filter_->SetStyle(csDropDownList);
  filter_->OnChange = TNotifyEvent(this, &TOpenDialogForm::FilterChange);
  filterLabel_->SetFocusControl(filter_);

  ok_ = TObject::Create<TButton>(this);
  ok_->SetName("OkButton");
  ok_->SetParent(this);
  ok_->SetCaption("OK");
  ok_->SetDefault(true);
  ok_->OnClick = TNotifyEvent(this, &TOpenDialogForm::OkClick);
  cancel_ = TObject::Create<TButton>(this);
  cancel_->SetName("CancelButton");
  cancel_->SetParent(this);
  cancel_->SetCaption("Abbrechen");
  cancel_->SetCancel(true);
  cancel_->SetModalResult(mrCancel);
  Layout();
}

void TOpenDialogForm::Setup(const TOpenFormSettings& Settings) {
  settings_ = Settings;
  SetCaption(settings_.Caption);
  if (settings_.Sizeable) SetBorderStyle(bsSizeable), SetBorderIcons({biSystemMenu, biMaximize});
  filter_->GetItems()->Clear();
  for (const TFileFilter& f : settings_.Filters)
    filter_->GetItems()->Add(f.Description.IsEmpty() ? f.Patterns : f.Description);
  filter_->SetItemIndex(std::clamp(settings_.FilterIndex, 0, std::max(0, static_cast<int>(settings_.Filters.size()) - 1)));
  name_->SetText(settings_.FileName);
  ChangeFolder(settings_.Folder);
  SetActiveControl(name_);
}

void TOpenDialogForm::Resize() {
  TForm::Resize();
  Layout();
}

void TOpenDialogForm::Layout() {
  // Until every part is made, the constructor's own sizing has nothing to place.
  if (!cancel_) return;
  const TRect client = GetClientRect();
  const int buttonLeft = client.Width() - Margin - ButtonWidth;
  const int column = std::max(60, (buttonLeft - 3 * Margin) / 2);
  const int right = Margin + column + Margin;
  const int comboTop = std::max(ListTop + 40 + LabelHeight, client.Height() - Margin - RowHeight + 2);
  const int listHeight = comboTop - LabelHeight - Margin - ListTop;

  nameLabel_->SetBounds(Margin, Margin, column, LabelHeight);
  name_->SetBounds(Margin, 24, column, 21);
  files_->SetBounds(Margin, ListTop, column, listHeight);
  folderCaption_->SetBounds(right, Margin, column, LabelHeight);
  folderLabel_->SetBounds(right, 27, column, LabelHeight);
  folders_->SetBounds(right, ListTop, column, listHeight);
  filterLabel_->SetBounds(Margin, comboTop - LabelHeight, column, LabelHeight);
  // Through the base, since the box makes its own SetBounds protected.
  static_cast<TControl*>(filter_)->SetBounds(Margin, comboTop, column, 21);
  ok_->SetBounds(buttonLeft, 24, ButtonWidth, RowHeight);
  cancel_->SetBounds(buttonLeft, 24 + RowHeight + 6, ButtonWidth, RowHeight);
  if (!folder_.IsEmpty()) ShowFolder();
}

AnsiString TOpenDialogForm::CurrentPatterns() const {
  if (!typedPatterns_.IsEmpty()) return typedPatterns_;
  const int index = filter_->GetItemIndex();
  if (index < 0 || index >= static_cast<int>(settings_.Filters.size())) return "*";
  return settings_.Filters[static_cast<std::size_t>(index)].Patterns;
}

void TOpenDialogForm::ChangeFolder(const AnsiString& Folder) {
  const AnsiString folder = NormalFolder(Folder, folder_);
  if (!DirectoryExists(folder) && !folder_.IsEmpty()) return;
  folder_ = folder;
  Refill();
}

void TOpenDialogForm::Refill() {
  const TFolderContents contents = ReadFolder(folder_, CurrentPatterns());
  ShowFolder();
  TStrings* files = files_->GetItems();
  files->BeginUpdate();
  files->Clear();
  for (const AnsiString& name : contents.Files) files->Add(name);
  files->EndUpdate();
  TStrings* folders = folders_->GetItems();
  folders->BeginUpdate();
  folders->Clear();
  folderTargets_.clear();
  for (const TFolderItem& item : contents.Folders) {
    folders->Add(item.Caption);
    folderTargets_.push_back(item.Target);
  }
  folders->EndUpdate();
}

void TOpenDialogForm::ShowFolder() {
  TCanvas* canvas = GetCanvas();
  canvas->SetFont(folderLabel_->GetFont());
  folderLabel_->SetCaption(FittedFolder(canvas, folder_, folderLabel_->GetWidth()));
  folderLabel_->SetHint(folder_);
}

void TOpenDialogForm::FileClick(TObject*) {
  const int index = files_->GetItemIndex();
  if (index >= 0) name_->SetText(files_->GetItems()->GetStrings(index));
}

void TOpenDialogForm::FileDblClick(TObject*) {
  if (files_->GetItemIndex() < 0) return;
  FileClick(files_);
  TakeField();
}

void TOpenDialogForm::FolderDblClick(TObject*) { EnterChosenFolder(); }

void TOpenDialogForm::EnterChosenFolder() {
  const int index = folders_->GetItemIndex();
  if (index < 0 || index >= static_cast<int>(folderTargets_.size())) return;
  ChangeFolder(folderTargets_[static_cast<std::size_t>(index)]);
  if (folders_->GetCount() > 0) folders_->SetItemIndex(0);
}

void TOpenDialogForm::FilterChange(TObject*) {
  typedPatterns_ = AnsiString();
  Refill();
}

void TOpenDialogForm::OkClick(TObject*) {
  if (folders_->Focused() && folders_->GetItemIndex() >= 0) {
    EnterChosenFolder();
    return;
  }
  TakeField();
}

void TOpenDialogForm::TakeField() {
  const AnsiString text = Trim(name_->GetText());
  if (text.IsEmpty()) return;
  if (IsFilePattern(text)) {
    // "level/*.dat" goes to the folder and filters there.
    const AnsiString folder = ExtractFilePath(text);
    if (!folder.IsEmpty()) ChangeFolder(folder);
    typedPatterns_ = ExtractFileName(text);
    Refill();
    return;
  }
  const AnsiString path = ResolveTypedName(folder_, text);
  if (DirectoryExists(path)) {
    ChangeFolder(path);
    name_->SetText("");
    return;
  }
  const AnsiString accepted = settings_.Accept ? settings_.Accept(path, GetHandle()) : path;
  if (accepted.IsEmpty()) {
    if (name_->CanFocus()) name_->SetFocus();
    return;
  }
  if (OnAccepted) OnAccepted(accepted, filter_->GetItemIndex() < 0 ? 0 : filter_->GetItemIndex());
  SetModalResult(mrOk);
}
