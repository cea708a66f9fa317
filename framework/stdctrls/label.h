// TCustomLabel and TLabel: a graphic control showing its caption with alignment, vertical
// layout, word wrap, auto size, an accelerator character and embossed text when disabled.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "framework/controls/graphiccontrol.h"
#include "framework/controls/wincontrol.h"
#include "framework/graphics/draw_text.h"
#include "framework/stdctrls/text_alignment.h"

namespace fw {

class TCustomLabel : public TGraphicControl {
 public:
  // A new label is 65 x 17, auto-sized, opaque, shows accelerator characters and takes its
  // parent's colour.
  explicit TCustomLabel(TComponent* AOwner);
  ~TCustomLabel() override;

  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment value);
  // While set, the bounds follow the caption: width and height, or with WordWrap the height
  // only; a right-justified label keeps its right edge.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool value);
  TTextLayout Layout() const { return layout_; }
  void SetLayout(TTextLayout value);
  // '&' marks the accelerator character (underlined); "&&" shows '&'. When false, '&' is an
  // ordinary character.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool value);
  // When set, Paint leaves the background as it is; else it fills it with Color.
  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool value);
  // The control the accelerator focuses; forgotten when that control is deleted.
  TWinControl* FocusControl() const { return focusControl_; }
  void SetFocusControl(TWinControl* value);

  // The accelerator key pressed with Alt: when `key` is the caption's accelerator character
  // and the label is enabled and shows accelerators, FocusControl takes the focus if it can.
  // True when the key was the label's.
  bool DialogChar(char32_t key);

  void Notification(TComponent* component, TOperation operation) override;
  // After a form was read: the bounds follow the caption read.
  void Loaded() override;
  void WndProc(TMessage& message) override;

 protected:
  // The text drawn: the caption.
  virtual std::string GetLabelText() const;
  // Draws (or with DT_CALCRECT measures) the label's text in Rect with the control's font:
  // embossed when disabled (clBtnHighlight one pixel right and down, then clBtnShadow).
  virtual void DoDrawText(TRect& Rect, uint32_t Flags);
  // Fills the client area with Color unless transparent, then draws the text placed by
  // Alignment and Layout.
  void Paint() override;
  // Applies AutoSize: measures the text and sets the bounds.
  virtual void AdjustBounds();

 private:
  uint32_t DrawFlags() const;

  TAlignment alignment_ = taLeftJustify;
  bool autoSize_ = true;
  TTextLayout layout_ = tlTop;
  bool showAccelChar_ = true;
  bool transparent_ = false;
  bool wordWrap_ = false;
  TWinControl* focusControl_ = nullptr;
};

class TLabel : public TCustomLabel {
 public:
  explicit TLabel(TComponent* AOwner) : TCustomLabel(AOwner) {}
};

// True when `key` is the accelerator character of `caption` (the character after its first
// single '&'), letters compared without case.
bool IsAccel(char32_t key, std::string_view caption);

}  // namespace fw
