// TDesignerWindow: the designer's main window: a tool bar (new, open, save, save as, preview,
// delete, snap to grid), the component palette, the design surface with the form, the object
// inspector beside it and a status line. It owns the document and keeps the pieces in step:
// a palette choice arms the surface, a drop or a click selects, the selection is inspected,
// an edit repaints the component.
#pragma once

#include <memory>
#include <string>

#include "apps/designer/design_document.h"
#include "framework/controls/form.h"

namespace fw {
class TLabel;
class TSpeedButton;
}  // namespace fw

namespace designer {

class TDesignSurface;
class TObjectInspector;
class TPaletteBar;
class TToolStrip;

// The extension the designer offers for form files.
inline constexpr const char* kFormFileFilter = "Form files (*.form)|*.form|All Files|*.*";

class TDesignerWindow : public fw::TForm {
 public:
  // A window of 1280 x 800 with a new form; the palette shows the pages registered so far.
  explicit TDesignerWindow(fw::TComponent* AOwner);
  ~TDesignerWindow() override;

  TDesignDocument& Document() { return *document_; }
  TPaletteBar* Palette() const { return palette_; }
  TDesignSurface* Surface() const { return surface_; }
  TObjectInspector* Inspector() const { return inspector_; }

  // The palette pages again (after a package was loaded).
  void RefreshPalette();

  // The file commands. Each reports a failure on the status line (and returns false); the
  // document is unchanged then.
  void NewForm();
  bool OpenFile(const std::string& path);
  bool SaveFile(const std::string& path);
  // Through the file dialog; false when cancelled.
  bool OpenWithDialog();
  bool SaveWithDialog();
  bool Save();
  // Reads the form's text as a program would (fw::ReadForm) and shows it modally, running.
  void Preview();

  const std::string& FileName() const { return fileName_; }
  // The status line: the last message (errors in red).
  std::string StatusText() const;
  void ShowStatus(const std::string& text, bool error = false);

 protected:
  void KeyDown(uint16_t& Key, fw::TShiftState Shift) override;

 private:
  void BuildToolStrip();
  // The one selected component, or the form when none or several are selected.
  fw::TComponent* InspectedComponent() const;
  void SelectionChanged();
  void DocumentChanged();
  void UpdateCaption();

  std::unique_ptr<TDesignDocument> document_;
  TToolStrip* toolStrip_ = nullptr;
  TPaletteBar* palette_ = nullptr;
  TDesignSurface* surface_ = nullptr;
  TObjectInspector* inspector_ = nullptr;
  fw::TLabel* status_ = nullptr;
  fw::TSpeedButton* snapButton_ = nullptr;
  std::string fileName_;
};

}  // namespace designer
