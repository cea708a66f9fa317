// A control's picture in one call: a form never shown with its children, a control without a
// parent, a picture file written and read back, and a control without area.
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/controls/control_picture.h"
#include "framework/controls/form.h"
#include "probes.h"

namespace fw {
namespace {

TEST(ControlPicture, PaintsAFormNeverShownWithItsChildren) {
  TestHost host;  // a backend for fonts and clocks; the form below is never shown
  TForm form(nullptr);
  form.SetBounds(0, 0, 60, 40);
  form.SetColor(clNavy);
  auto* child = new test::TProbeGraphic(&form, "Child");
  child->SetParent(&form);
  child->SetBounds(10, 5, 20, 10);
  child->fill = clLime;
  const auto picture = RenderControl(form);
  ASSERT_EQ(picture->Width(), form.Width());
  EXPECT_EQ(picture->Canvas()->Pixels(15, 10), clLime);
  EXPECT_EQ(picture->Canvas()->Pixels(40, 30), clNavy);

  // A control without a parent, saved as PNG and read back.
  test::TProbeGraphic alone(nullptr, "Alone");
  alone.SetBounds(0, 0, 7, 3);
  alone.fill = clYellow;
  const auto path = std::filesystem::temp_directory_path() / "control_picture_test.png";
  SaveControlPicture(alone, path.string());
  TBitmap read;
  read.LoadFromFile(path.string());
  std::filesystem::remove(path);
  EXPECT_EQ(read.Width(), 7);
  EXPECT_EQ(read.Canvas()->Pixels(6, 2), clYellow);

  alone.SetBounds(0, 0, 0, 5);
  EXPECT_TRUE(RenderControl(alone)->Empty());
  EXPECT_THROW(SaveControlPicture(*child, "/tmp/picture.gif"), EInvalidGraphic);
}

}  // namespace
}  // namespace fw
