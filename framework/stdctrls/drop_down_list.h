// TDropDownList: the list an edit drops down (the grid's pick list, the combo box's list): a
// bordered column of rows, the chosen one highlighted, scrolled to keep it in view, a thin bar
// on the right showing where the rows on screen lie when the list scrolls. It never takes the
// focus; the pointer moving over a row chooses it, a release on a row takes it, the wheel
// scrolls. A derived list gives the number of items, the row height and each row's drawing.
#pragma once

#include "framework/controls/customcontrol.h"

namespace fw {

// The item a list key leads to from `index` among `count` items with pages of `page` rows:
// Up, Down, Page Up, Page Down, and Home and End when `homeEnd`; -2 for other keys.
int ListKeyIndex(uint16_t key, int index, int count, int page, bool homeEnd = true);

class TDropDownList : public TCustomControl {
 public:
  explicit TDropDownList(TComponent* AOwner);

  virtual int Count() const = 0;
  virtual int ItemHeight() const = 0;
  // The chosen item (-1: none); choosing scrolls it into view.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int value);
  // Rows shown at once.
  int Rows() const { return rows_; }
  // The item under a client point (-1: none).
  int ItemAt(int X, int Y) const;
  // The rectangle of row `index` (client coordinates; empty when scrolled out).
  TRect ItemRect(int index) const;

  // Chooses by a list key (ListKeyIndex with pages of Rows() - 1); false for other keys.
  bool ChooseByKey(uint16_t key);

  // Where a list dropped from `anchor` lives: the anchor's form, else its parent.
  static TWinControl* HostFor(TControl& anchor);
  // Shows the list (parented to HostFor(anchor), its rows set) just below `anchor`, as wide as
  // it and Rows() rows high, or above it when it would not fit below on the form; `index` is
  // chosen and the list comes to the front.
  void ShowUnder(TControl& anchor, int index);

 protected:
  // `rows` rows (at least 1), nothing chosen, scrolled to the top.
  void ResetRows(int rows);
  // Draws item `index` in `row` (the canvas font is the list's).
  virtual void DrawRow(TCanvas* canvas, int index, const TRect& row, bool chosen) = 0;
  // A release on the chosen item took it.
  virtual void ItemTaken() = 0;

  void Paint() override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

 private:
  void PaintScrollBar(TCanvas* canvas);

  int itemIndex_ = -1;
  int topIndex_ = 0;
  int rows_ = 1;
};

}  // namespace fw
