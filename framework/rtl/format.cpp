// Format: "%" specifiers over a list of integer, double and string arguments.

#include <algorithm>
#include <limits>
#include <optional>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

constexpr int kMaxFormatWidth = 4096;

struct Spec {
  bool leftJustify = false;
  int width = -1;
  int precision = -1;  // -1: the type's default
  char type = 0;
};

// Walks one format string, handing out arguments in order (or by index).
class Formatter {
 public:
  Formatter(std::string_view fmt, std::span<const FormatArg> args) : fmt_(fmt), args_(args) {}

  std::string Run() {
    std::string out;
    std::size_t i = 0;
    while (i < fmt_.size()) {
      const std::size_t percent = fmt_.find('%', i);
      out.append(fmt_.substr(i, percent - i));
      if (percent == std::string_view::npos) break;
      i = percent + 1;
      if (i < fmt_.size() && fmt_[i] == '%') {
        out += '%';
        ++i;
        continue;
      }
      const Spec spec = ParseSpec(i);
      out += Pad(Convert(spec), spec);
    }
    return out;
  }

 private:
  [[noreturn]] void Invalid() const {
    throw EConvertError("Format '" + std::string(fmt_) + "' invalid or incompatible with argument");
  }

  const FormatArg& NextArg() {
    if (next_ >= args_.size()) {
      throw EConvertError("No argument for format '" + std::string(fmt_) + "'");
    }
    return args_[next_++];
  }

  // Digits or "*" (the next argument) at i; nullopt when neither is there.
  std::optional<int> ReadNumber(std::size_t& i) {
    if (i < fmt_.size() && fmt_[i] == '*') {
      ++i;
      const FormatArg& arg = NextArg();
      if (!arg.IsInteger()) Invalid();
      return static_cast<int>(std::clamp<int64_t>(arg.AsInt(), -kMaxFormatWidth, kMaxFormatWidth));
    }
    if (i >= fmt_.size() || fmt_[i] < '0' || fmt_[i] > '9') return std::nullopt;
    int value = 0;
    while (i < fmt_.size() && fmt_[i] >= '0' && fmt_[i] <= '9') {
      value = std::min(value * 10 + (fmt_[i++] - '0'), kMaxFormatWidth);
    }
    return value;
  }

  Spec ParseSpec(std::size_t& i) {
    Spec spec;
    // An optional argument index "n:" (or "*:") comes first; when no ":" follows, the number
    // read was the width and is read again below (an argument taken by "*" is given back).
    std::size_t probe = i;
    const std::size_t argBefore = next_;
    const std::optional<int> index = ReadNumber(probe);
    if (index && probe < fmt_.size() && fmt_[probe] == ':') {
      if (*index < 0) Invalid();
      next_ = static_cast<std::size_t>(*index);
      i = probe + 1;
    } else {
      next_ = argBefore;
    }
    if (i < fmt_.size() && fmt_[i] == '-') spec.leftJustify = true, ++i;
    if (const std::optional<int> width = ReadNumber(i)) {
      if (*width < 0) spec.leftJustify = true;  // a negative "*" width left-justifies
      spec.width = std::abs(*width);
    }
    if (i < fmt_.size() && fmt_[i] == '.') {
      ++i;
      // "." alone means 0; a negative "*" precision means the type's default.
      const std::optional<int> precision = ReadNumber(i);
      spec.precision = precision ? std::max(*precision, -1) : 0;
    }
    if (i >= fmt_.size()) Invalid();
    spec.type = static_cast<char>(fmt_[i] >= 'A' && fmt_[i] <= 'Z' ? fmt_[i] + 32 : fmt_[i]);
    ++i;
    return spec;
  }

  std::string Convert(const Spec& spec) {
    switch (spec.type) {
      case 'd':
      case 'u':
      case 'x':
        return ConvertInteger(spec);
      case 'e':
      case 'f':
      case 'g':
      case 'n':
        return ConvertFloat(spec);
      case 's':
        return ConvertString(spec);
      default:
        Invalid();
    }
  }

  std::string ConvertInteger(const Spec& spec) {
    const FormatArg& arg = NextArg();
    if (!arg.IsInteger()) Invalid();
    const int64_t value = arg.AsInt();
    const bool narrow = arg.GetKind() == FormatArg::Kind::Int32;
    std::string digits;
    bool negative = false;
    if (spec.type == 'x') {
      digits = narrow ? IntToHex(static_cast<int>(value), 0) : IntToHex(value, 0);
    } else if (spec.type == 'u') {
      digits = std::to_string(narrow ? static_cast<uint32_t>(value) : static_cast<uint64_t>(value));
    } else {
      negative = value < 0;
      digits = std::to_string(value);
      if (negative) digits.erase(0, 1);
    }
    if (static_cast<int>(digits.size()) < spec.precision) {
      digits.insert(0, spec.precision - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
  }

  std::string ConvertFloat(const Spec& spec) {
    const FormatArg& arg = NextArg();
    if (arg.GetKind() != FormatArg::Kind::Double) Invalid();
    const double x = arg.AsDouble();
    switch (spec.type) {
      case 'e':
        return FloatToStrF(x, ffExponent, spec.precision < 0 ? 15 : spec.precision, 3);
      case 'g':
        return FloatToStrF(x, ffGeneral, spec.precision < 0 ? 15 : spec.precision, 3);
      case 'f':
        return FloatToStrF(x, ffFixed, kMaxSignificantDigits,
                           spec.precision < 0 ? 2 : spec.precision);
      default:
        return FloatToStrF(x, ffNumber, kMaxSignificantDigits,
                           spec.precision < 0 ? 2 : spec.precision);
    }
  }

  std::string ConvertString(const Spec& spec) {
    const FormatArg& arg = NextArg();
    if (arg.GetKind() != FormatArg::Kind::String) Invalid();
    if (spec.precision < 0) return arg.AsString();
    return CutToLength(arg.AsString(), static_cast<std::size_t>(spec.precision));
  }

  // Blanks up to the width, counted in characters.
  static std::string Pad(std::string text, const Spec& spec) {
    const std::size_t length = Length(text);
    if (spec.width <= 0 || length >= static_cast<std::size_t>(spec.width)) return text;
    const std::string blanks(spec.width - length, ' ');
    return spec.leftJustify ? text + blanks : blanks + text;
  }

  std::string_view fmt_;
  std::span<const FormatArg> args_;
  std::size_t next_ = 0;
};

}  // namespace

std::string Format(std::string_view fmt, std::span<const FormatArg> args) {
  return Formatter(fmt, args).Run();
}

std::string Format(std::string_view fmt, std::initializer_list<FormatArg> args) {
  return Format(fmt, std::span<const FormatArg>(args.begin(), args.size()));
}

}  // namespace fw
