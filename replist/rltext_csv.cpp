// TRLData: CSV import and export (the layout is described in ZEB_replist.h).
#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/file_read.h"
#include "framework/rtl/safe_save.h"
#include "replist/ZEB_replist.h"
#include "replist/rltext_io.h"

namespace zeb {

namespace {

char DelimiterChar(TCSVDelimiters delimiter) {
  switch (delimiter) {
    case csvSemicolon:
      return ';';
    case csvTab:
      return '\t';
    case csvSpace:
      return ' ';
    default:
      return ',';
  }
}

// The delimiter the first line uses most outside quotes; comma when it uses none.
char GuessDelimiter(std::string_view text) {
  const char candidates[] = {',', ';', '\t', ' '};
  std::size_t counts[4] = {};
  bool quoted = false;
  for (const char c : text) {
    if (c == '"') quoted = !quoted;
    if (quoted) continue;
    if (c == '\n' || c == '\r') break;
    for (int i = 0; i < 4; ++i)
      if (c == candidates[i]) ++counts[i];
  }
  int best = 0;
  for (int i = 1; i < 4; ++i)
    if (counts[i] > counts[best]) best = i;
  return candidates[best];
}

// Splits CSV text into records of fields. A quoted field may hold delimiters, line breaks and
// doubled quotes; text after its closing quote is taken as it stands, as is a quote inside an
// unquoted field.
class CsvParser {
 public:
  CsvParser(std::string_view text, char delimiter) : text_(text), delimiter_(delimiter) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  std::size_t Position() const { return pos_; }

  // Reads the next record (one empty field for an empty line) and returns its field count.
  // With `fields` the texts go to its first entries (which keep their memory between calls);
  // without, the record is only checked and counted.
  std::size_t Record(std::vector<std::string>* fields) {
    ++line_;
    for (std::size_t count = 1;; ++count) {
      std::string* out = nullptr;
      if (fields != nullptr) {
        if (fields->size() < count) fields->emplace_back();
        out = &(*fields)[count - 1];
        out->clear();
      }
      Field(out);
      if (pos_ >= text_.size()) return count;
      const char c = text_[pos_++];
      if (c == delimiter_) continue;
      // A line end: CR LF counts once.
      if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
      return count;
    }
  }

 private:
  void Append(std::string* out, std::size_t from, std::size_t to) const {
    if (out != nullptr) out->append(text_.data() + from, to - from);
  }

  void Field(std::string* out) {
    if (pos_ < text_.size() && text_[pos_] == '"') {
      for (++pos_;;) {
        const std::size_t quote = text_.find('"', pos_);
        if (quote == std::string_view::npos)
          throw EZEBRLDataError("Class TRLData: CSV file: a quoted field that begins in record " +
                                std::to_string(line_) + " is never closed");
        Append(out, pos_, quote);
        pos_ = quote + 1;
        if (pos_ < text_.size() && text_[pos_] == '"') {
          Append(out, quote, pos_);
          ++pos_;
          continue;
        }
        break;
      }
    }
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != delimiter_ && text_[pos_] != '\n' &&
           text_[pos_] != '\r')
      ++pos_;
    Append(out, start, pos_);
  }

  std::string_view text_;
  char delimiter_;
  std::size_t pos_ = 0;
  std::size_t line_ = 0;
};

// A field that begins with U+FEFF is quoted: at the start of a file it would otherwise read
// back as a byte order mark and be lost.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool NeedsQuotes(std::string_view field, char delimiter, bool onlyField) {
  if (field.empty()) return onlyField;
  if (field.starts_with(kByteOrderMark)) return true;
  if (field.front() == ' ' || field.front() == '\t' || field.back() == ' ' || field.back() == '\t')
    return true;
  return field.find_first_of(std::string{delimiter, '"', '\n', '\r'}) != std::string_view::npos;
}

void AppendField(std::string& out, std::string_view field, char delimiter, bool quoteAll,
                 bool onlyField) {
  if (!quoteAll && !NeedsQuotes(field, delimiter, onlyField)) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

}  // namespace

void TRLData::ImportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames) {
  rlio::GuardMemory(*this, [&] {
    const std::string text =
        rlio::AsUtf8Text(fw::ReadWholeFile(FileName, static_cast<int64_t>(MemoryLimit())));
    const char delimiter = Delimiter == csvAuto ? GuessDelimiter(text) : DelimiterChar(Delimiter);
    const auto fail = [&](const std::string& reason) {
      throw EZEBRLDataError("Component \"" + Name() + "\": CSV file \"" + FileName + "\" " +
                            reason);
    };
    // First pass: the shape of the data, and every error before anything is built.
    int records = 0;
    std::size_t widest = 1;
    for (CsvParser parser(text, delimiter); !parser.AtEnd(); ++records) {
      if (records == std::numeric_limits<int>::max()) fail("holds too many records to read");
      widest = std::max(widest, parser.Record(nullptr));
    }
    if (widest > static_cast<std::size_t>(kMaxColumns))
      fail("has records of more than " + std::to_string(kMaxColumns) + " fields");
    const int rows = std::max(records - (WithColNames && records > 0 ? 1 : 0), 0);
    if ((static_cast<int64_t>(widest) + 1) * std::max(rows, 1) > kMaxReadCells)
      fail("holds too many cells to read");
    const int cols = static_cast<int>(widest);

    // The new list is built aside and takes the store's place only when it is complete.
    const std::unique_ptr<TRLData> stage = NewStage();
    stage->CopyDataFrom(*this, false);
    stage->SetNrCols(cols);
    stage->SetNrRows(rows);
    rlio::Progress progress(*this, static_cast<int64_t>(text.size()));
    std::vector<std::string> fields;
    CsvParser parser(text, delimiter);
    if (WithColNames && !parser.AtEnd()) {
      const std::size_t count = parser.Record(&fields);
      for (std::size_t c = 0; c < count; ++c) stage->SetColName(static_cast<int>(c + 1), fields[c]);
    }
    for (int r = 1; r <= rows; ++r) {
      const std::size_t count = parser.Record(&fields);
      for (std::size_t c = 0; c < count; ++c) {
        const std::string& field = fields[c];
        const int col = static_cast<int>(c + 1);
        if (field.empty()) continue;
        // A plain column takes a short field as it is (no cut, no flag to keep).
        if (field.size() <= TStringArray::kMaxCellLength && !stage->IsCheckCol(col))
          stage->matrix_->SetElem(col, r, field);
        else
          stage->SetElem(col, r, field);
      }
      progress.Step(static_cast<int64_t>(parser.Position()));
    }
    TakeStage(*stage);
    progress.Finish();
  });
}

void TRLData::ExportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames,
                        bool QuoteAll, int ColLow, int RowLow, int ColHigh, int RowHigh) {
  const char delimiter = DelimiterChar(Delimiter);
  const int colLow = std::max(ColLow, 0);
  const int colHigh = std::min(ColHigh, nrCols_);
  const int rowLow = std::max(RowLow, 1);
  const int rowHigh = std::min(RowHigh, nrRows_);
  const bool onlyField = colLow == colHigh;
  fw::SafeFileWriter file(FileName);
  rlio::TextSink sink([&file](std::string_view text) { file.Write(text); });
  std::string& out = sink.Buffer();
  std::string text;
  const auto record = [&](int row, auto&& fieldOf) {
    for (int c = colLow; c <= colHigh; ++c) {
      text = fieldOf(c);
      if (OnExportText) OnExportText(this, text, c, row);
      if (c > colLow) out += delimiter;
      AppendField(out, text, delimiter, QuoteAll, onlyField);
    }
    out += "\r\n";
    sink.Check();
  };
  rlio::Progress progress(*this, std::max(rowHigh - rowLow + 1, 0));
  if (colLow <= colHigh) {
    if (WithColNames) record(0, [&](int c) { return GetColName(c); });
    for (int r = rowLow; r <= rowHigh; ++r) {
      record(r, [&](int c) { return GetElem(c, r); });
      progress.Step(r - rowLow + 1);
    }
  }
  sink.Flush();
  file.Commit();
  progress.Finish();
}

}  // namespace zeb
