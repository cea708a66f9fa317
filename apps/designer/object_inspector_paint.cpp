// TObjectInspector painting: the tab headers, the name and value cells of the rows' grid
// (indentation, +/- boxes, colour swatches), the status line, and the small pieces the
// in-place editor shares (swatch, "..." button).
#include "apps/designer/object_inspector.h"

#include "framework/graphics/frame3d.h"

namespace designer {

using namespace fw;

namespace {

constexpr int kIndent = 10;  // per level of sub-properties
constexpr int kBoxSize = 9;  // the +/- box

}  // namespace

void TObjectInspector::Paint() {
  TCanvas* canvas = Canvas();
  if (!canvas) return;
  TCanvasStateSaver saver(*canvas);
  // The face behind the tabs and the status line (the grid covers the rest).
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(ClientRect());
  canvas->SetFont(Font());
  PaintTabs(canvas);
  PaintStatus(canvas);
}

// Tab headers on the face: the active one raised, two pixels taller and open towards the
// rows below; the inactive one lower, its bottom closed by the page's top edge.
void TObjectInspector::PaintTabs(TCanvas* canvas) {
  const TRect page =
      Rect(0, TabRect(itProperties).Bottom - 1, Width(), TabRect(itProperties).Bottom);
  canvas->Pen()->SetColor(clBtnHighlight);
  canvas->MoveTo(page.Left, page.Top);
  canvas->LineTo(page.Right, page.Top);
  // The inactive tab first: the active one overlaps it.
  for (TInspectorTab tab : {tab_ == itProperties ? itEvents : itProperties, tab_}) {
    const bool active = tab == tab_;
    TRect r = TabRect(tab);
    if (!active) r.Top += 2;
    if (active) r = Rect(r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom);
    canvas->Brush()->SetColor(clBtnFace);
    canvas->FillRect(r);
    // Left and top in the highlight with a cut corner, right in the two shadows.
    canvas->Pen()->SetColor(clBtnHighlight);
    canvas->MoveTo(r.Left, r.Bottom - (active ? 0 : 1));
    canvas->LineTo(r.Left, r.Top + 2);
    canvas->LineTo(r.Left + 2, r.Top);
    canvas->LineTo(r.Right - 2, r.Top);
    canvas->Pen()->SetColor(cl3DDkShadow);
    canvas->MoveTo(r.Right - 2, r.Top + 1);
    canvas->LineTo(r.Right - 1, r.Top + 2);
    canvas->LineTo(r.Right - 1, r.Bottom - (active ? 0 : 1));
    canvas->Pen()->SetColor(clBtnShadow);
    canvas->MoveTo(r.Right - 2, r.Top + 2);
    canvas->LineTo(r.Right - 2, r.Bottom - (active ? 0 : 1));
    const std::string caption = tab == itProperties ? "Properties" : "Events";
    canvas->Brush()->SetStyle(bsClear);
    canvas->Font()->SetColor(clBtnText);
    const int x = (r.Left + r.Right - canvas->TextWidth(caption)) / 2;
    const int y = (r.Top + r.Bottom - canvas->TextHeight(caption)) / 2;
    canvas->TextOut(x, y, caption);
    canvas->Brush()->SetStyle(bsSolid);
  }
}

// A sunken line at the bottom: the last refusal in red, else the selected row's path.
void TObjectInspector::PaintStatus(TCanvas* canvas) {
  const TRect r = StatusRect();
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(r);
  const TRect inner =
      Frame3D(canvas, Rect(r.Left, r.Top + 1, r.Right, r.Bottom), clBtnShadow, clBtnHighlight);
  const bool error = !status_.empty();
  const std::string text = error ? status_ : RowPath(SelectedRow());
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(error ? clRed : clBtnText);
  canvas->TextRect(inner, inner.Left + 3,
                   inner.Top + (inner.Height() - canvas->TextHeight("Ag")) / 2, text);
  canvas->Brush()->SetStyle(bsSolid);
}

TRect TObjectInspector::ExpandBoxRect(const TRect& nameCell, int level) {
  const int left = nameCell.Left + 3 + level * kIndent;
  const int top = nameCell.Top + (nameCell.Height() - kBoxSize) / 2;
  return Bounds(left, top, kBoxSize, kBoxSize);
}

// The name, indented by its level behind the room of a +/- box; the selected row's name is
// highlighted.
void TObjectInspector::PaintNameCell(TCanvas* canvas, int row, const TRect& rect,
                                     bool current) const {
  TCanvasStateSaver saver(*canvas);
  const bool shown = row < RowCount();
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(rect);
  if (!shown) return;
  const TRect box = ExpandBoxRect(rect, RowLevel(row));
  if (RowExpandable(row)) {
    canvas->Brush()->SetColor(clWindow);
    canvas->FillRect(box);
    canvas->Brush()->SetColor(clBtnShadow);
    canvas->FrameRect(box);
    // The minus, and the plus's upright while closed.
    const int cx = box.Left + kBoxSize / 2;
    const int cy = box.Top + kBoxSize / 2;
    canvas->Brush()->SetColor(clWindowText);
    canvas->FillRect(Rect(box.Left + 2, cy, box.Right - 2, cy + 1));
    if (!RowExpanded(row)) canvas->FillRect(Rect(cx, box.Top + 2, cx + 1, box.Bottom - 2));
  }
  const std::string name = RowName(row);
  const int x = box.Right + 3;
  const int y = rect.Top + (rect.Height() - canvas->TextHeight(name)) / 2;
  if (current) {
    canvas->Brush()->SetColor(clHighlight);
    canvas->FillRect(Rect(x - 2, rect.Top + 1,
                          std::min(x + canvas->TextWidth(name) + 2, rect.Right), rect.Bottom - 1));
  }
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(current ? clHighlightText : clBtnText);
  canvas->TextRect(rect, x, y, name);
}

// The value in navy on the window colour, behind a swatch for a colour.
void TObjectInspector::PaintValueCell(TCanvas* canvas, int row, const TRect& rect) const {
  TCanvasStateSaver saver(*canvas);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clWindow);
  canvas->FillRect(rect);
  if (row >= RowCount()) return;
  int x = rect.Left + 2;
  TColor color = 0;
  if (RowColor(row, color)) {
    PaintSwatch(canvas, Bounds(rect.Left + 2, rect.Top + (rect.Height() - 11) / 2, 11, 11), color);
    x = rect.Left + 2 + 16;
  }
  const std::string value = RowValue(row);
  canvas->Brush()->SetStyle(bsClear);
  canvas->Font()->SetColor(RowReadOnly(row) && !RowExpandable(row) ? clGrayText : clNavy);
  canvas->TextRect(rect, x, rect.Top + (rect.Height() - canvas->TextHeight(value)) / 2, value);
}

bool TObjectInspector::RowColor(int row, TColor& color) const {
  TPropertyEditor* editor = RowEditor(row);
  if (!editor || editor->Property().kind != TPropertyKind::Color) return false;
  try {
    color = StringToColor(editor->GetValue());
  } catch (const std::exception&) {
    return false;
  }
  return true;
}

// A colour in a black frame (system colours resolved as they are drawn).
void TObjectInspector::PaintSwatch(TCanvas* canvas, const TRect& box, TColor color) {
  TCanvasStateSaver saver(*canvas);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBlack);
  canvas->FrameRect(box);
  canvas->Brush()->SetColor(color);
  canvas->FillRect(Rect(box.Left + 1, box.Top + 1, box.Right - 1, box.Bottom - 1));
}

// A raised button with three dots, as the in-place editor draws its own.
void TObjectInspector::PaintEllipsisButton(TCanvas* canvas, const TRect& rect, bool enabled) {
  TCanvasStateSaver saver(*canvas);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(clBtnFace);
  canvas->FillRect(rect);
  Frame3D(canvas, rect, clBtnHighlight, cl3DDkShadow);
  Frame3D(canvas, Rect(rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom - 1), clBtnFace,
          clBtnShadow);
  const int cx = (rect.Left + rect.Right) / 2;
  const int cy = (rect.Top + rect.Bottom) / 2;
  canvas->Brush()->SetColor(enabled ? clBtnText : clGrayText);
  for (int dx : {-4, 0, 4}) canvas->FillRect(Rect(cx + dx - 1, cy, cx + dx + 1, cy + 2));
}

}  // namespace designer
