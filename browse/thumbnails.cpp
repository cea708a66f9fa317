// TThumbnails: construction, the published properties' setters, the range with its selection
// set, selection access and Assign.
#include <algorithm>
#include <string>

#include "browse/ZEB_Thumbnails.h"
#include "framework/base/component.h"

namespace zeb {

TThumbnails::TThumbnails(fw::TComponent* AOwner) : fw::TGraphicControl(AOwner), selection_(100) {
  SetBounds(Left(), Top(), 260, 400);
  barTracker_.Layout = [this](bool vertical) {
    return vertical ? ScrollBarLayout() : fw::TScrollBarLayout();
  };
  barTracker_.Step = [this](bool, fw::TScrollBarPart part) { BarStep(part); };
  barTracker_.ThumbTo = [this](bool, int position) { ScrollToRow(FirstRow() + position); };
}

TThumbnails::~TThumbnails() = default;

bool TThumbnails::Designing() const {
  return ComponentState().Contains(fw::csDesigning);
}

bool TThumbnails::Loading() const {
  return ComponentState().Contains(fw::csLoading);
}

// ---- range and selection set ------------------------------------------------------------

int TThumbnails::SlideCount() const {
  return static_cast<int>(std::max<int64_t>(0, int64_t{max_} - min_ + 1));
}

void TThumbnails::RangeTooLarge(int64_t count) const {
  throw EZEBThumbnailsError("Component \"" + Name() + "\": " + std::to_string(count) +
                            " slides are more than the " + std::to_string(kMaxThumbSlides) +
                            " a strip can show");
}

// The set is rebuilt so that every selected ID still in range stays selected, whatever Min
// moved by.
void TThumbnails::ApplyRange(int minValue, int maxValue) {
  const int64_t count = std::max<int64_t>(0, int64_t{maxValue} - minValue + 1);
  if (count > kMaxThumbSlides) RangeTooLarge(count);
  TBitFld kept(static_cast<int>(count));
  if (selection_.CountTrueBits() > 0) {
    const int from = std::max(min_, minValue), to = std::min(max_, maxValue);
    for (int64_t id = from; id <= to; ++id)
      if (selection_.GetBit(static_cast<int>(id - min_)))
        kept.SetBit(static_cast<int>(id - minValue), true);
  }
  selection_ = std::move(kept);
  min_ = minValue;
  max_ = maxValue;
  if (focusedSlide_ < min_ || focusedSlide_ > max_) focusedSlide_ = 0;
  if (lastClicked_ < min_ || lastClicked_ > max_) lastClicked_ = 0;
}

void TThumbnails::SetMin(int value) {
  if (value == min_) return;
  if (Loading()) {
    min_ = value;
    return;
  }
  ApplyRange(value, max_);
  Repaint();
}

void TThumbnails::SetMax(int value) {
  value = std::max(value, 1);
  if (value == max_) return;
  if (Loading()) {
    max_ = value;
    return;
  }
  ApplyRange(min_, value);
  Repaint();
}

void TThumbnails::SetRange(int minValue, int maxValue) {
  maxValue = std::max(maxValue, 1);
  if (minValue == min_ && maxValue == max_) return;
  ApplyRange(minValue, maxValue);
  Repaint();
}

// A form's Min and Max were stored as read; the pair is checked now. An oversized pair leaves
// the strip at its initial range.
void TThumbnails::Loaded() {
  fw::TGraphicControl::Loaded();
  const int minRead = min_, maxRead = max_;
  const int64_t count = std::max<int64_t>(0, int64_t{maxRead} - minRead + 1);
  min_ = 1;
  max_ = 100;
  selection_ = TBitFld(100);
  if (count > kMaxThumbSlides) RangeTooLarge(count);
  ApplyRange(minRead, maxRead);
  Repaint();
}

bool TThumbnails::Selected(int64_t id) const {
  if (id < min_ || id > max_) return false;
  return selection_.GetBit(static_cast<int>(id - min_));
}

bool TThumbnails::GetSelectedSlide(int id) const {
  return Selected(id);
}

void TThumbnails::SetSelectedSlide(int id, bool flag) {
  if (id < min_ || id > max_) return;
  selection_.SetBit(id - min_, flag);
  Repaint();
}

void TThumbnails::ResetAllSelections() {
  selection_.Clear();
  Repaint();
}

int TThumbnails::FirstSelectedSlide() const {
  return selection_.FirstTrueBit() + min_;
}

int TThumbnails::NumSlidesSelected() const {
  return selection_.CountTrueBits();
}

// ---- geometry ---------------------------------------------------------------------------

void TThumbnails::SetSlideSize(int value) {
  value = std::clamp(value, 50, std::max(50, Width()));
  if (value == slideSize_) return;
  slideSize_ = value;
  Repaint();
}

void TThumbnails::SetSlideDistance(int value) {
  value = std::clamp(value, 0, 100);
  if (value == slideDistance_) return;
  slideDistance_ = value;
  Repaint();
}

void TThumbnails::SetSlideMargin(int value) {
  value = std::clamp(value, 0, 100);
  if (value == slideMargin_) return;
  slideMargin_ = value;
  Repaint();
}

void TThumbnails::SetShowScrollBar(bool value) {
  if (value == showScrollBar_) return;
  showScrollBar_ = value;
  barTracker_.Cancel();
  Repaint();
}

// ---- look -------------------------------------------------------------------------------

void TThumbnails::SetSlideSelectMode(TSlideSelectMode value) {
  if (value == slideSelectMode_) return;
  slideSelectMode_ = value;
  selection_.Clear();
  Repaint();
}

namespace {

// The shape of every plain setter: ignore the current value, store, repaint.
template <typename T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TThumbnails::SetAntiAlias(bool value) {
  if (Store(antiAlias_, value)) Repaint();
}

void TThumbnails::SetColorBackGnd(fw::TColor value) {
  if (Store(colorBackGnd_, value)) Repaint();
}

void TThumbnails::SetColorCover(fw::TColor value) {
  if (Store(colorCover_, value)) Repaint();
}

void TThumbnails::SetColorSelected(fw::TColor value) {
  if (Store(colorSelected_, value)) Repaint();
}

void TThumbnails::SetColorFocus(fw::TColor value) {
  if (Store(colorFocus_, value)) Repaint();
}

void TThumbnails::SetColorMark(fw::TColor value) {
  if (Store(colorMark_, value)) Repaint();
}

void TThumbnails::SetColorScheme(TColorScheme value) {
  if (Store(colorScheme_, value)) Repaint();
}

void TThumbnails::SetFrameStyle(TFrameStyle value) {
  if (Store(frameStyle_, value)) Repaint();
}

void TThumbnails::SetOuterFrameStyle(TFrameStyle value) {
  if (Store(outerFrameStyle_, value)) Repaint();
}

void TThumbnails::SetInnerFrameStyle(TFrameStyle value) {
  if (Store(innerFrameStyle_, value)) Repaint();
}

// 0 ends focus tracking, and with it the focus frame on the screen.
void TThumbnails::SetFocusLinewidth(int value) {
  value = std::clamp(value, 0, 10);
  if (value == focusLinewidth_) return;
  focusLinewidth_ = value;
  if (value == 0) focusedSlide_ = 0;
  Repaint();
}

// ---- copying ----------------------------------------------------------------------------

void TThumbnails::Assign(fw::TPersistent* Source) {
  auto* source = dynamic_cast<TThumbnails*>(Source);
  if (source == nullptr) {
    fw::TGraphicControl::Assign(Source);
    return;
  }
  frameStyle_ = source->frameStyle_;
  outerFrameStyle_ = source->outerFrameStyle_;
  innerFrameStyle_ = source->innerFrameStyle_;
  colorBackGnd_ = source->colorBackGnd_;
  colorScheme_ = source->colorScheme_;
  ApplyRange(source->min_, source->max_);
  top_ = source->top_;
  columns_ = source->columns_;
  slideSize_ = source->slideSize_;
  slideDistance_ = source->slideDistance_;
  slideMargin_ = source->slideMargin_;
  OnImageRequest = source->OnImageRequest;
  OnSlideRendered = source->OnSlideRendered;
  OnImageClick = source->OnImageClick;
  OnImageDblClick = source->OnImageDblClick;
  OnFocusChange = source->OnFocusChange;
  OnFirstImageRequest = source->OnFirstImageRequest;
  antiAlias_ = source->antiAlias_;
  colorCover_ = source->colorCover_;
  colorSelected_ = source->colorSelected_;
  colorFocus_ = source->colorFocus_;
  focusedSlide_ = source->focusedSlide_;
  focusLinewidth_ = source->focusLinewidth_;
  Repaint();
}

void TThumbnails::AssignTo(fw::TPersistent* Dest) {
  if (auto* dest = dynamic_cast<TThumbnails*>(Dest)) {
    dest->Assign(this);
    return;
  }
  fw::TGraphicControl::AssignTo(Dest);
}

}  // namespace zeb
