// Helpers shared by the report list exchange tests: a scratch folder, a store that holds every
// kind of text a cell can hold, and a comparison of two stores item by item.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "replist/ZEB_replist.h"

namespace rltest {

// A fresh folder removed with everything in it when the object goes.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "rlio-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Names of the entries in the folder.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.push_back(entry.path().filename().string());
    return names;
  }

 private:
  std::string path_;
};

inline std::string ReadFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFile(const std::string& name, const std::string& bytes) {
  std::ofstream out(name, std::ios::binary);
  out << bytes;
}

// Texts that stress an exchange format: markup characters, quotes, tabs, line breaks of all
// three kinds, blanks around, non-ASCII text, control characters and a 255-character text.
inline std::vector<std::string> HardTexts() {
  std::string longText;
  while (longText.size() < 300) longText += "Ä<b>&x\"";
  return {"a<b>&c",
          "\"quoted\" and 'single'",
          "tab\there",
          "line1\nline2\r\nline3\rend",
          "  blanks around  ",
          "Größe € ✓ 😀",
          "\x01\x1f\x7f control",
          "]]> &amp; &#65; <!-- x -->",
          "a,b;c d",
          " ",
          longText};
}

// A list of 5 columns (a plain one, a box column, a radio column, column names and formats
// with markup) holding HardTexts in several places, checked and unchecked marks, column 0
// text and rows that are empty.
inline std::unique_ptr<zeb::TRLData> HardStore() {
  auto store = std::make_unique<zeb::TRLData>(nullptr);
  const std::vector<std::string> texts = HardTexts();
  store->SetNrCols(5);
  store->SetNrRows(static_cast<int>(texts.size()) + 2);
  store->SetColName(1, "Name <&> \"x\" 'y'");
  store->SetColName(2, "Größe");
  store->SetColName(3, "");
  store->SetColName(4, "  tab\there  ");
  store->SetColumnFormat(1, "[s][120]$pwd$8");
  store->SetColumnFormat(2, "[i][60]rix4");
  store->SetColumnFormat(3, "[c][120]red|green|<blue>");
  store->SetColCheckMode(2, zeb::cmBox);
  store->SetColCheckMode(3, zeb::cmRadio);
  store->SetCommonHeader("Header & <more>\nsecond line");
  store->SetComment("  comment with \"quotes\"\ttab\r\nand lines  ");
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    store->SetElem(1, r, texts[i]);
    store->SetElem(2, r, texts[(i + 3) % texts.size()]);
    store->SetElem(4, r, texts[(i + 5) % texts.size()]);
    if (i % 3 == 0) store->SetElem(0, r, texts[(i + 1) % texts.size()]);
    if (i % 2 == 0) store->SetElemChecked(2, r, true);
  }
  store->SetElem(3, 2, "radio text");
  store->SetElemChecked(3, 4, true);  // a mark without text
  store->SetElem(5, 1, "last column");
  // Row NrOfRows - 1 stays empty; the last row holds one cell of column 5 only.
  store->SetElem(5, store->NrOfRows(), "z");
  return store;
}

// Every item of the XML dialect and every stored cell (as shown) are the same.
inline void ExpectSameList(const zeb::TRLData& a, const zeb::TRLData& b) {
  ASSERT_EQ(a.NrOfColumns(), b.NrOfColumns());
  ASSERT_EQ(a.NrOfRows(), b.NrOfRows());
  EXPECT_EQ(a.CommonHeader(), b.CommonHeader());
  EXPECT_EQ(a.Comment(), b.Comment());
  for (int c = 1; c <= a.NrOfColumns(); ++c) {
    EXPECT_EQ(a.GetColName(c), b.GetColName(c)) << "column " << c;
    EXPECT_EQ(a.GetColumnFormat(c), b.GetColumnFormat(c)) << "column " << c;
    EXPECT_EQ(a.GetColCheckMode(c), b.GetColCheckMode(c)) << "column " << c;
  }
  for (int r = 1; r <= a.NrOfRows(); ++r)
    for (int c = 0; c <= a.NrOfColumns(); ++c)
      EXPECT_EQ(a.Matrix()->GetElem(c, r), b.Matrix()->GetElem(c, r)) << "cell " << c << "," << r;
}

}  // namespace rltest
