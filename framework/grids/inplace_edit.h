// TInplaceEdit and TInplaceEditList: the grid's in-place cell editor, the second with an
// ellipsis button or a drop-down pick list below the cell.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "framework/grids/grids.h"
#include "framework/rtl/strings.h"
#include "framework/stdctrls/drop_down_list.h"
#include "framework/stdctrls/edit.h"

namespace fw {

// A borderless edit the grid places over the cell being edited. Characters typed into it go
// to the grid's KeyPress first (Enter and Escape end the edit there); Up, Down, Page Up and
// Page Down (and Tab with goTabs) go to the grid's KeyDown, which moves to another cell; with
// goAlwaysShowEditor Left and Right at the ends of the text move on too.
class TInplaceEdit : public TCustomEdit {
 public:
  explicit TInplaceEdit(TComponent* AOwner);

  TCustomGrid* Grid() const { return grid_; }
  const std::string& EditMask() const { return editMask_; }
  void SetEditMask(const std::string& value) { editMask_ = value; }
  // Takes the cell's text and mask from the grid, everything selected.
  virtual void UpdateContents();
  // Places the editor over `loc` (grid client coordinates) and shows it; an empty rectangle
  // (the cell scrolled out of view) hides it while the edit stays open.
  void UpdateLoc(const TRect& loc);
  // Caret to the end with nothing selected.
  void Deselect();

 protected:
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;
  void WndProc(TMessage& message) override;
  // The grid moves on with this key (its KeyDown is called and the key ends here).
  void SendToGrid(uint16_t& Key, TShiftState Shift);
  // Types `key` into the editor (used when a character opens it).
  void TypeChar(char32_t key);

 private:
  friend class TCustomGrid;

  TCustomGrid* grid_ = nullptr;
  std::string editMask_;
};

class TPickListPopup;

// The in-place editor with the cell's edit style: esEllipsis shows a button that fires
// OnEditButtonClick, esPickList a button that drops down PickList below the cell. While the
// list is down, Up, Down, Page Up, Page Down, Home and End move its choice, Enter takes it
// (writing it through to the grid) and Escape closes it; a click on an item takes that item.
// Alt+Down and F4 open and close the list.
class TInplaceEditList : public TInplaceEdit {
 public:
  explicit TInplaceEditList(TComponent* AOwner);
  ~TInplaceEditList() override;

  TStrings* PickList() const { return pickList_.get(); }
  // Items shown at once before the list scrolls (at least 1).
  int DropDownRows() const { return dropDownRows_; }
  void SetDropDownRows(int value) { dropDownRows_ = std::max(value, 1); }
  TEditStyle EditStyle() const { return editStyle_; }
  void SetEditStyle(TEditStyle value);
  // The button's rectangle in client coordinates (empty for esSimple).
  TRect ButtonRect() const;

  bool ListVisible() const;
  // Opens the list with the item matching the text chosen; nothing without items.
  void DropDown();
  // Closes the list; with `accept` the chosen item becomes the text and is written through.
  void CloseUp(bool accept);
  // The list's chosen item (-1: none) and the list control while it exists.
  int ItemIndex() const;
  TPickListPopup* ListControl() const;

  // Takes the edit style from the grid too.
  void UpdateContents() override;

  TRect TextArea() const override;

  TNotifyEvent OnEditButtonClick;

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void DoExit() override;
  void EditButtonClick();

 private:
  void PaintButton(TCanvas* canvas);

  std::unique_ptr<TStringList> pickList_;
  int dropDownRows_ = 7;
  TEditStyle editStyle_ = esSimple;
  TControlRef list_;
};

// The drop-down list of a TInplaceEditList: a bordered column of items on the form, the chosen
// one highlighted, scrolled to keep it in view. It never takes the focus.
class TPickListPopup : public TDropDownList {
 public:
  explicit TPickListPopup(TInplaceEditList* editor);

  // Copies the items and shows `rows` of them (at most all, at least 1); nothing chosen.
  void SetItems(const TStrings& items, int rows);
  int Count() const override { return static_cast<int>(items_.size()); }
  const std::string& Item(int index) const { return items_[static_cast<size_t>(index)]; }
  // The font's text height + 2.
  int ItemHeight() const override;

 protected:
  void DrawRow(TCanvas* canvas, int index, const TRect& row, bool chosen) override;
  void ItemTaken() override;

 private:
  TInplaceEditList* editor_;
  std::vector<std::string> items_;
};

}  // namespace fw
