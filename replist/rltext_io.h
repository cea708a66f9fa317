// Internal helpers of the report list's file exchange: progress reports, buffered output to
// streams and files, line reading from streams, and outside text read as UTF-8 (whole or a
// block at a time from a file).
#pragma once

#include <cstdint>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "framework/rtl/byte_block.h"
#include "framework/rtl/file_read.h"
#include "replist/ZEB_replist.h"

namespace fw {
class TStream;
class TextFile;
}  // namespace fw

namespace zeb::rlio {

// Reports the progress of a long operation through a store's OnPercentDone: 0 at the start,
// then only when the whole percentage grows, and 100 at the end, so a handler is called at
// most 102 times however large the list is.
class Progress {
 public:
  Progress(TRLData& store, int64_t total);
  void Step(int64_t done) {
    if (total_ > 0 && done >= next_) Report(static_cast<int>(done * 100 / total_));
  }
  void Finish() { Report(100); }

 private:
  void Report(int percent);

  TRLData& store_;
  int64_t total_;
  int last_ = -1;
  int64_t next_ = 0;  // the least `done` that makes the next whole percent
};

// Collects text and hands it on in large pieces.
class TextSink {
 public:
  using Flusher = std::function<void(std::string_view)>;
  explicit TextSink(Flusher flush) : flush_(std::move(flush)) { buffer_.Reserve(kChunk + 4096); }
  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;

  void Add(std::string_view text) {
    buffer_.Append(text);
    if (buffer_.Size() >= kChunk) Flush();
  }
  // Room for n bytes of text to be written straight into the buffer; Wrote then takes the
  // end of what was written.
  char* Room(std::size_t n) {
    buffer_.ReserveMore(n);
    return buffer_.Data() + buffer_.Size();
  }
  void Wrote(const char* end) {
    buffer_.SetSize(static_cast<std::size_t>(end - buffer_.Data()));
    if (buffer_.Size() >= kChunk) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kChunk = 1 << 18;
  Flusher flush_;
  fw::ByteBlock buffer_;
};

// Lines of a stream from its position, split at LF, CR LF or a lone CR, read in large blocks.
// Finish() puts the stream's position right after the last line handed out.
class StreamLineReader {
 public:
  explicit StreamLineReader(fw::TStream& stream);
  // The next line without its line end; false when the stream has nothing left.
  bool Next(std::string& line);
  void Finish();

 private:
  bool Fill();

  fw::TStream& stream_;
  int64_t start_;
  int64_t consumed_ = 0;  // bytes of the stream handed out as lines
  std::vector<char> buffer_;
  std::size_t begin_ = 0;
  std::size_t end_ = 0;
  bool exhausted_ = false;
};

// Runs work, in which running out of memory raises the store's EZEBRLDataError ("not enough
// memory on heap") instead of letting std::bad_alloc escape.
template <class Work>
void GuardMemory(const TRLData& store, Work&& work) {
  try {
    work();
  } catch (const std::bad_alloc&) {
    throw EZEBRLDataError("Component \"" + store.Name() + "\": not enough memory on heap");
  } catch (const std::length_error&) {
    throw EZEBRLDataError("Component \"" + store.Name() + "\": not enough memory on heap");
  }
}

// A source of lines for the XML reader.
using LineSource = std::function<bool(std::string& line)>;

// Lines of a text (which must outlive the source), split like StreamLineReader's.
LineSource StringLines(std::string_view text);

// Lines of an open text file (fw::Readln), for the open-file reader.
LineSource TextFileLines(fw::TextFile& file);

// Text read from outside as UTF-8: a byte order mark is dropped, and text that is not valid
// UTF-8 is taken as code page 1252 and converted.
std::string AsUtf8Text(std::string bytes);

// A text file read as AsUtf8Text reads text, a block at a time, so that a large file is never
// held whole. The constructor reads the file once to learn whether it is UTF-8, showing each
// block as it stands in the file to `look` (for what only needs the ASCII bytes, such as
// counting lines); Next then hands out the text. Opening and reading raise what
// fw::FileReader raises.
class FileText {
 public:
  using Look = std::function<void(std::string_view bytes)>;
  FileText(const std::string& fileName, int64_t maxBytes, const Look& look);

  // Appends the next block of text to `text`; false when the file is done.
  bool Next(std::string& text);
  int64_t Size() const { return file_.Size(); }

 private:
  static constexpr std::size_t kBlock = std::size_t{1} << 20;

  fw::FileReader file_;
  std::vector<char> block_;
  bool utf8_ = true;
  bool atStart_ = true;
};

// The character a CSV delimiter choice stands for (csvAuto: the comma).
char CsvDelimiterChar(TCSVDelimiters delimiter);

// The character reference of a markup character (& < > " '), or nullptr for any other byte.
// XML and HTML write the apostrophe differently, so the caller gives its form.
inline const char* MarkupEntity(unsigned char b, const char* apostrophe) {
  switch (b) {
    case '&':
      return "&amp;";
    case '<':
      return "&lt;";
    case '>':
      return "&gt;";
    case '"':
      return "&quot;";
    case '\'':
      return apostrophe;
    default:
      return nullptr;
  }
}

// Length of the UTF-8 sequence at s[pos] when it is well-formed, else 0.
std::size_t ValidUtf8Length(std::string_view s, std::size_t pos);

}  // namespace zeb::rlio
