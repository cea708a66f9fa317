// Report list XML reading of bad input: a missing identifier, truncated and damaged lists,
// markup the dialect does not allow (entities, declarations), and files that cannot be read.
// Every failure raises and leaves the store as it was.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/streams.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"
#include "rltext_test_support.h"

namespace {

const char* const kGood =
    "<replist family=\"zebworks\" id=\"t\">\n"
    "  <numcols>2</numcols>\n"
    "  <numrows>2</numrows>\n"
    "  <commonheader>H</commonheader>\n"
    "  <comment></comment>\n"
    "  <colname col=\"1\">A</colname>\n"
    "  <columnformat col=\"1\"></columnformat>\n"
    "  <checkedcolumn col=\"1\">none</checkedcolumn>\n"
    "  <colname col=\"2\">B</colname>\n"
    "  <columnformat col=\"2\"/>\n"
    "  <checkedcolumn col=\"2\">box</checkedcolumn>\n"
    "  <cell col=\"1\" row=\"1\">x</cell>\n"
    "  <cell col=\"2\" row=\"1\" checked=\"1\">y</cell>\n"
    "  <cell col=\"1\" row=\"2\"/>\n"
    "</replist>\n";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  const std::size_t at = text.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// A store with content of its own, to see that a failed read changes nothing.
std::unique_ptr<zeb::TRLData> Target() {
  auto store = rltest::HardStore();
  store->SetDataID("before");
  store->Sort(1, -1, false);
  return store;
}

void ExpectUnchanged(zeb::TRLData& store) {
  auto fresh = Target();
  rltest::ExpectSameList(*fresh, store);
  EXPECT_EQ(store.DataID(), "before");
  EXPECT_EQ(store.SortColumn(), 1);
}

TEST(RLXmlErrors, TheHandWrittenListReads) {
  zeb::TRLData read(nullptr);
  read.ReadFromXMLString(kGood, "T");
  EXPECT_EQ(read.NrOfColumns(), 2);
  EXPECT_EQ(read.GetElem(2, 1), "y");
  EXPECT_TRUE(read.GetElemChecked(2, 1));
  EXPECT_EQ(read.GetColCheckMode(2), zeb::cmBox);
}

TEST(RLXmlErrors, AMissingIdentifierRaisesAndNamesIt) {
  auto store = Target();
  try {
    store->ReadFromXMLString(kGood, "other");
    FAIL() << "no error";
  } catch (const zeb::EZEBRLDataError& e) {
    EXPECT_NE(std::string(e.what()).find("\"other\""), std::string::npos) << e.what();
  }
  ExpectUnchanged(*store);
}

TEST(RLXmlErrors, EveryTruncationRaisesAndChangesNothing) {
  auto source = rltest::HardStore();
  fw::TStringStream stream;
  source->WriteToXMLStream(stream, true, "t");
  const std::string xml = stream.DataString();
  const std::size_t end = xml.rfind("</replist>");
  auto store = Target();
  for (std::size_t length = 0; length < end + 9; length += 7) {
    SCOPED_TRACE(length);
    EXPECT_THROW(store->ReadFromXMLString(xml.substr(0, length), "t"), zeb::EZEBRLDataError);
  }
  // The same from a file cut in the middle of a cell.
  rltest::ScratchDir dir;
  rltest::WriteFile(dir.File("cut.xml"), xml.substr(0, xml.find("<cell") + 20));
  EXPECT_THROW(store->LoadFromXMLFile(dir.File("cut.xml"), "t"), zeb::EZEBRLDataError);
  ExpectUnchanged(*store);
  store->ReadFromXMLString(xml.substr(0, end + 10), "t");  // the end tag without a line end
  rltest::ExpectSameList(*source, *store);
}

struct Damage {
  const char* what;
  const char* from;
  const char* to;
};

TEST(RLXmlErrors, DamagedListsRaiseAndChangeNothing) {
  const Damage damages[] = {
      {"unknown tag", "<comment></comment>", "<comment></comment><extra/>"},
      {"external entity", "<comment></comment>",
       "<!DOCTYPE x [<!ENTITY e SYSTEM \"file:///etc/passwd\">]>"},
      {"entity reference", ">x</cell>", ">&e;</cell>"},
      {"unterminated reference", ">x</cell>", ">&amp</cell>"},
      {"surrogate reference", ">x</cell>", ">&#xD800;</cell>"},
      {"processing instruction", "<comment></comment>", "<?php x ?><comment></comment>"},
      {"repeated count", "<numrows>2</numrows>", "<numrows>2</numrows><numrows>2</numrows>"},
      {"missing count", "  <numrows>2</numrows>\n", ""},
      {"negative count", "<numrows>2</numrows>", "<numrows>-2</numrows>"},
      {"huge count", "<numrows>2</numrows>", "<numrows>99999999999</numrows>"},
      {"too many cells", "<numrows>2</numrows>", "<numrows>100000000</numrows>"},
      {"count is text", "<numcols>2</numcols>", "<numcols>two</numcols>"},
      {"column out of order", "<colname col=\"2\">", "<colname col=\"3\">"},
      {"unknown check mode", ">box<", ">yes<"},
      {"missing column item", "  <columnformat col=\"2\"/>\n", ""},
      {"cell out of order", "<cell col=\"2\" row=\"1\" checked=\"1\">",
       "<cell col=\"0\" row=\"1\">"},
      {"cell beyond the rows", "<cell col=\"1\" row=\"2\"/>", "<cell col=\"1\" row=\"3\"/>"},
      {"row skipped", "<cell col=\"1\" row=\"2\"/>", ""},
      {"cell beyond the columns", "<cell col=\"1\" row=\"2\"/>", "<cell col=\"3\" row=\"2\"/>"},
      {"mark in a plain column", "<cell col=\"1\" row=\"1\">",
       "<cell col=\"1\" row=\"1\" checked=\"1\">"},
      {"bad mark", "checked=\"1\"", "checked=\"2\""},
      {"unknown attribute", "<cell col=\"1\" row=\"1\">", "<cell col=\"1\" row=\"1\" x=\"1\">"},
      {"repeated attribute", "<cell col=\"1\" row=\"1\">", "<cell col=\"1\" col=\"1\" row=\"1\">"},
      {"unquoted attribute", "<cell col=\"1\" row=\"1\">", "<cell col=1 row=\"1\">"},
      {"mismatched end tag", ">x</cell>", ">x</comment>"},
      {"nested element", ">x</cell>", "><b>x</b></cell>"},
      {"invalid UTF-8", ">x</cell>", ">\xC3\x28</cell>"},
      {"raw control character", ">x</cell>", ">\x01</cell>"},
      {"text between items", "  <comment>", "stray <comment>"},
      {"damaged root", "family=\"zebworks\" id=\"t\">", "family=\"zebworks\" id=\"t\"/>"},
      {"unknown root attribute", "id=\"t\">", "id=\"t\" other=\"1\">"},
      {"end tag too early", "  <colname col=\"1\">A</colname>\n", "</replist>\n"},
  };
  auto store = Target();
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.what);
    const std::string xml = Replace(kGood, d.from, d.to);
    try {
      store->ReadFromXMLString(xml, "t");
      ADD_FAILURE() << "no error";
    } catch (const zeb::EZEBRLDataError& e) {
      EXPECT_NE(std::string(e.what()).find("line"), std::string::npos) << e.what();
    }
  }
  ExpectUnchanged(*store);
}

TEST(RLXmlErrors, AllowedVariationsRead) {
  const Damage variations[] = {
      {"comment between items", "  <comment>", "  <!-- note --><comment>"},
      {"comment over lines", "  <comment>", "  <!-- a\nb\nc --><comment>"},
      {"CDATA text", ">x</cell>", "><![CDATA[x]]></cell>"},
      {"single quotes", "<cell col=\"1\" row=\"1\">", "<cell col='1' row='1'>"},
      {"item over lines", "<cell col=\"1\" row=\"1\">x</cell>",
       "<cell\n col=\"1\"\n row=\"1\"\n>x</cell\n>"},
      {"decimal reference", ">x</cell>", ">&#120;</cell>"},
      {"blanks in counts", "<numrows>2</numrows>", "<numrows> 2 </numrows>"},
      {"CR LF lines", "\n  <numcols>", "\r\n  <numcols>"},
  };
  for (const Damage& v : variations) {
    SCOPED_TRACE(v.what);
    zeb::TRLData read(nullptr);
    EXPECT_NO_THROW(read.ReadFromXMLString(Replace(kGood, v.from, v.to), "t"));
    EXPECT_EQ(read.GetElem(1, 1), "x");
  }
}

TEST(RLXmlErrors, LinesInsideAnItemAreKeptAsLineFeeds) {
  zeb::TRLData read(nullptr);
  read.ReadFromXMLString(Replace(kGood, ">x</cell>", "> a\r\nb </cell>"), "t");
  EXPECT_EQ(read.GetElem(1, 1), " a\nb ");
}

TEST(RLXmlErrors, AnOverlongItemRaises) {
  std::string huge = "<!--";
  for (int i = 0; i < 20000; ++i) huge += "xxxx\n";
  zeb::TRLData read(nullptr);
  EXPECT_THROW(read.ReadFromXMLString(Replace(kGood, "  <comment>", huge), "t"),
               zeb::EZEBRLDataError);
}

TEST(RLXmlErrors, FilesThatCannotBeReadOrWrittenRaiseIOErrorsNamingThem) {
  rltest::ScratchDir dir;
  auto store = Target();
  const std::string missing = dir.File("missing.xml");
  const std::string noFolder = dir.File("no/such/folder.xml");
  for (const std::string& name : {missing, noFolder}) {
    try {
      store->LoadFromXMLFile(name, "t");
      ADD_FAILURE() << "no error";
    } catch (const fw::EInOutError& e) {
      EXPECT_NE(std::string(e.what()).find(name), std::string::npos) << e.what();
    }
  }
  try {
    store->SaveAsXMLFile(noFolder, "t");
    ADD_FAILURE() << "no error";
  } catch (const fw::EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find(noFolder), std::string::npos) << e.what();
  }
  ExpectUnchanged(*store);
}

TEST(RLXmlErrors, SavingReplacesTheFileOnlyWhenEverythingWasWritten) {
  rltest::ScratchDir dir;
  const std::string name = dir.File("keep.xml");
  rltest::WriteFile(name, "old contents");
  auto store = rltest::HardStore();
  store->OnPercentDone = [](fw::TObject*, int percent) {
    if (percent >= 50) throw std::runtime_error("stopped");
  };
  EXPECT_THROW(store->SaveAsXMLFile(name, "x"), std::runtime_error);
  EXPECT_EQ(rltest::ReadFile(name), "old contents");
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"keep.xml"});  // no temporary file left
  store->OnPercentDone = nullptr;
  store->SaveAsXMLFile(name, "x");
  EXPECT_TRUE(zeb::CheckIfValidReplist(name, "x"));
  EXPECT_EQ(dir.Entries(), std::vector<std::string>{"keep.xml"});
}

}  // namespace
