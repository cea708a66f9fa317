// The resource table: registration, lookup ignoring case, replacement, and the files the build
// embeds from tests/data/resources.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/image/codecs.h"
#include "framework/image/resources.h"

namespace fw {
namespace {

std::vector<uint8_t> Bytes(std::span<const uint8_t> span) {
  return {span.begin(), span.end()};
}

std::vector<uint8_t> ReadTestFile(const std::string& name) {
  const char* root = std::getenv("PANEKIT_TEST_DATA");
  const std::filesystem::path dir =
      root != nullptr ? std::filesystem::path(root)
                      : std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
  std::ifstream in(dir / "resources" / name, std::ios::binary);
  EXPECT_TRUE(in.good()) << name;
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ResourceTable, LookupIgnoresCaseAndCopiesTheBytes) {
  std::vector<uint8_t> bytes{1, 2, 3};
  RegisterResource("MixedCase_Name", bytes);
  bytes[0] = 99;  // the table holds its own copy
  for (const char* name : {"MIXEDCASE_NAME", "mixedcase_name", "MixedCase_Name"}) {
    EXPECT_TRUE(ResourceExists(name)) << name;
    EXPECT_EQ(Bytes(FindResource(name)), (std::vector<uint8_t>{1, 2, 3})) << name;
  }
}

TEST(ResourceTable, MissingNamesGiveAnEmptySpan) {
  EXPECT_FALSE(ResourceExists("NO_SUCH_RESOURCE"));
  EXPECT_TRUE(FindResource("NO_SUCH_RESOURCE").empty());
  EXPECT_FALSE(ResourceExists(""));
}

TEST(ResourceTable, RegisteringAgainReplaces) {
  const std::vector<uint8_t> first{1}, second{2, 2};
  RegisterResource("replaced", first);
  RegisterResource("REPLACED", second);
  EXPECT_EQ(Bytes(FindResource("Replaced")), second);
}

TEST(EmbeddedResources, BuildEmbedsEveryFileByItsUpperCasedStem) {
  const std::vector<std::pair<const char*, const char*>> files{{"Test_Glyph.bmp", "TEST_GLYPH"},
                                                               {"notes.txt", "NOTES"}};
  for (const auto& [file, name] : files) {
    const std::vector<uint8_t> expected = ReadTestFile(file);
    ASSERT_FALSE(expected.empty()) << file;
    EXPECT_TRUE(ResourceExists(name)) << name;
    EXPECT_EQ(Bytes(FindResource(name)), expected) << name;
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(c));
    EXPECT_EQ(Bytes(FindResource(lower)), expected) << lower;
  }
}

TEST(EmbeddedResources, EmbeddedBitmapDecodes) {
  const DecodedImage image = DecodeImage(FindResource("test_glyph"));
  EXPECT_EQ(image.width, 2);
  EXPECT_EQ(image.pixels, (std::vector<TPixel>{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF}));
}

}  // namespace
}  // namespace fw
