// Report list line files and HTML tables: lines into a column with the list growing, line
// ends and encodings, and an HTML document whose cells are escaped and passed through
// OnBeforeHTMLExport once each.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"
#include "rltext_test_support.h"

namespace {

struct LinesCase {
  const char* what;
  const char* bytes;
  int col, row;
  std::vector<std::string> column;  // the column afterwards
};

TEST(RLTextLines, LinesFillAColumnAndTheListGrows) {
  const LinesCase cases[] = {
      {"into the rows there", "x\ny\n", 1, 1, {"x", "y", "c"}},
      {"growing", "x\ny\nz\nw", 1, 2, {"a", "x", "y", "z", "w"}},
      {"beyond the end", "x", 1, 5, {"a", "b", "c", "", "x"}},
      {"row below 1", "x\r\ny\r\n", 1, -3, {"x", "y", "c"}},
      {"CR and empty lines", "x\r\ry", 1, 1, {"x", "", "y"}},
      {"an empty file changes nothing", "", 1, 1, {"a", "b", "c"}},
      {"one empty line", "\n", 1, 2, {"a", "", "c"}},
      {"byte order mark and code page 1252", "\xEF\xBB\xBF\xC4rger", 1, 1, {"Ärger", "b", "c"}},
      {"code page 1252", "\xC4rger", 1, 1, {"Ärger", "b", "c"}},
      {"column out of range", "x", 3, 1, {"a", "b", "c"}},
  };
  rltest::ScratchDir dir;
  for (const LinesCase& c : cases) {
    SCOPED_TRACE(c.what);
    rltest::WriteFile(dir.File("l.txt"), c.bytes);
    auto store = rltest::MakeStore({{"a", "b", "c"}, {"1", "2", "3"}});
    store->LoadLinesFromFile(c.col, c.row, dir.File("l.txt"));
    EXPECT_EQ(rltest::Column(*store, 1), c.column);
  }
}

TEST(RLTextLines, CheckColumnsKeepTheirMarksAndLongLinesAreCut) {
  rltest::ScratchDir dir;
  rltest::WriteFile(dir.File("l.txt"), std::string(300, 'q') + "\nnew\n");
  auto store = rltest::MakeStore({{"a", "b"}});
  store->SetColCheckMode(1, zeb::cmBox);
  store->SetElemChecked(1, 2, true);
  store->LoadLinesFromFile(1, 1, dir.File("l.txt"));
  EXPECT_EQ(store->GetElem(1, 1), std::string(254, 'q'));
  EXPECT_EQ(store->GetElem(1, 2), "new");
  EXPECT_TRUE(store->GetElemChecked(1, 2));
  store->LoadLinesFromFile(0, 1, dir.File("l.txt"));
  EXPECT_EQ(store->GetElem(0, 2), "new");
}

TEST(RLTextLines, AMissingFileRaisesWithItsName) {
  rltest::ScratchDir dir;
  auto store = rltest::MakeStore({{"a"}});
  try {
    store->LoadLinesFromFile(1, 1, dir.File("gone.txt"));
    ADD_FAILURE() << "no error";
  } catch (const fw::EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("gone.txt"), std::string::npos);
  }
  EXPECT_EQ(store->GetElem(1, 1), "a");
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST(RLTextHtml, TheTableIsEscapedAndEveryCellPassesTheHook) {
  rltest::ScratchDir dir;
  auto store =
      rltest::MakeStore({{"<b>bold</b>", "a & b"}, {"\"q\" 'x'", "two\nlines"}, {"c3", "c4"}});
  store->SetColName(1, "<Name>");
  store->SetElem(0, 1, "r1");
  std::map<std::pair<int, int>, int> calls;
  store->OnBeforeHTMLExport = [&](fw::TObject* sender, std::string& text, int col, int row) {
    EXPECT_EQ(sender, store.get());
    ++calls[{col, row}];
    if (col == 3 && row == 2) text = "<replaced>";
  };
  const int widths[] = {40, 0};
  store->ExportHTMLTable(dir.File("t.html"), 0, 1, 3, 2, widths, 1, 2, 0, true, "Title <&>",
                         "#e0e0e0", "red; } body { display: none");
  const std::string html = rltest::ReadFile(dir.File("t.html"));
  // Once per exported cell: 4 columns by 2 rows and the 4 names.
  EXPECT_EQ(calls.size(), 12u);
  for (const auto& [cell, n] : calls) EXPECT_EQ(n, 1) << cell.first << "," << cell.second;
  EXPECT_EQ(html.rfind("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n", 0), 0u);
  EXPECT_NE(html.find("<title>Title &lt;&amp;&gt;</title>"), std::string::npos);
  EXPECT_NE(html.find("<td>&lt;b&gt;bold&lt;/b&gt;</td>"), std::string::npos);
  EXPECT_NE(html.find("<td>&quot;q&quot; &#39;x&#39;</td>"), std::string::npos);
  EXPECT_NE(html.find("<td>two\nlines</td>"), std::string::npos);
  EXPECT_NE(html.find("<td>&lt;replaced&gt;</td>"), std::string::npos);
  EXPECT_NE(html.find("<th>&lt;Name&gt;</th>"), std::string::npos);
  EXPECT_NE(html.find("<col style=\"width: 40px\"><col><col><col>"), std::string::npos);
  EXPECT_NE(html.find("th { background-color: #e0e0e0; }"), std::string::npos);
  EXPECT_EQ(html.find("display: none"), std::string::npos);  // not a colour: left out
  EXPECT_EQ(Count(html, "<tr>"), 3u);
  EXPECT_EQ(Count(html, "</tr>"), 3u);
  EXPECT_EQ(Count(html, "<td>"), 8u);
  EXPECT_EQ(Count(html, "<th>"), 4u);
  EXPECT_EQ(html.substr(html.size() - 25), "</table>\n</body>\n</html>\n");
}

TEST(RLTextHtml, EmptyRangesGiveATableWithoutRows) {
  rltest::ScratchDir dir;
  auto store = rltest::MakeStore({{"a"}});
  store->SetCommonHeader("");
  int calls = 0;
  store->OnBeforeHTMLExport = [&](fw::TObject*, std::string&, int, int) { ++calls; };
  store->ExportHTMLTable(dir.File("e.html"), 2, 1, 5, 1, {}, 0, 0, 0, true, "", "", "");
  const std::string html = rltest::ReadFile(dir.File("e.html"));
  EXPECT_EQ(calls, 0);
  EXPECT_EQ(Count(html, "<tr>"), 0u);
  EXPECT_NE(html.find("<title>Report list</title>"), std::string::npos);  // never empty
}

}  // namespace
