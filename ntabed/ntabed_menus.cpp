// TNTabEd's two popup menus: building them, their masks and captions, and preparing and
// popping them up.
#include <array>

#include "framework/graphics/canvas.h"
#include "framework/rtl/utf8.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

namespace {

constexpr std::array<const char*, kDataMenuItems> kDataCaptions{"Mark as type A",
                                                                "Mark as type B",
                                                                "Unmark type A",
                                                                "Unmark type B",
                                                                "Unmark All",
                                                                "Clear",
                                                                "Copy",
                                                                "Paste",
                                                                "Extract from Clipboard",
                                                                "Data Read-Only",
                                                                "Select All",
                                                                "Toggle Empty State",
                                                                "Reset All Empty States"};
constexpr std::array<const char*, kHeadMenuItems> kHeadCaptions{"Edit Heading", "Change Precision",
                                                                "Select..", "Insert..", "Delete.."};
constexpr std::array<const char*, kSubMenuItems> kScopeCaptions{"Range", "Column", "Row", "All"};
// Names of the submenu items of data items 1..4.
constexpr std::array<const char*, 4> kSubMenuPrefixes{"M1It", "M2It", "U1It", "U2It"};

fw::TMenuItem* NewItem(fw::TMenuItem* parent, const std::string& name, const std::string& caption) {
  auto* item = new fw::TMenuItem(nullptr);
  item->SetName(name);
  item->SetCaption(caption);
  parent->Add(item);
  return item;
}

std::string CutCaption(const std::string& caption) {
  return fw::Copy(caption, 1, 50);
}

}  // namespace

void TNTabEd::BuildMenus() {
  popupD_ = new fw::TPopupMenu(this);
  popupD_->SetName("PopupDTAction");
  popupD_->SetAlignment(fw::paLeft);
  for (int i = 1; i <= kDataMenuItems; ++i) {
    const std::string name = "DIt" + std::to_string(i);
    fw::TMenuItem* item = NewItem(popupD_->Items(), name, kDataCaptions[i - 1]);
    if (i <= 4) {
      for (int k = 1; k <= kSubMenuItems; ++k) {
        fw::TMenuItem* sub =
            NewItem(item, kSubMenuPrefixes[i - 1] + std::to_string(k), kScopeCaptions[k - 1]);
        sub->OnClick = [this, i, k](fw::TObject*) { MarkCommand(i, k); };
      }
    } else {
      item->OnClick = [this, name](fw::TObject* sender) {
        if (name == "DIt6")
          ClearCommand(sender);
        else
          RunCommand(name);
      };
    }
  }
  DataItem(8)->SetEnabled(false);
  popupH_ = new fw::TPopupMenu(this);
  popupH_->SetName("PopupHTAction");
  // Closing the heading menu takes the clicked heading's outline away again.
  popupH_->OnClose = [this](fw::TObject*) {
    if (!headOutlined_) return;
    headOutlined_ = false;
    OutlineHeading(headMenuCell_);
  };
  for (int i = 1; i <= kHeadMenuItems; ++i) {
    const std::string name = "HIt" + std::to_string(i);
    NewItem(popupH_->Items(), name, kHeadCaptions[i - 1])->OnClick = [this, name](fw::TObject*) {
      RunCommand(name);
    };
  }
}

fw::TMenuItem* TNTabEd::DataItem(int i) const {
  return popupD_->Items()->Items(i - 1);
}

fw::TMenuItem* TNTabEd::HeadItem(int i) const {
  return popupH_->Items()->Items(i - 1);
}

void TNTabEd::SetPopupDMask(int mask) {
  maskD_ = mask;
  for (int i = 1; i <= kDataMenuItems; ++i) {
    const bool on = (mask >> (i - 1)) & 1;
    DataItem(i)->SetEnabled(on);
    DataItem(i)->SetVisible(on);
  }
  FireChanged(OnChangeSetup);
}

void TNTabEd::SetPopupHMask(int mask) {
  maskH_ = mask;
  for (int i = 1; i <= kHeadMenuItems; ++i) HeadItem(i)->SetEnabled((mask >> (i - 1)) & 1);
  FireChanged(OnChangeSetup);
}

std::string TNTabEd::GetPopupDCaption(int i) const {
  return i >= 1 && i <= kDataMenuItems ? DataItem(i)->Caption() : "";
}

void TNTabEd::SetPopupDCaption(int i, const std::string& caption) {
  if (i >= 1 && i <= kDataMenuItems) DataItem(i)->SetCaption(CutCaption(caption));
}

std::string TNTabEd::GetPopupHCaption(int i) const {
  return i >= 1 && i <= kHeadMenuItems ? HeadItem(i)->Caption() : "";
}

void TNTabEd::SetPopupHCaption(int i, const std::string& caption) {
  if (i >= 1 && i <= kHeadMenuItems) HeadItem(i)->SetCaption(CutCaption(caption));
}

std::string TNTabEd::GetPopupMCaption(int i) const {
  return i >= 1 && i <= kSubMenuItems ? DataItem(1)->Items(i - 1)->Caption() : "";
}

void TNTabEd::SetPopupMCaption(int i, const std::string& caption) {
  if (i < 1 || i > kSubMenuItems) return;
  DataItem(1)->Items(i - 1)->SetCaption(CutCaption(caption));
  DataItem(2)->Items(i - 1)->SetCaption(CutCaption(caption));
}

std::string TNTabEd::GetPopupUCaption(int i) const {
  return i >= 1 && i <= kSubMenuItems ? DataItem(3)->Items(i - 1)->Caption() : "";
}

void TNTabEd::SetPopupUCaption(int i, const std::string& caption) {
  if (i < 1 || i > kSubMenuItems) return;
  DataItem(3)->Items(i - 1)->SetCaption(CutCaption(caption));
  DataItem(4)->Items(i - 1)->SetCaption(CutCaption(caption));
}

// What depends on the moment: Paste needs an earlier Copy, its mask bit and a writable table;
// Clear and Extract a writable table; the read-only item shows its state.
void TNTabEd::PrepareDataMenu() {
  DataItem(8)->SetEnabled(internalClip_ && ((maskD_ >> 7) & 1) && !dataReadOnly_);
  DataItem(6)->SetEnabled(!dataReadOnly_ && ((maskD_ >> 5) & 1));
  DataItem(9)->SetEnabled(!dataReadOnly_ && ((maskD_ >> 8) & 1));
  fw::TMenuItem* readOnly = DataItem(10);
  readOnly->SetChecked(dataReadOnly_);
  readOnly->Bitmap()->LoadFromResourceName(dataReadOnly_ ? "CHECKEDBOX" : "EMPTYBOX");
}

void TNTabEd::PopupDataMenu(int X, int Y) {
  PrepareDataMenu();
  OnBeforePopup(this, popupD_);
  const fw::TPoint at = ClientToScreen(fw::Point(X + 10, Y - 20));
  popupD_->SetPopupComponent(this);
  popupD_->Popup(at.X, at.Y);
}

void TNTabEd::PrepareHeadingMenu(bool column) {
  headMenuForColumn_ = column;
  auto bit = [this](int i) { return ((maskH_ >> (i - 1)) & 1) != 0; };
  HeadItem(2)->SetEnabled(bit(2) && column);
  HeadItem(3)->SetEnabled(bit(3));
  HeadItem(4)->SetEnabled(bit(4) && !dataReadOnly_);
  HeadItem(5)->SetEnabled(bit(5) && !dataReadOnly_);
  HeadItem(3)->SetCaption(column ? "Select Column" : "Select Row");
  HeadItem(4)->SetCaption(column ? "Insert Column" : "Insert Row");
  HeadItem(5)->SetCaption(column ? "Delete Column" : "Delete Row");
}

// The clicked heading stays outlined (inverted) while its menu is open.
void TNTabEd::PopupHeadingMenu(const fw::TRect& cell, bool column) {
  PrepareHeadingMenu(column);
  headMenuCell_ = cell;
  OutlineHeading(cell);
  headOutlined_ = true;
  OnBeforePopup(this, popupH_);
  const fw::TPoint at = ClientToScreen(fw::Point(cell.Left + 20, cell.Top + 20));
  popupH_->SetPopupComponent(this);
  popupH_->Popup(at.X, at.Y);
}

void TNTabEd::OutlineHeading(const fw::TRect& cell) {
  fw::TCanvas* canvas = Canvas();
  canvas->Brush()->SetStyle(fw::bsClear);
  canvas->Pen()->SetMode(fw::pmNot);
  canvas->Rectangle(cell.Left, cell.Top, cell.Right + 1, cell.Bottom + 1);
  canvas->Pen()->SetMode(fw::pmCopy);
  canvas->Brush()->SetStyle(fw::bsSolid);
}

}  // namespace zeb
