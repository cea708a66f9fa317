// TDataTable against a plain model: long random sequences of structural operations must leave
// every cell, state and heading where a straightforward nested-vector table puts them.
#include <gtest/gtest.h>

#include <random>

#include "companion/ZEB_datatable.h"

namespace zeb {
namespace {

// The reference: cells[col][row], 0-based, with the same rules for new cells.
struct Model {
  struct Cell {
    double value = 0.0;
    uint8_t state = 0;
  };
  std::vector<std::vector<Cell>> cells;
  std::vector<std::string> colNames;
  std::vector<std::string> rowNames;

  int Cols() const { return int(colNames.size()); }
  int Rows() const { return int(rowNames.size()); }
  void InsertRow(int at) {
    for (auto& col : cells) col.insert(col.begin() + at, Cell{});
    rowNames.insert(rowNames.begin() + at, "");
  }
  void RemoveRow(int at) {
    for (auto& col : cells) col.erase(col.begin() + at);
    rowNames.erase(rowNames.begin() + at);
  }
  void InsertColumn(int at) {
    cells.insert(cells.begin() + at, std::vector<Cell>(std::size_t(Rows())));
    colNames.insert(colNames.begin() + at, "");
  }
  void RemoveColumn(int at) {
    cells.erase(cells.begin() + at);
    colNames.erase(colNames.begin() + at);
  }
  void Resize(int cols, int rows) {
    cells.resize(std::size_t(cols));
    for (auto& col : cells) col.resize(std::size_t(rows));
    colNames.resize(std::size_t(cols));
    rowNames.resize(std::size_t(rows));
  }
};

void ExpectSame(const TDataTable& table, const Model& model, int step) {
  ASSERT_EQ(table.NrOfColumns(), model.Cols()) << "step " << step;
  ASSERT_EQ(table.NrOfRows(), model.Rows()) << "step " << step;
  for (int c = 0; c < model.Cols(); ++c) {
    ASSERT_EQ(table.GetColName(c + 1), model.colNames[c]) << "step " << step;
    for (int r = 0; r < model.Rows(); ++r) {
      ASSERT_EQ(table.GetElem(c + 1, r + 1), model.cells[c][r].value)
          << "step " << step << " cell " << c + 1 << "," << r + 1;
      ASSERT_EQ(table.GetCellState(c + 1, r + 1), model.cells[c][r].state) << "step " << step;
    }
  }
  for (int r = 0; r < model.Rows(); ++r) {
    ASSERT_EQ(table.GetRowName(r + 1), model.rowNames[r]) << "step " << step;
  }
}

TEST(DataTableModel, RandomStructuralOperationsMatchTheModel) {
  std::mt19937 rng(12345);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
  TDataTable table(nullptr);
  Model model;
  double next = 1.0;
  for (int step = 0; step < 600; ++step) {
    switch (pick(0, 6)) {
      case 0: {
        const int at = pick(1, model.Rows() + 1);
        table.InsertRow(at);
        model.InsertRow(at - 1);
        break;
      }
      case 1:
        if (model.Rows() > 0) {
          const int at = pick(1, model.Rows());
          table.RemoveRow(at);
          model.RemoveRow(at - 1);
        }
        break;
      case 2: {
        const int at = pick(1, model.Cols() + 1);
        table.InsertColumn(at);
        model.InsertColumn(at - 1);
        break;
      }
      case 3:
        if (model.Cols() > 0) {
          const int at = pick(1, model.Cols());
          table.RemoveColumn(at);
          model.RemoveColumn(at - 1);
        }
        break;
      case 4: {
        const int cols = pick(0, 9);
        const int rows = pick(0, 9);
        table.Resize(cols, rows);
        model.Resize(cols, rows);
        break;
      }
      default:
        // Write a few cells and names so that moves have something to show.
        for (int k = 0; k < 4 && model.Cols() > 0 && model.Rows() > 0; ++k) {
          const int c = pick(1, model.Cols());
          const int r = pick(1, model.Rows());
          const auto state = uint8_t(pick(0, 255));
          table.SetElem(c, r, next);
          table.SetCellState(c, r, state);
          model.cells[c - 1][r - 1] = {next, state};
          const std::string name = "n" + std::to_string(int(next));
          table.SetColName(c, name);
          table.SetRowName(r, name);
          model.colNames[c - 1] = name;
          model.rowNames[r - 1] = name;
          next += 1.0;
        }
    }
    ExpectSame(table, model, step);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace zeb
