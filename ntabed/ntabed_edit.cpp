// TNTabEd's in-place editing: the text offered to the cell editor, the conversion of typed text
// into values (clamped, undefined on bad text), and the pick list of nominal columns.
#include <cmath>

#include "companion/ZEB_math1.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"
#include "framework/rtl/utf8.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

namespace {

// The cell editor of the table editor: a pick-list editor whose list is the nominal names of
// the column it opens on.
class TNTabEdCellEditor : public fw::TInplaceEditList {
 public:
  explicit TNTabEdCellEditor(TNTabEd* editor) : fw::TInplaceEditList(editor), editor_(editor) {}

  void UpdateContents() override {
    PickList()->Clear();
    const fw::TGridCoord cell = editor_->EditorCell();
    if (cell.X > editor_->ColOffset())
      for (const std::string& name : editor_->NominalNames(cell.X - editor_->ColOffset()))
        PickList()->Add(name);
    SetDropDownRows(editor_->NomEditDropDownCount());
    fw::TInplaceEditList::UpdateContents();
  }

 private:
  TNTabEd* editor_;
};

std::string TrimBlanks(const std::string& s) {
  const std::size_t first = s.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string TNTabEd::GetEditText(int ACol, int ARow) {
  std::string value;
  if (IsDataCell(ACol, ARow)) {
    const int col = ACol - ColOffset();
    const double x = GetElem(col, ARow - RowOffset());
    if (IsNominal(col)) {
      const std::string named = NominalText(col, x);
      // The in-place editor shows a name, or the bare number of an unnamed id.
      const std::size_t colon = named.find(':');
      value = colon == std::string::npos ? named : named.substr(colon + 1);
    } else {
      value = FormatCellValue(x, GetDecPlaces(col), numWidth_);
    }
  }
  OnGetEditText(this, ACol, ARow, value);
  return value;
}

// Nominal text: a name of the column (id 0 included) or a decimal integer; numeric text: a
// number with "." or ",". Text that converts is clamped and written, anything else marks the
// cell undefined and leaves its value.
void TNTabEd::SetEditText(int ACol, int ARow, const std::string& value) {
  if (IsDataCell(ACol, ARow)) {
    const int col = ACol - ColOffset(), row = ARow - RowOffset();
    const uint8_t state = GetCellState(col, row);
    if (IsNominal(col)) {
      const int id =
          table_->OrdinalOfNominalID(col, fw::Copy(value, 1, MaxNominalNameLength), true);
      if (id >= 0) {
        SetElem(col, row, static_cast<double>(id));
        table_->SetCellState(col, row, 0);
      } else if (IsValidDecInt(value)) {
        SetElem(col, row, static_cast<double>(fw::StrToInt(value)));
        table_->SetCellState(col, row, state & ~csUndefined);
      } else {
        table_->SetCellState(col, row, state | csUndefined);
      }
    } else {
      std::string text = value;
      for (char& c : text)
        if (c == ',') c = '.';
      double x = 0.0;
      int code = 0;
      fw::Val(TrimBlanks(text), x, code);
      if (code != 0 || !std::isfinite(x)) {
        table_->SetCellState(col, row, state | csUndefined);
      } else {
        SetElem(col, row, x);
        table_->SetCellState(col, row, state & ~csUndefined);
      }
    }
  }
  fw::TCustomGrid::SetEditText(ACol, ARow, value);  // fires OnSetEditText
}

fw::TEditStyle TNTabEd::GetEditStyle(int ACol, int ARow) {
  if (IsDataCell(ACol, ARow) && IsNominal(ACol - ColOffset())) return fw::esPickList;
  return fw::esSimple;
}

// The pick list holds the column's non-empty nominal names in id order; it is refilled each
// time the editor opens on a cell (the current cell's column).
fw::TInplaceEdit* TNTabEd::CreateEditor() {
  auto* editor = new TNTabEdCellEditor(this);
  editor->SetDropDownRows(nomEditDropDownCount_);
  return editor;
}

std::vector<std::string> TNTabEd::NominalNames(int col) const {
  std::vector<std::string> names;
  for (int id = 0; id <= MaxNominalID; ++id) {
    std::string name = table_->GetNominalID(col, id);
    if (!name.empty()) names.push_back(std::move(name));
  }
  return names;
}

}  // namespace zeb
