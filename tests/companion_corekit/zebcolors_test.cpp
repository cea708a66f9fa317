// The predefined colour table and the universal constants, as colour pickers, number
// scanners and scale drawing use them.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "companion/ZEB_univconst.h"
#include "companion/ZEB_zebcolors.h"

namespace zeb {
namespace {

TEST(PredefinedColors, FirstSixteenAreTheVgaColoursInPaletteOrder) {
  const fw::TColor vga[] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                            0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF,
                            0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  ASSERT_EQ(PredefinedColors.Count(), 47);
  for (int i = 1; i <= 16; ++i) EXPECT_EQ(PredefinedColors[i], vga[i - 1]) << i;
}

TEST(PredefinedColors, GroupsAreRgbThenSystemColours) {
  for (int i = 1; i < pc_FirstSystem; ++i) {
    EXPECT_EQ(PredefinedColors[i] & 0xFF000000u, 0u) << i;
  }
  for (int i = pc_FirstSystem; i <= pc_NumColors; ++i) {
    const fw::TColor c = PredefinedColors[i];
    EXPECT_EQ(c & 0xFFFFFF00u, fw::clSystemColor) << i;
    // Each resolves to a plain RGB value.
    EXPECT_EQ(fw::ColorToRGB(c) & 0xFF000000u, 0u) << i;
  }
  EXPECT_EQ(pc_NumColors - pc_FirstSystem + 1, 27);
  EXPECT_EQ(pc_FirstSystem - pc_FirstExtended, 4);
}

TEST(PredefinedColors, EntriesAreDistinctAndAllHaveConstantNames) {
  std::set<fw::TColor> seen;
  std::set<std::string> names;
  for (int i = 1; i <= pc_NumColors; ++i) {
    const fw::TColor c = PredefinedColors[i];
    EXPECT_TRUE(seen.insert(c).second) << "entry " << i << " repeats a colour";
    const std::string name = fw::ColorToString(c);
    EXPECT_EQ(name.rfind("cl", 0), 0u) << "entry " << i << " named " << name;
    names.insert(name);
  }
  EXPECT_EQ(names.size(), 47u);
}

TEST(PredefinedColors, IndicesOutsideTheTableGiveBlack) {
  for (int i : {0, -1, 48, 1000}) EXPECT_EQ(PredefinedColors[i], fw::clBlack) << i;
}

TEST(UniversalConstants, ValuesCallersRelyOn) {
  EXPECT_TRUE(std::isfinite(uc_MaxDouble));
  EXPECT_TRUE(std::isinf(uc_MaxDouble * 2));
  EXPECT_LT(uc_MaxReal, uc_MaxDouble);
  EXPECT_TRUE(std::isfinite(uc_MaxReal * uc_MaxReal * uc_MaxReal * uc_MaxReal * 1e100));
  // log10 through uc_ln10, and powers of ten back through exp.
  for (int e : {-300, -5, 0, 1, 3, 10, 300}) {
    const long double x = std::pow(10.0L, e);
    EXPECT_NEAR(double(std::log(x) / uc_ln10), e, 1e-12) << e;
    EXPECT_NEAR(double(std::exp(e * uc_ln10) / x), 1.0, 1e-12) << e;
  }
}

}  // namespace
}  // namespace zeb
