// TReportListView in-place editing: the text the grid's editor shows for a cell and how an
// edited text is written back (behind the check flag in check columns).
#include "replist/ZEB_replist.h"

namespace zeb {

// Grid column ACol edits the data column it shows; grid row ARow the data row below the headers.
std::string TReportListView::GetEditText(int ACol, int ARow) {
  const int d = DataColOfGrid(ACol);
  const int r = ARow - FixedRows() + 1;
  std::string value = data_->GetElem(d, r);
  if (OnGetEditText) OnGetEditText(this, d, r, value);
  return value;
}

void TReportListView::SetEditText(int ACol, int ARow, const std::string& Value) {
  const int d = DataColOfGrid(ACol);
  const int r = ARow - FixedRows() + 1;
  if (!InDataCols(d) || !InRows(r)) return;
  data_->SetElem(d, r, Value);
  if (OnSetEditText) OnSetEditText(this, d, r, Value);
}

void TReportListView::CloseEditor() {}

}  // namespace zeb
