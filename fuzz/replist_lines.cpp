// Fuzzes filling a report list column from a text file: any bytes give one row per line,
// each cell valid UTF-8 of at most 255 characters, never a crash.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string name = "/tmp/fuzz_replist_lines_" + std::to_string(::getpid());
  if (std::FILE* f = std::fopen(name.c_str(), "wb")) {
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
  } else {
    return 0;
  }
  std::size_t breaks = 0;
  for (std::size_t i = 0; i < size; ++i)
    if (data[i] == '\n' || (data[i] == '\r' && (i + 1 == size || data[i + 1] != '\n'))) ++breaks;
  const bool openLast = size > 0 && data[size - 1] != '\n' && data[size - 1] != '\r';
  zeb::TRLData store(nullptr);
  store.SetNrCols(2);
  store.LoadLinesFromFile(2, 1, name);
  std::remove(name.c_str());
  // A byte order mark alone is no line.
  const bool onlyBom = size == 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF;
  if (!onlyBom && static_cast<std::size_t>(store.NrOfRows()) != breaks + (openLast ? 1 : 0))
    std::abort();
  for (int r = 1; r <= store.NrOfRows(); ++r) {
    const std::string cell = store.GetElem(2, r);
    if (fw::Length(cell) > 255) std::abort();
    // Every byte belongs to a well-formed character (an invalid byte decodes with length 1).
    for (std::size_t pos = 0, length = 0; pos < cell.size(); pos += length)
      if (fw::DecodeUtf8(cell, pos, length) == fw::kReplacementChar && length != 3) std::abort();
  }
  return 0;
}
