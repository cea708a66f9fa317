// TTreeNode, TTreeNodes, TCustomTreeView and TTreeView: a hierarchy of text items with
// expand buttons and connecting lines, one selected item, keyboard and mouse navigation and a
// vertical scroll bar.
//
// Call flow:
//   Node->Expand / a click on a button / Right / "+"  ->  TTreeNode::SetExpanded(true)
//     -> CanExpand(Node) (OnExpanding; a subclass may fill the children here)
//     -> the node opens when it has children then, else its button goes -> Expand(Node)
//        (OnExpanded) -> the visible rows are rebuilt on next use -> Invalidate
//   a click on a row / arrow keys / type-ahead  ->  SetSelected(Node)
//     -> CanChange(Node) (OnChanging may refuse) -> selection -> Change(Node) (OnChange)
//   Paint: edges, then for each visible row from TopRow: the lines of its ancestors, its own
//     line and button, its text (highlighted when selected), then the scroll bar.
// The visible rows (nodes whose ancestors are all expanded, in display order) are kept in a
// list rebuilt after any change of the hierarchy, so painting and hit-testing cost only the
// rows in view, however many nodes the tree holds. The view scrolls by rows only: a text
// wider than the view is cut at its right edge (a sideways bar would have to measure every
// row's text).
// Type-ahead: characters typed less than a second apart search together; label editing in
// place is not provided (ReadOnly is kept for forms).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/base/event.h"
#include "framework/comctrls/control_edges.h"
#include "framework/controls/customcontrol.h"
#include "framework/controls/scroll_bar_tracker.h"

namespace fw {

class TTreeNodes;
class TCustomTreeView;

class TTreeNode {
 public:
  TTreeNode(const TTreeNode&) = delete;
  TTreeNode& operator=(const TTreeNode&) = delete;

  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  // An untyped pointer the application keeps with the node; the tree never follows it.
  void* Data() const { return data_; }
  void SetData(void* value) { data_ = value; }

  TTreeNodes* Owner() const { return owner_; }
  // Null for a top-level node.
  TTreeNode* Parent() const;
  // 0 for a top-level node.
  int Level() const;
  // Position among its siblings.
  int Index() const { return index_; }
  int Count() const { return static_cast<int>(children_.size()); }
  // The child at `index`; null outside 0..Count-1.
  TTreeNode* Item(int index) const;
  TTreeNode* GetFirstChild() const { return Item(0); }
  TTreeNode* GetLastChild() const { return Item(Count() - 1); }
  TTreeNode* GetNextSibling() const;
  TTreeNode* GetPrevSibling() const;
  // The next node in display order with every node expanded (children first).
  TTreeNode* GetNext() const;
  bool HasAsParent(const TTreeNode* ancestor) const;

  // True with children, or when set (a button shows before the children are made).
  bool HasChildren() const { return hasChildren_ || !children_.empty(); }
  void SetHasChildren(bool value);
  bool Expanded() const { return expanded_; }
  // Opening asks the tree (CanExpand) first; closing asks CanCollapse.
  void SetExpanded(bool value);
  void Expand(bool recurse);
  void Collapse(bool recurse);
  bool Selected() const;
  void SetSelected(bool value);
  // Every ancestor is expanded.
  bool IsVisible() const;

  // Removes the node with its children from the tree and frees it.
  void Delete();
  void DeleteChildren();

 private:
  friend class TTreeNodes;
  explicit TTreeNode(TTreeNodes* owner) : owner_(owner) {}

  TTreeNodes* owner_;
  TTreeNode* parent_ = nullptr;  // the owner's hidden root for a top-level node
  std::vector<std::unique_ptr<TTreeNode>> children_;
  std::string text_;
  void* data_ = nullptr;
  int index_ = 0;
  bool expanded_ = false;
  bool hasChildren_ = false;
};

// The nodes of one tree view. The top-level nodes are the children of a hidden root node.
class TTreeNodes {
 public:
  explicit TTreeNodes(TCustomTreeView* owner);
  ~TTreeNodes();
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;

  TCustomTreeView* Owner() const { return owner_; }
  // Nodes in the whole tree.
  int Count() const { return count_; }
  TTreeNode* GetFirstNode() const { return root_->GetFirstChild(); }
  // The top-level nodes.
  int TopLevelCount() const { return root_->Count(); }
  TTreeNode* TopLevelItem(int index) const { return root_->Item(index); }

  // A new last sibling of `sibling` (a last top-level node when sibling is null).
  TTreeNode* Add(TTreeNode* sibling, const std::string& text);
  // A new last child of `parent` (a top-level node when parent is null).
  TTreeNode* AddChild(TTreeNode* parent, const std::string& text);
  // A new first child of `parent` (top-level when null).
  TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text);
  // A new node just before `sibling` (a last top-level node when sibling is null).
  TTreeNode* Insert(TTreeNode* sibling, const std::string& text);
  void Delete(TTreeNode* node);
  void Clear();
  // Painting waits until EndUpdate; the visible rows are rebuilt once then.
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TTreeNode;
  TTreeNode* InsertAt(TTreeNode* parent, int index, const std::string& text);
  void Changed();

  TCustomTreeView* owner_;
  std::unique_ptr<TTreeNode> root_;
  int count_ = 0;
  int updating_ = 0;
};

using TTVChangingEvent = Event<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVChangedEvent = Event<void(TObject* Sender, TTreeNode* Node)>;
using TTVExpandingEvent = Event<void(TObject* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = Event<void(TObject* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVExpandedEvent = Event<void(TObject* Sender, TTreeNode* Node)>;

// Where a point of the client area lies (GetHitTestInfoAt).
enum THitTest : uint8_t {
  htNowhere,     // below the last row, or outside
  htOnButton,    // the node's expand button
  htOnIndent,    // left of the node's text, not on its button
  htOnItem,      // the node's text
  htOnRight,     // right of the node's text
  htOnScrollBar  // the scroll bar
};

class TCustomTreeView : public TCustomControl {
 public:
  explicit TCustomTreeView(TComponent* AOwner);
  ~TCustomTreeView() override;

  TTreeNodes* Items() const { return items_.get(); }
  TTreeNode* Selected() const { return selected_; }
  // Selects `node` (null clears the selection) after CanChange agrees, scrolls it into view
  // and calls Change.
  void SetSelected(TTreeNode* node);
  void FullExpand();
  void FullCollapse();

  // Labels are never edited in place by this tree; the flag is kept for forms.
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool value) { readOnly_ = value; }
  bool ShowButtons() const { return showButtons_; }
  void SetShowButtons(bool value);
  bool ShowLines() const { return showLines_; }
  void SetShowLines(bool value);
  // Top-level nodes get a column with lines and buttons too.
  bool ShowRoot() const { return showRoot_; }
  void SetShowRoot(bool value);
  // The text under the pointer shows underlined in the highlight colour.
  bool HotTrack() const { return hotTrack_; }
  void SetHotTrack(bool value);
  // Pixels each level is indented by; 0..1000.
  int Indent() const { return indent_; }
  void SetIndent(int value);

  // --- Edges (control_edges.h).
  TBevelCut BevelInner() const { return edges_.bevelInner; }
  void SetBevelInner(TBevelCut value);
  TBevelCut BevelOuter() const { return edges_.bevelOuter; }
  void SetBevelOuter(TBevelCut value);
  TBevelKind BevelKind() const { return edges_.bevelKind; }
  void SetBevelKind(TBevelKind value);
  // 1..kMaxEdgeWidth.
  int BevelWidth() const { return edges_.bevelWidth; }
  void SetBevelWidth(int value);
  // 0..kMaxEdgeWidth.
  int BorderWidth() const { return edges_.borderWidth; }
  void SetBorderWidth(int value);
  // bsNone or bsSingle; other values count as bsSingle.
  TFormBorderStyle BorderStyle() const { return edges_.borderStyle; }
  void SetBorderStyle(TFormBorderStyle value);

  // --- Rows and geometry.
  // The nodes shown, in display order.
  const std::vector<TTreeNode*>& VisibleNodes() const;
  int ItemHeight() const;
  // The first row shown.
  int TopRow() const { return topRow_; }
  void SetTopRow(int value);
  // Whole rows the client area shows (at least 1).
  int VisibleRowCount() const;
  // The area inside the edges and beside the scroll bar.
  TRect RowsArea() const;
  TRect VertScrollBarRect() const;
  // The row of a visible node; -1 for a hidden one.
  int RowOf(const TTreeNode* node) const;
  // The node's row rectangle, or only its text box; empty when the node is not visible.
  TRect DisplayRect(const TTreeNode* node, bool textOnly) const;
  TTreeNode* GetNodeAt(int X, int Y) const;
  THitTest GetHitTestInfoAt(int X, int Y) const;
  // Scrolls so the node's row is in view (its ancestors are expanded first).
  void MakeVisible(TTreeNode* node);

  TTVChangedEvent OnChange;
  TTVChangingEvent OnChanging;
  TTVExpandingEvent OnExpanding;
  TTVExpandedEvent OnExpanded;
  TTVCollapsingEvent OnCollapsing;
  TTVExpandedEvent OnCollapsed;

 protected:
  friend class TTreeNode;
  friend class TTreeNodes;

  // OnExpanding; a subclass may fill the node's children before it opens.
  virtual bool CanExpand(TTreeNode* Node);
  virtual void Expand(TTreeNode* Node);  // OnExpanded
  virtual bool CanCollapse(TTreeNode* Node);
  virtual void Collapse(TTreeNode* Node);  // OnCollapsed
  virtual bool CanChange(TTreeNode* Node);
  virtual void Change(TTreeNode* Node);  // OnChange

  void Paint() override;
  void KeyDown(uint16_t& Key, TShiftState Shift) override;
  void KeyPress(char32_t& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void DblClick() override;
  bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
  bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
  void DoEnter() override;
  void DoExit() override;
  void WndProc(TMessage& message) override;

 private:
  // Called by the nodes.
  void NodesChanged();
  // Moves the selection off a node about to go (null: all nodes go, nothing selected, no
  // event); true when another node took it and Change is due once the node is gone.
  bool NodeDeleting(TTreeNode* node);
  // Painting.
  void PaintRow(TCanvas* canvas, const TRect& area, int row);
  void PaintLines(TCanvas* canvas, const TTreeNode* node, int y, int lineX);
  void PaintButton(TCanvas* canvas, const TTreeNode* node, int cx, int cy);
  // Geometry: the x of the centre of the node's button column (left of the area when the
  // node has none) and of its text box.
  int ButtonCenterX(const TTreeNode* node) const;
  int TextLeft(const TTreeNode* node) const;
  int TextWidth(const TTreeNode* node) const;
  int MaxTopRow() const;
  TScrollBarLayout BarLayout(bool vertical) const;
  void BarStep(bool vertical, TScrollBarPart part);
  // Input.
  void SelectRow(int row);
  void TypeAhead(char32_t key);
  void SetHotNode(TTreeNode* node);

  std::unique_ptr<TTreeNodes> items_;
  TTreeNode* selected_ = nullptr;
  TTreeNode* hotNode_ = nullptr;
  TControlEdges edges_;
  bool readOnly_ = false;
  bool showButtons_ = true;
  bool showLines_ = true;
  bool showRoot_ = true;
  bool hotTrack_ = false;
  int indent_ = 19;
  int topRow_ = 0;
  TScrollBarTracker barTracker_;
  TPoint lastDown_{-1, -1};
  std::string typed_;  // the type-ahead text
  int64_t typedAt_ = 0;
  mutable std::vector<TTreeNode*> rows_;
  mutable bool rowsValid_ = false;
};

class TTreeView : public TCustomTreeView {
 public:
  explicit TTreeView(TComponent* AOwner);
};

}  // namespace fw
