// The drawing tools a canvas holds: TPen (lines and outlines), TBrush (fills) and TFont (text),
// each with the platform's defaults, an OnChange callback and Assign.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "framework/base/object.h"
#include "framework/base/set.h"
#include "framework/graphics/text_engine.h"
#include "framework/rtl/colors.h"

namespace fw {

struct TFontHandle;
using HFONT = TFontHandle*;  // an opaque font handle (see gdi.h)

enum TPenStyle : uint8_t {
  psSolid,
  psDash,
  psDot,
  psDashDot,
  psDashDotDot,
  psClear,
  psInsideFrame
};

// The sixteen binary raster operations in the platform's order.
enum TPenMode : uint8_t {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
// The R2_ code of a pen mode.
int PenModeToRop2(TPenMode mode);

class TPen : public TPersistent {
 public:
  TPen() = default;
  TPen(const TPen&) = delete;
  TPen& operator=(const TPen&) = delete;

  TColor Color() const { return color_; }
  void SetColor(TColor value);
  // Widths below 1 draw as 1.
  int Width() const { return width_; }
  void SetWidth(int value);
  TPenStyle Style() const { return style_; }
  void SetStyle(TPenStyle value);
  TPenMode Mode() const { return mode_; }
  void SetMode(TPenMode value);

  void Assign(const TPen& source);
  // From another TPen; other sources as TPersistent::Assign.
  using TPersistent::Assign;
  void Assign(TPersistent* source) override;

  std::function<void()> OnChange;

 private:
  void Changed();

  TColor color_ = clBlack;
  int width_ = 1;
  TPenStyle style_ = psSolid;
  TPenMode mode_ = pmCopy;
};

enum TBrushStyle : uint8_t {
  bsSolid,
  bsClear,
  bsHorizontal,
  bsVertical,
  bsFDiagonal,
  bsBDiagonal,
  bsCross,
  bsDiagCross
};

class TBrush : public TPersistent {
 public:
  TBrush() = default;
  TBrush(const TBrush&) = delete;
  TBrush& operator=(const TBrush&) = delete;

  // Setting a colour while the style is bsClear makes the brush solid, as the platform does.
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TBrushStyle Style() const { return style_; }
  void SetStyle(TBrushStyle value);

  // The 8 x 8 hatch of a hatch style (bit 7 - x of row y paints), nullptr for the others.
  const uint8_t* HatchBits() const;

  void Assign(const TBrush& source);
  // From another TBrush; other sources as TPersistent::Assign.
  using TPersistent::Assign;
  void Assign(TPersistent* source) override;

  std::function<void()> OnChange;

 private:
  void Changed();

  TColor color_ = clWhite;
  TBrushStyle style_ = bsSolid;
};

enum TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch : uint8_t { fpDefault, fpVariable, fpFixed };
enum TFontQuality : uint8_t {
  fqDefault,
  fqDraft,
  fqProof,
  fqNonAntialiased,
  fqAntialiased,
  fqClearType,
  fqClearTypeNatural
};
using TFontCharset = uint8_t;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;

class TFont : public TPersistent {
 public:
  TFont() = default;
  ~TFont();
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  static constexpr int PixelsPerInch = 96;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& value);
  // Points; kept in step with Height (Height = -MulDiv(Size, 96, 72)).
  int Size() const;
  void SetSize(int value);
  // Pixels: negative for the character height, positive for the cell height.
  int Height() const { return height_; }
  void SetHeight(int value);
  TColor Color() const { return color_; }
  void SetColor(TColor value);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles value);
  // Tenths of a degree, counter-clockwise.
  int Orientation() const { return orientation_; }
  void SetOrientation(int value);
  TFontQuality Quality() const { return quality_; }
  void SetQuality(TFontQuality value);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch value);
  TFontCharset Charset() const { return charset_; }
  void SetCharset(TFontCharset value);

  // A handle describing this font, owned by the font: valid until the font next changes or
  // is destroyed. Do not delete it.
  HFONT Handle() const;
  // Takes over the properties described by h, and h itself: the font deletes it when it next
  // changes or is destroyed. An unknown handle is refused with EInvalidGraphic.
  void SetHandle(HFONT h);

  // What the text engine needs to draw with this font.
  FontSpec Spec() const;

  void Assign(const TFont& source);
  // From another TFont; other sources as TPersistent::Assign.
  using TPersistent::Assign;
  void Assign(TPersistent* source) override;

  std::function<void()> OnChange;

 private:
  void Changed();
  void DropHandle() const;

  std::string name_ = "MS Sans Serif";
  int height_ = -11;  // 8 points at 96 pixels per inch
  TColor color_ = clWindowText;
  TFontStyles style_;
  int orientation_ = 0;
  TFontQuality quality_ = fqDefault;
  TFontPitch pitch_ = fpDefault;
  TFontCharset charset_ = DEFAULT_CHARSET;
  mutable HFONT handle_ = nullptr;
};

}  // namespace fw
