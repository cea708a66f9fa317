// TColorDialog: the colour models, the form's fields in step, custom colours, Execute
// answered by the modal script, and the class record.
#include <gtest/gtest.h>

#include <vector>

#include "framework/backend/headless/test_host.h"
#include "framework/base/registry_check.h"
#include "framework/stdctrls/color_dialog.h"
#include "framework/stdctrls/edit.h"

namespace fw {
namespace {

TEST(ColorModel, HueSaturationValueRoundTrips) {
  struct Case {
    TColor rgb;
    THSV hsv;
  };
  const std::vector<Case> cases{
      {RGB(255, 0, 0), {0, 100, 100}},     {RGB(0, 255, 0), {120, 100, 100}},
      {RGB(0, 0, 255), {240, 100, 100}},   {RGB(255, 255, 0), {60, 100, 100}},
      {RGB(128, 128, 128), {0, 0, 50}},    {RGB(0, 0, 0), {0, 0, 0}},
      {RGB(255, 0, 128), {330, 100, 100}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RGBToHSV(c.rgb), c.hsv) << std::hex << c.rgb;
    const TColor back = HSVToRGB(c.hsv);
    EXPECT_NEAR(GetRValue(back), GetRValue(c.rgb), 1) << std::hex << c.rgb;
    EXPECT_NEAR(GetGValue(back), GetGValue(c.rgb), 1) << std::hex << c.rgb;
    EXPECT_NEAR(GetBValue(back), GetBValue(c.rgb), 1) << std::hex << c.rgb;
  }
  EXPECT_EQ(RGBToHSV(clBtnFace), RGBToHSV(ColorToRGB(clBtnFace)));
}

TEST(ColorDialog, FieldsSwatchesAndPreviewStayInStep) {
  TestHost host;
  TColorDialogForm form(nullptr, clRed, {});
  form.Show();
  EXPECT_EQ(form.Field(0)->Text(), "255");
  EXPECT_EQ(form.Field(3)->Text(), "0");
  form.Field(1)->SetText("255");  // red + green
  EXPECT_EQ(form.CurrentColor(), RGB(255, 255, 0));
  EXPECT_EQ(form.Field(3)->Text(), "60");
  form.Field(4)->SetText("0");  // no saturation: white
  EXPECT_EQ(form.CurrentColor(), RGB(255, 255, 255));
  EXPECT_EQ(form.Field(2)->Text(), "255");
  EXPECT_EQ(form.Field(4)->Text(), "0") << "the typed field keeps its text";
  form.Field(0)->SetText("999");
  EXPECT_EQ(GetRValue(form.CurrentColor()), 255) << "numbers kept in range";
  // A click on the third basic swatch (the dialog is the active form).
  const TRect cell = form.BasicGrid()->CellRect(2);
  host.Click(form.BasicGrid()->Left() + cell.Left + 8, form.BasicGrid()->Top() + cell.Top + 8);
  EXPECT_EQ(form.CurrentColor(), BasicDialogColors()[2]);
  EXPECT_EQ(form.Preview()->Color(), BasicDialogColors()[2]);
  form.AddToCustomColors();
  form.SetCurrentColor(clBlue);
  form.AddToCustomColors();
  EXPECT_EQ(form.CustomColors()[0], BasicDialogColors()[2]);
  EXPECT_EQ(form.CustomColors()[1], clBlue);
  EXPECT_EQ(form.CustomGrid()->Colors(1), clBlue);
}

TEST(ColorDialog, ExecuteIsAnsweredByTheModalScript) {
  TestHost host;
  TColorDialog dialog(nullptr);
  dialog.SetColor(clGreen);
  dialog.CustomColors()->Add("ColorB=FF0000");  // blue, $BBGGRR
  TColor shown = 0;
  TColor customB = 0;
  host.OnModal([&](TCustomForm& form) {
    auto& colors = dynamic_cast<TColorDialogForm&>(form);
    shown = colors.CurrentColor();
    customB = colors.CustomColors()[1];
    colors.SetCurrentColor(RGB(1, 2, 3));
    colors.AddToCustomColors();
    form.SetModalResult(mrOk);
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(shown, clGreen);
  EXPECT_EQ(customB, clBlue);
  EXPECT_EQ(dialog.Color(), RGB(1, 2, 3));
  EXPECT_EQ(dialog.CustomColors()->Strings(0), "ColorA=030201");
  EXPECT_EQ(dialog.CustomColors()->Count(), 16);
  host.OnModal([](TCustomForm& form) { form.SetModalResult(mrCancel); });
  dialog.SetColor(clRed);
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.Color(), clRed);
}

TEST(ColorDialog, ClassRecord) {
  for (const std::string& problem : testing::CheckRegisteredClass("TColorDialog"))
    ADD_FAILURE() << problem;
}

}  // namespace
}  // namespace fw
