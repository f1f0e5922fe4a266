// TOpenDialog: asks for a file.
//
// Execute asks the host first (headless: the test's script answers with the
// file name, IDCANCEL cancels). Without an answer (a real desktop, or a
// script answer of 0) it shows the open form: folders, the files the chosen
// filter lets through, a file-name field, the filter's choice, OK and
// "Abbrechen"; see dialogs_openform.h.
//
// The chosen name is checked as the options ask: with ofFileMustExist a
// missing file, with ofPathMustExist a missing folder, is refused, since
// the caller relies on the file being there (the form says so in a message
// box and stays open; a script answer just makes Execute return false).
// A name without an extension gets DefaultExt ("dat", ".dat" or "*.dat").
// ofOverwritePrompt asks before an existing file is taken, ofCreatePrompt
// before a missing one is. Unless ofNoChangeDir is set, confirming the form
// makes the chosen file's folder the current one. ofEnableSizing gives the
// form a frame that can be dragged. The form has no read-only box, so
// ofReadOnly and ofHideReadOnly are only kept for the caller.
//
// FileName is the full path after a confirmed Execute and stays as it was
// when the dialog is cancelled; FilterIndex (1-based) names the filter that
// was chosen.
#pragma once

#include "dialogs_common.h"
#include "hwnd.h"
#include "sets.h"

enum TOpenOption {
  ofReadOnly,
  ofOverwritePrompt,
  ofHideReadOnly,
  ofNoChangeDir,
  ofShowHelp,
  ofNoValidate,
  ofAllowMultiSelect,
  ofExtensionDifferent,
  ofPathMustExist,
  ofFileMustExist,
  ofCreatePrompt,
  ofShareAware,
  ofNoReadOnlyReturn,
  ofNoTestFileCreate,
  ofNoNetworkButton,
  ofNoLongNames,
  ofOldStyleDialog,
  ofNoDereferenceLinks,
  ofEnableIncludeNotify,
  ofEnableSizing
};
using TOpenOptions = TSet<TOpenOption>;

class TOpenDialog : public TCommonDialog {
  MORVANT_COMPONENT(TOpenDialog, TCommonDialog)
 public:
  explicit TOpenDialog(TComponent* AOwner);

  AnsiString GetFilter() const { return filter_; }
  void SetFilter(const AnsiString& Value) { filter_ = Value; }
  int GetFilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int Value) { filterIndex_ = Value; }
  AnsiString GetDefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const AnsiString& Value) { defaultExt_ = Value; }
  AnsiString GetInitialDir() const { return initialDir_; }
  void SetInitialDir(const AnsiString& Value) { initialDir_ = Value; }
  AnsiString GetFileName() const { return fileName_; }
  void SetFileName(const AnsiString& Value) { fileName_ = Value; }
  AnsiString GetTitle() const { return title_; }
  void SetTitle(const AnsiString& Value) { title_ = Value; }
  TOpenOptions GetOptions() const { return options_; }
  void SetOptions(TOpenOptions Value) { options_ = Value; }

  // True when a file was chosen; FileName is then its path.
  bool Execute() override;

  // The caption the dialog shows: Title, or "Öffnen".
  AnsiString Caption() const;
  // The chosen full path as the options want it (DefaultExt added), or
  // empty when refused; with Ask, the refusal or question is put to the
  // user in a message box over Owner.
  AnsiString Accepted(const AnsiString& Path, bool Ask, HWND Owner = nullptr) const;

 private:
  bool ExecuteForm();

  AnsiString filter_;
  int filterIndex_ = 1;
  AnsiString defaultExt_;
  AnsiString initialDir_;
  AnsiString fileName_;
  AnsiString title_;
  TOpenOptions options_ = {ofHideReadOnly, ofEnableSizing};
};
