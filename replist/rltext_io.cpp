// Internal helpers of the report list's file exchange: progress, buffered sinks, block-wise
// line reading and the reading of outside text as UTF-8.
#include "replist/rltext_io.h"

#include <algorithm>
#include <cstring>

#include "framework/rtl/streams.h"
#include "framework/rtl/textfile.h"
#include "framework/rtl/utf8.h"

namespace zeb::rlio {

// ---- progress -------------------------------------------------------------------------------

Progress::Progress(TRLData& store, int64_t total) : store_(store), total_(total) {
  Report(0);
}

void Progress::Report(int percent) {
  if (percent <= last_) return;
  last_ = percent;
  // done * 100 / total reaches percent + 1 from this many on (rounded up).
  if (total_ > 0) next_ = ((static_cast<int64_t>(percent) + 1) * total_ + 99) / 100;
  if (store_.OnPercentDone) store_.OnPercentDone(&store_, percent);
}

// ---- output --------------------------------------------------------------------------------

void TextSink::Flush() {
  if (buffer_.Size() == 0) return;
  flush_(std::string_view(buffer_.Data(), buffer_.Size()));
  buffer_.SetSize(0);
}

// ---- line reading -------------------------------------------------------------------------

namespace {

// Offset of the first CR or LF among the n bytes at p, or n. The search runs in short
// windows, so a long stretch without LF (a file with CR line ends) is still read once.
std::size_t LineEnd(const char* p, std::size_t n) {
  constexpr std::size_t kWindow = 512;
  for (std::size_t at = 0; at < n; at += kWindow) {
    const std::size_t length = std::min(kWindow, n - at);
    const auto* lf = static_cast<const char*>(std::memchr(p + at, '\n', length));
    const std::size_t stop = lf != nullptr ? static_cast<std::size_t>(lf - (p + at)) : length;
    if (const auto* cr = static_cast<const char*>(std::memchr(p + at, '\r', stop)))
      return static_cast<std::size_t>(cr - p);
    if (lf != nullptr) return static_cast<std::size_t>(lf - p);
  }
  return n;
}

}  // namespace

StreamLineReader::StreamLineReader(fw::TStream& stream)
    : stream_(stream), start_(stream.Position()), buffer_(1 << 16) {}

// Moves unread bytes to the front and reads more; false when nothing more came.
bool StreamLineReader::Fill() {
  if (exhausted_) return false;
  if (begin_ > 0) {
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
  }
  if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
  const int64_t got =
      stream_.Read(buffer_.data() + end_, static_cast<int64_t>(buffer_.size() - end_));
  if (got <= 0) {
    exhausted_ = true;
    return false;
  }
  end_ += static_cast<std::size_t>(got);
  return true;
}

bool StreamLineReader::Next(std::string& line) {
  std::size_t scanned = 0;  // bytes after begin_ known to hold no line end
  for (;;) {
    const char* base = buffer_.data() + begin_;
    const std::size_t available = end_ - begin_;
    const std::size_t i = scanned + LineEnd(base + scanned, available - scanned);
    if (i < available) {
      std::size_t ending = 1;
      if (base[i] == '\r') {
        // A CR at the end of the block may be the first half of CR LF.
        if (i + 1 == available && Fill()) {
          scanned = i;
          continue;
        }
        base = buffer_.data() + begin_;
        if (i + 1 < end_ - begin_ && base[i + 1] == '\n') ending = 2;
      }
      line.assign(base, i);
      begin_ += i + ending;
      consumed_ += static_cast<int64_t>(i + ending);
      return true;
    }
    scanned = available;
    if (!Fill()) {
      if (available == 0) return false;
      line.assign(buffer_.data() + begin_, available);
      begin_ += available;
      consumed_ += static_cast<int64_t>(available);
      return true;
    }
  }
}

void StreamLineReader::Finish() {
  stream_.Seek(start_ + consumed_, fw::soFromBeginning);
}

LineSource StringLines(std::string_view text) {
  return [text, pos = std::size_t{0}](std::string& line) mutable {
    if (pos >= text.size()) return false;
    std::size_t end = pos + LineEnd(text.data() + pos, text.size() - pos);
    line.assign(text.data() + pos, end - pos);
    if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    pos = end + 1;
    return true;
  };
}

LineSource TextFileLines(fw::TextFile& file) {
  return [&file](std::string& line) {
    if (fw::Eof(file)) return false;
    fw::Readln(file, line);
    return true;
  };
}

// ---- outside text ---------------------------------------------------------------------------

namespace {

// Bytes the UTF-8 sequence led by b takes; 0 when b cannot lead one.
std::size_t SequenceLength(unsigned char b) {
  if (b < 0x80) return 1;
  if (b >= 0xC2 && b <= 0xDF) return 2;
  if (b >= 0xE0 && b <= 0xEF) return 3;
  if (b >= 0xF0 && b <= 0xF4) return 4;
  return 0;
}

}  // namespace

std::size_t ValidUtf8Length(std::string_view s, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const std::size_t length = SequenceLength(byte(pos));
  if (length <= 1) return length;
  // The lead byte's payload: the bits below its length marker.
  char32_t c = byte(pos) & (0x7F >> length);
  if (pos + length > s.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(pos + i) & 0x3F);
  }
  if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF))) return 0;
  if (c >= 0xD800 && c <= 0xDFFF) return 0;
  return length;
}

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Checks bytes as UTF-8; a sequence cut off by the block's end is left for the next block:
// its length is returned in `unfinished` (and counts as valid so far).
bool ValidUtf8(std::string_view bytes, std::size_t& unfinished) {
  unfinished = 0;
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    // Eight ASCII bytes at a time.
    if (pos + 8 <= bytes.size()) {
      uint64_t word = 0;
      std::memcpy(&word, bytes.data() + pos, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        pos += 8;
        continue;
      }
    }
    const auto b = static_cast<unsigned char>(bytes[pos]);
    if (b < 0x80) {
      ++pos;
      continue;
    }
    const std::size_t want = SequenceLength(b);
    if (want == 0) return false;
    if (pos + want > bytes.size()) {
      // Only a well-begun sequence may wait for the rest.
      for (std::size_t i = pos + 1; i < bytes.size(); ++i)
        if ((static_cast<unsigned char>(bytes[i]) & 0xC0) != 0x80) return false;
      unfinished = bytes.size() - pos;
      return true;
    }
    const std::size_t length = ValidUtf8Length(bytes, pos);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

// Appends bytes read as code page 1252.
void AppendCp1252(std::string& out, std::string_view bytes) {
  for (const char b : bytes) {
    if (static_cast<unsigned char>(b) < 0x80)
      out += b;
    else
      out += fw::Cp1252ToUtf8(static_cast<unsigned char>(b));
  }
}

}  // namespace

std::string AsUtf8Text(std::string bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.erase(0, kByteOrderMark.size());
  std::size_t unfinished = 0;
  if (ValidUtf8(bytes, unfinished) && unfinished == 0) return bytes;
  std::string converted;
  converted.reserve(bytes.size() + bytes.size() / 8);
  AppendCp1252(converted, bytes);
  return converted;
}

FileText::FileText(const std::string& fileName, int64_t maxBytes, const Look& look)
    : file_(fileName, maxBytes), block_(kBlock) {
  std::size_t carried = 0;  // bytes of a sequence the last block cut off
  for (;;) {
    const std::size_t got = file_.Read(block_.data() + carried, kBlock - carried);
    if (got == 0) break;
    look(std::string_view(block_.data() + carried, got));
    if (!utf8_) continue;
    std::size_t unfinished = 0;
    utf8_ = ValidUtf8(std::string_view(block_.data(), carried + got), unfinished);
    std::memmove(block_.data(), block_.data() + carried + got - unfinished, unfinished);
    carried = unfinished;
  }
  if (carried > 0) utf8_ = false;  // the file ends inside a sequence
  file_.Rewind();
}

bool FileText::Next(std::string& text) {
  const std::size_t got = file_.Read(block_.data(), kBlock);
  if (got == 0) return false;
  std::string_view bytes(block_.data(), got);
  if (atStart_ && bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  atStart_ = false;
  if (utf8_)
    text.append(bytes);
  else
    AppendCp1252(text, bytes);
  return true;
}

char CsvDelimiterChar(TCSVDelimiters delimiter) {
  switch (delimiter) {
    case csvSemicolon:
      return ';';
    case csvTab:
      return '\t';
    case csvSpace:
      return ' ';
    default:
      return ',';
  }
}

}  // namespace zeb::rlio
