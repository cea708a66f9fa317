// The files the report list writes stay byte for byte what they have always been: CSV with
// every delimiter and quoting choice, ranges with column 0, and XML, from a list of tricky
// cells (quotes, delimiters, line ends of all kinds, markup, non-ASCII and invalid bytes, a
// byte order mark, controls, blanks around, 255-character cells, check marks).
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "framework/rtl/streams.h"
#include "replist/ZEB_replist.h"
#include "rltext_test_support.h"

namespace {

uint64_t Fnv1a(const std::string& bytes) {
  uint64_t hash = 1469598103934665603ULL;
  for (const unsigned char b : bytes) {
    hash ^= b;
    hash *= 1099511628211ULL;
  }
  return hash;
}

std::unique_ptr<zeb::TRLData> TrickyStore() {
  auto store = rltest::HardStore();
  store->SetElem(5, 2,
                 "\xEF\xBB\xBF"
                 "starts with a byte order mark");
  store->SetElem(5, 3, "bad \xFF byte \xC3");
  store->SetElem(5, 4, "\t");
  store->SetElem(5, 5, "\"");
  store->SetElem(5, 6, std::string(255, 'w'));
  store->SetElem(5, 7, "tail blank ");
  return store;
}

struct Golden {
  std::size_t size;
  uint64_t hash;
};

TEST(RLTextGolden, CsvFilesKeepTheirBytes) {
  struct Case {
    zeb::TCSVDelimiters delimiter;
    bool quoteAll, names;
    Golden golden;
  };
  const Case cases[] = {
      {zeb::csvComma, false, false, {1863, 0x341ca3fb6916551dULL}},
      {zeb::csvComma, false, true, {1913, 0x0cc6cc964a7c4ee4ULL}},
      {zeb::csvComma, true, false, {1949, 0x8b5edf22a8e3bef9ULL}},
      {zeb::csvComma, true, true, {2005, 0xff83cea1386b72e8ULL}},
      {zeb::csvSemicolon, false, false, {1869, 0x47747b9cd1a3577dULL}},
      {zeb::csvSemicolon, false, true, {1919, 0x900791fc7e006a26ULL}},
      {zeb::csvSemicolon, true, false, {1949, 0x5d304788cf62cbffULL}},
      {zeb::csvSemicolon, true, true, {2005, 0xae7a42a3a54701f0ULL}},
      {zeb::csvTab, false, false, {1863, 0xf9550bd940afb2b9ULL}},
      {zeb::csvTab, false, true, {1913, 0x87128b060f4ffcdaULL}},
      {zeb::csvTab, true, false, {1949, 0xc4208d2f710083fbULL}},
      {zeb::csvTab, true, true, {2005, 0x3b8c866e195934ecULL}},
      {zeb::csvSpace, false, false, {1887, 0x9d4ff879a715f9afULL}},
      {zeb::csvSpace, false, true, {1937, 0xc38197544bcf8f02ULL}},
      {zeb::csvSpace, true, false, {1949, 0x3f9c31cdeaaa20f1ULL}},
      {zeb::csvSpace, true, true, {2005, 0x2e19801621085fb8ULL}},
  };
  rltest::ScratchDir dir;
  const auto store = TrickyStore();
  const auto expect = [&](const Golden& golden) {
    const std::string bytes = rltest::ReadFile(dir.File("t.csv"));
    EXPECT_EQ(bytes.size(), golden.size);
    EXPECT_EQ(Fnv1a(bytes), golden.hash);
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.delimiter) + (c.quoteAll ? " quoted" : "") +
                 (c.names ? " with names" : ""));
    store->ExportCSV(dir.File("t.csv"), c.delimiter, c.names, c.quoteAll);
    expect(c.golden);
  }
  store->ExportCSV(dir.File("t.csv"), zeb::csvComma, true, false, 0, 2, 3, 9);
  expect({692, 0x0bc8799059d3a347ULL});
  store->ExportCSV(dir.File("t.csv"), zeb::csvComma, false, false, 4, 1, 4, 13);
  expect({511, 0x5329c388dd976b3aULL});
}

TEST(RLTextGolden, XmlKeepsItsBytes) {
  const auto store = TrickyStore();
  const Golden goldens[] = {{7106, 0xaf7a35f3a303de6aULL}, {7145, 0xcdf93798a03453d5ULL}};
  for (const bool declaration : {false, true}) {
    fw::TStringStream stream;
    store->WriteToXMLStream(stream, declaration, "Prices & <more>");
    const std::string bytes = stream.DataString();
    EXPECT_EQ(bytes.size(), goldens[declaration].size);
    EXPECT_EQ(Fnv1a(bytes), goldens[declaration].hash);
  }
}

}  // namespace
