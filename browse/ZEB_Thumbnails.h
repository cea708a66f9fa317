// ZEB_Thumbnails: TThumbnails, a vertically scrolling grid of square slides, one per integer ID
// from Min to Max. The strip holds no pictures: at every paint it asks the application for each
// visible slide through OnImageRequest and draws a framed cover, the picture scaled to fit, an
// optional mark symbol, and lets the application draw over it. It tracks the slide under the
// mouse (focus frame), a set of selected slides, and reports clicks with the slide's ID.
//
// What runs when:
//   a setter          stores (clamped or checked where its rule says) -> Repaint()
//   Paint()           background -> UpdateColumns (C from the width, top index re-normalised)
//                     -> OnFirstImageRequest -> per visible slide, column by column:
//                        OnImageRequest -> PaintSlide (cover, picture or ID label, mark)
//                        -> OnSlideRendered
//                     -> OnLastImageRequest -> border bands -> scroll bar -> frame
//                     -> focus frame of the focused slide
//   MouseMove         scroll bar drag, else focus tracking: ResetLastHiLite, HiLite(id),
//                     OnFocusChange
//   MouseUp (left)    scroll bar, else selection by click (SlideSelectMode) -> OnImageClick
//   MouseDown double  OnImageDblClick
//   the wheel         one row per notch (the framework offers the wheel to the graphic control
//                     under the pointer)
//
// Geometry (client pixels). S = SlideSize, M = SlideMargin, D = SlideDistance, pitch
// P = S + D + 2M, a fixed border of 10 pixels. With ShowScrollBar the bar takes the
// kScrollBarSize pixels at the right inside the frame, and the slides lie left of it. Slides
// are laid out in rows of C (ID 1 starts a row, so ID k sits in column ((k - 1) mod C) + 1).
// The top index is a double: its integer part is the first ID of the top row shown, its
// fraction how far (in rows) that row is scrolled up out of view. Slide (column i, row j),
// both 1-based, has its cover's top-left corner at
//   x0 = (i - 1) P + 10,   y0 = (j - 1) P + D - nearest(frac(top) P) + 10
// and the cover is S + 2M square. nearest rounds halves to even.
//
// Decisions where the component's rules leave room:
//   - Only slides that show are requested: a row that the bottom border band hides whole (the
//     rows the paint walks reach one row beyond the height) is skipped.
//   - IDs may be negative: rows and the top index use floor division and floor throughout
//     (for IDs of 1 and above this is the plain truncating rule).
//   - Min above Max is an empty strip (no slide, an empty selection set); more than
//     kMaxThumbSlides slides (Max - Min + 1) are refused with EZEBThumbnailsError and the
//     range stays as it was. While a form is read, Min and Max are stored as read and checked
//     together in Loaded (an oversized range read from a form falls back to 1..100 and
//     raises).
//   - A change of Min keeps the selection on the same IDs (those still in range).
//   - Selection by click: ssmSingle selects the clicked slide only; ssmMultiple selects the
//     clicked slide only, Ctrl+click toggles it, Shift+click selects the IDs from the last
//     clicked slide to it (Ctrl+Shift adds them); a click beside every slide clears the
//     selection in both modes; ssmDisabled leaves the selection alone.
//   - The focus frame is part of the picture: Paint draws it again for the focused slide, so a
//     repaint of the form does not wipe it. The mouse leaving the strip ends the focus.
//   - AntiAlias scales pictures by area averaging (HALFTONE); otherwise by nearest pixel.
//   - ColorScheme is stored only: the strip's frames use the fixed colours white, silver,
//     gray, black, black.
//   - The scroll bar counts rows: its range runs from the row of Min to the row that shows the
//     row of Max at the bottom; arrows move a row, the track a page of whole rows, the thumb
//     puts the row it stands for at the top. SetFirstThumbIx may scroll further (up to Max at
//     the top), the bar then shows its end.
//
// Picture ownership in OnImageRequest. ImgBuffer is a shared pointer, so the strip and the
// application only ever share a picture and no bitmap is freed twice or left behind:
//   - At each request ImgBuffer holds the strip's own buffer bitmap. It is the same bitmap for
//     every request of one paint and is not cleared between requests: draw into it (SetSize
//     and Canvas, Assign, LoadFromFile). A handler answering irpShowSlide without drawing
//     shows the last picture drawn into the buffer.
//   - Or point ImgBuffer at a bitmap of your own, for example one held in a cache
//     (ImgBuffer = cache[id]) or a new one (std::make_shared<fw::TBitmap>()). The strip keeps
//     its share only while it draws that slide and gives the next request its own buffer
//     again, so it never draws into your bitmap; a bitmap you keep lives on, one you gave away
//     is freed when the strip lets go of it.
//   - nullptr, or an empty bitmap, shows the bare cover.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "companion/ZEB_dstruct.h"
#include "companion/ZEB_zebbase.h"
#include "framework/base/event.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/controls/scroll_bar_tracker.h"
#include "framework/graphics/bitmap.h"
#include "framework/rtl/colors.h"

namespace zeb {

// The error class of the thumbnail strip.
class EZEBThumbnailsError : public EZEBError {
 public:
  using EZEBError::EZEBError;
};

// The most slides (Max - Min + 1) a strip accepts: the selection set keeps one bit per slide.
inline constexpr int kMaxThumbSlides = 10'000'000;
// The fixed border around the slides, in pixels.
inline constexpr int kThumbBorder = 10;

enum TSlideSelectMode : uint8_t { ssmDisabled, ssmSingle, ssmMultiple };
inline const std::vector<std::string> kSlideSelectModeNames{"ssmDisabled", "ssmSingle",
                                                            "ssmMultiple"};

// How a slide is shown: a white label with its ID, the picture, the bare cover, nothing.
enum TImageRequestProcessing : uint8_t {
  irpShowEmpty,
  irpShowSlide,
  irpShowFrameOnly,
  irpShowNothing
};

// Asked for every visible slide at every paint; see "Picture ownership" above. MarkIt -1 draws
// no mark, another value draws the mark symbol of its low byte.
using TImageRequestEvent =
    fw::Event<void(fw::TObject* Sender, int ThumbID, TImageRequestProcessing& HowToProcess,
                   int& MarkIt, std::shared_ptr<fw::TBitmap>& ImgBuffer)>;
// A click at client (X, Y) on slide ThumbID (0: beside every slide).
using TImageClickEvent = fw::Event<void(fw::TObject* Sender, int X, int Y, int ThumbID)>;
// After a slide was drawn: Canvas is the canvas the strip paints on, (X, Y) the top-left
// corner of the slide's cover.
using TSlideRenderedEvent =
    fw::Event<void(fw::TObject* Sender, fw::TCanvas* Canvas, int X, int Y, int ThumbID)>;

// ---- pure geometry, tested alone ---------------------------------------------------------

// P = S + D + 2M.
int SlidePitch(int size, int distance, int margin);
// Slides per row for slides lying in a width of `width` pixels: max(1, (width + D - 20) div P).
int ThumbColumns(int width, int distance, int pitch);
// The row of an ID in rows of `columns` slides, ID 1 starting row 0 (floor division).
int64_t ThumbRowOf(int64_t id, int columns);
// The top index that shows x at the top: its row's first ID d plus (x - d) / columns.
double ThumbTopIndexFor(double x, int columns);
// The row shown at the top for a top index, with the fraction scrolled out of view.
double ThumbTopRow(double topIndex, int columns);

// ---- the control -------------------------------------------------------------------------

class TThumbnails : public fw::TGraphicControl {
 public:
  explicit TThumbnails(fw::TComponent* AOwner);
  ~TThumbnails() override;
  TThumbnails(const TThumbnails&) = delete;
  TThumbnails& operator=(const TThumbnails&) = delete;

  // --- range. Max is at least 1; a range of more than kMaxThumbSlides slides is refused
  // (EZEBThumbnailsError, nothing changes). SetRange sets both at once (with the same rules).
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  void SetRange(int minValue, int maxValue);
  // Max - Min + 1, 0 when Min is above Max.
  int SlideCount() const;

  // --- geometry. SlideSize is kept in 50..max(50, Width); the others in 0..100.
  int SlideSize() const { return slideSize_; }
  void SetSlideSize(int value);
  int SlideDistance() const { return slideDistance_; }
  void SetSlideDistance(int value);
  int SlideMargin() const { return slideMargin_; }
  void SetSlideMargin(int value);
  int Pitch() const { return SlidePitch(slideSize_, slideDistance_, slideMargin_); }
  // Slides per row (as the last paint or scroll computed it, initially 2) and rows drawn.
  int Columns() const { return columns_; }
  int Rows() const;

  // --- scrolling. The top index (see Geometry); SetFirstThumbIx(x) clamps x to Min..Max and
  // puts the row of x at the top, scrolled by (x - row start) / C rows (NaN, or an empty
  // strip, changes nothing).
  double FirstThumbIx() const { return top_; }
  void SetFirstThumbIx(double x);
  // A vertical scroll bar at the right (off by default: the slides then use the whole width).
  bool ShowScrollBar() const { return showScrollBar_; }
  void SetShowScrollBar(bool value);
  // The bar as it is now (an empty layout when not shown), and its rectangle.
  fw::TScrollBarLayout ScrollBarLayout() const;
  fw::TRect ScrollBarRect() const;
  // Scrolls so that row `row` (ThumbRowOf numbering) is at the top, within the bar's range.
  void ScrollToRow(int64_t row);

  // --- look
  TSlideSelectMode SlideSelectMode() const { return slideSelectMode_; }
  void SetSlideSelectMode(TSlideSelectMode value);
  bool AntiAlias() const { return antiAlias_; }
  void SetAntiAlias(bool value);
  fw::TColor ColorBackGnd() const { return colorBackGnd_; }
  void SetColorBackGnd(fw::TColor value);
  fw::TColor ColorCover() const { return colorCover_; }
  void SetColorCover(fw::TColor value);
  fw::TColor ColorSelected() const { return colorSelected_; }
  void SetColorSelected(fw::TColor value);
  fw::TColor ColorFocus() const { return colorFocus_; }
  void SetColorFocus(fw::TColor value);
  fw::TColor ColorMark() const { return colorMark_; }
  void SetColorMark(fw::TColor value);
  TColorScheme ColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);
  TFrameStyle OuterFrameStyle() const { return outerFrameStyle_; }
  void SetOuterFrameStyle(TFrameStyle value);
  TFrameStyle InnerFrameStyle() const { return innerFrameStyle_; }
  void SetInnerFrameStyle(TFrameStyle value);
  // 0..10; 0 switches focus tracking off.
  int FocusLinewidth() const { return focusLinewidth_; }
  void SetFocusLinewidth(int value);
  // The slide under the mouse, 0 for none (so a slide with ID 0 is never focused or
  // clicked: 0 always means "no slide" in the strip's events).
  int FocusedSlide() const { return focusedSlide_; }
  // The anchor of Shift+click ranges: the last slide selected by a plain or Ctrl click.
  int LastClickedSlide() const { return lastClicked_; }

  // --- selection. IDs outside Min..Max read false and are ignored.
  bool GetSelectedSlide(int id) const;
  void SetSelectedSlide(int id, bool flag);
  void ResetAllSelections();
  // The lowest selected ID, Min - 1 when none is selected.
  int FirstSelectedSlide() const;
  int NumSlidesSelected() const;

  // --- places
  // The ID of the slide at a client point, 0 for none (a gap, the border, the scroll bar).
  int CalcSlideIndex(int X, int Y) const;
  // The top-left corner of a slide's cover (kept within int for far-away IDs).
  void CalcSlidePos(int id, int& X, int& Y) const;
  // Draws the focus frame of a slide on the control's canvas (nothing outside Min..Max).
  void HiLite(int id);
  // Draws over the focused slide's focus frame in its cover colour.
  void ResetLastHiLite();

  // From another TThumbnails: frames, colours, range and top index, columns and rows,
  // geometry, events, AntiAlias, focused slide and FocusLinewidth; then repaints. Other
  // sources go to the inherited Assign.
  void Assign(fw::TPersistent* Source) override;
  void AssignTo(fw::TPersistent* Dest) override;
  void Loaded() override;

  TImageRequestEvent OnImageRequest;
  TImageClickEvent OnImageClick;
  TImageClickEvent OnImageDblClick;
  fw::TNotifyEvent OnFocusChange;
  fw::TNotifyEvent OnFirstImageRequest;
  fw::TNotifyEvent OnLastImageRequest;
  TSlideRenderedEvent OnSlideRendered;

 protected:
  void Paint() override;
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseMove(fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  bool DoMouseWheelDown(fw::TShiftState Shift, fw::TPoint MousePos) override;
  bool DoMouseWheelUp(fw::TShiftState Shift, fw::TPoint MousePos) override;
  void WndProc(fw::TMessage& message) override;

 private:
  bool Designing() const;
  bool Loading() const;
  // Checks and stores a range, keeping the selected IDs.
  void ApplyRange(int minValue, int maxValue);
  [[noreturn]] void RangeTooLarge(int64_t count) const;
  // The columns for the current width and geometry; a change re-normalises the top index.
  void UpdateColumns();
  // Pixels at the right that the scroll bar takes (0 without one).
  int BarSpace() const;
  // The right edge of the slide area (the client width less the bar).
  int SlideAreaRight() const;
  // Rows of slides wholly inside the border (at least 1).
  int WholeRows() const;
  int64_t FirstRow() const;
  int64_t LastTopRow() const;
  void SetTopIndex(double value);
  int NearestScroll() const;
  bool Selected(int64_t id) const;

  bool CoverShows(int y0) const;
  void PaintSlides(fw::TCanvas* canvas);
  void PaintSlide(fw::TCanvas* canvas, int id, int x0, int y0, TImageRequestProcessing how,
                  int mark, const fw::TBitmap* picture);
  void PaintPicture(fw::TCanvas* canvas, const fw::TBitmap& picture, int x0, int y0);
  void PaintLabel(fw::TCanvas* canvas, int id, int x0, int y0);
  void FrameOf(fw::TCanvas* canvas, TFrameStyle style, int left, int top, int right, int bottom);
  void ClearBands(fw::TCanvas* canvas, int inset, int right);
  void FocusRectangles(fw::TCanvas* canvas, int id, fw::TColor color);

  void ClickSelect(int id, fw::TShiftState Shift);
  void SelectBetween(int a, int b);
  void TrackFocus(int id);
  void BarStep(fw::TScrollBarPart part);
  void WheelRows(int rows);

  int min_ = 1;
  int max_ = 100;
  double top_ = 1.0;
  int columns_ = 2;
  int slideSize_ = 120;
  int slideDistance_ = 2;
  int slideMargin_ = 7;
  TSlideSelectMode slideSelectMode_ = ssmSingle;
  bool antiAlias_ = false;
  fw::TColor colorBackGnd_ = fw::clBtnFace;
  fw::TColor colorCover_ = fw::RGB(192, 192, 192);
  fw::TColor colorSelected_ = fw::RGB(0, 0, 128);
  fw::TColor colorFocus_ = fw::RGB(0, 0, 255);
  fw::TColor colorMark_ = fw::clBlack;
  TColorScheme colorScheme_ = schFixed;
  TFrameStyle frameStyle_ = fstSunken;
  TFrameStyle outerFrameStyle_ = fstRaised;
  TFrameStyle innerFrameStyle_ = fstSunken;
  int focusLinewidth_ = 1;
  int focusedSlide_ = 0;
  int lastClicked_ = 0;
  bool showScrollBar_ = false;
  bool painting_ = false;
  TBitFld selection_;
  fw::TScrollBarTracker barTracker_;
};

}  // namespace zeb
