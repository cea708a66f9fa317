// TObjectInspector: the designer's property and event view of one component. Two tabs; the
// Properties tab lists the published properties (name | value) through the property editors
// of framework/design, the Events tab the class's events with the handler names.
//
// Call flow:
//   SetInspected / Refresh / SetActiveTab -> BuildRows: editors of the instance, sorted, with
//                                 the sub-properties of the expanded rows (kept by path)
//   grid paints a cell          -> PaintNameCell (indent, +/- box) | PaintValueCell (swatch)
//   the in-place editor opens   -> RowValue (GetValue or the handler name), edit style by the
//                                 editor's attributes (value list: drop-down; dialog: "...")
//   Enter / leaving the row     -> CommitRow -> SetValue | SetEventHandler; a refusal goes to
//                                 ReportError and the editor shows the old value again
//   double click on a value     -> StepValue (the next of GetValues) | EditRow (Edit())
#pragma once

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "framework/controls/customcontrol.h"
#include "framework/design/property_editor.h"

namespace fw {
class TCustomGrid;
class TDropDownList;
class TInplaceEditList;
}  // namespace fw

namespace designer {

class TInspectorGrid;

enum TInspectorTab : uint8_t { itProperties, itEvents };

class TObjectInspector : public fw::TCustomControl {
 public:
  explicit TObjectInspector(fw::TComponent* AOwner);
  ~TObjectInspector() override;

  // The component (or other persistent) shown, and the designer its editors report to;
  // nullptr shows nothing. An edit in progress is dropped, not written.
  void SetInspected(fw::TDesigner* designer, fw::TPersistent* instance);
  fw::TPersistent* Inspected() const { return instance_; }
  fw::TDesigner* Designer() const { return designer_; }
  // Reads every value and the rows again (after the surface moved a control, say), keeping
  // the expanded rows and the selected one.
  void Refresh();

  TInspectorTab ActiveTab() const { return tab_; }
  void SetActiveTab(TInspectorTab value);

  // --- The rows of the active tab, top to bottom (sub-properties follow their property).
  int RowCount() const { return static_cast<int>(rows_.size()); }
  // A row's path: "Font.Style.fsBold" (the property names down to it), or the event name.
  std::string RowPath(int row) const;
  // -1 for a path not shown.
  int FindRow(const std::string& path) const;
  std::string RowName(int row) const;
  // The value as shown: GetValue, or the event's handler name.
  std::string RowValue(int row) const;
  int RowLevel(int row) const;
  // The row's editor (nullptr on the Events tab).
  fw::TPropertyEditor* RowEditor(int row) const;
  bool RowExpandable(int row) const;
  bool RowExpanded(int row) const;
  void SetRowExpanded(int row, bool expanded);

  int SelectedRow() const;
  void SelectRow(int row);
  // Sets a row from text as Enter does: SetValue (or the handler name). False after a refusal,
  // which is reported and leaves the value as it was.
  bool CommitRow(int row, const std::string& text);
  // The next of the row's values (a double click on a value-list row); wraps around.
  void StepValue(int row);
  // The row's dialog (the "..." button, Ctrl+Enter).
  void EditRow(int row);

  // The error shown at the bottom (empty when none).
  const std::string& StatusText() const { return status_; }
  // Areas in client coordinates: the tab headers and the rows' grid.
  fw::TRect TabRect(TInspectorTab tab) const;
  fw::TCustomGrid* Grid() const;
  // The in-place editor while one exists.
  fw::TInplaceEditList* Editor() const;
  // The drop-down list of the selected row's values while it is open (F4, Alt+Down, the
  // arrow button), else nullptr.
  fw::TDropDownList* ValueList() const;

  // Called with the message of each refused value (besides the red status line).
  std::function<void(const std::string& message)> OnError;
  // After each successful change of a value or a handler name.
  fw::TNotifyEvent OnModified;
  // The document's handler names; without SetEventHandler the handler column is read-only.
  std::function<std::string(const std::string& event)> GetEventHandler;
  std::function<void(const std::string& event, const std::string& handler)> SetEventHandler;

 protected:
  void Paint() override;
  void Resize() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  // An inspected component being deleted is no longer inspected.
  void Notification(fw::TComponent* component, fw::TOperation operation) override;

 private:
  friend class TInspectorGrid;
  friend class TInspectorEdit;
  friend class TValueListPopup;

  struct Row {
    std::unique_ptr<fw::TPropertyEditor> editor;  // Properties tab
    std::string event;                            // Events tab
    std::string path;
    int level = 0;
    bool expanded = false;
  };

  void BuildRows();
  // Adds the rows of `editors` (sorted unless they are a set's elements) after `at`.
  void InsertRows(size_t at, std::vector<std::unique_ptr<fw::TPropertyEditor>> editors,
                  const std::string& parentPath, int level, bool sort);
  void Expand(int row);
  void Collapse(int row);
  void RowsChanged();
  void ReportError(const std::string& message);
  void SetStatus(const std::string& text);
  // Puts the row's current text into the open editor when it edits that row.
  void ResetEditorText(int row);
  bool RowReadOnly(int row) const;
  void LayoutChildren();
  fw::TRect StatusRect() const;

  // Painting (object_inspector_paint.cpp).
  void PaintTabs(fw::TCanvas* canvas);
  void PaintStatus(fw::TCanvas* canvas);
  void PaintNameCell(fw::TCanvas* canvas, int row, const fw::TRect& rect, bool current) const;
  void PaintValueCell(fw::TCanvas* canvas, int row, const fw::TRect& rect) const;
  // The colour a colour row holds (false for other rows and values that do not read).
  bool RowColor(int row, fw::TColor& color) const;
  static fw::TRect ExpandBoxRect(const fw::TRect& nameCell, int level);
  static void PaintSwatch(fw::TCanvas* canvas, const fw::TRect& box, fw::TColor color);
  static void PaintEllipsisButton(fw::TCanvas* canvas, const fw::TRect& rect, bool enabled);

  fw::TDesigner* designer_ = nullptr;
  fw::TPersistent* instance_ = nullptr;
  TInspectorTab tab_ = itProperties;
  std::vector<Row> rows_;
  // Paths of the expanded rows; kept when another instance is inspected.
  std::set<std::string> expanded_;
  std::string status_;
  TInspectorGrid* grid_ = nullptr;  // owned as a child component
};

}  // namespace designer
