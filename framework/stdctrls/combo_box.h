// TCustomComboBox and TComboBox: an edit field or a choice face with a list that drops down
// below it, drawn by the framework (plain or owner-drawn items), worked by keys and mouse.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/set.h"
#include "framework/rtl/strings.h"
#include "framework/stdctrls/drop_down_list.h"
#include "framework/stdctrls/edit.h"

namespace fw {

// csDropDown: free text with a list to choose from; csDropDownList: a choice of the list only;
// csOwnerDrawFixed: like csDropDownList, every item (and the face) drawn by DrawItem at the
// fixed ItemHeight.
enum TComboBoxStyle : uint8_t { csDropDown, csDropDownList, csOwnerDrawFixed };
inline const std::vector<std::string> kComboBoxStyleNames{"csDropDown", "csDropDownList",
                                                          "csOwnerDrawFixed"};

// What DrawItem is drawing: odSelected the chosen item, odFocused the focused face,
// odComboBoxEdit the face of the closed box rather than a row of the list, odDisabled a
// disabled control.
enum TOwnerDrawStateItem : uint8_t { odSelected, odFocused, odDisabled, odComboBoxEdit };
using TOwnerDrawState = Set<TOwnerDrawStateItem>;

class TCustomComboBox;
using TDrawItemEvent =
    Event<void(TObject* Control, int Index, const TRect& Rect, TOwnerDrawState State)>;

class TComboListPopup;

// How the box is worked:
//  - closed: Up and Down choose the previous and next item, Page Up and Page Down move by
//    DropDownCount - 1, Home and End (list styles) the first and last; in the list styles a
//    typed character chooses the next item starting with the characters typed within the
//    last second (type-ahead); Alt+Down and F4 open the list; a click on the button (list
//    styles: anywhere) opens it;
//  - open: Up, Down, Page Up, Page Down, Home and End move the list's choice, Enter takes it,
//    Escape closes the list leaving the choice as it was, a click on an item takes that item,
//    the wheel scrolls; Alt+Down and F4 take the choice and close; leaving the box closes it.
//  - A choice by the user sets ItemIndex and Text, then calls Change (OnChange), Select
//    (OnSelect) and Click (OnClick) in that order. Setting ItemIndex or Text in code calls
//    none of them.
//  - Enter and Escape with the list closed go on to the OnKeyPress handler as usual.
class TCustomComboBox : public TCustomEdit {
 public:
  explicit TCustomComboBox(TComponent* AOwner);
  ~TCustomComboBox() override;

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle value);
  // The items; changing them keeps ItemIndex on the same text where it still exists.
  TStrings* Items() const { return items_.get(); }
  void SetItems(const TStrings* value);
  // The chosen item (-1: none). Setting it shows the item's text (-1: an empty text); an
  // index outside the items means none.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int value);
  // Items shown at once before the list scrolls (at least 1).
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value);
  bool Sorted() const { return items_->Sorted(); }
  void SetSorted(bool value);
  // Height of a list row: the font's text height + 2, or the height set (at least 1), which
  // an owner-drawn box keeps and also gives its face (ItemHeight + 6).
  int ItemHeight() const;
  void SetItemHeight(int value);
  // Setting the text of a list style chooses the item with that text (none when absent);
  // csDropDown takes any text and chooses the item equal to it, if any.
  void SetText(const std::string& value);

  bool DroppedDown() const;
  void SetDroppedDown(bool value);
  // Closes the list; with `accept` its choice becomes the box's as a user choice.
  void CloseUp(bool accept);
  // The list control while it exists (tests, the window tests' look at it).
  TComboListPopup* ListControl() const;
  // The canvas DrawItem paints on: the list's while a list row is drawn, the box's otherwise.
  TCanvas* Canvas();
  // The button's rectangle, client coordinates.
  TRect ButtonRect() const;
  TRect TextArea() const override;

  TNotifyEvent OnDropDown;
  TNotifyEvent OnCloseUp;
  TNotifyEvent OnSelect;
  TDrawItemEvent OnDrawItem;

  // Draws item Index in Rect on Canvas(): the owner-drawn styles call OnDrawItem when set;
  // otherwise the item's text on the highlight colours when odSelected, else the control's.
  virtual void DrawItem(int Index, const TRect& Rect, TOwnerDrawState State);
  // OnClick (a choice by the user).
  void Click() override;
  void SetEnabled(bool value) override;
  // The open list is drawn by this box's DrawItem: it is repainted with the box.
  void Invalidate() override;

 protected:
  // Opens the list: OnDropDown, then the list below the box (above when it does not fit).
  virtual void DropDown();
  virtual void Select();
  void Change() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void DoExit() override;
  void Paint() override;
  void CreateWnd() override;

  bool ListStyle() const { return style_ != csDropDown; }
  // The user chose item `index`: the text follows and the events run.
  void UserChoose(int index);

 private:
  friend class TComboListPopup;

  void ItemsChanged();
  // Shows `text` without calling Change.
  void ShowTextQuietly(const std::string& text);
  void PaintFace(TCanvas* canvas);
  void PaintButton(TCanvas* canvas);
  // The item the typed-ahead prefix (with `key` added) finds, -1 when none.
  int TypeAhead(char32_t key);
  // Moves the closed box's or the open list's choice for a navigation key; false when the
  // key is not one.
  bool NavigateKey(uint16_t key);
  void FitHeight();

  std::unique_ptr<TStringList> items_;
  TComboBoxStyle style_ = csDropDown;
  int itemIndex_ = -1;
  int dropDownCount_ = 8;
  int itemHeight_ = 0;  // 0: from the font
  TControlRef list_;
  TCanvas* drawCanvas_ = nullptr;
  bool quiet_ = false;
  std::string lastItemText_;
  std::string typed_;
  int64_t typedAt_ = 0;
};

class TComboBox : public TCustomComboBox {
 public:
  explicit TComboBox(TComponent* AOwner);
};

// The list of a dropped-down combo box: a bordered column of rows on the box's form (so in a
// window it never reaches beyond the form: it opens above the box when it does not fit below),
// drawn by
// the box's DrawItem, the chosen row highlighted, scrolled to keep it in view. It never takes
// the focus; the pointer moving over a row chooses it, a release on a row takes it.
class TComboListPopup : public TDropDownList {
 public:
  explicit TComboListPopup(TCustomComboBox* box);

  // Refits to the box's items and rows; nothing chosen, scrolled to the top.
  void Reset(int rows);
  int Count() const override { return box_->Items()->Count(); }
  int ItemHeight() const override { return box_->ItemHeight(); }

 protected:
  // Through the box's DrawItem, clipped to the row.
  void DrawRow(TCanvas* canvas, int index, const TRect& row, bool chosen) override;
  void ItemTaken() override;

 private:
  TCustomComboBox* box_;
};

}  // namespace fw
