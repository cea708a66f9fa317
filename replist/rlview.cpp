// TReportListView: construction, the data store's hooks, the change notifications, painting
// control and copying between views.
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

// ---- copying ------------------------------------------------------------------------------

void TReportListView::Assign(fw::TPersistent* Source) {
  auto* src = dynamic_cast<TReportListView*>(Source);
  if (src == nullptr) {
    fw::TCustomDrawGrid::Assign(Source);
    return;
  }
  if (src == this) return;
  {
    PaintHold hold(*this);
    AssignFrom(*src);
  }
  // The source's hold state comes last: while it holds painting back this view does too.
  SetSuppressPaint(src->suppressPaint_);
}

void TReportListView::AssignFrom(TReportListView& src_) {
  TReportListView* src = &src_;
  autoAdvance_ = src->autoAdvance_;
  lastMouseX_ = src->lastMouseX_;
  lastMouseY_ = src->lastMouseY_;
  OnChange = src->OnChange;
  OnChangeSetup = src->OnChangeSetup;
  OnSelectedChange = src->OnSelectedChange;
  anchorRow_ = src->anchorRow_;
  rowSelectMode_ = src->rowSelectMode_;
  sortEnabled_ = src->sortEnabled_;
  SetEnabled(src->Enabled());
  OnCheckedChange = src->OnCheckedChange;
  OnBeforeCheckedChange = src->OnBeforeCheckedChange;
  OnGetEditText = src->OnGetEditText;
  OnSetEditText = src->OnSetEditText;
  colors_.selRow = src->colors_.selRow;
  colors_.selRowText = src->colors_.selRowText;
  colors_.selCol = src->colors_.selCol;
  colors_.selColText = src->colors_.selColText;
  colors_.selBoth = src->colors_.selBoth;
  colors_.selBothText = src->colors_.selBothText;
  colors_.high = src->colors_.high;
  colors_.highText = src->colors_.highText;
  highLightBold_ = src->highLightBold_;
  highLightRow_ = src->highLightRow_;
  highLightColumn_ = src->highLightColumn_;
  colors_.text = src->colors_.text;
  colors_.bkgdNormal = src->colors_.bkgdNormal;
  colors_.bkgdShaded = src->colors_.bkgdShaded;
  rowColPattern_ = src->rowColPattern_;
  commonHeaderAlignment_ = src->commonHeaderAlignment_;
  commonHeaderVisible_ = src->commonHeaderVisible_;
  colors_.commonHd = src->colors_.commonHd;
  colors_.commonHdText = src->colors_.commonHdText;
  columnHeadersVisible_ = src->columnHeadersVisible_;
  colors_.columnHd = src->colors_.columnHd;
  colors_.columnHdText = src->colors_.columnHdText;
  fw::TCustomGrid::SetFixedColor(colors_.columnHd);
  OnRequestEditFormat = src->OnRequestEditFormat;
  showEmptyCheckBoxes_ = src->showEmptyCheckBoxes_;
  OnPercentDone = src->OnPercentDone;
  OnBeforeRenderCell = src->OnBeforeRenderCell;
  OnBeforeSortExchange = src->OnBeforeSortExchange;
  OnBeforeHTMLExport = src->OnBeforeHTMLExport;
  OnBeforeFilter = src->OnBeforeFilter;
  OnMouseWheelDown = src->OnMouseWheelDown;
  OnMouseWheelUp = src->OnMouseWheelUp;
  interRowIndi_ = src->interRowIndi_;
  interRowColor_ = src->interRowColor_;
  interRowWidth_ = src->interRowWidth_;
  fixedFirstColumn_ = src->fixedFirstColumn_;
  data_->Assign(src->data_.get());
  // The store copied the source's relays; this view's own take their place again.
  HookData();
  fw::TCustomGrid::SetColCount(std::max(data_->NrOfColumns(), 1));
  SetFixedCols(fixedFirstColumn_ ? 1 : 0);
  RebuildGridRows();
  columns_ = src->columns_;
}

void TReportListView::AssignTo(fw::TPersistent* Dest) {
  if (auto* dest = dynamic_cast<TReportListView*>(Dest)) {
    dest->Assign(this);
    return;
  }
  fw::TCustomDrawGrid::AssignTo(Dest);
}

}  // namespace zeb
