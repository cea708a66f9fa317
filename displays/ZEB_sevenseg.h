// ZEB_sevenseg: TSevenSeg, a short text shown as a row of slanted seven-segment digits. Each of
// the 21 characters it can show is composed once (for all displays of the program) at a design
// resolution of 312 x 432 pixels from six segment images (the resources "SEGHORZ", "SEGVERT",
// "SEGDOT", "SEGPLUS", "SEGCOLON" and "SEGDEG"), scaled into a cache strip of one cell per
// character, and painting only copies cells of that strip. The cache is rebuilt when the size, the
// colours, the digit count, the margin or the spacing change, never for a new caption.
#pragma once

#include <memory>
#include <string>

#include "companion/ZEB_zebbase.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/graphics/bitmap.h"

namespace zeb {

// The characters the display can show, in the order of the cache's cells ("°" in UTF-8).
inline constexpr const char* SevenSegCharList = "0123456789-+:°ABCDEF.";
inline constexpr int kSevenSegChars = 21;

class TSevenSeg : public fw::TGraphicControl {
 public:
  static constexpr int kDesignWidth = 312, kDesignHeight = 432;
  static constexpr int kMaxDigits = 32;
  static constexpr int kMaxInterDigDist = 255;

  explicit TSevenSeg(fw::TComponent* AOwner);
  ~TSevenSeg() override;

  // The text: digits, "-", "+", ":", "°", "A".."F" (any case) and blanks; "." or "," after a
  // character lights that cell's dot, alone it takes a blank cell with a dot. Text beyond
  // NumDigits cells is not shown.
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& value);
  // Digit cells: 1..32; other values are ignored.
  int NumDigits() const { return numDigits_; }
  void SetNumDigits(int value);
  fw::TColor ColorText() const { return colorText_; }
  void SetColorText(fw::TColor value);
  fw::TColor ColorBackGnd() const { return colorBackGnd_; }
  void SetColorBackGnd(fw::TColor value);
  // The border inside the control: 0 .. Height / 2 - 1 (a larger value is stored as that).
  // The cells always keep at least one pixel, whatever the size later becomes.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  // The gap between digit cells: 0..255.
  int InterDigDist() const { return interDigDist_; }
  void SetInterDigDist(int value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);
  // Kept and copied for compatibility; the drawing does not depend on it.
  TColorScheme ColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme value);

  // From another TSevenSeg: colours, digits, caption, frame, scheme, margin and spacing; the
  // cache is built anew (bitmaps are never shared).
  void Assign(fw::TPersistent* source) override;

  // The cache strip: one cell of CellWidth() x its height per character of SevenSegCharList,
  // built for the current size and colours when first needed.
  const fw::TBitmap& ImageCache();
  int CellWidth();
  // How many times the cache was built (for tests and diagnostics). A change of size, colours
  // or cells builds it once, at the next paint (or ImageCache): a form read from text sets
  // many of those one by one, and nothing is built twice for them.
  int CacheBuilds() const { return cacheBuilds_; }

 protected:
  void Paint() override;
  void Resize() override;

 private:
  // Store, mark the cache stale and repaint at once.
  template <typename T>
  void ChangeLook(T& member, const T& value);
  // The margin the cells really use: within 0 .. (Height - 1) / 2.
  int UsedMargin() const;
  void InvalidateImageCache() { cacheStale_ = true; }
  // Builds the cache when it is stale.
  void EnsureImageCache();
  void CreateImageCache();
  void BuildClassStrip(int height);
  void ColorCache();
  void PaintDigit(fw::TCanvas* canvas, int left, int charIndex, bool withDot);

  std::string caption_ = "8.8.8.8.";
  int numDigits_ = 4;
  fw::TColor colorText_ = fw::clRed;
  fw::TColor colorBackGnd_ = 0x333333;
  int margin_ = 8;
  int interDigDist_ = 2;
  TFrameStyle frameStyle_ = fstSunken;
  TColorScheme colorScheme_ = schFixed;
  fw::TColor frameColors_[3] = {0, 0x808080, 0xFFFFFF};
  int lastWidth_ = -1, lastHeight_ = -1;
  int cellWidth_ = 1;
  int cacheBuilds_ = 0;
  bool cacheStale_ = true;
  std::unique_ptr<fw::TBitmap> work_;
  std::unique_ptr<fw::TBitmap> classes_;
  std::unique_ptr<fw::TBitmap> cache_;
};

}  // namespace zeb
