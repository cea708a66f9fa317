// TThumbnails geometry: pitch and columns, rows and the top index, the slide at a point and a
// slide's place, and the scroll bar's range in rows.
#include <algorithm>
#include <cmath>
#include <limits>

#include "browse/ZEB_Thumbnails.h"
#include "framework/controls/scroll_bar.h"
#include "framework/rtl/rounding.h"

namespace zeb {

namespace {

int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return q;
}

int SaturatedInt(int64_t v) {
  return static_cast<int>(
      std::clamp<int64_t>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

// ---- pure geometry ------------------------------------------------------------------------

int SlidePitch(int size, int distance, int margin) {
  return size + distance + 2 * margin;
}

int ThumbColumns(int width, int distance, int pitch) {
  if (pitch <= 0) return 1;
  return static_cast<int>(std::max<int64_t>(1, FloorDiv(int64_t{width} + distance - 20, pitch)));
}

int64_t ThumbRowOf(int64_t id, int columns) {
  return FloorDiv(id - 1, std::max(columns, 1));
}

// IDs are ints: anything beyond this bound is far outside every range, and keeps the row
// arithmetic within int64_t.
constexpr double kFarId = 1e15;

double ThumbTopIndexFor(double x, int columns) {
  if (std::isnan(x)) return x;
  x = std::clamp(x, -kFarId, kFarId);
  columns = std::max(columns, 1);
  const double rowStart =
      static_cast<double>(columns) *
          static_cast<double>(FloorDiv(static_cast<int64_t>(std::floor(x - 1)), columns)) +
      1;
  return rowStart + (x - rowStart) / columns;
}

double ThumbTopRow(double topIndex, int columns) {
  if (std::isnan(topIndex)) return topIndex;
  topIndex = std::clamp(topIndex, -kFarId, kFarId);
  const double first = std::floor(topIndex);
  return static_cast<double>(ThumbRowOf(static_cast<int64_t>(first), columns)) + (topIndex - first);
}

// ---- columns and rows -------------------------------------------------------------------

int TThumbnails::BarSpace() const {
  return showScrollBar_ ? fw::kScrollBarSize : 0;
}

int TThumbnails::SlideAreaRight() const {
  return Width() - BarSpace();
}

int TThumbnails::Rows() const {
  return Height() / std::max(Pitch(), 1) + 1;
}

int TThumbnails::WholeRows() const {
  return std::max(1, (Height() - 2 * kThumbBorder) / std::max(Pitch(), 1));
}

// A new column count keeps the slide at the top in view (SetFirstThumbIx with the top index).
void TThumbnails::UpdateColumns() {
  const int columns = ThumbColumns(SlideAreaRight(), slideDistance_, Pitch());
  if (columns == columns_) return;
  columns_ = columns;
  const double x = min_ <= max_ ? std::clamp(top_, double(min_), double(max_)) : top_;
  top_ = ThumbTopIndexFor(x, columns_);
}

// ---- top index --------------------------------------------------------------------------

void TThumbnails::SetTopIndex(double value) {
  if (value == top_) return;
  top_ = value;
  Repaint();
}

void TThumbnails::SetFirstThumbIx(double x) {
  if (std::isnan(x) || min_ > max_) return;
  UpdateColumns();
  x = std::clamp(x, double(min_), double(max_));
  SetTopIndex(ThumbTopIndexFor(x, columns_));
}

// nearest(frac(top) P): the pixels the top row is scrolled up by.
int TThumbnails::NearestScroll() const {
  const double fraction = top_ - std::floor(top_);
  return static_cast<int>(fw::Round(fraction * Pitch()));
}

// ---- places -----------------------------------------------------------------------------

int TThumbnails::CalcSlideIndex(int X, int Y) const {
  const int64_t p = Pitch(), cover = slideSize_ + 2 * slideMargin_;
  if (X < kThumbBorder || X > SlideAreaRight() - kThumbBorder) return 0;
  if (Y < kThumbBorder || Y > Height() - kThumbBorder) return 0;
  const int64_t c = FloorDiv(int64_t{X} - kThumbBorder, p);
  if (X > p * c + cover + kThumbBorder || c + 1 > columns_) return 0;
  const int64_t f = NearestScroll();
  const int64_t g = FloorDiv(Y + f - slideDistance_ - kThumbBorder, p);
  const int64_t h = p * g + slideDistance_ - f + kThumbBorder;
  if (Y < h || Y > h + cover) return 0;
  const int64_t id = static_cast<int64_t>(std::floor(top_)) + g * columns_ + c;
  return id >= min_ && id <= max_ ? static_cast<int>(id) : 0;
}

void TThumbnails::CalcSlidePos(int id, int& X, int& Y) const {
  const int64_t p = Pitch();
  const int64_t k = int64_t{id} - static_cast<int64_t>(std::floor(top_));
  const int64_t column = k - FloorDiv(k, columns_) * columns_;
  X = SaturatedInt(p * column + kThumbBorder);
  Y = SaturatedInt(p * FloorDiv(k, columns_) + slideDistance_ - NearestScroll() + kThumbBorder);
}

// ---- scroll bar -------------------------------------------------------------------------

fw::TRect TThumbnails::ScrollBarRect() const {
  if (!showScrollBar_) return fw::TRect{};
  // Inside the strip's frame, which is drawn around (0, 0)-(Width - 2, Height - 2).
  return fw::Rect(Width() - 3 - fw::kScrollBarSize, 2, Width() - 3, Height() - 3);
}

int64_t TThumbnails::FirstRow() const {
  return ThumbRowOf(min_, columns_);
}

// The last row of Max shows at the bottom when this row is at the top.
int64_t TThumbnails::LastTopRow() const {
  return std::max(FirstRow(), ThumbRowOf(max_, columns_) - WholeRows() + 1);
}

fw::TScrollBarLayout TThumbnails::ScrollBarLayout() const {
  if (!showScrollBar_) return fw::TScrollBarLayout();
  const int64_t max = LastTopRow() - FirstRow();
  const int64_t row = static_cast<int64_t>(std::floor(ThumbTopRow(top_, columns_)));
  const int position = static_cast<int>(std::clamp<int64_t>(row - FirstRow(), 0, max));
  return fw::TScrollBarLayout(ScrollBarRect(), true,
                              {position, static_cast<int>(max), WholeRows()});
}

void TThumbnails::ScrollToRow(int64_t row) {
  UpdateColumns();
  row = std::clamp(row, FirstRow(), LastTopRow());
  SetTopIndex(static_cast<double>(row * columns_ + 1));
}

}  // namespace zeb
