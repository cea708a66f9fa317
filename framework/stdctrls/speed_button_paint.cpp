// TSpeedButton painting: the face with its raised, pressed or flat edge, the glyph of the
// current look (cut from the sheet, or embossed when disabled) and the caption beside it.
#include <algorithm>

#include "framework/graphics/draw_text.h"
#include "framework/graphics/frame3d.h"
#include "framework/stdctrls/speed_button.h"

namespace fw {

namespace {

bool IsHorizontal(TButtonLayout layout) {
  return layout == blGlyphLeft || layout == blGlyphRight;
}

// Half way between two colours, channel by channel: the face of a button that stays down.
TColor MixColors(TColor a, TColor b) {
  const TColor x = ColorToRGB(a), y = ColorToRGB(b);
  return RGB(uint8_t((GetRValue(x) + GetRValue(y)) / 2), uint8_t((GetGValue(x) + GetGValue(y)) / 2),
             uint8_t((GetBValue(x) + GetBValue(y)) / 2));
}

// Pixels darker than this make the embossed outline of a disabled glyph.
bool IsDark(TPixel p) {
  const int luma = (299 * int((p >> 16) & 0xFF) + 587 * int((p >> 8) & 0xFF) + 114 * int(p & 0xFF));
  return luma < 192 * 1000;
}

}  // namespace

TButtonContentLayout LayoutButtonContent(const TRect& client, TPoint glyphSize, TPoint captionSize,
                                         TButtonLayout layout, int margin, int spacing) {
  const bool horizontal = IsHorizontal(layout);
  const int along = horizontal ? client.Width() : client.Height();
  const int g = horizontal ? glyphSize.X : glyphSize.Y;
  const int t = horizontal ? captionSize.X : captionSize.Y;
  if (g == 0 || t == 0) spacing = 0;
  if (margin == -1 && spacing == -1) {
    margin = spacing = (along - g - t) / 3;
  } else if (margin == -1) {
    margin = (along - g - spacing - t) / 2;
  } else if (spacing == -1) {
    spacing = std::max(0, (along - margin - g - t) / 2);
  }
  // Positions along the layout's axis, from the client's start.
  int glyphAt = margin, captionAt = margin + g + spacing;
  if (layout == blGlyphRight || layout == blGlyphBottom) {
    glyphAt = along - margin - g;
    captionAt = glyphAt - spacing - t;
  }
  const int across = horizontal ? client.Height() : client.Width();
  const int glyphAcross = ((across - (horizontal ? glyphSize.Y : glyphSize.X)) + 1) / 2;
  const int captionAcross = ((across - (horizontal ? captionSize.Y : captionSize.X)) + 1) / 2;
  TButtonContentLayout result;
  if (horizontal) {
    result.glyph = Point(client.Left + glyphAt, client.Top + glyphAcross);
    result.caption =
        Bounds(client.Left + captionAt, client.Top + captionAcross, captionSize.X, captionSize.Y);
  } else {
    result.glyph = Point(client.Left + glyphAcross, client.Top + glyphAt);
    result.caption =
        Bounds(client.Left + captionAcross, client.Top + captionAt, captionSize.X, captionSize.Y);
  }
  return result;
}

void TSpeedButton::Paint() {
  TCanvas* canvas = Canvas();
  if (!canvas) return;
  const TRect client = ClientRect();
  PaintFace(canvas, client);
  PaintContent(canvas, client);
}

void TSpeedButton::PaintFace(TCanvas* canvas, const TRect& client) {
  const bool pressed = state_ == bsDown || state_ == bsExclusive || (!Enabled() && down_);
  const bool stayingDown = pressed && state_ != bsDown;
  canvas->Brush()->SetStyle(bsSolid);
  canvas->Brush()->SetColor(stayingDown ? MixColors(Color(), clBtnHighlight) : Color());
  canvas->FillRect(client);
  if (flat_) {
    if (pressed) {
      Frame3D(canvas, client, clBtnShadow, clBtnHighlight);
    } else if (mouseInControl_ && Enabled()) {
      Frame3D(canvas, client, clBtnHighlight, clBtnShadow);
    }
    return;
  }
  if (pressed) {
    const TRect inner = Frame3D(canvas, client, cl3DDkShadow, clBtnHighlight);
    Frame3D(canvas, inner, clBtnShadow, cl3DLight);
  } else {
    const TRect inner = Frame3D(canvas, client, clBtnHighlight, cl3DDkShadow);
    Frame3D(canvas, inner, cl3DLight, clBtnShadow);
  }
}

void TSpeedButton::PaintContent(TCanvas* canvas, const TRect& client) {
  const TButtonState look = Enabled() ? state_ : bsDisabled;
  const TBitmap* image = GlyphImage(look);
  canvas->SetFont(Font());
  const std::string& caption = Caption();
  TRect measured = Rect(0, 0, 0, 0);
  if (!caption.empty()) DrawText(canvas, caption, measured, DT_CALCRECT | DT_SINGLELINE);
  const TPoint glyphSize = image ? Point(image->Width(), image->Height()) : Point(0, 0);
  TButtonContentLayout place = LayoutButtonContent(
      client, glyphSize, Point(measured.Width(), measured.Height()), layout_, margin_, spacing_);
  // Pressed contents move one pixel right and down.
  const int shift = (look == bsDown || look == bsExclusive) ? 1 : 0;
  if (image) canvas->Draw(place.glyph.X + shift, place.glyph.Y + shift, image);
  if (caption.empty()) return;
  TRect text = place.caption;
  text.Left += shift;
  text.Right += shift;
  text.Top += shift;
  text.Bottom += shift;
  canvas->Brush()->SetStyle(bsClear);
  const uint32_t flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (look == bsDisabled) {
    TRect shadow = text;
    shadow.Left += 1;
    shadow.Right += 1;
    shadow.Top += 1;
    shadow.Bottom += 1;
    canvas->Font()->SetColor(clBtnHighlight);
    DrawText(canvas, caption, shadow, flags);
    canvas->Font()->SetColor(clBtnShadow);
  }
  DrawText(canvas, caption, text, flags);
}

const TBitmap* TSpeedButton::GlyphImage(TButtonState state) {
  if (glyph_->Empty()) return nullptr;
  int index = state;
  if (index >= numGlyphs_) index = (state == bsExclusive && numGlyphs_ > bsDown) ? bsDown : bsUp;
  if (state == bsDisabled && numGlyphs_ <= bsDisabled) index = bsDisabled;  // embossed
  auto& image = glyphImages_[index];
  if (!image)
    image = index == bsDisabled && numGlyphs_ <= bsDisabled ? EmbossedGlyphImage()
                                                            : CutGlyphImage(index);
  return image.get();
}

// Image `index` of the sheet, its see-through colour the sheet's bottom-left pixel.
std::unique_ptr<TBitmap> TSpeedButton::CutGlyphImage(int index) const {
  const int w = std::max(1, glyph_->Width() / numGlyphs_), h = glyph_->Height();
  auto image = std::make_unique<TBitmap>(w, h);
  image->Canvas()->CopyRect(Rect(0, 0, w, h), glyph_->Canvas(), Bounds(index * w, 0, w, h));
  image->SetTransparentColor(PixelToColor(glyph_->ScanLine(h - 1)[0]));
  image->SetTransparent(true);
  return image;
}

// The up image embossed: its dark pixels in the shadow colour over a highlight copy one pixel
// right and down, everything else see-through.
std::unique_ptr<TBitmap> TSpeedButton::EmbossedGlyphImage() const {
  std::unique_ptr<TBitmap> up = CutGlyphImage(bsUp);
  const int w = up->Width(), h = up->Height();
  const TPixel key = ColorToPixel(up->TransparentColor());
  const TPixel highlight = ColorToPixel(clBtnHighlight), shadow = ColorToPixel(clBtnShadow);
  auto image = std::make_unique<TBitmap>(w, h);
  for (int y = 0; y < h; ++y) std::fill_n(image->ScanLine(y), w, key);
  for (int pass = 0; pass < 2; ++pass) {
    const int offset = pass == 0 ? 1 : 0;
    for (int y = 0; y + offset < h; ++y) {
      const TPixel* source = up->ScanLine(y);
      TPixel* target = image->ScanLine(y + offset);
      for (int x = 0; x + offset < w; ++x) {
        if (source[x] != key && IsDark(source[x]))
          target[x + offset] = pass == 0 ? highlight : shadow;
      }
    }
  }
  image->SetTransparentColor(PixelToColor(key));
  image->SetTransparent(true);
  return image;
}

}  // namespace fw
