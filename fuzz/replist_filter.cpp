// Fuzzes report list filtering: any search text in any mode over a small list must end
// quickly, either filter or (regular expressions only) refuse the pattern with the view's
// error, keep every row, and leave the enabled rows before the disabled ones.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "replist/ZEB_replist.h"

namespace {

const char* const kCells[][3] = {
    {"Berlin", "Germany", "capital"},       {"munich", "GERMANY", "beer (dark)"},
    {"Paris", "France", "capital city"},    {"", "", ""},
    {"a+b*c", "\"quoted\" text", "Or not"}, {"Zürich", "Schweiz", "AND banks"}};
constexpr int kRows = 6;

std::map<std::string, int> RowTexts(zeb::TReportListView& view) {
  std::map<std::string, int> texts;
  for (int r = 1; r <= view.NrOfRows(); ++r) {
    std::string row;
    for (int c = 0; c <= view.NrOfColumns(); ++c)
      row += view.Data()->Matrix()->GetElem(c, r) + '\t';
    ++texts[row];
  }
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t control = data[0];
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  zeb::TReportListView view(nullptr);
  view.SetNrCols(4);
  view.SetNrRows(kRows);
  view.SetColCheckMode(4, zeb::cmBox);
  for (int r = 1; r <= kRows; ++r) {
    for (int c = 1; c <= 3; ++c) view.SetElem(c, r, kCells[r - 1][c - 1]);
    view.SetElemChecked(4, r, r % 2 == 0);
    view.SetElem(4, r, "mark" + std::to_string(r));
  }
  view.SetColumnIsPwd(3, (control & 0x10) != 0);
  if ((control & 0x20) != 0) view.SetRowEnabled(2, false);
  const auto before = RowTexts(view);
  const std::vector<int> cols =
      (control & 0x40) != 0 ? std::vector<int>{1, 3, 9} : std::vector<int>{};
  const zeb::TFilterMode mode = zeb::TFilterMode(control % 3);
  try {
    view.FilterAndSort(text, cols, (control & 0x80) != 0, mode, (control >> 2) % 5, true);
  } catch (const zeb::EZEBRepListError&) {
    if (mode != zeb::fmGrep) std::abort();  // only a pattern can be refused
    return 0;
  }
  if (view.NrOfRows() != kRows || RowTexts(view) != before) std::abort();
  bool seenDisabled = false;
  for (int r = 1; r <= kRows; ++r) {
    if (!view.GetRowEnabled(r))
      seenDisabled = true;
    else if (seenDisabled)
      std::abort();
  }
  if (text.empty() && view.NumEnabledRows() != kRows) std::abort();
  return 0;
}
