// CheckIfValidReplist: which lines count as the start of a report list, identifiers matched
// without regard to case and blanks, the stream form's position, and unreadable files.
#include <gtest/gtest.h>

#include <string>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/streams.h"
#include "replist/ZEB_replist.h"
#include "rldata_test_support.h"
#include "rltext_test_support.h"

namespace {

struct CheckCase {
  const char* text;
  const char* dataId;
  bool found;
};

TEST(RLXmlCheck, RecognisesRootLinesByMarkerAndIdentifier) {
  const std::string prices =
      "<?xml version=\"1.0\"?>\n<replist family=\"zebworks\" id=\"Prices\">\n</replist>\n";
  const std::string two =
      "<replist family=\"zebworks\" id=\"a\">\n</replist>\n"
      "<replist family=\"zebworks\" id=\"b\">\n</replist>\n";
  const CheckCase cases[] = {
      {prices.c_str(), "prices", true},
      {prices.c_str(), "PRICES", true},
      {prices.c_str(), "", true},
      {prices.c_str(), "stock", false},
      {"<replist id=\"x\">\n", "x", false},  // no marker word
      {"<replist id=\"x\">\n", "", false},
      {"<REPLIST ZEBWORKS>\n", "", true},  // no identifier
      {"<REPLIST ZEBWORKS>\n", "x", false},
      {two.c_str(), "b", true},
      {"<replist zebworks id=\" b \">\n", "b", true},  // blanks around
      {"<replist zebworks id=\" b \">\n", " B ", true},
      {"<replist zebworks id=\"b\">", "b", true},  // no line end
      {"", "", false},
      {"zebworks\n<replist id=\"a\">\n", "a", false},        // marker on another line
      {"<replist zebworks id=\"a&amp;b\">\n", "a&b", true},  // references decoded
      {"<replist zebworks id=\"&#x41;\">\n", "a", true},
      {"<replist zebworks id=\"open\n", "open", true},  // no closing quote
  };
  rltest::ScratchDir dir;
  for (const CheckCase& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " / " + c.dataId);
    rltest::WriteFile(dir.File("c.xml"), c.text);
    EXPECT_EQ(zeb::CheckIfValidReplist(dir.File("c.xml"), c.dataId), c.found);
    fw::TStringStream stream(c.text);
    EXPECT_EQ(zeb::CheckIfValidReplist(stream, c.dataId), c.found);
  }
}

TEST(RLXmlCheck, AcceptsEveryListTheWriterProduces) {
  const std::string ids[] = {"Prices", "a&b <c> \"q\" 'x'", "Größe", "", " padded ", "TAB\tid"};
  auto store = rltest::HardStore();
  for (const std::string& id : ids) {
    for (const bool declaration : {true, false}) {
      fw::TStringStream stream;
      store->WriteToXMLStream(stream, declaration, id);
      stream.SetPosition(0);
      EXPECT_TRUE(zeb::CheckIfValidReplist(stream, id)) << id;
      stream.SetPosition(0);
      EXPECT_TRUE(zeb::CheckIfValidReplist(stream, "")) << id;
      // And the reader finds it by that identifier too.
      zeb::TRLData read(nullptr);
      read.ReadFromXMLString(stream.DataString(), id);
      EXPECT_EQ(read.DataID(), id);
    }
  }
}

TEST(RLXmlCheck, TheStreamStaysAfterTheMatchingLine) {
  const std::string text = "x\n<replist zebworks id=\"a\">\nnext\n";
  fw::TStringStream stream(text);
  ASSERT_TRUE(zeb::CheckIfValidReplist(stream, "a"));
  EXPECT_EQ(stream.Position(), static_cast<int64_t>(text.find("next")));
  fw::TStringStream other(text);
  ASSERT_FALSE(zeb::CheckIfValidReplist(other, "b"));
  EXPECT_EQ(other.Position(), static_cast<int64_t>(text.size()));
}

TEST(RLXmlCheck, AFileThatCannotBeReadRaisesTheIOErrorWithItsName) {
  rltest::ScratchDir dir;
  try {
    zeb::CheckIfValidReplist(dir.File("missing.xml"), "");
    FAIL() << "no error";
  } catch (const fw::EInOutError& e) {
    EXPECT_NE(std::string(e.what()).find("missing.xml"), std::string::npos);
  }
}

TEST(RLXmlCheck, TagTableClassifiesExactly) {
  EXPECT_EQ(zeb::RepListXmlTagOf("numcols"), zeb::xmlNumCols);
  EXPECT_EQ(zeb::RepListXmlTagOf("/replist"), zeb::xmlEndReplist);
  EXPECT_EQ(zeb::RepListXmlTagOf("commonheader"), zeb::xmlCommonHd);
  EXPECT_EQ(zeb::RepListXmlTagOf("Cell"), zeb::xmlInvalid);
  EXPECT_EQ(zeb::RepListXmlTagOf("invalidtag"), zeb::xmlInvalid);
  for (int tag = zeb::xmlNumCols; tag < zeb::xmlInvalid; ++tag)
    EXPECT_EQ(zeb::RepListXmlTagOf(zeb::RepListXmlTagText[tag]), tag);
}

}  // namespace
