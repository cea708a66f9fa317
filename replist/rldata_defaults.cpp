// TRLData: default texts of new cells derived from the column format ("rixN" row indices,
// "$pwd$N" passwords, first list items).
#include <algorithm>
#include <cstdint>

#include "companion/ZEB_stringl.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rlcell_defaults.h"

namespace zeb {

namespace {

// A count from the 1-based character `from` of text: blanks, optional sign, decimal digits up
// to the first non-digit; no digits give 0. Large values saturate.
long long ReadCount(std::string_view text, long long from) {
  const std::string tail = fw::Copy(text, from, static_cast<long long>(text.size()));
  std::size_t i = 0;
  while (i < tail.size() && tail[i] == ' ') ++i;
  bool negative = false;
  if (i < tail.size() && (tail[i] == '+' || tail[i] == '-')) negative = tail[i++] == '-';
  long long n = 0;
  for (; i < tail.size() && tail[i] >= '0' && tail[i] <= '9'; ++i)
    n = std::min(n * 10 + (tail[i] - '0'), 1000000000LL);
  return negative ? -n : n;
}

std::string RowDigits(int row, long long n) {
  n = std::clamp(n, 1LL, static_cast<long long>(TStringArray::kMaxCellLength));
  const long long magnitude = row < 0 ? -static_cast<long long>(row) : row;
  std::string digits = std::to_string(magnitude);
  if (static_cast<long long>(digits.size()) > n)
    digits.erase(0, digits.size() - static_cast<std::size_t>(n));
  else
    digits.insert(0, static_cast<std::size_t>(n) - digits.size(), '0');
  return row < 0 ? "-" + digits : digits;
}

std::string RowHex(int row, long long n) {
  n = std::clamp(n, 1LL, 16LL);
  auto bits = static_cast<uint64_t>(static_cast<int64_t>(row));
  std::string digits(static_cast<std::size_t>(n), '0');
  for (auto it = digits.rbegin(); it != digits.rend(); ++it, bits >>= 4)
    *it = "0123456789ABCDEF"[bits & 0xF];
  return digits;
}

std::string RowIndexText(char type, std::string_view rest, int row) {
  if (fw::LowerCase(rest).find("rix") == std::string::npos) return std::string(rest);
  const long long n = ReadCount(rest, 4);
  switch (type) {
    case 'e':
    case 'f':
      return strff(row, 1, static_cast<int>(std::clamp(n, 0LL, 64LL)));
    case 'h':
      return RowHex(row, n);
    default:
      return RowDigits(row, n);
  }
}

}  // namespace

std::string RowIndexDefault(char code, std::string_view rest, int row) {
  return RowIndexText(code, rest, row);
}

std::string PasswordDefault(std::string_view rest) {
  if (fw::LowerCase(rest).find("$pwd$") == std::string::npos) return std::string(rest);
  const long long n =
      std::clamp(ReadCount(rest, 6), 0LL, static_cast<long long>(TStringArray::kMaxCellLength));
  return InventPassword(static_cast<int>(n));
}

std::string TRLData::GetCellDefaultValue(int ACol, int ARow) const {
  const std::string format = GetColumnFormat(ACol);
  const std::size_t typeEnd = format.find(']');
  if (typeEnd == std::string::npos || typeEnd + 1 >= format.size()) return {};
  const std::string type = format.substr(0, typeEnd + 1);
  std::string rest = format.substr(typeEnd + 1);
  const std::size_t widthEnd = rest.find(']');
  if (widthEnd != std::string::npos) rest.erase(0, widthEnd + 1);
  const char code = type.size() > 1 ? type[1] : '\0';
  switch (code) {
    case 'c':
    case 'l':
      return rest.substr(0, rest.find('|'));
    case 'd':
      return rest;
    case 'e':
    case 'f':
    case 'h':
    case 'i':
      return RowIndexText(code, rest, ARow);
    case 's':
      return PasswordDefault(rest);
    default:
      return {};
  }
}

}  // namespace zeb
