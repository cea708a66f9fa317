// TCustomTreeView input: arrow, page, Home and End keys, "+" and "-", type-ahead, clicks on
// buttons and rows, double clicks, the wheel, hot tracking and the scroll bar.
#include <algorithm>

#include "framework/comctrls/treeview.h"
#include "framework/controls/backend.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

constexpr int kWheelRows = 3;
// Typed characters further apart than this start a new type-ahead search.
constexpr int64_t kTypeAheadPauseMs = 1000;

bool StartsWithText(const std::string& text, const std::string& prefix) {
  return LowerCase(Copy(text, 1, static_cast<long long>(Length(prefix)))) == prefix;
}

}  // namespace

void TCustomTreeView::SelectRow(int row) {
  const std::vector<TTreeNode*>& rows = VisibleNodes();
  if (rows.empty()) return;
  SetSelected(
      rows[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(rows.size()) - 1))]);
}

void TCustomTreeView::KeyDown(uint16_t& Key, TShiftState Shift) {
  TCustomControl::KeyDown(Key, Shift);
  if (Key == 0) return;
  const int row = selected_ ? RowOf(selected_) : -1;
  const int page = std::max(VisibleRowCount() - 1, 1);
  switch (Key) {
    case VK_UP:
      SelectRow(row < 0 ? 0 : row - 1);
      break;
    case VK_DOWN:
      SelectRow(row + 1);
      break;
    case VK_PRIOR:
      SelectRow(row - page);
      break;
    case VK_NEXT:
      SelectRow(row + page);
      break;
    case VK_HOME:
      SelectRow(0);
      break;
    case VK_END:
      SelectRow(static_cast<int>(VisibleNodes().size()) - 1);
      break;
    // Left closes an open node, else goes to the parent; Right opens a closed node, else
    // goes to its first child.
    case VK_LEFT:
      if (!selected_) break;
      if (selected_->Expanded())
        selected_->SetExpanded(false);
      else if (selected_->Parent())
        SetSelected(selected_->Parent());
      break;
    case VK_RIGHT:
      if (!selected_) break;
      if (!selected_->Expanded())
        selected_->SetExpanded(true);
      else if (selected_->GetFirstChild())
        SetSelected(selected_->GetFirstChild());
      break;
    case VK_ADD:
      if (selected_) selected_->SetExpanded(true);
      break;
    case VK_SUBTRACT:
      if (selected_) selected_->SetExpanded(false);
      break;
    default:
      return;
  }
  Key = 0;
}

// "+" and "-" open and close the selected node; other printable characters search.
void TCustomTreeView::KeyPress(char32_t& Key) {
  TCustomControl::KeyPress(Key);
  if (Key == U'+' || Key == U'-') {
    if (selected_) selected_->SetExpanded(Key == U'+');
    Key = 0;
    return;
  }
  if (Key < U' ' || Key == 0x7F) return;
  TypeAhead(Key);
  Key = 0;
}

// Characters typed in quick succession search for a row starting with all of them, from the
// selected row on; the same character again moves on to the next row starting with it.
void TCustomTreeView::TypeAhead(char32_t key) {
  const int64_t now = CurrentBackend().Milliseconds();
  if (now - typedAt_ > kTypeAheadPauseMs) typed_.clear();
  typedAt_ = now;
  const std::string ch = LowerCase(EncodeUtf8(key));
  const bool repeated = typed_ == ch;
  if (!repeated) typed_ += ch;
  const std::vector<TTreeNode*>& rows = VisibleNodes();
  const int n = static_cast<int>(rows.size());
  const int current = selected_ ? RowOf(selected_) : -1;
  auto search = [&](int from, const std::string& prefix) {
    for (int k = 0; k < n; ++k) {
      const int row = ((from + k) % n + n) % n;
      if (StartsWithText(rows[static_cast<std::size_t>(row)]->Text(), prefix)) return row;
    }
    return -1;
  };
  int found = search(repeated || current < 0 ? current + 1 : current, typed_);
  if (found < 0 && !repeated) {
    typed_ = ch;
    found = search(current + 1, typed_);
  }
  if (found >= 0) SelectRow(found);
}

void TCustomTreeView::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && barTracker_.MouseDown({X, Y})) {
    if (CanFocus() && !Focused()) SetFocus();
    return;
  }
  if (CanFocus() && !Focused()) SetFocus();
  lastDown_ = {X, Y};
  if (Button == mbLeft) {
    TTreeNode* node = GetNodeAt(X, Y);
    const THitTest hit = GetHitTestInfoAt(X, Y);
    if (hit == htOnButton)
      node->SetExpanded(!node->Expanded());
    else if (node && hit != htOnIndent)
      SetSelected(node);
  }
  TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomTreeView::MouseMove(TShiftState Shift, int X, int Y) {
  if (barTracker_.MouseMove({X, Y})) return;
  if (hotTrack_) SetHotNode(GetHitTestInfoAt(X, Y) == htOnItem ? GetNodeAt(X, Y) : nullptr);
  TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomTreeView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && barTracker_.MouseUp({X, Y})) return;
  TCustomControl::MouseUp(Button, Shift, X, Y);
}

// A double click on a row's text or beside it opens or closes the node.
void TCustomTreeView::DblClick() {
  TCustomControl::DblClick();
  const THitTest hit = GetHitTestInfoAt(lastDown_.X, lastDown_.Y);
  TTreeNode* node = GetNodeAt(lastDown_.X, lastDown_.Y);
  if (node && (hit == htOnItem || hit == htOnRight)) node->SetExpanded(!node->Expanded());
}

bool TCustomTreeView::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
  SetTopRow(topRow_ + kWheelRows);
  return true;
}

bool TCustomTreeView::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  if (TCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
  SetTopRow(topRow_ - kWheelRows);
  return true;
}

void TCustomTreeView::DoEnter() {
  TCustomControl::DoEnter();
  Invalidate();
}

// A press on the bar ends with the focus.
void TCustomTreeView::DoExit() {
  barTracker_.Cancel();
  TCustomControl::DoExit();
  Invalidate();
}

// The arrow keys move in the tree rather than between controls.
void TCustomTreeView::WndProc(TMessage& message) {
  if (message.Msg == WM_GETDLGCODE) {
    message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
    return;
  }
  if (message.Msg == CM_MOUSELEAVE) SetHotNode(nullptr);
  TCustomControl::WndProc(message);
}

void TCustomTreeView::SetHotNode(TTreeNode* node) {
  if (node == hotNode_) return;
  hotNode_ = node;
  if (hotTrack_) Invalidate();
}

// Arrows scroll a row, the track a page.
void TCustomTreeView::BarStep(bool vertical, TScrollBarPart part) {
  if (!vertical) return;
  const int page = VisibleRowCount();
  if (part == sbpLineBack) SetTopRow(topRow_ - 1);
  if (part == sbpLineForward) SetTopRow(topRow_ + 1);
  if (part == sbpPageBack) SetTopRow(topRow_ - page);
  if (part == sbpPageForward) SetTopRow(topRow_ + page);
}

}  // namespace fw
