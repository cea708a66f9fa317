// TCustomTreeView painting: the edges, the rows in view with their dotted lines, expand
// buttons and texts, and the scroll bar.
#include <algorithm>

#include "framework/comctrls/treeview.h"

namespace fw {

namespace {

// Lines are dotted on the pixels whose coordinates add up to an even number, so the dots of
// crossing and continuing lines always meet.
void DottedVLine(TCanvas* canvas, int x, int y1, int y2, TColor color) {
  for (int y = y1 + ((x + y1) & 1); y < y2; y += 2) canvas->SetPixels(x, y, color);
}

void DottedHLine(TCanvas* canvas, int x1, int x2, int y, TColor color) {
  for (int x = x1 + ((x1 + y) & 1); x < x2; x += 2) canvas->SetPixels(x, y, color);
}

constexpr TColor kLineColor = clBtnShadow;
// The button is a 9 x 9 box.
constexpr int kButtonHalf = 4;

}  // namespace

void TCustomTreeView::Paint() {
  TCanvas* canvas = Canvas();
  TCanvasStateSaver saved(*canvas);
  // Background and edges.
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->FillRect(Rect(0, 0, Width(), Height()));
  edges_.Paint(canvas, Rect(0, 0, Width(), Height()), Color(), Ctl3D());
  // The rows in view.
  const TRect area = RowsArea();
  if (TCanvasStateSaver clipped(*canvas); canvas->IntersectClipRect(area)) {
    canvas->SetFont(Font());
    const int last =
        std::min(topRow_ + VisibleRowCount() + 1, static_cast<int>(VisibleNodes().size()));
    for (int row = topRow_; row < last; ++row) PaintRow(canvas, area, row);
  }
  // The scroll bar.
  if (const TScrollBarLayout bar = BarLayout(true); bar.Shown()) bar.Paint(canvas);
}

void TCustomTreeView::PaintRow(TCanvas* canvas, const TRect& area, int row) {
  const TTreeNode* node = VisibleNodes()[static_cast<std::size_t>(row)];
  const int h = ItemHeight();
  const int top = area.Top + (row - topRow_) * h;
  const int cy = top + h / 2;
  const int cx = ButtonCenterX(node);
  const bool hasColumn = node->Level() + (showRoot_ ? 1 : 0) > 0;
  // Lines, then the button over them.
  if (showLines_) PaintLines(canvas, node, top, cx);
  if (hasColumn && showButtons_ && node->HasChildren()) PaintButton(canvas, node, cx, cy);
  // The text, in a box highlighted when selected.
  const int left = TextLeft(node);
  const int textWidth = TextWidth(node);
  const TRect box = Rect(left, top, left + textWidth + 4, top + h);
  TColor textColor = Enabled() ? Font()->Color() : clGrayText;
  if (node == selected_) {
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Focused() ? clHighlight : clBtnFace);
    canvas->FillRect(box);
    if (Focused()) textColor = clHighlightText;
  }
  const bool hot = hotTrack_ && node == hotNode_;
  if (hot && node != selected_) textColor = clHighlight;
  canvas->Font()->SetColor(textColor);
  canvas->Font()->SetStyle(hot ? Font()->Style() + TFontStyles{fsUnderline} : Font()->Style());
  canvas->Brush()->SetStyle(bsClear);
  canvas->TextOut(left + 2, top + (h - canvas->TextHeight(node->Text())) / 2, node->Text());
}

// For each ancestor with a sibling still to come, a line down through the row; the node's own
// line from the row's top to its middle (and on down when a sibling follows) and across to
// its text. A first top-level node starts its line in the middle.
void TCustomTreeView::PaintLines(TCanvas* canvas, const TTreeNode* node, int top, int cx) {
  const int h = ItemHeight();
  const int cy = top + h / 2;
  const int firstColumn = showRoot_ ? 0 : 1;
  int x = cx;
  for (const TTreeNode* n = node; n && n->Level() >= firstColumn; n = n->Parent(), x -= indent_) {
    const bool more = n->GetNextSibling() != nullptr;
    if (n != node) {
      if (more) DottedVLine(canvas, x, top, top + h, kLineColor);
      continue;
    }
    const bool first = !n->Parent() && n->Index() == 0;
    DottedVLine(canvas, x, first ? cy : top, more ? top + h : cy + 1, kLineColor);
    DottedHLine(canvas, x, TextLeft(node) - 1, cy, kLineColor);
  }
}

void TCustomTreeView::PaintButton(TCanvas* canvas, const TTreeNode* node, int cx, int cy) {
  const TRect box =
      Rect(cx - kButtonHalf, cy - kButtonHalf, cx + kButtonHalf + 1, cy + kButtonHalf + 1);
  canvas->Pen()->SetStyle(psSolid);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetMode(pmCopy);
  canvas->Pen()->SetColor(kLineColor);
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(Color());
  canvas->Rectangle(box);
  // A minus sign, crossed into a plus while the node is closed.
  canvas->Pen()->SetColor(clWindowText);
  canvas->MoveTo(cx - 2, cy);
  canvas->LineTo(cx + 3, cy);
  if (!node->Expanded()) {
    canvas->MoveTo(cx, cy - 2);
    canvas->LineTo(cx, cy + 3);
  }
}

// The bar counts rows.
TScrollBarLayout TCustomTreeView::BarLayout(bool vertical) const {
  const TRect bar = VertScrollBarRect();
  if (!vertical || IsRectEmpty(bar)) return {};
  return TScrollBarLayout(bar, true, {topRow_, MaxTopRow(), VisibleRowCount()});
}

}  // namespace fw
