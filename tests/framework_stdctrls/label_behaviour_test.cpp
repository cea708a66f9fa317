// Tests of the label's other behaviour: its initial state and class record, the focus
// control it forgets when that control goes, and the accelerator that focuses it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/controls/customcontrol.h"
#include "label_fixture.h"

namespace fw {
namespace {

TEST(LabelState, NewLabelHasThePlatformDefaults) {
  TLabel label(nullptr);
  EXPECT_EQ(label.BoundsRect(), Bounds(0, 0, 65, 17));
  EXPECT_TRUE(label.AutoSize());
  EXPECT_TRUE(label.ShowAccelChar());
  EXPECT_TRUE(label.ParentColor());
  EXPECT_FALSE(label.Transparent());
  EXPECT_FALSE(label.WordWrap());
  EXPECT_EQ(label.Alignment(), taLeftJustify);
  EXPECT_EQ(label.Layout(), tlTop);
  EXPECT_EQ(label.FocusControl(), nullptr);
  EXPECT_TRUE(label.ControlStyle().Contains(csOpaque));
}

TEST(LabelState, ClassRecordsAgreeWithTheClasses) {
  EXPECT_EQ(testing::CheckRegisteredClass("TLabel"), std::vector<std::string>{});
  EXPECT_EQ(testing::CheckRegisteredClass("TCustomLabel"), std::vector<std::string>{});
  EXPECT_TRUE(IsA(FindClass("TLabel"), "TGraphicControl"));
}

TEST(LabelState, AWrittenLabelReadsBackTheSame) {
  TestHost host;
  auto* label = new TLabel(host.Form());
  label->SetName("Title");
  label->SetParent(host.Form());
  label->SetCaption("&Name:");
  label->SetAlignment(taRightJustify);
  label->SetLayout(tlCenter);
  label->SetTransparent(true);
  label->SetWordWrap(true);
  label->SetShowAccelChar(false);
  label->SetAutoSize(false);
  label->SetBounds(4, 5, 70, 30);
  auto* coloured = new TLabel(host.Form());
  coloured->SetName("Coloured");
  coloured->SetParent(host.Form());
  coloured->SetColor(clYellow);
  host.Form()->SetColor(clAqua);
  std::unique_ptr<TComponent> again = ReadForm(WriteForm(*host.Form()));
  auto* copy = dynamic_cast<TLabel*>(again->FindComponent("Title"));
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Caption(), "&Name:");
  EXPECT_EQ(copy->Alignment(), taRightJustify);
  EXPECT_EQ(copy->Layout(), tlCenter);
  EXPECT_TRUE(copy->Transparent());
  EXPECT_TRUE(copy->WordWrap());
  EXPECT_FALSE(copy->ShowAccelChar());
  EXPECT_FALSE(copy->AutoSize());
  EXPECT_EQ(copy->BoundsRect(), Bounds(4, 5, 70, 30));
  // One label follows its form's colour, the other keeps its own.
  EXPECT_TRUE(copy->ParentColor());
  EXPECT_EQ(copy->Color(), clAqua);
  auto* colouredCopy = dynamic_cast<TLabel*>(again->FindComponent("Coloured"));
  ASSERT_NE(colouredCopy, nullptr);
  EXPECT_FALSE(colouredCopy->ParentColor());
  EXPECT_EQ(colouredCopy->Color(), clYellow);
}

TEST(LabelFocusControl, IsForgottenWhenThatControlIsDeleted) {
  auto label = testing_label::MakeLabel("&Name");
  auto* edit = new TCustomControl(nullptr);
  label->SetFocusControl(edit);
  EXPECT_EQ(label->FocusControl(), edit);
  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST(LabelFocusControl, ChangingItKeepsThePopupMenuSlotNamingTheSameComponentSafe) {
  auto label = testing_label::MakeLabel("&Name");
  auto* shared = new TCustomControl(nullptr);
  label->SetPopupMenu(shared);
  label->SetFocusControl(shared);
  label->SetFocusControl(nullptr);
  delete shared;  // the popup slot must hear of it
  EXPECT_EQ(label->PopupMenu(), nullptr);
}

TEST(LabelFocusControl, ALabelDeletedFirstLeavesTheControlSound) {
  auto edit = std::make_unique<TCustomControl>(nullptr);
  {
    auto label = testing_label::MakeLabel("&Name");
    label->SetFocusControl(edit.get());
  }
  auto other = testing_label::MakeLabel("&Other");
  other->SetFocusControl(edit.get());
  other->SetFocusControl(nullptr);
  edit.reset();  // no label is told any more: nothing dangles
  EXPECT_EQ(other->FocusControl(), nullptr);
}

TEST(LabelAccelerator, IsAccelFindsTheMarkedCharacter) {
  struct Case {
    const char* caption;
    char32_t key;
    bool accel;
  };
  for (const Case& c : std::vector<Case>{{"&File", U'f', true},
                                         {"&File", U'F', true},
                                         {"&File", U'i', false},
                                         {"Save &as", U'A', true},
                                         {"a&&b", U'b', false},
                                         {"&&&x", U'x', true},
                                         {"File", U'f', false},
                                         {"end&", U'd', false},
                                         {"&\xC3\xBC"
                                          "ber",
                                          U'\u00DC', true}}) {
    SCOPED_TRACE(::testing::Message() << c.caption << " " << uint32_t(c.key));
    EXPECT_EQ(IsAccel(c.key, c.caption), c.accel);
  }
}

class FocusableBox : public TCustomControl {
 public:
  explicit FocusableBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

TEST(LabelAccelerator, DialogCharFocusesTheFocusControl) {
  TestHost host(200, 100);
  auto* label = new TLabel(host.Form());
  label->SetParent(host.Form());
  label->SetCaption("&Name");
  auto* first = new FocusableBox(host.Form());
  first->SetParent(host.Form());
  first->SetBounds(0, 20, 50, 20);
  auto* target = new FocusableBox(host.Form());
  target->SetParent(host.Form());
  target->SetBounds(0, 50, 50, 20);
  label->SetFocusControl(target);
  host.Show();
  first->SetFocus();

  EXPECT_FALSE(label->DialogChar(U'x'));
  EXPECT_TRUE(first->Focused());
  label->SetShowAccelChar(false);
  EXPECT_FALSE(label->DialogChar(U'n'));
  label->SetShowAccelChar(true);
  label->SetEnabled(false);
  EXPECT_FALSE(label->DialogChar(U'n'));
  EXPECT_TRUE(first->Focused());
  label->SetEnabled(true);
  EXPECT_TRUE(label->DialogChar(U'N'));
  EXPECT_TRUE(target->Focused());
}

TEST(LabelAccelerator, AControlThatCannotTakeTheFocusIsLeftAlone) {
  TestHost host(200, 100);
  auto* label = new TLabel(host.Form());
  label->SetParent(host.Form());
  label->SetCaption("&Name");
  auto* target = new FocusableBox(host.Form());
  target->SetParent(host.Form());
  target->SetEnabled(false);
  label->SetFocusControl(target);
  host.Show();
  EXPECT_TRUE(label->DialogChar(U'n'));  // the key is the label's, even so
  EXPECT_FALSE(target->Focused());
}

}  // namespace
}  // namespace fw
