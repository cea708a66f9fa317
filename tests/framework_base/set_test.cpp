// fw::Set over enumerations: membership, arithmetic, subsets, bits.
#include <gtest/gtest.h>

#include "framework/base/event.h"
#include "framework/base/set.h"

namespace fw {
namespace {

TEST(Set, ArithmeticFollowsSetAlgebra) {
  TShiftState a{ssShift, ssCtrl};
  TShiftState b{ssCtrl, ssAlt};
  EXPECT_EQ(a + b, (TShiftState{ssShift, ssCtrl, ssAlt}));
  EXPECT_EQ(a - b, TShiftState{ssShift});
  EXPECT_EQ(a * b, TShiftState{ssCtrl});
  EXPECT_TRUE(TShiftState{ssCtrl} <= a);
  EXPECT_FALSE(b <= a);
  EXPECT_TRUE(TShiftState{} <= a);
  TShiftState c = a;
  c -= TShiftState{ssShift};
  c += ssDouble;
  EXPECT_EQ(c, (TShiftState{ssCtrl, ssDouble}));
}

TEST(Set, IncludeExcludeAndBits) {
  TShiftState s;
  EXPECT_TRUE(s.Empty());
  s.Include(ssMiddle);
  s.Include(ssMiddle);
  EXPECT_TRUE(s.Contains(ssMiddle));
  EXPECT_EQ(s.Bits(), uint64_t{1} << ssMiddle);
  s.Exclude(ssMiddle);
  EXPECT_TRUE(s.Empty());
  EXPECT_EQ(TShiftState::FromBits(0b101), (TShiftState{ssShift, ssCtrl}));
}

}  // namespace
}  // namespace fw
