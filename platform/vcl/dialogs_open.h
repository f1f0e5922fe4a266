// TOpenDialog: asks for an existing file. Execute asks the host first
// (headless: the test's script answers with the file name); a host without
// an answer gets no dialog yet, and Execute returns false.
//
// The answer is checked as the options ask: with ofFileMustExist a missing
// file, with ofPathMustExist a missing folder, is refused (Execute returns
// false and FileName stays), since the caller relies on the file being
// there. A name without an extension gets DefaultExt ("dat" or "*.dat").
#pragma once

#include "component.h"
#include "published.h"
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

class TOpenDialog : public TComponent {
  MORVANT_COMPONENT(TOpenDialog, TComponent)
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
  virtual bool Execute();

 private:
  // The chosen name as the options want it, or empty when refused.
  AnsiString Accepted(const AnsiString& Name) const;

  AnsiString filter_;
  int filterIndex_ = 1;
  AnsiString defaultExt_;
  AnsiString initialDir_;
  AnsiString fileName_;
  AnsiString title_;
  TOpenOptions options_ = {ofHideReadOnly, ofEnableSizing};
};
