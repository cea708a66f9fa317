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
  if (store_.OnPercentDone) store_.OnPercentDone(&store_, percent);
}

void TextSink::Flush() {
  if (buffer_.empty()) return;
  flush_(buffer_);
  buffer_.clear();
}

// ---- line reading -------------------------------------------------------------------------

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
    std::size_t i = scanned;
    while (i < available && base[i] != '\n' && base[i] != '\r') ++i;
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
    std::size_t end = pos;
    while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
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

std::size_t ValidUtf8Length(std::string_view s, std::size_t pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned char b0 = byte(pos);
  if (b0 < 0x80) return 1;
  std::size_t length = 0;
  char32_t c = 0;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2;
    c = b0 & 0x1F;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3;
    c = b0 & 0x0F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4;
    c = b0 & 0x07;
  } else {
    return 0;
  }
  if (pos + length > s.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    c = (c << 6) | (byte(pos + i) & 0x3F);
  }
  if ((length == 3 && c < 0x800) || (length == 4 && (c < 0x10000 || c > 0x10FFFF))) return 0;
  if (c >= 0xD800 && c <= 0xDFFF) return 0;
  return length;
}

std::string AsUtf8Text(std::string bytes) {
  if (bytes.size() >= 3 && bytes.compare(0, 3, "\xEF\xBB\xBF") == 0) bytes.erase(0, 3);
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
      ++pos;
      continue;
    }
    const std::size_t length = ValidUtf8Length(bytes, pos);
    if (length == 0) break;
    pos += length;
  }
  if (pos == bytes.size()) return bytes;
  std::string converted;
  converted.reserve(bytes.size() + bytes.size() / 8);
  for (const char b : bytes) {
    if (static_cast<unsigned char>(b) < 0x80)
      converted += b;
    else
      converted += fw::Cp1252ToUtf8(static_cast<unsigned char>(b));
  }
  return converted;
}

}  // namespace zeb::rlio
