// The standard published properties every control shares: reading order and 3-D look follow
// the parent while their Parent flag is set, help settings, the popup menu and a label's
// focus control as component references in forms, and the dock events forms may name.
#include <gtest/gtest.h>

#include <memory>

#include "framework/base/form_text.h"
#include "framework/base/registry.h"
#include "framework/controls/form.h"
#include "framework/stdctrls/label.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::TProbeGraphic;
using test::TProbeWin;

// A parent property, set on a form, reaches windowed and graphic descendants through a
// panel while they follow their parents; setting their own value ends that.
TEST(ParentFollowing, BiDiModeFollowsThroughTheTreeUntilAControlSetsItsOwn) {
  TestHost host;
  auto* panel = new TProbeWin(host.Form(), "Panel");
  panel->SetParent(host.Form());
  auto* mark = new TProbeGraphic(host.Form(), "Mark");
  mark->SetParent(panel);
  EXPECT_TRUE(mark->ParentBiDiMode());
  EXPECT_EQ(mark->BiDiMode(), bdLeftToRight);
  host.Form()->SetBiDiMode(bdRightToLeft);
  EXPECT_EQ(panel->BiDiMode(), bdRightToLeft);
  EXPECT_EQ(mark->BiDiMode(), bdRightToLeft);
  mark->SetBiDiMode(bdRightToLeftReadingOnly);
  EXPECT_FALSE(mark->ParentBiDiMode());
  host.Form()->SetBiDiMode(bdLeftToRight);
  EXPECT_EQ(panel->BiDiMode(), bdLeftToRight);
  EXPECT_EQ(mark->BiDiMode(), bdRightToLeftReadingOnly);
  mark->SetParentBiDiMode(true);
  EXPECT_EQ(mark->BiDiMode(), bdLeftToRight);
  // A control joining a parent takes its mode.
  host.Form()->SetBiDiMode(bdRightToLeftNoAlign);
  auto* late = new TProbeGraphic(host.Form(), "Late");
  late->SetParent(host.Form());
  EXPECT_EQ(late->BiDiMode(), bdRightToLeftNoAlign);
}

TEST(ParentFollowing, Ctl3DFollowsWindowedParents) {
  TestHost host;
  EXPECT_TRUE(host.Form()->Ctl3D());
  auto* panel = new TProbeWin(host.Form(), "Panel");
  panel->SetParent(host.Form());
  auto* inner = new TProbeWin(host.Form(), "Inner");
  inner->SetParent(panel);
  host.Form()->SetCtl3D(false);
  EXPECT_FALSE(panel->Ctl3D());
  EXPECT_FALSE(inner->Ctl3D());
  panel->SetCtl3D(true);
  EXPECT_FALSE(panel->ParentCtl3D());
  EXPECT_TRUE(inner->Ctl3D());  // follows the panel, its parent
  inner->SetCtl3D(false);
  panel->SetParentCtl3D(true);
  EXPECT_FALSE(panel->Ctl3D());
  EXPECT_FALSE(inner->ParentCtl3D());
  // Joining a parent: a control that follows takes the parent's look, one that does not keeps
  // its own.
  TProbeWin own(nullptr, "Own");
  own.SetParentCtl3D(false);
  own.SetParent(host.Form());
  EXPECT_TRUE(own.Ctl3D());
  own.SetParent(nullptr);
}

// Outside form reading, naming a help context or keyword chooses the help type; while
// reading, the HelpType written with the form holds.
TEST(HelpSettings, ContextOrKeywordChoosesTheTypeExceptWhileReading) {
  TProbeWin control(nullptr, "C");
  EXPECT_EQ(control.HelpType(), htContext);
  control.SetHelpKeyword("intro");
  EXPECT_EQ(control.HelpType(), htKeyword);
  control.SetHelpContext(12);
  EXPECT_EQ(control.HelpType(), htContext);
  TestHost host;
  std::unique_ptr<TComponent> root = ReadForm(R"(object F: TForm
  object P: TCustomControl
    HelpType = htKeyword
    HelpContext = 7
    HelpKeyword = 'setup'
  end
end
)");
  auto* p = dynamic_cast<TControl*>(root->FindComponent("P"));
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->HelpType(), htKeyword);
  EXPECT_EQ(p->HelpContext(), 7);
  EXPECT_EQ(p->HelpKeyword(), "setup");
  const std::string text = WriteForm(*root);
  EXPECT_NE(text.find("HelpType = htKeyword"), std::string::npos) << text;
  EXPECT_EQ(WriteForm(*ReadForm(text)), text);
}

// Values a control takes from its parent are not written; its own ones are, after the flag.
TEST(StandardProperties, ValuesFollowingTheParentAreNotWritten) {
  TestHost host;
  host.Form()->SetName("F");
  host.Form()->SetBiDiMode(bdRightToLeft);
  host.Form()->SetCtl3D(false);
  auto* follows = new TCustomControl(host.Form());
  follows->SetName("Follows");
  follows->SetParent(host.Form());
  follows->SetParentColor(true);
  auto* own = new TCustomControl(host.Form());
  own->SetName("Own");
  own->SetParent(host.Form());
  own->SetBiDiMode(bdRightToLeftNoAlign);
  own->SetCtl3D(true);
  own->SetColor(clYellow);
  const std::string text = WriteForm(*host.Form());
  const size_t followsAt = text.find("object Follows");
  const size_t ownAt = text.find("object Own");
  ASSERT_NE(followsAt, std::string::npos);
  ASSERT_NE(ownAt, std::string::npos);
  const std::string followsText = text.substr(followsAt, ownAt - followsAt);
  for (const char* name : {"BiDiMode", "Ctl3D", "\n    Color ="})
    EXPECT_EQ(followsText.find(name), std::string::npos) << name << "\n" << text;
  const std::string ownText = text.substr(ownAt);
  EXPECT_LT(ownText.find("ParentCtl3D = False"), ownText.find("Ctl3D = True"));
  std::unique_ptr<TComponent> again = ReadForm(text);
  auto* ownAgain = dynamic_cast<TWinControl*>(again->FindComponent("Own"));
  auto* followsAgain = dynamic_cast<TWinControl*>(again->FindComponent("Follows"));
  ASSERT_TRUE(ownAgain && followsAgain);
  EXPECT_EQ(ownAgain->BiDiMode(), bdRightToLeftNoAlign);
  EXPECT_FALSE(ownAgain->ParentBiDiMode());
  EXPECT_TRUE(ownAgain->Ctl3D());
  EXPECT_FALSE(ownAgain->ParentCtl3D());
  EXPECT_EQ(ownAgain->Color(), clYellow);
  EXPECT_EQ(followsAgain->BiDiMode(), bdRightToLeft);
  EXPECT_TRUE(followsAgain->ParentBiDiMode());
  EXPECT_FALSE(followsAgain->Ctl3D());
  EXPECT_TRUE(followsAgain->ParentColor());
  EXPECT_EQ(followsAgain->Color(), clBtnFace);
  EXPECT_EQ(WriteForm(*again), text);
}

// The popup menu and the label's focus control name components of the form; the label
// names a control defined after it.
const char* kReferences = R"(object F: TForm
  PopupMenu = Menu
  object Caption1: TLabel
    Caption = '&Name'
    FocusControl = Field
    PopupMenu = Menu
  end
  object Field: TCustomControl
    TabStop = True
  end
  object Menu: TComponent
  end
end
)";

TEST(ComponentReferences, PopupMenuAndFocusControlReadWriteAndForget) {
  TestHost host;
  std::unique_ptr<TComponent> root = ReadForm(kReferences);
  auto* form = dynamic_cast<TForm*>(root.get());
  auto* label = dynamic_cast<TLabel*>(root->FindComponent("Caption1"));
  auto* field = dynamic_cast<TWinControl*>(root->FindComponent("Field"));
  TComponent* menu = root->FindComponent("Menu");
  ASSERT_TRUE(form && label && field && menu);
  EXPECT_EQ(form->PopupMenu(), menu);
  EXPECT_EQ(label->PopupMenu(), menu);
  EXPECT_EQ(label->FocusControl(), field);
  const std::string text = WriteForm(*root);
  EXPECT_EQ(WriteForm(*ReadForm(text)), text);
  EXPECT_NE(text.find("FocusControl = Field"), std::string::npos) << text;
  delete menu;
  EXPECT_EQ(form->PopupMenu(), nullptr);
  EXPECT_EQ(label->PopupMenu(), nullptr);
  delete field;
  EXPECT_EQ(label->FocusControl(), nullptr);
  EXPECT_EQ(WriteForm(*root).find("FocusControl"), std::string::npos);
}

TEST(ComponentReferences, FocusControlRefusesAGraphicControl) {
  TestHost host;
  try {
    ReadForm(
        "object F: TForm\n  object A: TLabel\n    FocusControl = B\n  end\n"
        "  object B: TLabel\n  end\nend\n");
    FAIL();
  } catch (const EFormReadError& e) {
    EXPECT_EQ(e.Line(), 3);
    EXPECT_NE(e.Message().find("FocusControl"), std::string::npos) << e.Message();
  }
}

// Docking is not supported, but forms that name dock handlers read: the events are known.
TEST(DockEvents, AreKnownWhereThePlatformPublishesThem) {
  const ClassRecord& control = FindClass("TControl");
  const ClassRecord& windowed = FindClass("TWinControl");
  for (const char* e : {"OnStartDock", "OnEndDock"}) EXPECT_TRUE(HasEvent(control, e)) << e;
  for (const char* e : {"OnDockDrop", "OnDockOver", "OnUnDock", "OnGetSiteInfo"}) {
    EXPECT_TRUE(HasEvent(windowed, e)) << e;
    EXPECT_FALSE(HasEvent(control, e)) << e;
  }
  TestHost host;
  std::vector<std::string> bound;
  FormReadOptions options;
  options.bindEvent = [&](TComponent* c, const std::string& event, const std::string& handler) {
    bound.push_back(c->Name() + "." + event + "=" + handler);
  };
  ReadForm(
      "object F: TForm\n  OnDockDrop = FDockDrop\n  object L: TLabel\n"
      "    OnEndDock = LEndDock\n  end\nend\n",
      options);
  EXPECT_EQ(bound, (std::vector<std::string>{"F.OnDockDrop=FDockDrop", "L.OnEndDock=LEndDock"}));
}

// The framework's published classes carry the standard properties in their records.
TEST(StandardProperties, PublishedByTheFrameworkClasses) {
  for (const char* cls : {"TCustomEdit", "TEdit", "TMemo", "TDrawGrid", "TForm"})
    for (const char* p : {"Ctl3D", "ParentCtl3D", "BiDiMode", "ParentBiDiMode", "HelpContext",
                          "HelpKeyword", "HelpType", "PopupMenu"})
      EXPECT_NE(FindProperty(FindClass(cls), p), nullptr) << cls << "." << p;
  for (const char* p : {"BiDiMode", "HelpContext", "PopupMenu", "FocusControl"})
    EXPECT_NE(FindProperty(FindClass("TLabel"), p), nullptr) << p;
  EXPECT_EQ(FindProperty(FindClass("TLabel"), "Ctl3D"), nullptr);  // a windowed property
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

// A label follows its parent's colour from the start; one that keeps its own colour, even the
// colour a new label starts with, reads back with it on a parent of another colour.
TEST(StandardProperties, ALabelsOwnColourSurvivesOnAParentOfAnotherColour) {
  TestHost host;
  host.Form()->SetName("F");
  auto* label = new TLabel(host.Form());
  label->SetName("L");
  label->SetParent(host.Form());
  label->SetParentColor(false);
  label->SetColor(clWindow);
  ASSERT_NE(host.Form()->Color(), clWindow);
  std::unique_ptr<TComponent> again = ReadForm(WriteForm(*host.Form()));
  auto* copy = dynamic_cast<TLabel*>(again->FindComponent("L"));
  ASSERT_NE(copy, nullptr);
  EXPECT_FALSE(copy->ParentColor());
  EXPECT_EQ(copy->Color(), clWindow);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

// A control that held a component as its popup menu and also refers to it elsewhere still
// hears of its deletion after the popup menu changed.
class TReferrer : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  TComponent* other = nullptr;
  void Refer(TComponent* c) {
    other = c;
    c->FreeNotification(this);
  }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    if (operation == opRemove && component == other) other = nullptr;
    TCustomControl::Notification(component, operation);
  }
};

TEST(ComponentReferences, ChangingThePopupMenuKeepsOtherReferencesToItInformed) {
  TReferrer referrer(nullptr);
  auto menu = std::make_unique<TComponent>(nullptr);
  referrer.SetPopupMenu(menu.get());
  referrer.Refer(menu.get());
  referrer.SetPopupMenu(nullptr);
  menu.reset();
  EXPECT_EQ(referrer.other, nullptr);
}

}  // namespace
}  // namespace fw
