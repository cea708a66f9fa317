// TFont: the text properties of a canvas, its logical-font handle, and its FontSpec for the
// text engine.
#include <cstdint>
#include <cstring>

#include "framework/graphics/gdi.h"
#include "framework/graphics/pen_brush_font.h"
#include "framework/rtl/exceptions.h"
#include "framework/rtl/rounding.h"

namespace fw {

TFont::~TFont() {
  DropHandle();
}

void TFont::DropHandle() const {
  if (handle_) DeleteObject(handle_);
  handle_ = nullptr;
}

void TFont::Changed() {
  DropHandle();
  if (OnChange) OnChange();
}

void TFont::SetName(const std::string& value) {
  if (value == name_) return;
  name_ = value;
  Changed();
}

int TFont::Size() const {
  return -MulDiv(height_, 72, PixelsPerInch);
}

void TFont::SetSize(int value) {
  SetHeight(-MulDiv(value, PixelsPerInch, 72));
}

void TFont::SetHeight(int value) {
  if (value == height_) return;
  height_ = value;
  Changed();
}

void TFont::SetColor(TColor value) {
  if (value == color_) return;
  color_ = value;
  if (OnChange) OnChange();  // the colour is not part of the handle
}

void TFont::SetStyle(TFontStyles value) {
  if (value == style_) return;
  style_ = value;
  Changed();
}

void TFont::SetOrientation(int value) {
  if (value == orientation_) return;
  orientation_ = value;
  Changed();
}

void TFont::SetQuality(TFontQuality value) {
  if (value == quality_) return;
  quality_ = value;
  Changed();
}

void TFont::SetPitch(TFontPitch value) {
  if (value == pitch_) return;
  pitch_ = value;
  Changed();
}

void TFont::SetCharset(TFontCharset value) {
  if (value == charset_) return;
  charset_ = value;
  Changed();
}

HFONT TFont::Handle() const {
  if (!handle_) handle_ = CreateFontIndirect(FontToLogFont(*this));
  return handle_;
}

void TFont::SetHandle(HFONT h) {
  if (h == handle_) return;
  LOGFONT lf;
  if (!GetObject(h, lf)) throw EInvalidGraphic("Invalid font handle");
  DropHandle();
  name_.assign(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
  height_ = lf.lfHeight;
  orientation_ = lf.lfEscapement;
  style_ = TFontStyles{};
  if (lf.lfWeight >= FW_BOLD) style_.Include(fsBold);
  if (lf.lfItalic) style_.Include(fsItalic);
  if (lf.lfUnderline) style_.Include(fsUnderline);
  if (lf.lfStrikeOut) style_.Include(fsStrikeOut);
  quality_ = lf.lfQuality <= fqClearTypeNatural ? TFontQuality(lf.lfQuality) : fqDefault;
  const int pitch = lf.lfPitchAndFamily & 3;
  pitch_ = pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
  charset_ = lf.lfCharSet;
  handle_ = h;
  if (OnChange) OnChange();
}

FontSpec TFont::Spec() const {
  FontSpec spec;
  spec.name = name_;
  spec.height = height_;
  spec.bold = style_.Contains(fsBold);
  spec.italic = style_.Contains(fsItalic);
  spec.underline = style_.Contains(fsUnderline);
  spec.strikeOut = style_.Contains(fsStrikeOut);
  spec.escapement = orientation_;
  spec.antialiased = quality_ != fqNonAntialiased;
  return spec;
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  name_ = source.name_;
  height_ = source.height_;
  color_ = source.color_;
  style_ = source.style_;
  orientation_ = source.orientation_;
  quality_ = source.quality_;
  pitch_ = source.pitch_;
  charset_ = source.charset_;
  Changed();
}

void TFont::Assign(TPersistent* source) {
  if (auto* same = dynamic_cast<TFont*>(source)) {
    Assign(*same);
  } else {
    TPersistent::Assign(source);
  }
}

}  // namespace fw
