// The package's registration and its file-name property editor.
#include <memory>

#include "browse/ZEB_Colsel.h"
#include "browse/ZEB_FolderTree.h"
#include "browse/ZEB_MiniCal.h"
#include "browse/ZEB_Thumbnails.h"
#include "design/ZEB_RegPanekit.h"
#include "displays/ZEB_NumLab.h"
#include "displays/ZEB_RasterLab.h"
#include "displays/ZEB_RotLab.h"
#include "displays/ZEB_sevenseg.h"
#include "framework/controls/application.h"
#include "framework/design/package.h"
#include "framework/design/palette.h"
#include "framework/design/property_editor_registry.h"
#include "framework/dialogs/open_dialog.h"
#include "indicators/ZEB_ProgBar.h"
#include "indicators/ZEB_gradfl.h"
#include "indicators/ZEB_marksel.h"
#include "indicators/ZEB_onoffbut.h"
#include "indicators/ZEB_repsbut.h"
#include "meter/ZEB_Meter.h"
#include "ntabed/ZEB_ntabed.h"
#include "numio/ZEB_NumIO.h"
#include "replist/ZEB_replist.h"

namespace zeb {

void Register() {
  fw::RegisterComponents(
      kPalettePage, {typeid(TMeter), typeid(TMarkSel), typeid(TColSel), typeid(TGradFill),
                     typeid(TNTabEd), typeid(TNumLab), typeid(TNumIO), typeid(TNumIO2),
                     typeid(TOnOffBut), typeid(TMiniCal), typeid(TRotLab), typeid(TSevenSeg),
                     typeid(TProgBar), typeid(TRasterLab), typeid(TFolderTree), typeid(TThumbnails),
                     typeid(TReportListView), typeid(TRepSpeedButton), typeid(TRLData)});
  auto fileNameEditor = fw::EditorClass<TFDFileNameProperty>("TFDFileNameProperty");
  fw::RegisterPropertyEditor(fw::TypeInfo<std::string>(), typeid(TMeter), "AnchorImage",
                             fileNameEditor);
  fw::RegisterPropertyEditor(fw::TypeInfo<std::string>(), typeid(TMeter), "BackgroundImg",
                             fileNameEditor);
}

fw::TPropertyAttributes TFDFileNameProperty::GetAttributes() const {
  return fw::TStringProperty::GetAttributes() + fw::paDialog;
}

void TFDFileNameProperty::Edit() {
  // Owned by the application as the designer's dialogs are; the unique_ptr frees it (and
  // takes it off the application's list) however Execute ends.
  std::unique_ptr<fw::TOpenDialog> dialog(new fw::TOpenDialog(fw::Application));
  dialog->SetFilter("Windows Bitmap Files|*.bmp|All Files|*.*");
  dialog->SetFileName(GetValue());
  if (dialog->Execute()) SetValue(dialog->FileName());
}

}  // namespace zeb

// The entry the designer calls after loading the package.
extern "C" __attribute__((visibility("default"))) void panekitRegisterPackage() {
  zeb::Register();
}
