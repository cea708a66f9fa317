// Key-down forwarding: a control that handles its own key-downs hands each to its parent as
// CN_KEYDOWN while the form has KeyPreview, so the form previews it once and the parent's
// key handlers see it; a key eaten there goes no further.
#include <gtest/gtest.h>

#include "framework/controls/key_forwarding.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

using test::AddWin;
using test::Journal;
using test::TProbeWin;

// Handles WM_KEYDOWN itself: forwards first, then notes the key unless it was eaten.
class TForwardingProbe : public TCustomControl {
 public:
  TForwardingProbe(TComponent* owner, Journal* journal) : TCustomControl(owner), journal_(journal) {
    SetTabStop(true);
  }
  void WndProc(TMessage& m) override {
    if (m.Msg != WM_KEYDOWN) return TCustomControl::WndProc(m);
    const auto key = static_cast<uint16_t>(m.WParam);
    Journal* journal = journal_;
    if (ForwardKeyDownToParent(this, key)) {
      journal->push_back("dropped " + std::to_string(key));
      return;
    }
    journal->push_back("own " + std::to_string(key));
  }

 private:
  Journal* journal_;
};

class KeyForwarding : public ::testing::Test {
 protected:
  // The forwarding control on `parent`, focused once the form is shown.
  TForwardingProbe* Place(TWinControl* parent) {
    auto* c = new TForwardingProbe(host.Form(), &journal);
    c->SetBounds(0, 0, 20, 20);
    c->SetParent(parent);
    host.Form()->OnKeyDown = [this](TObject*, uint16_t& key, TShiftState shift) {
      journal.push_back("form " + std::to_string(key) + (shift.Contains(ssShift) ? " shift" : ""));
      if (key == VK_ESCAPE) key = 0;
    };
    host.Show();
    c->SetFocus();
    return c;
  }

  TestHost host{200, 100};
  Journal journal;
};

TEST_F(KeyForwarding, FormsWithKeyPreviewSeeEachKeyOnceBeforeTheControl) {
  const struct {
    bool preview;
    uint16_t key;
    Journal expected;
  } cases[] = {
      {false, 'A', {"own 65"}},
      {true, 'A', {"form 65", "own 65"}},
      {true, VK_ESCAPE, {"form 27", "dropped 27"}},
  };
  Place(host.Form());
  for (const auto& c : cases) {
    journal.clear();
    host.Form()->SetKeyPreview(c.preview);
    host.KeyDown(c.key);
    EXPECT_EQ(journal, c.expected) << "preview " << c.preview << ", key " << c.key;
  }
}

TEST_F(KeyForwarding, AParentInsideTheFormGetsTheKeyAfterTheFormWithTheModifiersHeld) {
  TProbeWin* panel = AddWin(host.Form(), "P", Bounds(10, 10, 100, 60), &journal);
  Place(panel);
  host.ProcessMessages();
  journal.clear();
  host.Form()->SetKeyPreview(true);
  host.KeyDown('B', {ssShift});
  EXPECT_EQ(journal, (Journal{"form 66 shift", "P keydown 66", "own 66"}));
  journal.clear();
  panel->OnKeyDown = [](TObject*, uint16_t& key, TShiftState) { key = 0; };
  host.KeyDown('C');
  EXPECT_EQ(journal, (Journal{"form 67", "P keydown 67", "dropped 67"}));
}

TEST_F(KeyForwarding, AControlDeletedByTheFormsHandlerDropsTheKey) {
  TForwardingProbe* c = Place(host.Form());
  host.Form()->SetKeyPreview(true);
  host.Form()->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { delete c; };
  host.KeyDown('D');
  EXPECT_EQ(journal, (Journal{"dropped 68"}));
}

TEST_F(KeyForwarding, NothingIsForwardedWithoutParentOrForm) {
  TForwardingProbe loose(nullptr, &journal);
  EXPECT_FALSE(ForwardKeyDownToParent(&loose, 'E'));
  host.Form()->SetKeyPreview(true);
  EXPECT_EQ(host.Form()->Perform(CN_KEYDOWN, VK_ESCAPE, 0), 0);  // not eaten: no handler
}

}  // namespace
}  // namespace fw
