// The design surface on a headless form: dropping with the mouse, handles where the selected
// control is, moving repaints only the moved area without rendering the control again, keys,
// and the tray of non-visual components.
#include <gtest/gtest.h>

#include "apps/designer/design_surface.h"
#include "framework/backend/headless/test_host.h"
#include "framework/controls/messages.h"
#include "framework/graphics/canvas.h"
#include "framework/image/resources.h"
#include "framework/rtl/file_read.h"

#include <filesystem>

namespace designer {
namespace {

class DesignSurfaceTest : public ::testing::Test {
 protected:
  DesignSurfaceTest() : host_(800, 600) {
    surface_ = new TDesignSurface(host_.Form());
    surface_->SetParent(host_.Form());
    surface_->SetBounds(0, 0, 800, 600);
    surface_->SetDocument(&doc_);
    host_.Show();
  }
  ~DesignSurfaceTest() override { surface_->SetDocument(nullptr); }

  // True when every handle of `bounds` shows `color` at its outer corner pixel.
  bool HandlesShow(const fw::TRect& bounds, fw::TColor color) {
    for (int k = hkTopLeft; k <= hkLeft; ++k) {
      fw::TRect h = HandleRect(bounds, static_cast<THandleKind>(k));
      if (host_.Pixel(h.Left, h.Top) != fw::ColorToRGB(color)) return false;
    }
    return true;
  }

  TDesignDocument doc_;
  fw::TestHost host_;
  TDesignSurface* surface_;
};

TEST_F(DesignSurfaceTest, DropsWhereClickedThenSelectsAgain) {
  surface_->SetDropClass(&fw::FindClass("TSpeedButton"));
  host_.Click(82, 83);
  ASSERT_EQ(doc_.VisualComponents().size(), 1u);
  fw::TControl* button = doc_.VisualComponents()[0];
  EXPECT_EQ(button->BoundsRect(), fw::Bounds(80, 80, 23, 22));
  EXPECT_EQ(surface_->DropClass(), nullptr);
  EXPECT_TRUE(HandlesShow(button->BoundsRect(), fw::clBlack));
  // The next click selects: on the empty form it clears the selection and the handles go.
  host_.Click(300, 300);
  EXPECT_EQ(doc_.VisualComponents().size(), 1u);
  EXPECT_TRUE(doc_.Selection().empty());
  EXPECT_TRUE(HandlesShow(button->BoundsRect(), fw::clBtnFace));
  // Grid dots every 8 pixels on the form's colour.
  EXPECT_EQ(host_.Pixel(296, 296), fw::ColorToRGB(fw::clBlack));
  EXPECT_EQ(host_.Pixel(297, 296), fw::ColorToRGB(fw::clBtnFace));
}

TEST_F(DesignSurfaceTest, MovingRepaintsTheMovedAreaFromTheCachedPicture) {
  auto* button = dynamic_cast<fw::TControl*>(doc_.Drop(fw::FindClass("TSpeedButton"), 80, 80));
  host_.ProcessMessages();
  int renders = surface_->RenderCount();
  fw::TRect before = button->BoundsRect();
  host_.Presented().clear();
  host_.MouseDown(90, 90);
  host_.MouseMove(110, 95);
  host_.ProcessMessages();
  // Snapped: 80 + 20 -> 104, 80 + 5 -> 88.
  EXPECT_EQ(button->BoundsRect(), fw::Bounds(104, 88, 23, 22));
  ASSERT_FALSE(host_.Presented().empty());
  fw::TRect expected = WithHandles(before);
  fw::UnionRect(expected, expected, WithHandles(button->BoundsRect()));
  EXPECT_EQ(host_.Presented().back().area, expected);
  host_.MouseUp(110, 95);
  EXPECT_TRUE(HandlesShow(button->BoundsRect(), fw::clBlack));
  EXPECT_TRUE(HandlesShow(before, fw::clBtnFace));
  EXPECT_EQ(surface_->RenderCount(), renders);
  // A property edit renders the control again.
  doc_.SetPropertyText(button, "Caption", "Go");
  host_.ProcessMessages();
  EXPECT_EQ(surface_->RenderCount(), renders + 1);
}

TEST_F(DesignSurfaceTest, KeysGoToTheDocument) {
  auto* button = dynamic_cast<fw::TControl*>(doc_.Drop(fw::FindClass("TSpeedButton"), 80, 80));
  host_.Click(85, 85);  // focuses the surface, keeps the selection
  host_.PressKey(fw::VK_RIGHT);
  host_.PressKey(fw::VK_DOWN, {fw::ssShift});
  EXPECT_EQ(button->BoundsRect(), fw::Bounds(81, 80, 23, 23));
  EXPECT_TRUE(HandlesShow(button->BoundsRect(), fw::clBlack));
  host_.PressKey(fw::VK_DELETE);
  EXPECT_TRUE(doc_.VisualComponents().empty());
}

TEST_F(DesignSurfaceTest, SeveralSelectedShowGreyHandles) {
  auto* a = dynamic_cast<fw::TControl*>(doc_.Drop(fw::FindClass("TSpeedButton"), 80, 80));
  auto* b = dynamic_cast<fw::TControl*>(doc_.Drop(fw::FindClass("TSpeedButton"), 200, 80));
  doc_.Select(a, true);
  EXPECT_TRUE(HandlesShow(a->BoundsRect(), fw::clGray));
  EXPECT_TRUE(HandlesShow(b->BoundsRect(), fw::clGray));
}

TEST_F(DesignSurfaceTest, TrayShowsAndSelectsNonVisualComponents) {
  auto* menu = doc_.Drop(fw::FindClass("TPopupMenu"), 0, 0);
  doc_.ClearSelection();
  fw::TRect cell = surface_->TrayCellRect(0);
  EXPECT_GE(cell.Top, 600 - kTrayHeight);
  // No palette bitmap in the framework: a framed box inside the cell.
  EXPECT_EQ(host_.Pixel(cell.Left + 2, cell.Top + 2), fw::ColorToRGB(fw::clBtnShadow));
  EXPECT_EQ(host_.Pixel(cell.Left + 4, cell.Top + 3), fw::ColorToRGB(fw::clWindow));
  EXPECT_EQ(surface_->TrayComponentAt(cell.Left + 5, cell.Top + 5), menu);
  host_.Click(cell.Left + 5, cell.Top + 5);
  EXPECT_EQ(doc_.Selection(), std::vector<fw::TComponent*>{menu});
  EXPECT_EQ(host_.Pixel(cell.Left, cell.Top), fw::ColorToRGB(fw::clHighlight));
}

// A class with a palette bitmap (named as the class in capitals) shows it in its cell, with the
// colour of its bottom-left pixel left out.
TEST_F(DesignSurfaceTest, TrayDrawsThePaletteBitmapTransparently) {
  fw::TBitmap icon(24, 24);
  icon.SetPixelFormat(fw::pf24bit);
  icon.Canvas()->Brush()->SetColor(fw::clFuchsia);
  icon.Canvas()->FillRect(fw::Rect(0, 0, 24, 24));
  icon.Canvas()->Brush()->SetColor(fw::clRed);
  icon.Canvas()->FillRect(fw::Rect(8, 8, 16, 16));
  auto path = std::filesystem::temp_directory_path() / "panekit_designer_icon.bmp";
  icon.SaveToFile(path.string());
  std::string bytes = fw::ReadWholeFile(path.string());
  std::filesystem::remove(path);
  fw::RegisterResource("TCOLORDIALOG",
                       std::span(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  doc_.Drop(fw::FindClass("TColorDialog"), 0, 0);
  doc_.ClearSelection();
  fw::TRect cell = surface_->TrayCellRect(0);
  int x = cell.Left + (kTrayCellSize - 24) / 2;
  int y = cell.Top + (kTrayCellSize - 24) / 2;
  EXPECT_EQ(host_.Pixel(x + 12, y + 12), fw::ColorToRGB(fw::clRed));
  EXPECT_EQ(host_.Pixel(x + 1, y + 1), fw::ColorToRGB(fw::clBtnFace));
}

}  // namespace
}  // namespace designer
