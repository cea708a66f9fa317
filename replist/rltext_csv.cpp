// TRLData: CSV export (the layout is described in rlformats.h).
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/safe_save.h"
#include "replist/ZEB_replist.h"
#include "replist/rltext_bytes.h"
#include "replist/rltext_io.h"

namespace zeb {

namespace {

// How fields are written: as they stand, or in quotes with inner quotes doubled. A field is
// quoted when quoting is asked for every field, when it holds the delimiter, a quote or a line
// break, when it begins or ends with a blank or a tab, when it begins with U+FEFF (at the
// start of a file it would otherwise read back as a byte order mark and be lost), and when it
// is empty and the only field of its record (an empty line would read back as no record).
class FieldWriter {
 public:
  FieldWriter(char delimiter, bool quoteAll, bool onlyField)
      : special_({delimiter, '"', '\n', '\r'}, false), quoteAll_(quoteAll), onlyField_(onlyField) {}

  // The most bytes a field of `length` bytes takes: every byte a quote, doubled, in quotes.
  static std::size_t MostBytes(std::size_t length) { return 2 * length + 2; }

  // Writes the field at `to`, which has room for MostBytes of it; returns the end.
  char* Write(char* to, std::string_view field) const {
    if (!quoteAll_ && !NeedsQuotes(field)) return Put(to, field);
    *to++ = '"';
    for (std::size_t from = 0;;) {
      const std::size_t quote = field.find('"', from);
      to = Put(to, field.substr(from, quote == std::string_view::npos ? quote : quote + 1 - from));
      if (quote == std::string_view::npos) break;
      *to++ = '"';
      from = quote + 1;
    }
    *to++ = '"';
    return to;
  }

 private:
  static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

  bool NeedsQuotes(std::string_view field) const {
    if (field.empty()) return onlyField_;
    const auto edge = [](char c) { return c == ' ' || c == '\t'; };
    if (edge(field.front()) || edge(field.back()) || field.starts_with(kByteOrderMark)) return true;
    return special_.Find(field) < field.size();
  }

  static char* Put(char* to, std::string_view text) { return rlio::PutText(to, text); }

  rlio::ByteScan<4> special_;
  bool quoteAll_;
  bool onlyField_;
};

}  // namespace

void TRLData::ExportCSV(const std::string& FileName, TCSVDelimiters Delimiter, bool WithColNames,
                        bool QuoteAll, int ColLow, int RowLow, int ColHigh, int RowHigh) {
  const char delimiter = rlio::CsvDelimiterChar(Delimiter);
  const int colLow = std::max(ColLow, 0);
  const int colHigh = std::min(ColHigh, nrCols_);
  const int rowLow = std::max(RowLow, 1);
  const int rowHigh = std::min(RowHigh, nrRows_);
  const FieldWriter fields(delimiter, QuoteAll, colLow == colHigh);
  fw::SafeFileWriter file(FileName);
  rlio::TextSink sink([&file](std::string_view text) { file.Write(text); });
  std::vector<std::string> texts;
  std::vector<std::string_view> views;
  // A record is written straight into the buffer, which first gets room for the longest it
  // can be. Fields come straight from the cells, a row at a time (fillViews); a handler that
  // may change them (and the store) gets a copy of each field as it stands when its turn
  // comes (fieldOf).
  const auto record = [&](int row, auto&& fieldOf, auto&& fillViews) {
    if (OnExportText) {
      texts.resize(static_cast<std::size_t>(colHigh - colLow + 1));
      for (int c = colLow; c <= colHigh; ++c) {
        std::string& text = texts[static_cast<std::size_t>(c - colLow)];
        text = fieldOf(c);
        OnExportText(this, text, c, row);
      }
      views.assign(texts.begin(), texts.end());
    } else {
      fillViews();
    }
    std::size_t bound = views.size() + 2;
    for (const std::string_view field : views) bound += FieldWriter::MostBytes(field.size());
    char* to = sink.Room(bound);
    for (std::size_t i = 0; i < views.size(); ++i) {
      if (i > 0) *to++ = delimiter;
      to = fields.Write(to, views[i]);
    }
    *to++ = '\r';
    *to++ = '\n';
    sink.Wrote(to);
  };
  rlio::Progress progress(*this, std::max(rowHigh - rowLow + 1, 0));
  if (colLow <= colHigh) {
    if (WithColNames) {
      const auto nameOf = [&](int c) {
        return InDataCols(c) ? std::string_view(colNames_[static_cast<std::size_t>(c - 1)])
                             : std::string_view();
      };
      record(0, nameOf, [&] {
        views.clear();
        for (int c = colLow; c <= colHigh; ++c) views.push_back(nameOf(c));
      });
    }
    for (int r = rowLow; r <= rowHigh; ++r) {
      record(
          r, [&](int c) { return ShownText(c, r); }, [&] { ShownRow(r, colLow, colHigh, views); });
      progress.Step(r - rowLow + 1);
    }
  }
  sink.Flush();
  file.Commit();
  progress.Finish();
}

}  // namespace zeb
