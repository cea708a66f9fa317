// TSizeConstraints: the smallest and largest width and height a control accepts (0: no
// limit), applied by the control's SetBounds.
#pragma once

#include <functional>

#include "framework/base/object.h"

namespace fw {

class TSizeConstraints : public TPersistent {
 public:
  int MaxHeight() const { return maxHeight_; }
  int MaxWidth() const { return maxWidth_; }
  int MinHeight() const { return minHeight_; }
  int MinWidth() const { return minWidth_; }
  // Negative values count as 0. A maximum below the minimum raises the maximum to it, a
  // minimum above the maximum lowers the minimum to it.
  void SetMaxHeight(int value);
  void SetMaxWidth(int value);
  void SetMinHeight(int value);
  void SetMinWidth(int value);

  // The size within the limits.
  int ClampWidth(int width) const;
  int ClampHeight(int height) const;

  void Assign(TPersistent* source) override;

  // Called after a limit changes (the control then applies it to its size).
  std::function<void()> OnChange;

 private:
  void Changed();

  int maxHeight_ = 0;
  int maxWidth_ = 0;
  int minHeight_ = 0;
  int minWidth_ = 0;
};

}  // namespace fw
