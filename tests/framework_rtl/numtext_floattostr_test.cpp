// Tests of FloatToStr, FloatToStrF and FormatFloat, including the decimal separator setting.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "framework/rtl/numtext.h"
#include "tests/framework_rtl/settings_guard.h"

namespace {

using fw::test::SettingsGuard;

TEST(FloatToStr, FifteenDigitsGeneralFormat) {
  const std::pair<double, const char*> cases[] = {
      {0.0, "0"},
      {0.1, "0.1"},
      {-1.5, "-1.5"},
      {100.0, "100"},
      {1.0 / 3.0, "0.333333333333333"},
      {2.0 / 3.0, "0.666666666666667"},
      {1e14, "100000000000000"},
      {1e15, "1E15"},
      {123456789012345678.0, "1.23456789012346E17"},
      {999999999999999.9, "1E15"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {1.5e-7, "1.5E-7"},
      {1.7976931348623157e308, "1.79769313486232E308"},
      {-0.0, "0"},
      {0.30000000000000004, "0.3"},
  };
  for (const auto& [x, expected] : cases) EXPECT_EQ(fw::FloatToStr(x), expected) << x;
}

TEST(FloatToStr, ReadsBackWithinFifteenDigits) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> scale(-200, 200);
  for (int i = 0; i < 5000; ++i) {
    const double x = mantissa(random) * std::pow(10.0, scale(random));
    const std::string text = fw::FloatToStr(x);
    const double back = fw::StrToFloat(text);
    ASSERT_LE(std::fabs(back - x), std::fabs(x) * 1e-14) << text;
  }
}

TEST(FloatToStrF, EachFormatWithPrecisionAndDigits) {
  const struct {
    double x;
    fw::TFloatFormat format;
    int precision, digits;
    const char* expected;
  } cases[] = {
      {1234.5678, fw::ffFixed, 15, 2, "1234.57"},
      {1234.5678, fw::ffFixed, 15, 0, "1235"},
      {12.3456, fw::ffFixed, 3, 2, "12.30"},
      {123456.0, fw::ffFixed, 4, 2, "1.235E5"},
      {-0.004, fw::ffFixed, 15, 2, "0.00"},
      {1234567.891, fw::ffNumber, 15, 2, "1,234,567.89"},
      {-999.999, fw::ffNumber, 15, 2, "-1,000.00"},
      {123.0, fw::ffNumber, 15, 0, "123"},
      {1234.5, fw::ffExponent, 4, 2, "1.235E+03"},
      {0.0, fw::ffExponent, 15, 3, "0.00000000000000E+000"},
      {-1e-10, fw::ffExponent, 3, 0, "-1.00E-10"},
      {5.0, fw::ffExponent, 1, 4, "5E+0000"},
      {1e20, fw::ffGeneral, 15, 0, "1E20"},
      {1e20, fw::ffGeneral, 15, 3, "1E020"},
      {0.5, fw::ffGeneral, 1, 0, "0.5"},
      {0.96, fw::ffGeneral, 1, 0, "1"},
      {12345.0, fw::ffGeneral, 3, 2, "1.23E04"},
      {1.0, fw::ffGeneral, 99, 0, "1"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fw::FloatToStrF(c.x, c.format, c.precision, c.digits), c.expected)
        << c.x << " format " << int(c.format) << " " << c.precision << "," << c.digits;
  }
}

TEST(FloatToStrF, SpecialValues) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(fw::FloatToStr(inf), "INF");
  EXPECT_EQ(fw::FloatToStrF(-inf, fw::ffFixed, 15, 2), "-INF");
  EXPECT_EQ(fw::FloatToStr(std::numeric_limits<double>::quiet_NaN()), "NAN");
}

TEST(FloatToStrF, UseTheDecimalSeparatorSetting) {
  SettingsGuard guard;
  fw::FormatSettings.DecimalSeparator = ',';
  EXPECT_EQ(fw::FloatToStr(-1.5), "-1,5");
  EXPECT_EQ(fw::FloatToStr(1.5e-7), "1,5E-7");
  EXPECT_EQ(fw::FloatToStrF(2.25, fw::ffFixed, 15, 1), "2,3");
  EXPECT_EQ(fw::Str(2.25, 1, 1), "2.3");  // Str keeps "."
}

// The platform's documented picture-format table: format, then 1234, -1234, 0.5 and 0.
TEST(FormatFloat, DocumentedPictureTable) {
  const struct {
    const char* fmt;
    const char* texts[4];
  } rows[] = {
      {"", {"1234", "-1234", "0.5", "0"}},
      {"0", {"1234", "-1234", "1", "0"}},
      {"0.00", {"1234.00", "-1234.00", "0.50", "0.00"}},
      {"#.##", {"1234", "-1234", ".5", ""}},
      {"#,##0.00", {"1,234.00", "-1,234.00", "0.50", "0.00"}},
      {"#,##0.00;(#,##0.00)", {"1,234.00", "(1,234.00)", "0.50", "0.00"}},
      {"#,##0.00;;Zero", {"1,234.00", "-1,234.00", "0.50", "Zero"}},
      {"0.000E+00", {"1.234E+03", "-1.234E+03", "5.000E-01", "0.000E+00"}},
      {"#.###E-0", {"1.234E3", "-1.234E3", "5E-1", "0E0"}},
  };
  const double values[4] = {1234, -1234, 0.5, 0};
  for (const auto& row : rows) {
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(fw::FormatFloat(row.fmt, values[i]), row.texts[i]) << row.fmt << " " << values[i];
    }
  }
}

TEST(FormatFloat, PlaceholdersLiteralsAndGrouping) {
  const struct {
    const char* fmt;
    double x;
    const char* expected;
  } cases[] = {
      {"000", 7, "007"},
      {"00-00", 1234, "12-34"},
      {"0", 123456, "123456"},
      {"#,##0", 1234567890, "1,234,567,890"},
      {"#,##0", -999, "-999"},
      {"0.0 'kg'", 2.25, "2.3 kg"},
      {"\"$\"0.00", -5, "-$5.00"},
      {"0.0#", 1.5, "1.5"},
      {"0.0#", 1.5551, "1.56"},
      {"0.00#", 1.5, "1.50"},
      {"0.00e-0", 0.00012, "1.20e-4"},
      {"00.0E+000", 1234.5, "12.3E+002"},
      {"0;(0);zero", -5, "(5)"},
      {"0;(0);zero", 0.1, "zero"},
      {"0.00;(0.00)", -0.001, "0.00"},
      {"'a;b'0", 3, "a;b3"},
      {"0.0.0", 1.25, "1.25"},
      {".00", 12.5, "12.50"},
      {"0", 1e18, "1E18"},
      {"0", 999999999999999872.0, "999999999999999872"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(fw::FormatFloat(c.fmt, c.x), c.expected) << c.fmt << " " << c.x;
}

TEST(FormatFloat, UsesTheSeparatorSettings) {
  SettingsGuard guard;
  fw::FormatSettings.DecimalSeparator = ',';
  fw::FormatSettings.ThousandSeparator = '.';
  EXPECT_EQ(fw::FormatFloat("#,##0.00", 1234567.891), "1.234.567,89");
}

}  // namespace
