// The tree view: its node hierarchy, selection and opening rules with their events, keys,
// mouse, scrolling, painting of lines and buttons, edges and form text.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/comctrls/treeview.h"
#include "framework/rtl/colors.h"

namespace fw {
namespace {

// A tree view filling a shown form, holding
//   A (A1, A2), B (B1 (B1x)), C
struct ShownTree {
  explicit ShownTree(int w = 200, int h = 160) : host(w, h) {
    tree = new TTreeView(host.Form());
    tree->SetParent(host.Form());
    tree->SetBounds(0, 0, w, h);
    host.Show();
    TTreeNodes* items = tree->Items();
    n["A"] = items->AddChild(nullptr, "A");
    n["A1"] = items->AddChild(n["A"], "A1");
    n["A2"] = items->AddChild(n["A"], "A2");
    n["B"] = items->AddChild(nullptr, "B");
    n["B1"] = items->AddChild(n["B"], "B1");
    n["B1x"] = items->AddChild(n["B1"], "B1x");
    n["C"] = items->AddChild(nullptr, "C");
    tree->SetFocus();
  }
  std::string SelectedText() const { return tree->Selected() ? tree->Selected()->Text() : ""; }
  // The middle of a node's text box.
  TPoint TextPoint(const std::string& name) {
    const TRect r = tree->DisplayRect(n[name], true);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
  }
  // The centre of the column of a node's button.
  int ButtonX(const std::string& name) {
    return tree->DisplayRect(n[name], true).Left - 2 - tree->Indent() + tree->Indent() / 2;
  }
  TestHost host;
  TTreeView* tree;
  std::map<std::string, TTreeNode*> n;
};

std::vector<std::string> Texts(const std::vector<TTreeNode*>& nodes) {
  std::vector<std::string> texts;
  for (const TTreeNode* node : nodes) texts.push_back(node->Text());
  return texts;
}

using Strings = std::vector<std::string>;

TEST(TreeNodes, HierarchyNavigationAndEditing) {
  ShownTree s;
  TTreeNodes* items = s.tree->Items();
  EXPECT_EQ(items->Count(), 7);
  EXPECT_EQ(s.n["B1x"]->Level(), 2);
  EXPECT_EQ(s.n["B1x"]->Parent(), s.n["B1"]);
  EXPECT_EQ(s.n["A"]->Parent(), nullptr);
  EXPECT_EQ(s.n["A2"]->Index(), 1);
  EXPECT_EQ(s.n["A1"]->GetNextSibling(), s.n["A2"]);
  EXPECT_EQ(s.n["A2"]->GetNextSibling(), nullptr);
  EXPECT_EQ(s.n["A2"]->GetNext(), s.n["B"]);
  EXPECT_EQ(s.n["B1x"]->GetNext(), s.n["C"]);
  EXPECT_TRUE(s.n["B1x"]->HasAsParent(s.n["B"]));
  EXPECT_EQ(s.n["A"]->Item(5), nullptr);
  // Insert before, first child, a sibling.
  TTreeNode* a0 = items->AddChildFirst(s.n["A"], "A0");
  TTreeNode* a15 = items->Insert(s.n["A2"], "A1.5");
  TTreeNode* d = items->Add(s.n["C"], "D");
  EXPECT_EQ(a0->Index(), 0);
  EXPECT_EQ(s.n["A2"]->Index(), 3);
  EXPECT_EQ(a15->GetNextSibling(), s.n["A2"]);
  EXPECT_EQ(d->GetPrevSibling(), s.n["C"]);
  EXPECT_EQ(items->Count(), 10);
  // Deleting a branch counts its children too and renumbers the siblings after it.
  s.n["B"]->Delete();
  EXPECT_EQ(items->Count(), 7);
  EXPECT_EQ(s.n["C"]->Index(), 1);
  s.n["A"]->DeleteChildren();
  EXPECT_EQ(s.n["A"]->Count(), 0);
  EXPECT_FALSE(s.n["A"]->HasChildren());
  items->Clear();
  EXPECT_EQ(items->Count(), 0);
  EXPECT_TRUE(s.tree->VisibleNodes().empty());
}

TEST(TreeView, DeletingTheSelectionMovesItToANeighbourThenReports) {
  struct Case {
    std::string selected, deleted, expected;
  };
  for (const Case& c : std::vector<Case>{{"A1", "A1", "A2"},
                                         {"A2", "A2", "A1"},
                                         {"B1x", "B1x", "B1"},
                                         {"B1x", "B", "C"},
                                         {"C", "C", "B"},
                                         {"A1", "B", "A1"}}) {
    ShownTree s;
    s.tree->SetSelected(s.n[c.selected]);
    std::vector<std::string> reported;
    s.tree->OnChange = [&](TObject*, TTreeNode* node) { reported.push_back(node->Text()); };
    s.n[c.deleted]->Delete();
    EXPECT_EQ(s.SelectedText(), c.expected) << c.deleted;
    EXPECT_EQ(reported, c.selected == c.expected ? Strings{} : Strings{c.expected});
  }
}

TEST(TreeView, ExpandingAsksFirstAndMayFillTheChildren) {
  ShownTree s;
  std::vector<std::string> log;
  s.tree->OnExpanding = [&](TObject*, TTreeNode* node, bool& allow) {
    log.push_back("expanding " + node->Text());
    allow = node->Text() != "C";
    // A node offered with a button only gets its children now.
    if (node->Text() == "A" && node->Count() == 2) s.tree->Items()->AddChild(node, "A3");
  };
  s.tree->OnExpanded = [&](TObject*, TTreeNode* node) {
    log.push_back("expanded " + node->Text());
  };
  s.tree->OnCollapsing = [&](TObject*, TTreeNode* node, bool& allow) {
    log.push_back("collapsing " + node->Text());
    allow = node->Text() != "B";
  };
  s.tree->OnCollapsed = [&](TObject*, TTreeNode* node) {
    log.push_back("collapsed " + node->Text());
  };
  s.n["C"]->SetHasChildren(true);
  s.n["A"]->Expand(false);
  s.n["C"]->Expand(false);  // refused
  s.n["B"]->Expand(true);
  s.n["B"]->Collapse(false);  // refused
  s.n["A"]->Collapse(false);
  EXPECT_EQ(
      log, (Strings{"expanding A", "expanded A", "expanding C", "expanding B", "expanded B",
                    "expanding B1", "expanded B1", "collapsing B", "collapsing A", "collapsed A"}));
  EXPECT_EQ(s.n["A"]->Count(), 3);
  EXPECT_FALSE(s.n["C"]->Expanded());
  EXPECT_TRUE(s.n["B1"]->Expanded());
  EXPECT_EQ(Texts(s.tree->VisibleNodes()), (Strings{"A", "B", "B1", "B1x", "C"}));
  // A node that still has no children when asked loses its button instead of opening.
  s.tree->OnExpanding = nullptr;
  s.n["C"]->Expand(false);
  EXPECT_FALSE(s.n["C"]->Expanded());
  EXPECT_FALSE(s.n["C"]->HasChildren());
}

TEST(TreeView, SelectionAsksReportsAndFollowsACollapse) {
  ShownTree s;
  std::vector<std::string> changed;
  s.tree->OnChange = [&](TObject*, TTreeNode* node) { changed.push_back(node->Text()); };
  s.tree->OnChanging = [&](TObject*, TTreeNode* node, bool& allow) { allow = node->Text() != "C"; };
  s.n["B1x"]->SetSelected(true);  // opens B and B1 to show it
  EXPECT_TRUE(s.n["B"]->Expanded() && s.n["B1"]->Expanded());
  s.n["C"]->SetSelected(true);  // refused
  s.n["B"]->Collapse(false);    // the selection inside moves to B
  EXPECT_EQ(changed, (Strings{"B1x", "B"}));
  EXPECT_EQ(s.SelectedText(), "B");
}

TEST(TreeView, KeysMoveOpenAndClose) {
  struct Case {
    std::string start;
    std::vector<uint16_t> keys;
    std::string selected;
    std::vector<std::string> visible;
  };
  const Strings closed{"A", "B", "C"};
  const Strings aOpen{"A", "A1", "A2", "B", "C"};
  for (const Case& c : std::vector<Case>{
           {"A", {VK_DOWN, VK_DOWN}, "C", closed},
           {"C", {VK_UP}, "B", closed},
           {"A", {VK_RIGHT}, "A", aOpen},
           {"A", {VK_RIGHT, VK_RIGHT, VK_DOWN}, "A2", aOpen},
           {"A", {VK_RIGHT, VK_RIGHT, VK_LEFT}, "A", aOpen},
           {"A", {VK_RIGHT, VK_LEFT}, "A", closed},
           {"A", {VK_ADD, VK_END}, "C", aOpen},
           {"C", {VK_HOME, VK_ADD, VK_SUBTRACT}, "A", closed},
           {"A", {VK_ADD, VK_NEXT}, "C", aOpen},
           {"C", {VK_PRIOR}, "A", closed},
           {"B", {VK_LEFT}, "B", closed},
       }) {
    ShownTree s;
    s.tree->SetSelected(s.n[c.start]);
    for (uint16_t key : c.keys) s.host.PressKey(key);
    EXPECT_EQ(s.SelectedText(), c.selected) << c.start << " " << c.keys.size();
    EXPECT_EQ(Texts(s.tree->VisibleNodes()), c.visible) << c.start << " " << c.keys.size();
  }
}

TEST(TreeView, PlusMinusAndTypeAhead) {
  ShownTree s;
  s.tree->SetSelected(s.n["A"]);
  s.host.KeyPress(U'+');
  EXPECT_TRUE(s.n["A"]->Expanded());
  s.host.KeyPress(U'b');  // B
  EXPECT_EQ(s.SelectedText(), "B");
  s.host.KeyPress(U'+');
  s.host.AdvanceTime(2000);
  s.host.TypeText("b1");  // B1, typed together
  EXPECT_EQ(s.SelectedText(), "B1");
  s.host.KeyPress(U'-');
  EXPECT_FALSE(s.n["B1"]->Expanded());
  s.host.AdvanceTime(2000);
  s.host.TypeText("a");  // from B1 on, round to the first row starting with "a"
  EXPECT_EQ(s.SelectedText(), "A");
  s.host.KeyPress(U'a');  // the same character again moves on
  EXPECT_EQ(s.SelectedText(), "A1");
  s.host.AdvanceTime(2000);
  s.host.TypeText("zz");  // nothing starts with it: the selection stays
  EXPECT_EQ(s.SelectedText(), "A1");
}

TEST(TreeView, ClicksOnButtonsAndRowsAndDoubleClicks) {
  ShownTree s;
  const TRect a = s.tree->DisplayRect(s.n["A"], false);
  const int buttonX = s.ButtonX("A");
  const int cy = (a.Top + a.Bottom) / 2;
  EXPECT_EQ(s.tree->GetHitTestInfoAt(buttonX, cy), htOnButton);
  s.host.Click(buttonX, cy);  // opens, selects nothing
  EXPECT_TRUE(s.n["A"]->Expanded());
  EXPECT_EQ(s.tree->Selected(), nullptr);
  const TPoint a2 = s.TextPoint("A2");
  s.host.Click(a2.X, a2.Y);
  EXPECT_EQ(s.SelectedText(), "A2");
  const TPoint b = s.TextPoint("B");
  int dblClicks = 0;
  s.tree->OnDblClick = [&](TObject*) { ++dblClicks; };
  s.host.DblClick(b.X, b.Y);
  EXPECT_EQ(s.SelectedText(), "B");
  EXPECT_TRUE(s.n["B"]->Expanded());
  EXPECT_EQ(dblClicks, 1);
  s.host.Click(buttonX, cy);  // closes A again
  EXPECT_FALSE(s.n["A"]->Expanded());
  EXPECT_EQ(s.tree->GetHitTestInfoAt(10, 150), htNowhere);
}

TEST(TreeView, ScrollsByBarWheelAndKeys) {
  TestHost host(160, 100);
  auto* tree = new TTreeView(host.Form());
  tree->SetParent(host.Form());
  tree->SetBounds(0, 0, 160, 100);
  host.Show();
  for (int i = 0; i < 100; ++i) tree->Items()->AddChild(nullptr, "Item " + std::to_string(i));
  const int visible = tree->VisibleRowCount();
  const TRect bar = tree->VertScrollBarRect();
  ASSERT_FALSE(IsRectEmpty(bar));
  EXPECT_EQ(tree->RowsArea().Right, bar.Left);
  host.Click(bar.Left + 8, bar.Bottom - 8);  // the forward arrow
  EXPECT_EQ(tree->TopRow(), 1);
  host.Wheel(50, 50, -120);
  EXPECT_EQ(tree->TopRow(), 4);
  tree->SetFocus();
  tree->SetSelected(tree->Items()->GetFirstNode());
  EXPECT_EQ(tree->TopRow(), 0);
  host.PressKey(VK_END);
  EXPECT_EQ(tree->TopRow(), 100 - visible);
  EXPECT_EQ(tree->GetNodeAt(50, tree->RowsArea().Top + 1)->Text(),
            "Item " + std::to_string(100 - visible));
  // Few rows: no bar, the rows take the whole width.
  tree->Items()->Clear();
  tree->Items()->AddChild(nullptr, "alone");
  EXPECT_TRUE(IsRectEmpty(tree->VertScrollBarRect()));
  EXPECT_EQ(tree->TopRow(), 0);
}

TEST(TreeView, PaintsLinesButtonsAndTheSelection) {
  struct Case {
    bool lines, buttons;
  };
  for (const Case& c : std::vector<Case>{{true, true}, {false, true}, {true, false}}) {
    ShownTree s;
    s.tree->SetShowLines(c.lines);
    s.tree->SetShowButtons(c.buttons);
    s.n["A"]->Expand(false);
    s.tree->SetSelected(s.n["A1"]);
    const TColor line = ColorToRGB(clBtnShadow);
    const TColor back = ColorToRGB(clWindow);
    const TRect a = s.tree->DisplayRect(s.n["A"], true);
    const TRect c2 = s.tree->DisplayRect(s.n["C"], true);
    const int cx = s.ButtonX("A");
    const int cy = (a.Top + a.Bottom) / 2;
    // The button box around A's column centre, its minus sign, and no plus stroke (open).
    EXPECT_EQ(s.host.Pixel(cx - 4, cy) == line, c.buttons);
    EXPECT_EQ(s.host.Pixel(cx, cy) == ColorToRGB(clWindowText), c.buttons);
    EXPECT_EQ(s.host.Pixel(cx, cy - 2), back);
    // C, closed, has no button but its line comes from above; B's button shows a plus.
    const int ccy = (c2.Top + c2.Bottom) / 2;
    bool dotAbove = false;
    for (int y = c2.Top; y < ccy; ++y) dotAbove |= s.host.Pixel(cx, y) == line;
    EXPECT_EQ(dotAbove, c.lines);
    const TRect b = s.tree->DisplayRect(s.n["B"], true);
    EXPECT_EQ(s.host.Pixel(cx, (b.Top + b.Bottom) / 2 - 2) == ColorToRGB(clWindowText), c.buttons);
    // The line across from A1's column to its text.
    const TRect a1 = s.tree->DisplayRect(s.n["A1"], true);
    const int y1 = (a1.Top + a1.Bottom) / 2;
    EXPECT_EQ(s.host.Pixel(a1.Left - 3, y1) == line || s.host.Pixel(a1.Left - 4, y1) == line,
              c.lines);
    // The selected text box in the highlight colour.
    EXPECT_EQ(s.host.Pixel(a1.Left + 1, a1.Top + 1), ColorToRGB(clHighlight));
  }
}

TEST(TreeView, EdgesTakeTheirWidths) {
  struct Case {
    TBevelKind kind;
    TBevelCut inner, outer;
    int bevelWidth, borderWidth;
    TFormBorderStyle style;
    int inset;
  };
  for (const Case& c : std::vector<Case>{{bkNone, bvRaised, bvLowered, 5, 0, bsSingle, 2},
                                         {bkTile, bvRaised, bvLowered, 2, 3, bsSingle, 9},
                                         {bkFlat, bvNone, bvRaised, 1, 0, bsNone, 1},
                                         {bkSoft, bvSpace, bvNone, 4, 1, bsNone, 5}}) {
    ShownTree s;
    s.tree->SetBevelKind(c.kind);
    s.tree->SetBevelInner(c.inner);
    s.tree->SetBevelOuter(c.outer);
    s.tree->SetBevelWidth(c.bevelWidth);
    s.tree->SetBorderWidth(c.borderWidth);
    s.tree->SetBorderStyle(c.style);
    EXPECT_EQ(s.tree->RowsArea().Left, c.inset);
    EXPECT_EQ(s.tree->DisplayRect(s.n["A"], false).Top, c.inset);
  }
}

TEST(TreeView, FormTextAndClassRecord) {
  for (const char* name : {"TCustomTreeView", "TTreeView"}) {
    for (const std::string& problem : testing::CheckRegisteredClass(name)) ADD_FAILURE() << problem;
  }
  TestHost host;
  TTreeView tree(nullptr);
  ReadFormInto(tree,
               "object T: TTreeView\n Indent = 25\n ShowLines = False\n BevelKind = bkFlat\n"
               " BorderWidth = 4\n HotTrack = True\n ReadOnly = True\nend\n");
  EXPECT_EQ(tree.Indent(), 25);
  EXPECT_FALSE(tree.ShowLines());
  EXPECT_EQ(tree.BevelKind(), bkFlat);
  EXPECT_EQ(tree.BorderWidth(), 4);
  EXPECT_TRUE(tree.HotTrack());
  EXPECT_TRUE(tree.ReadOnly());
}

TEST(TreeView, HotTrackUnderlinesTheTextUnderThePointer) {
  ShownTree s;
  s.tree->SetHotTrack(true);
  const TPoint b = s.TextPoint("B");
  const TRect box = s.tree->DisplayRect(s.n["B"], true);
  auto highlighted = [&] {
    bool any = false;
    for (int x = box.Left; x < box.Right; ++x) {
      for (int y = box.Top; y < box.Bottom; ++y)
        any |= s.host.Pixel(x, y) == ColorToRGB(clHighlight);
    }
    return any;
  };
  EXPECT_FALSE(highlighted());
  s.host.MouseMove(b.X, b.Y);
  EXPECT_TRUE(highlighted());
  s.host.MouseLeave();
  EXPECT_FALSE(highlighted());
}

}  // namespace
}  // namespace fw
