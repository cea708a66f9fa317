// Report list CSV files: quoting round trips with every delimiter, the header line, ranges,
// the list resized on import, delimiter detection, foreign encodings and line ends, and
// failures that leave the store and the target file alone.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/utf8.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"
#include "rltext_test_support.h"

namespace {

TEST(RLTextCsv, EveryTextSurvivesEveryDelimiterAndQuoting) {
  rltest::ScratchDir dir;
  const zeb::TCSVDelimiters delimiters[] = {zeb::csvComma, zeb::csvSemicolon, zeb::csvTab,
                                            zeb::csvSpace};
  for (const zeb::TCSVDelimiters delimiter : delimiters) {
    for (const bool quoteAll : {false, true}) {
      for (const zeb::TCSVDelimiters readAs : {delimiter, zeb::csvAuto}) {
        SCOPED_TRACE(std::to_string(delimiter) + (quoteAll ? " quoted" : "") + " read as " +
                     std::to_string(readAs));
        auto from = rltest::HardStore();
        from->ExportCSV(dir.File("t.csv"), delimiter, true, quoteAll);
        zeb::TRLData to(nullptr);
        to.ImportCSV(dir.File("t.csv"), readAs, true);
        ASSERT_EQ(to.NrOfColumns(), from->NrOfColumns());
        ASSERT_EQ(to.NrOfRows(), from->NrOfRows());
        for (int c = 1; c <= from->NrOfColumns(); ++c) {
          EXPECT_EQ(to.GetColName(c), from->GetColName(c));
          for (int r = 1; r <= from->NrOfRows(); ++r) {
            // Line breaks come back as written; CR LF inside a field is kept as it is.
            EXPECT_EQ(to.GetElem(c, r), from->GetElem(c, r)) << c << "," << r;
          }
        }
      }
    }
  }
}

TEST(RLTextCsv, TheWriterQuotesOnlyWhereNeeded) {
  rltest::ScratchDir dir;
  auto store = rltest::MakeStore(
      {{"plain", "a,b", "say \"hi\"", " lead", "two\nlines", ""}, {"x", "y", "z", "w", "v", "u"}});
  store->SetColName(1, "N,1");
  store->SetColName(2, "N2");
  store->ExportCSV(dir.File("q.csv"), zeb::csvComma, true, false);
  EXPECT_EQ(rltest::ReadFile(dir.File("q.csv")),
            "\"N,1\",N2\r\nplain,x\r\n\"a,b\",y\r\n\"say \"\"hi\"\"\",z\r\n\" lead\",w\r\n"
            "\"two\nlines\",v\r\n,u\r\n");
  // One column: an empty field is quoted, so its line is not blank.
  store->ExportCSV(dir.File("one.csv"), zeb::csvSemicolon, false, false, 1, 5, 1, 6);
  EXPECT_EQ(rltest::ReadFile(dir.File("one.csv")), "\"two\nlines\"\r\n\"\"\r\n");
}

TEST(RLTextCsv, ExportWritesTheRangeAndCallsOnExportTextPerField) {
  rltest::ScratchDir dir;
  auto store = rltest::MakeStore({{"a1", "a2", "a3"}, {"b1", "b2", "b3"}, {"c1", "c2", "c3"}});
  store->SetElem(0, 2, "r2");
  std::vector<std::string> seen;
  store->OnExportText = [&](fw::TObject* sender, std::string& text, int col, int row) {
    EXPECT_EQ(sender, store.get());
    seen.push_back(std::to_string(col) + ":" + std::to_string(row));
    if (text == "b2") text = "B2!";
  };
  store->ExportCSV(dir.File("r.csv"), zeb::csvTab, true, false, 0, 2, 2, 3);
  EXPECT_EQ(rltest::ReadFile(dir.File("r.csv")), "\tC-1\tC-2\r\nr2\ta2\tB2!\r\n\ta3\tb3\r\n");
  EXPECT_EQ(seen, (std::vector<std::string>{"0:0", "1:0", "2:0", "0:2", "1:2", "2:2", "0:3", "1:3",
                                            "2:3"}));
  // Ranges beyond the list are clamped to it.
  store->OnExportText = nullptr;
  store->ExportCSV(dir.File("all.csv"), zeb::csvComma, false, false, -5, -5, 99, 99);
  EXPECT_EQ(rltest::ReadFile(dir.File("all.csv")), ",a1,b1,c1\r\nr2,a2,b2,c2\r\n,a3,b3,c3\r\n");
}

struct ImportCase {
  const char* what;
  const char* bytes;
  zeb::TCSVDelimiters delimiter;
  bool names;
  std::vector<std::vector<std::string>> rows;  // expected, each padded to the column count
  std::vector<std::string> colNames;           // expected names when `names`
};

TEST(RLTextCsv, ImportShapesTheListFromTheRecords) {
  const ImportCase cases[] = {
      {"ragged records",
       "a,b\nc\nd,e,f\n",
       zeb::csvComma,
       false,
       {{"a", "b", ""}, {"c", "", ""}, {"d", "e", "f"}},
       {}},
      {"header line", "x;y\n1;2\n", zeb::csvSemicolon, true, {{"1", "2"}}, {"x", "y"}},
      {"only a header", "x,y\r\n", zeb::csvComma, true, {}, {"x", "y"}},
      {"CR line ends, no final break", "a\rb\rc", zeb::csvComma, false, {{"a"}, {"b"}, {"c"}}, {}},
      {"empty lines are records", "a\n\nb\n", zeb::csvComma, false, {{"a"}, {""}, {"b"}}, {}},
      {"quoted line breaks", "\"a\r\nb\",c\n", zeb::csvComma, false, {{"a\r\nb", "c"}}, {}},
      {"text after a closing quote", "\"ab\"cd,e\n", zeb::csvComma, false, {{"abcd", "e"}}, {}},
      {"quote inside a field", "a\"b,c\n", zeb::csvComma, false, {{"a\"b", "c"}}, {}},
      {"auto: semicolons", "a;b;c,d\n", zeb::csvAuto, false, {{"a", "b", "c,d"}}, {}},
      {"auto: tabs", "a\tb\n", zeb::csvAuto, false, {{"a", "b"}}, {}},
      {"auto: quoted commas do not count",
       "\"a,b,c\";d\n",
       zeb::csvAuto,
       false,
       {{"a,b,c", "d"}},
       {}},
      {"blank delimiter keeps empty fields", "a  b\n", zeb::csvSpace, false, {{"a", "", "b"}}, {}},
      {"byte order mark", "\xEF\xBB\xBFx,y\n", zeb::csvComma, false, {{"x", "y"}}, {}},
      {"code page 1252",
       "Gr\xF6\xDF"
       "e,\x80\n",
       zeb::csvComma,
       false,
       {{"Größe", "€"}},
       {}},
      {"empty file", "", zeb::csvComma, false, {}, {}},
  };
  rltest::ScratchDir dir;
  for (const ImportCase& c : cases) {
    SCOPED_TRACE(c.what);
    rltest::WriteFile(dir.File("i.csv"), c.bytes);
    auto store = rltest::MakeStore({{"old", "old", "old", "old"}, {"o", "o", "o", "o"}});
    store->SetColCheckMode(2, zeb::cmBox);
    store->SetAllCheckmarksOfCol(2, true);
    store->Sort(1, -1, true);
    store->ImportCSV(dir.File("i.csv"), c.delimiter, c.names);
    const int cols = c.rows.empty() ? std::max<int>(static_cast<int>(c.colNames.size()), 1)
                                    : static_cast<int>(c.rows[0].size());
    ASSERT_EQ(store->NrOfRows(), static_cast<int>(c.rows.size()));
    ASSERT_EQ(store->NrOfColumns(), cols);
    EXPECT_EQ(store->SortColumn(), -1);
    for (std::size_t r = 0; r < c.rows.size(); ++r)
      for (std::size_t col = 0; col < c.rows[r].size(); ++col) {
        EXPECT_EQ(store->GetElem(static_cast<int>(col + 1), static_cast<int>(r + 1)),
                  c.rows[r][col]);
        EXPECT_FALSE(store->GetElemChecked(static_cast<int>(col + 1), static_cast<int>(r + 1)));
      }
    for (std::size_t i = 0; i < c.colNames.size(); ++i)
      EXPECT_EQ(store->GetColName(static_cast<int>(i + 1)), c.colNames[i]);
  }
}

// Files are read a block at a time: records that straddle the blocks, and one far longer than
// a block, read exactly as the same records in a small file do.
TEST(RLTextCsv, ALargeFileReadsTheSameAcrossItsBlocks) {
  const std::vector<std::string> texts = rltest::HardTexts();
  std::vector<std::vector<std::string>> records;
  for (int r = 0; records.size() < 60000; ++r) {
    std::vector<std::string> fields;
    for (int c = 0; c < 4; ++c) fields.push_back(texts[(r * 7 + c * 3) % texts.size()]);
    fields.push_back(std::to_string(r));
    records.push_back(fields);
    if (r == 20000) records.push_back({std::string(3 << 20, 'q') + "\r\n\"", "after"});
  }
  std::string csv;
  for (const auto& fields : records) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
      if (i > 0) csv += ';';
      csv += '"';
      for (const char ch : fields[i]) csv += ch == '"' ? std::string("\"\"") : std::string(1, ch);
      csv += '"';
    }
    csv += "\r\n";
  }
  ASSERT_GT(csv.size(), std::size_t{8} << 20);
  rltest::ScratchDir dir;
  rltest::WriteFile(dir.File("big.csv"), csv);
  zeb::TRLData store(nullptr);
  store.ImportCSV(dir.File("big.csv"), zeb::csvAuto, false);
  ASSERT_EQ(store.NrOfRows(), static_cast<int>(records.size()));
  ASSERT_EQ(store.NrOfColumns(), 5);
  for (std::size_t r = 0; r < records.size(); ++r)
    for (std::size_t c = 0; c < 5; ++c) {
      const std::string expected = c < records[r].size() ? records[r][c] : "";
      ASSERT_EQ(store.GetElem(static_cast<int>(c + 1), static_cast<int>(r + 1)),
                fw::CutToLength(expected, zeb::TStringArray::kMaxCellLength))
          << "record " << r + 1 << ", field " << c + 1;
    }
}

TEST(RLTextCsv, AnOpenQuoteOrAMissingFileChangesNothing) {
  rltest::ScratchDir dir;
  rltest::WriteFile(dir.File("bad.csv"), "a,b\n\"open,c\nd\n");
  auto store = rltest::MakeStore({{"keep"}});
  EXPECT_THROW(store->ImportCSV(dir.File("bad.csv"), zeb::csvComma, false), zeb::EZEBRLDataError);
  try {
    store->ImportCSV(dir.File("none.csv"), zeb::csvComma, false);
    ADD_FAILURE() << "no error";
  } catch (const fw::EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("none.csv"), std::string::npos);
  }
  EXPECT_EQ(store->NrOfRows(), 1);
  EXPECT_EQ(store->GetElem(1, 1), "keep");
}

TEST(RLTextCsv, AFailedExportLeavesTheOldFile) {
  rltest::ScratchDir dir;
  rltest::WriteFile(dir.File("out.csv"), "old");
  auto store = rltest::MakeStore({{"a", "b"}});
  store->OnExportText = [](fw::TObject*, std::string& text, int, int) {
    if (text == "b") throw std::runtime_error("stop");
  };
  EXPECT_THROW(store->ExportCSV(dir.File("out.csv"), zeb::csvComma, false, false),
               std::runtime_error);
  EXPECT_EQ(rltest::ReadFile(dir.File("out.csv")), "old");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"out.csv"});
}

TEST(RLTextCsv, ProgressIsReportedAtMostOncePerPercent) {
  rltest::ScratchDir dir;
  auto store =
      rltest::MakeStore({std::vector<std::string>(5000, "v"), std::vector<std::string>(5000, "w")});
  std::vector<int> percents;
  store->OnPercentDone = [&](fw::TObject*, int percent) { percents.push_back(percent); };
  store->ExportCSV(dir.File("p.csv"), zeb::csvComma, false, false);
  store->ImportCSV(dir.File("p.csv"), zeb::csvComma, false);
  // Two runs: each rises strictly from 0 to 100.
  ASSERT_GE(percents.size(), 4u);
  std::size_t runs = 0;
  for (std::size_t i = 0; i < percents.size(); ++i) {
    if (percents[i] == 0) {
      ++runs;
      continue;
    }
    EXPECT_GT(percents[i], percents[i - 1]);
  }
  EXPECT_EQ(runs, 2u);
  EXPECT_LE(percents.size(), 2u * 101u);
  EXPECT_EQ(percents.back(), 100);
}

}  // namespace
