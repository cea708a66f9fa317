// ZEB_marksel: TMarkSel, a grid of the 52 plot-mark symbols (DrawMarkOnCanvas) to pick one
// from: the selected symbol shows inverted, the symbol nearest the pointer highlighted, clicks
// and double clicks are reported with the symbol. Single symbols can be hidden; hidden symbols
// leave no gap (the later ones move up one cell each).
#pragma once

#include <array>
#include <cstdint>

#include "companion/ZEB_zebbase.h"
#include "framework/base/event.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/rtl/colors.h"
#include "framework/rtl/types.h"

namespace zeb {

// A click or double click on the selector: the pointer and the symbol nearest to it.
using TMarkClickEvent = fw::Event<void(fw::TObject* Sender, int X, int Y, int Mark)>;

class TMarkSel : public fw::TGraphicControl {
 public:
  static constexpr int kMaxCells = 51;

  explicit TMarkSel(fw::TComponent* AOwner);

  // Cells across and down: 1..51; other values are ignored.
  int NrOfColumns() const { return nrColumns_; }
  void SetNrOfColumns(int value);
  int NrOfRows() const { return nrRows_; }
  void SetNrOfRows(int value);
  // The selected symbol, -1 for none; values outside -1..51 are ignored.
  int Selected() const { return selected_; }
  void SetSelected(int value);
  // Symbol 0 (a single pixel) drawn as a cross over the first cell.
  bool ShowZeroAsCross() const { return showZeroAsCross_; }
  void SetShowZeroAsCross(bool value);

  fw::TColor ColorBackGnd() const { return colorBackGnd_; }
  void SetColorBackGnd(fw::TColor value);
  fw::TColor ColorMarks() const { return colorMarks_; }
  void SetColorMarks(fw::TColor value);
  fw::TColor ColorSelFG() const { return colorSelFG_; }
  void SetColorSelFG(fw::TColor value);
  fw::TColor ColorSelBG() const { return colorSelBG_; }
  void SetColorSelBG(fw::TColor value);
  fw::TColor ColorHiLiteBG() const { return colorHiLiteBG_; }
  void SetColorHiLiteBG(fw::TColor value);
  fw::TColor ColorHiLiteSymbol() const { return colorHiLiteSymbol_; }
  void SetColorHiLiteSymbol(fw::TColor value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);

  // Whether symbol `index` is shown; an index outside 0..51 reads symbol 0's (always shown).
  bool GetVis(int index) const;
  // Shows or hides symbol 1..51; symbol 0 always shows, other indexes are ignored.
  void SetVis(int index, bool value);
  void ShowAllMarks();
  void HideAllMarks();

  // The centre of symbol `index` in the layout for the control's size and settings; hidden
  // symbols and those beyond the grid's rows lie where the cells would be (maybe outside).
  fw::TPoint MarkCentre(int index) const;
  // The shown symbol whose centre is nearest to (x, y); ties go to the lower index.
  int NearestMark(int x, int y) const;

  // Highlights symbol `index` (the highlight shows until another symbol is highlighted, the
  // highlight is reset, or the pointer leaves the control). ResetLastHiLite removes it.
  void HiLite(int index);
  void ResetLastHiLite();
  // The highlighted symbol; -1 while none is highlighted.
  int HiLited() const { return hiLiteShown_ ? hiLite_ : -1; }

  TMarkClickEvent OnMarkClick;
  TMarkClickEvent OnMarkDblClick;
  // After every paint.
  fw::TNotifyEvent OnPaint;

 protected:
  void Paint() override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  // Left-button releases and double clicks select the nearest symbol and report it.
  void WndProc(fw::TMessage& message) override;

 private:
  void ChangeColor(fw::TColor& member, fw::TColor value);
  // The cell size for the control's size: (W - 4) / columns by (H - 4) / rows.
  int CellWidth() const;
  int CellHeight() const;
  // Draws symbol `index` (or the cross for 0) at its place with the canvas's pen and brush.
  void DrawSymbol(fw::TCanvas* canvas, int index) const;
  void PaintHiLite(fw::TCanvas* canvas) const;
  void MarkClicked(const fw::TMessage& message, const TMarkClickEvent& event);

  int nrColumns_ = 8;
  int nrRows_ = 6;
  int selected_ = -1;
  bool showZeroAsCross_ = true;
  fw::TColor colorBackGnd_ = fw::clBtnFace;
  fw::TColor colorMarks_ = fw::clBlack;
  fw::TColor colorSelFG_ = fw::clNavy;
  fw::TColor colorSelBG_ = fw::clWhite;
  fw::TColor colorHiLiteBG_ = fw::clRed;
  fw::TColor colorHiLiteSymbol_ = fw::clWhite;
  TFrameStyle frameStyle_ = fstEngraved;
  std::array<bool, kMarkCount> visible_;
  int hiLite_ = 0;
  bool hiLiteShown_ = false;
};

}  // namespace zeb
