// TRLData: CSV import and export (the layout is described in ZEB_replist.h).
#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "replist/ZEB_replist.h"
#include "replist/rldata_batch.h"
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

bool NeedsQuotes(std::string_view field, char delimiter, bool onlyField) {
  if (field.empty()) return onlyField;
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
  const std::string text = rlio::AsUtf8Text(rlio::ReadWholeFile(FileName));
  const char delimiter = Delimiter == csvAuto ? GuessDelimiter(text) : DelimiterChar(Delimiter);
  // First pass: the shape of the data, and every error before anything changes.
  std::vector<std::string> fields;
  std::size_t nameCount = 0;
  int records = 0;
  std::size_t widest = 1;
  for (CsvParser parser(text, delimiter); !parser.AtEnd(); ++records) {
    if (records == std::numeric_limits<int>::max())
      throw EZEBRLDataError("Component \"" + Name() + "\": CSV file \"" + FileName +
                            "\" holds too many records to read");
    const bool names = records == 0 && WithColNames;
    const std::size_t count = parser.Record(names ? &fields : nullptr);
    if (names) nameCount = count;
    widest = std::max(widest, count);
  }
  const int rows = std::max(records - (WithColNames && records > 0 ? 1 : 0), 0);
  if ((static_cast<int64_t>(widest) + 1) * std::max(rows, 1) > kMaxReadCells)
    throw EZEBRLDataError("Component \"" + Name() + "\": CSV file \"" + FileName +
                          "\" holds too many cells to read");
  const int cols = static_cast<int>(std::min<std::size_t>(widest, 0x7FFFFFFF));

  ChangeBatch batch(*matrix_);
  UnSort();
  SetNrCols(cols);
  SetNrRows(rows);
  matrix_->Clear();
  for (std::size_t c = 0; c < nameCount; ++c) SetColName(static_cast<int>(c + 1), fields[c]);
  rlio::Progress progress(*this, static_cast<int64_t>(text.size()));
  CsvParser parser(text, delimiter);
  if (WithColNames && !parser.AtEnd()) parser.Record(nullptr);
  for (int r = 1; r <= rows; ++r) {
    const std::size_t count = parser.Record(&fields);
    for (std::size_t c = 0; c < count; ++c) {
      const std::string& field = fields[c];
      const int col = static_cast<int>(c + 1);
      if (field.empty()) continue;
      // A plain column takes a short field as it is (no cut, no flag to keep).
      if (field.size() <= TStringArray::kMaxCellLength && !IsCheckCol(col))
        matrix_->SetElem(col, r, field);
      else
        SetElem(col, r, field);
    }
    progress.Step(static_cast<int64_t>(parser.Position()));
  }
  batch.Done();
  progress.Finish();
}

void TRLData::ExportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames,
                        bool QuoteAll, int ColLow, int RowLow, int ColHigh, int RowHigh) {
  const char delimiter = DelimiterChar(Delimiter);
  const int colLow = std::max(ColLow, 0);
  const int colHigh = std::min(ColHigh, nrCols_);
  const int rowLow = std::max(RowLow, 1);
  const int rowHigh = std::min(RowHigh, nrRows_);
  const bool onlyField = colLow == colHigh;
  rlio::SafeFileWriter file(FileName);
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
