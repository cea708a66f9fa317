// TSevenSeg: construction with its segment images, the properties and their cache rules,
// resizing and Assign.
#include <algorithm>
#include <array>

#include "displays/ZEB_sevenseg.h"

namespace zeb {

TSevenSeg::TSevenSeg(fw::TComponent* AOwner)
    : fw::TGraphicControl(AOwner),
      work_(std::make_unique<fw::TBitmap>(kDesignWidth, kDesignHeight)),
      classes_(std::make_unique<fw::TBitmap>()),
      cache_(std::make_unique<fw::TBitmap>()) {
  work_->SetPixelFormat(fw::pf32bit);
  SetBounds(Left(), Top(), 216, 76);
  lastWidth_ = Width();
  lastHeight_ = Height();
  InvalidateImageCache();
}

TSevenSeg::~TSevenSeg() = default;

template <typename T>
void TSevenSeg::ChangeLook(T& member, const T& value) {
  if (member == value) return;
  member = value;
  InvalidateImageCache();
  Repaint();
}

void TSevenSeg::SetCaption(const std::string& value) {
  if (value == caption_) return;
  caption_ = value;
  Repaint();
}

void TSevenSeg::SetNumDigits(int value) {
  if (value < 1 || value > kMaxDigits) return;
  ChangeLook(numDigits_, value);
}

void TSevenSeg::SetColorText(fw::TColor value) {
  ChangeLook(colorText_, value);
}
void TSevenSeg::SetColorBackGnd(fw::TColor value) {
  ChangeLook(colorBackGnd_, value);
}

void TSevenSeg::SetMargin(int value) {
  ChangeLook(margin_, std::clamp(value, 0, std::max(Height() / 2 - 1, 0)));
}

void TSevenSeg::SetInterDigDist(int value) {
  ChangeLook(interDigDist_, std::clamp(value, 0, kMaxInterDigDist));
}

void TSevenSeg::SetFrameStyle(TFrameStyle value) {
  if (value == frameStyle_) return;
  frameStyle_ = value;
  Invalidate();
}

void TSevenSeg::SetColorScheme(TColorScheme value) {
  if (value == colorScheme_) return;
  colorScheme_ = value;
  FrameColorsOfScheme(value, frameColors_[1], frameColors_[2]);
  Invalidate();
}

int TSevenSeg::UsedMargin() const {
  return std::clamp(margin_, 0, std::max((Height() - 1) / 2, 0));
}

// A new size needs a cache for it (an application's OnResize handler runs as well).
void TSevenSeg::Resize() {
  if (Width() != lastWidth_ || Height() != lastHeight_) {
    lastWidth_ = Width();
    lastHeight_ = Height();
    InvalidateImageCache();
    Repaint();
  }
  fw::TGraphicControl::Resize();
}

void TSevenSeg::Assign(fw::TPersistent* source) {
  auto* other = dynamic_cast<TSevenSeg*>(source);
  if (!other) {
    fw::TGraphicControl::Assign(source);
    return;
  }
  colorBackGnd_ = other->colorBackGnd_;
  colorText_ = other->colorText_;
  numDigits_ = other->numDigits_;
  caption_ = other->caption_;
  frameStyle_ = other->frameStyle_;
  std::copy(std::begin(other->frameColors_), std::end(other->frameColors_), frameColors_);
  colorScheme_ = other->colorScheme_;
  margin_ = other->margin_;
  interDigDist_ = other->interDigDist_;
  InvalidateImageCache();
  Invalidate();
}

}  // namespace zeb
