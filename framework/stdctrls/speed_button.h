// TSpeedButton: a push button without a window of its own, showing a caption and a glyph.
// Buttons with the same non-zero GroupIndex on one parent stay down in turn (one at a time,
// or none with AllowAllUp); a flat button shows its edge only while the pointer is over it.
// OnClick follows a left press released inside the button.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/graphiccontrol.h"
#include "framework/graphics/bitmap.h"

namespace fw {

// Where the glyph stands next to the caption.
enum TButtonLayout : uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
inline const std::vector<std::string> kButtonLayoutNames{"blGlyphLeft", "blGlyphRight",
                                                         "blGlyphTop", "blGlyphBottom"};

// The look a button shows; also the glyph-sheet index of that look.
enum TButtonState : uint8_t { bsUp, bsDisabled, bsDown, bsExclusive };

// Where glyph and caption go in a button face.
struct TButtonContentLayout {
  TPoint glyph;   // top-left of the glyph
  TRect caption;  // the caption's rectangle (its exact extent)
};
// Lays out a glyph of `glyphSize` (0 x 0 for none) and a caption of `captionSize` (0 x 0 for
// none) centred across `client`. Margin is the distance of the pair from the edge the glyph
// faces, -1 to centre the pair; Spacing the gap between glyph and caption, -1 to share the
// free space evenly between the edge, the gap and the far side.
TButtonContentLayout LayoutButtonContent(const TRect& client, TPoint glyphSize, TPoint captionSize,
                                         TButtonLayout layout, int margin, int spacing);

class TSpeedButton : public TGraphicControl {
 public:
  // A new button is 23 x 22, up, not flat, glyph left, Margin -1, Spacing 4.
  explicit TSpeedButton(TComponent* AOwner);
  ~TSpeedButton() override;

  // The glyph sheet: NumGlyphs images of equal width side by side, for the up, disabled,
  // down and stay-down looks; missing images fall back to the up image (the disabled one is
  // then embossed from it). The bottom-left pixel's colour is see-through. Drawing on the
  // returned bitmap updates the button.
  TBitmap* Glyph() const { return glyph_.get(); }
  // Copies `value` (null clears the glyph). A sheet whose width is 2 to 4 times its height
  // sets NumGlyphs to that ratio.
  void SetGlyph(const TBitmap* value);
  // The sheet as the bytes of a PNG file (empty without a glyph): the glyph in form text.
  std::vector<uint8_t> GlyphData() const;
  // Loads the sheet from the bytes of a BMP, PNG or JPEG file, as SetGlyph does; empty bytes
  // clear it. Bytes that are no picture raise the loader's error and keep the sheet.
  void SetGlyphData(const std::vector<uint8_t>& bytes);
  // 1..4; other values are ignored.
  int NumGlyphs() const { return numGlyphs_; }
  void SetNumGlyphs(int value);

  // Buttons with the same non-zero index on one parent form a group.
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // Stays down (grouped buttons only; without a group Down stays false). Setting a button down
  // lets the others of its group up; a down button goes up only when AllowAllUp is set.
  bool Down() const { return down_; }
  void SetDown(bool value);
  // Whether every button of the group may be up; setting it spreads it through the group.
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool value);
  // A flat button draws its edge only while the pointer is over it (hot) or it is down.
  bool Flat() const { return flat_; }
  void SetFlat(bool value);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout value);
  // -1 or more; smaller values are ignored.
  int Margin() const { return margin_; }
  void SetMargin(int value);
  int Spacing() const { return spacing_; }
  void SetSpacing(int value);

  // The look shown now.
  TButtonState State() const { return state_; }
  // Whether the pointer is over the button (flat buttons show their edge then).
  bool MouseInControl() const { return mouseInControl_; }

  void Click() override;
  void WndProc(TMessage& message) override;

 protected:
  // A left press shows the button down; moving out while held shows it up again.
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  // A left release inside toggles a grouped button, lets an ungrouped one up, and clicks.
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Paint() override;
  // Sends CM_BUTTONPRESSED to the parent's controls so the group follows this button.
  void UpdateExclusive();

 private:
  void ButtonPressed(const TMessage& message);
  void EnabledChanged();
  void SetState(TButtonState value);
  // The look a press ended in or an enable restored: down-and-staying or up.
  TButtonState RestingState() const { return down_ ? bsExclusive : bsUp; }
  void GlyphChanged();
  // The glyph image for `state`, see-through, made on first use after each glyph change.
  const TBitmap* GlyphImage(TButtonState state);
  std::unique_ptr<TBitmap> CutGlyphImage(int index) const;
  std::unique_ptr<TBitmap> EmbossedGlyphImage() const;
  void PaintFace(TCanvas* canvas, const TRect& client);
  void PaintContent(TCanvas* canvas, const TRect& client);

  std::unique_ptr<TBitmap> glyph_;
  std::array<std::unique_ptr<TBitmap>, 4> glyphImages_;
  int numGlyphs_ = 1;
  int groupIndex_ = 0;
  bool down_ = false;
  bool allowAllUp_ = false;
  bool flat_ = false;
  TButtonLayout layout_ = blGlyphLeft;
  int margin_ = -1;
  int spacing_ = 4;
  TButtonState state_ = bsUp;
  bool dragging_ = false;
  bool mouseInControl_ = false;
};

}  // namespace fw
