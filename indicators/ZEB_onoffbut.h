// ZEB_onoffbut: TOnOffBut, a two-state button drawn from a picture (check box, radio button,
// slide switches, LEDs, arrows, traffic light, bulb, smileys and more), each in an enabled and
// a disabled form for both states, with up to four captions around it. Buttons with the same
// non-zero GroupIndex on one parent form a radio group (optionally allowing all off). The
// button toggles, or springs back on release in speed-button mode; clicks count on the picture
// only, anywhere, or not at all. It can be drawn see-through over its parent.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "companion/ZEB_zebbase.h"
#include "framework/controls/graphiccontrol.h"
#include "framework/graphics/bitmap.h"
#include "framework/stdctrls/text_alignment.h"

namespace zeb {

enum TOOButMode : uint8_t { oobmNormalBut, oobmSpeedBut };
inline const std::vector<std::string> kOOButModeNames{"oobmNormalBut", "oobmSpeedBut"};

// oomaNone: the mouse neither switches nor clicks; oomaFocused: only presses on the picture
// count; oomaPlain: presses anywhere on the control count.
enum TOOButMouseAction : uint8_t { oomaNone, oomaFocused, oomaPlain };
inline const std::vector<std::string> kOOButMouseActionNames{"oomaNone", "oomaFocused",
                                                             "oomaPlain"};

enum TOnOffButStyle : uint8_t {
  oobsUser,
  oobsCheckbox,
  oobsRadioBut,
  oobsSlideTB,
  oobsSlideLR,
  oobsColSlideTB,
  oobsColSlideLR,
  oobsLedRedGreen,
  oobsArrowTopRgt,
  oobsArrowUpDown,
  oobsArrowLeftRight,
  oobsTrafficLPed,
  oobsBeveledLed,
  oobsSmileyYellow,
  oobsSmileyRedGrn,
  oobsBulb,
  oobsButLamp,
  oobsHDLeft,
  oobsHDRight,
  oobsUser1,
  oobsUser2,
  oobsUser3,
  oobsUser4,
  oobsUser5,
};
extern const std::vector<std::string> kOnOffButStyleNames;
// The resource name of a style's picture sheet ("" for oobsUser).
std::string OnOffButSheetName(TOnOffButStyle style);
// Pixels of this colour in a picture sheet are background.
inline constexpr fw::TColor kOnOffButKeyColor = 0xEBBEEB;

class TOnOffBut : public fw::TGraphicControl {
 public:
  // A new button is 100 x 50, on, a coloured left-right slide switch, its picture centred
  // (LeftSpace 35, TopSpace 16).
  explicit TOnOffBut(fw::TComponent* AOwner);
  ~TOnOffBut() override;

  // Switching off is refused in a group that does not allow all off; switching on lets the
  // others of the group go off.
  bool OnOff() const { return onOff_; }
  void SetOnOff(bool value);
  TOnOffButStyle ButtonStyle() const { return style_; }
  void SetButtonStyle(TOnOffButStyle value);
  // Speed-button mode also switches the button off.
  TOOButMode Mode() const { return mode_; }
  void SetMode(TOOButMode value);
  TOOButMouseAction MouseAction() const { return mouseAction_; }
  void SetMouseAction(TOOButMouseAction value) { mouseAction_ = value; }
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int value);
  // Whether every button of the group may be off; setting it spreads it through the group.
  bool AllowAllOff() const { return allowAllOff_; }
  void SetAllowAllOff(bool value);
  // Keeps the picture centred: LeftSpace and TopSpace follow the size.
  bool AutoCenter() const { return autoCenter_; }
  void SetAutoCenter(bool value);
  // The picture's offset; negative values are ignored, larger ones than the size are cut to
  // it; with AutoCenter the picture is centred instead.
  int LeftSpace() const { return leftSpace_; }
  void SetLeftSpace(int value);
  int TopSpace() const { return topSpace_; }
  void SetTopSpace(int value);

  const std::string& LeftText() const { return texts_[0]; }
  void SetLeftText(const std::string& value) { SetTextAt(0, value); }
  const std::string& RightText() const { return texts_[1]; }
  void SetRightText(const std::string& value) { SetTextAt(1, value); }
  const std::string& TopText() const { return texts_[2]; }
  void SetTopText(const std::string& value) { SetTextAt(2, value); }
  const std::string& BottomText() const { return texts_[3]; }
  void SetBottomText(const std::string& value) { SetTextAt(3, value); }
  fw::TAlignment LeftTextAlignment() const { return alignments_[0]; }
  void SetLeftTextAlignment(fw::TAlignment value) { SetAlignmentAt(0, value); }
  fw::TAlignment RightTextAlignment() const { return alignments_[1]; }
  void SetRightTextAlignment(fw::TAlignment value) { SetAlignmentAt(1, value); }
  fw::TAlignment TopTextAlignment() const { return alignments_[2]; }
  void SetTopTextAlignment(fw::TAlignment value) { SetAlignmentAt(2, value); }
  fw::TAlignment BottomTextAlignment() const { return alignments_[3]; }
  void SetBottomTextAlignment(fw::TAlignment value) { SetAlignmentAt(3, value); }

  fw::TColor ColorText() const { return colorText_; }
  void SetColorText(fw::TColor value);
  fw::TColor ColorBackgnd() const { return colorBackgnd_; }
  void SetColorBackgnd(fw::TColor value);
  TColorScheme ColorScheme() const { return colorScheme_; }
  void SetColorScheme(TColorScheme value);
  TFrameStyle FrameStyle() const { return frameStyle_; }
  void SetFrameStyle(TFrameStyle value);
  // See-through: only the picture's and the captions' pixels and the frame cover the parent.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  void SetEnabled(bool value) override;

  // The picture sheet of oobsUser, in the layout of the style sheets (2 x 2 glyphs: enabled
  // on the top row, on in the left column; kOnOffButKeyColor is background). The sheet is
  // kept and split again whenever oobsUser is selected; it applies at once when oobsUser is
  // the style. A null or empty bitmap returns oobsUser to the default glyphs (a circle for
  // on, a cross for off, blank when disabled).
  void SetUserGlyph(const fw::TBitmap* sheet);
  // Loads the sheet from an image file; raises the loader's error when it cannot be read (the
  // current sheet stays).
  void LoadUserGlyph(const std::string& fileName);

  // The glyph of a state, and the glyph size used for layout and hit testing.
  const fw::TBitmap* Glyph(bool on, bool enabled) const { return glyphs_[on][enabled].get(); }
  int GlyphWidth() const { return glyphWidth_; }
  int GlyphHeight() const { return glyphHeight_; }

  void Assign(fw::TPersistent* Source) override;
  void Loaded() override;
  void WndProc(fw::TMessage& message) override;

 protected:
  void MouseDown(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  void MouseUp(fw::TMouseButton Button, fw::TShiftState Shift, int X, int Y) override;
  // Clicks are raised by MouseUp; the framework's own click is silenced.
  void Click() override {}
  void Paint() override;
  // Re-centres the picture (with AutoCenter, with or without a parent) before OnResize
  // runs, so an application's OnResize does not switch centring off.
  void Resize() override;
  // Sends CM_BUTTONPRESSED to the parent's controls so the group follows this button.
  void UpdateExclusive();

 private:
  void SetTextAt(int index, const std::string& value);
  void SetAlignmentAt(int index, fw::TAlignment value);
  void ButtonPressed(const fw::TMessage& message);
  bool CountsAt(int X, int Y) const;
  void AdjustAutoCenter();
  void RepaintLook();
  // The style's sheet (or the user sheet, or the default glyphs) into the four glyphs.
  void LoadGlyphs();
  void ExtractGlyphs(const fw::TBitmap& sheet);
  void MakeDefaultUserGlyphs();
  // Painting steps (onoffbut_paint.cpp).
  void PaintCaptions(fw::TBitmap& image, fw::TBitmap& mask);
  void PaintGlyph(fw::TBitmap& image, fw::TBitmap& mask);

  using GlyphSet = std::array<std::array<std::unique_ptr<fw::TBitmap>, 2>, 2>;  // [on][enabled]
  GlyphSet glyphs_;
  GlyphSet defaultGlyphs_;
  std::unique_ptr<fw::TBitmap> userSheet_;
  std::unique_ptr<fw::TBitmap> mask_;
  int glyphWidth_ = 20;
  int glyphHeight_ = 20;

  bool onOff_ = true;
  TOnOffButStyle style_ = oobsColSlideLR;
  TOOButMode mode_ = oobmNormalBut;
  TOOButMouseAction mouseAction_ = oomaFocused;
  int groupIndex_ = 0;
  bool allowAllOff_ = true;
  bool autoCenter_ = true;
  int leftSpace_ = 35;
  int topSpace_ = 16;
  std::array<std::string, 4> texts_;  // left, right, top, bottom
  std::array<fw::TAlignment, 4> alignments_{fw::taRightJustify, fw::taLeftJustify, fw::taCenter,
                                            fw::taCenter};
  fw::TColor colorText_ = fw::clBlack;
  fw::TColor colorBackgnd_ = fw::clBtnFace;
  TColorScheme colorScheme_ = schFixed;
  TFrameStyle frameStyle_ = fstSunken;
  bool transparent_ = false;
};

}  // namespace zeb
