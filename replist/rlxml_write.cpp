// Writing a report list in the XML dialect (described in ZEB_replist.h) to a stream, an open
// text file or a file that is replaced only when the whole list was written.
#include <string>
#include <vector>

#include "framework/rtl/safe_save.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/textfile.h"
#include "replist/ZEB_replist.h"
#include "replist/rltext_bytes.h"
#include "replist/rltext_io.h"
#include "replist/rlxml_text.h"

namespace zeb {

class RLXmlWriter {
 public:
  RLXmlWriter(TRLData& data, rlio::TextSink& sink, std::string_view lineBreak)
      : data_(data), sink_(sink), lineBreak_(lineBreak) {}

  void Write(bool declaration, const std::string& id) {
    rlio::Progress progress(data_, data_.nrRows_);
    if (declaration) Line("<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
    out_ += "<replist family=\"";
    out_ += rlxml::kMarker;
    out_ += "\" id=\"";
    rlxml::AppendEscaped(out_, id);
    Line("\">");
    Item(xmlNumCols, std::to_string(data_.nrCols_));
    Item(xmlNumRows, std::to_string(data_.nrRows_));
    Item(xmlCommonHd, data_.commonHeader_);
    Item(xmlComment, data_.comment_);
    static const char* const modeNames[] = {"none", "box", "radio"};
    for (int c = 1; c <= data_.nrCols_; ++c) {
      ColumnItem(xmlColName, c, data_.GetColName(c));
      ColumnItem(xmlColumnFormat, c, data_.GetColumnFormat(c));
      ColumnItem(xmlCheckedColumn, c, modeNames[data_.GetColCheckMode(c)]);
    }
    stored_.resize(static_cast<std::size_t>(data_.nrCols_) + 1);
    // '  <cell col="c" row="' for each column 0..NrOfColumns, made once.
    cellStarts_.clear();
    for (int c = 0; c <= data_.nrCols_; ++c) {
      cellStarts_.push_back("  <");
      cellStarts_.back() += RepListXmlTagText[xmlCell];
      cellStarts_.back() += " col=\"" + std::to_string(c) + "\" row=\"";
    }
    for (int r = 1; r <= data_.nrRows_; ++r) {
      WriteRow(r);
      progress.Step(r);
    }
    Line("</replist>");
    sink_.Flush();
    progress.Finish();
  }

 private:
  // Ends the line put together in out_ and hands it to the sink.
  void Line(std::string_view text) {
    out_ += text;
    out_ += lineBreak_;
    sink_.Add(out_);
    out_.clear();
  }

  void Open(TRepListXmlTag tag) {
    out_ += "  <";
    out_ += RepListXmlTagText[tag];
  }

  void Close(TRepListXmlTag tag) {
    out_ += "</";
    out_ += RepListXmlTagText[tag];
    Line(">");
  }

  void Item(TRepListXmlTag tag, std::string_view text) {
    Open(tag);
    out_ += '>';
    rlxml::AppendEscaped(out_, text);
    Close(tag);
  }

  void ColumnItem(TRepListXmlTag tag, int col, std::string_view text) {
    Open(tag);
    out_ += " col=\"";
    out_ += std::to_string(col);
    out_ += "\">";
    rlxml::AppendEscaped(out_, text);
    Close(tag);
  }

  // Non-empty cells of row r as shown; a row without any gets one empty cell. The row is
  // written straight into the buffer, which first gets room for the longest it can be.
  void WriteRow(int r) {
    data_.matrix_->RowTexts(r, 0, data_.nrCols_, stored_.data());
    rowText_ = std::to_string(r);
    rowText_ += '"';
    constexpr std::string_view kChecked[] = {" checked=\"0\">", " checked=\"1\">"};
    constexpr std::string_view kEnd = "</cell>";
    std::size_t bound =
        CellStart(data_.nrCols_ >= 1 ? 1 : 0).size() + rowText_.size() + 2 + lineBreak_.size();
    for (int c = 0; c <= data_.nrCols_; ++c) {
      const std::size_t length = stored_[static_cast<std::size_t>(c)].size();
      if (length > 0)
        bound += CellStart(c).size() + rowText_.size() + kChecked[0].size() + kEnd.size() +
                 lineBreak_.size() + rlxml::kMaxEscapedPerByte * length;
    }
    char* to = sink_.Room(bound);
    const auto put = [&to](std::string_view text) { to = rlio::PutText(to, text); };
    bool any = false;
    for (int c = 0; c <= data_.nrCols_; ++c) {
      const std::string_view stored = stored_[static_cast<std::size_t>(c)];
      if (stored.empty()) continue;
      any = true;
      put(CellStart(c));
      put(rowText_);
      if (data_.IsCheckCol(c)) {
        put(kChecked[stored[0] == ' ' ? 0 : 1]);
        to = rlxml::WriteEscaped(to, data_.ShownText(c, r));
      } else {
        *to++ = '>';
        to = rlxml::WriteEscaped(to, stored);
      }
      put(kEnd);
      put(lineBreak_);
    }
    if (!any) {
      put(CellStart(data_.nrCols_ >= 1 ? 1 : 0));
      put(rowText_);
      put("/>");
      put(lineBreak_);
    }
    sink_.Wrote(to);
  }

  const std::string& CellStart(int c) const { return cellStarts_[static_cast<std::size_t>(c)]; }

  TRLData& data_;
  rlio::TextSink& sink_;
  std::string out_;  // the line being put together, outside the rows of cells
  std::string_view lineBreak_;
  std::string rowText_;
  std::vector<std::string> cellStarts_;
  // The stored texts of the row being written, columns 0..NrOfColumns.
  std::vector<std::string_view> stored_;
};

namespace {

const std::string& IdToWrite(const TRLData& data, const std::string& DataID) {
  return DataID.empty() ? data.DataID() : DataID;
}

}  // namespace

void TRLData::WriteToXMLStream(fw::TStream& OutStream, bool Flag, const std::string& DataID) {
  rlio::TextSink sink([&OutStream](std::string_view text) {
    OutStream.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
  });
  RLXmlWriter(*this, sink, "\n").Write(Flag, IdToWrite(*this, DataID));
}

void TRLData::WriteToOpenXMLFile(fw::TextFile& OutFile, bool Flag, const std::string& DataID) {
  rlio::TextSink sink([&OutFile](std::string_view text) { fw::Write(OutFile, text); });
  RLXmlWriter(*this, sink, OutFile.LineBreak()).Write(Flag, IdToWrite(*this, DataID));
}

void TRLData::SaveAsXMLFile(const std::string& FileName, const std::string& DataID) {
  fw::SafeFileWriter file(FileName);
  rlio::TextSink sink([&file](std::string_view text) { file.Write(text); });
  RLXmlWriter(*this, sink, "\n").Write(true, IdToWrite(*this, DataID));
  file.Commit();
}

}  // namespace zeb
