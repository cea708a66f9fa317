// TextFile over a C stdio stream: opening modes, line reading with all three line breaks,
// buffered writing and the errors that name the file.
#include "framework/rtl/textfile.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "framework/rtl/exceptions.h"
#include "framework/rtl/file_read.h"

namespace fw {

void TextFile::Fail(const std::string& what) const {
  throw EInOutError(what + ": \"" + fileName_ + "\"");
}

void TextFile::FailWrite(int error) const {
  if (error == ENOSPC) Fail("Disk full");
  Fail(std::string("Write error (") + std::strerror(error) + ")");
}

void TextFile::Assign(const std::string& fileName) {
  if (IsOpen()) Fail("File already open");
  fileName_ = fileName;
  assigned_ = true;
}

void TextFile::Open(const char* how, TMode mode) {
  if (!assigned_) throw EInOutError("File not assigned");
  file_.reset();
  mode_ = TMode::Closed;
  errno = 0;
  std::string reason;
  std::FILE* f = mode == TMode::Input ? OpenForInput(reason) : std::fopen(fileName_.c_str(), how);
  if (!f) {
    const int error = errno;
    if (reason.empty()) reason = std::strerror(error);
    if (error == ENOENT && mode == TMode::Input) Fail("File not found");
    if (error == ENOENT && how[0] == 'a') Fail("File not found");
    if (error == EACCES || error == EPERM) Fail("Access denied");
    Fail(std::string(mode == TMode::Input ? "Cannot open file" : "Cannot create file") + " (" +
         reason + ")");
  }
  file_.reset(f);
  struct stat info {};
  if (::fstat(fileno(f), &info) == 0 && S_ISDIR(info.st_mode)) {
    file_.reset();
    Fail("Cannot open a directory as a file");
  }
  mode_ = mode;
}

// Input comes from regular files only (a device or a pipe could block or never end).
std::FILE* TextFile::OpenForInput(std::string& reason) const {
  const int handle = OpenFileForReading(fileName_, reason);
  if (handle < 0) return nullptr;
  std::FILE* f = ::fdopen(handle, "rb");
  if (!f) {
    const int error = errno;
    ::close(handle);
    errno = error;
  }
  return f;
}

void TextFile::Rewrite() {
  Open("wbe", TMode::Output);
}

void TextFile::Reset() {
  Open("rbe", TMode::Input);
  // Skip a UTF-8 byte order mark; anything else goes back.
  const char bom[] = "\xEF\xBB\xBF";
  char head[3] = {};
  const size_t got = std::fread(head, 1, 3, file_.get());
  if (got != 3 || std::memcmp(head, bom, 3) != 0) std::rewind(file_.get());
}

void TextFile::Append() {
  // "a" creates a missing file; the platform refuses, so check first.
  struct stat info {};
  if (assigned_ && ::stat(fileName_.c_str(), &info) != 0 && errno == ENOENT) {
    file_.reset();
    mode_ = TMode::Closed;
    Fail("File not found");
  }
  Open("abe", TMode::Output);
}

void TextFile::RequireOpen(TMode mode, const char* wrongModeMessage) const {
  if (!assigned_ && !IsOpen()) throw EInOutError("File not assigned");
  if (!IsOpen()) Fail("File not open");
  if (mode_ != mode) Fail(wrongModeMessage);
}

int TextFile::Peek() {
  const int c = std::getc(file_.get());
  if (c == EOF) {
    if (std::ferror(file_.get())) Fail("Read error");
    return EOF;
  }
  std::ungetc(c, file_.get());
  return c;
}

bool TextFile::ReadLine(std::string& line) {
  RequireOpen(TMode::Input, "File not open for input");
  line.clear();
  std::FILE* f = file_.get();
  for (;;) {
    const int c = std::getc(f);
    if (c == EOF) {
      if (std::ferror(f)) Fail("Read error");
      return false;
    }
    if (c == '\n') return true;
    if (c == '\r') {
      if (Peek() == '\n') std::getc(f);
      return true;
    }
    line += static_cast<char>(c);
  }
}

void TextFile::WriteText(std::string_view text) {
  RequireOpen(TMode::Output, "File not open for output");
  errno = 0;
  if (std::fwrite(text.data(), 1, text.size(), file_.get()) != text.size())
    FailWrite(errno ? errno : EIO);
}

bool TextFile::AtEof() {
  RequireOpen(TMode::Input, "File not open for input");
  return Peek() == EOF;
}

bool TextFile::AtEoln() {
  RequireOpen(TMode::Input, "File not open for input");
  const int c = Peek();
  return c == EOF || c == '\n' || c == '\r';
}

void TextFile::Flush() {
  if (!IsOpen()) Fail("File not open");
  errno = 0;
  if (mode_ == TMode::Output && std::fflush(file_.get()) != 0) FailWrite(errno ? errno : EIO);
}

void TextFile::Close() {
  if (!IsOpen()) Fail("File not open");
  std::FILE* f = file_.release();
  mode_ = TMode::Closed;
  errno = 0;
  // fclose flushes and always releases the stream, also when it reports an error.
  if (std::fclose(f) != 0) FailWrite(errno ? errno : EIO);
}

void AssignFile(TextFile& f, const std::string& fileName) {
  f.Assign(fileName);
}
void Rewrite(TextFile& f) {
  f.Rewrite();
}
void Reset(TextFile& f) {
  f.Reset();
}
void Append(TextFile& f) {
  f.Append();
}
void Readln(TextFile& f, std::string& line) {
  f.ReadLine(line);
}

void Readln(TextFile& f) {
  std::string skipped;
  f.ReadLine(skipped);
}

void Write(TextFile& f, std::string_view text) {
  f.WriteText(text);
}

void Writeln(TextFile& f, std::string_view text) {
  f.WriteText(text);
  f.WriteText(f.LineBreak());
}

void Writeln(TextFile& f) {
  f.WriteText(f.LineBreak());
}
bool Eof(TextFile& f) {
  return f.AtEof();
}
bool Eoln(TextFile& f) {
  return f.AtEoln();
}
void Flush(TextFile& f) {
  f.Flush();
}
void CloseFile(TextFile& f) {
  f.Close();
}

}  // namespace fw
