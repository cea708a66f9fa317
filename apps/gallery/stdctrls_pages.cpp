// Gallery page of the edit controls: edits in their states, a memo, and grids with an open
// in-place editor and an open pick list, rendered with PaintTo onto the page.
#include <memory>
#include <string>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "framework/grids/inplace_edit.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/memo.h"

namespace gallery {
namespace {

using namespace fw;

// A grid whose cells show "r:c" and whose third column edits through a pick list.
class SampleGrid : public TDrawGrid {
 public:
  explicit SampleGrid(TComponent* owner) : TDrawGrid(owner) {
    SetBounds(0, 0, 360, 170);
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
    if (r == 0) return c == 0 ? "" : (c == 2 ? "Colour" : "Col " + std::to_string(c));
    if (c == 0) return "Row " + std::to_string(r);
    if (c == 2) return r % 2 ? "red" : "green";
    return std::to_string(r) + ":" + std::to_string(c);
  }
  std::string GetEditText(int c, int r) override { return CellText(c, r); }
  TEditStyle GetEditStyle(int c, int) override { return c == 2 ? esPickList : esSimple; }

 protected:
  TInplaceEdit* CreateEditor() override {
    auto* editor = new TInplaceEditList(this);
    editor->SetDropDownRows(4);
    for (const char* item : {"red", "green", "blue", "yellow", "white", "black"})
      editor->PickList()->Add(item);
    return editor;
  }
};

std::unique_ptr<TEdit> MakeEdit(const std::string& text) {
  auto edit = std::make_unique<TEdit>(nullptr);
  edit->SetBounds(0, 0, 280, 21);
  edit->SetText(text);
  return edit;
}

void RenderEdits(TCanvas* c) {
  Caption(c, 10, 8, "TEdit: plain, selection, password, read-only, disabled");
  auto plain = MakeEdit("Plain text, caret at the end");
  plain->PaintTo(c, 10, 28);
  auto selected = MakeEdit("Part of this text is selected");
  selected->SetHideSelection(false);
  selected->SetSelStart(8);
  selected->SetSelLength(12);
  selected->PaintTo(c, 10, 58);
  auto password = MakeEdit("secret");
  password->SetPasswordChar(U'*');
  password->PaintTo(c, 10, 88);
  auto readOnly = MakeEdit("Read-only: can be copied");
  readOnly->SetReadOnly(true);
  readOnly->SetColor(clBtnFace);
  readOnly->PaintTo(c, 10, 118);
  auto disabled = MakeEdit("Disabled");
  disabled->SetEnabled(false);
  disabled->PaintTo(c, 10, 148);
  auto scrolled = MakeEdit("A text longer than the box scrolls to keep the caret in view");
  scrolled->SetSelStart(60);
  scrolled->PaintTo(c, 10, 178);
}

void RenderMemo(TCanvas* c) {
  Caption(c, 360, 8, "TMemo: word wrap, vertical scroll bar, selection");
  auto memo = std::make_unique<TMemo>(nullptr);
  memo->SetBounds(0, 0, 400, 130);
  memo->SetScrollBars(ssVertical);
  memo->SetHideSelection(false);
  memo->SetText(
      "A memo keeps its text as lines.\nLong lines wrap at blanks to fit the width of the "
      "memo, and the rows scroll to keep the caret in view.\n\nThird paragraph.\nLine five\n"
      "Line six\nLine seven\nLine eight\nLine nine");
  memo->SetSelStart(32);
  memo->SetSelLength(40);
  memo->SetTopRow(1);
  memo->PaintTo(c, 360, 28);
}

void RenderGridEditors(TCanvas* c) {
  Caption(c, 10, 220, "Grid with an open in-place editor");
  auto grid = std::make_unique<SampleGrid>(nullptr);
  grid->SetCol(3);
  grid->SetRow(2);
  grid->ShowEditor();
  grid->InplaceEditor()->SetText("edited text");
  grid->InplaceEditor()->SetSelStart(7);
  grid->InplaceEditor()->SetSelLength(4);
  grid->InplaceEditor()->SetHideSelection(false);
  grid->PaintTo(c, 10, 240);

  Caption(c, 400, 220, "Grid with an open pick list (blue chosen)");
  auto pick = std::make_unique<SampleGrid>(nullptr);
  pick->SetCol(2);
  pick->SetRow(1);
  pick->ShowEditor();
  auto* editor = dynamic_cast<TInplaceEditList*>(pick->InplaceEditor());
  if (editor) {
    editor->DropDown();
    if (TPickListPopup* list = editor->ListControl()) list->SetItemIndex(2);
  }
  pick->PaintTo(c, 400, 240);
}

void RenderStdCtrls(TBitmap& page) {
  TCanvas* c = page.Canvas();
  c->Brush()->SetColor(clBtnFace);
  c->FillRect(Rect(0, 0, page.Width(), page.Height()));
  RenderEdits(c);
  RenderMemo(c);
  RenderGridEditors(c);
}

}  // namespace

std::vector<Page> StdCtrlsPages() {
  return {
      {"stdctrls_edits", "Edit controls: edits, memo, in-place editors", 780, 430, RenderStdCtrls}};
}

}  // namespace gallery
