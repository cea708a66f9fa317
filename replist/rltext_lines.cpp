// TRLData: filling a column with the lines of a text file, one line per row.
#include <algorithm>
#include <limits>
#include <string>

#include "framework/rtl/file_read.h"
#include "replist/ZEB_replist.h"
#include "replist/rltext_io.h"

namespace zeb {

void TRLData::LoadLinesFromFile(int Column, int Row, const std::string& FileName) {
  if (!InCellCols(Column)) return;
  rlio::GuardMemory(*this, [&] {
    const std::string text =
        rlio::AsUtf8Text(fw::ReadWholeFile(FileName, static_cast<int64_t>(MemoryLimit())));
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
    // The lines go into a copy of the list, which takes the store's place when complete.
    const std::unique_ptr<TRLData> stage = NewStage();
    stage->CopyDataFrom(*this, true);
    if (last > nrRows_) stage->SetNrRows(static_cast<int>(last));
    rlio::Progress progress(*this, lines);
    const rlio::LineSource source = rlio::StringLines(text);
    std::string line;
    for (int r = first; source(line); ++r) {
      stage->SetElem(Column, r, line);
      progress.Step(r - first + 1);
    }
    TakeStage(*stage);
    progress.Finish();
  });
}

}  // namespace zeb
