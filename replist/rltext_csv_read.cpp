// TRLData: CSV import (the layout is described in rlformats.h). The file is read a block at a
// time into a new store shaped like it, which takes the store's place only when the whole
// file was read.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <deque>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "replist/ZEB_replist.h"
#include "replist/rltext_bytes.h"
#include "replist/rltext_io.h"

namespace zeb {

namespace {

// What a first look at the file's bytes tells: its line ends (for the room to take for rows)
// and the delimiter its first line uses most outside quotes (comma when it uses none).
class CsvFacts {
 public:
  void Look(std::string_view bytes) {
    lineFeeds_ += Count(bytes, '\n');
    returns_ += Count(bytes, '\r');
    for (const char c : bytes) {
      if (firstLineDone_) break;
      if (c == '"') quoted_ = !quoted_;
      if (quoted_) continue;
      if (c == '\n' || c == '\r') {
        firstLineDone_ = true;
        continue;
      }
      for (std::size_t i = 0; i < std::size(kCandidates); ++i)
        if (c == kCandidates[i]) ++counts_[i];
    }
  }

  static int64_t Count(std::string_view bytes, char c) {
    int64_t count = 0;
    const char* const end = bytes.data() + bytes.size();
    for (const char* p = bytes.data();; ++p, ++count) {
      p = static_cast<const char*>(std::memchr(p, c, static_cast<std::size_t>(end - p)));
      if (p == nullptr) return count;
    }
  }

  int64_t LineEnds() const { return lineFeeds_ > 0 ? lineFeeds_ : returns_; }

  char GuessedDelimiter() const {
    std::size_t best = 0;
    for (std::size_t i = 1; i < std::size(kCandidates); ++i)
      if (counts_[i] > counts_[best]) best = i;
    return kCandidates[best];
  }

 private:
  static constexpr char kCandidates[] = {',', ';', '\t', ' '};
  int64_t lineFeeds_ = 0;
  int64_t returns_ = 0;
  bool firstLineDone_ = false;
  bool quoted_ = false;
  std::size_t counts_[4] = {};
};

// Splits CSV text into records of fields. A quoted field may hold delimiters, line breaks and
// doubled quotes; text after its closing quote is taken as it stands, as is a quote inside an
// unquoted field. The text may be the first part of a longer one: a record that might go on
// beyond it is not read until more text has come (or the text is final).
class CsvParser {
 public:
  explicit CsvParser(char delimiter)
      : delimiter_(delimiter), fieldEnds_({delimiter, '\n', '\r'}, false) {}

  // Reads the record at text[pos] (one empty field for an empty line) into fields, views of
  // the text or of the parser's own memory, valid until the next call; moves pos past the
  // record. False, with pos unchanged, when the record may go on beyond the text and the text
  // is not final. `number` is the record's number, for the error of a quote never closed.
  bool Record(std::string_view text, std::size_t& pos, bool final, int number,
              std::vector<std::string_view>& fields) {
    fields.clear();
    scratchUsed_ = 0;
    std::size_t p = pos;
    for (;;) {
      std::string_view field;
      if (!Field(text, p, final, number, field)) return false;
      fields.push_back(field);
      if (p >= text.size()) {
        if (!final) return false;
        break;
      }
      const char c = text[p++];
      if (c == delimiter_) continue;
      // A line end: CR LF counts once.
      if (c == '\r') {
        if (p >= text.size() && !final) return false;
        if (p < text.size() && text[p] == '\n') ++p;
      }
      break;
    }
    pos = p;
    return true;
  }

 private:
  // The field at text[p]: a piece of the text where it stands there as it reads (most
  // fields), else put together in the parser's memory.
  bool Field(std::string_view text, std::size_t& p, bool final, int number,
             std::string_view& field) {
    if (p >= text.size() || text[p] != '"') {
      field = Plain(text, p);
      return true;
    }
    const std::size_t open = p;
    std::string& joined = Scratch();
    std::size_t q = p + 1;
    for (;;) {
      const std::size_t quote = text.find('"', q);
      if (quote == std::string_view::npos) {
        if (!final) return false;
        throw EZEBRLDataError("Class TRLData: CSV file: a quoted field that begins in record " +
                              std::to_string(number) + " is never closed");
      }
      joined.append(text.substr(q, quote - q));
      q = quote + 1;
      if (q >= text.size() && !final) return false;  // a doubled quote may go on
      if (q < text.size() && text[q] == '"') {
        joined += '"';
        ++q;
        continue;
      }
      break;
    }
    p = q;
    const std::string_view tail = Plain(text, p);
    if (tail.empty() && joined.size() + 2 == p - open) {
      field = text.substr(open + 1, joined.size());
    } else {
      joined.append(tail);
      field = joined;
    }
    return true;
  }

  // Text up to the next delimiter or line end.
  std::string_view Plain(std::string_view text, std::size_t& p) const {
    const std::size_t start = p;
    p = fieldEnds_.Find(text, p);
    return text.substr(start, p - start);
  }

  // A string for one field of the record; earlier ones stay where they are.
  std::string& Scratch() {
    if (scratchUsed_ == scratch_.size()) scratch_.emplace_back();
    std::string& s = scratch_[scratchUsed_++];
    s.clear();
    return s;
  }

  char delimiter_;
  rlio::ByteScan<3> fieldEnds_;
  std::deque<std::string> scratch_;
  std::size_t scratchUsed_ = 0;
};

}  // namespace

// Reads a CSV file in one pass into a new store shaped like it. Rows are made as records
// arrive (room for as many as the file has line ends first, doubling if more come) and
// columns as wider records arrive (growing by half), both cut to the file's size at the end; a
// column takes the name, format and check mode of the target's column of its number, or a new
// column's defaults.
class RLCsvReader {
 public:
  RLCsvReader(TRLData& target, const std::string& fileName, TCSVDelimiters delimiter)
      : target_(target),
        fileName_(fileName),
        text_(fileName, static_cast<int64_t>(target.MemoryLimit()),
              [this](std::string_view bytes) { facts_.Look(bytes); }),
        parser_(delimiter == csvAuto ? facts_.GuessedDelimiter()
                                     : rlio::CsvDelimiterChar(delimiter)),
        progress_(target, text_.Size()),
        stage_(target.NewStage()) {
    stage_->CopyDataFrom(target, false);
    stage_->SetNrCols(1);
    checkColumns_ = stage_->IsCheckCol(1);
  }

  void Read(bool withColNames) {
    if (withColNames && NextRecord()) {
      for (std::size_t i = 0; i < fields_.size(); ++i)
        stage_->SetColName(static_cast<int>(i + 1), fields_[i]);
    }
    for (int row = 1; NextRecord(); ++row) {
      MakeRows(row);
      StoreRecord(row);
      rows_ = row;
      // Counted in text, which may be longer than the file when it is converted.
      progress_.Step(std::min(consumed_ + static_cast<int64_t>(pos_), text_.Size()));
    }
    CheckCells(widest_, rows_);
    stage_->SetNrRows(rows_);
    stage_->SetNrCols(static_cast<int>(widest_));
    target_.TakeStage(*stage_);
    progress_.Finish();
  }

 private:
  // Plain columns store their fields as they are (the matrix cuts them to a cell's length),
  // a whole record at once; check columns put a flag in front.
  void StoreRecord(int row) {
    if (!checkColumns_) {
      stage_->matrix_->SetRowTexts(row, 1, fields_.data(), fields_.size());
      return;
    }
    for (std::size_t i = 0; i < fields_.size(); ++i)
      if (!fields_[i].empty()) stage_->SetElem(static_cast<int>(i + 1), row, fields_[i]);
  }

  [[noreturn]] void Fail(const std::string& reason) const {
    throw EZEBRLDataError("Component \"" + target_.Name() + "\": CSV file \"" + fileName_ + "\" " +
                          reason);
  }

  void CheckCells(std::size_t columns, int rows) const {
    if ((static_cast<int64_t>(columns) + 1) * std::max(rows, 1) > TRLData::kMaxReadCells)
      Fail("holds too many cells to read");
  }

  // The next record into fields_ (the store has its columns); false at the end of the file.
  bool NextRecord() {
    for (;;) {
      if (final_ && pos_ >= buffer_.size()) return false;
      if (records_ == std::numeric_limits<int>::max()) Fail("holds too many records to read");
      if (parser_.Record(buffer_, pos_, final_, records_ + 1, fields_)) break;
      MoreText();
    }
    ++records_;
    if (fields_.size() > widest_) Widen(fields_.size());
    return true;
  }

  // Drops the text read and adds at least as much as is left (at least a block), so that a
  // record longer than a block is parsed again only a few times.
  void MoreText() {
    buffer_.erase(0, pos_);
    consumed_ += static_cast<int64_t>(pos_);
    pos_ = 0;
    const std::size_t wanted = buffer_.size() * 2;
    do {
      if (!text_.Next(buffer_)) {
        final_ = true;
        return;
      }
    } while (buffer_.size() < wanted);
  }

  void Widen(std::size_t columns) {
    if (columns > static_cast<std::size_t>(TRLData::kMaxColumns))
      Fail("has records of more than " + std::to_string(TRLData::kMaxColumns) + " fields");
    widest_ = columns;
    CheckCells(widest_, rows_);
    const int had = stage_->NrOfColumns();
    if (columns <= static_cast<std::size_t>(had)) return;
    const int wanted = static_cast<int>(std::min<std::size_t>(
        TRLData::kMaxColumns, std::max(columns, static_cast<std::size_t>(had) * 3 / 2)));
    stage_->SetNrCols(Affordable(wanted, allocated_) ? wanted : static_cast<int>(columns));
    for (int c = had + 1; c <= std::min(stage_->NrOfColumns(), target_.NrOfColumns()); ++c) {
      const auto i = static_cast<std::size_t>(c - 1);
      stage_->colNames_[i] = target_.colNames_[i];
      stage_->colFormats_[i] = target_.colFormats_[i];
      stage_->checkModes_[i] = target_.checkModes_[i];
      checkColumns_ = checkColumns_ || target_.checkModes_[i] != cmNone;
    }
  }

  void MakeRows(int row) {
    CheckCells(widest_, row);
    if (row <= allocated_) return;
    const int64_t step = allocated_ == 0 ? facts_.LineEnds() + 1 : 2LL * allocated_;
    const int wanted = static_cast<int>(
        std::min<int64_t>({std::numeric_limits<int>::max(), std::max<int64_t>(row, step),
                           TRLData::kMaxReadCells / (static_cast<int64_t>(widest_) + 1)}));
    allocated_ = wanted > row && Affordable(stage_->NrOfColumns(), wanted) ? wanted : row;
    stage_->SetNrRows(allocated_);
  }

  // Room is taken ahead of need only where the store's limit allows it.
  bool Affordable(int columns, int rows) const {
    return TRLData::TableBytes(columns, rows) <= static_cast<double>(stage_->MemoryLimit());
  }

  TRLData& target_;
  const std::string& fileName_;
  CsvFacts facts_;
  rlio::FileText text_;
  CsvParser parser_;
  rlio::Progress progress_;
  std::unique_ptr<TRLData> stage_;
  std::string buffer_;  // text read and not yet parsed, from pos_ on
  std::size_t pos_ = 0;
  int64_t consumed_ = 0;  // bytes of text dropped from the buffer's front
  bool final_ = false;
  std::vector<std::string_view> fields_;
  int records_ = 0;
  int rows_ = 0;
  int allocated_ = 0;
  std::size_t widest_ = 1;
  bool checkColumns_ = false;  // some column of the stage has check marks
};

void TRLData::ImportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames) {
  rlio::GuardMemory(*this, [&] { RLCsvReader(*this, FileName, Delimiter).Read(WithColNames); });
}

}  // namespace zeb
