// The committed menu check images are the pictures their drawing code makes.
#include <gtest/gtest.h>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "ntabed/ntabed_checkimages.h"

namespace {

TEST(NTabEdCheckImages, ResourcesMatchTheirDrawingCode) {
  for (bool checked : {false, true}) {
    fw::TBitmap resource;
    resource.LoadFromResourceName(checked ? "CHECKEDBOX" : "EMPTYBOX");
    const auto drawn = zeb::DrawMenuCheckImage(checked);
    ASSERT_EQ(resource.Width(), drawn->Width());
    ASSERT_EQ(resource.Height(), drawn->Height());
    int differing = 0;
    for (int y = 0; y < drawn->Height(); ++y)
      for (int x = 0; x < drawn->Width(); ++x)
        if (resource.Canvas()->Pixels(x, y) != drawn->Canvas()->Pixels(x, y)) ++differing;
    EXPECT_EQ(differing, 0) << checked;
  }
  // The checked box differs from the empty one by its mark only.
  EXPECT_NE(zeb::DrawMenuCheckImage(true)->Canvas()->Pixels(7, 9),
            zeb::DrawMenuCheckImage(false)->Canvas()->Pixels(7, 9));
}

}  // namespace
