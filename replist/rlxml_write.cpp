// Writing a report list in the XML dialect (described in ZEB_replist.h) to a stream, an open
// text file or a file that is replaced only when the whole list was written.
#include <string>

#include "framework/rtl/safe_save.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/textfile.h"
#include "replist/ZEB_replist.h"
#include "replist/rltext_io.h"
#include "replist/rlxml_text.h"

namespace zeb {

class RLXmlWriter {
 public:
  RLXmlWriter(TRLData& data, rlio::TextSink& sink, std::string_view lineBreak)
      : data_(data), sink_(sink), out_(sink.Buffer()), lineBreak_(lineBreak) {}

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
    for (int r = 1; r <= data_.nrRows_; ++r) {
      WriteRow(r);
      progress.Step(r);
    }
    Line("</replist>");
    sink_.Flush();
    progress.Finish();
  }

 private:
  void Line(std::string_view text) {
    out_ += text;
    out_ += lineBreak_;
    sink_.Check();
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

  // Non-empty cells of row r as shown; a row without any gets one empty cell.
  void WriteRow(int r) {
    const TStringArray& matrix = *data_.matrix_;
    const std::string row = std::to_string(r);
    bool any = false;
    for (int c = 0; c <= data_.nrCols_; ++c) {
      const std::string stored = matrix.GetElem(c, r);
      if (stored.empty()) continue;
      any = true;
      CellStart(c, row);
      if (data_.IsCheckCol(c)) {
        out_ += stored[0] == ' ' ? " checked=\"0\">" : " checked=\"1\">";
        rlxml::AppendEscaped(out_, data_.GetElem(c, r));
      } else {
        out_ += '>';
        rlxml::AppendEscaped(out_, stored);
      }
      Close(xmlCell);
    }
    if (!any) {
      CellStart(data_.nrCols_ >= 1 ? 1 : 0, row);
      Line("/>");
    }
  }

  void CellStart(int c, const std::string& row) {
    Open(xmlCell);
    out_ += " col=\"";
    out_ += std::to_string(c);
    out_ += "\" row=\"";
    out_ += row;
    out_ += '"';
  }

  TRLData& data_;
  rlio::TextSink& sink_;
  std::string& out_;
  std::string_view lineBreak_;
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
