// Progress reporting of TDataTable's long operations, shared by its source files (not part of
// the unit's interface).
#pragma once

#include <cstdint>
#include <exception>

#include "companion/ZEB_datatable.h"

namespace zeb {

// Counts the cells an operation has worked through and fires OnPercentDone for every new
// whole percentage, from 0 up to 100, when the operation covers at least the table's
// threshold of cells and a handler is installed.
//
// Reports arrive while cells are being moved, when the table is not yet consistent. An
// exception raised by the handler is therefore held back (and reporting stops) until
// Finish, which the operations call once the table is whole again.
class TDataTable::Progress {
 public:
  Progress(TDataTable& table, int64_t totalCells);
  void Advance(int64_t cells);
  // Reports 100 if it has not been reported yet, then raises what a handler raised.
  void Finish();

 private:
  void Report(int percent);

  TDataTable& table_;
  int64_t total_;
  int64_t done_ = 0;
  int last_ = -1;
  bool active_;
  std::exception_ptr failure_;
};

}  // namespace zeb
