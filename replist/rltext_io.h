// Internal helpers of the report list's file exchange: progress reports, buffered output to
// streams and files, and line reading from streams.
#pragma once

#include <cstdint>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

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
    if (total_ > 0 && done * 100 / total_ > last_) Report(static_cast<int>(done * 100 / total_));
  }
  void Finish() { Report(100); }

 private:
  void Report(int percent);

  TRLData& store_;
  int64_t total_;
  int last_ = -1;
};

// Collects text and hands it on in large pieces.
class TextSink {
 public:
  using Flusher = std::function<void(std::string_view)>;
  explicit TextSink(Flusher flush) : flush_(std::move(flush)) { buffer_.reserve(kChunk + 4096); }
  TextSink(const TextSink&) = delete;
  TextSink& operator=(const TextSink&) = delete;

  std::string& Buffer() { return buffer_; }
  void Add(std::string_view text) {
    buffer_ += text;
    if (buffer_.size() >= kChunk) Flush();
  }
  // Call after each item written straight into Buffer().
  void Check() {
    if (buffer_.size() >= kChunk) Flush();
  }
  void Flush();

 private:
  static constexpr std::size_t kChunk = 1 << 18;
  Flusher flush_;
  std::string buffer_;
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
