// The design document: dropping, naming, selecting, moving, resizing, nudging and deleting
// components; property and event edits; form text written, read back and refused.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "apps/designer/design_document.h"
#include "framework/base/form_text.h"
#include "framework/controls/messages.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/popup_menu.h"
#include "framework/stdctrls/speed_button.h"

namespace designer {
namespace {

using fw::FindClass;

TEST(DesignDocument, NewFormIsADesignedForm1) {
  TDesignDocument doc;
  fw::TCustomForm* form = doc.Root();
  EXPECT_EQ(form->Name(), "Form1");
  EXPECT_EQ(form->Caption(), "Form1");
  EXPECT_EQ(form->ClientWidth(), 640);
  EXPECT_EQ(form->ClientHeight(), 480);
  EXPECT_TRUE(form->ComponentState().Contains(fw::csDesigning));
  EXPECT_FALSE(form->Showing());
  EXPECT_FALSE(doc.IsModified());
}

TEST(DesignDocument, DropNamesPlacesAndSelects) {
  TDesignDocument doc;
  int changes = 0;
  doc.OnChange = [&](fw::TObject*) { ++changes; };
  auto* button = doc.Drop(FindClass("TSpeedButton"), 21, 30);
  auto* label1 = doc.Drop(FindClass("TLabel"), 100, 100);
  auto* label2 = doc.Drop(FindClass("TLabel"), 100, 140);
  auto* menu = doc.Drop(FindClass("TPopupMenu"), 5, 5);
  EXPECT_EQ(button->Name(), "SpeedButton1");
  EXPECT_EQ(label1->Name(), "Label1");
  EXPECT_EQ(label2->Name(), "Label2");
  EXPECT_EQ(menu->Name(), "PopupMenu1");
  EXPECT_EQ(changes, 4);
  EXPECT_TRUE(doc.IsModified());
  // Snapped to the grid of 8, with the control's own size.
  auto* sb = dynamic_cast<fw::TSpeedButton*>(button);
  EXPECT_EQ(sb->BoundsRect(), fw::Bounds(24, 32, 23, 22));
  EXPECT_EQ(sb->Parent(), doc.Root());
  EXPECT_EQ(dynamic_cast<fw::TLabel*>(label1)->Caption(), "Label1");
  EXPECT_TRUE(label1->ComponentState().Contains(fw::csDesigning));
  // Non-visual components are listed apart and not parented.
  EXPECT_EQ(doc.NonVisualComponents(), std::vector<fw::TComponent*>{menu});
  EXPECT_EQ(doc.VisualComponents().size(), 3u);
  EXPECT_EQ(doc.Selection(), std::vector<fw::TComponent*>{menu});
  // The smallest free number is taken again.
  doc.Select(label1);
  doc.DeleteSelection();
  EXPECT_EQ(doc.Drop(FindClass("TLabel"), 0, 0)->Name(), "Label1");
  EXPECT_THROW(doc.Drop(FindClass("TForm"), 0, 0), EDesignError);
}

TEST(DesignDocument, HitTestingTakesTheTopmostControl) {
  TDesignDocument doc;
  auto* a = doc.Drop(FindClass("TSpeedButton"), 0, 0);
  auto* b = doc.Drop(FindClass("TSpeedButton"), 16, 16);
  EXPECT_EQ(doc.ComponentAt(5, 5), a);
  EXPECT_EQ(doc.ComponentAt(20, 20), b);  // both cover it; b is above
  EXPECT_EQ(doc.ComponentAt(300, 300), nullptr);
}

// A control at (40, 40) 80 x 40 is pressed at (50, 50) and dragged to (50 + dx, 50 + dy).
TEST(DesignDocument, MoveFollowsThePointerAndSnapsWhenAsked) {
  struct Case {
    bool snap;
    int dx, dy;
    int left, top;
  } cases[] = {
      {false, 13, 5, 53, 45}, {false, -7, 0, 33, 40}, {true, 13, 5, 56, 48},
      {true, 3, 0, 40, 40},   {true, 5, -21, 48, 16},
  };
  for (const Case& c : cases) {
    TDesignDocument doc;
    doc.SetSnapToGrid(c.snap);
    auto* control = dynamic_cast<fw::TControl*>(doc.Drop(FindClass("TSpeedButton"), 40, 40));
    control->SetBounds(40, 40, 80, 40);
    doc.BeginDrag(50, 50, {});
    doc.DragTo(50 + c.dx, 50 + c.dy);
    doc.EndDrag();
    EXPECT_EQ(control->BoundsRect(), fw::Bounds(c.left, c.top, 80, 40))
        << "snap " << c.snap << " by " << c.dx << "," << c.dy;
  }
}

TEST(DesignDocument, MovingSeveralKeepsTheirDistances) {
  TDesignDocument doc;
  auto* a = dynamic_cast<fw::TControl*>(doc.Drop(FindClass("TSpeedButton"), 8, 8));
  auto* b = dynamic_cast<fw::TControl*>(doc.Drop(FindClass("TSpeedButton"), 96, 96));
  b->SetLeft(101);  // off the grid
  doc.Select(a, true);
  doc.BeginDrag(10, 10, {});
  doc.DragTo(27, 10);
  doc.EndDrag();
  EXPECT_EQ(a->Left(), 24);
  EXPECT_EQ(b->Left(), 117);
  EXPECT_EQ(b->Top(), 96);
}

// Each handle of a control at (40, 40)-(120, 80) dragged by (+10, +10) and by (-100, -100)
// moves only its own edges, and never below one pixel.
TEST(DesignDocument, ResizeByEachHandle) {
  struct Case {
    THandleKind handle;
    fw::TRect by10;         // without snapping, by (+10, +10)
    fw::TRect byMinus100;   // without snapping, by (-100, -100)
    fw::TRect snappedBy10;  // with snapping, by (+10, +10)
  } cases[] = {
      {hkTopLeft, {50, 50, 120, 80}, {-60, -60, 120, 80}, {48, 48, 120, 80}},
      {hkTop, {40, 50, 120, 80}, {40, -60, 120, 80}, {40, 48, 120, 80}},
      {hkTopRight, {40, 50, 130, 80}, {40, -60, 41, 80}, {40, 48, 128, 80}},
      {hkRight, {40, 40, 130, 80}, {40, 40, 41, 80}, {40, 40, 128, 80}},
      {hkBottomRight, {40, 40, 130, 90}, {40, 40, 41, 41}, {40, 40, 128, 88}},
      {hkBottom, {40, 40, 120, 90}, {40, 40, 120, 41}, {40, 40, 120, 88}},
      {hkBottomLeft, {50, 40, 120, 90}, {-60, 40, 120, 41}, {48, 40, 120, 88}},
      {hkLeft, {50, 40, 120, 80}, {-60, 40, 120, 80}, {48, 40, 120, 80}},
  };
  for (const Case& c : cases) {
    for (int run = 0; run < 3; ++run) {
      TDesignDocument doc;
      doc.SetSnapToGrid(run == 2);
      auto* control = dynamic_cast<fw::TControl*>(doc.Drop(FindClass("TSpeedButton"), 40, 40));
      control->SetBounds(40, 40, 80, 40);
      fw::TRect h = HandleRect(control->BoundsRect(), c.handle);
      int x = h.Left + 3;
      int y = h.Top + 3;
      ASSERT_EQ(doc.HandleAt(x, y), c.handle);
      int d = run == 1 ? -100 : 10;
      doc.BeginDrag(x, y, {});
      doc.DragTo(x + d, y + d);
      doc.EndDrag();
      fw::TRect expected = run == 0 ? c.by10 : run == 1 ? c.byMinus100 : c.snappedBy10;
      EXPECT_EQ(control->BoundsRect(), expected) << "handle " << int(c.handle) << " run " << run;
    }
  }
}

TEST(DesignDocument, ShiftClickTogglesAndRubberBandSelects) {
  TDesignDocument doc;
  auto* a = doc.Drop(FindClass("TSpeedButton"), 8, 8);
  auto* b = doc.Drop(FindClass("TSpeedButton"), 200, 8);
  auto* c = doc.Drop(FindClass("TSpeedButton"), 200, 200);
  int selectionChanges = 0;
  doc.OnSelectionChange = [&](fw::TObject*) { ++selectionChanges; };
  doc.BeginDrag(10, 10, {fw::ssShift});
  doc.EndDrag();
  EXPECT_EQ(doc.Selection(), (std::vector<fw::TComponent*>{c, a}));
  doc.BeginDrag(10, 10, {fw::ssShift});
  doc.EndDrag();
  EXPECT_EQ(doc.Selection(), std::vector<fw::TComponent*>{c});
  EXPECT_EQ(doc.HandleControl(), c);
  // A band from the empty form over a and b selects them, not c.
  doc.BeginDrag(300, 100, {});
  doc.DragTo(0, 0);
  EXPECT_EQ(doc.RubberBand(), fw::Rect(0, 0, 300, 100));
  doc.EndDrag();
  EXPECT_EQ(doc.RubberBand(), fw::TRect{});
  EXPECT_EQ(doc.Selection().size(), 2u);
  EXPECT_TRUE(doc.IsSelected(a) && doc.IsSelected(b));
  EXPECT_EQ(doc.HandleControl(), nullptr);
  EXPECT_EQ(selectionChanges, 4);
  doc.SelectAll();
  EXPECT_EQ(doc.Selection().size(), 3u);
}

TEST(DesignDocument, ArrowKeysMoveAndResize) {
  struct Case {
    uint16_t key;
    fw::TShiftState shift;
    fw::TRect bounds;
  } cases[] = {
      {fw::VK_LEFT, {}, {39, 40, 119, 80}},
      {fw::VK_DOWN, {}, {40, 41, 120, 81}},
      {fw::VK_RIGHT, {fw::ssCtrl}, {48, 40, 128, 80}},
      {fw::VK_UP, {fw::ssCtrl}, {40, 32, 120, 72}},
      {fw::VK_RIGHT, {fw::ssShift}, {40, 40, 121, 80}},
      {fw::VK_UP, {fw::ssShift}, {40, 40, 120, 79}},
  };
  for (const Case& c : cases) {
    TDesignDocument doc;
    auto* control = dynamic_cast<fw::TControl*>(doc.Drop(FindClass("TSpeedButton"), 40, 40));
    control->SetBounds(40, 40, 80, 40);
    EXPECT_TRUE(doc.Nudge(c.key, c.shift));
    EXPECT_EQ(control->BoundsRect(), c.bounds) << "key " << c.key;
  }
  TDesignDocument doc;
  auto* control = dynamic_cast<fw::TControl*>(doc.Drop(FindClass("TSpeedButton"), 40, 40));
  control->SetBounds(40, 40, 1, 1);
  doc.Nudge(fw::VK_LEFT, {fw::ssShift});
  EXPECT_EQ(control->Width(), 1);
  doc.ClearSelection();
  EXPECT_FALSE(doc.Nudge(fw::VK_LEFT, {}));
}

TEST(DesignDocument, DeleteClearsReferencesToTheDeletedComponent) {
  TDesignDocument doc;
  auto* label = dynamic_cast<fw::TLabel*>(doc.Drop(FindClass("TLabel"), 8, 8));
  auto* menu = doc.Drop(FindClass("TPopupMenu"), 0, 0);
  label->SetPopupMenu(menu);
  doc.SetEventHandler(menu, "OnPopup", "PopupMenu1Popup");
  EXPECT_TRUE(doc.Nudge(fw::VK_DELETE, {}));
  EXPECT_EQ(label->PopupMenu(), nullptr);
  EXPECT_TRUE(doc.Selection().empty());
  EXPECT_TRUE(doc.NonVisualComponents().empty());
  EXPECT_EQ(doc.Root()->FindComponent("PopupMenu1"), nullptr);
  EXPECT_FALSE(doc.Nudge(fw::VK_DELETE, {}));
}

TEST(DesignDocument, PropertyEditsThroughTheEditors) {
  TDesignDocument doc;
  auto* label = dynamic_cast<fw::TLabel*>(doc.Drop(FindClass("TLabel"), 8, 8));
  auto* edit = doc.Drop(FindClass("TEdit"), 8, 40);
  uint64_t revision = doc.ContentRevision(label);
  doc.SetPropertyText(label, "Caption", "Total");
  doc.SetPropertyText(label, "Font.Size", "14");
  EXPECT_EQ(label->Caption(), "Total");
  EXPECT_EQ(label->Font()->Size(), 14);
  EXPECT_EQ(doc.PropertyText(label, "font.size"), "14");
  EXPECT_NE(doc.ContentRevision(label), revision);
  // Text that is no value, and a value the component refuses: the old value stays.
  try {
    doc.SetPropertyText(label, "Left", "12x");
    FAIL() << "no error";
  } catch (const EDesignError& e) {
    EXPECT_NE(std::string(e.what()).find("12x"), std::string::npos) << e.what();
  }
  EXPECT_EQ(label->Left(), 8);
  EXPECT_THROW(doc.SetPropertyText(edit, "Name", "Label1"), EDesignError);
  EXPECT_EQ(edit->Name(), "Edit1");
  EXPECT_THROW(doc.SetPropertyText(label, "Font.Nothing", "1"), EDesignError);
  EXPECT_THROW(doc.SetPropertyText(label, "Caption.Size", "1"), EDesignError);
}

TEST(DesignDocument, EventHandlersAreListedAndChecked) {
  TDesignDocument doc;
  auto* button = doc.Drop(FindClass("TSpeedButton"), 8, 8);
  doc.SetEventHandler(button, "onclick", "SpeedButton1Click");
  bool found = false;
  for (const auto& e : doc.EventsOf(button))
    if (e.event == "OnClick") found = e.handler == "SpeedButton1Click";
  EXPECT_TRUE(found);
  EXPECT_THROW(doc.SetEventHandler(button, "OnNothing", "X"), EDesignError);
  EXPECT_THROW(doc.SetEventHandler(button, "OnClick", "1X"), EDesignError);
}

// A form of several kinds: controls, a nested font, a string list, a reference, a non-visual
// component and event handlers.
std::string SampleForm(TDesignDocument& doc) {
  auto* label = dynamic_cast<fw::TLabel*>(doc.Drop(FindClass("TLabel"), 8, 8));
  auto* edit = doc.Drop(FindClass("TEdit"), 8, 40);
  auto* memo = doc.Drop(FindClass("TMemo"), 160, 40);
  auto* button = doc.Drop(FindClass("TSpeedButton"), 8, 160);
  auto* menu = doc.Drop(FindClass("TPopupMenu"), 0, 0);
  doc.SetPropertyText(label, "Font.Size", "12");
  doc.SetPropertyText(label, "Caption", "It's 'quoted'");
  doc.SetPropertyText(edit, "PopupMenu", "PopupMenu1");
  doc.SetPropertyText(label, "FocusControl", "Edit1");
  fw::FindProperty(FindClass("TMemo"), "Lines")
      ->set(memo, std::vector<std::string>{"first", "second line"});
  doc.SetEventHandler(button, "OnClick", "SpeedButton1Click");
  doc.SetEventHandler(menu, "OnPopup", "PopupMenu1Popup");
  doc.SetEventHandler(doc.Root(), "OnShow", "FormShow");
  return doc.SaveToText();
}

TEST(DesignDocumentText, SaveLoadSaveGivesTheSameBytes) {
  TDesignDocument doc;
  std::string text = SampleForm(doc);
  EXPECT_NE(text.find("    OnClick = SpeedButton1Click\n  end"), std::string::npos) << text;
  EXPECT_NE(text.find("  OnShow = FormShow\n  object"), std::string::npos) << text;
  TDesignDocument other;
  other.LoadFromText(text);
  EXPECT_EQ(other.SaveToText(), text);
  EXPECT_FALSE(other.IsModified());
  EXPECT_TRUE(other.Selection().empty());
  auto* label = dynamic_cast<fw::TLabel*>(other.Root()->FindComponent("Label1"));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Font()->Size(), 12);
  EXPECT_TRUE(label->ComponentState().Contains(fw::csDesigning));
  // The framework's reader in a user's program gets the same handlers.
  std::vector<std::string> bound;
  fw::FormReadOptions options;
  options.bindEvent = [&](fw::TComponent* c, const std::string& e, const std::string& h) {
    bound.push_back(c->Name() + "." + e + "=" + h);
  };
  auto form = fw::ReadForm(text, options);
  EXPECT_EQ(bound, (std::vector<std::string>{"Form1.OnShow=FormShow",
                                             "SpeedButton1.OnClick=SpeedButton1Click",
                                             "PopupMenu1.OnPopup=PopupMenu1Popup"}));
}

TEST(DesignDocumentText, FilesRoundTrip) {
  auto dir = std::filesystem::temp_directory_path() / "panekit_designdoc_test";
  std::filesystem::create_directories(dir);
  std::string path = (dir / "form1.pfm").string();
  TDesignDocument doc;
  std::string text = SampleForm(doc);
  doc.SaveToFile(path);
  EXPECT_FALSE(doc.IsModified());
  TDesignDocument other;
  other.LoadFromFile(path);
  EXPECT_EQ(other.SaveToText(), text);
  EXPECT_THROW(other.LoadFromFile((dir / "missing.pfm").string()), EDesignError);
  EXPECT_THROW(doc.SaveToFile((dir / "no" / "such" / "dir.pfm").string()), EDesignError);
  std::filesystem::remove_all(dir);
}

TEST(DesignDocumentText, DamagedTextIsRefusedWithItsLine) {
  struct Case {
    const char* text;
    const char* message;  // the start of the error's message
  } cases[] = {
      {"object Form1: TForm\n  object X1: TNoSuchClass\n  end\nend\n",
       "Line 2: Class TNoSuchClass"},
      {"object Form1: TForm\n  Caption = 'a'\n  Colour = clRed\nend\n", "Line 3: Property Colour"},
      {"object Form1: TForm\n  object L: TLabel\n    Left = abc\n  end\nend\n", "Line 3: Invalid"},
      {"object Form1: TForm\n  Caption = 'open\nend\n", "Line 2: Unterminated string"},
      {"object Form1: TForm\n  object L: TLabel\n  end\n", "Line 4: 'end' expected"},
      {"\n\nobject Label1: TLabel\nend\n", "Line 3: Class TLabel is not a form"},
      {"objet Form1: TForm\nend\n", "Line 1: 'object' expected"},
  };
  TDesignDocument doc;
  std::string text = SampleForm(doc);
  fw::TCustomForm* root = doc.Root();
  doc.Select(root->FindComponent("Edit1"));
  for (const Case& c : cases) {
    try {
      doc.LoadFromText(c.text);
      ADD_FAILURE() << "read: " << c.text;
    } catch (const EDesignError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
    }
    EXPECT_EQ(doc.Root(), root);
    EXPECT_EQ(doc.SaveToText(), text);
    EXPECT_EQ(doc.Selection().size(), 1u);
  }
}

}  // namespace
}  // namespace designer
