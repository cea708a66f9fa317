// Fuzzes the report list XML reader: any text must either be read or raise the data error,
// never crash, and a list that was read must come back the same after writing it again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "framework/rtl/streams.h"
#include "replist/ZEB_replist.h"

namespace {

bool SameList(const zeb::TRLData& a, const zeb::TRLData& b) {
  if (a.NrOfColumns() != b.NrOfColumns() || a.NrOfRows() != b.NrOfRows() ||
      a.CommonHeader() != b.CommonHeader() || a.Comment() != b.Comment() ||
      a.DataID() != b.DataID())
    return false;
  for (int c = 1; c <= a.NrOfColumns(); ++c)
    if (a.GetColName(c) != b.GetColName(c) || a.GetColumnFormat(c) != b.GetColumnFormat(c) ||
        a.GetColCheckMode(c) != b.GetColCheckMode(c))
      return false;
  for (int r = 1; r <= a.NrOfRows(); ++r)
    for (int c = 0; c <= a.NrOfColumns(); ++c)
      if (a.Matrix()->GetElem(c, r) != b.Matrix()->GetElem(c, r)) return false;
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (const char* id : {"", "a"}) {
    zeb::TRLData store(nullptr);
    try {
      store.ReadFromXMLString(text, id);
    } catch (const zeb::EZEBRLDataError&) {
      continue;
    }
    fw::TStringStream written;
    store.WriteToXMLStream(written, true, store.DataID());
    zeb::TRLData again(nullptr);
    again.ReadFromXMLString(written.DataString(), store.DataID());
    if (!SameList(store, again)) std::abort();
  }
  return 0;
}
