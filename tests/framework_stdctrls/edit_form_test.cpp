// Edits and memos read from a form: their properties arrive, the text read is no change, and
// a memo's lines survive a write and a read.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/base/registry.h"
#include "framework/stdctrls/edit.h"
#include "framework/stdctrls/memo.h"

namespace fw {
namespace {

// Counts Change calls, the way a filtering field would run its filter.
class CountingEdit : public TEdit {
 public:
  using TEdit::TEdit;
  static inline int changes = 0;

 protected:
  void Change() override {
    ++changes;
    TEdit::Change();
  }
};

const bool registered = (RegisterClass<CountingEdit>("TCountingEdit", "TEdit"), true);

const char* kForm = R"(object Sheet: TForm
  Width = 300
  Height = 200
  object Name: TCountingEdit
    Left = 8
    Top = 8
    Text = 'loaded'
    MaxLength = 12
    PasswordChar = '*'
  end
  object Notes: TMemo
    Top = 40
    Lines.Strings = (
      'first'
      'second')
    WordWrap = False
    ScrollBars = ssBoth
  end
end
)";

TEST(EditForms, ReadingSetsPropertiesWithoutChanges) {
  ASSERT_TRUE(registered);
  TestHost host;
  CountingEdit::changes = 0;
  std::unique_ptr<TComponent> root = ReadForm(kForm);
  auto* edit = dynamic_cast<CountingEdit*>(root->FindComponent("Name"));
  auto* memo = dynamic_cast<TMemo*>(root->FindComponent("Notes"));
  ASSERT_NE(edit, nullptr);
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(edit->Text(), "loaded");
  EXPECT_EQ(edit->MaxLength(), 12);
  EXPECT_EQ(edit->PasswordChar(), U'*');
  EXPECT_EQ(CountingEdit::changes, 0);
  EXPECT_EQ(memo->Lines()->Count(), 2);
  EXPECT_EQ(memo->Lines()->Strings(1), "second");
  EXPECT_FALSE(memo->WordWrap());
  EXPECT_EQ(memo->ScrollBars(), ssBoth);
  // After loading, changes count again.
  edit->SetText("typed");
  EXPECT_EQ(CountingEdit::changes, 1);
  // Written and read back, the memo keeps its lines.
  const std::string written = WriteForm(*root);
  std::unique_ptr<TComponent> again = ReadForm(written);
  auto* memo2 = dynamic_cast<TMemo*>(again->FindComponent("Notes"));
  ASSERT_NE(memo2, nullptr);
  EXPECT_EQ(memo2->Text(), memo->Text());
}

}  // namespace
}  // namespace fw
