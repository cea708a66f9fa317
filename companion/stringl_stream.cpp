// ReadLnStream: one text line at a time from a byte stream.
#include <algorithm>
#include <array>

#include "companion/ZEB_stringl.h"
#include "framework/rtl/streams.h"

namespace zeb {
namespace {

constexpr int64_t kChunk = 512;

// Where to cut data near `limit` without splitting a UTF-8 sequence: before the sequence that
// crosses the limit, or after it when it is the first character (a cap never yields nothing).
std::size_t CutBeforeSplitSequence(const std::string& data, std::size_t limit) {
  const auto continuation = [&](std::size_t i) {
    return i < data.size() && (static_cast<unsigned char>(data[i]) & 0xC0) == 0x80;
  };
  if (!continuation(limit)) return limit;
  std::size_t lead = limit;
  while (lead > 0 && limit - lead < 3 && continuation(lead)) --lead;
  if (lead > 0) return lead;
  std::size_t end = 1;
  while (end < data.size() && end < 4 && continuation(end)) ++end;
  return std::max(end, limit);
}

}  // namespace

std::string ReadLnStream(fw::TStream& Stream, bool& Eof, int MaxLength) {
  const int64_t start = Stream.Position();
  const bool limited = MaxLength > 0;
  std::string data;
  std::array<char, kChunk> buffer{};
  bool atEnd = false;
  std::size_t scanned = 0;
  std::size_t lineEnd = std::string::npos;
  for (;;) {
    lineEnd = data.find_first_of("\r\n", scanned);
    // A CR as the last byte read may be the start of CR LF: read on to see.
    const bool needMore =
        lineEnd == std::string::npos || (data[lineEnd] == '\r' && lineEnd + 1 == data.size());
    if (!needMore || atEnd) break;
    if (limited && lineEnd == std::string::npos &&
        data.size() > static_cast<std::size_t>(MaxLength))
      break;
    scanned = lineEnd == std::string::npos ? data.size() : lineEnd;
    const int64_t got = Stream.Read(buffer.data(), kChunk);
    if (got <= 0) {
      atEnd = true;
    } else {
      data.append(buffer.data(), static_cast<std::size_t>(got));
    }
  }
  std::size_t length = lineEnd == std::string::npos ? data.size() : lineEnd;
  std::size_t endLength = 0;
  if (lineEnd != std::string::npos) {
    endLength =
        (data[lineEnd] == '\r' && lineEnd + 1 < data.size() && data[lineEnd + 1] == '\n') ? 2 : 1;
  }
  if (limited && length > static_cast<std::size_t>(MaxLength)) {
    const std::size_t cut = CutBeforeSplitSequence(data, static_cast<std::size_t>(MaxLength));
    if (cut < length) {
      length = cut;
      endLength = 0;  // the rest of the line and its end come with the next call
    }
  }
  Stream.SetPosition(start + static_cast<int64_t>(length + endLength));
  Eof = Stream.Position() >= Stream.Size();
  data.resize(length);
  return data;
}

}  // namespace zeb
