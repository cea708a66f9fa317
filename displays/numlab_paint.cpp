// TNumLab painting: background, the two side texts, the framed box and the number, drawn on a
// bitmap of the label's size and copied to the canvas in one step (an AND copy when
// transparent).
#include "displays/ZEB_NumLab.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"

namespace zeb {

namespace {

// The texts' line height is measured on a sample with ascenders, descenders and accents.
constexpr const char* kHeightSample = "(8g]}ÜÄ§";
constexpr fw::TColor kWhite = 0xFFFFFF, kGrey = 0x808080;

// x of a text `width` wide in a zone by its alignment: the left, right and centred choice.
int AlignedX(fw::TAlignment alignment, int left, int right, int centred) {
  return alignment == fw::taLeftJustify ? left : alignment == fw::taRightJustify ? right : centred;
}

// Enabled in `color`; disabled engraved: white one pixel right and down, grey on top.
void SideText(fw::TCanvas* canvas, bool enabled, fw::TColor color, fw::TPoint at,
              fw::TPoint disabledAt, const std::string& text) {
  if (enabled) {
    canvas->Font()->SetColor(color);
    canvas->TextOut(at.X, at.Y, text);
    return;
  }
  canvas->Brush()->SetStyle(fw::bsClear);
  canvas->Font()->SetColor(kWhite);
  canvas->TextOut(disabledAt.X, disabledAt.Y, text);
  canvas->Font()->SetColor(kGrey);
  canvas->TextOut(at.X, at.Y, text);
}

}  // namespace

std::string TNumLab::ShownText() {
  fw::TBitmap measure(1, 1);
  measure.Canvas()->SetFont(Font());
  return TextToShow(measure.Canvas());
}

std::string TNumLab::TextToShow(fw::TCanvas* canvas) {
  if (empty_) return {};
  std::string text = NumLabText(format_, value_);
  OnBeforeDisplay(this, text);
  if (format_.type != dtState && canvas->TextWidth(text) > labelWidth_ - 6)
    text = format_.overflowIndicator;
  return text;
}

void TNumLab::Paint() {
  const int w = Width(), h = Height();
  if (w <= 0 || h <= 0) return;
  fw::TCanvas* target = Canvas();
  fw::TBitmap picture(w, h);
  fw::TCanvas* canvas = picture.Canvas();
  canvas->SetFont(Font());
  const int y = (h - canvas->TextHeight(kHeightSample)) / 2;
  const fw::TColor background = transparent_ ? kWhite : colorOutBakG_;
  canvas->Pen()->SetColor(background);
  canvas->Brush()->SetColor(background);
  canvas->Rectangle(0, 0, w, h);
  PaintSideTexts(canvas, y);
  canvas->Pen()->SetColor(frameStyle_ == fstNone       ? colorLabBakG_
                          : frameStyle_ == fstEmbossed ? frameHighlight_
                                                       : frameShadow_);
  canvas->Brush()->SetColor(colorLabBakG_);
  DrawFrame(canvas, frameStyle_, leftSpace_ + 1, 0, leftSpace_ + labelWidth_, h - 2, kWhite,
            0xC0C0C0, kGrey, fw::clBlack, fw::clBlack);
  if (!empty_) PaintNumber(canvas, y);

  fw::TCanvasStateSaver saved(*target);
  target->SetCopyMode(fw::cmSrcCopy);
  if (transparent_) {
    const fw::TColor under = colorLabText_ != 0 ? kWhite : colorLabBakG_;
    target->Pen()->SetColor(under);
    target->Brush()->SetColor(under);
    target->Rectangle(leftSpace_ + 2, 2, leftSpace_ + labelWidth_, h - 2);
    target->SetCopyMode(fw::cmSrcAnd);
  }
  target->Draw(0, 0, &picture);
}

void TNumLab::PaintSideTexts(fw::TCanvas* canvas, int y) {
  const int ls = leftSpace_, lw = labelWidth_, w = Width();
  const bool enabled = Enabled();
  const int w1 = canvas->TextWidth(leftText_);
  const int x1 = AlignedX(leftTextAlignment_, 7, ls - w1 - 5, (ls - w1) / 2);
  const int dx1 = AlignedX(leftTextAlignment_, 8, ls - w1 - 4, (ls - w1) / 2 + 1);
  SideText(canvas, enabled, colorOutText_, {x1, y}, {dx1, y + 1}, leftText_);
  const int w2 = canvas->TextWidth(rightText_);
  const int centred = (w - (ls + lw + w2)) / 2 + ls + lw + 1;
  const int x2 = AlignedX(rightTextAlignment_, ls + lw + 7, w - w2 - 6, centred);
  const int dx2 = AlignedX(rightTextAlignment_, ls + lw + 8, w - w2 - 7, centred + 1);
  SideText(canvas, enabled, colorOutText_, {x2, y}, {dx2, y + 1}, rightText_);
}

void TNumLab::PaintNumber(fw::TCanvas* canvas, int y) {
  const std::string text = TextToShow(canvas);
  const int ls = leftSpace_, lw = labelWidth_;
  const int w3 = canvas->TextWidth(text);
  canvas->Font()->SetColor(Enabled() ? colorLabText_ : fw::clBtnShadow);
  const int x = AlignedX(alignment_, ls + 4, ls + lw - w3 - 2, ls + (lw - w3) / 2 + 2);
  canvas->TextRect(fw::Rect(ls + 3, 2, ls + lw - 1, Height() - 3), x, y, text);
}

}  // namespace zeb
