// TTreeNode and TTreeNodes: the hierarchy, its navigation, adding and deleting nodes, and
// opening and closing them through the tree view's hooks.
#include <utility>

#include "framework/comctrls/treeview.h"

namespace fw {

// --- TTreeNode

void TTreeNode::SetText(const std::string& value) {
  if (value == text_) return;
  text_ = value;
  owner_->Owner()->Invalidate();
}

TTreeNode* TTreeNode::Parent() const {
  return parent_ && parent_->parent_ ? parent_ : nullptr;
}

int TTreeNode::Level() const {
  int level = 0;
  for (const TTreeNode* p = Parent(); p; p = p->Parent()) ++level;
  return level;
}

TTreeNode* TTreeNode::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return children_[static_cast<std::size_t>(index)].get();
}

TTreeNode* TTreeNode::GetNextSibling() const {
  return parent_ ? parent_->Item(index_ + 1) : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const {
  return parent_ ? parent_->Item(index_ - 1) : nullptr;
}

TTreeNode* TTreeNode::GetNext() const {
  if (!children_.empty()) return children_.front().get();
  for (const TTreeNode* n = this; n && n->parent_; n = n->parent_) {
    if (TTreeNode* next = n->GetNextSibling()) return next;
  }
  return nullptr;
}

bool TTreeNode::HasAsParent(const TTreeNode* ancestor) const {
  if (!ancestor) return false;
  for (const TTreeNode* p = Parent(); p; p = p->Parent()) {
    if (p == ancestor) return true;
  }
  return false;
}

void TTreeNode::SetHasChildren(bool value) {
  if (value == hasChildren_) return;
  hasChildren_ = value;
  owner_->Owner()->Invalidate();
}

// Opening asks the view first, which may fill the children; a node left without children
// loses its button instead of opening.
void TTreeNode::SetExpanded(bool value) {
  TCustomTreeView* tree = owner_->Owner();
  if (value == expanded_) return;
  if (value) {
    if (!HasChildren() || !tree->CanExpand(this)) return;
    if (children_.empty()) {
      hasChildren_ = false;
      tree->Invalidate();
      return;
    }
    expanded_ = true;
    owner_->Changed();
    tree->Expand(this);
  } else {
    if (!tree->CanCollapse(this)) return;
    expanded_ = false;
    owner_->Changed();
    tree->Collapse(this);
  }
}

void TTreeNode::Expand(bool recurse) {
  SetExpanded(true);
  if (!recurse) return;
  // Children may be replaced while one of them opens, so walk by index.
  for (int i = 0; i < Count(); ++i) Item(i)->Expand(true);
}

void TTreeNode::Collapse(bool recurse) {
  if (recurse) {
    for (auto& child : children_) child->Collapse(true);
  }
  SetExpanded(false);
}

bool TTreeNode::Selected() const {
  return owner_->Owner()->Selected() == this;
}

void TTreeNode::SetSelected(bool value) {
  TCustomTreeView* tree = owner_->Owner();
  if (value)
    tree->SetSelected(this);
  else if (Selected())
    tree->SetSelected(nullptr);
}

bool TTreeNode::IsVisible() const {
  for (const TTreeNode* p = Parent(); p; p = p->Parent()) {
    if (!p->expanded_) return false;
  }
  return true;
}

void TTreeNode::Delete() {
  owner_->Delete(this);
}

void TTreeNode::DeleteChildren() {
  while (!children_.empty()) owner_->Delete(children_.back().get());
}

// --- TTreeNodes

namespace {

int CountSubtree(const TTreeNode* node) {
  int count = 1;
  for (int i = 0; i < node->Count(); ++i) count += CountSubtree(node->Item(i));
  return count;
}

}  // namespace

TTreeNodes::TTreeNodes(TCustomTreeView* owner) : owner_(owner), root_(new TTreeNode(this)) {
  root_->expanded_ = true;
}

TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, int index, const std::string& text) {
  if (!parent) parent = root_.get();
  std::unique_ptr<TTreeNode> node(new TTreeNode(this));
  node->parent_ = parent;
  node->text_ = text;
  auto& siblings = parent->children_;
  const auto at = siblings.insert(siblings.begin() + index, std::move(node));
  for (auto it = at; it != siblings.end(); ++it)
    (*it)->index_ = static_cast<int>(it - siblings.begin());
  ++count_;
  Changed();
  return at->get();
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text) {
  TTreeNode* parent = sibling ? sibling->Parent() : nullptr;
  return AddChild(parent, text);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text) {
  const TTreeNode* p = parent ? parent : root_.get();
  return InsertAt(parent, p->Count(), text);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text) {
  return InsertAt(parent, 0, text);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text) {
  if (!sibling) return AddChild(nullptr, text);
  return InsertAt(sibling->parent_, sibling->index_, text);
}

// The view moves its selection and pointers off the node first, so nothing points into the
// freed subtree.
void TTreeNodes::Delete(TTreeNode* node) {
  if (!node || node == root_.get() || node->owner_ != this) return;
  const bool selectionMoved = owner_->NodeDeleting(node);
  const int removed = CountSubtree(node);
  TTreeNode* parent = node->parent_;
  auto& siblings = parent->children_;
  const int index = node->index_;
  siblings.erase(siblings.begin() + index);
  for (std::size_t i = static_cast<std::size_t>(index); i < siblings.size(); ++i)
    siblings[i]->index_ = static_cast<int>(i);
  count_ -= removed;
  if (siblings.empty() && parent != root_.get()) parent->expanded_ = false;
  Changed();
  if (selectionMoved) owner_->Change(owner_->Selected());
}

void TTreeNodes::Clear() {
  owner_->NodeDeleting(nullptr);
  root_->children_.clear();
  count_ = 0;
  Changed();
}

void TTreeNodes::BeginUpdate() {
  ++updating_;
}

void TTreeNodes::EndUpdate() {
  if (updating_ == 0) return;
  if (--updating_ == 0) Changed();
}

void TTreeNodes::Changed() {
  if (updating_ > 0) {
    owner_->rowsValid_ = false;
    return;
  }
  owner_->NodesChanged();
}

}  // namespace fw
