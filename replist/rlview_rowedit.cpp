// TReportListView's row editing form: the dialog built from the column formats, shown
// modally, the changed lines written back, and every control it made removed again.
//
//   EditRowEntries(...)  -> EditRowEntriesIntern
//     own dialog or the caller's form; label width from the widest column name
//     per column: OnRequestEditFormat, ParseEditLineFormat, a label, AddLineControl
//     own dialog: size, OK and Cancel; caller's form: grown to fit
//     ShowModal; mrOk -> WriteBackChangedLines with painting held
//     always (also when building fails): RemoveRowEditControls, the own form deleted
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/graphics/text_engine.h"
#include "framework/rtl/scope_guard.h"
#include "framework/stdctrls/combo_box.h"
#include "framework/stdctrls/date_time_picker.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/speed_button.h"
#include "numio/ZEB_NumIO.h"
#include "replist/ZEB_replist.h"
#include "replist/rlcell_defaults.h"
#include "replist/rlview_hold.h"

namespace zeb {

namespace {

constexpr int kLineHeight = 25;
// The prefix of every control the dialog creates (and removes again).
constexpr const char* kRuntimePrefix = "runtime_rlre_";
constexpr fw::TColor kReadOnlyColor = 0xE0E0E0;
constexpr fw::TColor kReadOnlyTextColor = 0x808080;

// An editing control and what it showed when the dialog opened, so that OK writes back only
// what the user changed.
struct TEditLine {
  int col;
  fw::TWinControl* control;
  std::string picture;  // date/time pickers: the picture the value is written with
  std::string shown;
};

// The text a line's control gives its cell: a picker's value through its own picture (so the
// cell reads back the same way), the others their text.
std::string LineText(const TEditLine& line) {
  if (auto* picker = dynamic_cast<fw::TDateTimePicker*>(line.control))
    return fw::FormatDateTimePicture(line.picture, picker->DateTime());
  return line.control->Text();
}

fw::TDateTimeKind PickerKind(const std::string& picture) {
  bool date = false;
  bool time = false;
  for (const fw::TPictureField& f : fw::SplitDateTimePicture(picture)) {
    date = date || fw::IsDateToken(f.token);
    time = time || fw::IsTimeToken(f.token);
  }
  return time && !date ? fw::dtkTime : fw::dtkDate;
}

fw::TWinControl* MakeComboBox(fw::TForm* form, const TEditLineFormat& line,
                              const std::string& cell) {
  auto* box = new fw::TComboBox(form);
  box->SetStyle(line.code == 'c' ? fw::csDropDown : fw::csDropDownList);
  for (const std::string& item : SplitEditItems(line.rest)) box->Items()->Add(item);
  if (line.dropDownCount > 0) box->SetDropDownCount(line.dropDownCount);
  box->SetText(cell);
  return box;
}

// The cell's text read with the line's picture, or (the cell empty) the default; a text that
// does not read leaves the zero date-time.
fw::TWinControl* MakePicker(fw::TForm* form, const TEditLineFormat& line, const std::string& cell) {
  auto* picker = new fw::TDateTimePicker(form);
  picker->SetFormat(line.picture);
  picker->SetKind(PickerKind(line.picture));
  const std::string& source = cell.empty() && !line.rest.empty() ? line.rest : cell;
  int error = 0;
  const double value = ParseDateTimeWithPicture(source, line.picture, error);
  picker->SetDateTime(error == 0 ? value : 0);
  return picker;
}

fw::TWinControl* MakeNumberField(fw::TForm* form, const TEditLineFormat& line,
                                 const std::string& cell, int ARow) {
  auto* field = new TNumIO(form);
  field->SetRangeLow(-1.7e308);
  field->SetRangeHigh(1.7e308);
  switch (line.code) {
    case 'e':
      field->SetInputFormat(itDynamic);
      break;
    case 'f':
      field->SetInputFormat(itFloat);
      break;
    case 'h':
      field->SetInputFormat(itHex);
      break;
    default:
      field->SetInputFormat(itInt);
      break;
  }
  field->SetText(cell.empty() ? RowIndexDefault(line.code, line.rest, ARow) : cell);
  return field;
}

fw::TWinControl* MakeTextField(fw::TForm* form, const TEditLineFormat& line,
                               const std::string& cell) {
  auto* edit = new fw::TEdit(form);
  edit->SetText(cell.empty() ? PasswordDefault(line.rest) : cell);
  return edit;
}

// The control of a line's code, named by kind and column; nullptr for an unknown code.
fw::TWinControl* MakeLineControl(fw::TForm* form, const TEditLineFormat& line,
                                 const std::string& cell, int ARow, int col) {
  std::string kind;
  fw::TWinControl* control = nullptr;
  switch (line.code) {
    case 'c':
    case 'l':
      kind = "CBox", control = MakeComboBox(form, line, cell);
      break;
    case 'd':
      kind = "DtPick", control = MakePicker(form, line, cell);
      break;
    case 'e':
    case 'f':
    case 'h':
    case 'i':
      kind = "NumIO", control = MakeNumberField(form, line, cell, ARow);
      break;
    case 's':
      kind = "Edit", control = MakeTextField(form, line, cell);
      break;
    default:
      return nullptr;
  }
  control->SetName(kRuntimePrefix + kind + std::to_string(col));
  control->SetTag(col);
  return control;
}

// Every component of `form` whose name holds the prefix, from the last to the first.
void RemoveRowEditControls(fw::TComponent* form) {
  for (int i = form->ComponentCount() - 1; i >= 0; --i) {
    fw::TComponent* c = form->Components(i);
    if (c->Name().find(kRuntimePrefix) != std::string::npos) delete c;
  }
}

}  // namespace

int TReportListView::EditRowEntries(int ARow, int X, int Y) {
  return EditRowEntriesIntern(ARow, nullptr, X, Y, "Editing Row " + std::to_string(ARow), "OK",
                              "Cancel");
}

int TReportListView::EditRowEntries(int ARow, int X, int Y, const std::string& Caption,
                                    const std::string& OKText, const std::string& CancelText) {
  return EditRowEntriesIntern(ARow, nullptr, X, Y, Caption, OKText, CancelText);
}

int TReportListView::EditRowEntries(int ARow, fw::TForm* Form, int X, int Y) {
  return EditRowEntriesIntern(ARow, Form, X, Y, "", "", "");
}

int TReportListView::EditRowEntriesIntern(int ARow, fw::TForm* Form, int X, int Y,
                                          const std::string& Caption, const std::string& OKText,
                                          const std::string& CancelText) {
  // Whatever happens from here on, the dialog's controls and own form go again.
  fw::TForm* form = Form;
  std::unique_ptr<fw::TForm> ownForm;
  fw::TScopeExit cleanUp([&] {
    edRowForm_ = nullptr;
    edRowOKButton_ = nullptr;
    if (form) RemoveRowEditControls(form);
    ownForm.reset();
  });
  int s = 0;
  if (!form) {
    ownForm = std::make_unique<fw::TForm>(this);
    form = ownForm.get();
    form->SetFont(Font());
    form->SetBounds(X, Y, form->Width(), form->Height());
    X = 0;
    Y = 0;
    s = 45;
  }
  edRowForm_ = form;

  // The label column fits the widest column name.
  int L = 0;
  for (int n = 1; n <= NrOfColumns(); ++n)
    L = std::max(L, fw::MeasureText(form->Font()->Spec(), GetColName(n)).width);
  L += 8;

  int W = 0;
  std::vector<TEditLine> lines;
  for (int n = 1; n <= NrOfColumns(); ++n) {
    const int t = (n - 1) * kLineHeight;
    std::string format = GetColumnFormat(n);
    OnRequestEditFormat(this, n, ARow, format);
    const TEditLineFormat line = ParseEditLineFormat(format);
    W = std::max(W, line.width);

    auto* label = new fw::TLabel(form);
    label->SetName(kRuntimePrefix + std::string("Label") + std::to_string(n));
    label->SetParent(form);
    label->SetAutoSize(false);
    label->SetAlignment(fw::taRightJustify);
    label->SetBounds(X + 8, s + t + Y + 3, L, label->Height());
    label->SetCaption(std::string(GetColName(n)) + ":");

    const std::string cell = GetElem(n, ARow);
    fw::TWinControl* control = MakeLineControl(form, line, cell, ARow, n);
    if (!control) continue;
    control->SetParent(form);
    control->SetBounds(L + X + 12, t + s + Y, line.width, control->Height());
    if (line.readOnly) {
      control->SetEnabled(false);
      control->SetColor(kReadOnlyColor);
      control->Font()->SetColor(kReadOnlyTextColor);
    } else {
      control->OnKeyPress = [this](fw::TObject* sender, char32_t& key) {
        EdRowKeyPress(sender, key);
      };
      lines.push_back({n, control, line.picture, ""});
      lines.back().shown = LineText(lines.back());
    }
  }

  const int width = W + L + 28;
  const int height = NrOfColumns() * kLineHeight + s + 38;
  if (ownForm) {
    form->SetBorderStyle(fw::bsDialog);
    form->SetBounds(form->Left(), form->Top(), width, height);
    auto* cancel = new fw::TSpeedButton(form);
    cancel->SetParent(form);
    cancel->SetBounds(W + L - 69, 4, 81, 29);
    cancel->SetCaption(CancelText);
    cancel->OnClick = [this](fw::TObject* sender) { EdRowCancelClick(sender); };
    auto* ok = new fw::TSpeedButton(form);
    ok->SetParent(form);
    ok->SetBounds(W + L - 154, 4, 81, 29);
    ok->SetCaption(OKText);
    ok->OnClick = [this](fw::TObject* sender) { EdRowOKClick(sender); };
    edRowOKButton_ = ok;
  } else {
    form->SetBounds(form->Left(), form->Top(), std::max(form->Width(), width),
                    std::max(form->Height(), height));
  }
  form->SetCaption(Caption);

  const int result = form->ShowModal();
  if (result == fw::mrOk) {
    PaintHold hold(*this);
    for (const TEditLine& line : lines)
      if (const std::string text = LineText(line); text != line.shown)
        SetElem(line.col, ARow, text);
  }
  return result;
}

void TReportListView::EdRowOKClick(fw::TObject*) {
  if (edRowForm_) edRowForm_->SetModalResult(fw::mrOk);
}

void TReportListView::EdRowCancelClick(fw::TObject*) {
  if (edRowForm_) edRowForm_->SetModalResult(fw::mrCancel);
}

void TReportListView::EdRowKeyPress(fw::TObject*, char32_t& Key) {
  if (!edRowForm_) return;
  if (Key == U'\r') {
    edRowForm_->SetModalResult(fw::mrOk);
    Key = 0;
  } else if (Key == 0x1B) {
    edRowForm_->SetModalResult(fw::mrCancel);
    Key = 0;
  }
}

}  // namespace zeb
