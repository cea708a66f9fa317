// Fuzzes line reading from streams: arbitrary bytes read line by line, with and without a
// length limit, must end, never split a character when cutting, and consume the stream.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "companion/ZEB_stringl.h"
#include "framework/rtl/streams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  for (int limit : {0, 1, 7}) {
    fw::TMemoryStream stream;
    if (size > 0) stream.WriteBuffer(data, static_cast<int64_t>(size));
    stream.SetPosition(0);
    bool eof = size == 0;
    size_t lines = 0;
    while (!eof) {
      const std::string line = zeb::ReadLnStream(stream, eof, limit);
      if (limit > 0 && line.size() > size_t(limit) + 3) std::abort();  // at most one character over
      if (++lines > size + 1) std::abort();                            // no progress
    }
  }
  return 0;
}
