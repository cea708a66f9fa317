// String helpers: number text, tokens, padding, searching, character edits, folder paths and
// passwords.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "companion/ZEB_stringl.h"
#include "framework/rtl/numtext.h"
#include "framework/rtl/utf8.h"

namespace {

TEST(Strff, FixedAndScientificForms) {
  EXPECT_EQ(zeb::strff(7, 1, 2), "7.00");
  EXPECT_EQ(zeb::strff(-2.5, 1, 0), "-3");  // halves away from zero, as Str
  EXPECT_EQ(zeb::strff(3.14159, 8, 3), "   3.142");
  EXPECT_EQ(zeb::strff(0.000123, 1, 6), "0.000123");
  EXPECT_EQ(zeb::strff(12345.678, 3, 1), "12345.7");
  EXPECT_EQ(zeb::strff(1234.5, 12, -1), fw::Str(1234.5, 12));
  EXPECT_NE(zeb::strff(1234.5, 12, -1).find('E'), std::string::npos);
}

TEST(Tokenize, EmptyDelimiterOnlyAndEmptyParts) {
  struct Case {
    std::string text, delim;
    std::vector<std::string> parts;
  };
  const std::vector<Case> cases = {
      {"", "|", {}},
      {"|", "|", {"", ""}},
      {"||", "|", {"", "", ""}},
      {"abc", "|", {"abc"}},
      {"a|b|c", "|", {"a", "b", "c"}},
      {"a||b", "|", {"a", "", "b"}},
      {"line 1\nline 2\n", "\n", {"line 1", "line 2", ""}},
      {"a; b; c", "; ", {"a", "b", "c"}},
      {"a|b", "", {"a|b"}},
      {"für|Straße", "|", {"für", "Straße"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<std::string> parts = {"stale"};
    EXPECT_EQ(zeb::Tokenize(c.text, c.delim, parts), static_cast<int>(c.parts.size()));
    EXPECT_EQ(parts, c.parts);
  }
}

TEST(LeftString, PadsOrCutsToExactlyLenCharacters) {
  EXPECT_EQ(zeb::LeftString("A", 4), "A   ");
  EXPECT_EQ(zeb::LeftString("zzz", 4), "zzz ");
  EXPECT_EQ(zeb::LeftString("abcdef", 3), "abc");
  EXPECT_EQ(zeb::LeftString("", 2), "  ");
  EXPECT_EQ(zeb::LeftString("abc", 0), "");
  EXPECT_EQ(zeb::LeftString("abc", -5), "");
  // Characters, not bytes.
  EXPECT_EQ(zeb::LeftString("Äö", 3), "Äö ");
  EXPECT_EQ(zeb::LeftString("ÄöÜ", 2), "Äö");
}

TEST(NumberedPos, NthOccurrenceFromStart) {
  struct Case {
    std::string sub, s;
    int start, n;
    bool ignoreCase;
    int expected;
  };
  const std::vector<Case> cases = {
      {".", "1.5", 1, 1, false, 2},   {".", "1.5", 3, 1, false, 0},
      {".", "1.5.7", 3, 1, false, 4}, {".", "1.5.7", 1, 2, false, 4},
      {".", "1.5.7", 1, 3, false, 0}, {"aa", "aaaa", 1, 2, false, 3},
      {"b", "abAB", 1, 2, true, 4},   {"b", "abAB", 1, 2, false, 0},
      {"x", "äöx", 1, 1, false, 3},   {"", "abc", 1, 1, false, 0},
      {"a", "abc", 1, 0, false, 0},   {"a", "abc", -3, 1, false, 1},
      {"c", "abc", 9, 1, false, 0},   {"Ä", "xä", 1, 1, true, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sub + " in " + c.s);
    EXPECT_EQ(zeb::NumberedPos(c.sub, c.s, c.start, c.n, c.ignoreCase), c.expected);
  }
}

TEST(CharEdits, ControlCharsReplaceStripAndEnsure) {
  EXPECT_EQ(zeb::RemoveControlChars("a\tb\r\nc\x7F"
                                    "d\u0085e"),
            "abcde");
  EXPECT_EQ(zeb::RemoveControlChars("Grüße"), "Grüße");
  EXPECT_EQ(zeb::ReplaceCharInString("1.234.5", U'.', U','), "1,234,5");
  EXPECT_EQ(zeb::ReplaceCharInString("a°b", U'°', U'x'), "axb");
  EXPECT_EQ(zeb::ReplaceCharInString("abc", U'x', U'y'), "abc");
  EXPECT_EQ(zeb::StripLeadingChars(U'/', "//a/b//"), "a/b//");
  EXPECT_EQ(zeb::StripTrailingChars(U'/', "//a/b//"), "//a/b");
  EXPECT_EQ(zeb::StripTrailingChars(U'/', "///"), "");
  EXPECT_EQ(zeb::StripLeadingChars(U'ä', "ääb"), "b");
  EXPECT_EQ(zeb::EnsureTrailingChar(U';', "a"), "a;");
  EXPECT_EQ(zeb::EnsureTrailingChar(U';', "a;"), "a;");
  EXPECT_EQ(zeb::EnsureTrailingChar(U';', ""), ";");
}

TEST(Paths, TrailingDelimiterAndParent) {
  EXPECT_EQ(zeb::EnsureTrailingBkSlash("/usr/lib"), "/usr/lib/");
  EXPECT_EQ(zeb::EnsureTrailingBkSlash("/usr/lib/"), "/usr/lib/");
  EXPECT_EQ(zeb::EnsureTrailingBkSlash(""), "/");
  const std::pair<std::string, std::string> parents[] = {
      {"/a/b/c/", "/a/b/"},
      {"/a/b/c", "/a/b/"},
      {"/a/", "/"},
      {"/a", "/"},
      {"/", ""},
      {"", ""},
      {"a", ""},
      {"a/b/", "a/"},
      {"/a//b//", "/a/"},
      {"///", ""},
  };
  for (const auto& [path, parent] : parents) EXPECT_EQ(zeb::ParentDir(path), parent) << path;
}

TEST(Paths, ParentDirWalksUpToTheTop) {
  // The folder tree falls back to parents until the path is empty: it must get there.
  std::string path = "/home/user/deep/er/";
  int steps = 0;
  while (!path.empty() && steps < 10) {
    path = zeb::ParentDir(path);
    ++steps;
  }
  EXPECT_TRUE(path.empty());
  EXPECT_EQ(steps, 5);
}

TEST(Paths, DirExists) {
  const auto dir = std::filesystem::temp_directory_path() / "corekit_direxists";
  std::filesystem::create_directories(dir);
  EXPECT_TRUE(zeb::DirExists(dir.string()));
  EXPECT_TRUE(zeb::DirExists(dir.string() + "/"));
  const auto file = dir / "file.txt";
  {
    std::FILE* f = std::fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
  }
  EXPECT_FALSE(zeb::DirExists(file.string()));
  EXPECT_FALSE(zeb::DirExists((dir / "missing").string()));
  EXPECT_FALSE(zeb::DirExists(""));
  std::filesystem::remove_all(dir);
}

TEST(InventPassword, LengthAlphabetAndVariety) {
  EXPECT_EQ(zeb::InventPassword(0), "");
  EXPECT_EQ(zeb::InventPassword(-3), "");
  std::set<std::string> seen;
  std::set<char> used;
  for (int i = 0; i < 200; ++i) {
    const std::string p = zeb::InventPassword(12);
    ASSERT_EQ(p.size(), 12u);
    for (char c : p) {
      EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c))) << p;
      used.insert(c);
    }
    seen.insert(p);
  }
  EXPECT_EQ(seen.size(), 200u);
  // 2400 draws from 62 characters: every one of them turns up.
  EXPECT_EQ(used.size(), 62u);
}

}  // namespace
