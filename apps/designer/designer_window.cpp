// The designer's main window: layout, commands and the wiring between its pieces.
#include "apps/designer/designer_window.h"

#include "apps/designer/design_surface.h"
#include "apps/designer/object_inspector.h"
#include "apps/designer/palette_bar.h"
#include "framework/base/form_text.h"
#include "framework/controls/beep.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/messages.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/rtl/files.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"

namespace designer {

// The strip of command buttons at the top: a button face with a line below.
class TToolStrip : public fw::TCustomControl {
 public:
  using fw::TCustomControl::TCustomControl;

  fw::TSpeedButton* AddButton(const std::string& caption, int width) {
    auto* button = new fw::TSpeedButton(this);
    button->SetParent(this);
    button->SetBounds(next_, 3, width, 24);
    button->SetCaption(caption);
    next_ += width + 2;
    return button;
  }
  void AddGap() { next_ += 10; }

 protected:
  void Paint() override {
    fw::TCanvas* canvas = Canvas();
    canvas->Brush()->SetColor(fw::clBtnFace);
    canvas->FillRect(fw::Rect(0, 0, Width(), Height()));
    canvas->Pen()->SetColor(fw::clBtnShadow);
    canvas->MoveTo(0, Height() - 1);
    canvas->LineTo(Width(), Height() - 1);
  }

 private:
  int next_ = 4;
};

TDesignerWindow::TDesignerWindow(fw::TComponent* AOwner)
    : fw::TForm(AOwner), document_(std::make_unique<TDesignDocument>()) {
  SetBounds(Left(), Top(), 1280, 800);
  SetKeyPreview(true);

  toolStrip_ = new TToolStrip(this);
  toolStrip_->SetParent(this);
  toolStrip_->SetHeight(30);
  toolStrip_->SetAlign(fw::alTop);
  BuildToolStrip();

  palette_ = new TPaletteBar(this);
  palette_->SetParent(this);
  palette_->SetHeight(56);
  palette_->SetAlign(fw::alTop);

  status_ = new fw::TLabel(this);
  status_->SetParent(this);
  status_->SetHeight(18);
  status_->SetAlign(fw::alBottom);

  inspector_ = new TObjectInspector(this);
  inspector_->SetParent(this);
  inspector_->SetWidth(300);
  inspector_->SetAlign(fw::alRight);

  surface_ = new TDesignSurface(this);
  surface_->SetParent(this);
  surface_->SetAlign(fw::alClient);
  surface_->SetDocument(document_.get());

  palette_->OnClassChosen = [this](const fw::ClassRecord* record) {
    surface_->SetDropClass(record);
    ShowStatus(record ? "Click on the form to place a " + record->name : "");
  };
  document_->OnSelectionChange = [this](fw::TObject*) { SelectionChanged(); };
  document_->OnChange = [this](fw::TObject*) { DocumentChanged(); };
  inspector_->OnError = [this](const std::string& message) { ShowStatus(message, true); };
  inspector_->GetEventHandler = [this](const std::string& event) {
    for (const auto& e : document_->EventsOf(InspectedComponent()))
      if (e.event == event) return e.handler;
    return std::string();
  };
  inspector_->SetEventHandler = [this](const std::string& event, const std::string& handler) {
    document_->SetEventHandler(InspectedComponent(), event, handler);
  };
  RefreshPalette();
  SelectionChanged();
  UpdateCaption();
}

TDesignerWindow::~TDesignerWindow() {
  // The inspector and the surface look at the document: let them go before it does.
  inspector_->SetInspected(nullptr, nullptr);
  surface_->SetDocument(nullptr);
}

void TDesignerWindow::BuildToolStrip() {
  toolStrip_->AddButton("New", 48)->OnClick = [this](fw::TObject*) { NewForm(); };
  toolStrip_->AddButton("Open...", 60)->OnClick = [this](fw::TObject*) { OpenWithDialog(); };
  toolStrip_->AddButton("Save", 48)->OnClick = [this](fw::TObject*) { Save(); };
  toolStrip_->AddButton("Save As...", 72)->OnClick = [this](fw::TObject*) { SaveWithDialog(); };
  toolStrip_->AddGap();
  toolStrip_->AddButton("Delete", 56)->OnClick = [this](fw::TObject*) {
    document_->DeleteSelection();
  };
  toolStrip_->AddButton("Preview", 64)->OnClick = [this](fw::TObject*) { Preview(); };
  toolStrip_->AddGap();
  snapButton_ = toolStrip_->AddButton("Snap to grid", 92);
  snapButton_->SetGroupIndex(1);
  snapButton_->SetAllowAllUp(true);
  snapButton_->SetDown(document_->SnapToGrid());
  snapButton_->OnClick = [this](fw::TObject*) { document_->SetSnapToGrid(snapButton_->Down()); };
}

void TDesignerWindow::RefreshPalette() {
  palette_->RefreshPages();
}

// The one selected component, or the form when none or several are selected.
fw::TComponent* TDesignerWindow::InspectedComponent() const {
  const auto& selection = document_->Selection();
  return selection.size() == 1 ? selection.front() : document_->Root();
}

void TDesignerWindow::SelectionChanged() {
  // A drop ends the surface's drop mode; the palette goes back to its arrow with it.
  if (surface_->DropClass() == nullptr && palette_->SelectedClass() != nullptr)
    palette_->ResetSelection();
  inspector_->SetInspected(document_.get(), InspectedComponent());
}

void TDesignerWindow::DocumentChanged() {
  if (inspector_->Inspected() != InspectedComponent())
    inspector_->SetInspected(document_.get(), InspectedComponent());
  else
    inspector_->Refresh();
  UpdateCaption();
}

void TDesignerWindow::UpdateCaption() {
  std::string name = fileName_.empty() ? "Untitled" : fw::ExtractFileName(fileName_);
  SetCaption((document_->IsModified() ? "*" : "") + name + " - panekit designer");
}

std::string TDesignerWindow::StatusText() const {
  return status_->Caption();
}

void TDesignerWindow::ShowStatus(const std::string& text, bool error) {
  status_->Font()->SetColor(error ? fw::clMaroon : fw::clWindowText);
  status_->SetCaption(text.empty() ? "" : " " + text);
  if (error) fw::MessageBeep(0);
}

// --- Commands

void TDesignerWindow::NewForm() {
  document_->New();
  fileName_.clear();
  ShowStatus("");
  UpdateCaption();
}

bool TDesignerWindow::OpenFile(const std::string& path) {
  try {
    document_->LoadFromFile(path);
  } catch (const fw::Exception& e) {
    ShowStatus(fw::ExtractFileName(path) + ": " + e.Message(), true);
    return false;
  }
  fileName_ = path;
  ShowStatus("Opened " + path);
  SelectionChanged();
  UpdateCaption();
  return true;
}

bool TDesignerWindow::SaveFile(const std::string& path) {
  try {
    document_->SaveToFile(path);
  } catch (const fw::Exception& e) {
    ShowStatus(e.Message(), true);
    return false;
  }
  fileName_ = path;
  ShowStatus("Saved " + path);
  UpdateCaption();
  return true;
}

bool TDesignerWindow::OpenWithDialog() {
  fw::TOpenDialog dialog(nullptr);
  dialog.SetFilter(kFormFileFilter);
  dialog.SetDefaultExt("form");
  dialog.SetFileName(fileName_);
  dialog.SetOptions(dialog.Options() + fw::ofFileMustExist);
  return dialog.Execute() && OpenFile(dialog.FileName());
}

bool TDesignerWindow::SaveWithDialog() {
  fw::TOpenDialog dialog(nullptr);
  dialog.SetTitle("Save As");
  dialog.SetFilter(kFormFileFilter);
  dialog.SetDefaultExt("form");
  dialog.SetFileName(fileName_.empty() ? document_->Root()->Name() + ".form" : fileName_);
  dialog.SetOptions(dialog.Options() + fw::ofPathMustExist);
  return dialog.Execute() && SaveFile(dialog.FileName());
}

bool TDesignerWindow::Save() {
  return fileName_.empty() ? SaveWithDialog() : SaveFile(fileName_);
}

void TDesignerWindow::Preview() {
  std::unique_ptr<fw::TComponent> running;
  try {
    running = fw::ReadForm(document_->SaveToText());
  } catch (const fw::Exception& e) {
    ShowStatus("Preview: " + e.Message(), true);
    return;
  }
  if (auto* form = dynamic_cast<fw::TCustomForm*>(running.get())) form->ShowModal();
}

void TDesignerWindow::KeyDown(uint16_t& Key, fw::TShiftState Shift) {
  if (Shift.Contains(fw::ssCtrl)) {
    switch (Key) {
      case 'N':
        NewForm();
        Key = 0;
        return;
      case 'O':
        OpenWithDialog();
        Key = 0;
        return;
      case 'S':
        Save();
        Key = 0;
        return;
      default:
        break;
    }
  }
  if (Key == fw::VK_F9) {
    Preview();
    Key = 0;
    return;
  }
  fw::TForm::KeyDown(Key, Shift);
}

}  // namespace designer
