// Tests of Format: integer, float and string conversions, widths, precisions, argument
// indexes, "*" arguments and the errors for bad specifiers or missing arguments.

#include <gtest/gtest.h>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"
#include "tests/framework_rtl/settings_guard.h"

namespace {

using fw::Format;

// Restores the global settings a test changes.
using fw::test::SettingsGuard;

TEST(FormatInteger, DecimalUnsignedAndHexadecimal) {
  EXPECT_EQ(Format("%d", {42}), "42");
  EXPECT_EQ(Format("%d", {-42}), "-42");
  EXPECT_EQ(Format("%5d|%-5d|", {42, 42}), "   42|42   |");
  EXPECT_EQ(Format("%.3d %.3d", {7, -7}), "007 -007");
  EXPECT_EQ(Format("%6.3d", {-7}), "  -007");
  EXPECT_EQ(Format("%u", {-1}), "4294967295");
  EXPECT_EQ(Format("%u", {int64_t{-1}}), "18446744073709551615");
  EXPECT_EQ(Format("%x %X", {255, 255}), "FF FF");
  EXPECT_EQ(Format("%.4x", {26}), "001A");
  EXPECT_EQ(Format("%x", {-1}), "FFFFFFFF");
  EXPECT_EQ(Format("%x", {int64_t{-1}}), "FFFFFFFFFFFFFFFF");
  EXPECT_EQ(Format("%d", {int64_t{9007199254740993}}), "9007199254740993");
}

TEST(FormatFloatTypes, FixedScientificGeneralAndNumber) {
  const struct {
    const char* fmt;
    double x;
    const char* expected;
  } cases[] = {
      {"%f", 3.14159, "3.14"},
      {"%.0f", 2.5, "3"},
      {"%.3f", -0.0005, "-0.001"},
      {"%.2f", -0.001, "0.00"},
      {"%8.3f", -3.14159, "  -3.142"},
      {"%e", 1.0, "1.00000000000000E+000"},
      {"%.6e", 0.000123456789, "1.23457E-004"},
      {"%.3e", -1234.5, "-1.23E+003"},
      {"%.4e", 1e-300, "1.000E-300"},
      {"%g", 3.14159, "3.14159"},
      {"%g", 0.1, "0.1"},
      {"%.3g", 1234.5, "1.23E003"},
      {"%g", 1e20, "1E020"},
      {"%g", 0.00001, "1E-005"},
      {"%g", 0.0001, "0.0001"},
      {"%g", 100.0, "100"},
      {"%.15g", 1e15, "1E015"},
      {"%.15g", 1e14, "100000000000000"},
      {"%n", 1234567.891, "1,234,567.89"},
      {"%.0n", -1234.5, "-1,235"},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.fmt, {c.x}), c.expected) << c.fmt << " " << c.x;
}

TEST(FormatFloatTypes, StarWidthAndPrecisionComeFromArguments) {
  // The label component's formats: width 1, precision from its setting.
  EXPECT_EQ(Format("%*.*f", {1, 2, 3.14159}), "3.14");
  EXPECT_EQ(Format("%*.*e", {1, 6, 0.000123456789}), "1.23457E-004");
  EXPECT_EQ(Format("%*.*g", {1, 4, 2.0 / 3.0}), "0.6667");
  EXPECT_EQ(Format("%*.*d", {1, 0, int64_t{2}}), "2");
  EXPECT_EQ(Format("%*d|", {-5, 3}), "3    |");  // a negative width left-justifies
  EXPECT_EQ(Format("%.*f", {-1, 2.0}), "2.00");  // a negative precision means the default
}

TEST(FormatFloatTypes, FollowTheDecimalSeparatorSetting) {
  SettingsGuard guard;
  fw::FormatSettings.DecimalSeparator = ',';
  fw::FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(Format("%.2f", {3.14159}), "3,14");
  EXPECT_EQ(Format("%.3e", {1234.5}), "1,23E+003");
  EXPECT_EQ(Format("%n", {1234567.891}), "1.234.567,89");
}

TEST(FormatFloatTypes, LargeFixedValuesTurnGeneral) {
  EXPECT_EQ(Format("%.2f", {1e17}), "100000000000000000.00");
  EXPECT_EQ(Format("%.2f", {1e19}), "1E19");
}

TEST(FormatFloatTypes, SpecialValues) {
  EXPECT_EQ(Format("%f", {std::numeric_limits<double>::infinity()}), "INF");
  EXPECT_EQ(Format("%e", {-std::numeric_limits<double>::infinity()}), "-INF");
  EXPECT_EQ(Format("%6g", {std::numeric_limits<double>::quiet_NaN()}), "   NAN");
}

TEST(FormatString, PrecisionCutsAndWidthPadsCharacters) {
  EXPECT_EQ(Format("%s", {"abc"}), "abc");
  EXPECT_EQ(Format("[%5s][%-5s]", {"ab", std::string("cd")}), "[   ab][cd   ]");
  EXPECT_EQ(Format("%.2s", {"h\xC3\xA9llo"}), "h\xC3\xA9");
  EXPECT_EQ(Format("%4s|", {"\xC3\xA9\xC3\xA9"}), "  \xC3\xA9\xC3\xA9|");
  EXPECT_EQ(Format("%s", {'x'}), "x");
  EXPECT_EQ(Format("100%% of %s", {"it"}), "100% of it");
  EXPECT_EQ(Format("no specifiers", {}), "no specifiers");
}

TEST(FormatIndex, SelectsArgumentsAndContinuesAfterThem) {
  EXPECT_EQ(Format("%1:s %0:s %s", {"a", "b", "c"}), "b a b");
  EXPECT_EQ(Format("%0:s-%0:s", {"x"}), "x-x");
  EXPECT_EQ(Format("%1:5d|", {1, 2}), "    2|");
}

TEST(FormatErrors, BadSpecifiersAndArgumentsRaiseConvertError) {
  EXPECT_THROW(Format("%d", {1.5}), fw::EConvertError);
  EXPECT_THROW(Format("%f", {1}), fw::EConvertError);
  EXPECT_THROW(Format("%s", {1}), fw::EConvertError);
  EXPECT_THROW(Format("%q", {1}), fw::EConvertError);
  EXPECT_THROW(Format("%", {1}), fw::EConvertError);
  EXPECT_THROW(Format("%*d", {"a", 1}), fw::EConvertError);
  try {
    Format("%d %d", {1});
    FAIL() << "missing argument accepted";
  } catch (const fw::EConvertError& e) {
    EXPECT_STREQ(e.what(), "No argument for format '%d %d'");
  }
  try {
    Format("%d", {"x"});
    FAIL() << "string accepted for %d";
  } catch (const fw::EConvertError& e) {
    EXPECT_STREQ(e.what(), "Format '%d' invalid or incompatible with argument");
  }
}

TEST(FormatWidth, HugeWidthsAreBounded) {
  EXPECT_LE(Format("%999999999d", {1}).size(), 4096u);
  EXPECT_LE(Format("%*d", {2000000000, 1}).size(), 4096u);
}

}  // namespace
