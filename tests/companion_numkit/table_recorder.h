// Test helper: records the notifications a TDataTable fires, as short texts in firing order.
#pragma once

#include <string>
#include <vector>

#include "companion/ZEB_datatable.h"

namespace zeb::test {

// Installs handlers on every notification of `table` and logs them:
// "resize C1xR1->C2xR2", "setup", "data", "percent P", "exchange K I1 I2 F L".
class TableRecorder {
 public:
  explicit TableRecorder(TDataTable& table);

  const std::vector<std::string>& Log() const { return log_; }
  // The log without the progress entries.
  std::vector<std::string> Events() const;
  // Only the progress percentages.
  std::vector<int> Percents() const { return percents_; }
  void Reset();

 private:
  std::vector<std::string> log_;
  std::vector<int> percents_;
};

// A table of cols x rows whose cell (c, r) holds c * 1000 + r with state (c * 7 + r) % 256,
// whose column c is named "C<c>" with attribute c and row r "R<r>" with attribute 100 + r.
void FillPattern(TDataTable& table, int cols, int rows);
double PatternValue(int col, int row);
uint8_t PatternState(int col, int row);

}  // namespace zeb::test
