// The object inspector: rows of every published property, editing by typed text, refusals,
// value lists through the drop-down, sub-properties, the dialog button and the events tab,
// driven through a test host as a user drives them.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "apps/designer/object_inspector.h"
#include "framework/backend/headless/test_host.h"
#include "framework/design/property_editor_registry.h"
#include "framework/graphics/pen_brush_font.h"
#include "framework/grids/inplace_edit.h"
#include "framework/rtl/utf8.h"
#include "framework/stdctrls/drop_down_list.h"

namespace designer {
namespace {

using namespace fw;

enum TProbeMode : uint8_t { pmSlow, pmNormal, pmFast };
enum TProbeOption : uint8_t { poLeft, poRight, poWrap };

// A component with one published property of each kind the inspector edits.
class TInspectorProbe : public TComponent {
 public:
  explicit TInspectorProbe(TComponent* AOwner) : TComponent(AOwner), font_(new TFont) {}
  int Count() const { return count_; }
  // Refuses what no count can be, as a component's setter does.
  void SetCount(int value) {
    if (value < 0) throw EInvalidOperation("Count cannot be negative");
    count_ = value;
  }
  double Ratio() const { return ratio_; }
  void SetRatio(double value) { ratio_ = value; }
  bool Active() const { return active_; }
  void SetActive(bool value) { active_ = value; }
  TProbeMode Mode() const { return mode_; }
  void SetMode(TProbeMode value) { mode_ = value; }
  Set<TProbeOption> Options() const { return options_; }
  void SetOptions(Set<TProbeOption> value) { options_ = value; }
  TColor Tint() const { return tint_; }
  void SetTint(TColor value) { tint_ = value; }
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value) { caption_ = value; }
  TFont* Font() const { return font_.get(); }

 private:
  int count_ = 7;
  double ratio_ = 0.5;
  bool active_ = false;
  TProbeMode mode_ = pmNormal;
  Set<TProbeOption> options_{poLeft};
  TColor tint_ = clRed;
  std::string caption_ = "Probe";
  std::unique_ptr<TFont> font_;
};

// Counts the dialogs opened on Caption; the dialog sets the text "edited".
int captionDialogs = 0;
class TCaptionDialogProperty : public TStringProperty {
 public:
  using TStringProperty::TStringProperty;
  TPropertyAttributes GetAttributes() const override {
    return TStringProperty::GetAttributes() + paDialog;
  }
  void Edit() override {
    ++captionDialogs;
    SetStrValue("edited");
  }
};

void RegisterProbe() {
  static const bool registered = [] {
    RegisterClass<TInspectorProbe>("TInspectorProbe", "TComponent")
        .Int("Count", &TInspectorProbe::Count, &TInspectorProbe::SetCount, 7)
        .Double("Ratio", &TInspectorProbe::Ratio, &TInspectorProbe::SetRatio, 0.5)
        .Bool("Active", &TInspectorProbe::Active, &TInspectorProbe::SetActive, false)
        .Enum("Mode", &TInspectorProbe::Mode, &TInspectorProbe::SetMode,
              {"pmSlow", "pmNormal", "pmFast"}, pmNormal)
        .SetOf("Options", &TInspectorProbe::Options, &TInspectorProbe::SetOptions,
               {"poLeft", "poRight", "poWrap"}, Set<TProbeOption>{poLeft})
        .Color("Tint", &TInspectorProbe::Tint, &TInspectorProbe::SetTint, clRed)
        .Str("Caption", &TInspectorProbe::Caption, &TInspectorProbe::SetCaption, "Probe")
        .Object("Font", &TInspectorProbe::Font)
        .Event("OnClick")
        .Event("OnChange");
    RegisterPropertyEditor(TPropertyKind::String, typeid(TInspectorProbe), "Caption",
                           EditorClass<TCaptionDialogProperty>("TCaptionDialogProperty"));
    return true;
  }();
  (void)registered;
}

class TCountingDesigner : public TDesigner {
 public:
  TComponent* Root() const override { return nullptr; }
  void Modified() override { ++modified; }
  int modified = 0;
};

struct InspectorFixture {
  InspectorFixture() : host(300, 400) {
    RegisterProbe();
    probe = new TInspectorProbe(host.Form());
    probe->SetName("Probe1");
    inspector = new TObjectInspector(host.Form());
    inspector->SetParent(host.Form());
    inspector->SetBounds(0, 0, 300, 400);
    inspector->OnError = [this](const std::string& message) { errors.push_back(message); };
    inspector->OnModified = [this](TObject*) { ++modified; };
    inspector->SetInspected(&designer, probe);
    host.Show();
  }
  // The centre of a row's value (or name) cell, in form coordinates.
  TPoint CellCentre(int row, int col = 1) const {
    const TRect cell = inspector->Grid()->CellRect(col, row);
    const TPoint origin = inspector->Grid()->FormOrigin();
    return {origin.X + (cell.Left + cell.Right) / 2, origin.Y + (cell.Top + cell.Bottom) / 2};
  }
  int Row(const std::string& path) const {
    const int row = inspector->FindRow(path);
    EXPECT_GE(row, 0) << path;
    return row;
  }
  void ClickValue(const std::string& path) {
    const TPoint p = CellCentre(Row(path));
    host.Click(p.X, p.Y);
  }
  // A key as a keyboard delivers it: down, its character, up.
  void Stroke(uint16_t vk, char32_t ch) {
    host.KeyDown(vk);
    host.KeyPress(ch);
    host.KeyUp(vk);
  }
  void Enter() { Stroke(VK_RETURN, U'\r'); }
  void TypeInto(const std::string& path, const std::string& text) {
    ClickValue(path);
    inspector->Editor()->SelectAll();
    host.TypeText(text);
    Enter();
  }

  TestHost host;
  TCountingDesigner designer;
  TInspectorProbe* probe = nullptr;
  TObjectInspector* inspector = nullptr;
  std::vector<std::string> errors;
  int modified = 0;
};

TEST(ObjectInspector, ListsEveryPublishedPropertyAlphabetically) {
  InspectorFixture f;
  const ClassRecord* record = ClassRecordOf(*f.probe);
  ASSERT_NE(record, nullptr);
  std::vector<std::string> names;
  for (const PropertyRecord* p : AllProperties(*record)) names.push_back(p->name);
  std::sort(names.begin(), names.end(),
            [](const std::string& a, const std::string& b) { return UpperCase(a) < UpperCase(b); });
  std::vector<std::string> shown;
  for (int i = 0; i < f.inspector->RowCount(); ++i) shown.push_back(f.inspector->RowName(i));
  EXPECT_EQ(shown, names);
  EXPECT_EQ(f.inspector->RowValue(f.Row("Tint")), "clRed");
  EXPECT_EQ(f.inspector->RowValue(f.Row("Options")), "[poLeft]");
  EXPECT_EQ(f.inspector->RowValue(f.Row("Font")), "(TFont)");
  EXPECT_EQ(f.inspector->RowValue(f.Row("Name")), "Probe1");
  // Refresh reads a value the component changed meanwhile.
  f.probe->SetCount(12);
  f.inspector->Refresh();
  EXPECT_EQ(f.inspector->RowValue(f.Row("Count")), "12");
  // Nothing inspected: no rows.
  f.inspector->SetInspected(nullptr, nullptr);
  EXPECT_EQ(f.inspector->RowCount(), 0);
}

TEST(ObjectInspector, TypedTextSetsEachKind) {
  struct Case {
    const char* path;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"Count", "42", "42"},        {"Ratio", "2.25", "2.25"},    {"Active", "true", "True"},
      {"Mode", "pmfast", "pmFast"}, {"Tint", "clblue", "clBlue"}, {"Caption", "Hello", "Hello"},
      {"Name", "Probe2", "Probe2"},
  };
  InspectorFixture f;
  int changes = 0;
  for (const Case& c : cases) {
    f.TypeInto(c.path, c.typed);
    ++changes;
    EXPECT_EQ(f.inspector->RowValue(f.Row(c.path)), c.shown) << c.path;
    // The editor shows the value as the property editor writes it.
    EXPECT_EQ(f.inspector->Editor()->Text(), c.shown) << c.path;
    EXPECT_EQ(f.modified, changes) << c.path;
  }
  EXPECT_EQ(f.probe->Count(), 42);
  EXPECT_EQ(f.probe->Ratio(), 2.25);
  EXPECT_TRUE(f.probe->Active());
  EXPECT_EQ(f.probe->Mode(), pmFast);
  EXPECT_EQ(f.probe->Tint(), clBlue);
  EXPECT_EQ(f.probe->Caption(), "Hello");
  EXPECT_EQ(f.probe->Name(), "Probe2");
  EXPECT_EQ(f.designer.modified, changes);
  EXPECT_TRUE(f.errors.empty());
}

TEST(ObjectInspector, LeavingTheRowWritesTheTextAndEscapeRevertsIt) {
  InspectorFixture f;
  f.ClickValue("Count");
  f.inspector->Editor()->SelectAll();
  f.host.TypeText("9");
  f.host.PressKey(VK_DOWN);
  EXPECT_EQ(f.probe->Count(), 9);
  EXPECT_EQ(f.inspector->SelectedRow(), f.Row("Count") + 1);
  f.host.PressKey(VK_UP);
  EXPECT_EQ(f.inspector->SelectedRow(), f.Row("Count"));
  f.inspector->Editor()->SelectAll();
  f.host.TypeText("10");
  f.Stroke(VK_ESCAPE, 0x1B);
  EXPECT_EQ(f.inspector->Editor()->Text(), "9");
  f.host.PressKey(VK_DOWN);
  EXPECT_EQ(f.probe->Count(), 9);
  EXPECT_EQ(f.modified, 1);
}

TEST(ObjectInspector, ARefusedValueIsReportedAndTheOldValueShown) {
  const char* refused[] = {"-5", "many", "99999999999"};
  InspectorFixture f;
  for (const char* text : refused) {
    f.errors.clear();
    f.TypeInto("Count", text);
    EXPECT_EQ(f.probe->Count(), 7) << text;
    EXPECT_EQ(f.inspector->Editor()->Text(), "7") << text;
    ASSERT_EQ(f.errors.size(), 1u) << text;
    EXPECT_EQ(f.inspector->StatusText(), f.errors[0]);
  }
  EXPECT_NE(f.errors[0].find("Count"), std::string::npos);
  EXPECT_EQ(f.modified, 0);
  // The status line shows the message in red at the bottom (the glyphs' edges are smoothed).
  auto shot = f.host.Snapshot();
  int red = 0;
  for (int y = 400 - 18; y < 400; ++y)
    for (int x = 0; x < 300; ++x) {
      const TColor c = shot->Canvas()->Pixels(x, y);
      red += GetRValue(c) > 180 && GetGValue(c) < 90 && GetBValue(c) < 90;
    }
  EXPECT_GT(red, 10);
  // A value taken afterwards clears it.
  f.TypeInto("Count", "3");
  EXPECT_EQ(f.inspector->StatusText(), "");
}

TEST(ObjectInspector, AnEnumerationIsChosenFromTheDropDown) {
  InspectorFixture f;
  f.ClickValue("Mode");
  TInplaceEditList* editor = f.inspector->Editor();
  ASSERT_EQ(editor->EditStyle(), esPickList);
  EXPECT_FALSE(editor->ReadOnly());
  // F4 opens the list on the current value; Down and Enter take the next one.
  f.host.PressKey(VK_F4);
  TDropDownList* list = f.inspector->ValueList();
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->Count(), 3);
  EXPECT_EQ(list->ItemIndex(), 1);
  f.host.PressKey(VK_DOWN);
  f.Enter();
  EXPECT_EQ(f.inspector->ValueList(), nullptr);
  EXPECT_EQ(f.probe->Mode(), pmFast);
  // A click on the arrow button and on the first item takes that item.
  const TRect button = editor->ButtonRect();
  const TPoint origin = editor->FormOrigin();
  f.host.Click(origin.X + (button.Left + button.Right) / 2, origin.Y + button.Bottom / 2);
  list = f.inspector->ValueList();
  ASSERT_NE(list, nullptr);
  const TRect first = list->ItemRect(0);
  const int y = list->Top() + (first.Top + first.Bottom) / 2;
  f.host.MouseMove(list->Left() + 10, y);
  f.host.Click(list->Left() + 10, y);
  EXPECT_EQ(f.probe->Mode(), pmSlow);
  // Alt+Down opens it too, and Escape closes it choosing nothing.
  f.host.PressKey(VK_DOWN, {ssAlt});
  ASSERT_NE(f.inspector->ValueList(), nullptr);
  f.host.PressKey(VK_DOWN);
  f.Stroke(VK_ESCAPE, 0x1B);
  EXPECT_EQ(f.inspector->ValueList(), nullptr);
  EXPECT_EQ(f.probe->Mode(), pmSlow);
  // A double click steps to the next value, on the selected row or another one.
  f.ClickValue("Count");
  const TPoint p = f.CellCentre(f.Row("Mode"));
  f.host.DblClick(p.X, p.Y);
  EXPECT_EQ(f.probe->Mode(), pmNormal);
  EXPECT_EQ(f.modified, 3);
}

TEST(ObjectInspector, ColourNamesAreListedBehindSwatches) {
  InspectorFixture f;
  f.ClickValue("Tint");
  f.host.PressKey(VK_F4);
  TDropDownList* list = f.inspector->ValueList();
  ASSERT_NE(list, nullptr);
  // The current colour is chosen; the row of clBlue, scrolled into view, shows a blue swatch.
  const std::vector<std::string> names = f.inspector->RowEditor(f.Row("Tint"))->GetValues();
  const auto at = [&](const char* name) {
    return static_cast<int>(std::find(names.begin(), names.end(), name) - names.begin());
  };
  EXPECT_EQ(list->ItemIndex(), at("clRed"));
  list->SetItemIndex(at("clBlue"));
  const TRect row = list->ItemRect(at("clBlue"));
  EXPECT_EQ(f.host.Pixel(list->Left() + row.Left + 7, list->Top() + (row.Top + row.Bottom) / 2),
            clBlue);
  f.Enter();
  EXPECT_EQ(f.probe->Tint(), clBlue);
  // The value cell shows the swatch too.
  const TRect cell = f.inspector->Grid()->CellRect(1, f.Row("Tint"));
  const TPoint origin = f.inspector->Grid()->FormOrigin();
  EXPECT_EQ(f.host.Pixel(origin.X + cell.Left + 7, origin.Y + (cell.Top + cell.Bottom) / 2),
            clBlue);
}

TEST(ObjectInspector, ASetOpensIntoElementsThatToggle) {
  InspectorFixture f;
  const int options = f.Row("Options");
  EXPECT_TRUE(f.inspector->RowExpandable(options));
  f.ClickValue("Options");
  EXPECT_TRUE(f.inspector->Editor()->ReadOnly());
  f.host.PressKey(VK_RIGHT);
  ASSERT_TRUE(f.inspector->RowExpanded(options));
  // The elements in their order, one level in, under the set.
  EXPECT_EQ(f.inspector->RowPath(options + 1), "Options.poLeft");
  EXPECT_EQ(f.inspector->RowPath(options + 2), "Options.poRight");
  EXPECT_EQ(f.inspector->RowPath(options + 3), "Options.poWrap");
  EXPECT_EQ(f.inspector->RowLevel(options + 3), 1);
  EXPECT_EQ(f.inspector->RowValue(options + 1), "True");
  f.TypeInto("Options.poWrap", "True");
  EXPECT_EQ(f.probe->Options(), (Set<TProbeOption>{poLeft, poWrap}));
  EXPECT_EQ(f.inspector->RowValue(options), "[poLeft,poWrap]");
  // Back on the set, Left closes it; a click on its +/- box opens it again.
  f.ClickValue("Options");
  f.host.PressKey(VK_LEFT);
  EXPECT_FALSE(f.inspector->RowExpanded(options));
  EXPECT_EQ(f.inspector->FindRow("Options.poWrap"), -1);
  const TRect name = f.inspector->Grid()->CellRect(0, options);
  const TRect box = TRect{name.Left + 3, name.Top + (name.Height() - 9) / 2, 0, 0};
  const TPoint origin = f.inspector->Grid()->FormOrigin();
  f.host.Click(origin.X + box.Left + 4, origin.Y + box.Top + 4);
  EXPECT_TRUE(f.inspector->RowExpanded(options));
}

TEST(ObjectInspector, AFontOpensIntoItsFieldsAndItsStyleIntoElements) {
  InspectorFixture f;
  f.inspector->SetRowExpanded(f.Row("Font"), true);
  f.inspector->SetRowExpanded(f.Row("Font.Style"), true);
  const int bold = f.Row("Font.Style.fsBold");
  EXPECT_EQ(f.inspector->RowLevel(bold), 2);
  EXPECT_TRUE(f.inspector->CommitRow(bold, "True"));
  EXPECT_TRUE(f.probe->Font()->Style().Contains(fsBold));
  f.TypeInto("Font.Size", "12");
  EXPECT_EQ(f.probe->Font()->Size(), 12);
  // The open rows stay open for the next component inspected.
  TInspectorProbe other(nullptr);
  f.inspector->SetInspected(&f.designer, &other);
  EXPECT_GE(f.inspector->FindRow("Font.Style.fsItalic"), 0);
}

TEST(ObjectInspector, TheEllipsisButtonAndCtrlEnterCallEdit) {
  InspectorFixture f;
  captionDialogs = 0;
  f.ClickValue("Caption");
  TInplaceEditList* editor = f.inspector->Editor();
  ASSERT_EQ(editor->EditStyle(), esEllipsis);
  const TRect button = editor->ButtonRect();
  const TPoint origin = editor->FormOrigin();
  f.host.Click(origin.X + (button.Left + button.Right) / 2, origin.Y + button.Bottom / 2);
  EXPECT_EQ(captionDialogs, 1);
  EXPECT_EQ(f.probe->Caption(), "edited");
  EXPECT_EQ(editor->Text(), "edited");
  EXPECT_EQ(f.modified, 1);
  f.host.PressKey(VK_RETURN, {ssCtrl});
  EXPECT_EQ(captionDialogs, 2);
  // Another row has no dialog: Ctrl+Enter there calls nothing.
  f.ClickValue("Count");
  f.host.PressKey(VK_RETURN, {ssCtrl});
  EXPECT_EQ(captionDialogs, 2);
}

TEST(ObjectInspector, TheEventsTabListsEventsAndSetsHandlerNames) {
  InspectorFixture f;
  std::map<std::string, std::string> handlers{{"OnClick", "Probe1Click"}};
  f.inspector->GetEventHandler = [&](const std::string& e) { return handlers[e]; };
  f.inspector->SetEventHandler = [&](const std::string& e, const std::string& h) {
    handlers[e] = h;
  };
  const TRect tab = f.inspector->TabRect(itEvents);
  f.host.Click(tab.Left + 10, tab.Top + 8);
  ASSERT_EQ(f.inspector->ActiveTab(), itEvents);
  ASSERT_EQ(f.inspector->RowCount(), 2);
  EXPECT_EQ(f.inspector->RowName(0), "OnChange");
  EXPECT_EQ(f.inspector->RowName(1), "OnClick");
  EXPECT_EQ(f.inspector->RowValue(1), "Probe1Click");
  f.TypeInto("OnChange", "ProbeChanged");
  EXPECT_EQ(handlers["OnChange"], "ProbeChanged");
  f.TypeInto("OnChange", "not a name");
  EXPECT_EQ(handlers["OnChange"], "ProbeChanged");
  EXPECT_EQ(f.errors.size(), 1u);
  EXPECT_EQ(f.modified, 1);
}

TEST(ObjectInspector, ADeletedComponentIsNoLongerInspected) {
  InspectorFixture f;
  f.ClickValue("Caption");
  f.host.TypeText("typed, never written");
  delete f.probe;
  EXPECT_EQ(f.inspector->Inspected(), nullptr);
  EXPECT_EQ(f.inspector->RowCount(), 0);
  f.host.ProcessMessages();
  // An inspector deleted in the middle of an edit writes nothing on its way out.
  TInspectorProbe other(nullptr);
  f.inspector->SetInspected(nullptr, &other);
  f.ClickValue("Caption");
  f.host.TypeText("lost");
  delete f.inspector;
  EXPECT_EQ(other.Caption(), "Probe");
}

}  // namespace
}  // namespace designer
