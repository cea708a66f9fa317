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

}  // namespace rltest
