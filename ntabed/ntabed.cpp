// TNTabEd: construction, destruction and the published properties.
#include <algorithm>
#include <new>

#include "companion/ZEB_stringl.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/memo.h"
#include "ntabed/ZEB_ntabed.h"
#include "ntabed/ntabed_holds.h"

namespace zeb {

TNTabEd::TNTabEd(fw::TComponent* AOwner) : fw::TCustomGrid(AOwner) {
  UpdateHold hold(*this);
  try {
    ownTable_ = std::make_unique<TDataTable>(nullptr);
    ownTable_->Resize(3, 4);
    ownTable_->Fill(0.0);
    clipTable_ = std::make_unique<TDataTable>(nullptr);
    decPlaces_.assign(3, 3);
  } catch (const std::bad_alloc&) {
    ownTable_.reset();
    throw EZEBNTabedError("Component \"" + Name() +
                          "\": failed to initialize table editor (out of memory)");
  } catch (const EZEBDataTableError&) {
    ownTable_.reset();
    throw EZEBNTabedError("Component \"" + Name() +
                          "\": failed to initialize table editor (out of memory)");
  }
  SetColCount(5);
  SetRowCount(5);
  SetFixedCols(2);
  SetFixedRows(1);
  Bind(ownTable_.get());
  fw::TCustomGrid::SetColWidths(1, attribColWidth_);
  fw::TCustomGrid::SetColWidths(0, 80);
  BuildMenus();
  SetColor(colorBackground_);
  SetFixedColor(colorFixed_);
  if (!ComponentState().Contains(fw::csDesigning)) CreateEditors();
}

TNTabEd::~TNTabEd() {
  Unbind();
}

void TNTabEd::FireChanged(const fw::TNotifyEvent& event) {
  if (!suppressPaint_ && updating_ == 0) event(this);
}

void TNTabEd::RepaintNow() {
  Invalidate();
}

void TNTabEd::SetSuppressPaint(bool flag) {
  suppressPaint_ = flag;
  if (!flag) RepaintNow();
}

double TNTabEd::ClampToRange(double value) const {
  if (vRangeLow_ == 0.0 && vRangeHigh_ == 0.0) return value;
  if (value < vRangeLow_) value = vRangeLow_;
  if (value > vRangeHigh_) value = vRangeHigh_;
  return value;
}

void TNTabEd::SetLayoutColor(fw::TColor& field, fw::TColor value) {
  if (field == value) return;
  field = value;
  Invalidate();
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetColorBackground(fw::TColor value) {
  colorBackground_ = value;
  SetColor(value);
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetColorFixed(fw::TColor value) {
  colorFixed_ = value;
  SetFixedColor(value);
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetColorEmptyMsg(fw::TColor value) {
  if (value == colorEmptyMsg_) return;
  colorEmptyMsg_ = value;
  Invalidate();
  FireChanged(OnChangeSetup);
}

void TNTabEd::SetEmptyMessage(const std::string& value) {
  if (value == emptyMessage_) return;
  emptyMessage_ = value;
  Invalidate();
  FireChanged(OnChangeSetup);
}

// One OnChange: the table's own report of the change is held back.
void TNTabEd::SetComment(const std::string& value) {
  {
    DataNotifyHold detached(*this);
    table_->SetFComment(RemoveControlChars(value));
  }
  FireChanged(OnChange);
}

void TNTabEd::SetBoldMarks(bool value) {
  if (value == boldMarks_) return;
  boldMarks_ = value;
  Invalidate();
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetBoldSelHeads(bool value) {
  if (value == boldSelHeads_) return;
  boldSelHeads_ = value;
  Invalidate();
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetDefaultColWidth(int value) {
  fw::TCustomGrid::SetDefaultColWidth(value);
  fw::TCustomGrid::SetColWidths(0, 80);
  if (attribRowVisible_) fw::TCustomGrid::SetColWidths(1, attribColWidth_);
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetLeftCol(int value) {
  value = std::clamp(value, 1, std::max(1, NrOfColumns()));
  fw::TCustomGrid::SetLeftCol(value + ColOffset());
}

void TNTabEd::SetTopRow(int value) {
  value = std::clamp(value, 1, std::max(1, NrOfRows()));
  fw::TCustomGrid::SetTopRow(value + RowOffset());
  Invalidate();
}

void TNTabEd::SetNomEditDropDownCount(int value) {
  nomEditDropDownCount_ = value;
  if (auto* list = dynamic_cast<fw::TInplaceEditList*>(InplaceEditor()))
    list->SetDropDownRows(value);
}

void TNTabEd::SetNumWidth(int value) {
  if (value >= 1 && value <= 20 && value != numWidth_) {
    numWidth_ = value;
    Invalidate();
  }
  FireChanged(OnLayoutChanged);
}

void TNTabEd::SetDataReadOnly(bool value) {
  dataReadOnly_ = value;
  SetEditingOption(!value);
  if (value && EditorMode()) CancelEditor();
}

void TNTabEd::SetShowCellCursor(bool value) {
  if (value == showCellCursor_) return;
  showCellCursor_ = value;
  Invalidate();
}

// The grid makes the current cell the whole selection when its options change; switching the
// editing option per click must keep a selected range, so the range is put back.
void TNTabEd::SetEditingOption(bool on) {
  const fw::TGridOptions options = on ? Options() + fw::goEditing : Options() - fw::goEditing;
  if (options == Options()) return;
  const fw::TGridRect sel = Selection();
  SetOptions(options);
  if (!(Selection() == sel)) SetSelection(sel);
}

bool TNTabEd::SelectCell(int ACol, int ARow) {
  if (!IsDataCell(ACol, ARow)) return false;
  return fw::TCustomGrid::SelectCell(ACol, ARow);
}

}  // namespace zeb
