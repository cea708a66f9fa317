// FormatFloat: picture formats with digit placeholders, grouping, exponents, literal text
// and positive/negative/zero sections.

#include <algorithm>
#include <cmath>
#include <vector>

#include "framework/rtl/numtext.h"

namespace fw {

namespace {

// What one section asks for, found by a first pass over it.
struct SectionLayout {
  int intPlaceholders = 0;  // "0"/"#" before the decimal point
  int forcedInt = 0;        // of those, from the first "0" on
  int decPlaceholders = 0;  // "0"/"#" after the decimal point
  int forcedDec = 0;        // of those, up to the last "0"
  bool thousands = false;
  bool scientific = false;
};

bool IsQuote(char c) {
  return c == '\'' || c == '"';
}

// Index just past the quoted text starting at i (an unterminated quote runs to the end).
std::size_t SkipQuoted(std::string_view s, std::size_t i) {
  const std::size_t close = s.find(s[i], i + 1);
  return close == std::string_view::npos ? s.size() : close + 1;
}

// Length of an exponent marker "E+00" at i (0 when there is none).
std::size_t ExponentMarkerLength(std::string_view s, std::size_t i) {
  if ((s[i] != 'E' && s[i] != 'e') || i + 1 >= s.size()) return 0;
  if (s[i + 1] != '+' && s[i + 1] != '-') return 0;
  std::size_t j = i + 2;
  while (j < s.size() && s[j] == '0') ++j;
  return j - i;
}

std::vector<std::string_view> SplitSections(std::string_view fmt) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  for (std::size_t i = 0; i < fmt.size();) {
    if (IsQuote(fmt[i])) {
      i = SkipQuoted(fmt, i);
    } else if (fmt[i] == ';') {
      sections.push_back(fmt.substr(start, i - start));
      start = ++i;
    } else {
      ++i;
    }
  }
  sections.push_back(fmt.substr(start));
  if (sections.size() > 3) sections.resize(3);
  return sections;
}

SectionLayout Analyze(std::string_view section) {
  SectionLayout layout;
  bool afterPoint = false;
  int firstZeroInt = -1;
  for (std::size_t i = 0; i < section.size();) {
    const char c = section[i];
    if (IsQuote(c)) {
      i = SkipQuoted(section, i);
      continue;
    }
    if (const std::size_t marker = ExponentMarkerLength(section, i); marker > 0) {
      layout.scientific = true;
      i += marker;
      continue;
    }
    if ((c == '0' || c == '#') && !layout.scientific) {
      if (afterPoint) {
        ++layout.decPlaceholders;
        if (c == '0') layout.forcedDec = layout.decPlaceholders;
      } else {
        if (c == '0' && firstZeroInt < 0) firstZeroInt = layout.intPlaceholders;
        ++layout.intPlaceholders;
      }
    } else if (c == '.' && !layout.scientific) {
      afterPoint = true;
    } else if (c == ',' && !afterPoint) {
      layout.thousands = true;
    }
    ++i;
  }
  if (firstZeroInt >= 0) layout.forcedInt = layout.intPlaceholders - firstZeroInt;
  return layout;
}

// The digits a section writes: integer digits (no leading zeros beyond the forced ones),
// decimal digits (no trailing zeros beyond the forced ones) and the exponent.
struct SectionDigits {
  std::string integer;
  std::string fraction;
  int exponent = 0;
  bool zero = true;
};

std::string DigitRange(const TFloatDecimal& d, long long from, long long count) {
  std::string out;
  for (long long k = from; k < from + count; ++k) {
    out += k >= 0 && k < static_cast<long long>(d.Digits.size()) ? d.Digits[k] : '0';
  }
  return out;
}

SectionDigits MakeDigits(double magnitude, const SectionLayout& layout) {
  SectionDigits out;
  TFloatDecimal d;
  long long integerCount = 0;
  if (layout.scientific) {
    const int shown = std::max(layout.intPlaceholders, 1);
    d = FloatToDecimal(magnitude, shown + layout.decPlaceholders, 1 << 20);
    integerCount = layout.intPlaceholders;
    out.exponent = d.Digits.empty() ? 0 : d.Exponent - layout.intPlaceholders;
    out.integer = DigitRange(d, 0, integerCount);
    out.fraction = DigitRange(d, integerCount, layout.decPlaceholders);
  } else {
    d = FloatToDecimal(magnitude, kMaxSignificantDigits, layout.decPlaceholders);
    integerCount = std::max(d.Exponent, 0);
    out.integer = DigitRange(d, 0, integerCount);
    out.fraction = DigitRange(d, integerCount, layout.decPlaceholders);
  }
  out.zero = d.Digits.empty();
  out.integer.erase(0, std::min(out.integer.find_first_not_of('0'), out.integer.size()));
  // A scientific mantissa always shows its integer digit when it has a placeholder for one.
  const int minimum = layout.scientific ? std::min(layout.intPlaceholders, 1) : 0;
  const int forced = std::max(layout.forcedInt, minimum);
  if (static_cast<int>(out.integer.size()) < forced) {
    out.integer.insert(0, forced - out.integer.size(), '0');
  }
  while (static_cast<int>(out.fraction.size()) > layout.forcedDec && out.fraction.back() == '0') {
    out.fraction.pop_back();
  }
  return out;
}

// Second pass: writes the section with the digits in place of its placeholders.
class SectionWriter {
 public:
  SectionWriter(std::string_view section, const SectionLayout& layout, const SectionDigits& digits)
      : section_(section), layout_(layout), digits_(digits) {}

  std::string Write() {
    for (std::size_t i = 0; i < section_.size();) {
      const char c = section_[i];
      if (IsQuote(c)) {
        const std::size_t close = std::min(section_.find(c, i + 1), section_.size());
        out_.append(section_.substr(i + 1, close - i - 1));
        i = SkipQuoted(section_, i);
        continue;
      }
      if (const std::size_t marker = ExponentMarkerLength(section_, i); marker > 0) {
        WriteExponent(section_.substr(i, marker));
        i += marker;
        continue;
      }
      WriteChar(c);
      ++i;
    }
    return out_;
  }

 private:
  void WriteChar(char c) {
    if ((c == '0' || c == '#') && !exponentDone_) {
      if (pointSeen_) {
        WriteFractionDigit();
      } else {
        WriteIntegerPlaceholder();
      }
    } else if (c == '.') {
      if (!pointSeen_) WritePoint();
    } else if (c != ',') {
      out_ += c;
    }
  }

  // Placeholder j of n takes the digit at position n-1-j from the right; the first also takes
  // every digit the placeholders do not reach.
  void WriteIntegerPlaceholder() {
    const int n = layout_.intPlaceholders;
    const int length = static_cast<int>(digits_.integer.size());
    if (placeholder_ == 0) {
      for (int p = length - 1; p >= n; --p) WriteIntegerDigit(p);
    }
    const int p = n - 1 - placeholder_++;
    if (p < length) WriteIntegerDigit(p);
  }

  void WriteIntegerDigit(int p) {
    out_ += digits_.integer[digits_.integer.size() - 1 - p];
    if (layout_.thousands && p > 0 && p % 3 == 0) out_ += FormatSettings.ThousandSeparator;
  }

  // Integer digits of a section without integer placeholders go where its point is.
  void WriteIntegerRest() {
    if (layout_.intPlaceholders == 0 && !integerDone_) {
      for (int p = static_cast<int>(digits_.integer.size()) - 1; p >= 0; --p) WriteIntegerDigit(p);
    }
    integerDone_ = true;
  }

  void WritePoint() {
    WriteIntegerRest();
    pointSeen_ = true;
    if (!digits_.fraction.empty()) out_ += FormatSettings.DecimalSeparator;
  }

  void WriteFractionDigit() {
    if (fractionIndex_ < digits_.fraction.size()) out_ += digits_.fraction[fractionIndex_];
    ++fractionIndex_;
  }

  void WriteExponent(std::string_view marker) {
    WriteIntegerRest();
    pointSeen_ = true;
    exponentDone_ = true;
    out_ += marker[0];
    if (digits_.exponent < 0) {
      out_ += '-';
    } else if (marker[1] == '+') {
      out_ += '+';
    }
    std::string text = std::to_string(std::abs(digits_.exponent));
    const std::size_t width = std::min<std::size_t>(marker.size() - 2, 4);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    out_ += text;
  }

  std::string_view section_;
  const SectionLayout& layout_;
  const SectionDigits& digits_;
  std::string out_;
  int placeholder_ = 0;
  std::size_t fractionIndex_ = 0;
  bool pointSeen_ = false;
  bool integerDone_ = false;
  bool exponentDone_ = false;
};

std::string FormatSection(std::string_view section, double magnitude) {
  const SectionLayout layout = Analyze(section);
  return SectionWriter(section, layout, MakeDigits(magnitude, layout)).Write();
}

}  // namespace

std::string FormatFloat(std::string_view fmt, double x) {
  if (fmt.empty() || !std::isfinite(x)) return FloatToStr(x);
  const std::vector<std::string_view> sections = SplitSections(fmt);
  const SectionLayout first = Analyze(sections[0]);
  const double magnitude = std::fabs(x);
  // Beyond 18 integer digits a picture without an exponent has no exact digits to show.
  if (!first.scientific && magnitude >= 1e18) return FloatToStr(x);

  // The section is chosen by the value as the first section rounds it.
  const SectionDigits firstDigits = MakeDigits(magnitude, first);
  if (firstDigits.zero) {
    if (sections.size() > 2 && !sections[2].empty()) return FormatSection(sections[2], 0.0);
    return SectionWriter(sections[0], first, firstDigits).Write();
  }
  if (x < 0) {
    if (sections.size() > 1 && !sections[1].empty()) return FormatSection(sections[1], magnitude);
    return "-" + SectionWriter(sections[0], first, firstDigits).Write();
  }
  return SectionWriter(sections[0], first, firstDigits).Write();
}

}  // namespace fw
