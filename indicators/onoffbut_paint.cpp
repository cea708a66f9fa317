// TOnOffBut painting: captions, picture and frame go into an off-screen image and, pixel for
// pixel, into a mask (black where the button covers its parent). An opaque button copies the
// image; a see-through one ANDs the mask onto its parent's pixels and ORs the image over them.
#include <algorithm>

#include "framework/base/component.h"
#include "indicators/ZEB_onoffbut.h"

namespace zeb {

namespace {

// The sample whose height sets the captions' line height (with accents and descenders).
constexpr const char* kLineHeightSample = "(8g]}\xC3\x9C\xC3\x84\xC2\xA7";

void FillWith(fw::TBitmap& bitmap, fw::TColor color) {
  fw::TCanvas* c = bitmap.Canvas();
  c->Brush()->SetStyle(fw::bsSolid);
  c->Brush()->SetColor(color);
  c->Pen()->SetColor(color);
  c->FillRect(fw::Rect(0, 0, bitmap.Width(), bitmap.Height()));
}

}  // namespace

void TOnOffBut::Paint() {
  if (!Visible() && !ComponentState().Contains(fw::csDesigning)) return;
  fw::TCanvas* canvas = Canvas();
  const int w = Width(), h = Height();
  if (!canvas || w <= 0 || h <= 0) return;
  fw::TBitmap image(w, h);
  mask_->SetSize(w, h);
  FillWith(*mask_, fw::clWhite);
  mask_->Canvas()->SetFont(Font());
  mask_->Canvas()->Font()->SetColor(fw::clBlack);
  image.Canvas()->SetFont(Font());
  FillWith(image, transparent_ ? fw::clBlack : colorBackgnd_);

  PaintCaptions(image, *mask_);
  PaintGlyph(image, *mask_);
  DrawFrame(image.Canvas(), frameStyle_, 0, 0, w - 1, h - 1, fw::clWhite, fw::clSilver, fw::clGray,
            fw::clBlack, fw::clBlack);
  DrawFrame(mask_->Canvas(), frameStyle_, 0, 0, w - 1, h - 1, fw::clBlack, fw::clBlack, fw::clBlack,
            fw::clBlack, fw::clBlack);

  if (!transparent_) {
    canvas->SetCopyMode(fw::cmSrcCopy);
    canvas->Draw(0, 0, &image);
    return;
  }
  canvas->SetCopyMode(fw::cmSrcAnd);
  canvas->CopyRect(fw::Rect(0, 0, w, h), mask_->Canvas(), fw::Rect(0, 0, w, h));
  canvas->SetCopyMode(fw::cmSrcPaint);
  canvas->Draw(0, 0, &image);
  canvas->SetCopyMode(fw::cmSrcCopy);
}

// The four captions around the picture; grey with a white shadow when disabled.
void TOnOffBut::PaintCaptions(fw::TBitmap& image, fw::TBitmap& mask) {
  fw::TCanvas* c = image.Canvas();
  fw::TCanvas* m = mask.Canvas();
  const int th = c->TextHeight(kLineHeightSample);
  const int w = Width(), ls = leftSpace_, ts = topSpace_, gw = glyphWidth_, gh = glyphHeight_;
  for (int i = 0; i < 4; ++i) {
    const std::string& text = texts_[i];
    if (text.empty()) continue;
    const int tw = c->TextWidth(text);
    const fw::TAlignment a = alignments_[i];
    int x = 0, y = 0;
    switch (i) {
      case 0:  // left
        y = ts + (gh - th) / 2;
        x = a == fw::taLeftJustify ? 4 : a == fw::taRightJustify ? ls - tw - 3 : (ls - tw) / 2;
        break;
      case 1:  // right
        y = ts + (gh - th) / 2;
        x = a == fw::taLeftJustify    ? ls + gw + 4
            : a == fw::taRightJustify ? w - tw - 4
                                      : (w - ls - gw - tw) / 2 + ls + gw + 1;
        break;
      default:  // top, bottom
        y = i == 2 ? ts - th - 4 : ts + gh + 4;
        x = a == fw::taLeftJustify ? 4 : a == fw::taRightJustify ? w - tw - 4 : ls + (gw - tw) / 2;
        break;
    }
    if (Enabled()) {
      c->Font()->SetColor(colorText_);
      c->TextOut(x, y, text);
    } else {
      c->Brush()->SetStyle(fw::bsClear);
      c->Font()->SetColor(fw::clWhite);
      c->TextOut(x + 1, y + 1, text);
      c->Font()->SetColor(fw::clGray);
      c->TextOut(x, y, text);
      m->TextOut(x + 1, y + 1, text);
    }
    m->TextOut(x, y, text);
  }
}

// The glyph of the state at (LeftSpace + 1, TopSpace + 1): its key-coloured pixels show the
// background (black when see-through), every other pixel is marked on the mask. Only the part
// inside the control is touched.
void TOnOffBut::PaintGlyph(fw::TBitmap& image, fw::TBitmap& mask) {
  const fw::TBitmap* glyph = glyphs_[onOff_][Enabled()].get();
  if (!glyph) return;
  const int x0 = leftSpace_ + 1, y0 = topSpace_ + 1;
  const int left = std::max(0, x0), right = std::min(image.Width(), x0 + glyph->Width());
  const int top = std::max(0, y0), bottom = std::min(image.Height(), y0 + glyph->Height());
  const fw::TPixel key = fw::ColorToPixel(kOnOffButKeyColor);
  const fw::TPixel ground = fw::ColorToPixel(transparent_ ? fw::clBlack : colorBackgnd_);
  const fw::TPixel covered = fw::ColorToPixel(fw::clBlack);
  for (int y = top; y < bottom; ++y) {
    const fw::TPixel* from = glyph->ScanLine(y - y0);
    fw::TPixel* to = image.ScanLine(y);
    fw::TPixel* marks = mask.ScanLine(y);
    for (int x = left; x < right; ++x) {
      const fw::TPixel p = from[x - x0];
      if (p == key) {
        to[x] = ground;
      } else {
        to[x] = p;
        marks[x] = covered;
      }
    }
  }
}

}  // namespace zeb
