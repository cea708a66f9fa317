// TReportListView forwarding of the data store's XML files and text exchange: writing and
// copying pass straight through; reading replaces the list, so the grid follows its new size.
#include <algorithm>
#include <new>

#include "replist/ZEB_replist.h"
#include "replist/rlview_hold.h"

namespace zeb {

template <typename Read>
void TReportListView::ReadIntoStore(Read&& read) {
  EndEditing();
  PaintHold hold(*this);
  read();
  FollowStoreShape();
}

// The grid's columns, the view's column table and the grid's rows after the store took a
// list of another shape.
void TReportListView::FollowStoreShape() {
  const int count = NrOfColumns();
  if (count != ColCount()) {
    const int oldLast = ColCount() - 1;
    const int lastWidth = ColWidths(oldLast);
    fw::TCustomGrid::SetColCount(count);
    for (int c = oldLast; c < count; ++c) fw::TCustomGrid::SetColWidths(c, lastWidth);
    try {
      FitViewColumns(count);
    } catch (const std::bad_alloc&) {
      throw EZEBRepListError("Component \"" + Name() + "\": not enough memory on heap");
    }
  }
  SetSelection({0, 0, 0, 0});
  RebuildGridRows();
  SetTopRow(1);
  ChangedSetup();
}

void TReportListView::TakeOverData(TRLData& Source) {
  if (&Source == data_.get()) return;
  ReadIntoStore([&] { data_->TakeDataFrom(Source); });
}

void TReportListView::SaveAsXMLFile(const std::string& FileName, const std::string& DataID) {
  data_->SaveAsXMLFile(FileName, DataID);
}

void TReportListView::WriteToXMLStream(fw::TStream& OutStream, bool Flag,
                                       const std::string& DataID) {
  data_->WriteToXMLStream(OutStream, Flag, DataID);
}

void TReportListView::WriteToOpenXMLFile(fw::TextFile& OutFile, bool Flag,
                                         const std::string& DataID) {
  data_->WriteToOpenXMLFile(OutFile, Flag, DataID);
}

void TReportListView::LoadFromXMLFile(const std::string& FileName, const std::string& DataID) {
  ReadIntoStore([&] { data_->LoadFromXMLFile(FileName, DataID); });
}

void TReportListView::ReadFromXMLStream(fw::TStream& InStream, const std::string& DataID) {
  ReadIntoStore([&] { data_->ReadFromXMLStream(InStream, DataID); });
}

void TReportListView::ReadFromOpenXMLFile(fw::TextFile& InFile, const std::string& DataID) {
  ReadIntoStore([&] { data_->ReadFromOpenXMLFile(InFile, DataID); });
}

void TReportListView::ReadFromXMLString(const std::string& XMLText, const std::string& DataID) {
  ReadIntoStore([&] { data_->ReadFromXMLString(XMLText, DataID); });
}

void TReportListView::CopyToClipBoard(int ColLow, int RowLow, int ColHigh, int RowHigh,
                                      bool WithColNames, bool Tabbed) {
  data_->CopyToClipBoard(ColLow, RowLow, ColHigh, RowHigh, WithColNames, Tabbed);
}

void TReportListView::CopyToClipBoard(int ColLow, int RowLow, int ColHigh, int RowHigh,
                                      bool WithColNames, const std::string& Delimiter) {
  data_->CopyToClipBoard(ColLow, RowLow, ColHigh, RowHigh, WithColNames, Delimiter);
}

void TReportListView::ImportCSV(const std::string& FileName, TCSVDelimiters Delimiter,
                                bool WithColNames) {
  ReadIntoStore([&] { data_->ImportCSV(FileName, Delimiter, WithColNames); });
}

void TReportListView::ExportCSV(const std::string& FileName, TCSVDelimiters Delimiter,
                                bool WithColNames, bool QuoteAll, int ColLow, int RowLow,
                                int ColHigh, int RowHigh) {
  data_->ExportCSV(FileName, Delimiter, WithColNames, QuoteAll, ColLow, RowLow, ColHigh, RowHigh);
}

void TReportListView::LoadLinesFromFile(int Column, int Row, const std::string& FileName) {
  ReadIntoStore([&] { data_->LoadLinesFromFile(Column, Row, FileName); });
}

void TReportListView::ExportHTMLTable(const std::string& FileName, int ColLow, int RowLow,
                                      int ColHigh, int RowHigh, TIntList ColWidths, int Border,
                                      int CellPadding, int CellSpacing, bool WithColNames,
                                      const std::string& Title, const std::string& HeaderColor,
                                      const std::string& CellColor) {
  data_->ExportHTMLTable(FileName, ColLow, RowLow, ColHigh, RowHigh, ColWidths, Border, CellPadding,
                         CellSpacing, WithColNames, Title, HeaderColor, CellColor);
}

}  // namespace zeb
