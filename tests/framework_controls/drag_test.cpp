// Drag and drop through the input dispatch: automatic and manual starts, the threshold,
// enter, move and leave reports, drops on accepting controls only, the end report, the drag
// cursor, drag objects, and sources deleted in the middle of a drag.
#include <gtest/gtest.h>

#include <string>

#include "framework/base/registry.h"
#include "framework/controls/screen.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddGraphic;
using test::Journal;
using test::TProbeGraphic;

std::string StateName(TDragState s) {
  return s == dsDragEnter ? "enter" : s == dsDragLeave ? "leave" : "over";
}
std::string At(int x, int y) {
  return std::to_string(x) + "," + std::to_string(y);
}

// Source "A" at (10, 10), targets "B" at (100, 10) and "C" at (100, 60), all 30 x 30.
class DragDispatch : public ::testing::Test {
 protected:
  void SetUp() override {
    a = AddGraphic(host.Form(), "A", Bounds(10, 10, 30, 30), &journal);
    b = AddGraphic(host.Form(), "B", Bounds(100, 10, 30, 30), &journal);
    c = AddGraphic(host.Form(), "C", Bounds(100, 60, 30, 30), &journal);
    a->OnStartDrag = [this](TObject*, TDragObject*&) { journal.push_back("A start"); };
    a->OnEndDrag = [this](TObject*, TObject* target, int x, int y) {
      journal.push_back("A end " + (target ? static_cast<TControl*>(target)->Name() : "-") + " " +
                        At(x, y));
    };
    for (TProbeGraphic* t : {b, c}) {
      t->OnDragDrop = [this, t](TObject*, TObject* source, int x, int y) {
        journal.push_back(t->Name() + " drop " + Label(source) + " " + At(x, y));
      };
    }
    Accept(b, true);
    host.Show();
  }
  // The target reports every drag over it and answers `accept`.
  void Accept(TProbeGraphic* t, bool accept) {
    t->OnDragOver = [this, t, accept](TObject*, TObject* source, int x, int y, TDragState s,
                                      bool& accepted) {
      journal.push_back(t->Name() + " " + StateName(s) + " " + Label(source) + " " + At(x, y));
      accepted = accept;
    };
  }
  std::string Label(TObject* source) {
    if (source == nullptr) return "nil";
    if (auto* control = dynamic_cast<TControl*>(source)) return control->Name();
    return "object";
  }
  // Journal entries of the drag and the buttons, without moves, paints, enter and leave.
  Journal Events() const {
    Journal out;
    for (const auto& e : journal)
      if (e.find(" move ") == std::string::npos && e.find(" paint") == std::string::npos &&
          e != "A enter" && e != "A leave" && e != "B enter" && e != "B leave" && e != "C enter" &&
          e != "C leave")
        out.push_back(e);
    return out;
  }

  TestHost host{200, 120};
  Journal journal;
  TProbeGraphic* a = nullptr;
  TProbeGraphic* b = nullptr;
  TProbeGraphic* c = nullptr;
};

TEST_F(DragDispatch, AutomaticDragStartsPastTheThresholdAndDropsOnAnAcceptingControl) {
  a->SetDragMode(dmAutomatic);
  host.MouseDown(15, 15);
  host.MouseMove(19, 19);  // 4 pixels: still the press
  EXPECT_FALSE(a->Dragging());
  EXPECT_EQ(journal.back(), "A move 9,9");
  host.MouseMove(20, 15);  // 5 pixels: the drag starts over A itself
  EXPECT_TRUE(a->Dragging());
  host.MouseMove(105, 12);
  host.MouseMove(107, 14);
  host.MouseUp(107, 14);
  EXPECT_FALSE(a->Dragging());
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "A start", "B enter A 5,2", "B over A 7,4",
                               "B over A 7,4", "B drop A 7,4", "A end B 7,4"}));
  // The press became a drag: no Click and no release on the source; the next click is plain.
  journal.clear();
  host.Click(15, 15);
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "A click", "A up 5,5"}));
}

TEST_F(DragDispatch, ManualModeDragsOnlyWhenAsked) {
  host.MouseDown(15, 15);
  host.MouseMove(105, 15);
  host.MouseUp(105, 15);
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "A up 95,5"}));

  journal.clear();
  a->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) {
    a->BeginDrag(false, 10);
  };
  host.AdvanceTime(1000);  // no double click with the press before
  host.MouseDown(15, 15);
  host.MouseMove(24, 15);  // below the threshold of 10
  EXPECT_FALSE(a->Dragging());
  host.MouseMove(105, 15);
  host.MouseUp(105, 15);
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "A start", "B enter A 5,5", "B over A 5,5",
                               "B drop A 5,5", "A end B 5,5"}));

  journal.clear();
  a->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { a->BeginDrag(true); };
  host.AdvanceTime(1000);
  host.MouseDown(15, 15);
  EXPECT_TRUE(a->Dragging());
  a->EndDrag(false);
  EXPECT_FALSE(a->Dragging());
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "A start", "A end - 0,0"}));
}

TEST_F(DragDispatch, ControlsThatDoNotAcceptGetNoDrop) {
  a->SetDragMode(dmAutomatic);
  Accept(c, false);
  host.MouseDown(15, 15);
  host.MouseMove(105, 15);  // B accepts
  host.MouseMove(105, 65);  // C refuses
  host.MouseUp(105, 65);
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "A start", "B enter A 5,5", "B leave A 5,55",
                               "C enter A 5,5", "C over A 5,5", "C leave A 5,5", "A end - 0,0"}));
  // Over a control without an OnDragOver handler, or over nothing, nothing accepts either.
  journal.clear();
  host.AdvanceTime(1000);
  host.MouseDown(15, 15);
  host.MouseMove(60, 80);  // the form
  host.MouseUp(60, 80);
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "A start", "A end - 0,0"}));
}

TEST_F(DragDispatch, DragCursorShowsWhereADropWouldBeTaken) {
  a->SetDragMode(dmAutomatic);
  a->SetDragCursor(crHandPoint);
  Accept(c, false);
  host.MouseDown(15, 15);
  host.MouseMove(105, 15);
  EXPECT_EQ(Screen->ShownCursor(), crHandPoint);
  host.MouseMove(105, 65);
  EXPECT_EQ(Screen->ShownCursor(), crNoDrop);
  host.MouseUp(105, 65);
  EXPECT_EQ(Screen->Cursor(), crDefault);
  EXPECT_EQ(Screen->ShownCursor(), crDefault);
}

TEST_F(DragDispatch, AStartHandlerMayDragAnObjectInsteadOfTheControl) {
  TDragObject object;
  a->SetDragMode(dmAutomatic);
  a->OnStartDrag = [&](TObject*, TDragObject*& dragged) { dragged = &object; };
  host.MouseDown(15, 15);
  host.MouseMove(105, 15);
  host.MouseUp(105, 15);
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "B enter object 5,5", "B over object 5,5",
                               "B drop object 5,5", "A end B 5,5"}));
}

TEST_F(DragDispatch, ASourceDeletedDuringTheDragEndsItQuietly) {
  a->SetDragMode(dmAutomatic);
  bool deleted = false;
  a->deleted = &deleted;
  b->OnDragOver = [this](TObject*, TObject*, int, int, TDragState, bool& accepted) {
    journal.push_back("B over");
    accepted = true;
    delete a;
  };
  host.MouseDown(15, 15);
  host.MouseMove(105, 15);
  ASSERT_TRUE(deleted);
  EXPECT_EQ(host.Form()->ControlCount(), 2);
  host.MouseMove(106, 15);  // the drag is gone: B hears the plain release
  host.MouseUp(106, 15);
  EXPECT_EQ(Events(), (Journal{"A down 5,5", "A start", "B over", "B up 6,5"}));
  EXPECT_EQ(Screen->Cursor(), crDefault);
}

TEST(DragRegistry, ControlsPublishTheDragPropertiesAndEvents) {
  const ClassRecord& record = FindClass("TControl");
  EXPECT_EQ(FindProperty(record, "DragMode")->initial, PropertyValue(int64_t{dmManual}));
  EXPECT_EQ(FindProperty(record, "DragKind")->initial, PropertyValue(int64_t{dkDrag}));
  EXPECT_EQ(FindProperty(record, "DragCursor")->initial, PropertyValue(int64_t{crDrag}));
  for (const char* event : {"OnStartDrag", "OnDragOver", "OnDragDrop", "OnEndDrag"})
    EXPECT_TRUE(HasEvent(record, event)) << event;
}

}  // namespace
}  // namespace fw
