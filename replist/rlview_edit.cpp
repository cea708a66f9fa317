// TReportListView in-place editing: the text the grid's editor shows for a cell and how an
// edited text is written back (behind the check flag in check columns).
#include "framework/grids/inplace_edit.h"
#include "replist/ZEB_replist.h"

namespace zeb {

// Grid column ACol edits the data column it shows; grid row ARow the data row below the headers.
// OnGetEditText and OnSetEditText receive the grid column ACol and the data row.
std::string TReportListView::GetEditText(int ACol, int ARow) {
  const int d = DataColOfGrid(ACol);
  const int r = ARow - FixedRows() + 1;
  std::string value = data_->GetElem(d, r);
  // A password stays hidden in the editor too.
  if (fw::TInplaceEdit* editor = InplaceEditor())
    editor->SetPasswordChar(GetColumnIsPwd(d) ? U'*' : 0);
  if (OnGetEditText) OnGetEditText(this, ACol, r, value);
  return value;
}

void TReportListView::SetEditText(int ACol, int ARow, const std::string& value) {
  const int d = DataColOfGrid(ACol);
  const int r = ARow - FixedRows() + 1;
  if (!InDataCols(d) || !InRows(r)) return;
  data_->SetElem(d, r, value);
  if (OnSetEditText) OnSetEditText(this, ACol, r, value);
}

// Structure changes write an open editor's text through and close it first.
void TReportListView::EndEditing() {
  if (EditorMode()) HideEditor();
}

}  // namespace zeb
