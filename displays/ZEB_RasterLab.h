// ZEB_RasterLab: TRasterLab, a dot-matrix label. Every character of its text is drawn as a
// matrix of square dots from a bit-pattern font (the built-in 7 x 12 font or one sampled from
// any framework font) on a background that can show the unlit dots as a raster; the text can
// scroll in four directions on a timer and restart from the other side.
//
// Call flow:
//   Paint()                      background, raster of unlit dots, PaintString, frame
//     PaintString(...)           block-mode gap strips, PaintChar per character
//       RasterCharCode(c)        UTF-8 code point -> code-page 1252 table index ('?' if none)
//   font change (CM_FONTCHANGED) -> matrix rebuilt (DefaultCharMatrix or CreateBitFont),
//                                   AdjustAutoHeight, AdjustAutoCenter, repaint
//   timer tick (WM_TIMER of the hidden window) -> DoTimer: ScrollStep, repaint, OnScrollTimer
//     ScrollStep                  offsets move; leaving the display with ScrollLoop restarts
//                                 the text on the opposite side and fires OnScrollLoopRestart
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/controls/timers.h"

namespace fw {
class TCanvas;
class TFont;
}  // namespace fw

namespace zeb {

class EZEBRasterLabError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// Scrolling direction: the text moves towards the named side.
enum TRDScrollMode : uint8_t { rdsmOff, rdsmLeft, rdsmRight, rdsmDown, rdsmUp };
inline const std::vector<std::string> kRDScrollModeNames{"rdsmOff", "rdsmLeft", "rdsmRight",
                                                         "rdsmDown", "rdsmUp"};
// The unlit-dot raster: none; everywhere except the gap column between characters; everywhere.
enum TRDBlockMode : uint8_t { rdbmOff, rdbmOn, rdbmRaster };
inline const std::vector<std::string> kRDBlockModeNames{"rdbmOff", "rdbmOn", "rdbmRaster"};

// A bit-pattern font of 256 character codes (code page 1252).
struct TRDCharMatrix {
  static constexpr int kCodes = 256;
  static constexpr int kMaxDots = 32;      // rows and columns a glyph can have
  int width = 0;                           // widest character, in dot columns (0..32)
  int height = 0;                          // dot rows (0..32)
  std::array<uint8_t, kCodes> leftCol{};   // first column with a dot
  std::array<uint8_t, kCodes> rightCol{};  // last column with a dot
  // Per code and row: bit c set = dot in column c (bit 0 is the leftmost column).
  std::array<std::array<uint32_t, kMaxDots>, kCodes> bits{};
};

// The built-in 7 x 12 font: codes 32..255, row 9 the base line, descenders in rows 10 and 11,
// accents of capitals in rows 0 and 1; codes 0..31 empty.
const TRDCharMatrix& DefaultCharMatrix();
// The table index of a Unicode code point: its code-page 1252 byte, '?' for a code point that
// code page does not hold.
uint8_t RasterCharCode(char32_t c);
// Dot columns character `code` spans: the font width when fixedWidth, else its left to right
// column (none when a matrix gives right < left; columns past 31 do not count).
int CharColumns(const TRDCharMatrix& matrix, uint8_t code, bool fixedWidth);

class TRasterLab : public fw::TGraphicControl {
 public:
  static constexpr int kMinDotSize = 1, kMaxDotSize = 32;
  static constexpr int kMinDotSpacing = 0, kMaxDotSpacing = 3;
  static constexpr int kMinScrollInterval = 10;

  explicit TRasterLab(fw::TComponent* AOwner);
  ~TRasterLab() override;

  // The text (UTF-8); re-centres with AutoCenter.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& value);
  // Advance of a character by its own columns (true) or by the font width.
  bool Proportional() const { return proportional_; }
  void SetProportional(bool value);
  // Side of a dot in pixels: 1..32.
  int DotSize() const { return dotSize_; }
  void SetDotSize(int value);
  // Pixels between dots: 0..3.
  int DotSpacing() const { return dotSpacing_; }
  void SetDotSpacing(int value);
  // Position of the first dot of the text.
  int PosX() const { return posX_; }
  void SetPosX(int value);
  int PosY() const { return posY_; }
  void SetPosY(int value);
  // Height follows the font height.
  bool AutoHeight() const { return autoHeight_; }
  void SetAutoHeight(bool value);
  // PosX centres the text; switching it off puts PosX back to 1.
  bool AutoCenter() const { return autoCenter_; }
  void SetAutoCenter(bool value);
  TRDBlockMode CharBlockMode() const { return charBlockMode_; }
  void SetCharBlockMode(TRDBlockMode value);
  fw::TColor ColorDotOn() const { return colorDotOn_; }
  void SetColorDotOn(fw::TColor value);
  fw::TColor ColorDotOff() const { return colorDotOff_; }
  void SetColorDotOff(fw::TColor value);
  // Background and raster gaps.
  fw::TColor ColorLabBakG() const { return colorLabBakG_; }
  void SetColorLabBakG(fw::TColor value);
  TColorScheme ColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);
  TRDScrollMode ScrollMode() const { return scrollMode_; }
  void SetScrollMode(TRDScrollMode value);
  // Timer period in ms, at least 10.
  int ScrollInterval() const { return scrollInterval_; }
  void SetScrollInterval(int value);
  // Pixels per tick, at least 1 (0 becomes 1, a negative value its absolute value).
  int ScrollIncrement() const { return scrollIncrement_; }
  void SetScrollIncrement(int value);
  // Restart the text on the opposite side once it left the display.
  bool ScrollLoop() const { return scrollLoop_; }
  void SetScrollLoop(bool value);

  // The font in use; installing one (any matrix an application supplies) re-applies AutoHeight
  // and AutoCenter and repaints.
  const TRDCharMatrix& CharMatrix() const { return matrix_; }
  void SetCharMatrix(const TRDCharMatrix& matrix);
  // A matrix sampled from `font` ("default", any case: the built-in font).
  static TRDCharMatrix CreateBitFont(const fw::TFont& font);
  // Width of `text` in pixels at the current dot size and spacing.
  int CalcTextBitLength(std::string_view text) const;

  // Draw one character (a code point) with its top-left dot at (X, Y); the result is the
  // drawn width: pitch x columns of the character (the font width when fixedWidth).
  int PaintChar(fw::TCanvas* canvas, const TRDCharMatrix& matrix, int X, int Y, char32_t ch,
                int dotSize, int dotSpacing, fw::TColor colorOn, fw::TColor colorOff,
                fw::TColor colorBack, bool fixedWidth) const;
  // Draw `text` from (X, Y); with rdbmOn the gap column before each character is cleared to
  // colorBack over the control's height. length receives the text's width in pixels.
  void PaintString(fw::TCanvas* canvas, const TRDCharMatrix& matrix, int X, int Y,
                   std::string_view text, int dotSize, int dotSpacing, fw::TColor colorOn,
                   fw::TColor colorOff, fw::TColor colorBack, TRDBlockMode blockMode,
                   bool proportional, int& length) const;

  void AdjustAutoHeight();
  void AdjustAutoCenter();
  // Stops the timer and starts it again when scrolling is active.
  void UpdateTimer();
  // One timer tick: the scroll step, a repaint, then OnScrollTimer.
  void DoTimer();
  void DoScrLoopRestart();

  // Scroll offsets in pixels and the width of the text as last painted.
  int ScrollOffsetX() const { return offsetX_; }
  int ScrollOffsetY() const { return offsetY_; }
  int PaintedTextLength() const { return textLength_; }
  bool Scrolling() const { return scrolling_; }

  // From another TRasterLab: frame style, text, the background and lit-dot colours, the frame
  // colours and the colour scheme; other sources go to the inherited Assign.
  void Assign(fw::TPersistent* source) override;

  fw::TNotifyEvent OnScrollTimer;
  fw::TNotifyEvent OnScrollLoopRestart;

 protected:
  void Paint() override;
  void WndProc(fw::TMessage& message) override;

 private:
  template <typename T>
  void ChangeLook(T& member, const T& value);
  void FontChanged();
  void TimerProc(fw::TMessage& message);
  void ScrollStep();
  // Frame width: 0 none, 1 for styles 1..3, 2 for styles 4 and 5.
  int FrameExtent() const;
  int Pitch() const { return dotSize_ + dotSpacing_; }
  void PaintRaster(fw::TCanvas* canvas, int w, int h) const;
  void PaintFrame(fw::TCanvas* canvas, int w, int h) const;

  TRDCharMatrix matrix_;
  TFrameStyle frameStyle_ = fstSunken;
  TRDScrollMode scrollMode_ = rdsmOff;
  int offsetX_ = 0, offsetY_ = 0;
  bool scrollLoop_ = true;
  fw::HWND timerWindow_ = nullptr;
  bool scrolling_ = false;
  bool autoCenter_ = false;
  int textLength_ = 0;
  int scrollInterval_ = 100;
  int scrollIncrement_ = 1;
  std::string text_ = "Text";
  fw::TColor colorLabBakG_ = 0x000000;
  fw::TColor colorDotOn_ = 0x00FF00;
  fw::TColor colorDotOff_ = 0x404040;
  fw::TColor colorDark_ = fw::clBlack;
  fw::TColor colorShadow_ = 0x808080;
  fw::TColor colorHighlight_ = 0xFFFFFF;
  bool autoHeight_ = false;
  TRDBlockMode charBlockMode_ = rdbmOn;
  TColorScheme colorScheme_ = schFixed;
  bool proportional_ = true;
  int dotSize_ = 3;
  int dotSpacing_ = 1;
  int posX_ = 1, posY_ = 1;
};

}  // namespace zeb
