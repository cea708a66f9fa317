// Text files: writing with CRLF, reading every line-break kind, the end of the file,
// appending, shared writers, and failures that name the file.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "files_temp_dir.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/textfile.h"

namespace {

using namespace fw;
using Lines = std::vector<std::string>;
using testing_rtl::PermissionsApply;
using testing_rtl::ReadBytes;
using testing_rtl::TempDir;
using testing_rtl::WriteBytes;

Lines ReadAllLines(const std::string& path) {
  TextFile f;
  AssignFile(f, path);
  Reset(f);
  Lines lines;
  while (!Eof(f)) {
    std::string line;
    Readln(f, line);
    lines.push_back(line);
  }
  CloseFile(f);
  return lines;
}

void ExpectInOutError(const std::function<void()>& call, const std::string& message) {
  try {
    call();
    ADD_FAILURE() << "no error, expected: " << message;
  } catch (const EInOutError& e) {
    EXPECT_EQ(std::string(e.what()), message);
  }
}

TEST(TextFile, WritesLinesWithCrLf) {
  TempDir dir;
  TextFile f;
  AssignFile(f, dir / "out.csv");
  Rewrite(f);
  Write(f, "a;");
  Writeln(f, "b");
  Writeln(f);
  Writeln(f, "\xc3\xbc");
  CloseFile(f);
  EXPECT_EQ(ReadBytes(dir / "out.csv"), "a;b\r\n\r\n\xc3\xbc\r\n");
  EXPECT_EQ(ReadAllLines(dir / "out.csv"), (Lines{"a;b", "", "\xc3\xbc"}));
}

TEST(TextFile, ReadsEveryLineBreakKind) {
  struct Case {
    std::string bytes;
    Lines lines;
  } cases[] = {
      {"", {}},
      {"one", {"one"}},
      {"one\n", {"one"}},
      {"a\r\nb\nc\rd", {"a", "b", "c", "d"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r\r", {"a", ""}},
      {"\xEF\xBB\xBF"
       "bom\r\n",
       {"bom"}},
      {"\xEF\xBB", {"\xEF\xBB"}},
      {std::string("nul\0byte", 8), {std::string("nul\0byte", 8)}},
  };
  TempDir dir;
  for (const auto& c : cases) {
    WriteBytes(dir / "in.txt", c.bytes);
    EXPECT_EQ(ReadAllLines(dir / "in.txt"), c.lines) << c.bytes;
  }
}

TEST(TextFile, ReadingPastTheEndGivesEmptyLines) {
  TempDir dir;
  WriteBytes(dir / "in.txt", "last");
  TextFile f;
  AssignFile(f, dir / "in.txt");
  Reset(f);
  EXPECT_FALSE(Eoln(f));
  std::string line = "x";
  Readln(f, line);
  EXPECT_EQ(line, "last");
  EXPECT_TRUE(Eof(f));
  EXPECT_TRUE(Eoln(f));
  line = "x";
  Readln(f, line);
  EXPECT_EQ(line, "");
  EXPECT_TRUE(Eof(f));
  Reset(f);  // reopening starts at the beginning again
  Readln(f, line);
  EXPECT_EQ(line, "last");
}

TEST(TextFile, AppendAddsToTheEnd) {
  TempDir dir;
  WriteBytes(dir / "log.txt", "first\r\n");
  TextFile f;
  AssignFile(f, dir / "log.txt");
  Append(f);
  Writeln(f, "second");
  CloseFile(f);
  EXPECT_EQ(ReadAllLines(dir / "log.txt"), (Lines{"first", "second"}));
}

TEST(TextFile, SharedWritersKeepTheirOrder) {
  TempDir dir;
  TextFile f;
  AssignFile(f, dir / "shared.txt");
  Rewrite(f);
  auto header = [](TextFile& out) { Writeln(out, "<lists>"); };
  auto list = [](TextFile& out, const std::string& id) {
    Writeln(out, "<list id=\"" + id + "\"/>");
  };
  header(f);
  list(f, "a");
  list(f, "b");
  Writeln(f, "</lists>");
  CloseFile(f);
  EXPECT_EQ(ReadAllLines(dir / "shared.txt"),
            (Lines{"<lists>", "<list id=\"a\"/>", "<list id=\"b\"/>", "</lists>"}));
}

TEST(TextFile, OpeningFailuresNameTheFile) {
  TempDir dir;
  const std::string missing = dir / "missing.txt";
  TextFile f;
  AssignFile(f, missing);
  ExpectInOutError([&] { Reset(f); }, "File not found: \"" + missing + "\"");
  ExpectInOutError([&] { Append(f); }, "File not found: \"" + missing + "\"");
  EXPECT_FALSE(f.IsOpen());
  TextFile g;
  AssignFile(g, dir / "no/dir/out.txt");
  ExpectInOutError([&] { Rewrite(g); }, "Cannot create file (No such file or directory): \"" +
                                            (dir / "no/dir/out.txt") + "\"");
  TextFile d;
  AssignFile(d, dir.Path());
  EXPECT_THROW(Reset(d), EInOutError);
  EXPECT_FALSE(d.IsOpen());
  if (PermissionsApply()) {
    WriteBytes(dir / "secret", "x");
    chmod((dir / "secret").c_str(), 0);
    TextFile s;
    AssignFile(s, dir / "secret");
    ExpectInOutError([&] { Reset(s); }, "Access denied: \"" + (dir / "secret") + "\"");
  }
}

TEST(TextFile, OperationsInTheWrongStateRaise) {
  TempDir dir;
  const std::string path = dir / "f.txt";
  WriteBytes(path, "x\n");
  TextFile unassigned;
  ExpectInOutError([&] { Rewrite(unassigned); }, "File not assigned");
  TextFile f;
  AssignFile(f, path);
  std::string line;
  ExpectInOutError([&] { Readln(f, line); }, "File not open: \"" + path + "\"");
  ExpectInOutError([&] { CloseFile(f); }, "File not open: \"" + path + "\"");
  Reset(f);
  ExpectInOutError([&] { Writeln(f, "y"); }, "File not open for output: \"" + path + "\"");
  ExpectInOutError([&] { AssignFile(f, "other"); }, "File already open: \"" + path + "\"");
  Rewrite(f);
  ExpectInOutError([&] { Eof(f); }, "File not open for input: \"" + path + "\"");
  ExpectInOutError([&] { Readln(f, line); }, "File not open for input: \"" + path + "\"");
  CloseFile(f);
}

TEST(TextFile, DiskFullRaisesAndStillCloses) {
  TextFile f;
  AssignFile(f, "/dev/full");
  Rewrite(f);
  Writeln(f, "buffered");
  ExpectInOutError([&] { CloseFile(f); }, "Disk full: \"/dev/full\"");
  EXPECT_FALSE(f.IsOpen());
  Rewrite(f);
  const std::string block(1 << 16, 'x');
  ExpectInOutError([&] { Write(f, block); }, "Disk full: \"/dev/full\"");
  EXPECT_TRUE(f.IsOpen());  // closes with the object
}

TEST(TextFile, TheObjectClosesAndFlushesAnOpenFile) {
  TempDir dir;
  {
    TextFile f;
    AssignFile(f, dir / "auto.txt");
    Rewrite(f);
    Writeln(f, "kept");
  }
  EXPECT_EQ(ReadBytes(dir / "auto.txt"), "kept\r\n");
  // Rewrite on an open file starts over; Reset after writing reads what was written.
  TextFile f;
  AssignFile(f, dir / "again.txt");
  Rewrite(f);
  Writeln(f, "lost");
  Rewrite(f);
  Writeln(f, "new");
  Reset(f);
  std::string line;
  Readln(f, line);
  EXPECT_EQ(line, "new");
}

TEST(TextFile, LineBreakCanBeChangedPerFile) {
  TempDir dir;
  TextFile f;
  f.SetLineBreak("\n");
  AssignFile(f, dir / "lf.txt");
  Rewrite(f);
  Writeln(f, "a");
  Writeln(f, "b");
  CloseFile(f);
  EXPECT_EQ(ReadBytes(dir / "lf.txt"), "a\nb\n");
}

}  // namespace
