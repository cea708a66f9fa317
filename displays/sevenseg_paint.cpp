// TSevenSeg painting: the caption walked into digit cells, each copied from the cache (with
// the corner of the "." cell for a dot).
#include <string_view>

#include "displays/ZEB_sevenseg.h"
#include "framework/graphics/canvas.h"
#include "framework/rtl/utf8.h"

namespace zeb {

namespace {

constexpr int kDotCell = kSevenSegChars - 1;

// The cell of the (upper-cased) character in SevenSegCharList, -1 for one it cannot show.
int CellOf(char32_t c) {
  c = fw::UpCaseChar(c);
  const std::string_view list = SevenSegCharList;
  int cell = 0;
  for (std::size_t pos = 0; pos < list.size(); ++cell)
    if (fw::NextCodePoint(list, pos) == c) return cell;
  return -1;
}

bool IsSeparator(char32_t c) {
  return c == '.' || c == ',';
}

}  // namespace

void TSevenSeg::PaintDigit(fw::TCanvas* canvas, int left, int charIndex, bool withDot) {
  const int d = cellWidth_, h = cache_->Height(), margin = UsedMargin();
  if (charIndex >= 0) {
    canvas->CopyRect(fw::Rect(left, margin, left + d, margin + h), cache_->Canvas(),
                     fw::Rect(d * charIndex, 0, d * (charIndex + 1), h));
  }
  if (withDot) {
    const int dx = d * 5 / 6, dy = h * 5 / 6;
    canvas->CopyRect(fw::Rect(left + dx, dy + margin, left + d, margin + h), cache_->Canvas(),
                     fw::Rect(d * kDotCell + dx, dy, d * (kDotCell + 1), h));
  }
}

// Every digit cell takes one character, with the dot of a separator right after it; a
// separator alone takes a blank cell with its dot. Drawn straight onto the canvas: the form's
// surface is itself off-screen, so nothing flickers.
void TSevenSeg::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  EnsureImageCache();
  fw::TCanvas* canvas = Canvas();
  fw::TCanvasStateSaver saved(*canvas);
  canvas->SetCopyMode(fw::cmSrcCopy);
  canvas->Pen()->SetColor(colorBackGnd_);
  canvas->Brush()->SetColor(colorBackGnd_);
  canvas->Rectangle(0, 0, w, h);
  const std::string_view text = caption_;
  std::size_t pos = 0;
  for (int digit = 0; digit < numDigits_ && pos < text.size(); ++digit) {
    const char32_t c = fw::NextCodePoint(text, pos);
    bool withDot = IsSeparator(c);
    int cell = withDot ? -1 : CellOf(c);
    if (!withDot && pos < text.size()) {
      std::size_t next = pos;
      if (IsSeparator(fw::NextCodePoint(text, next))) {
        withDot = true;
        pos = next;
      }
    }
    PaintDigit(canvas, digit * (cellWidth_ + interDigDist_) + UsedMargin(), cell, withDot);
  }
  DrawFrame(canvas, frameStyle_, 0, 0, w - 1, h - 1, 0xFFFFFF, 0xC0C0C0, 0x808080, fw::clBlack,
            fw::clBlack);
}

}  // namespace zeb
