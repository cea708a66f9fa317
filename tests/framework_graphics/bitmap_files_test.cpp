// TBitmap with the real codecs: files written by SaveToFile read back by LoadFromFile with the
// same pixels, and bad files refused with the documented errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/image/codecs.h"
#include "framework/image/resources.h"
#include "tests/framework_graphics/graphics_test_util.h"

namespace fw {
namespace {

class BitmapCodecFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("panekit-bitmap-files-" +
            std::to_string(::testing::UnitTest::GetInstance()->random_seed()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  // A picture with distinct colours at known places.
  static void Paint(TBitmap& bitmap) {
    bitmap.SetSize(17, 9);
    TCanvas* c = bitmap.Canvas();
    c->Brush()->SetColor(clNavy);
    c->FillRect(Rect(0, 0, 17, 9));
    c->Brush()->SetColor(clYellow);
    c->FillRect(Rect(3, 2, 8, 6));
    c->SetPixels(16, 8, clRed);
    c->SetPixels(0, 8, RGB(1, 2, 3));
  }

  std::filesystem::path dir_;
};

TEST_F(BitmapCodecFiles, SavedFilesReadBackPixelForPixel) {
  for (const char* name : {"picture.bmp", "picture.png", "PICTURE.PNG"}) {
    SCOPED_TRACE(name);
    TBitmap original;
    Paint(original);
    original.SaveToFile(PathOf(name));
    TBitmap loaded;
    loaded.LoadFromFile(PathOf(name));
    ASSERT_EQ(loaded.Width(), 17);
    ASSERT_EQ(loaded.Height(), 9);
    for (int y = 0; y < 9; ++y) {
      for (int x = 0; x < 17; ++x) {
        ASSERT_EQ(test::At(loaded, x, y), test::At(original, x, y)) << x << "," << y;
      }
    }
  }
}

// A 32-bit bitmap drawn by the canvas carries no alpha: saving it must not make it invisible.
TEST_F(BitmapCodecFiles, ThirtyTwoBitDrawingStaysOpaqueThroughPng) {
  TBitmap original;
  original.SetPixelFormat(pf32bit);
  Paint(original);
  original.SaveToFile(PathOf("deep.png"));
  std::ifstream in(PathOf("deep.png"), std::ios::binary);
  std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const DecodedImage decoded = DecodeImage(bytes);
  ASSERT_EQ(decoded.pixels.size(), size_t(17 * 9));
  if (decoded.hasAlpha) {
    for (TPixel p : decoded.pixels) ASSERT_EQ(p >> 24, 0xFFu) << "pixel saved transparent";
  }
  TBitmap loaded;
  loaded.LoadFromFile(PathOf("deep.png"));
  EXPECT_EQ(test::At(loaded, 5, 3), clYellow);
  EXPECT_EQ(test::At(loaded, 16, 8), clRed);
}

TEST_F(BitmapCodecFiles, BadFilesAreRefused) {
  TBitmap bitmap;
  EXPECT_THROW(bitmap.LoadFromFile(PathOf("missing.bmp")), EInOutError);
  { std::ofstream(PathOf("text.bmp")) << "this is no picture"; }
  EXPECT_THROW(bitmap.LoadFromFile(PathOf("text.bmp")), EInvalidGraphic);
  // A valid file cut short.
  TBitmap original;
  Paint(original);
  original.SaveToFile(PathOf("whole.png"));
  std::filesystem::resize_file(PathOf("whole.png"), 40);
  EXPECT_THROW(bitmap.LoadFromFile(PathOf("whole.png")), EInvalidGraphic);
  EXPECT_THROW(original.SaveToFile(PathOf("picture.gif")), EInvalidGraphic);
  // A failed load leaves the bitmap as it was.
  bitmap.SetSize(3, 2);
  EXPECT_THROW(bitmap.LoadFromFile(PathOf("text.bmp")), EInvalidGraphic);
  EXPECT_EQ(bitmap.Width(), 3);
  EXPECT_EQ(bitmap.Height(), 2);
}

TEST_F(BitmapCodecFiles, ResourcesLoadByNameIgnoringCase) {
  TBitmap original;
  Paint(original);
  const std::vector<uint8_t> bytes = original.SaveToBytes(ImageFormat::Bmp);
  RegisterResource("Gallery_Test_Picture", bytes);
  TBitmap loaded;
  loaded.LoadFromResourceName("GALLERY_TEST_PICTURE");
  EXPECT_EQ(test::At(loaded, 5, 3), clYellow);
  EXPECT_THROW(loaded.LoadFromResourceName("NO_SUCH_PICTURE"), EResNotFound);
}

}  // namespace
}  // namespace fw
