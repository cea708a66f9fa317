// TComboListPopup: the dropped-down list of a combo box, its rows drawn by the box.
#include "framework/rtl/scope_guard.h"
#include "framework/stdctrls/combo_box.h"

namespace fw {

TComboListPopup::TComboListPopup(TCustomComboBox* box) : TDropDownList(box), box_(box) {}

void TComboListPopup::Reset(int rows) {
  ResetRows(rows);
  SetFont(box_->Font());
  SetColor(box_->Color());
}

void TComboListPopup::DrawRow(TCanvas* canvas, int index, const TRect& row, bool chosen) {
  TValueRestorer<TCanvas*> drawOnList(box_->drawCanvas_, canvas);
  TCanvasStateSaver saved(*canvas);
  if (!canvas->IntersectClipRect(row)) return;
  canvas->SetFont(Font());
  TOwnerDrawState state;
  if (chosen) state = {odSelected, odFocused};
  box_->DrawItem(index, row, state);
}

void TComboListPopup::ItemTaken() {
  box_->CloseUp(true);
}

}  // namespace fw
