// The Assign/AssignTo protocol and its error messages; class names from the registry.
#include <gtest/gtest.h>

#include "framework/base/component.h"
#include "framework/base/registry.h"
#include "tests/framework_base/test_components.h"

namespace fw {
namespace {

using test::TTestFont;
using test::TTestGauge;

// Knows how to copy itself into a TTestFont (as a destination-aware AssignTo does).
class TFontSource : public TPersistent {
 public:
  void AssignTo(TPersistent* dest) override {
    if (auto* font = dynamic_cast<TTestFont*>(dest)) {
      font->SetSize(42);
      return;
    }
    TPersistent::AssignTo(dest);
  }
};

std::string AssignMessage(TPersistent& dest, TPersistent* source) {
  try {
    dest.Assign(source);
  } catch (const EConvertError& e) {
    return e.Message();
  }
  return "(no error)";
}

TEST(PersistentAssign, UnknownPairsRaiseWithBothClassNames) {
  TTestFont font;
  TTestGauge gauge(nullptr);
  TFontSource source;
  EXPECT_EQ(AssignMessage(font, &gauge), "Cannot assign a TTestGauge to a TTestFont");
  EXPECT_EQ(AssignMessage(gauge, &font), "Cannot assign a TTestFont to a TTestGauge");
  EXPECT_EQ(AssignMessage(font, nullptr), "Cannot assign a nil to a TTestFont");
  // Unregistered classes answer their C++ name.
  EXPECT_EQ(AssignMessage(gauge, &source), "Cannot assign a TFontSource to a TTestGauge");
}

TEST(PersistentAssign, DestinationCopiesOrSourceCopiesInto) {
  TTestFont a, b;
  a.SetName("Arial");
  a.SetSize(12);
  b.Assign(&a);  // the destination knows its own class
  EXPECT_EQ(b.Name(), "Arial");
  EXPECT_EQ(b.Size(), 12);
  TFontSource source;
  b.Assign(&source);  // the destination does not know it: the source's AssignTo does the work
  EXPECT_EQ(b.Size(), 42);
}

TEST(ObjectClassName, RegisteredNameElsePlainCppName) {
  TTestGauge gauge(nullptr);
  TComponent plain(nullptr);
  TFontSource source;
  EXPECT_EQ(gauge.ClassName(), "TTestGauge");
  EXPECT_EQ(plain.ClassName(), "TComponent");
  EXPECT_EQ(source.ClassName(), "TFontSource");
}

}  // namespace
}  // namespace fw
