// Text files the platform's way: AssignFile, Rewrite/Reset/Append, Readln/Write/Writeln,
// Eof and CloseFile, raising EInOutError instead of setting an I/O result.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace fw {

// One text file variable. Lines are written with "\r\n" (LineBreak; the files go to other
// programs that expect it); reading accepts "\r\n", "\n" and "\r", and a UTF-8 byte order
// mark at the start of the file is skipped. Several writers may share one open TextFile by
// reference. The file closes with the object if still open (errors then are dropped; call
// CloseFile to see them).
class TextFile {
 public:
  enum class TMode { Closed, Input, Output };

  TextFile() = default;
  ~TextFile() = default;
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  const std::string& FileName() const { return fileName_; }
  TMode Mode() const { return mode_; }
  bool IsOpen() const { return mode_ != TMode::Closed; }
  const std::string& LineBreak() const { return lineBreak_; }
  void SetLineBreak(std::string lineBreak) { lineBreak_ = std::move(lineBreak); }

  void Assign(const std::string& fileName);
  void Rewrite();
  void Reset();
  void Append();
  bool ReadLine(std::string& line);
  void WriteText(std::string_view text);
  bool AtEof();
  bool AtEoln();
  void Flush();
  void Close();

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  void Open(const char* how, TMode mode);
  std::FILE* OpenForInput(std::string& reason) const;
  void RequireOpen(TMode mode, const char* wrongModeMessage) const;
  [[noreturn]] void Fail(const std::string& what) const;
  [[noreturn]] void FailWrite(int error) const;
  int Peek();

  std::string fileName_;
  bool assigned_ = false;
  std::string lineBreak_ = "\r\n";
  std::unique_ptr<std::FILE, Closer> file_;
  TMode mode_ = TMode::Closed;
};

// Errors (fw::EInOutError) name the file: "File not found: \"<path>\"", "File not open:
// \"<path>\"", "File not open for input/output: ...", "Disk full: \"<path>\"", ...
void AssignFile(TextFile& f, const std::string& fileName);
// Create or truncate for writing; an open file is closed first.
void Rewrite(TextFile& f);
// Open an existing file for reading from its start; an open file is closed first.
void Reset(TextFile& f);
// Open an existing file for writing at its end.
void Append(TextFile& f);
// The next line without its line break. At the end of the file the line is "" (no error),
// as the platform does, so a read-then-test loop over an empty file stays harmless.
void Readln(TextFile& f, std::string& line);
void Readln(TextFile& f);  // skips a line
void Write(TextFile& f, std::string_view text);
void Writeln(TextFile& f, std::string_view text);
void Writeln(TextFile& f);
// True when no character is left (input files only).
bool Eof(TextFile& f);
// True at a line break or the end of the file (input files only).
bool Eoln(TextFile& f);
void Flush(TextFile& f);
// Closes the file; buffered data that cannot be written raises after the file is closed.
void CloseFile(TextFile& f);

}  // namespace fw
