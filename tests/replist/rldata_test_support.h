// Helpers shared by the report list data store tests: building a store from a column-major
// table of visible texts and reading one column back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "replist/ZEB_replist.h"

namespace rltest {

// A store with one column per entry of `columns`, each holding its texts in rows 1, 2, ...
inline std::unique_ptr<zeb::TRLData> MakeStore(
    const std::vector<std::vector<std::string>>& columns) {
  auto store = std::make_unique<zeb::TRLData>(nullptr);
  store->SetNrCols(static_cast<int>(columns.size()));
  store->SetNrRows(columns.empty() ? 0 : static_cast<int>(columns[0].size()));
  for (std::size_t c = 0; c < columns.size(); ++c)
    for (std::size_t r = 0; r < columns[c].size(); ++r)
      store->SetElem(static_cast<int>(c + 1), static_cast<int>(r + 1), columns[c][r]);
  return store;
}

inline std::vector<std::string> Column(const zeb::TRLData& store, int col) {
  std::vector<std::string> texts;
  for (int r = 1; r <= store.NrOfRows(); ++r) texts.push_back(store.GetElem(col, r));
  return texts;
}

inline std::vector<std::string> StoredColumn(const zeb::TRLData& store, int col) {
  std::vector<std::string> texts;
  for (int r = 1; r <= store.NrOfRows(); ++r) texts.push_back(store.Matrix()->GetElem(col, r));
  return texts;
}

// Everything a store holds, as one text: sizes, sort state, plain state, the column tables,
// the attribute bytes, the row order and every stored cell. Two stores hold the same when
// their dumps are equal, and a failed comparison shows where they differ.
inline std::string Dump(const zeb::TRLData& store) {
  const zeb::TStringArray& m = *store.Matrix();
  std::string out =
      std::to_string(store.NrOfColumns()) + "x" + std::to_string(store.NrOfRows()) + " sort " +
      std::to_string(store.SortColumn()) + "/" + std::to_string(store.SortColumnSec()) +
      (store.SortAscending() ? "+" : "-") + (store.SortAscendingSec() ? "+" : "-") +
      (store.HeaderClickAscending() ? " click+" : " click-") + "\nheader " + store.CommonHeader() +
      "\ncomment " + store.Comment() + "\nid " + store.DataID() + "\n";
  for (int c = 0; c <= store.NrOfColumns(); ++c)
    out += "col " + std::to_string(c) + " [" + store.GetColName(c) + "|" +
           store.GetColumnFormat(c) + "|" + std::to_string(store.GetColCheckMode(c)) + "] attr " +
           std::to_string(m.GetColAttrib(c)) + "\n";
  for (int r = 0; r <= store.NrOfRows(); ++r) {
    out += "row " + std::to_string(r) + " <- " + std::to_string(m.GetSortOrder(r)) + " attr " +
           std::to_string(m.GetRowAttrib(r)) + ":";
    for (int c = 0; c <= store.NrOfColumns(); ++c) out += " [" + m.GetElem(c, r) + "]";
    out += "\n";
  }
  return out;
}

}  // namespace rltest
