// ZEB_RegPanekit: the design-time package panekit_dsgn. A form designer loads it and calls
// its registration entry, which puts the nineteen component classes on the palette page
// "ZEB-Gui" and gives the meter's two image-file properties a file-name editor with a file
// dialog. Applications never link this library.
#pragma once

#include "framework/design/property_editor.h"

namespace zeb {

// The palette page the components appear on.
inline constexpr const char* kPalettePage = "ZEB-Gui";

// Registers the components on the palette (in palette order) and binds TFDFileNameProperty to
// the meter's AnchorImage and BackGroundImg. Called once by the designer after loading the
// package (through the exported entry, framework/design/package.h).
void Register();

// A text property holding a file name: the inspector shows an ellipsis button that opens a
// file dialog for bitmap files, preset with the current name.
class TFDFileNameProperty : public fw::TStringProperty {
 public:
  using fw::TStringProperty::TStringProperty;
  // The string property's attributes and paDialog.
  fw::TPropertyAttributes GetAttributes() const override;
  // Opens the dialog; a confirmed choice (the full path) becomes the value, a cancelled one
  // leaves the value exactly as it was.
  void Edit() override;
};

}  // namespace zeb
