// ZEB_gradfl: TGradFill, a rectangle filled with a stepped colour gradient: NrColors equal bands
// across the height or the width, running from ColorFirst towards ColorLast, or symmetric with
// ColorFirst at both edges and ColorLast in the middle band. A decorative background or a
// colour scale.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/base/event.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/types.h"

namespace zeb {

// The band direction and colour rule: gtHoriz bands stacked top to bottom, gtVert bands side
// by side left to right; the mid-band types put the last colour in the middle band.
enum TGradType : uint8_t { gtHoriz, gtVert, gtMidBandHoriz, gtMidBandVert };
inline const std::vector<std::string> kGradTypeNames{"gtHoriz", "gtVert", "gtMidBandHoriz",
                                                     "gtMidBandVert"};

// Grid lines over the gradient in GridColor: gmHoriz horizontal lines, gmVert vertical ones,
// gmBoth both. The lines divide the control into NrColors equal parts in each direction named,
// one pixel wide on the first row (or column) of every part but the first, so over a gradient
// they run along the band borders and across it they cut the bands into equal cells.
enum TGridMode : uint8_t { gmNone, gmHoriz, gmVert, gmBoth };
inline const std::vector<std::string> kGridModeNames{"gmNone", "gmHoriz", "gmVert", "gmBoth"};

// One band of a gradient: its rectangle and colour.
struct TGradientBand {
  fw::TRect rect;
  fw::TColor color;
};

// The bands of a `count`-band gradient of `type` over a width x height area from `first` to
// `last` (system colours resolved). Band i covers MulDiv(i, side, count) up to MulDiv(i + 1,
// side, count); each of red, green and blue steps by MulDiv(i, last - first, count) (the last
// band stays one step short of `last`), or for the mid-band types with h = count / 2 by
// MulDiv(i, d, h) up to band h and MulDiv(count - i - 1, d, h) after it. One band is `first`.
std::vector<TGradientBand> GradientBands(TGradType type, int count, fw::TColor first,
                                         fw::TColor last, int width, int height);

class TGradFill : public fw::TGraphicControl {
 public:
  static constexpr int kMaxColors = 255;

  explicit TGradFill(fw::TComponent* AOwner);

  // The colours shown first and last. While ColorFlipped is set they show exchanged: setting
  // one of them sets the colour shown in that place, and clearing ColorFlipped shows the pair
  // as it was set before flipping (with that change in the other place).
  fw::TColor ColorFirst() const { return colorFirst_; }
  void SetColorFirst(fw::TColor value);
  fw::TColor ColorLast() const { return colorLast_; }
  void SetColorLast(fw::TColor value);
  bool ColorFlipped() const { return colorFlipped_; }
  void SetColorFlipped(bool value);

  TGradType FillType() const { return fillType_; }
  void SetFillType(TGradType value);
  // 1..255; other values are clamped.
  int NrColors() const { return nrColors_; }
  void SetNrColors(int value);
  TGridMode GridMode() const { return gridMode_; }
  void SetGridMode(TGridMode value);
  fw::TColor GridColor() const { return gridColor_; }
  void SetGridColor(fw::TColor value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);

  // After every paint.
  fw::TNotifyEvent OnPaint;

 protected:
  // The bands, the grid, then the frame, straight onto the control's canvas (the form's
  // surface is itself off-screen, so nothing flickers).
  void Paint() override;

 private:
  static bool AllFullHeight(const std::vector<TGradientBand>& bands, int height);
  static bool NarrowBands(size_t count, int width);
  void PaintColumnBands(fw::TCanvas* canvas, const std::vector<TGradientBand>& bands);
  void PaintGrid(fw::TCanvas* canvas);

  fw::TColor colorFirst_ = fw::clMaroon;
  fw::TColor colorLast_ = fw::clYellow;
  // The pair as set, unflipped: ColorFlipped exchanges only what is shown.
  fw::TColor pairFirst_ = fw::clMaroon;
  fw::TColor pairLast_ = fw::clYellow;
  bool colorFlipped_ = false;
  TGradType fillType_ = gtHoriz;
  int nrColors_ = 16;
  TGridMode gridMode_ = gmNone;
  fw::TColor gridColor_ = fw::clNavy;
  TFrameStyle frameStyle_ = fstNone;
};

}  // namespace zeb
