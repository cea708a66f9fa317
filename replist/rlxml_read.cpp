// Reading a report list in the XML dialect (described in ZEB_replist.h): a strict reader for
// exactly that dialect, which fills a new store and exchanges it with the target's data only
// when the whole list was read.
#include <algorithm>
#include <limits>
#include <memory>
#include <string>

#include "framework/rtl/scope_guard.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/textfile.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "replist/rltext_bytes.h"
#include "replist/rltext_io.h"
#include "replist/rlxml_text.h"

namespace zeb {

namespace {

// Raised inside the parser when an item goes on beyond the lines read so far.
struct NeedMore {};

// One item of a list: its tag, attributes and text.
struct Item {
  TRepListXmlTag tag = xmlInvalid;
  int col = -1;
  int row = -1;
  int checked = -1;
  std::string text;
};

// The order of the items before the columns.
constexpr TRepListXmlTag kHeaderItems[] = {xmlNumCols, xmlNumRows, xmlCommonHd, xmlComment};
constexpr TRepListXmlTag kColumnItems[] = {xmlColName, xmlColumnFormat, xmlCheckedColumn};
// A single item may not span more than this many bytes (a cell's text is at most 255
// characters, each of which takes at most ten bytes escaped).
constexpr std::size_t kMaxItemBytes = 1 << 16;

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool IsNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.' || c == ':';
}

}  // namespace

class RLXmlReader {
 public:
  // `bytes`: how much text the source holds at most, when that is known (else -1).
  RLXmlReader(TRLData& target, rlio::LineSource source, const std::string& DataID,
              int64_t bytes = -1)
      : target_(target),
        source_(std::move(source)),
        rowsInEvidence_(bytes < 0 ? 0 : bytes / kLeastRowBytes + 1),
        wanted_(DataID),
        staged_(target.NewStage()),
        temp_(*staged_) {}

  void Read() {
    FindRoot();
    ParseRoot();
    for (;;) {
      // Most items fill one line: the next line replaces a used-up buffer without a copy.
      while (pos_ < buf_.size() && IsSpace(buf_[pos_])) ++pos_;
      if (pos_ == buf_.size()) {
        if (!source_(buf_)) Fail("the list ends before its end tag");
        ++lineNo_;
        pos_ = 0;
        continue;
      }
      if (stage_ == Stage::Cells && PlainCell()) continue;
      const std::size_t start = pos_;
      try {
        if (ParseItem()) break;
      } catch (const NeedMore&) {
        pos_ = start;
        MoreInput();
      }
    }
    Finish();
  }

 private:
  // ---- input ----------------------------------------------------------------------------

  [[noreturn]] void Fail(const std::string& reason) const {
    throw EZEBRLDataError("Class TRLData: report list \"" + id_ + "\": " + reason + " (line " +
                          std::to_string(lineNo_) + ")");
  }

  void FindRoot() {
    const std::string wanted = fw::LowerCase(fw::Trim(wanted_));
    std::string line;
    std::string lineId;
    while (source_(line)) {
      ++lineNo_;
      if (rlxml::IsRootLine(line, lineId) && rlxml::IdMatches(lineId, wanted)) {
        buf_ = std::move(line);
        return;
      }
    }
    throw EZEBRLDataError("Class TRLData: no report list with identifier \"" + wanted_ +
                          "\" found");
  }

  // Appends the next line to the unfinished item that starts at pos_.
  void MoreInput() {
    buf_.erase(0, pos_);
    pos_ = 0;
    if (buf_.size() > kMaxItemBytes) Fail("an item is too long");
    std::string line;
    if (!source_(line)) Fail("the list ends before its end tag");
    ++lineNo_;
    buf_ += '\n';
    buf_ += line;
  }

  char At(std::size_t p) const {
    if (p >= buf_.size()) throw NeedMore{};
    return buf_[p];
  }

  bool StartsWith(std::size_t p, std::string_view text) const {
    for (std::size_t i = 0; i < text.size(); ++i)
      if (At(p + i) != text[i]) return false;
    return true;
  }

  void SkipSpace(std::size_t& p) const {
    while (IsSpace(At(p))) ++p;
  }

  // Skips blank space and comments; stops before anything else.
  void SkipSpaceAndComments(std::size_t& p) const {
    for (;;) {
      SkipSpace(p);
      if (!StartsWith(p, "<!--")) return;
      const std::size_t end = buf_.find("-->", p + 4);
      if (end == std::string::npos) throw NeedMore{};
      p = end + 3;
    }
  }

  std::string_view Name(std::size_t& p) const {
    const std::size_t start = p;
    while (IsNameChar(At(p))) ++p;
    if (p == start) Fail("a tag or attribute name is missing");
    return std::string_view(buf_).substr(start, p - start);
  }

  // ---- texts ----------------------------------------------------------------------------

  // Appends the character at p (checked) to out and moves p past it.
  void TextChar(std::size_t& p, std::string& out) const {
    const auto b = static_cast<unsigned char>(buf_[p]);
    if (b < 0x20 && !IsSpace(static_cast<char>(b))) Fail("a control character in a text");
    if (b < 0x80) {
      out += static_cast<char>(b);
      ++p;
      return;
    }
    const std::size_t length = rlio::ValidUtf8Length(buf_, p);
    if (length == 0) Fail("a text that is not UTF-8");
    out.append(buf_, p, length);
    p += length;
  }

  // A reference never holds a line break, so one cut off at the end of the buffer is invalid.
  void Reference(std::size_t& p, std::string& out) const {
    if (!rlxml::DecodeReference(buf_, p, out)) Fail("an unknown or invalid reference");
  }

  // Text of an element up to the "<" of its end tag; CDATA sections and comments may occur.
  void Content(std::size_t& p, std::string& out) const {
    for (;;) {
      const char c = At(p);
      if (c == '&') {
        Reference(p, out);
      } else if (c != '<') {
        TextChar(p, out);
      } else if (StartsWith(p, "<![CDATA[")) {
        const std::size_t end = buf_.find("]]>", p + 9);
        if (end == std::string::npos) throw NeedMore{};
        for (p += 9; p < end;) TextChar(p, out);
        p = end + 3;
      } else if (StartsWith(p, "<!--")) {
        const std::size_t end = buf_.find("-->", p + 4);
        if (end == std::string::npos) throw NeedMore{};
        p = end + 3;
      } else {
        return;
      }
    }
  }

  std::string AttributeValue(std::size_t& p) const {
    SkipSpace(p);
    if (At(p) != '=') Fail("an attribute without a value");
    ++p;
    SkipSpace(p);
    const char quote = At(p);
    if (quote != '"' && quote != '\'') Fail("an attribute value without quotes");
    std::string value;
    for (++p; At(p) != quote;) {
      if (buf_[p] == '<') Fail("a \"<\" in an attribute value");
      if (buf_[p] == '&')
        Reference(p, value);
      else
        TextChar(p, value);
    }
    ++p;
    return value;
  }

  int Number(std::string_view text, const char* what) const {
    const std::string trimmed = fw::Trim(text);
    if (trimmed.empty() || trimmed.size() > 10) Fail(std::string("an invalid ") + what);
    long long value = 0;
    for (const char c : trimmed) {
      if (c < '0' || c > '9') Fail(std::string("an invalid ") + what);
      value = value * 10 + (c - '0');
    }
    if (value > std::numeric_limits<int>::max()) Fail(std::string("an invalid ") + what);
    return static_cast<int>(value);
  }

  // ---- tags -----------------------------------------------------------------------------

  void ParseRoot() {
    std::size_t p = 0;
    while (p < buf_.size() && !fw::SameText(std::string_view(buf_).substr(p, 8), "<replist")) ++p;
    if (p == buf_.size()) Fail("the start tag of the list is damaged");
    p += 8;
    try {
      bool sawId = false;
      for (;;) {
        const std::size_t before = p;
        SkipSpace(p);
        if (At(p) == '>') break;
        if (p == before) Fail("the start tag of the list is damaged");
        const std::string name(Name(p));
        std::string value = AttributeValue(p);
        if (fw::SameText(name, "id") && !sawId) {
          id_ = std::move(value);
          sawId = true;
        } else if (!fw::SameText(name, "family")) {
          Fail("the start tag of the list is damaged");
        }
      }
      pos_ = p + 1;
    } catch (const NeedMore&) {
      Fail("the start tag of the list is damaged");
    }
  }

  // The item nearly every line holds, a cell as the writer writes it, read without the
  // general parser's detours: '<cell col="c" row="r">text</cell>', a checked="0" or "1" after
  // the row allowed, numbers of at most nine digits, plain ASCII text. False, having read
  // nothing, for anything else (also a cell reaching beyond the buffer): ParseItem then reads
  // or refuses it, in the same way as ever.
  bool PlainCell() {
    const std::string_view b(buf_);
    std::size_t p = pos_;
    int col = 0;
    int row = 0;
    int checked = -1;
    if (!Literal(b, p, "<cell col=\"") || !Digits(b, p, col) || !Literal(b, p, "\" row=\"") ||
        !Digits(b, p, row))
      return false;
    if (Literal(b, p, "\" checked=\"")) {
      if (p == b.size() || (b[p] != '0' && b[p] != '1')) return false;
      checked = b[p++] - '0';
    }
    if (!Literal(b, p, "\">")) return false;
    const std::size_t from = p;
    // Tabs are plain text too; every other byte the scan stops at ends the fast way.
    for (p = kTextStops.Find(b, p); p < b.size() && b[p] == '\t'; p = kTextStops.Find(b, p + 1)) {
    }
    const std::size_t to = p;
    if (!Literal(b, p, "</cell>")) return false;
    item_.tag = xmlCell;
    item_.col = col;
    item_.row = row;
    item_.checked = checked;
    item_.text.assign(b.substr(from, to - from));
    pos_ = p;
    Handle();
    return true;
  }

  static bool Literal(std::string_view b, std::size_t& p, std::string_view text) {
    if (b.substr(p, text.size()) != text) return false;
    p += text.size();
    return true;
  }

  static bool Digits(std::string_view b, std::size_t& p, int& value) {
    const std::size_t from = p;
    value = 0;
    while (p < b.size() && p - from < 9 && b[p] >= '0' && b[p] <= '9')
      value = value * 10 + (b[p++] - '0');
    return p > from && (p == b.size() || b[p] < '0' || b[p] > '9');
  }

  // Bytes that end plain text: markup, references, controls and non-ASCII bytes.
  inline static const rlio::ByteScan<2> kTextStops{{'<', '&'}, true};

  // Parses the next item at pos_; true at the end tag of the list.
  bool ParseItem() {
    std::size_t p = pos_;
    SkipSpaceAndComments(p);
    if (At(p) != '<') Fail("text outside the items");
    if (At(p + 1) == '/') {
      p += 2;
      std::string tag(1, '/');
      tag += Name(p);
      SkipSpace(p);
      if (RepListXmlTagOf(tag) != xmlEndReplist || At(p) != '>')
        Fail("an unexpected end tag <" + tag + ">");
      pos_ = p + 1;
      return true;
    }
    if (At(p + 1) == '!' || At(p + 1) == '?')
      Fail("declarations and processing instructions are not allowed inside a list");
    ++p;
    const std::string_view name = Name(p);
    item_.tag = RepListXmlTagOf(name);
    if (item_.tag == xmlInvalid || item_.tag == xmlEndReplist)
      Fail("an unknown tag <" + std::string(name) + ">");
    ItemAttributes(p);
    item_.text.clear();
    if (At(p) == '/') {
      if (At(p + 1) != '>') Fail("a damaged tag");
      p += 2;
    } else {
      ++p;  // '>'
      Content(p, item_.text);
      // At(p) is '<' and starts the end tag.
      if (At(p + 1) != '/')
        Fail("an element inside <" + std::string(RepListXmlTagText[item_.tag]) + ">");
      p += 2;
      if (Name(p) != RepListXmlTagText[item_.tag]) Fail("a mismatched end tag");
      SkipSpace(p);
      if (At(p) != '>') Fail("a damaged end tag");
      ++p;
    }
    pos_ = p;
    Handle();
    return false;
  }

  void ItemAttributes(std::size_t& p) {
    item_.col = item_.row = item_.checked = -1;
    for (;;) {
      const std::size_t before = p;
      SkipSpace(p);
      const char c = At(p);
      if (c == '>' || c == '/') return;
      if (p == before) Fail("a damaged tag");
      const std::string_view name = Name(p);
      int* slot = nullptr;
      if (name == "col")
        slot = &item_.col;
      else if (name == "row")
        slot = &item_.row;
      else if (name == "checked")
        slot = &item_.checked;
      if (slot == nullptr) Fail("an unknown attribute \"" + std::string(name) + "\"");
      if (*slot >= 0) Fail("a repeated attribute");
      const std::string value = AttributeValue(p);
      *slot = Number(value, "attribute value");
      if (slot == &item_.checked && *slot > 1) Fail("an invalid check mark");
    }
  }

  // ---- the list -------------------------------------------------------------------------

  void Handle() {
    const bool needsCol = stage_ == Stage::Columns || item_.tag == xmlCell;
    if ((item_.col >= 0) != needsCol || (item_.row >= 0) != (item_.tag == xmlCell) ||
        (item_.checked >= 0 && item_.tag != xmlCell))
      Fail("wrong attributes on <" + std::string(RepListXmlTagText[item_.tag]) + ">");
    switch (stage_) {
      case Stage::Header:
        return HeaderItem();
      case Stage::Columns:
        return ColumnItem();
      case Stage::Cells:
        return CellItem();
    }
  }

  void Expect(TRepListXmlTag tag) const {
    if (item_.tag != tag)
      Fail("<" + std::string(RepListXmlTagText[item_.tag]) + "> where <" +
           std::string(RepListXmlTagText[tag]) + "> belongs");
  }

  void HeaderItem() {
    Expect(kHeaderItems[next_]);
    switch (item_.tag) {
      case xmlNumCols:
        numCols_ = Number(item_.text, "column count");
        break;
      case xmlNumRows:
        numRows_ = Number(item_.text, "row count");
        break;
      case xmlCommonHd:
        temp_.SetCommonHeader(item_.text);
        break;
      default:
        temp_.SetComment(item_.text);
        break;
    }
    if (++next_ < std::size(kHeaderItems)) return;
    if ((int64_t{numCols_} + 1) * numRows_ > TRLData::kMaxReadCells)
      Fail("a list too large to read");
    next_ = 0;
    stage_ = Stage::Columns;
    if (numCols_ == 0) StartCells();
  }

  void ColumnItem() {
    Expect(kColumnItems[next_]);
    if (item_.col != column_ + 1) Fail("a column item out of order");
    switch (item_.tag) {
      case xmlColName:
        names_.push_back(item_.text);
        break;
      case xmlColumnFormat:
        formats_.push_back(item_.text);
        break;
      default:
        if (item_.text == "none")
          modes_.push_back(cmNone);
        else if (item_.text == "box")
          modes_.push_back(cmBox);
        else if (item_.text == "radio")
          modes_.push_back(cmRadio);
        else
          Fail("an unknown check mode \"" + item_.text + "\"");
    }
    if (++next_ < std::size(kColumnItems)) return;
    next_ = 0;
    if (++column_ == numCols_) StartCells();
  }

  // Every column is known: the new store takes its shape.
  void StartCells() {
    stage_ = Stage::Cells;
    temp_.SetNrCols(std::max(numCols_, 1));
    if (numCols_ == 0) temp_.RemoveColumn(1);
    for (int c = 1; c <= numCols_; ++c) {
      const auto i = static_cast<std::size_t>(c - 1);
      temp_.SetColName(c, names_[i]);
      temp_.SetColumnFormat(c, formats_[i]);
      temp_.SetColCheckMode(c, modes_[i]);
    }
    progress_ = std::make_unique<rlio::Progress>(target_, numRows_);
  }

  void CellItem() {
    Expect(xmlCell);
    const int c = item_.col;
    const int r = item_.row;
    if (c > numCols_ || r < 1 || r > numRows_) Fail("a cell outside the list");
    if (!((r == row_ && c > col_) || r == row_ + 1)) Fail("a cell out of order");
    if (r > row_) {
      row_ = r;
      // Rows are made as their cells arrive, so the store never grows beyond what the text
      // holds evidence for; a source of known size is evidence for a row per
      // kLeastRowBytes of it.
      if (r > allocated_) {
        const int64_t step =
            allocated_ == 0 ? std::max<int64_t>(rowsInEvidence_, 1024) : 2LL * allocated_;
        allocated_ = static_cast<int>(std::min<int64_t>(numRows_, std::max<int64_t>(r, step)));
        temp_.SetNrRows(allocated_);
      }
      progress_->Step(r);
    }
    col_ = c;
    const bool check = temp_.IsCheckCol(c);
    if (item_.checked >= 0 && !check) Fail("a check mark in a column without check marks");
    if (!check) {
      temp_.matrix_->SetElem(c, r, item_.text);
    } else if (item_.checked >= 0) {
      temp_.matrix_->SetElem(c, r, (item_.checked == 1 ? "X" : " ") + item_.text);
    } else if (!item_.text.empty()) {
      temp_.matrix_->SetElem(c, r, " " + item_.text);
    }
  }

  void Finish() {
    if (stage_ != Stage::Cells) Fail("the list ends before all its columns");
    if (row_ != numRows_) Fail("rows are missing");
    temp_.SetNrRows(numRows_);
    temp_.SetDataID(id_);
    temp_.SetHeaderClickAscending(target_.HeaderClickAscending());
    target_.TakeStage(temp_);
    progress_->Finish();
  }

  enum class Stage { Header, Columns, Cells };

  TRLData& target_;
  rlio::LineSource source_;
  // The shortest a row can be written: '<cell col="0" row="1"/>' and a line break.
  static constexpr int64_t kLeastRowBytes = 24;
  int64_t rowsInEvidence_;
  std::string wanted_;
  std::unique_ptr<TRLData> staged_;  // the list as read, which replaces the target's at the end
  TRLData& temp_;
  std::string buf_;
  std::size_t pos_ = 0;
  int lineNo_ = 0;
  std::string id_;
  Item item_;
  Stage stage_ = Stage::Header;
  std::size_t next_ = 0;
  int numCols_ = 0;
  int numRows_ = 0;
  int column_ = 0;
  std::vector<TNameStrType> names_;
  std::vector<TColFmtString> formats_;
  std::vector<TCheckMode> modes_;
  int row_ = 0;
  int col_ = -1;
  int allocated_ = 0;
  std::unique_ptr<rlio::Progress> progress_;
};

void TRLData::ReadFromXMLString(const std::string& XMLText, const std::string& DataID) {
  rlio::GuardMemory(*this, [&] {
    RLXmlReader(*this, rlio::StringLines(XMLText), DataID, static_cast<int64_t>(XMLText.size()))
        .Read();
  });
}

void TRLData::ReadFromXMLStream(fw::TStream& InStream, const std::string& DataID) {
  rlio::StreamLineReader lines(InStream);
  fw::TScopeExit finish([&lines] { lines.Finish(); });
  rlio::GuardMemory(*this, [&] {
    const int64_t left = InStream.Size() - InStream.Position();
    RLXmlReader(
        *this, [&lines](std::string& line) { return lines.Next(line); }, DataID, left)
        .Read();
  });
}

void TRLData::ReadFromOpenXMLFile(fw::TextFile& InFile, const std::string& DataID) {
  rlio::GuardMemory(*this, [&] { RLXmlReader(*this, rlio::TextFileLines(InFile), DataID).Read(); });
}

void TRLData::LoadFromXMLFile(const std::string& FileName, const std::string& DataID) {
  fw::TFileStream stream(FileName, fw::fmOpenRead | fw::fmShareDenyWrite);
  ReadFromXMLStream(stream, DataID);
}

}  // namespace zeb
