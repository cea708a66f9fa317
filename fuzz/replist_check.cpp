// Fuzzes report list recognition: CheckIfValidReplist over any stream must end, leave the
// stream inside it, and agree with the reader: a list the reader finds is always recognised.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/rtl/streams.h"
#include "replist/ZEB_replist.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char* id : {"", "a", "Prices"}) {
    fw::TStringStream stream(text);
    const bool found = zeb::CheckIfValidReplist(stream, id);
    if (stream.Position() > static_cast<int64_t>(size)) std::abort();
    if (!found && stream.Position() != static_cast<int64_t>(size)) std::abort();
    zeb::TRLData store(nullptr);
    bool read = true;
    try {
      store.ReadFromXMLString(text, id);
    } catch (const zeb::EZEBRLDataError&) {
      read = false;
    }
    if (read && !found) std::abort();
  }
  return 0;
}
