// TObjectInspector: the rows of the inspected instance, their editing through the property
// editors, and the grid and in-place editor that show them.
#include "apps/designer/object_inspector.h"

#include <algorithm>
#include <cctype>

#include "framework/controls/backend.h"
#include "framework/controls/input.h"
#include "framework/design/property_editor_registry.h"
#include "framework/graphics/text_engine.h"
#include "framework/grids/inplace_edit.h"
#include "framework/rtl/utf8.h"

namespace designer {

using namespace fw;

namespace {

constexpr int kTabHeight = 20;
constexpr int kStatusHeight = 18;
constexpr int kSwatchRoom = 16;   // the swatch in front of a colour value, with its gap
constexpr int kButtonWidth = 16;  // as the in-place editor's own button
constexpr int kMaxDepth = 8;      // sub-properties of sub-properties, at most this deep

bool NameLess(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) <
           std::tolower(static_cast<unsigned char>(y));
  });
}

// A handler name is an identifier: a letter or underscore, then letters, digits, underscores.
bool IsIdentifier(const std::string& text) {
  if (text.empty() || std::isdigit(static_cast<unsigned char>(text[0]))) return false;
  return std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  });
}

}  // namespace

// --- The value list: the drop-down of a value-list row, a colour swatch in front of each
// colour name.
class TInspectorEdit;

class TValueListPopup : public TDropDownList {
 public:
  TValueListPopup(TInspectorEdit* editor);

  void SetItems(std::vector<std::string> items, int rows, bool swatches) {
    items_ = std::move(items);
    swatches_ = swatches;
    ResetRows(std::min(rows, Count()));
  }
  const std::string& Item(int index) const { return items_[static_cast<size_t>(index)]; }
  int IndexOf(const std::string& text) const {
    for (int i = 0; i < Count(); ++i)
      if (SameText(Item(i), text)) return i;
    return -1;
  }
  int Count() const override { return static_cast<int>(items_.size()); }
  int ItemHeight() const override {
    return std::max(MeasureText(Font()->Spec(), "").height + 2, 15);
  }

 protected:
  void DrawRow(TCanvas* canvas, int index, const TRect& row, bool chosen) override {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(chosen ? clHighlight : Color());
    canvas->FillRect(row);
    int x = row.Left + 2;
    if (swatches_) {
      if (auto color = IdentToColor(Item(index)))
        TObjectInspector::PaintSwatch(canvas, Bounds(x, row.Top + (row.Height() - 11) / 2, 11, 11),
                                      *color);
      x += kSwatchRoom;
    }
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(chosen ? clHighlightText : Font()->Color());
    canvas->TextRect(row, x, row.Top + (row.Height() - canvas->TextHeight("Ag")) / 2, Item(index));
  }
  void ItemTaken() override;

 private:
  TInspectorEdit* editor_;
  std::vector<std::string> items_;
  bool swatches_ = false;
};

// --- The in-place editor: the grid's editor with its button (a drop-down arrow or "..."),
// a read-only text for read-only rows, a colour swatch in front of colour values, a "..."
// button beside the arrow of rows that have both, the value list, and the inspector's keys.
class TInspectorEdit : public TInplaceEditList {
 public:
  TInspectorEdit(TObjectInspector* inspector, TComponent* owner)
      : TInplaceEditList(owner), inspector_(inspector) {
    OnEditButtonClick = [this](TObject*) { inspector_->EditRow(EditedRow()); };
  }
  ~TInspectorEdit() override {
    // The list lies on the form and belongs to this editor: it goes with it.
    delete static_cast<TValueListPopup*>(list_.Get());
  }

  void UpdateContents() override {
    CloseValues(false);
    const int row = EditedRow();
    values_.clear();
    if (TPropertyEditor* editor = inspector_->RowEditor(row)) {
      const TPropertyAttributes attributes = editor->GetAttributes();
      if (attributes.Contains(paValueList)) {
        values_ = editor->GetValues();
        if (attributes.Contains(paSortList))
          std::stable_sort(values_.begin(), values_.end(), NameLess);
      }
    }
    TInplaceEditList::UpdateContents();
    SetReadOnly(inspector_->RowReadOnly(row));
    Invalidate();
  }

  TRect TextArea() const override {
    TRect r = TInplaceEditList::TextArea();
    TColor color = 0;
    if (inspector_->RowColor(EditedRow(), color)) r.Left = std::min(r.Left + kSwatchRoom, r.Right);
    if (DialogButtonShown()) r.Right = std::max(r.Left, r.Right - kButtonWidth);
    return r;
  }

  TValueListPopup* ValueList() const {
    auto* list = static_cast<TValueListPopup*>(list_.Get());
    return list && list->Visible() ? list : nullptr;
  }

  // Opens the values below the editor on its form (above it when they do not fit below),
  // the current one chosen.
  void DropDownValues() {
    if (ValueList() || values_.empty()) return;
    auto* list = static_cast<TValueListPopup*>(list_.Get());
    if (!list) {
      list = new TValueListPopup(this);
      list_ = list->Ref();
    }
    list->SetParent(fw::TDropDownList::HostFor(*this));
    list->SetFont(Font());
    TColor color = 0;
    list->SetItems(values_, DropDownRows(), inspector_->RowColor(EditedRow(), color));
    list->ShowUnder(*this, list->IndexOf(Text()));
  }

  // Closes the values; with `accept` the chosen one is written through.
  void CloseValues(bool accept) {
    TValueListPopup* list = ValueList();
    if (!list) return;
    const int index = list->ItemIndex();
    list->SetVisible(false);
    if (!accept || index < 0 || ReadOnly()) return;
    SetText(list->Item(index));
    SelectAll();
    if (Grid() && Grid()->EditorMode()) Grid()->UpdateText();
  }

 protected:
  void Paint() override {
    TInplaceEditList::Paint();
    TCanvas* canvas = Canvas();
    TColor color = 0;
    if (inspector_->RowColor(EditedRow(), color)) {
      // The swatch sits in the room TextArea leaves in front of the text.
      canvas->Brush()->SetStyle(bsSolid);
      canvas->Brush()->SetColor(Color());
      canvas->FillRect(Rect(0, 0, kSwatchRoom, Height()));
      TObjectInspector::PaintSwatch(canvas, Bounds(1, (Height() - 11) / 2, 11, 11), color);
    }
    if (DialogButtonShown())
      TObjectInspector::PaintEllipsisButton(canvas, DialogButtonRect(), Enabled());
  }

  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

  void KeyDown(uint16_t& Key, TShiftState Shift) override {
    const int row = EditedRow();
    TPropertyEditor* editor = inspector_->RowEditor(row);
    // F4 and Alt+Down open and close the values.
    if (EditStyle() == esPickList && (Key == VK_F4 || (Key == VK_DOWN && Shift.Contains(ssAlt)))) {
      Key = 0;
      if (ValueList())
        CloseValues(true);
      else
        DropDownValues();
      return;
    }
    // While they are open the movement keys choose among them.
    if (TValueListPopup* list = ValueList()) {
      if (list->ChooseByKey(Key))
        Key = 0;
      else
        TInplaceEditList::KeyDown(Key, Shift);
      return;
    }
    // Ctrl+Enter opens the dialog, whatever button the row shows.
    if (Key == VK_RETURN && Shift.Contains(ssCtrl) && editor &&
        editor->GetAttributes().Contains(paDialog)) {
      Key = 0;
      inspector_->EditRow(row);
      return;
    }
    // Right / Left (and the keypad's + / -) open and close a read-only row's parts; on a text
    // that can be typed they move the caret.
    const bool expandKey = Key == VK_RIGHT || Key == VK_ADD;
    const bool collapseKey = Key == VK_LEFT || Key == VK_SUBTRACT;
    if ((expandKey || collapseKey) && ReadOnly() && inspector_->RowExpandable(row) &&
        !Shift.Contains(ssShift)) {
      Key = 0;
      inspector_->SetRowExpanded(row, expandKey);
      return;
    }
    TInplaceEditList::KeyDown(Key, Shift);
  }

  void KeyPress(char32_t& Key) override {
    // With the values open, Enter takes the chosen one and Escape closes them; neither goes on
    // to the grid.
    if (ValueList() && (Key == U'\r' || Key == 0x1B)) {
      CloseValues(Key == U'\r');
      Key = 0;
      return;
    }
    const int row = EditedRow();
    if ((Key == U'+' || Key == U'-') && ReadOnly() && inspector_->RowExpandable(row)) {
      inspector_->SetRowExpanded(row, Key == U'+');
      Key = 0;
      return;
    }
    TInplaceEditList::KeyPress(Key);
  }

  void DoExit() override {
    CloseValues(false);
    TInplaceEditList::DoExit();
  }

  // A double click opens the dialog, else steps to the next value of a list, else opens or
  // closes the parts; a plain text keeps the edit's own double click (a word selected).
  void DblClick() override {
    const int row = EditedRow();
    TPropertyEditor* editor = inspector_->RowEditor(row);
    const TPropertyAttributes attributes = editor ? editor->GetAttributes() : TPropertyAttributes{};
    if (attributes.Contains(paDialog)) {
      inspector_->EditRow(row);
    } else if (attributes.Contains(paValueList) && !ReadOnly()) {
      inspector_->StepValue(row);
    } else if (inspector_->RowExpandable(row)) {
      inspector_->SetRowExpanded(row, !inspector_->RowExpanded(row));
    } else {
      TInplaceEditList::DblClick();
    }
  }

 private:
  int EditedRow() const { return Grid() ? Grid()->EditorCell().Y : -1; }
  // A row with a value list and a dialog (a colour) shows both buttons.
  bool DialogButtonShown() const {
    TPropertyEditor* editor = inspector_->RowEditor(EditedRow());
    return EditStyle() == esPickList && editor && editor->GetAttributes().Contains(paDialog);
  }
  TRect DialogButtonRect() const {
    const TRect list = ButtonRect();
    return Rect(list.Left - kButtonWidth, list.Top, list.Left, list.Bottom);
  }

  TObjectInspector* inspector_;
  std::vector<std::string> values_;
  TControlRef list_;
};

TValueListPopup::TValueListPopup(TInspectorEdit* editor) : TDropDownList(editor), editor_(editor) {
  SetColor(clWindow);
}

void TValueListPopup::ItemTaken() {
  editor_->CloseValues(true);
}

// --- The grid: name | value, one row per inspector row; the value column is the only one
// that takes the current cell, and its editor is always open while the grid has the focus.
class TInspectorGrid : public TCustomGrid {
 public:
  explicit TInspectorGrid(TObjectInspector* inspector)
      : TCustomGrid(inspector), inspector_(inspector) {
    SetColCount(2);
    SetFixedCols(0);
    SetFixedRows(0);
    SetRowCount(1);
    SetCol(1);
    SetScrollBars(ssVertical);
    SetOptions(
        TGridOptions{goVertLine, goHorzLine, goEditing, goAlwaysShowEditor, goThumbTracking});
  }

  std::string GetEditText(int, int ARow) override { return inspector_->RowValue(ARow); }
  void SetEditText(int, int ARow, const std::string& value) override {
    inspector_->CommitRow(ARow, value);
  }
  TEditStyle GetEditStyle(int, int ARow) override {
    TPropertyEditor* editor = inspector_->RowEditor(ARow);
    if (!editor) return esSimple;
    const TPropertyAttributes attributes = editor->GetAttributes();
    if (attributes.Contains(paValueList)) return esPickList;
    if (attributes.Contains(paDialog)) return esEllipsis;
    return esSimple;
  }
  bool CanEditShow() const override {
    return TCustomGrid::CanEditShow() && inspector_->RowCount() > 0;
  }
  void GoToRow(int row) { FocusCell(1, row, false); }

  // True (and forgotten) when the grid's last press was close enough in time and place to
  // `formPoint` to make a double click with a press there now.
  bool TakeFirstPress(TPoint formPoint) {
    const bool pair = firstPressTime_ >= 0 &&
                      CurrentBackend().Milliseconds() - firstPressTime_ <= kDoubleClickTime &&
                      std::abs(formPoint.X - firstPress_.X) <= kDoubleClickDistance &&
                      std::abs(formPoint.Y - firstPress_.Y) <= kDoubleClickDistance;
    firstPressTime_ = -1;
    return pair;
  }

 protected:
  TInplaceEdit* CreateEditor() override { return new TInspectorEdit(inspector_, this); }

  bool SelectCell(int ACol, int ARow) override {
    return ACol == 1 && ARow < inspector_->RowCount() && TCustomGrid::SelectCell(ACol, ARow);
  }

  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState) override {
    if (ACol == 0)
      inspector_->PaintNameCell(Canvas(), ARow, ARect, ARow == Row());
    else
      inspector_->PaintValueCell(Canvas(), ARow, ARect);
  }

  // A press on a name selects its row; on the +/- box it opens or closes the parts too.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    const TGridCoord cell = MouseCoord(X, Y);
    if (Button == mbLeft && cell.X == 0 && cell.Y >= 0 && cell.Y < inspector_->RowCount()) {
      if (CanFocus() && !Focused()) SetFocus();
      const bool onBox = inspector_->RowExpandable(cell.Y) &&
                         PtInRect(TObjectInspector::ExpandBoxRect(CellRect(0, cell.Y),
                                                                  inspector_->RowLevel(cell.Y)),
                                  Point(X, Y));
      GoToRow(cell.Y);
      if (onBox) inspector_->SetRowExpanded(cell.Y, !inspector_->RowExpanded(cell.Y));
      return;
    }
    firstPressTime_ =
        Button == mbLeft && !Shift.Contains(ssDouble) ? CurrentBackend().Milliseconds() : -1;
    firstPress_ = Point(FormOrigin().X + X, FormOrigin().Y + Y);
    TCustomGrid::MouseDown(Button, Shift, X, Y);
  }

  // A double click on a name opens or closes the row's parts.
  void DblClick() override {
    TCustomGrid::DblClick();
    const int row = Row();
    if (row < inspector_->RowCount() && inspector_->RowExpandable(row))
      inspector_->SetRowExpanded(row, !inspector_->RowExpanded(row));
  }

 private:
  TObjectInspector* inspector_;
  // The last left press on a value (-1: none to pair with).
  int64_t firstPressTime_ = -1;
  TPoint firstPress_{};
};

void TInspectorEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool onList = EditStyle() == esPickList && PtInRect(ButtonRect(), Point(X, Y));
  const bool onDialog = DialogButtonShown() && PtInRect(DialogButtonRect(), Point(X, Y));
  if (Button == mbLeft && (onList || onDialog)) {
    if (CanFocus() && !Focused()) SetFocus();
    if (onDialog)
      inspector_->EditRow(EditedRow());
    else if (ValueList())
      CloseValues(false);
    else
      DropDownValues();
    return;
  }
  // The second press of a double click that began on the grid (the editor then opened under
  // the pointer) lands here as a plain press: it is the double click.
  auto* grid = static_cast<TInspectorGrid*>(Grid());
  if (Button == mbLeft && !Shift.Contains(ssDouble) && grid &&
      grid->TakeFirstPress(Point(FormOrigin().X + X, FormOrigin().Y + Y))) {
    DblClick();
    return;
  }
  TInplaceEditList::MouseDown(Button, Shift, X, Y);
}

// --- The inspector

TObjectInspector::TObjectInspector(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clBtnFace);
  grid_ = new TInspectorGrid(this);
  grid_->SetParent(this);
  SetBounds(Left(), Top(), 220, 320);
  LayoutChildren();
}

TObjectInspector::~TObjectInspector() {
  // The grid goes first, while this inspector is whole: an edit it writes through on its way
  // out (the focus leaving) finds no rows and no instance.
  if (auto* component = dynamic_cast<TComponent*>(instance_)) RemoveFreeNotification(component);
  instance_ = nullptr;
  rows_.clear();
  delete grid_;
  grid_ = nullptr;
}

void TObjectInspector::SetInspected(TDesigner* designer, TPersistent* instance) {
  if (grid_ && grid_->EditorMode()) grid_->CancelEditor();
  if (auto* old = dynamic_cast<TComponent*>(instance_); old && old != instance)
    RemoveFreeNotification(old);
  designer_ = designer;
  instance_ = instance;
  if (auto* component = dynamic_cast<TComponent*>(instance_)) component->FreeNotification(this);
  status_.clear();
  rows_.clear();
  if (grid_) grid_->GoToRow(0);
  BuildRows();
  Invalidate();
}

void TObjectInspector::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == grid_) {
    grid_ = nullptr;
  } else if (component != nullptr && component == dynamic_cast<TComponent*>(instance_)) {
    if (grid_ && grid_->EditorMode()) grid_->CancelEditor();
    instance_ = nullptr;
    designer_ = nullptr;
    rows_.clear();
    RowsChanged();
  }
}

void TObjectInspector::Refresh() {
  BuildRows();
  TCustomControl::Refresh();
}

void TObjectInspector::SetActiveTab(TInspectorTab value) {
  if (value == tab_) return;
  // What was typed on the tab being left is written through, as when leaving a row.
  if (grid_ && grid_->EditorMode()) grid_->HideEditor();
  tab_ = value;
  status_.clear();
  rows_.clear();
  if (grid_) grid_->GoToRow(0);
  BuildRows();
  Invalidate();
}

void TObjectInspector::BuildRows() {
  const std::string selected = SelectedRow() >= 0 ? RowPath(SelectedRow()) : std::string();
  if (grid_ && grid_->EditorMode()) grid_->CancelEditor();
  rows_.clear();
  if (instance_ != nullptr && tab_ == itProperties) {
    InsertRows(0, GetComponentProperties(designer_, instance_), "", 0, true);
  } else if (instance_ != nullptr) {
    const ClassRecord* record = ClassRecordOf(*instance_);
    std::vector<std::string> events = record ? AllEvents(*record) : std::vector<std::string>{};
    std::stable_sort(events.begin(), events.end(), NameLess);
    for (const std::string& event : events) {
      Row row;
      row.event = event;
      row.path = event;
      rows_.push_back(std::move(row));
    }
  }
  RowsChanged();
  const int again = FindRow(selected);
  if (grid_) grid_->GoToRow(std::max(again, 0));
}

void TObjectInspector::InsertRows(size_t at, std::vector<std::unique_ptr<TPropertyEditor>> editors,
                                  const std::string& parentPath, int level, bool sort) {
  if (sort)
    std::stable_sort(editors.begin(), editors.end(), [](const auto& a, const auto& b) {
      return NameLess(a->GetName(), b->GetName());
    });
  for (auto& editor : editors) {
    Row row;
    row.path = parentPath.empty() ? editor->GetName() : parentPath + "." + editor->GetName();
    row.level = level;
    row.editor = std::move(editor);
    const std::string path = row.path;
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(at), std::move(row));
    ++at;
    // A row the user opened before opens again.
    const int index = static_cast<int>(at) - 1;
    if (expanded_.contains(path) && RowExpandable(index) && level < kMaxDepth) {
      Row& inserted = rows_[at - 1];
      inserted.expanded = true;
      const bool sortParts = inserted.editor->Property().kind != TPropertyKind::Set;
      const size_t before = rows_.size();
      InsertRows(at, inserted.editor->GetProperties(), path, level + 1, sortParts);
      at += rows_.size() - before;
    }
  }
}

void TObjectInspector::RowsChanged() {
  if (!grid_) return;
  grid_->SetRowCount(std::max(RowCount(), 1));
  LayoutChildren();
  if (grid_->EditorMode() && grid_->InplaceEditor()) grid_->InplaceEditor()->UpdateContents();
  grid_->Invalidate();
}

std::string TObjectInspector::RowPath(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  return rows_[static_cast<size_t>(row)].path;
}

int TObjectInspector::FindRow(const std::string& path) const {
  for (int i = 0; i < RowCount(); ++i)
    if (SameText(rows_[static_cast<size_t>(i)].path, path)) return i;
  return -1;
}

std::string TObjectInspector::RowName(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  const Row& r = rows_[static_cast<size_t>(row)];
  return r.editor ? r.editor->GetName() : r.event;
}

std::string TObjectInspector::RowValue(int row) const {
  if (row < 0 || row >= RowCount()) return {};
  const Row& r = rows_[static_cast<size_t>(row)];
  if (!r.editor) return GetEventHandler ? GetEventHandler(r.event) : std::string();
  try {
    return r.editor->GetValue();
  } catch (const std::exception&) {
    return "(unreadable)";
  }
}

int TObjectInspector::RowLevel(int row) const {
  if (row < 0 || row >= RowCount()) return 0;
  return rows_[static_cast<size_t>(row)].level;
}

TPropertyEditor* TObjectInspector::RowEditor(int row) const {
  if (row < 0 || row >= RowCount()) return nullptr;
  return rows_[static_cast<size_t>(row)].editor.get();
}

bool TObjectInspector::RowExpandable(int row) const {
  TPropertyEditor* editor = RowEditor(row);
  return editor && editor->GetAttributes().Contains(paSubProperties);
}

bool TObjectInspector::RowExpanded(int row) const {
  return row >= 0 && row < RowCount() && rows_[static_cast<size_t>(row)].expanded;
}

bool TObjectInspector::RowReadOnly(int row) const {
  if (row < 0 || row >= RowCount()) return true;
  TPropertyEditor* editor = RowEditor(row);
  if (!editor) return !SetEventHandler;
  return editor->GetAttributes().Contains(paReadOnly);
}

void TObjectInspector::SetRowExpanded(int row, bool expanded) {
  if (!RowExpandable(row) || expanded == RowExpanded(row)) return;
  if (expanded)
    Expand(row);
  else
    Collapse(row);
}

void TObjectInspector::Expand(int row) {
  Row& r = rows_[static_cast<size_t>(row)];
  if (r.level >= kMaxDepth) return;
  r.expanded = true;
  expanded_.insert(r.path);
  // Copies: inserting the parts moves the rows, `r` with them.
  const std::string path = r.path;
  const int level = r.level + 1;
  const bool sortParts = r.editor->Property().kind != TPropertyKind::Set;
  InsertRows(static_cast<size_t>(row) + 1, r.editor->GetProperties(), path, level, sortParts);
  RowsChanged();
}

void TObjectInspector::Collapse(int row) {
  Row& r = rows_[static_cast<size_t>(row)];
  r.expanded = false;
  expanded_.erase(r.path);
  size_t end = static_cast<size_t>(row) + 1;
  while (end < rows_.size() && rows_[end].level > r.level) ++end;
  const int selected = SelectedRow();
  // The selection inside the closed parts moves up to the row that held them.
  if (selected > row && selected < static_cast<int>(end) && grid_) grid_->GoToRow(row);
  rows_.erase(rows_.begin() + row + 1, rows_.begin() + static_cast<std::ptrdiff_t>(end));
  RowsChanged();
}

int TObjectInspector::SelectedRow() const {
  if (rows_.empty() || !grid_) return -1;
  return std::min(grid_->Row(), RowCount() - 1);
}

void TObjectInspector::SelectRow(int row) {
  if (grid_ && row >= 0 && row < RowCount()) grid_->GoToRow(row);
}

bool TObjectInspector::CommitRow(int row, const std::string& text) {
  if (row < 0 || row >= RowCount()) return false;
  if (text == RowValue(row)) return true;
  Row& r = rows_[static_cast<size_t>(row)];
  try {
    if (r.editor) {
      r.editor->SetValue(text);
    } else {
      if (!SetEventHandler) throw EPropertyError("The handlers of " + r.event + " cannot be set");
      if (!text.empty() && !IsIdentifier(text))
        throw EPropertyError("'" + text + "' is not a valid handler name");
      SetEventHandler(r.event, text);
    }
  } catch (const std::exception& e) {
    ReportError(e.what());
    ResetEditorText(row);
    return false;
  }
  SetStatus("");
  ResetEditorText(row);
  if (grid_) grid_->Invalidate();
  OnModified(this);
  return true;
}

void TObjectInspector::StepValue(int row) {
  TPropertyEditor* editor = RowEditor(row);
  if (!editor) return;
  const std::vector<std::string> values = editor->GetValues();
  if (values.empty()) return;
  const std::string current = RowValue(row);
  auto it = std::find_if(values.begin(), values.end(),
                         [&](const std::string& v) { return SameText(v, current); });
  const size_t next =
      it == values.end() ? 0 : (static_cast<size_t>(it - values.begin()) + 1) % values.size();
  CommitRow(row, values[next]);
}

void TObjectInspector::EditRow(int row) {
  TPropertyEditor* editor = RowEditor(row);
  if (!editor || !editor->GetAttributes().Contains(paDialog)) return;
  const std::string before = RowValue(row);
  try {
    editor->Edit();
  } catch (const std::exception& e) {
    ReportError(e.what());
  }
  ResetEditorText(row);
  if (grid_) grid_->Invalidate();
  if (RowValue(row) != before) {
    SetStatus("");
    OnModified(this);
  }
}

void TObjectInspector::ReportError(const std::string& message) {
  SetStatus(message);
  if (OnError) OnError(message);
}

void TObjectInspector::SetStatus(const std::string& text) {
  if (text == status_) return;
  status_ = text;
  Invalidate();
}

void TObjectInspector::ResetEditorText(int row) {
  if (!grid_ || !grid_->EditorMode() || grid_->EditorCell().Y != row) return;
  TInplaceEdit* editor = grid_->InplaceEditor();
  editor->SetText(RowValue(row));
  editor->SelectAll();
  editor->Invalidate();
}

TRect TObjectInspector::TabRect(TInspectorTab tab) const {
  // Each header fits its caption; the active one stands two pixels taller.
  const int width = 72;
  const int left = 4 + (tab == itProperties ? 0 : width);
  return Rect(left, 2, left + width, kTabHeight);
}

TRect TObjectInspector::StatusRect() const {
  return Rect(0, Height() - kStatusHeight, Width(), Height());
}

TCustomGrid* TObjectInspector::Grid() const {
  return grid_;
}

TInplaceEditList* TObjectInspector::Editor() const {
  return grid_ ? dynamic_cast<TInplaceEditList*>(grid_->InplaceEditor()) : nullptr;
}

TDropDownList* TObjectInspector::ValueList() const {
  auto* editor = grid_ ? dynamic_cast<TInspectorEdit*>(grid_->InplaceEditor()) : nullptr;
  return editor ? editor->ValueList() : nullptr;
}

void TObjectInspector::Resize() {
  TCustomControl::Resize();
  LayoutChildren();
}

// The grid between the tabs and the status line; the name column takes two fifths, more (up
// to a half) when a name needs it.
void TObjectInspector::LayoutChildren() {
  if (!grid_) return;
  grid_->SetBounds(0, kTabHeight, Width(), std::max(Height() - kTabHeight - kStatusHeight, 0));
  grid_->SetDefaultRowHeight(MeasureText(Font()->Spec(), "").height + 3);
  const int inner = std::max(Width() - 2 * grid_->BorderWidth() - kGridScrollBarSize - 2, 20);
  int widest = 0;
  for (int row = 0; row < RowCount(); ++row)
    widest = std::max(widest, MeasureText(Font()->Spec(), RowName(row)).width +
                                  ExpandBoxRect(Rect(0, 0, 0, 0), RowLevel(row)).Right + 14);
  const int names = std::max(std::min(widest, inner / 2), std::max(inner * 2 / 5, 10));
  grid_->SetColWidths(0, names);
  grid_->SetColWidths(1, inner - names);
}

void TObjectInspector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft) return;
  for (TInspectorTab tab : {itProperties, itEvents})
    if (PtInRect(TabRect(tab), Point(X, Y))) SetActiveTab(tab);
}

}  // namespace designer
