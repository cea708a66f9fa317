// Fuzzes report list CSV import: any bytes must be imported or raise the data error, and an
// imported list written as CSV and imported again must hold the same cells.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "replist/ZEB_replist.h"

namespace {

std::string ScratchName(const char* what) {
  return "/tmp/fuzz_replist_csv_" + std::to_string(::getpid()) + what;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string in = ScratchName(".in");
  const std::string out = ScratchName(".out");
  if (std::FILE* f = std::fopen(in.c_str(), "wb")) {
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
  } else {
    return 0;
  }
  const zeb::TCSVDelimiters delimiter = size > 0 ? zeb::TCSVDelimiters(data[0] % 5) : zeb::csvAuto;
  const bool names = size > 1 && (data[1] & 1) != 0;
  zeb::TRLData store(nullptr);
  try {
    store.ImportCSV(in, delimiter, names);
  } catch (const zeb::EZEBRLDataError&) {
    std::remove(in.c_str());
    return 0;
  }
  const zeb::TCSVDelimiters written = delimiter == zeb::csvAuto ? zeb::csvComma : delimiter;
  store.ExportCSV(out, written, true, false, 1, 1);
  zeb::TRLData again(nullptr);
  again.ImportCSV(out, written, true);
  if (again.NrOfRows() != store.NrOfRows() || again.NrOfColumns() != store.NrOfColumns())
    std::abort();
  for (int c = 1; c <= store.NrOfColumns(); ++c) {
    if (again.GetColName(c) != store.GetColName(c)) std::abort();
    for (int r = 1; r <= store.NrOfRows(); ++r)
      if (again.GetElem(c, r) != store.GetElem(c, r)) std::abort();
  }
  std::remove(in.c_str());
  std::remove(out.c_str());
  return 0;
}
