// Test helper: the notification recorder and the cell pattern of the table tests.
#include "tests/companion_numkit/table_recorder.h"

namespace zeb::test {

TableRecorder::TableRecorder(TDataTable& table) {
  table.OnDataChanged = [this](fw::TObject*) { log_.push_back("data"); };
  table.OnSetupChanged = [this](fw::TObject*) { log_.push_back("setup"); };
  table.OnPercentDone = [this](fw::TObject*, int percent) {
    log_.push_back("percent " + std::to_string(percent));
    percents_.push_back(percent);
  };
  table.OnResize = [this](fw::TObject*, int oldCols, int oldRows, int newCols, int newRows) {
    log_.push_back("resize " + std::to_string(oldCols) + "x" + std::to_string(oldRows) + "->" +
                   std::to_string(newCols) + "x" + std::to_string(newRows));
  };
  table.OnSortExchange = [this](fw::TObject*, uint8_t kind, int i1, int i2, int first, int last) {
    log_.push_back("exchange " + std::to_string(kind) + " " + std::to_string(i1) + " " +
                   std::to_string(i2) + " " + std::to_string(first) + " " + std::to_string(last));
  };
}

std::vector<std::string> TableRecorder::Events() const {
  std::vector<std::string> events;
  for (const std::string& entry : log_) {
    if (entry.rfind("percent", 0) != 0) events.push_back(entry);
  }
  return events;
}

void TableRecorder::Reset() {
  log_.clear();
  percents_.clear();
}

double PatternValue(int col, int row) {
  return col * 1000.0 + row;
}
uint8_t PatternState(int col, int row) {
  return uint8_t((col * 7 + row) % 256);
}

void FillPattern(TDataTable& table, int cols, int rows) {
  table.Resize(cols, rows);
  for (int c = 1; c <= cols; ++c) {
    table.SetColName(c, "C" + std::to_string(c));
    table.SetColAttrib(c, c);
    for (int r = 1; r <= rows; ++r) {
      table.SetElem(c, r, PatternValue(c, r));
      table.SetCellState(c, r, PatternState(c, r));
    }
  }
  for (int r = 1; r <= rows; ++r) {
    table.SetRowName(r, "R" + std::to_string(r));
    table.SetRowAttrib(r, 100 + r);
  }
}

}  // namespace zeb::test
