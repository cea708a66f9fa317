// Accelerators through the form: Alt+key, or a key the focused control does not take, is
// offered to the form's controls, and a label whose accelerator matches focuses its
// FocusControl.
#include <gtest/gtest.h>

#include "framework/backend/headless/test_host.h"
#include "framework/controls/messages.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/label.h"

namespace fw {
namespace {

// A focusable control that takes no characters, and counts those that reach it.
class CharlessBox : public TCustomControl {
 public:
  explicit CharlessBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
  int chars = 0;

 protected:
  void KeyPress(char32_t& Key) override {
    ++chars;
    TCustomControl::KeyPress(Key);
  }
};

struct AccelFixture {
  TestHost host{300, 200};
  TEdit* typing;  // focused at the start
  TEdit* target;
  CharlessBox* box;
  TLabel* label;

  AccelFixture() {
    typing = Add(new TEdit(host.Form()), 10);
    target = Add(new TEdit(host.Form()), 40);
    box = Add(new CharlessBox(host.Form()), 70);
    label = Add(new TLabel(host.Form()), 100);
    label->SetCaption("&Name");
    label->SetFocusControl(target);
    host.Show();
    typing->SetFocus();
  }
  template <typename T>
  T* Add(T* control, int top, TWinControl* parent = nullptr) {
    control->SetParent(parent ? parent : host.Form());
    control->SetBounds(10, top, 100, 21);
    return control;
  }
  // The character typed while Alt (and maybe more) is held; the modifiers are let go after.
  void ModifiedChar(uint16_t vk, char32_t ch, TShiftState shift) {
    host.KeyDown(vk, shift);
    host.KeyPress(ch);
    host.KeyUp(vk, {});
  }
};

TEST(FormAccelerator, AltKeyFocusesTheLabelsControlWithoutTyping) {
  AccelFixture f;
  f.ModifiedChar('N', U'n', {ssAlt});
  EXPECT_TRUE(f.target->Focused());
  EXPECT_EQ(f.typing->Text(), "");
  EXPECT_EQ(f.target->Text(), "");
}

TEST(FormAccelerator, AltKeyWithoutAMatchTypesNothing) {
  AccelFixture f;
  f.ModifiedChar('X', U'x', {ssAlt});
  EXPECT_TRUE(f.typing->Focused());
  EXPECT_EQ(f.typing->Text(), "");
}

// Ctrl+Alt types characters on some keyboards: they are text, not accelerators.
TEST(FormAccelerator, CtrlAltCharacterIsText) {
  AccelFixture f;
  f.ModifiedChar('N', U'n', {ssCtrl, ssAlt});
  EXPECT_TRUE(f.typing->Focused());
  EXPECT_EQ(f.typing->Text(), "n");
}

TEST(FormAccelerator, PlainKeyGoesToAControlThatTakesCharacters) {
  AccelFixture f;
  f.host.KeyPress(U'n');
  EXPECT_TRUE(f.typing->Focused());
  EXPECT_EQ(f.typing->Text(), "n");
}

TEST(FormAccelerator, PlainKeyIsAnAcceleratorWhereTheFocusedControlTakesNoCharacters) {
  AccelFixture f;
  f.box->SetFocus();
  f.host.KeyPress(U'q');  // no label's key: the control gets it
  EXPECT_EQ(f.box->chars, 1);
  f.host.KeyPress(U'N');
  EXPECT_TRUE(f.target->Focused());
  EXPECT_EQ(f.box->chars, 1);
  EXPECT_EQ(f.target->Text(), "");
}

TEST(FormAccelerator, HiddenDisabledOrPlainLabelsDoNotAnswer) {
  struct Case {
    const char* what;
    void (*change)(TLabel*);
  };
  const Case cases[] = {
      {"hidden", [](TLabel* l) { l->SetVisible(false); }},
      {"disabled", [](TLabel* l) { l->SetEnabled(false); }},
      {"accelerators off", [](TLabel* l) { l->SetShowAccelChar(false); }},
      {"no focus control", [](TLabel* l) { l->SetFocusControl(nullptr); }},
  };
  for (const Case& c : cases) {
    AccelFixture f;
    c.change(f.label);
    f.ModifiedChar('N', U'n', {ssAlt});
    EXPECT_TRUE(f.typing->Focused()) << c.what;
  }
}

// Labels inside containers are reached too, and the first that answers takes the key.
TEST(FormAccelerator, NestedLabelsAnswerInOrder) {
  AccelFixture f;
  f.label->SetCaption("Name");  // no accelerator any more
  auto* panel = f.Add(new CharlessBox(f.host.Form()), 130);
  panel->SetTabStop(false);
  panel->SetBounds(150, 10, 140, 180);
  auto* nested = f.Add(new TLabel(f.host.Form()), 10, panel);
  nested->SetCaption("Na&me");
  nested->SetFocusControl(f.target);
  auto* second = f.Add(new TLabel(f.host.Form()), 40, panel);
  second->SetCaption("&Mode");
  second->SetFocusControl(f.box);
  f.ModifiedChar('M', U'm', {ssAlt});
  EXPECT_TRUE(f.target->Focused());
  // With the first one disabled, the second answers.
  nested->SetEnabled(false);
  f.typing->SetFocus();
  f.ModifiedChar('M', U'M', {ssAlt});
  EXPECT_TRUE(f.box->Focused());
}

TEST(FormAccelerator, TheFormAnswersWhetherAControlActed) {
  AccelFixture f;
  EXPECT_EQ(f.host.Form()->Perform(CM_DIALOGCHAR, U'n', 0), 1);
  EXPECT_EQ(f.host.Form()->Perform(CM_DIALOGCHAR, U'z', 0), 0);
}

}  // namespace
}  // namespace fw
