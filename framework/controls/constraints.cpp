// TSizeConstraints: limits, clamping and copying.
#include "framework/controls/constraints.h"

#include <algorithm>

namespace fw {

namespace {

int Limit(int value, int low, int high) {
  if (low > 0) value = std::max(value, low);
  if (high > 0) value = std::min(value, high);
  return value;
}

}  // namespace

void TSizeConstraints::SetMaxHeight(int value) {
  value = std::max(value, 0);
  if (value == maxHeight_) return;
  maxHeight_ = value;
  if (maxHeight_ > 0 && maxHeight_ < minHeight_) maxHeight_ = minHeight_;
  Changed();
}

void TSizeConstraints::SetMaxWidth(int value) {
  value = std::max(value, 0);
  if (value == maxWidth_) return;
  maxWidth_ = value;
  if (maxWidth_ > 0 && maxWidth_ < minWidth_) maxWidth_ = minWidth_;
  Changed();
}

void TSizeConstraints::SetMinHeight(int value) {
  value = std::max(value, 0);
  if (value == minHeight_) return;
  minHeight_ = value;
  if (maxHeight_ > 0 && minHeight_ > maxHeight_) minHeight_ = maxHeight_;
  Changed();
}

void TSizeConstraints::SetMinWidth(int value) {
  value = std::max(value, 0);
  if (value == minWidth_) return;
  minWidth_ = value;
  if (maxWidth_ > 0 && minWidth_ > maxWidth_) minWidth_ = maxWidth_;
  Changed();
}

int TSizeConstraints::ClampWidth(int width) const {
  return Limit(width, minWidth_, maxWidth_);
}

int TSizeConstraints::ClampHeight(int height) const {
  return Limit(height, minHeight_, maxHeight_);
}

void TSizeConstraints::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TSizeConstraints*>(source);
  if (!other) {
    TPersistent::Assign(source);
    return;
  }
  maxHeight_ = other->maxHeight_;
  maxWidth_ = other->maxWidth_;
  minHeight_ = other->minHeight_;
  minWidth_ = other->minWidth_;
  Changed();
}

void TSizeConstraints::Changed() {
  if (OnChange) OnChange();
}

}  // namespace fw
