// CheckIfValidReplist: whether a text file or the rest of a stream holds the root start tag of
// a report list with a given identifier, tested line by line without reading the list.
#include "companion/ZEB_stringl.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/textfile.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rlxml_text.h"

namespace zeb {

namespace {

// The identifier a caller asks for, in the form root lines are compared in. Blanks around it
// are dropped like those around the identifier of a line, so a list saved with an identifier
// that has blanks around it is found by that same identifier.
std::string WantedId(const std::string& DataID) {
  return fw::LowerCase(fw::Trim(DataID));
}

}  // namespace

bool CheckIfValidReplist(const std::string& FileName, const std::string& DataID) {
  const std::string wanted = WantedId(DataID);
  fw::TextFile file;
  fw::AssignFile(file, FileName);
  fw::Reset(file);
  std::string line;
  std::string id;
  bool found = false;
  while (!found && !fw::Eof(file)) {
    fw::Readln(file, line);
    found = rlxml::IsRootLine(line, id) && rlxml::IdMatches(id, wanted);
  }
  fw::CloseFile(file);
  return found;
}

bool CheckIfValidReplist(fw::TStream& InStream, const std::string& DataID) {
  const std::string wanted = WantedId(DataID);
  std::string id;
  bool eof = false;
  while (!eof) {
    const std::string line = ReadLnStream(InStream, eof, 0);
    if (rlxml::IsRootLine(line, id) && rlxml::IdMatches(id, wanted)) return true;
  }
  return false;
}

}  // namespace zeb
