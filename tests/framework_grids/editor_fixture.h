// A grid that keeps cell texts for the in-place editor tests: GetEditText reads them,
// SetEditText stores them and records every call; column 2 edits through a pick list.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/grids/inplace_edit.h"
#include "grid_fixture.h"

namespace fw::test {

class TextGrid : public TDrawGrid {
 public:
  using TDrawGrid::TDrawGrid;
  std::map<std::pair<int, int>, std::string> cells;
  struct Write {
    int col, row;
    std::string value;
  };
  std::vector<Write> writes;
  std::vector<std::string> pickItems{"red", "green", "blue"};
  int dropDownRows = 2;

  std::string Cell(int c, int r) { return cells[{c, r}]; }
  std::string GetEditText(int ACol, int ARow) override {
    auto it = cells.find({ACol, ARow});
    return it == cells.end() ? std::string() : it->second;
  }
  void SetEditText(int ACol, int ARow, const std::string& Value) override {
    cells[{ACol, ARow}] = Value;
    writes.push_back({ACol, ARow, Value});
    TDrawGrid::SetEditText(ACol, ARow, Value);
  }
  TEditStyle GetEditStyle(int ACol, int) override { return ACol == 2 ? esPickList : esSimple; }

 protected:
  TInplaceEdit* CreateEditor() override {
    auto* editor = new TInplaceEditList(this);
    editor->SetDropDownRows(dropDownRows);
    for (const std::string& item : pickItems) editor->PickList()->Add(item);
    return editor;
  }
};

// A shown, focused 300 x 200 grid of 10 x 50 cells (one fixed row and column, no border, no
// scroll bars) with goEditing, every cell (c, r) holding "c:r".
struct EditorFixture {
  TestHost host{400, 300};
  TextGrid* grid;

  EditorFixture() {
    grid = PlaceTestGrid<TextGrid>(host);
    grid->SetOptions(grid->Options() + TGridOptions{goEditing});
    for (int c = 0; c < 10; ++c)
      for (int r = 0; r < 50; ++r)
        grid->cells[{c, r}] = std::to_string(c) + ":" + std::to_string(r);
    host.Show();
    grid->SetFocus();
  }
  TPoint Centre(int c, int r) const {
    const TRect rect = grid->CellRect(c, r);
    return {(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2};
  }
  void ClickCell(int c, int r) {
    const TPoint p = Centre(c, r);
    host.Click(p.X, p.Y);
  }
  // A key as a keyboard delivers it: the key down, its character, the key up.
  void Stroke(uint16_t vk, char32_t ch) {
    host.KeyDown(vk);
    host.KeyPress(ch);
    host.KeyUp(vk);
  }
  void Enter() { Stroke(VK_RETURN, U'\r'); }
  void Escape() { Stroke(VK_ESCAPE, 0x1B); }
  TInplaceEditList* Editor() const {
    return dynamic_cast<TInplaceEditList*>(grid->InplaceEditor());
  }
};

}  // namespace fw::test
