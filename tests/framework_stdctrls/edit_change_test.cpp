// Edit change notification: Change once per change, from every source, never for no change,
// and a derived control that filters its text inside Change.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/framework_stdctrls/edit_fixture.h"

namespace fw {
namespace {

using test::EditFixture;

TEST(EditChange, OncePerChangeWhateverItsSource) {
  struct Case {
    const char* what;
    std::function<void(EditFixture&)> act;
    int changes;
  };
  const Case cases[] = {
      {"typing one character", [](EditFixture& f) { f.host.TypeText("x"); }, 1},
      {"typing three characters", [](EditFixture& f) { f.host.TypeText("xyz"); }, 3},
      {"Backspace", [](EditFixture& f) { f.host.PressKey(VK_BACK); }, 1},
      {"Backspace at the start",
       [](EditFixture& f) {
         f.edit->SetSelStart(0);
         f.host.PressKey(VK_BACK);
       },
       0},
      {"setting a new text", [](EditFixture& f) { f.edit->SetText("other"); }, 1},
      {"setting the same text", [](EditFixture& f) { f.edit->SetText("abc"); }, 0},
      {"SelText", [](EditFixture& f) { f.edit->SetSelText("!"); }, 1},
      {"paste",
       [](EditFixture& f) {
         f.host.SetClipboardText("pp");
         f.edit->PasteFromClipboard();
       },
       1},
      {"cut with nothing selected", [](EditFixture& f) { f.edit->CutToClipboard(); }, 0},
      {"typing over a selection",
       [](EditFixture& f) {
         f.edit->SelectAll();
         f.host.TypeText("q");
       },
       1},
      {"typing the selected character over itself",
       [](EditFixture& f) {
         f.edit->SetSelStart(0);
         f.edit->SetSelLength(1);
         f.host.TypeText("a");
       },
       0},
      {"caret keys",
       [](EditFixture& f) {
         f.host.PressKey(VK_HOME);
         f.host.PressKey(VK_RIGHT, {ssShift});
       },
       0},
      {"Clear", [](EditFixture& f) { f.edit->Clear(); }, 1},
  };
  for (const Case& c : cases) {
    EditFixture f;
    f.edit->SetText("abc");
    f.edit->SetSelStart(3);
    f.changes = 0;
    c.act(f);
    EXPECT_EQ(f.changes, c.changes) << c.what;
  }
}

TEST(EditChange, ModifiedTracksTheUsersEdits) {
  EditFixture f;
  f.edit->SetText("abc");
  EXPECT_FALSE(f.edit->Modified());
  f.host.TypeText("d");
  EXPECT_TRUE(f.edit->Modified());
  f.edit->SetText("new");
  EXPECT_FALSE(f.edit->Modified());
}

// Accepts digits only: a refused change puts the last accepted text back and moves the caret
// one place to the left of where the edit left it, the way a numeric field filters.
class DigitsEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
  int filtered = 0;
  int accepted = 0;

 protected:
  void Change() override {
    ++filtered;
    if (restoring_) {
      restoring_ = false;
      return;
    }
    if (Text().find_first_not_of("0123456789") == std::string::npos) {
      last_ = Text();
      ++accepted;
      TCustomEdit::Change();
      return;
    }
    const int caret = CaretPos();
    restoring_ = true;
    SetText(last_);
    SetSelStart(caret - 1);
  }

 private:
  std::string last_;
  bool restoring_ = false;
};

TEST(EditChange, ADerivedControlCanRefuseAChangeAndPlaceTheCaret) {
  TestHost host(320, 120);
  auto* edit = new DigitsEdit(host.Form());
  edit->SetParent(host.Form());
  int onChange = 0;
  edit->OnChange = [&](TObject*) { ++onChange; };
  host.Show();
  edit->SetFocus();
  host.TypeText("12");
  edit->SetSelStart(1);
  host.TypeText("x");
  EXPECT_EQ(edit->Text(), "12");
  EXPECT_EQ(edit->CaretPos(), 1);
  EXPECT_EQ(edit->accepted, 2);
  EXPECT_EQ(onChange, 2);
  // The refused change and the restoring one each reached Change once.
  EXPECT_EQ(edit->filtered, 4);
  host.TypeText("5");
  EXPECT_EQ(edit->Text(), "152");
  EXPECT_EQ(onChange, 3);
}

}  // namespace
}  // namespace fw
