// The open dialog's form: the folder line with its Up button, the file list, the file name
// field, the filter selector, Open and Cancel.
#include <algorithm>
#include <filesystem>

#include "framework/controls/beep.h"
#include "framework/dialogs/open_dialog.h"
#include "framework/grids/grids.h"
#include "framework/rtl/dir_scan.h"
#include "framework/rtl/files.h"
#include "framework/rtl/utf8.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/dialog_layout.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"

namespace fw {

namespace {

constexpr int kRowHeight = 18;

// `path` made absolute against `base`, with "." and ".." resolved and no trailing '/'.
std::string Resolved(const std::string& base, const std::string& path) {
  std::filesystem::path p(path);
  if (p.is_relative()) p = std::filesystem::path(base) / p;
  std::string text = p.lexically_normal().string();
  while (text.size() > 1 && text.back() == '/') text.pop_back();
  return text;
}

bool HasWildcard(const std::string& s) {
  return s.find_first_of("*?") != std::string::npos;
}

// A small folder or page symbol before each name.
void DrawEntrySymbol(TCanvas* canvas, int x, int y, bool folder) {
  canvas->Pen()->SetColor(folder ? TColor(0x00307090) : clGray);
  canvas->Brush()->SetColor(folder ? TColor(0x0060D0F0) : clWhite);
  if (folder) {
    const TPoint tab[] = {{x, y + 2}, {x + 5, y + 2}, {x + 6, y + 3}, {x + 6, y + 4}, {x, y + 4}};
    canvas->Polygon(tab);
    canvas->Rectangle(x, y + 4, x + 14, y + 13);
  } else {
    const TPoint page[] = {
        {x + 2, y}, {x + 9, y}, {x + 12, y + 3}, {x + 12, y + 13}, {x + 2, y + 13}};
    canvas->Polygon(page);
    canvas->Pen()->SetColor(clSilver);
    for (int line = y + 4; line <= y + 10; line += 3) {
      canvas->MoveTo(x + 4, line);
      canvas->LineTo(x + 10, line);
    }
  }
}

}  // namespace

TOpenDialogForm::TOpenDialogForm(TComponent* AOwner, const TOpenDialog& dialog)
    : TForm(AOwner),
      filters_(ParseFileFilter(dialog.Filter())),
      defaultExt_(dialog.DefaultExt()),
      options_(dialog.Options()) {
  SetBorderStyle(bsDialog);
  SetBounds(Left(), Top(), 460, 336);
  Build();
  SetFilterIndex(dialog.FilterIndex());

  // The preset name's folder when it exists, else InitialDir, else the current folder.
  const std::string cwd = GetCurrentDir();
  const std::string preset = dialog.FileName();
  std::string folder = ExtractFilePath(preset);
  if (folder.empty() || !DirectoryExists(Resolved(cwd, folder))) folder = dialog.InitialDir();
  if (folder.empty() || !DirectoryExists(Resolved(cwd, folder))) folder = cwd;
  directory_ = Resolved(cwd, folder);
  Refill();
  fileNameField_->SetText(ExtractFileName(preset));
  for (size_t i = 0; i < entries_.size(); ++i)  // the preset file, when listed, is selected
    if (!entries_[i].folder && entries_[i].name == fileNameField_->Text())
      fileList_->SetRow(static_cast<int>(i));
  SetActiveControl(fileNameField_);
}

void TOpenDialogForm::Build() {
  PlaceLabelOn(this, "Look in:", 8, 11);
  folderField_ = PlaceOn(this, new TEdit(this), 70, 8, 314, 21);
  folderField_->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
    if (key != VK_RETURN) return;
    key = 0;
    ChangeDirectory(folderField_->Text());
  };
  upButton_ = PlaceOn(this, new TSpeedButton(this), 390, 7, 62, 23);
  upButton_->SetCaption("Up");
  upButton_->OnClick = [this](TObject*) { ChangeDirectory(".."); };

  fileList_ = PlaceOn(this, new TDrawGrid(this), 8, 36, 444, 212);
  fileList_->SetColCount(1);
  fileList_->SetFixedCols(0);
  fileList_->SetFixedRows(0);
  fileList_->SetDefaultRowHeight(kRowHeight);
  fileList_->SetOptions({goRowSelect});
  fileList_->SetScrollBars(ssVertical);
  fileList_->SetDefaultColWidth(440);
  fileList_->SetColor(clWindow);
  fileList_->OnDrawCell = [this](TObject*, int, int row, TRect rect, TGridDrawState state) {
    DrawEntry(row, rect, state.Contains(gdSelected));
  };
  fileList_->OnClick = [this](TObject*) {
    const int row = fileList_->Row();
    if (row >= 0 && row < static_cast<int>(entries_.size()) && !entries_[row].folder)
      fileNameField_->SetText(entries_[row].name);
  };
  fileList_->OnDblClick = [this](TObject*) { OpenEntry(fileList_->Row()); };
  fileList_->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
    if (key != VK_RETURN) return;
    key = 0;
    OpenEntry(fileList_->Row());
  };

  PlaceLabelOn(this, "File name:", 8, 259);
  fileNameField_ = PlaceOn(this, new TEdit(this), 92, 256, 270, 21);
  fileNameField_->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState) {
    if (key != VK_RETURN) return;
    key = 0;
    if (Confirm()) SetModalResult(mrOk);
  };
  openButton_ = PlaceOn(this, new TSpeedButton(this), 371, 254, 81, 25);
  openButton_->SetCaption("Open");
  openButton_->OnClick = [this](TObject*) {
    if (Confirm()) SetModalResult(mrOk);
  };

  PlaceLabelOn(this, "Files of type:", 8, 289);
  filterBox_ = PlaceOn(this, new TComboBox(this), 92, 286, 270, 21);
  filterBox_->SetStyle(csDropDownList);
  for (const TFileFilter& f : filters_) filterBox_->Items()->Add(f.description);
  filterBox_->OnChange = [this](TObject*) { Refill(); };
  cancelButton_ = PlaceResultButton(this, "Cancel", mrCancel, 371, 284);

  message_ = PlaceOn(this, new TLabel(this), 8, 316, 444, 14);
  message_->Font()->SetColor(clMaroon);
}

int TOpenDialogForm::FilterIndex() const {
  return filterBox_->ItemIndex() + 1;
}

void TOpenDialogForm::SetFilterIndex(int index) {
  if (filters_.empty()) return;
  filterBox_->SetItemIndex(std::clamp(index, 1, static_cast<int>(filters_.size())) - 1);
  Refill();
}

bool TOpenDialogForm::ChangeDirectory(const std::string& path) {
  const std::string target = Resolved(directory_, path);
  if (!DirectoryExists(target)) {
    ShowMessageText("The folder " + target + " does not exist.");
    return false;
  }
  directory_ = target;
  ShowMessageText("");
  Refill();
  return true;
}

// Folders first, then the files the filter lets through; hidden names only when asked for.
void TOpenDialogForm::Refill() {
  entries_.clear();
  const int index = filterBox_ ? filterBox_->ItemIndex() : -1;
  const TFileFilter* filter =
      index >= 0 && index < static_cast<int>(filters_.size()) ? &filters_[index] : nullptr;
  const bool showHidden = options_.Contains(ofForceShowHidden);
  ScanDirectory(directory_, [&](const TDirEntry& e) {
    if (!showHidden && !e.name.empty() && e.name[0] == '.') return true;
    const bool folder = (e.attr & faDirectory) != 0;
    if (folder || filter == nullptr || MatchesFilter(e.name, *filter))
      entries_.push_back({std::string(e.name), folder});
    return true;
  });
  std::sort(entries_.begin(), entries_.end(), [](const TFileListEntry& a, const TFileListEntry& b) {
    if (a.folder != b.folder) return a.folder;
    return a.name < b.name;
  });
  if (folderField_ != nullptr) folderField_->SetText(directory_);
  if (fileList_ != nullptr) {
    fileList_->SetRowCount(std::max<int>(1, static_cast<int>(entries_.size())));
    fileList_->SetRow(0);
    fileList_->Invalidate();
  }
}

void TOpenDialogForm::OpenEntry(int index) {
  if (index < 0 || index >= static_cast<int>(entries_.size())) return;
  if (entries_[index].folder) {
    ChangeDirectory(entries_[index].name);
    return;
  }
  fileNameField_->SetText(entries_[index].name);
  if (Confirm()) SetModalResult(mrOk);
}

std::string TOpenDialogForm::ChosenFileName() const {
  std::string typed = fileNameField_->Text();
  if (typed.empty()) return {};
  std::string path = Resolved(directory_, typed);
  if (!defaultExt_.empty() && ExtractFileExt(path).empty() && !DirectoryExists(path))
    path += (defaultExt_[0] == '.' ? "" : ".") + defaultExt_;
  return path;
}

bool TOpenDialogForm::Confirm() {
  const std::string typed = fileNameField_->Text();
  if (typed.empty()) return false;
  const std::string path = Resolved(directory_, typed);
  if (DirectoryExists(path)) {  // a folder typed or chosen: go there
    fileNameField_->SetText("");
    ChangeDirectory(path);
    return false;
  }
  if (HasWildcard(typed)) {  // a pattern is not a name
    ShowMessageText("Names with * or ? are not files.");
    return false;
  }
  const std::string chosen = ChosenFileName();
  if (options_.Contains(ofPathMustExist) && !DirectoryExists(ExtractFilePath(chosen))) {
    ShowMessageText("The folder " + ExtractFilePath(chosen) + " does not exist.");
    return false;
  }
  if (options_.Contains(ofFileMustExist) && !FileExists(chosen)) {
    ShowMessageText(ExtractFileName(chosen) + ": file not found.");
    return false;
  }
  return true;
}

std::string TOpenDialogForm::Message() const {
  return message_->Caption();
}

void TOpenDialogForm::ShowMessageText(const std::string& text) {
  if (!text.empty()) MessageBeep(0);
  message_->SetCaption(text);
}

void TOpenDialogForm::DrawEntry(int row, const TRect& rect, bool selected) {
  TCanvas* canvas = fileList_->Canvas();
  const bool has = row >= 0 && row < static_cast<int>(entries_.size());
  canvas->Brush()->SetColor(selected && has ? clHighlight : clWindow);
  canvas->FillRect(rect);
  if (!has) return;
  DrawEntrySymbol(canvas, rect.Left + 3, rect.Top + 2, entries_[row].folder);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(selected ? clHighlightText : clWindowText);
  const std::string& name = entries_[row].name;
  canvas->TextOut(rect.Left + 22, rect.Top + (kRowHeight - canvas->TextHeight(name)) / 2, name);
  canvas->Brush()->SetStyle(bsSolid);
}

}  // namespace fw
