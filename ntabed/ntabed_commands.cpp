// TNTabEd's menu commands: marking, clearing, empty states, selection, read-only mode,
// precision and the row and column structure.
#include <algorithm>

#include "ntabed/ZEB_ntabed.h"
#include "ntabed/ntabed_holds.h"

namespace zeb {

void TNTabEd::RunCommand(const std::string& itemName) {
  if (itemName == "DIt5") {
    UnMarkAllElems();
  } else if (itemName == "DIt6") {
    ClearCommand(this);
  } else if (itemName == "DIt7") {
    CopyToClipboard();
  } else if (itemName == "DIt8") {
    PasteFromClipboard();
  } else if (itemName == "DIt9") {
    ExtractFromClipboard();
  } else if (itemName == "DIt10") {
    ToggleReadOnlyCommand();
  } else if (itemName == "DIt11") {
    SelectAllCommand();
  } else if (itemName == "DIt12") {
    ToggleEmptyCommand();
  } else if (itemName == "DIt13") {
    ResetEmptyCommand();
  } else if (itemName == "HIt1") {
    EditHeading(lastDownCell_.X, lastDownCell_.Y);
  } else if (itemName == "HIt2") {
    ChangePrecisionCommand();
  } else if (itemName == "HIt3") {
    SelectLineCommand();
  } else if (itemName == "HIt4") {
    InsertLineCommand();
  } else if (itemName == "HIt5") {
    DeleteLineCommand();
  }
}

bool TNTabEd::DataRange(int& left, int& top, int& right, int& bottom) const {
  const fw::TGridRect sel = Selection();
  left = std::max(sel.Left - ColOffset(), 1);
  right = std::min(sel.Right - ColOffset(), NrOfColumns());
  top = std::max(sel.Top - RowOffset(), 1);
  bottom = std::min(sel.Bottom - RowOffset(), NrOfRows());
  return left <= right && top <= bottom;
}

void TNTabEd::SelectDataRange(int left, int top, int right, int bottom) {
  SetSelection(fw::TGridRect{left + ColOffset(), top + RowOffset(), right + ColOffset(),
                             bottom + RowOffset()});
}

// kind: 1 mark A, 2 mark B, 3 unmark A, 4 unmark B; scope: 1 range, 2 columns of the
// selection, 3 rows of the selection, 4 all.
void TNTabEd::MarkCommand(int kind, int scope) {
  int left = 1, top = 1, right = NrOfColumns(), bottom = NrOfRows();
  if (scope != 4) {
    int l, t, r, b;
    if (!DataRange(l, t, r, b)) return;
    if (scope != 3) left = l, right = r;
    if (scope != 2) top = t, bottom = b;
  }
  const uint8_t bit = (kind == 1 || kind == 3) ? csMarkA : csMarkB;
  const bool set = kind <= 2;
  {
    UpdateHold hold(*this);
    for (int c = left; c <= right; ++c)
      for (int r = top; r <= bottom; ++r) {
        const uint8_t state = table_->GetCellState(c, r);
        table_->SetCellState(c, r, set ? state | bit : state & ~bit);
      }
  }
  Invalidate();
  FireChanged(OnCellStateChanged);
}

void TNTabEd::ClearCommand(fw::TObject* sender) {
  {
    UpdateHold hold(*this);
    DataNotifyHold detached(*this);
    if (OnClear) {
      OnClear(sender);
    } else {
      int left, top, right, bottom;
      if (DataRange(left, top, right, bottom))
        for (int c = left; c <= right; ++c)
          for (int r = top; r <= bottom; ++r) {
            table_->SetElem(c, r, 0.0);
            table_->SetCellState(c, r, 0);
          }
    }
  }
  Invalidate();
  FireChanged(OnChange);
  FireChanged(OnCellStateChanged);
}

void TNTabEd::ToggleReadOnlyCommand() {
  SetDataReadOnly(!dataReadOnly_);
  FireChanged(OnChangeSetup);
}

void TNTabEd::SelectAllCommand() {
  if (NrOfColumns() < 1 || NrOfRows() < 1) return;
  SelectDataRange(1, 1, NrOfColumns(), NrOfRows());
  Invalidate();
  FireChanged(OnSelectionChanged);
}

void TNTabEd::ToggleEmptyCommand() {
  {
    UpdateHold hold(*this);
    DataNotifyHold detached(*this);
    int left, top, right, bottom;
    if (DataRange(left, top, right, bottom))
      for (int c = left; c <= right; ++c)
        for (int r = top; r <= bottom; ++r)
          table_->SetCellState(c, r, table_->GetCellState(c, r) ^ csEmpty);
  }
  Invalidate();
  FireChanged(OnEmptyStChanged);
}

void TNTabEd::ResetEmptyCommand() {
  {
    UpdateHold hold(*this);
    for (int c = 1; c <= NrOfColumns(); ++c)
      for (int r = 1; r <= NrOfRows(); ++r)
        table_->SetCellState(c, r, table_->GetCellState(c, r) & ~csEmpty);
  }
  Invalidate();
  FireChanged(OnEmptyStChanged);
}

// One step down the cycle 10, 9, ..., 0, -1, 10; the heading menu then opens again at the same
// place so the user can keep stepping. The menu is shown anew each time (not from inside its
// own command), so repeated use never nests.
void TNTabEd::ChangePrecisionCommand() {
  if (!headMenuForColumn_) return;
  const int col = ClickedCol();
  if (col < 1 || col > NrOfColumns()) return;
  const int d = GetDecPlaces(col) - 1;
  SetDecPlaces(col, d < -1 ? 10 : d);
  PopupHeadingMenu(headMenuCell_, true);
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SelectLineCommand() {
  if (headMenuForColumn_) {
    const int col = ClickedCol();
    if (col < 1 || col > NrOfColumns() || NrOfRows() < 1) return;
    SelectDataRange(col, 1, col, NrOfRows());
  } else {
    const int row = ClickedRow();
    if (row < 1 || row > NrOfRows() || NrOfColumns() < 1) return;
    SelectDataRange(1, row, NrOfColumns(), row);
  }
  Invalidate();
  FireChanged(OnSelectionChanged);
}

void TNTabEd::InsertLineCommand() {
  DataNotifyHold detached(*this);
  if (headMenuForColumn_) {
    const int col = ClickedCol();
    if (col < 1 || col > NrOfColumns() + 1) return;
    InsertColumn(col);
    table_->SetColName(col, "(...)");
  } else {
    const int row = ClickedRow();
    if (row < 1 || row > NrOfRows() + 1) return;
    InsertRow(row);
    table_->SetRowName(row, "(...)");
  }
}

void TNTabEd::DeleteLineCommand() {
  if (headMenuForColumn_)
    RemoveColumn(ClickedCol());
  else
    RemoveRow(ClickedRow());
  FireChanged(OnChangeSetup);
}

}  // namespace zeb
