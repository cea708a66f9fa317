// The class record of TOpenDialog.
#include "framework/base/registry.h"
#include "framework/dialogs/open_dialog.h"

namespace fw {

namespace {

void RegisterOpenDialog() {
  RegisterClass<TOpenDialog>("TOpenDialog", "TComponent")
      .Str("Filter", &TOpenDialog::Filter, &TOpenDialog::SetFilter, "")
      .Int("FilterIndex", &TOpenDialog::FilterIndex, &TOpenDialog::SetFilterIndex, 1)
      .Str("FileName", &TOpenDialog::FileName, &TOpenDialog::SetFileName, "")
      .Str("InitialDir", &TOpenDialog::InitialDir, &TOpenDialog::SetInitialDir, "")
      .Str("DefaultExt", &TOpenDialog::DefaultExt, &TOpenDialog::SetDefaultExt, "")
      .Str("Title", &TOpenDialog::Title, &TOpenDialog::SetTitle, "")
      .SetOf("Options", &TOpenDialog::Options, &TOpenDialog::SetOptions, kOpenOptionNames,
             TOpenOptions{ofHideReadOnly, ofEnableSizing})
      .Event("OnShow")
      .Event("OnClose");
}

const bool registered = (RegisterOpenDialog(), true);

}  // namespace

}  // namespace fw
