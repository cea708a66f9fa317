// Forms read from text: controls land on their parents with their properties, anchors measure
// from the bounds read, and a written form reads back the same.
#include <gtest/gtest.h>

#include "framework/backend/headless/test_host.h"
#include "framework/base/form_text.h"
#include "framework/controls/application.h"
#include "framework/controls/form.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/controls/screen.h"
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

namespace fw {
namespace {

// Fonts are published object properties: a form sets a control's own font by path, which
// ends its use of the parent's font; a control that keeps the parent's font follows it.
TEST(FormReading, FontsReadByPathAndParentFontFollowsTheForm) {
  TestHost host;
  const char* text = R"(object Dialog: TForm
  Font.Name = 'Arial'
  Font.Height = -16
  object Own: TGraphicControl
    Font.Color = clRed
    Font.Size = 12
    Font.Style = [fsBold, fsItalic]
    ParentFont = False
  end
  object Inherits: TGraphicControl
    ParentFont = True
  end
end
)";
  std::unique_ptr<TComponent> root = ReadForm(text);
  auto* dialog = dynamic_cast<TForm*>(root.get());
  ASSERT_NE(dialog, nullptr);
  auto* own = dynamic_cast<TControl*>(dialog->FindComponent("Own"));
  auto* inherits = dynamic_cast<TControl*>(dialog->FindComponent("Inherits"));
  ASSERT_NE(own, nullptr);
  ASSERT_NE(inherits, nullptr);
  EXPECT_EQ(dialog->Font()->Name(), "Arial");
  EXPECT_EQ(own->Font()->Color(), clRed);
  EXPECT_EQ(own->Font()->Size(), 12);
  EXPECT_EQ(own->Font()->Style(), (TFontStyles{fsBold, fsItalic}));
  EXPECT_FALSE(own->ParentFont());
  EXPECT_TRUE(inherits->ParentFont());
  EXPECT_EQ(inherits->Font()->Name(), "Arial");
  EXPECT_EQ(inherits->Font()->Height(), -16);

  // Written and read again, the fonts come back the same.
  std::unique_ptr<TComponent> again = ReadForm(WriteForm(*dialog));
  auto* own2 = dynamic_cast<TControl*>(again->FindComponent("Own"));
  auto* inherits2 = dynamic_cast<TControl*>(again->FindComponent("Inherits"));
  ASSERT_NE(own2, nullptr);
  ASSERT_NE(inherits2, nullptr);
  EXPECT_EQ(own2->Font()->Size(), 12);
  EXPECT_EQ(own2->Font()->Color(), clRed);
  EXPECT_FALSE(own2->ParentFont());
  EXPECT_TRUE(inherits2->ParentFont());
  EXPECT_EQ(inherits2->Font()->Name(), "Arial");
}

TEST(GraphicsObjects, AssignThroughThePersistentInterface) {
  TFont a, b;
  a.SetName("Courier New");
  a.SetSize(14);
  a.SetStyle({fsUnderline});
  TPersistent* source = &a;
  b.Assign(source);
  EXPECT_EQ(b.Name(), "Courier New");
  EXPECT_EQ(b.Size(), 14);
  EXPECT_EQ(b.Style(), TFontStyles{fsUnderline});
  TPen pen;
  EXPECT_THROW(b.Assign(static_cast<TPersistent*>(&pen)), EConvertError);
  EXPECT_THROW(pen.Assign(static_cast<TPersistent*>(nullptr)), EConvertError);
}

}  // namespace
}  // namespace fw

namespace fw {
namespace {

// A form being designed keeps Visible as a value to store but never shows itself: no surface,
// no window, not the main form.
TEST(FormReading, ADesignedFormNeverShowsItself) {
  TestHost host;
  auto form = std::make_unique<TForm>(nullptr);
  form->SetDesigning(true);
  ReadFormInto(*form, "object Designed: TForm\n  Visible = True\nend\n");
  form->Show();
  EXPECT_TRUE(form->Visible());
  EXPECT_FALSE(form->Showing());
  EXPECT_NE(Application->MainForm(), form.get());
  EXPECT_NE(Screen->ActiveForm(), form.get());
  form->SetVisible(false);
  EXPECT_FALSE(form->Visible());
}

}  // namespace
}  // namespace fw
