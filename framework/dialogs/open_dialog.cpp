// TOpenDialog: settings in, the modal form shown, the choice out.
#include "framework/dialogs/open_dialog.h"

namespace fw {

const std::vector<std::string> kOpenOptionNames{
    "ofReadOnly",         "ofOverwritePrompt",    "ofHideReadOnly",        "ofNoChangeDir",
    "ofShowHelp",         "ofNoValidate",         "ofAllowMultiSelect",    "ofExtensionDifferent",
    "ofPathMustExist",    "ofFileMustExist",      "ofCreatePrompt",        "ofShareAware",
    "ofNoReadOnlyReturn", "ofNoTestFileCreate",   "ofNoNetworkButton",     "ofNoLongNames",
    "ofOldStyleDialog",   "ofNoDereferenceLinks", "ofEnableIncludeNotify", "ofEnableSizing",
    "ofDontAddToRecent",  "ofForceShowHidden"};

TOpenDialog::TOpenDialog(TComponent* AOwner)
    : TComponent(AOwner), files_(std::make_unique<TStringList>()) {}

TOpenDialog::~TOpenDialog() = default;

bool TOpenDialog::Execute() {
  TOpenDialogForm form(nullptr, *this);
  form.SetCaption(title_.empty() ? "Open" : title_);
  OnShow(this);
  const bool confirmed = form.ShowModal() == mrOk;
  OnClose(this);
  if (!confirmed) return false;
  // A script may set the result without pressing Open: the field is checked the same way.
  std::string chosen = form.ChosenFileName();
  if (chosen.empty() || !form.Confirm()) return false;
  fileName_ = chosen;
  files_->Clear();
  files_->Add(fileName_);
  filterIndex_ = form.FilterIndex();
  return true;
}

}  // namespace fw
