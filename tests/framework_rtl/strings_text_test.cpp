// The text forms of string lists: Text with mixed line breaks, comma and delimited text
// quoting with round trips, and loading and saving files and streams.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files_temp_dir.h"
#include "framework/rtl/streams.h"
#include "framework/rtl/strings.h"

namespace {

using namespace fw;
using Lines = std::vector<std::string>;
using testing_rtl::ReadBytes;
using testing_rtl::TempDir;
using testing_rtl::WriteBytes;

Lines Items(const TStrings& list) {
  Lines out;
  for (int i = 0; i < list.Count(); ++i) out.push_back(list.Strings(i));
  return out;
}

void Fill(TStrings& list, const Lines& lines) {
  list.Clear();
  for (const auto& s : lines) list.Add(s);
}

TEST(StringsText, SettingTextSplitsAtEveryLineBreakKind) {
  struct Case {
    const char* text;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"\n", {""}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\rb\r", {"a", "", "b"}},
      {"a\n\n", {"a", ""}},
      {"\xc3\xbc\r\n\xe2\x82\xac", {"\xc3\xbc", "\xe2\x82\xac"}},
  };
  for (const auto& c : cases) {
    TStringList list;
    list.SetText(c.text);
    EXPECT_EQ(Items(list), c.lines) << c.text;
  }
}

TEST(StringsText, TextEndsEveryLineSoItRoundTrips) {
  TStringList list;
  Fill(list, {"a", "", "b", ""});
  EXPECT_EQ(list.Text(), "a\n\nb\n\n");
  TStringList back;
  back.SetText(list.Text());
  EXPECT_EQ(Items(back), Items(list));
  list.SetLineBreak("\r\n");
  EXPECT_EQ(list.Text(), "a\r\n\r\nb\r\n\r\n");
  list.Clear();
  EXPECT_EQ(list.Text(), "");
}

TEST(StringsText, CommaTextQuotesWhatWouldNotSurvive) {
  struct Case {
    Lines items;
    const char* text;
  } cases[] = {
      {{}, ""},
      {{""}, "\"\""},
      {{"a", "b"}, "a,b"},
      {{"a", "", "b"}, "a,,b"},
      {{"two words"}, "\"two words\""},
      {{"x,y"}, "\"x,y\""},
      {{"say \"hi\""}, "\"say \"\"hi\"\"\""},
      {{"tab\there"}, "\"tab\there\""},
      {{"line\nbreak"}, "\"line\nbreak\""},
      {{"\xc3\xbc"
        "ber"},
       "\xc3\xbc"
       "ber"},
  };
  for (const auto& c : cases) {
    TStringList list;
    Fill(list, c.items);
    EXPECT_EQ(list.CommaText(), c.text);
  }
}

TEST(StringsText, SettingCommaTextUnquotesAndSplitsAtBlanks) {
  struct Case {
    const char* text;
    Lines items;
  } cases[] = {
      {"", {}},
      {"a,b,c", {"a", "b", "c"}},
      {"  a , b  ", {"a", "b"}},
      {"a b", {"a", "b"}},
      {"a,,b", {"a", "", "b"}},
      {"a,", {"a", ""}},
      {",", {"", ""}},
      {"\"a b\",c", {"a b", "c"}},
      {"\"say \"\"hi\"\"\"", {"say \"hi\""}},
      {"\"unterminated, text", {"unterminated, text"}},
      {"\"a\"b", {"a", "b"}},
      {"\"\"", {""}},
  };
  for (const auto& c : cases) {
    TStringList list;
    list.SetCommaText(c.text);
    EXPECT_EQ(Items(list), c.items) << c.text;
  }
}

const Lines kTricky[] = {
    {},
    {""},
    {"", ""},
    {"plain"},
    {"a", "", "c", ""},
    {" lead", "trail ", "in side"},
    {"\"", "\"\"", "x\"y"},
    {",", ";", "',"},
    {"multi\r\nline", "tab\t"},
    {"\xe2\x82\xac 5", "\xc3\xa9t\xc3\xa9"},
};

TEST(StringsText, CommaTextRoundTrips) {
  for (const auto& items : kTricky) {
    TStringList list, back;
    Fill(list, items);
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Items(back), items) << list.CommaText();
  }
}

TEST(StringsText, DelimitedTextRoundTripsWithOwnDelimiterAndQuote) {
  for (bool strict : {false, true}) {
    for (const auto& items : kTricky) {
      TStringList list, back;
      for (TStringList* l : {&list, &back}) {
        l->SetDelimiter(';');
        l->SetQuoteChar('\'');
        l->SetStrictDelimiter(strict);
      }
      Fill(list, items);
      back.SetDelimitedText(list.DelimitedText());
      // Strict mode cannot tell an empty list from one empty item: "" stays empty.
      if (strict && items.size() == 0) continue;
      EXPECT_EQ(Items(back), items) << list.DelimitedText() << (strict ? " strict" : "");
    }
  }
}

TEST(StringsText, StrictDelimiterKeepsBlanks) {
  TStringList list;
  list.SetDelimiter(';');
  list.SetStrictDelimiter(true);
  list.SetDelimitedText(" a b ; c;;");
  EXPECT_EQ(Items(list), (Lines{" a b ", " c", "", ""}));
  EXPECT_EQ(list.DelimitedText(), " a b ; c;;");
  // CommaText ignores the list's own settings.
  list.SetCommaText("x y");
  EXPECT_EQ(Items(list), (Lines{"x", "y"}));
  EXPECT_EQ(list.Delimiter(), ';');
}

TEST(StringsText, FilesLoadWithAnyLineBreakAndSkipTheByteOrderMark) {
  TempDir dir;
  WriteBytes(dir / "in.txt",
             "\xEF\xBB\xBF"
             "first\r\nsecond\rthird\n\xEF\xBB\xBF"
             "fourth");
  TStringList list;
  list.LoadFromFile(dir / "in.txt");
  EXPECT_EQ(Items(list), (Lines{"first", "second", "third",
                                "\xEF\xBB\xBF"
                                "fourth"}));
  list.SaveToFile(dir / "out.txt");
  EXPECT_EQ(ReadBytes(dir / "out.txt"), list.Text());
  TStringList back;
  back.LoadFromFile(dir / "out.txt");
  EXPECT_TRUE(back.Equals(list));
}

TEST(StringsText, FailedLoadLeavesTheListAlone) {
  TempDir dir;
  TStringList list;
  list.Add("kept");
  EXPECT_THROW(list.LoadFromFile(dir / "missing.txt"), EFOpenError);
  EXPECT_THROW(list.SaveToFile(dir / "no/such/dir.txt"), EFCreateError);
  EXPECT_EQ(Items(list), (Lines{"kept"}));
}

TEST(StringsText, StreamsLoadFromTheirPositionAndSaveAtIt) {
  TStringStream stream("skip\nread\nthis\n");
  stream.SetPosition(5);
  TStringList list;
  list.LoadFromStream(stream);
  EXPECT_EQ(Items(list), (Lines{"read", "this"}));
  TStringStream out("head:");
  out.Seek(0, soFromEnd);
  list.SaveToStream(out);
  EXPECT_EQ(out.DataString(), "head:read\nthis\n");
}

}  // namespace
