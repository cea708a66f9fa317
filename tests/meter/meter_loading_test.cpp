// Meter loading from form text, image files and the class record.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "framework/base/form_text.h"
#include "framework/base/registry_check.h"
#include "framework/graphics/bitmap.h"
#include "tests/meter/meter_test_support.h"

using meter_test::CountingMeter;

namespace {

std::string TempFile(const std::string& name) {
  return (std::filesystem::path(::testing::TempDir()) / ("meter_" + name)).string();
}

// A 4 x 2 picture: black pixels at (0, 0) and (3, 1), colours elsewhere.
std::string WriteAnchorPicture() {
  fw::TBitmap b(4, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) b.ScanLine(y)[x] = 0x204080 + x * 0x10 + y;
  b.ScanLine(0)[0] = 0;
  b.ScanLine(1)[3] = 0;
  std::string path = TempFile("anchor.bmp");
  b.SaveToFile(path);
  return path;
}

std::string WriteGarbage() {
  std::string path = TempFile("garbage.bmp");
  std::ofstream(path) << "this is no picture";
  return path;
}

}  // namespace

TEST(MeterLoading, ValuesAreStoredRawThenTheValueIsClampedInLoaded) {
  zeb::TMeter m(nullptr);
  int events = 0;
  m.OnOverFlow = m.OnUnderFlow = m.OnNormalRange = [&](fw::TObject*) { ++events; };
  // The value comes before the range that contains it, the thresholds lie outside it.
  fw::ReadFormInto(m,
                   "object M: TMeter\n"
                   "  Value = 50\n"
                   "  ValueSec = 500\n"
                   "  ThresholdLow = -5\n"
                   "  ThresholdHigh = 300\n"
                   "  MeterMaxValue = 200\n"
                   "  MeterMinValue = 10\n"
                   "  Logarithmic = True\n"
                   "end\n");
  EXPECT_EQ(m.Value(), 50.0);
  EXPECT_EQ(m.ValueSec(), 500.0);  // not re-clamped
  EXPECT_EQ(m.ThresholdLow(), -5.0);
  EXPECT_EQ(m.ThresholdHigh(), 300.0);
  EXPECT_TRUE(m.Logarithmic());
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(m.ComponentState().Contains(fw::csLoading));

  zeb::TMeter high(nullptr);
  fw::ReadFormInto(high, "object M: TMeter\n Value = 900\n MeterMaxValue = 200\nend\n");
  EXPECT_EQ(high.Value(), 200.0);
  zeb::TMeter low(nullptr);
  fw::ReadFormInto(low, "object M: TMeter\n Value = -9\nend\n");
  EXPECT_EQ(low.Value(), 0.0);
}

TEST(MeterLoading, LogarithmicFlagOnARangeFromZeroIsDropped) {
  zeb::TMeter m(nullptr);
  fw::ReadFormInto(m, "object M: TMeter\n Logarithmic = True\nend\n");
  EXPECT_FALSE(m.Logarithmic());
}

TEST(MeterLoading, WrittenFormReadsBackEqual) {
  zeb::TMeter source(nullptr);
  source.SetMaxValue(80);
  source.SetMinValue(20);
  source.SetValue(33);
  source.SetHighThreshold(70);
  source.SetMeterLayout(zeb::mlCirc300);
  source.SetUnitLabel("bar");
  source.NeedleLayoutSec()->SetVisible(true);
  source.NeedleLayout()->SetArrowAngle1(45);
  source.FontCaption()->SetSize(14);
  std::string text = fw::WriteForm(source);
  auto read = fw::ReadForm(text);
  auto* m = dynamic_cast<zeb::TMeter*>(read.get());
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(m->MeterMinValue(), 20.0);
  EXPECT_EQ(m->MeterMaxValue(), 80.0);
  EXPECT_EQ(m->Value(), 33.0);
  EXPECT_EQ(m->ThresholdHigh(), 70.0);
  EXPECT_EQ(m->MeterLayout(), zeb::mlCirc300);
  EXPECT_EQ(m->ScaleSpan(), 300);
  EXPECT_EQ(m->Caption(), "bar");
  EXPECT_TRUE(m->NeedleLayoutSec()->Visible());
  EXPECT_EQ(m->NeedleLayout()->HeadAngle(), 45);
  EXPECT_EQ(m->FontCaption()->Size(), 14);
}

TEST(MeterImages, MissingFilesEmptyTheNames) {
  CountingMeter m;
  m.SetBakGndFname(TempFile("does_not_exist.bmp"));
  m.SetACoverFname(TempFile("does_not_exist.bmp"));
  EXPECT_EQ(m.BackGroundImg(), "");
  EXPECT_EQ(m.AnchorImage(), "");
  EXPECT_EQ(m.paints, 2);
}

// A picture replaced by one that cannot be read stays in place under its own name: the
// background setter raises the load error, the anchor setter swallows it.
TEST(MeterImages, UnreadablePictureLeavesNameAndPictureAsTheyWere) {
  CountingMeter m;
  const std::string picture = WriteAnchorPicture();
  const std::string garbage = WriteGarbage();
  m.SetBakGndFname(picture);
  m.SetACoverFname(picture);
  EXPECT_THROW(m.SetBakGndFname(garbage), fw::Exception);
  EXPECT_NO_THROW(m.SetACoverFname(garbage));
  EXPECT_EQ(m.BackGroundImg(), picture);
  EXPECT_EQ(m.AnchorImage(), picture);
  for (const fw::TBitmap* b : {m.BackgroundBitmap(), m.AnchorBitmap(), m.AnchorMask()}) {
    EXPECT_EQ(b->Width(), 4);
    EXPECT_EQ(b->Height(), 2);
  }
  EXPECT_EQ(m.AnchorMask()->ScanLine(0)[0] & 0xFFFFFF, 0xFFFFFFu);
}

// A device or a pipe named as a picture is refused at once: reading /dev/zero would never end,
// and opening a pipe would wait for a writer forever. Form text takes the same road.
TEST(MeterImages, DevicesAndPipesAreRefusedAsPictures) {
  const std::string pipe = TempFile("pipe.bmp");
  std::filesystem::remove(pipe);
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  const std::string picture = WriteAnchorPicture();
  for (const std::string& name : {std::string("/dev/zero"), pipe}) {
    SCOPED_TRACE(name);
    CountingMeter m;
    m.SetBakGndFname(picture);
    EXPECT_THROW(m.SetBakGndFname(name), fw::EInOutError);
    EXPECT_NO_THROW(m.SetACoverFname(name));
    EXPECT_EQ(m.BackGroundImg(), picture);
    EXPECT_EQ(m.BackgroundBitmap()->Width(), 4);
    EXPECT_EQ(m.AnchorImage(), "");
    EXPECT_THROW(fw::ReadForm("object M: TMeter\n  BackGroundImg = '" + name + "'\nend\n"),
                 fw::EFormReadError);
  }
  std::filesystem::remove(pipe);
}

TEST(MeterImages, UnreadableAnchorIsSwallowed) {
  CountingMeter m;
  EXPECT_NO_THROW(m.SetACoverFname(WriteGarbage()));
  EXPECT_EQ(m.AnchorImage(), "");
}

TEST(MeterImages, BackgroundLoadsThePicture) {
  CountingMeter m;
  std::string path = WriteAnchorPicture();
  m.SetBakGndFname(path);
  EXPECT_EQ(m.BackGroundImg(), path);
  EXPECT_EQ(m.BackgroundBitmap()->Width(), 4);
  EXPECT_EQ(m.BackgroundBitmap()->Height(), 2);
}

TEST(MeterImages, AnchorMaskIsWhiteExactlyWhereThePictureIsBlack) {
  CountingMeter m;
  std::string path = WriteAnchorPicture();
  m.SetACoverFname(path);
  ASSERT_EQ(m.AnchorImage(), path);
  const fw::TBitmap* image = m.AnchorBitmap();
  const fw::TBitmap* mask = m.AnchorMask();
  ASSERT_EQ(mask->Width(), 4);
  ASSERT_EQ(mask->Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 4; ++x) {
      bool black = (image->ScanLine(y)[x] & 0xFFFFFF) == 0;
      EXPECT_EQ(mask->ScanLine(y)[x] & 0xFFFFFF, black ? 0xFFFFFFu : 0u) << x << "," << y;
    }
}

TEST(MeterImages, FormWithImagesLoadsThemAndDropsUnreadableOnes) {
  std::string anchor = WriteAnchorPicture();
  zeb::TMeter m(nullptr);
  fw::ReadFormInto(m, "object M: TMeter\n AnchorImage = '" + anchor + "'\n BackGroundImg = '" +
                          anchor + "'\nend\n");
  EXPECT_EQ(m.AnchorImage(), anchor);
  EXPECT_EQ(m.BackGroundImg(), anchor);
  EXPECT_EQ(m.AnchorMask()->Width(), 4);
  // Replaced on disk after reading, the anchor picture fails when loaded again.
  zeb::TMeter again(nullptr);
  std::string garbage = WriteGarbage();
  fw::ReadFormInto(again, "object M: TMeter\n AnchorImage = '" + garbage + "'\nend\n");
  EXPECT_EQ(again.AnchorImage(), "");
}

TEST(MeterRegistry, ClassRecordAgreesWithNewInstances) {
  ASSERT_NE(fw::GetClass("TMeter"), nullptr);
  std::vector<std::string> failures = fw::testing::CheckRegisteredClass("TMeter");
  EXPECT_TRUE(failures.empty()) << ::testing::PrintToString(failures);
  const fw::ClassRecord& record = fw::FindClass("TMeter");
  for (const char* event : {"OnOverFlow", "OnNormalRange", "OnUnderFlow", "OnBeforeDrawScaleLabel",
                            "OnBeforeDrawNeedle", "OnMeterRendered", "OnMouseMoveInMeter",
                            "OnClick", "OnDblClick", "OnMouseDown", "OnMouseMove", "OnMouseUp",
                            "OnDragDrop", "OnDragOver", "OnEndDrag", "OnStartDrag"})
    EXPECT_TRUE(fw::HasEvent(record, event)) << event;
  for (const char* property :
       {"NeedleLayout.HeadAngle", "FontCaption", "Caption", "Font", "Align", "DragKind",
        "DragCursor", "DragMode", "Hint", "ParentFont", "ParentShowHint", "ShowHint", "Visible"})
    EXPECT_NE(
        fw::FindProperty(record, std::string(property).substr(0, std::string(property).find('.'))),
        nullptr)
        << property;
}
