// TRLData: copying a block of cells to the clipboard as text, tab- or delimiter-separated or
// in padded columns.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "companion/ZEB_stringl.h"
#include "framework/controls/clipboard.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"

namespace zeb {

namespace {

// The text of the block: fields joined by `delimiter`, or padded to `widths` when given.
// Columns and rows run in 64 bits, so no range can overflow a counter.
class BlockText {
 public:
  BlockText(const TRLData& data, int colLow, int colHigh)
      : data_(data), colLow_(colLow), colHigh_(colHigh) {}

  void Names(std::string_view delimiter, const std::vector<std::size_t>* widths) {
    Line([&](int c) { return data_.GetColName(c); }, delimiter, widths);
    text_ += '\n';
  }

  void Row(int r, std::string_view delimiter, const std::vector<std::size_t>* widths) {
    Line([&](int c) { return data_.GetElem(c, r); }, delimiter, widths);
  }

  std::string& Text() { return text_; }

 private:
  template <typename Field>
  void Line(Field field, std::string_view delimiter, const std::vector<std::size_t>* widths) {
    for (int64_t c = colLow_; c <= colHigh_; ++c) {
      const std::string text = field(static_cast<int>(c));
      if (widths != nullptr) {
        text_ += LeftString(text,
                            static_cast<int>((*widths)[static_cast<std::size_t>(c - colLow_)] + 1));
        continue;
      }
      if (c > colLow_) text_ += delimiter;
      text_ += text;
    }
    text_ += '\n';
  }

  const TRLData& data_;
  int64_t colLow_;
  int64_t colHigh_;
  std::string text_;
};

// Stored cell (check flag included) as the padded layout measures it; "" outside the list.
std::string StoredCell(const TRLData& data, int c, int r) {
  if (c < 0 || c > data.NrOfColumns() || r < 1 || r > data.NrOfRows()) return {};
  return data.Matrix()->GetElem(c, r);
}

}  // namespace

void TRLData::CopyToClipBoard(int ColLow, int RowLow, int ColHigh, int RowHigh, bool WithColNames,
                              bool Tabbed) {
  if (Tabbed) {
    CopyToClipBoard(ColLow, RowLow, ColHigh, RowHigh, WithColNames, std::string("\t"));
    return;
  }
  const int64_t columns = std::max<int64_t>(int64_t{ColHigh} - ColLow + 1, 0);
  if (columns > kMaxPaddedColumns)
    throw EZEBRLDataError("Component \"" + Name() + "\": more than " +
                          std::to_string(kMaxPaddedColumns) + " columns to copy in padded layout");
  std::vector<std::size_t> widths(static_cast<std::size_t>(columns), 0);
  for (int64_t i = 0; i < columns; ++i) {
    const int c = static_cast<int>(ColLow + i);
    std::size_t& width = widths[static_cast<std::size_t>(i)];
    if (WithColNames) width = fw::Length(GetColName(c));
    // Rows outside the list read as empty and add nothing to the width.
    for (int r = std::max(RowLow, 1); r <= std::min(RowHigh, NrOfRows()); ++r)
      width = std::max(width, fw::Length(StoredCell(*this, c, r)));
  }
  BlockText block(*this, ColLow, ColHigh);
  if (WithColNames) block.Names({}, &widths);
  for (int64_t r = RowLow; r <= RowHigh; ++r) block.Row(static_cast<int>(r), {}, &widths);
  fw::Clipboard()->SetAsText(block.Text());
}

void TRLData::CopyToClipBoard(int ColLow, int RowLow, int ColHigh, int RowHigh, bool WithColNames,
                              const std::string& Delimiter) {
  BlockText block(*this, ColLow, ColHigh);
  if (WithColNames) block.Names(Delimiter, nullptr);
  for (int64_t r = RowLow; r <= RowHigh; ++r) block.Row(static_cast<int>(r), Delimiter, nullptr);
  fw::Clipboard()->SetAsText(block.Text());
}

}  // namespace zeb
