// Byte streams: the behaviour every stream shares (checked on file and memory streams alike),
// file opening failures, disk-full writes, memory and string stream helpers.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <functional>
#include <memory>

#include "files_temp_dir.h"
#include "framework/rtl/streams.h"

namespace {

using namespace fw;
using testing_rtl::PermissionsApply;
using testing_rtl::ReadBytes;
using testing_rtl::TempDir;
using testing_rtl::WriteBytes;

std::string ReadAll(TStream& s) {
  std::string text(static_cast<size_t>(s.Size() - s.Position()), '\0');
  s.ReadBuffer(text.data(), static_cast<int64_t>(text.size()));
  return text;
}

void Put(TStream& s, const std::string& text) {
  s.WriteBuffer(text.data(), static_cast<int64_t>(text.size()));
}

int OpenDescriptors() {
  int count = 0;
  if (DIR* dir = opendir("/proc/self/fd")) {
    while (readdir(dir)) ++count;
    closedir(dir);
  }
  return count;
}

// ---- behaviour shared by every stream ----

struct StreamKind {
  const char* name;
  std::function<std::unique_ptr<TStream>(const TempDir&)> make;
};

class AnyStream : public ::testing::TestWithParam<StreamKind> {
 protected:
  TempDir dir_;
  std::unique_ptr<TStream> stream_ = GetParam().make(dir_);
};

TEST_P(AnyStream, WrittenBytesReadBackFromTheBeginning) {
  const std::string bytes("a\0b\xff\r\n", 6);
  Put(*stream_, bytes);
  EXPECT_EQ(stream_->Position(), 6);
  EXPECT_EQ(stream_->Size(), 6);
  stream_->SetPosition(0);
  EXPECT_EQ(ReadAll(*stream_), bytes);
}

TEST_P(AnyStream, ReadingPastTheEndIsShortThenEmptyAndReadBufferRaises) {
  Put(*stream_, "abc");
  stream_->SetPosition(1);
  char buffer[8] = {};
  EXPECT_EQ(stream_->Read(buffer, 8), 2);
  EXPECT_EQ(std::string(buffer, 2), "bc");
  EXPECT_EQ(stream_->Read(buffer, 8), 0);
  stream_->SetPosition(1);
  try {
    stream_->ReadBuffer(buffer, 3);
    ADD_FAILURE() << "ReadBuffer past the end";
  } catch (const EReadError& e) {
    EXPECT_STREQ(e.what(), "Stream read error");
  }
  EXPECT_NO_THROW(stream_->ReadBuffer(buffer, 0));
}

TEST_P(AnyStream, SeekFromEachOriginAndNeverBeforeTheBeginning) {
  Put(*stream_, "0123456789");
  EXPECT_EQ(stream_->Seek(3, soFromBeginning), 3);
  EXPECT_EQ(stream_->Seek(2, soFromCurrent), 5);
  EXPECT_EQ(stream_->Seek(-1, soFromCurrent), 4);
  EXPECT_EQ(stream_->Seek(-2, soFromEnd), 8);
  EXPECT_THROW(stream_->Seek(-11, soFromEnd), EStreamError);
  EXPECT_THROW(stream_->Seek(-1, soFromBeginning), EInOutError);
  EXPECT_EQ(stream_->Position(), 8);
}

TEST_P(AnyStream, WritingBeyondTheEndFillsTheGapWithZeros) {
  Put(*stream_, "ab");
  stream_->SetPosition(5);
  EXPECT_EQ(stream_->Size(), 2);
  Put(*stream_, "z");
  stream_->SetPosition(0);
  EXPECT_EQ(ReadAll(*stream_), std::string("ab\0\0\0z", 6));
}

TEST_P(AnyStream, SetSizeTruncatesAndPullsThePositionBack) {
  Put(*stream_, "0123456789");
  stream_->SetSize(4);
  EXPECT_EQ(stream_->Size(), 4);
  EXPECT_EQ(stream_->Position(), 4);
  stream_->SetSize(6);
  stream_->SetPosition(0);
  EXPECT_EQ(ReadAll(*stream_), std::string("0123\0\0", 6));
}

TEST_P(AnyStream, CopyFromTakesAllOrAPart) {
  TMemoryStream source;
  std::string big(200000, 'x');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('a' + i % 26);
  Put(source, big);
  // Count 0: the whole source from its beginning, wherever its position was.
  source.SetPosition(77);
  EXPECT_EQ(stream_->CopyFrom(source, 0), static_cast<int64_t>(big.size()));
  source.SetPosition(10);
  EXPECT_EQ(stream_->CopyFrom(source, 5), 5);
  stream_->SetPosition(0);
  EXPECT_EQ(ReadAll(*stream_), big + big.substr(10, 5));
  source.SetPosition(big.size() - 3);
  EXPECT_THROW(stream_->CopyFrom(source, 10), EReadError);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, AnyStream,
    ::testing::Values(
        StreamKind{"Memory", [](const TempDir&) { return std::make_unique<TMemoryStream>(); }},
        StreamKind{"String", [](const TempDir&) { return std::make_unique<TStringStream>(); }},
        StreamKind{"File",
                   [](const TempDir& d) {
                     return std::make_unique<TFileStream>(d / "stream.bin", fmCreate);
                   }}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- file streams ----

TEST(FileStream, MissingFileRaisesOpenErrorNamingThePath) {
  TempDir dir;
  const std::string path = dir / "missing.txt";
  try {
    TFileStream f(path, fmOpenRead);
    ADD_FAILURE();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + path + "\". No such file or directory");
  }
}

TEST(FileStream, CreatingWhereNoDirectoryCanBeRaisesCreateError) {
  TempDir dir;
  WriteBytes(dir / "plain", "x");
  const std::string inFile = dir / "plain/child.txt";  // a file is no directory
  const std::string inMissing = dir / "nowhere/child.txt";
  for (const std::string& path : {inFile, inMissing}) {
    try {
      TFileStream f(path, fmCreate);
      ADD_FAILURE() << path;
    } catch (const EFCreateError& e) {
      EXPECT_EQ(std::string(e.what()).rfind("Cannot create file \"" + path + "\". ", 0), 0u);
    }
  }
  if (PermissionsApply()) {
    ASSERT_EQ(mkdir((dir / "locked").c_str(), 0555), 0);
    EXPECT_THROW(TFileStream(dir / "locked/x", fmCreate), EInOutError);
  }
}

TEST(FileStream, DirectoriesAndBadModesAreRefused) {
  TempDir dir;
  EXPECT_THROW(TFileStream(dir.Path(), fmOpenRead), EFOpenError);
  WriteBytes(dir / "a", "x");
  EXPECT_THROW(TFileStream(dir / "a", 0x0003), EFOpenError);
  EXPECT_THROW(TFileStream("", fmOpenRead), EFOpenError);
}

TEST(FileStream, OpenModesKeepTruncateAndRestrictAccess) {
  TempDir dir;
  const std::string path = dir / "data.txt";
  WriteBytes(path, "hello");
  {
    TFileStream f(path, fmOpenReadWrite);
    EXPECT_EQ(f.Size(), 5);
    f.Seek(0, soFromEnd);
    Put(f, "!");
  }
  EXPECT_EQ(ReadBytes(path), "hello!");
  {
    TFileStream f(path, fmOpenRead | fmShareDenyNone);
    EXPECT_THROW(Put(f, "x"), EWriteError);
    EXPECT_EQ(ReadAll(f), "hello!");
  }
  {
    TFileStream f(path, fmOpenWrite);
    char c;
    EXPECT_THROW(f.Read(&c, 1), EReadError);
    Put(f, "J");
  }
  EXPECT_EQ(ReadBytes(path), "Jello!");
  { TFileStream f(path, fmCreate); }
  EXPECT_EQ(ReadBytes(path), "");
}

TEST(FileStream, DiskFullWritesRaiseWithTheReason) {
  TFileStream full("/dev/full", fmOpenWrite);
  try {
    Put(full, "data");
    ADD_FAILURE();
  } catch (const EWriteError& e) {
    EXPECT_NE(std::string(e.what()).find("No space left on device"), std::string::npos);
  }
}

TEST(FileStream, HandlesCloseWithTheObjectAlsoAfterFailures) {
  TempDir dir;
  WriteBytes(dir / "a", "x");
  const int before = OpenDescriptors();
  for (int i = 0; i < 50; ++i) {
    TFileStream f(dir / "a", fmOpenRead);
    EXPECT_THROW(TFileStream(dir.Path(), fmOpenRead), EFOpenError);
  }
  EXPECT_EQ(OpenDescriptors(), before);
}

// ---- memory and string streams ----

TEST(MemoryStream, FileRoundTripKeepsEveryByte) {
  TempDir dir;
  TMemoryStream m;
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes += static_cast<char>(i);
  Put(m, bytes);
  m.SetPosition(100);  // saving does not depend on the position
  m.SaveToFile(dir / "all.bin");
  EXPECT_EQ(ReadBytes(dir / "all.bin"), bytes);
  TMemoryStream back;
  Put(back, "old");
  back.LoadFromFile(dir / "all.bin");
  EXPECT_EQ(back.Position(), 0);
  ASSERT_EQ(back.Size(), 256);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(back.Memory()), 256), bytes);
}

TEST(MemoryStream, FailedLoadKeepsTheOldContents) {
  TempDir dir;
  TMemoryStream m;
  Put(m, "keep");
  EXPECT_THROW(m.LoadFromFile(dir / "missing"), EFOpenError);
  EXPECT_EQ(m.Size(), 4);
  m.Clear();
  EXPECT_EQ(m.Size(), 0);
  EXPECT_EQ(m.Position(), 0);
}

TEST(MemoryStream, ImpossibleSizesRaiseInsteadOfCrashing) {
  TMemoryStream m;
  EXPECT_THROW(m.SetSize(-1), EStreamError);
  EXPECT_THROW(m.SetSize(INT64_MAX), EOutOfMemory);
  m.Seek(INT64_MAX, soFromBeginning);
  EXPECT_THROW(Put(m, "x"), EWriteError);
  EXPECT_THROW(m.Seek(1, soFromCurrent), EStreamError);
}

TEST(StringStream, DataStringReadStringAndWriteString) {
  TStringStream s("line one");
  EXPECT_EQ(s.Position(), 0);
  EXPECT_EQ(s.ReadString(4), "line");
  EXPECT_EQ(s.ReadString(100), " one");
  EXPECT_EQ(s.ReadString(5), "");
  s.SetPosition(5);
  s.WriteString("ONE and more");
  EXPECT_EQ(s.DataString(), "line ONE and more");
}

}  // namespace
