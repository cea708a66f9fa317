// Cell text: the number format of a column (fixed point within the column's range, else
// scientific with a two-digit exponent) and the text of a data cell by its state and scale type.
#include <array>
#include <cmath>

#include "framework/rtl/numtext.h"
#include "framework/rtl/rounding.h"
#include "ntabed/ZEB_ntabed.h"

namespace zeb {

namespace {

// Fixed-point text for d decimals while lower <= |x| <= upper (or x = 0).
struct FixedRange {
  double upper;
  double lower;
};
constexpr std::array<FixedRange, 9> kFixedRanges{{{999999999.0, 1.0},
                                                  {9999999.9, 0.1},
                                                  {999999.99, 0.01},
                                                  {99999.999, 0.001},
                                                  {9999.9999, 0.0001},
                                                  {999.99999, 0.00001},
                                                  {99.999999, 0.000001},
                                                  {9.9999999, 0.0000001},
                                                  {0.99999999, 0.00000001}}};

bool FitsFixed(double x, int d) {
  if (d < 0 || d > 8 || !std::isfinite(x)) return false;
  const FixedRange& range = kFixedRanges[static_cast<std::size_t>(d)];
  const double a = std::fabs(x);
  return a <= range.upper && (a >= range.lower || x == 0.0);
}

// The scientific text with its four-digit exponent shortened to two digits; an exponent that
// needs more turns the whole text into "*".
std::string ShortenExponent(std::string s) {
  const std::size_t e = s.find('E');
  if (e == std::string::npos || e + 6 > s.size()) return s;
  const bool needsMore = s[e + 2] != '0' || s[e + 3] != '0';
  s.erase(e + 2, 2);
  if (needsMore) s.assign(s.size(), '*');
  return s;
}

// An integer id of a nominal column; false for values no integer can hold.
bool NominalId(double x, int64_t& id) {
  if (!std::isfinite(x) || std::fabs(x) > 9.0e18) return false;
  id = fw::Round(x);
  return true;
}

}  // namespace

std::string FormatCellValue(double x, int decPlaces, int numWidth) {
  if (FitsFixed(x, decPlaces)) return fw::Str(x, numWidth, decPlaces);
  if (!std::isfinite(x)) return std::isnan(x) ? "-nan-" : (x > 0 ? "+inf" : "-inf");
  return ShortenExponent(fw::Str(x, numWidth + 8));
}

bool TNTabEd::IsNominal(int col) const {
  const uint8_t type = table_->GetMScaleType(col);
  return type == stNominal || type == stOrdinal;
}

std::string TNTabEd::NominalText(int col, double x) const {
  const std::string typeName(MScaleTypeNames[table_->GetMScaleType(col)]);
  int64_t id = 0;
  if (!NominalId(x, id)) return typeName + ":" + FormatCellValue(x, -1, numWidth_);
  if (id >= 0 && id <= MaxNominalID) {
    const std::string name = table_->GetNominalID(col, static_cast<int>(id));
    if (!name.empty()) return name;
  }
  return typeName + ":" + fw::Str(id);
}

std::string TNTabEd::DataCellText(int col, int row) const {
  const uint8_t state = table_->GetCellState(col, row);
  if (state & csEmpty) return "";
  if (state & csUndefined) return "-nan-";
  const double x = table_->GetElem(col, row);
  if (IsNominal(col)) return NominalText(col, x);
  return FormatCellValue(x, GetDecPlaces(col), numWidth_);
}

}  // namespace zeb
