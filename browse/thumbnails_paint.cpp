// TThumbnails painting: background, the visible slides with their image requests, the border
// bands, the scroll bar, the frame and the focus frame; HiLite and ResetLastHiLite.
#include <algorithm>
#include <cmath>
#include <string>

#include "browse/ZEB_Thumbnails.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/rtl/rounding.h"
#include "framework/rtl/scope_guard.h"

namespace zeb {

namespace {

// The fixed colours of every frame the strip draws.
const fw::TColor kFrameLight = fw::RGB(192, 192, 192);
const fw::TColor kFrameShadow = fw::RGB(128, 128, 128);

void SolidRectangle(fw::TCanvas* canvas, const fw::TRect& r, fw::TColor color) {
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(color);
  canvas->FillRect(r);
}

}  // namespace

void TThumbnails::FrameOf(fw::TCanvas* canvas, TFrameStyle style, int left, int top, int right,
                          int bottom) {
  DrawFrame(canvas, style, left, top, right, bottom, fw::clWhite, kFrameLight, kFrameShadow,
            fw::clBlack, fw::clBlack);
}

// Hides what slides leave in the top and bottom border: the bands from `inset` to `right`,
// `inset` pixels in from the top and bottom edges.
void TThumbnails::ClearBands(fw::TCanvas* canvas, int inset, int right) {
  SolidRectangle(canvas, fw::Rect(inset, inset, right, kThumbBorder), colorBackGnd_);
  SolidRectangle(canvas, fw::Rect(inset, Height() - kThumbBorder, right, Height() - inset),
                 colorBackGnd_);
}

void TThumbnails::Paint() {
  if (painting_ || (!Visible() && !Designing())) return;
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  fw::TValueRestorer running(painting_, true);
  fw::TCanvas* canvas = Canvas();
  fw::TCanvasStateSaver saved(*canvas);
  canvas->SetFont(Font());
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetStyle(fw::psSolid);
  SolidRectangle(canvas, fw::Rect(0, 0, w, h), colorBackGnd_);
  UpdateColumns();
  OnFirstImageRequest(this);
  PaintSlides(canvas);
  OnLastImageRequest(this);
  if (focusLinewidth_ > 0 && focusedSlide_ >= min_ && focusedSlide_ <= max_ && focusedSlide_ != 0)
    FocusRectangles(canvas, focusedSlide_, colorFocus_);
  ClearBands(canvas, 0, w);
  if (showScrollBar_) ScrollBarLayout().Paint(canvas);
  FrameOf(canvas, frameStyle_, 0, 0, w - 2, h - 2);
}

// A cover starting at y0 shows unless the border bands hide it whole.
bool TThumbnails::CoverShows(int y0) const {
  const int y1 = y0 + slideSize_ + 2 * slideMargin_;
  return y1 >= kThumbBorder && y0 < Height() - kThumbBorder;
}

// Column by column, each column's rows from the top: the order the requests come in. Only
// slides that show are requested.
void TThumbnails::PaintSlides(fw::TCanvas* canvas) {
  const int p = Pitch(), rows = Rows();
  const int64_t first = static_cast<int64_t>(std::floor(top_));
  const int scrolled = NearestScroll();
  auto own = std::make_shared<fw::TBitmap>();
  for (int i = 1; i <= columns_; ++i) {
    for (int j = 1; j <= rows; ++j) {
      const int64_t id = first + int64_t{j - 1} * columns_ + i - 1;
      if (id < min_ || id > max_) continue;
      const int x0 = (i - 1) * p + kThumbBorder;
      const int y0 = (j - 1) * p + slideDistance_ - scrolled + kThumbBorder;
      if (!CoverShows(y0)) continue;
      std::shared_ptr<fw::TBitmap> buffer = own;
      TImageRequestProcessing how = irpShowEmpty;
      int mark = -1;
      OnImageRequest(this, static_cast<int>(id), how, mark, buffer);
      PaintSlide(canvas, static_cast<int>(id), x0, y0, how, mark, buffer.get());
    }
  }
}

void TThumbnails::PaintSlide(fw::TCanvas* canvas, int id, int x0, int y0,
                             TImageRequestProcessing how, int mark, const fw::TBitmap* picture) {
  const int x1 = x0 + slideSize_ + 2 * slideMargin_, y1 = y0 + slideSize_ + 2 * slideMargin_;
  // The cover in its selection colour, framed.
  if (how != irpShowNothing) {
    const fw::TColor cover = Selected(id) ? colorSelected_ : colorCover_;
    SolidRectangle(canvas, fw::Rect(x0, y0, x1 + 1, y1 + 1), cover);
    FrameOf(canvas, outerFrameStyle_, x0, y0, x1, y1);
  }
  canvas->Pen()->SetColor(fw::clBlack);
  if (how == irpShowEmpty) PaintLabel(canvas, id, x0, y0);
  if (how == irpShowSlide && picture != nullptr && !picture->Empty())
    PaintPicture(canvas, *picture, x0, y0);
  if (mark != -1) {
    canvas->Pen()->SetColor(colorMark_);
    DrawMarkOnCanvas(canvas, mark & 0xFF, x0 + 10, y0 + 12);
  }
  // The application's drawing changes nothing the next slides are drawn with.
  if (OnSlideRendered) {
    fw::TCanvasStateSaver keep(*canvas);
    OnSlideRendered(this, canvas, x0, y0, id);
  }
}

// A white label with the ID centred on the cover.
void TThumbnails::PaintLabel(fw::TCanvas* canvas, int id, int x0, int y0) {
  const int m = slideMargin_, cover = slideSize_ + 2 * slideMargin_;
  const int x1 = x0 + cover, y1 = y0 + cover;
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Brush()->SetColor(fw::clWhite);
  canvas->Rectangle(x0 + m, y0 + m + 20, x1 - m, y1 - m - 20);
  canvas->Font()->SetColor(fw::clBlack);
  const std::string text = std::to_string(id);
  canvas->TextOut((x0 + x1) / 2 - canvas->TextWidth(text) / 2,
                  (y0 + y1) / 2 - canvas->TextHeight(text) / 2, text);
}

// The picture fitted into the S x S square inside the margin, keeping its aspect ratio.
void TThumbnails::PaintPicture(fw::TCanvas* canvas, const fw::TBitmap& picture, int x0, int y0) {
  const int s = slideSize_, m = slideMargin_;
  const double w = picture.Width(), h = picture.Height();
  fw::TRect r;
  if (w < h) {
    const int fitted = static_cast<int>(fw::Round(w * s / h));
    r = fw::Bounds(x0 + m + (s - fitted) / 2, y0 + m, fitted, s);
  } else {
    const int fitted = static_cast<int>(fw::Round(h * s / w));
    r = fw::Bounds(x0 + m, y0 + m + (s - fitted) / 2, s, fitted);
  }
  canvas->SetCopyMode(fw::cmSrcCopy);
  canvas->SetStretchMode(antiAlias_ ? fw::HALFTONE : fw::COLORONCOLOR);
  canvas->StretchDraw(r, &picture);
  FrameOf(canvas, innerFrameStyle_, r.Left, r.Top, r.Right, r.Bottom);
}

// ---- focus frame ------------------------------------------------------------------------

void TThumbnails::FocusRectangles(fw::TCanvas* canvas, int id, fw::TColor color) {
  int x = 0, y = 0;
  CalcSlidePos(id, x, y);
  const int cover = slideSize_ + 2 * slideMargin_;
  canvas->Pen()->SetColor(color);
  canvas->Pen()->SetWidth(1);
  canvas->Pen()->SetStyle(fw::psSolid);
  for (int k = 1; k <= focusLinewidth_; ++k) {
    DrawRectangle(canvas, x + k + 1, std::max(2, y + 2) + k - 1, x + cover - k - 1,
                  std::min(Height() - 3, y + cover - 2) - k + 1);
  }
}

// The bands cleared after a focus frame stop inside the strip's frame and left of the bar.
void TThumbnails::HiLite(int id) {
  if (id < min_ || id > max_ || id == 0 || focusLinewidth_ == 0) return;
  fw::TCanvas* canvas = Canvas();
  fw::TCanvasStateSaver saved(*canvas);
  FocusRectangles(canvas, id, colorFocus_);
  ClearBands(canvas, 2, showScrollBar_ ? ScrollBarRect().Left : Width() - 3);
}

void TThumbnails::ResetLastHiLite() {
  if (focusedSlide_ < min_ || focusedSlide_ > max_ || focusedSlide_ == 0) return;
  fw::TCanvas* canvas = Canvas();
  fw::TCanvasStateSaver saved(*canvas);
  FocusRectangles(canvas, focusedSlide_, Selected(focusedSlide_) ? colorSelected_ : colorCover_);
  ClearBands(canvas, 2, showScrollBar_ ? ScrollBarRect().Left : Width() - 3);
}

}  // namespace zeb
