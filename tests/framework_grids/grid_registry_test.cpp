// Grid class records: published properties agree with the classes, and options keep their bits.
#include <gtest/gtest.h>

#include "framework/base/registry_check.h"
#include "framework/grids/grids.h"

namespace fw {
namespace {

TEST(GridRegistry, DrawGridAgreesWithItsClassRecord) {
  for (const char* name : {"TDrawGrid", "TCustomDrawGrid", "TCustomGrid"}) {
    for (const std::string& problem : testing::CheckRegisteredClass(name)) ADD_FAILURE() << problem;
  }
}

TEST(GridRegistry, OptionsKeepThePlatformBits) {
  TDrawGrid grid(nullptr);
  // The default options are the first five bits.
  EXPECT_EQ(grid.Options().Bits(), 31u);
  struct Case {
    TGridOption option;
    unsigned bit;
  };
  const Case cases[] = {{goRangeSelect, 4},
                        {goColSizing, 7},
                        {goEditing, 10},
                        {goRowSelect, 12},
                        {goThumbTracking, 14}};
  for (const Case& c : cases) EXPECT_EQ(TGridOptions{c.option}.Bits(), 1u << c.bit);
}

}  // namespace
}  // namespace fw
