// Forms read from text: controls land on their parents with their properties, anchors measure
// from the bounds read, and a written form reads back the same.
#include <gtest/gtest.h>

#include "framework/base/form_text.h"
#include "framework/controls/form.h"
#include "framework/controls/graphiccontrol.h"
#include "tests/framework_controls/probes.h"

namespace fw {
namespace {

const char* kForm = R"(object Dialog: TForm
  Left = 10
  Top = 20
  Width = 200
  Height = 120
  Caption = 'Settings'
  BorderStyle = bsDialog
  KeyPreview = True
  object Panel: TCustomControl
    Width = 200
    Height = 30
    Align = alTop
    TabOrder = 1
    TabStop = True
    object Mark: TGraphicControl
      Left = 170
      Top = 5
      Width = 20
      Height = 20
      Anchors = [akTop, akRight]
      Cursor = -21
      Constraints.MinWidth = 10
    end
  end
  object Body: TCustomControl
    Top = 40
    Width = 50
    Height = 50
    TabOrder = 0
    TabStop = True
    Hint = 'body'
    ShowHint = True
  end
end
)";

TEST(FormReading, ControlsLandOnTheirParentsWithTheirProperties) {
  TestHost host;
  std::unique_ptr<TComponent> root = ReadForm(kForm);
  auto* dialog = dynamic_cast<TForm*>(root.get());
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->Caption(), "Settings");
  EXPECT_EQ(dialog->BorderStyle(), bsDialog);
  EXPECT_TRUE(dialog->KeyPreview());
  EXPECT_FALSE(dialog->Visible());
  EXPECT_EQ(dialog->BoundsRect(), Bounds(10, 20, 200, 120));
  auto* panel = dynamic_cast<TWinControl*>(dialog->FindComponent("Panel"));
  auto* body = dynamic_cast<TWinControl*>(dialog->FindComponent("Body"));
  auto* mark = dynamic_cast<TGraphicControl*>(dialog->FindComponent("Mark"));
  ASSERT_TRUE(panel && body && mark);
  EXPECT_EQ(panel->Parent(), dialog);
  EXPECT_EQ(mark->Parent(), panel);
  EXPECT_EQ(mark->Owner(), dialog);
  EXPECT_EQ(body->TabOrder(), 0);
  EXPECT_EQ(panel->TabOrder(), 1);
  EXPECT_EQ(body->Hint(), "body");
  EXPECT_EQ(mark->Cursor(), crHandPoint);
  EXPECT_EQ(mark->Constraints()->MinWidth(), 10);
  EXPECT_EQ(panel->BoundsRect(), Bounds(0, 0, 200, 30));
  // Anchored to the right from the bounds read.
  dialog->SetWidth(260);
  EXPECT_EQ(panel->Width(), 260);
  EXPECT_EQ(mark->Left(), 230);
}

TEST(FormReading, AWrittenFormReadsBackTheSame) {
  TestHost host;
  std::unique_ptr<TComponent> root = ReadForm(kForm);
  const std::string text = WriteForm(*root);
  std::unique_ptr<TComponent> again = ReadForm(text);
  EXPECT_EQ(WriteForm(*again), text);
  auto* mark = dynamic_cast<TControl*>(again->FindComponent("Mark"));
  ASSERT_NE(mark, nullptr);
  EXPECT_EQ(mark->Parent(), again->FindComponent("Panel"));
}

}  // namespace
}  // namespace fw
