// Report list XML: every item and every cell text survives writing and reading through each
// channel (string, stream, file, open text file), several lists share one file, and a read
// gives the shown order of a sorted list.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "framework/rtl/streams.h"
#include "framework/rtl/textfile.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"
#include "rltext_test_support.h"

namespace {

std::string XmlOf(zeb::TRLData& store, const std::string& id, bool declaration = true) {
  fw::TStringStream stream;
  store.WriteToXMLStream(stream, declaration, id);
  return stream.DataString();
}

struct Channel {
  const char* name;
  // Writes `from` with identifier `id` and reads it back into `to`.
  std::function<void(zeb::TRLData& from, zeb::TRLData& to, const std::string& id,
                     const rltest::ScratchDir& dir)>
      roundTrip;
};

TEST(RLXmlRoundTrip, EveryItemSurvivesEveryChannel) {
  const Channel channels[] = {
      {"string", [](zeb::TRLData& from, zeb::TRLData& to, const std::string& id,
                    const rltest::ScratchDir&) { to.ReadFromXMLString(XmlOf(from, id), id); }},
      {"stream",
       [](zeb::TRLData& from, zeb::TRLData& to, const std::string& id, const rltest::ScratchDir&) {
         fw::TMemoryStream stream;
         from.WriteToXMLStream(stream, false, id);
         stream.SetPosition(0);
         to.ReadFromXMLStream(stream, id);
       }},
      {"file",
       [](zeb::TRLData& from, zeb::TRLData& to, const std::string& id,
          const rltest::ScratchDir& dir) {
         from.SaveAsXMLFile(dir.File("list.xml"), id);
         to.LoadFromXMLFile(dir.File("list.xml"), id);
       }},
      {"open file",
       [](zeb::TRLData& from, zeb::TRLData& to, const std::string& id,
          const rltest::ScratchDir& dir) {
         fw::TextFile out;
         fw::AssignFile(out, dir.File("open.xml"));
         fw::Rewrite(out);
         from.WriteToOpenXMLFile(out, true, id);
         fw::CloseFile(out);
         fw::TextFile in;
         fw::AssignFile(in, dir.File("open.xml"));
         fw::Reset(in);
         to.ReadFromOpenXMLFile(in, id);
       }},
  };
  const std::string ids[] = {"Prices", "a&b <c> \"q\" 'x'", "Größe", ""};
  rltest::ScratchDir dir;
  for (const Channel& channel : channels) {
    for (const std::string& id : ids) {
      SCOPED_TRACE(std::string(channel.name) + " / id " + id);
      auto from = rltest::HardStore();
      zeb::TRLData to(nullptr);
      to.SetNrCols(2);
      to.SetNrRows(40);
      channel.roundTrip(*from, to, id, dir);
      rltest::ExpectSameList(*from, to);
      EXPECT_EQ(to.DataID(), id);
    }
  }
}

TEST(RLXmlRoundTrip, ListsWithoutRowsOrColumns) {
  zeb::TRLData empty(nullptr);  // one column, no rows
  zeb::TRLData noColumns(nullptr);
  noColumns.SetNrRows(2);
  noColumns.SetElem(0, 2, "row name");
  noColumns.RemoveColumn(1);
  ASSERT_EQ(noColumns.NrOfColumns(), 0);
  for (zeb::TRLData* from : {&empty, &noColumns}) {
    zeb::TRLData to(nullptr);
    to.SetNrCols(3);
    to.SetNrRows(3);
    to.ReadFromXMLString(XmlOf(*from, "e"), "e");
    rltest::ExpectSameList(*from, to);
  }
}

TEST(RLXmlRoundTrip, TheWriterPutsOneItemOnEachLine) {
  auto store = rltest::HardStore();
  const std::string xml = XmlOf(*store, "x");
  EXPECT_EQ(
      xml.rfind(
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<replist family=\"zebworks\" id=\"x\">\n",
          0),
      0u);
  EXPECT_EQ(xml.substr(xml.size() - 11), "</replist>\n");
  // Every line is one complete item: no raw control character, and the texts' line breaks
  // became references.
  std::size_t lines = 0;
  for (std::size_t start = 0; start < xml.size(); ++lines) {
    const std::size_t end = xml.find('\n', start);
    const std::string line = xml.substr(start, end - start);
    for (const char c : line) EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20) << line;
    start = end + 1;
  }
  // declaration, root, 4 header items, 3 per column, end tag, and at least one cell per row
  EXPECT_GE(lines, 7u + 3u * 5u + static_cast<std::size_t>(store->NrOfRows()));
  EXPECT_EQ(XmlOf(*store, "x", false).rfind("<replist", 0), 0u);
}

TEST(RLXmlRoundTrip, SeveralListsShareOneFileAndAreReadInTurn) {
  rltest::ScratchDir dir;
  auto a = rltest::MakeStore({{"a1", "a2"}});
  auto b = rltest::MakeStore({{"b1"}, {"b2"}});
  auto c = rltest::HardStore();
  {
    fw::TextFile out;
    fw::AssignFile(out, dir.File("many.xml"));
    fw::Rewrite(out);
    a->WriteToOpenXMLFile(out, true, "a");
    b->WriteToOpenXMLFile(out, false, "b");
    c->WriteToOpenXMLFile(out, false, "a");  // the same identifier again
    fw::CloseFile(out);
  }
  zeb::TRLData read(nullptr);
  read.LoadFromXMLFile(dir.File("many.xml"), "B");
  rltest::ExpectSameList(*b, read);
  read.LoadFromXMLFile(dir.File("many.xml"), "");
  rltest::ExpectSameList(*a, read);

  // An open file and a stream go on after the list just read.
  fw::TextFile in;
  fw::AssignFile(in, dir.File("many.xml"));
  fw::Reset(in);
  read.ReadFromOpenXMLFile(in, "a");
  rltest::ExpectSameList(*a, read);
  read.ReadFromOpenXMLFile(in, "a");
  rltest::ExpectSameList(*c, read);
  EXPECT_THROW(read.ReadFromOpenXMLFile(in, "b"), zeb::EZEBRLDataError);

  fw::TMemoryStream stream;
  stream.LoadFromFile(dir.File("many.xml"));
  read.ReadFromXMLStream(stream, "b");
  rltest::ExpectSameList(*b, read);
  read.ReadFromXMLStream(stream, "");
  rltest::ExpectSameList(*c, read);
  EXPECT_THROW(read.ReadFromXMLStream(stream, ""), zeb::EZEBRLDataError);
}

TEST(RLXmlRoundTrip, ASortedListIsReadInItsShownOrder) {
  auto store = rltest::MakeStore({{"b", "c", "a"}, {"2", "3", "1"}});
  store->SetColCheckMode(2, zeb::cmBox);
  store->SetElemChecked(2, 2, true);  // on "c"
  store->Sort(1, -1, true);
  zeb::TRLData read(nullptr);
  read.ReadFromXMLString(XmlOf(*store, "s"), "s");
  EXPECT_EQ(rltest::Column(read, 1), (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(rltest::Column(read, 2), (std::vector<std::string>{"1", "2", "3"}));
  EXPECT_TRUE(read.GetElemChecked(2, 3));
  EXPECT_EQ(read.SortColumn(), -1);
  // Assign from the sorted store shows the same order.
  zeb::TRLData copy(nullptr);
  copy.Assign(store.get());
  EXPECT_EQ(rltest::Column(copy, 1), rltest::Column(read, 1));
}

TEST(RLXmlRoundTrip, AnEmptyIdentifierWritesTheStoresOwn) {
  auto store = rltest::MakeStore({{"x"}});
  store->SetDataID("Own");
  const std::string xml = XmlOf(*store, "");
  EXPECT_NE(xml.find("id=\"Own\""), std::string::npos);
  zeb::TRLData read(nullptr);
  read.ReadFromXMLString(xml, "own");
  EXPECT_EQ(read.DataID(), "Own");
}

TEST(RLXmlRoundTrip, ReadingKeepsTheTargetsOwnHandlersAndReportsProgress) {
  auto store = rltest::MakeStore({std::vector<std::string>(1000, "v")});
  const std::string xml = XmlOf(*store, "p");
  zeb::TRLData read(nullptr);
  int exchanges = 0;
  read.OnBeforeSortExchange = [&](fw::TObject*, const std::string&, std::string&) { ++exchanges; };
  std::vector<int> percents;
  read.OnPercentDone = [&](fw::TObject* sender, int percent) {
    EXPECT_EQ(sender, &read);
    percents.push_back(percent);
  };
  read.ReadFromXMLString(xml, "p");
  ASSERT_FALSE(percents.empty());
  EXPECT_EQ(percents.front(), 0);
  EXPECT_EQ(percents.back(), 100);
  EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
  EXPECT_LE(percents.size(), 101u);
  read.Sort(1, -1, true);
  EXPECT_GT(exchanges, 0);
}

}  // namespace
