// TReportListView: construction, the data store's hooks, the change notifications and
// painting control (copying between views: rlview_assign.cpp).
#include <new>

#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

TReportListView::TReportListView(fw::TComponent* AOwner) : fw::TCustomDrawGrid(AOwner) {
  // suppressPaint_ starts true: nothing paints before the window exists (CreateWnd).
  data_ = std::make_unique<TRLData>(nullptr);
  SetDefaultDrawing(false);
  fw::TCustomGrid::SetColCount(5);
  fw::TCustomGrid::SetRowCount(5);
  SetFixedCols(0);
  SetFixedRows(1);
  // The grid starts scrolled to its old first scrolling column; the view shows column 0.
  fw::TCustomGrid::SetLeftCol(0);
  fw::TCustomGrid::SetFixedColor(colors_.columnHd);
  data_->SetNrCols(ColCount());
  data_->SetNrRows(RowCount() - 1);
  try {
    FitViewColumns(data_->NrOfColumns());
  } catch (const std::bad_alloc&) {
    throw EZEBRepListError("Component \"" + Name() +
                           "\": failed to initialize table editor (out of memory)");
  }
  HookData();
  SetOptions({fw::goFixedVertLine, fw::goFixedHorzLine, fw::goColSizing, fw::goRowSelect,
              fw::goThumbTracking});
  SetHeaderHeights();
  SetTopRow(1);
  SetDoubleBuffered(true);
}

TReportListView::~TReportListView() {
  // The matrix must not call back into a view that is going away.
  if (data_) data_->Matrix()->OnChange = nullptr;
}

// The data store's and its matrix's notifications reach the view's handlers.
void TReportListView::HookData() {
  data_->Matrix()->OnChange = [this](fw::TObject* sender) { StringsHasChanged(sender); };
  data_->OnPercentDone = [this](fw::TObject* sender, int percent) {
    RepListPercDone(sender, percent);
  };
  data_->OnBeforeSortExchange = [this](fw::TObject* sender, const std::string& s1,
                                       std::string& s2) { BeforeSortExchange(sender, s1, s2); };
  data_->OnBeforeHTMLExport = [this](fw::TObject* sender, std::string& text, int col, int row) {
    BeforeHTMLExport(sender, text, col, row);
  };
}

void TReportListView::CreateWnd() {
  fw::TCustomDrawGrid::CreateWnd();
  suppressPaint_ = false;
  Invalidate();
}

// ---- notifications ------------------------------------------------------------------------

void TReportListView::Changed() {
  if (OnChange) OnChange(this);
}
void TReportListView::ChangedSetup() {
  if (OnChangeSetup) OnChangeSetup(this);
}
void TReportListView::ChangedSelection() {
  if (OnSelectedChange) OnSelectedChange(this);
}
void TReportListView::CursorKeyAction(uint16_t Key) {
  if (OnCursorKeyAction) OnCursorKeyAction(this, Key);
}

void TReportListView::StringsHasChanged(fw::TObject*) {
  Changed();
  RepaintView();
}

void TReportListView::RepListPercDone(fw::TObject*, int Percent) {
  if (OnPercentDone) OnPercentDone(this, Percent);
}

void TReportListView::BeforeSortExchange(fw::TObject*, const std::string& S1, std::string& S2) {
  if (OnBeforeSortExchange) OnBeforeSortExchange(this, S1, S2);
}

void TReportListView::BeforeHTMLExport(fw::TObject*, std::string& Text, int Col, int Row) {
  if (OnBeforeHTMLExport) OnBeforeHTMLExport(this, Text, Col, Row);
}

void TReportListView::CheckStateHasChanged(bool State, int ACol, int ARow) {
  if (OnCheckedChange) OnCheckedChange(this, State, ACol, ARow);
}

void TReportListView::BeforeCheckStateChange(bool& State, int ACol, int ARow) {
  if (OnBeforeCheckedChange) OnBeforeCheckedChange(this, State, ACol, ARow);
}

// ---- painting control ---------------------------------------------------------------------

// Schedules a paint unless painting is held back (the hold's end repaints).
void TReportListView::RepaintView() {
  if (!suppressPaint_) Invalidate();
}

void TReportListView::SetupChanged() {
  RepaintView();
  ChangedSetup();
}

void TReportListView::SetSuppressPaint(bool value) {
  suppressPaint_ = value;
  if (!value) Invalidate();
}

void TReportListView::SetROCheckmarks(bool value) {
  if (value == roCheckmarks_) return;
  roCheckmarks_ = value;
  RepaintView();
}

void TReportListView::SetInterRowIndi(int value) {
  if (value == interRowIndi_) return;
  interRowIndi_ = value;
  RepaintView();
}

}  // namespace zeb
