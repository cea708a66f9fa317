// TRLData: filling a column with the lines of a text file, one line per row.
#include <algorithm>
#include <limits>
#include <string>

#include "replist/ZEB_replist.h"
#include "replist/rldata_batch.h"
#include "replist/rltext_io.h"

namespace zeb {

void TRLData::LoadLinesFromFile(int Column, int Row, const std::string& FileName) {
  if (!InCellCols(Column)) return;
  const std::string text = rlio::AsUtf8Text(rlio::ReadWholeFile(FileName));
  const int first = std::max(Row, 1);
  // Count the lines first, so the list grows once.
  int64_t lines = 0;
  {
    const rlio::LineSource source = rlio::StringLines(text);
    std::string line;
    while (source(line)) ++lines;
  }
  const int64_t last = first + lines - 1;
  if (last > std::numeric_limits<int>::max() || (int64_t{nrCols_} + 1) * last > kMaxReadCells)
    throw EZEBRLDataError("Component \"" + Name() + "\": too many lines in \"" + FileName + "\"");
  ChangeBatch batch(*matrix_);
  if (last > nrRows_) SetNrRows(static_cast<int>(last));
  rlio::Progress progress(*this, lines);
  const rlio::LineSource source = rlio::StringLines(text);
  std::string line;
  for (int r = first; source(line); ++r) {
    SetElem(Column, r, line);
    progress.Step(r - first + 1);
  }
  batch.Done();
  progress.Finish();
}

}  // namespace zeb
