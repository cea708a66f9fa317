// Reading a column format into the row editing form's line, and a list column's items.
#include <algorithm>

#include "replist/rlrowedit.h"

namespace zeb {

int ReadFormatInteger(std::string_view s, std::size_t* used) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  const std::size_t digitsAt = i;
  long long n = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i)
    n = std::min(n * 10 + (s[i] - '0'), 1000000LL);
  if (used) *used = i > digitsAt ? i : 0;
  return static_cast<int>(negative ? -n : n);
}

TEditLineFormat ParseEditLineFormat(std::string_view format) {
  TEditLineFormat line;
  std::string_view remaining = format;
  const std::size_t open = format.find('[');
  const std::size_t close = format.find(']');
  std::string type = "s";
  if (open != std::string_view::npos && close != std::string_view::npos && open < close) {
    type = std::string(format.substr(open + 1, close - open - 1));
    remaining = format.substr(close + 1);
  }
  if (!type.empty() && type[0] == '#') {
    line.readOnly = true;
    type.erase(0, 1);
  }
  line.typeGroup = type;
  line.code = type.empty() ? '\0' : type[0];
  if (const std::size_t colon = type.find(':'); colon != std::string::npos)
    line.dropDownCount = std::max(ReadFormatInteger(std::string_view(type).substr(colon + 1)), 0);
  if (line.code == 'd') line.picture = type.substr(1);

  const std::size_t wOpen = remaining.find('[');
  const std::size_t wClose = wOpen == std::string_view::npos ? wOpen : remaining.find(']', wOpen);
  if (wClose != std::string_view::npos) {
    const int width = ReadFormatInteger(remaining.substr(wOpen + 1, wClose - wOpen - 1));
    line.width = width < 1 ? 200 : width;
    remaining = remaining.substr(wClose + 1);
  }
  line.rest = std::string(remaining);
  return line;
}

std::vector<std::string> SplitEditItems(std::string_view rest) {
  std::string items(rest);
  if (items.empty() || items.back() != '|') items += '|';
  std::vector<std::string> out;
  std::size_t from = 0;
  for (std::size_t bar = items.find('|'); bar != std::string::npos; bar = items.find('|', from)) {
    out.push_back(items.substr(from, bar - from));
    from = bar + 1;
  }
  return out;
}

}  // namespace zeb
