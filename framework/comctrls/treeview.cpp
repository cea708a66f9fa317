// TCustomTreeView model: properties, selection, opening and closing hooks, the visible rows
// and the geometry of rows, buttons and texts.
#include "framework/comctrls/treeview.h"

#include <algorithm>

#include "framework/graphics/text_engine.h"

namespace fw {

TCustomTreeView::TCustomTreeView(TComponent* AOwner)
    : TCustomControl(AOwner), items_(std::make_unique<TTreeNodes>(this)) {
  SetBounds(Left(), Top(), 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  barTracker_.Layout = [this](bool vertical) { return BarLayout(vertical); };
  barTracker_.Step = [this](bool vertical, TScrollBarPart part) { BarStep(vertical, part); };
  barTracker_.ThumbTo = [this](bool vertical, int position) {
    if (vertical) SetTopRow(position);
  };
}

// The nodes go before the view's members they report to.
TCustomTreeView::~TCustomTreeView() {
  selected_ = nullptr;
  hotNode_ = nullptr;
  items_.reset();
}

// --- Properties

void TCustomTreeView::SetShowButtons(bool value) {
  if (value == showButtons_) return;
  showButtons_ = value;
  Invalidate();
}

void TCustomTreeView::SetShowLines(bool value) {
  if (value == showLines_) return;
  showLines_ = value;
  Invalidate();
}

void TCustomTreeView::SetShowRoot(bool value) {
  if (value == showRoot_) return;
  showRoot_ = value;
  Invalidate();
}

void TCustomTreeView::SetHotTrack(bool value) {
  if (value == hotTrack_) return;
  hotTrack_ = value;
  SetHotNode(nullptr);
}

void TCustomTreeView::SetIndent(int value) {
  value = std::clamp(value, 0, 1000);
  if (value == indent_) return;
  indent_ = value;
  Invalidate();
}

void TCustomTreeView::SetBevelInner(TBevelCut value) {
  if (value == edges_.bevelInner || value > bvSpace) return;
  edges_.bevelInner = value;
  Invalidate();
}

void TCustomTreeView::SetBevelOuter(TBevelCut value) {
  if (value == edges_.bevelOuter || value > bvSpace) return;
  edges_.bevelOuter = value;
  Invalidate();
}

void TCustomTreeView::SetBevelKind(TBevelKind value) {
  if (value == edges_.bevelKind || value > bkFlat) return;
  edges_.bevelKind = value;
  Invalidate();
}

void TCustomTreeView::SetBevelWidth(int value) {
  value = std::clamp(value, 1, kMaxEdgeWidth);
  if (value == edges_.bevelWidth) return;
  edges_.bevelWidth = value;
  Invalidate();
}

void TCustomTreeView::SetBorderWidth(int value) {
  value = std::clamp(value, 0, kMaxEdgeWidth);
  if (value == edges_.borderWidth) return;
  edges_.borderWidth = value;
  Invalidate();
}

void TCustomTreeView::SetBorderStyle(TFormBorderStyle value) {
  value = value == bsNone ? bsNone : bsSingle;
  if (value == edges_.borderStyle) return;
  edges_.borderStyle = value;
  Invalidate();
}

// --- Selection and the hooks

void TCustomTreeView::SetSelected(TTreeNode* node) {
  if (node && node->Owner() != items_.get()) return;
  if (node == selected_) {
    if (node) MakeVisible(node);
    return;
  }
  if (!CanChange(node)) return;
  selected_ = node;
  if (node) MakeVisible(node);
  Invalidate();
  Change(node);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
  bool allow = true;
  OnExpanding(this, Node, allow);
  return allow;
}

void TCustomTreeView::Expand(TTreeNode* Node) {
  OnExpanded(this, Node);
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node) {
  bool allow = true;
  OnCollapsing(this, Node, allow);
  return allow;
}

// A selection inside the closed branch moves to the closed node.
void TCustomTreeView::Collapse(TTreeNode* Node) {
  OnCollapsed(this, Node);
  if (selected_ && selected_->HasAsParent(Node)) SetSelected(Node);
}

bool TCustomTreeView::CanChange(TTreeNode* Node) {
  bool allow = true;
  OnChanging(this, Node, allow);
  return allow;
}

void TCustomTreeView::Change(TTreeNode* Node) {
  OnChange(this, Node);
}

void TCustomTreeView::FullExpand() {
  items_->BeginUpdate();
  for (int i = 0; i < items_->TopLevelCount(); ++i) items_->TopLevelItem(i)->Expand(true);
  items_->EndUpdate();
}

void TCustomTreeView::FullCollapse() {
  items_->BeginUpdate();
  for (int i = 0; i < items_->TopLevelCount(); ++i) items_->TopLevelItem(i)->Collapse(true);
  items_->EndUpdate();
}

void TCustomTreeView::NodesChanged() {
  rowsValid_ = false;
  topRow_ = std::clamp(topRow_, 0, MaxTopRow());
  Invalidate();
}

// The selection goes to the next sibling, else the previous one, else the parent.
bool TCustomTreeView::NodeDeleting(TTreeNode* node) {
  hotNode_ = nullptr;
  if (!node) {
    selected_ = nullptr;
    return false;
  }
  if (!selected_ || (selected_ != node && !selected_->HasAsParent(node))) return false;
  TTreeNode* heir = node->GetNextSibling();
  if (!heir) heir = node->GetPrevSibling();
  if (!heir) heir = node->Parent();
  selected_ = heir;
  return true;
}

// --- Rows and geometry

// Children are pushed in reverse so they come off the stack in order.
const std::vector<TTreeNode*>& TCustomTreeView::VisibleNodes() const {
  if (rowsValid_) return rows_;
  rows_.clear();
  std::vector<TTreeNode*> pending;
  for (int i = items_->TopLevelCount() - 1; i >= 0; --i) pending.push_back(items_->TopLevelItem(i));
  while (!pending.empty()) {
    TTreeNode* node = pending.back();
    pending.pop_back();
    rows_.push_back(node);
    if (!node->Expanded()) continue;
    for (int i = node->Count() - 1; i >= 0; --i) pending.push_back(node->Item(i));
  }
  rowsValid_ = true;
  return rows_;
}

int TCustomTreeView::ItemHeight() const {
  return std::max(GetFontMetrics(Font()->Spec()).height + 3, 10);
}

int TCustomTreeView::VisibleRowCount() const {
  const int inset = edges_.Inset(Ctl3D());
  return std::max((Height() - 2 * inset) / ItemHeight(), 1);
}

int TCustomTreeView::MaxTopRow() const {
  return std::max(static_cast<int>(VisibleNodes().size()) - VisibleRowCount(), 0);
}

void TCustomTreeView::SetTopRow(int value) {
  value = std::clamp(value, 0, MaxTopRow());
  if (value == topRow_) return;
  topRow_ = value;
  SetHotNode(nullptr);
  Invalidate();
}

// The bar shows while some rows are out of view.
TRect TCustomTreeView::VertScrollBarRect() const {
  if (MaxTopRow() == 0) return Rect(0, 0, 0, 0);
  const int inset = edges_.Inset(Ctl3D());
  const int left = std::max(Width() - inset - kScrollBarSize, inset);
  return Rect(left, inset, Width() - inset, std::max(Height() - inset, inset));
}

TRect TCustomTreeView::RowsArea() const {
  const int inset = edges_.Inset(Ctl3D());
  const TRect bar = VertScrollBarRect();
  TRect r = Rect(inset, inset, IsRectEmpty(bar) ? Width() - inset : bar.Left, Height() - inset);
  r.Right = std::max(r.Right, r.Left);
  r.Bottom = std::max(r.Bottom, r.Top);
  return r;
}

int TCustomTreeView::RowOf(const TTreeNode* node) const {
  const std::vector<TTreeNode*>& rows = VisibleNodes();
  const auto it = std::find(rows.begin(), rows.end(), node);
  return it == rows.end() ? -1 : static_cast<int>(it - rows.begin());
}

int TCustomTreeView::ButtonCenterX(const TTreeNode* node) const {
  const int column = node->Level() + (showRoot_ ? 1 : 0) - 1;
  return RowsArea().Left + column * indent_ + indent_ / 2;
}

int TCustomTreeView::TextLeft(const TTreeNode* node) const {
  return RowsArea().Left + (node->Level() + (showRoot_ ? 1 : 0)) * indent_ + 2;
}

int TCustomTreeView::TextWidth(const TTreeNode* node) const {
  return MeasureText(Font()->Spec(), node->Text()).width;
}

TRect TCustomTreeView::DisplayRect(const TTreeNode* node, bool textOnly) const {
  const int row = node ? RowOf(node) : -1;
  if (row < 0) return Rect(0, 0, 0, 0);
  const TRect area = RowsArea();
  const int top = area.Top + (row - topRow_) * ItemHeight();
  if (!textOnly) return Rect(area.Left, top, area.Right, top + ItemHeight());
  const int left = TextLeft(node);
  return Rect(left, top, left + TextWidth(node) + 4, top + ItemHeight());
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const {
  const TRect area = RowsArea();
  if (X < area.Left || X >= area.Right || Y < area.Top || Y >= area.Bottom) return nullptr;
  const std::vector<TTreeNode*>& rows = VisibleNodes();
  const int row = topRow_ + (Y - area.Top) / ItemHeight();
  return row < static_cast<int>(rows.size()) ? rows[static_cast<std::size_t>(row)] : nullptr;
}

THitTest TCustomTreeView::GetHitTestInfoAt(int X, int Y) const {
  if (PtInRect(VertScrollBarRect(), {X, Y})) return htOnScrollBar;
  const TTreeNode* node = GetNodeAt(X, Y);
  if (!node) return htNowhere;
  const int cx = ButtonCenterX(node);
  if (showButtons_ && node->HasChildren() && cx >= RowsArea().Left && X >= cx - indent_ / 2 &&
      X < cx - indent_ / 2 + indent_)
    return htOnButton;
  const int left = TextLeft(node);
  if (X < left) return htOnIndent;
  return X < left + TextWidth(node) + 4 ? htOnItem : htOnRight;
}

void TCustomTreeView::MakeVisible(TTreeNode* node) {
  if (!node) return;
  for (TTreeNode* p = node->Parent(); p; p = p->Parent()) {
    if (!p->Expanded()) p->SetExpanded(true);
  }
  const int row = RowOf(node);
  if (row < 0) return;
  if (row < topRow_) SetTopRow(row);
  const int visible = VisibleRowCount();
  if (row >= topRow_ + visible) SetTopRow(row - visible + 1);
}

TTreeView::TTreeView(TComponent* AOwner) : TCustomTreeView(AOwner) {}

}  // namespace fw
