// The line layout behind DrawText: line breaks, accelerator prefixes, word wrap, tab stops
// and ellipses, all measured with the text engine.
#include "framework/graphics/internal/draw_text_layout.h"

#include <algorithm>
#include <climits>

#include "framework/graphics/draw_text.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

constexpr std::string_view kEllipsis = "...";

int ClampToInt(long long v) {
  return int(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// The marks of [begin, end) moved to count from begin.
std::vector<std::size_t> MarksWithin(const std::vector<std::size_t>& marks, std::size_t begin,
                                     std::size_t end) {
  std::vector<std::size_t> inside;
  for (std::size_t m : marks)
    if (m >= begin && m < end) inside.push_back(m - begin);
  return inside;
}

LaidLine MakeLine(std::string_view text, const std::vector<std::size_t>& marks, std::size_t begin,
                  std::size_t end, const TextLayoutFormat& layout) {
  LaidLine line;
  line.text = std::string(text.substr(begin, end - begin));
  line.marks = MarksWithin(marks, begin, end);
  line.width = LineWidth(line.text, layout);
  return line;
}

// The byte offsets where code points of `text` start, and its end.
std::vector<std::size_t> Boundaries(std::string_view text) {
  std::vector<std::size_t> cuts;
  for (std::size_t pos = 0; pos < text.size();) {
    cuts.push_back(pos);
    NextCodePoint(text, pos);
  }
  cuts.push_back(text.size());
  return cuts;
}

// The longest cut of `cuts` (ascending) for which fits(cut) holds, fits being monotone
// (true up to some cut, false after); cuts.front() when none fits.
template <typename Fits>
std::size_t LongestFitting(const std::vector<std::size_t>& cuts, Fits fits) {
  std::size_t low = 0, high = cuts.size();  // cuts[low - 1] fits, cuts[high] does not
  if (!fits(cuts.front())) return cuts.front();
  low = 1;
  while (low < high) {
    const std::size_t mid = (low + high) / 2;
    if (fits(cuts[mid]))
      low = mid + 1;
    else
      high = mid;
  }
  return cuts[low - 1];
}

// The width of a growing line [start, end) of a paragraph. Advances add up, so without tabs
// only the new part is measured and wrapping costs time in proportion to the text's length.
class LineMeter {
 public:
  LineMeter(std::string_view text, std::size_t start, const TextLayoutFormat& layout)
      : text_(text), start_(start), measuredTo_(start), layout_(layout) {}
  long long WidthTo(std::size_t end) {
    if (layout_.tabWidth != 0) return LineWidth(text_.substr(start_, end - start_), layout_);
    width_ += MeasureText(layout_.font, text_.substr(measuredTo_, end - measuredTo_)).width;
    measuredTo_ = end;
    return width_;
  }

 private:
  std::string_view text_;
  std::size_t start_, measuredTo_;
  const TextLayoutFormat& layout_;
  long long width_ = 0;
};

// Where a wrapped line ends, and where the next one starts (npos: the paragraph is done).
struct LineBreak {
  std::size_t end = 0;
  std::size_t next = std::string::npos;
};

// Splits a word wider than the line (the line so far is [start, wordEnd)) after as many
// characters as fit, at least one; returns the length kept.
std::size_t SplitWord(std::string_view text, std::size_t start, std::size_t wordEnd,
                      const TextLayoutFormat& layout, int maxWidth) {
  const std::string_view head = text.substr(start, wordEnd - start);
  const std::vector<std::size_t> cuts = Boundaries(head);
  const std::size_t cut = LongestFitting(
      cuts, [&](std::size_t c) { return LineWidth(head.substr(0, c), layout) <= maxWidth; });
  return cut == 0 ? cuts[1] : cut;
}

// Greedy wrapping: the line from `start` takes words while they fit; the blanks before the
// word that does not fit are dropped; a word alone on its line stays whole (running past the
// edge) unless edit-control wrapping splits it.
LineBreak NextBreak(std::string_view text, std::size_t start, const TextLayoutFormat& layout,
                    int maxWidth) {
  const std::size_t n = text.size();
  LineMeter meter(text, start, layout);
  std::size_t pos = start;
  std::size_t fitEnd = std::string::npos;  // end of the last word on this line
  while (pos < n) {
    while (pos < n && IsBlank(text[pos])) ++pos;
    if (pos == n) {
      // Trailing blanks stay on the last line as long as they do not pass the edge.
      if (meter.WidthTo(n) <= maxWidth) break;
      return {fitEnd == std::string::npos ? start : fitEnd};
    }
    const std::size_t wordBegin = pos;
    while (pos < n && !IsBlank(text[pos])) ++pos;
    const std::size_t wordEnd = pos;
    if (meter.WidthTo(wordEnd) <= maxWidth) {
      fitEnd = wordEnd;
      continue;
    }
    if (fitEnd != std::string::npos) return {fitEnd, wordBegin};
    if (layout.format & DT_EDITCONTROL) {
      const std::size_t cut = start + SplitWord(text, start, wordEnd, layout, maxWidth);
      if (cut < wordEnd) return {cut, cut};
    }
    fitEnd = wordEnd;
  }
  return {n};
}

// Wraps one paragraph into `lines`.
void WrapParagraph(const std::string& text, const std::vector<std::size_t>& marks,
                   const TextLayoutFormat& layout, int maxWidth, std::vector<LaidLine>& lines) {
  for (std::size_t start = 0;;) {
    const LineBreak at = NextBreak(text, start, layout, maxWidth);
    lines.push_back(MakeLine(text, marks, start, at.end, layout));
    if (at.next == std::string::npos) return;
    start = at.next;
  }
}

// The line shortened with "..." at its end so that it fits maxWidth (the dots alone at least).
void EndEllipsis(LaidLine& line, const TextLayoutFormat& layout, int maxWidth) {
  const std::vector<std::size_t> cuts = Boundaries(line.text);
  const std::size_t keep = LongestFitting(cuts, [&](std::size_t c) {
    return LineWidth(line.text.substr(0, c) + std::string(kEllipsis), layout) <= maxWidth;
  });
  line.text = line.text.substr(0, keep) + std::string(kEllipsis);
  std::erase_if(line.marks, [keep](std::size_t m) { return m >= keep; });
}

// Characters before the last path separator are replaced by "..." until the line fits; when
// even the last part does not fit, the end is cut instead.
void PathEllipsis(LaidLine& line, const TextLayoutFormat& layout, int maxWidth) {
  const std::size_t sep = line.text.find_last_of("\\/");
  if (sep == std::string::npos || sep == 0) return EndEllipsis(line, layout, maxWidth);
  const std::string tail = line.text.substr(sep);
  const std::string_view head = std::string_view(line.text).substr(0, sep);
  auto shown = [&](std::size_t c) {
    return std::string(head.substr(0, c)) + std::string(kEllipsis) + tail;
  };
  if (LineWidth(shown(0), layout) > maxWidth) return EndEllipsis(line, layout, maxWidth);
  const std::size_t keep = LongestFitting(
      Boundaries(head), [&](std::size_t c) { return LineWidth(shown(c), layout) <= maxWidth; });
  std::vector<std::size_t> marks;
  for (std::size_t m : line.marks) {
    if (m < keep) marks.push_back(m);
    if (m >= sep) marks.push_back(m - sep + keep + kEllipsis.size());
  }
  line.text = shown(keep);
  line.marks = std::move(marks);
}

// Splits at CR, LF and CR LF.
std::vector<std::string_view> Paragraphs(std::string_view text) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    parts.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  parts.push_back(text.substr(start));
  return parts;
}

}  // namespace

std::string RemovePrefixes(std::string_view text, std::vector<std::size_t>* marks) {
  std::string shown;
  shown.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size(); ++pos) {
    if (text[pos] != '&') {
      shown += text[pos];
    } else if (pos + 1 < text.size() && text[pos + 1] == '&') {
      shown += '&';
      ++pos;
    } else if (pos + 1 < text.size() && marks) {
      // '&' is ASCII, so the byte after it starts the marked character.
      marks->push_back(shown.size());
    }
  }
  return shown;
}

TextLayoutFormat MakeLayoutFormat(const FontSpec& font, uint32_t format) {
  TextLayoutFormat layout;
  layout.font = font;
  int tabChars = 8;
  if (format & DT_TABSTOP) {
    // The tab stop takes bits 8..15, which then carry no other flag.
    tabChars = int((format >> 8) & 0xFF);
    if (tabChars == 0) tabChars = 8;
    format &= ~uint32_t(0xFF00);
  }
  layout.format = format;
  if (format & DT_EXPANDTABS)
    layout.tabWidth = std::max(1, tabChars * GetFontMetrics(font).averageCharWidth);
  return layout;
}

int WalkLine(std::string_view text, std::span<const std::size_t> marks,
             const TextLayoutFormat& layout, const LinePieceFn& piece) {
  long long x = 0;
  std::size_t start = 0;
  auto flush = [&](std::size_t end, bool underlined) {
    if (end <= start) return;
    const std::string_view part = text.substr(start, end - start);
    if (piece) piece(part, ClampToInt(x), underlined);
    x += MeasureText(layout.font, part).width;
    start = end;
  };
  std::size_t nextMark = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t at = pos;
    const char32_t c = NextCodePoint(text, pos);
    while (nextMark < marks.size() && marks[nextMark] < at) ++nextMark;
    const bool marked = nextMark < marks.size() && marks[nextMark] == at;
    if (c == U'\t' && layout.tabWidth > 0) {
      flush(at, false);
      x = (x / layout.tabWidth + 1) * layout.tabWidth;
      start = pos;
    } else if (marked) {
      flush(at, false);
      flush(pos, true);
    }
  }
  flush(text.size(), false);
  return ClampToInt(x);
}

int LineWidth(std::string_view text, const TextLayoutFormat& layout) {
  if (layout.tabWidth == 0) return MeasureText(layout.font, text).width;
  return WalkLine(text, {}, layout, nullptr);
}

std::vector<LaidLine> LayoutText(std::string_view text, const TextLayoutFormat& layout,
                                 int maxWidth) {
  std::vector<LaidLine> lines;
  if (text.empty()) return lines;
  const uint32_t format = layout.format;
  const bool single = format & DT_SINGLELINE;
  std::vector<std::string_view> paragraphs;
  if (single)
    paragraphs.push_back(text);
  else
    paragraphs = Paragraphs(text);
  for (std::string_view paragraph : paragraphs) {
    std::vector<std::size_t> marks;
    const std::string shown =
        (format & DT_NOPREFIX) ? std::string(paragraph) : RemovePrefixes(paragraph, &marks);
    if (format & DT_HIDEPREFIX) marks.clear();
    if ((format & DT_WORDBREAK) && !single)
      WrapParagraph(shown, marks, layout, maxWidth, lines);
    else
      lines.push_back(MakeLine(shown, marks, 0, shown.size(), layout));
  }
  if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) {
    for (LaidLine& line : lines) {
      if (line.width <= maxWidth) continue;
      if (format & DT_PATH_ELLIPSIS)
        PathEllipsis(line, layout, maxWidth);
      else
        EndEllipsis(line, layout, maxWidth);
      line.width = LineWidth(line.text, layout);
    }
  }
  return lines;
}

}  // namespace fw
