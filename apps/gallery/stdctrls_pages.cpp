// Gallery page of the edit controls: edits in their states, a memo, and grids with an open
// in-place editor and an open pick list, as live controls on the page's form.
#include <map>
#include <string>
#include <utility>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "framework/grids/inplace_edit.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/memo.h"

namespace gallery {
namespace {

using namespace fw;

// A grid whose cells show "r:c" and whose third column edits through a pick list; it keeps
// the texts its editors accept.
class SampleGrid : public TDrawGrid {
 public:
  explicit SampleGrid(TComponent* owner) : TDrawGrid(owner) {
    SetColCount(5);
    SetRowCount(12);
    SetOptions(Options() + TGridOptions{goEditing});
    OnDrawCell = [this](TObject*, int c, int r, TRect rect, TGridDrawState) {
      Canvas()->Brush()->SetStyle(bsClear);
      Canvas()->TextRect(rect, rect.Left + 2, rect.Top + 4, CellText(c, r));
      Canvas()->Brush()->SetStyle(bsSolid);
    };
  }
  std::string CellText(int c, int r) const {
    if (const auto it = edited_.find({c, r}); it != edited_.end()) return it->second;
    if (r == 0) return c == 0 ? "" : (c == 2 ? "Colour" : "Col " + std::to_string(c));
    if (c == 0) return "Row " + std::to_string(r);
    if (c == 2) return r % 2 ? "red" : "green";
    return std::to_string(r) + ":" + std::to_string(c);
  }
  std::string GetEditText(int c, int r) override { return CellText(c, r); }
  void SetEditText(int c, int r, const std::string& value) override {
    edited_[{c, r}] = value;
    Invalidate();
    TDrawGrid::SetEditText(c, r, value);
  }
  TEditStyle GetEditStyle(int c, int) override { return c == 2 ? esPickList : esSimple; }

 protected:
  TInplaceEdit* CreateEditor() override {
    auto* editor = new TInplaceEditList(this);
    editor->SetDropDownRows(4);
    for (const char* item : {"red", "green", "blue", "yellow", "white", "black"})
      editor->PickList()->Add(item);
    return editor;
  }

 private:
  std::map<std::pair<int, int>, std::string> edited_;
};

// An edit on the form at (x, y) holding `text`.
TEdit* PlaceEdit(TForm& form, int x, int y, const std::string& text) {
  auto* edit = new TEdit(&form);
  edit->SetBounds(x, y, 280, 21);
  edit->SetText(text);
  edit->SetParent(&form);
  return edit;
}

void PlaceEdits(TForm& form) {
  PlaceCaption(form, 10, 8, "TEdit: plain, selection, password, read-only, disabled");
  PlaceEdit(form, 10, 28, "Plain text, caret at the end");
  TEdit* selected = PlaceEdit(form, 10, 58, "Part of this text is selected");
  selected->SetHideSelection(false);
  selected->SetSelStart(8);
  selected->SetSelLength(12);
  TEdit* password = PlaceEdit(form, 10, 88, "secret");
  password->SetPasswordChar(U'*');
  TEdit* readOnly = PlaceEdit(form, 10, 118, "Read-only: can be copied");
  readOnly->SetReadOnly(true);
  readOnly->SetColor(clBtnFace);
  TEdit* disabled = PlaceEdit(form, 10, 148, "Disabled");
  disabled->SetEnabled(false);
  TEdit* scrolled =
      PlaceEdit(form, 10, 178, "A text longer than the box scrolls to keep the caret in view");
  scrolled->SetSelStart(60);
}

void PlaceMemo(TForm& form) {
  PlaceCaption(form, 360, 8, "TMemo: word wrap, vertical scroll bar, selection");
  auto* memo = new TMemo(&form);
  memo->SetBounds(360, 28, 400, 130);
  memo->SetScrollBars(ssVertical);
  memo->SetHideSelection(false);
  memo->SetParent(&form);
  memo->SetText(
      "A memo keeps its text as lines.\nLong lines wrap at blanks to fit the width of the "
      "memo, and the rows scroll to keep the caret in view.\n\nThird paragraph.\nLine five\n"
      "Line six\nLine seven\nLine eight\nLine nine");
  memo->SetSelStart(32);
  memo->SetSelLength(40);
  memo->SetTopRow(1);
}

SampleGrid* PlaceSampleGrid(TForm& form, int x, int y, const std::string& caption) {
  PlaceCaption(form, x, y - 20, caption);
  auto* grid = new SampleGrid(&form);
  grid->SetBounds(x, y, 360, 170);
  grid->SetParent(&form);
  return grid;
}

// The editors open once the form is shown: the pick list's editor takes the focus (its list
// closes when it loses it); the other editor stays open beside it without the focus.
void PlaceGridEditors(TForm& form) {
  SampleGrid* grid = PlaceSampleGrid(form, 10, 240, "Grid with an open in-place editor");
  SampleGrid* pick = PlaceSampleGrid(form, 400, 240, "Grid with an open pick list (blue chosen)");
  WhenFirstShown(form, [&form, grid, pick] {
    grid->SetCol(3);
    grid->SetRow(2);
    grid->ShowEditor();
    if (TInplaceEdit* editor = grid->InplaceEditor()) {
      editor->SetText("edited text");
      editor->SetSelStart(7);
      editor->SetSelLength(4);
      editor->SetHideSelection(false);
    }
    pick->SetCol(2);
    pick->SetRow(1);
    pick->ShowEditor();
    if (auto* editor = dynamic_cast<TInplaceEditList*>(pick->InplaceEditor())) {
      form.SetActiveControl(editor);
      editor->DropDown();
      if (TPickListPopup* list = editor->ListControl()) list->SetItemIndex(2);
    }
  });
}

void BuildStdCtrls(TForm& form) {
  PlaceEdits(form);
  PlaceMemo(form);
  PlaceGridEditors(form);
}

}  // namespace

std::vector<Page> StdCtrlsPages() {
  return {LivePage("stdctrls_edits", "Edit controls: edits, memo, in-place editors", 780, 430,
                   BuildStdCtrls)};
}

}  // namespace gallery
