// TOpenDialog: the file-open dialog an application shows with Execute: the folder shown with
// a way up, its subfolders and the files that match the chosen filter, a file name field and
// a filter selector. A drawn modal form in both backends; in headless runs the test host's
// modal script answers it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/component.h"
#include "framework/base/event.h"
#include "framework/base/set.h"
#include "framework/controls/form.h"
#include "framework/dialogs/file_filter.h"
#include "framework/rtl/strings.h"

namespace fw {

class TEdit;
class TComboBox;
class TDrawGrid;
class TLabel;
class TSpeedButton;

enum TOpenOption : uint8_t {
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
  ofEnableSizing,
  ofDontAddToRecent,
  ofForceShowHidden,
};
using TOpenOptions = Set<TOpenOption>;
extern const std::vector<std::string> kOpenOptionNames;

class TOpenDialog : public TComponent {
 public:
  explicit TOpenDialog(TComponent* AOwner);
  ~TOpenDialog() override;

  // Description and pattern pairs: "Bitmaps|*.bmp;*.dib|All Files|*.*".
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& value) { filter_ = value; }
  // The filter chosen first, 1-based; after Execute the one the user chose.
  int FilterIndex() const { return filterIndex_; }
  void SetFilterIndex(int value) { filterIndex_ = value; }
  // Before Execute: its folder is shown first (when it exists) and its name is preset in the
  // file name field, whether or not the file exists. After a confirmed Execute: the full path.
  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& value) { fileName_ = value; }
  // The chosen files (the one FileName names).
  TStrings* Files() const { return files_.get(); }
  // The folder shown first when FileName has none; empty: the current folder.
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& value) { initialDir_ = value; }
  // Added with a '.' to a typed name that has no extension.
  const std::string& DefaultExt() const { return defaultExt_; }
  void SetDefaultExt(const std::string& value) { defaultExt_ = value; }
  // The caption; empty: "Open".
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& value) { title_ = value; }
  // Of these the dialog acts on ofPathMustExist, ofFileMustExist and ofForceShowHidden.
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions value) { options_ = value; }

  // Shows the dialog modally; true when the user confirmed a file, which FileName and Files
  // then hold. A cancel changes nothing.
  bool Execute();

  TNotifyEvent OnShow;
  TNotifyEvent OnClose;

 private:
  std::string filter_;
  int filterIndex_ = 1;
  std::string fileName_;
  std::unique_ptr<TStringList> files_;
  std::string initialDir_;
  std::string defaultExt_;
  std::string title_;
  TOpenOptions options_{ofHideReadOnly, ofEnableSizing};
};

// One line of the file list.
struct TFileListEntry {
  std::string name;
  bool folder = false;
};

// The form Execute shows. A modal script answers it by filling FileNameField (or clicking a
// file), changing folders, and setting the modal result.
class TOpenDialogForm : public TForm {
 public:
  // Shows the settings of `dialog` (folder, preset name, filters, options).
  TOpenDialogForm(TComponent* AOwner, const TOpenDialog& dialog);

  // The folder shown, without a trailing '/' (except the root).
  const std::string& Directory() const { return directory_; }
  // Shows `path` (relative to the folder shown); false, with a message in the dialog, when it
  // is no folder.
  bool ChangeDirectory(const std::string& path);
  // The folders first, then the files matching the current filter, each sorted by name.
  const std::vector<TFileListEntry>& Entries() const { return entries_; }
  // The filter in use, 1-based.
  int FilterIndex() const;
  void SetFilterIndex(int index);

  // What the dialog does with the file name field on "Open": a folder is opened, a file
  // chosen (true) when it passes the options' checks, else a message is shown (false).
  bool Confirm();
  // The full path of the file the field names, with the default extension added; empty for
  // an empty field.
  std::string ChosenFileName() const;
  // The text a refused choice or folder left in the dialog ("" when none).
  std::string Message() const;

  TEdit* FileNameField() const { return fileNameField_; }
  TEdit* FolderField() const { return folderField_; }
  TDrawGrid* FileList() const { return fileList_; }
  TComboBox* FilterBox() const { return filterBox_; }
  TSpeedButton* UpButton() const { return upButton_; }
  TSpeedButton* OpenButton() const { return openButton_; }
  TSpeedButton* CancelButton() const { return cancelButton_; }

 private:
  void Build();
  void Refill();
  void ShowMessageText(const std::string& text);
  void OpenEntry(int index);
  void DrawEntry(int row, const TRect& rect, bool selected);

  std::vector<TFileFilter> filters_;
  std::string directory_;
  std::vector<TFileListEntry> entries_;
  std::string defaultExt_;
  TOpenOptions options_;
  TEdit* folderField_ = nullptr;
  TSpeedButton* upButton_ = nullptr;
  TDrawGrid* fileList_ = nullptr;
  TEdit* fileNameField_ = nullptr;
  TComboBox* filterBox_ = nullptr;
  TSpeedButton* openButton_ = nullptr;
  TSpeedButton* cancelButton_ = nullptr;
  TLabel* message_ = nullptr;
};

}  // namespace fw
