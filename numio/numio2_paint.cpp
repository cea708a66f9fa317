// TNumIO2 painting: the whole face into the off-screen image in drawing order, then one copy
// to the control's canvas.
#include <algorithm>
#include <array>

#include "framework/base/component.h"
#include "framework/rtl/rounding.h"
#include "numio/ZEB_NumIO.h"

namespace zeb {

namespace {

constexpr fw::TColor kWhite = 0xFFFFFF;
constexpr fw::TColor kGrey = 0x808080;
constexpr fw::TColor kSilver = 0xC0C0C0;
constexpr fw::TColor kBlack = 0x000000;

void Line(fw::TCanvas* c, int x1, int y1, int x2, int y2) {
  c->MoveTo(x1, y1);
  c->LineTo(x2, y2);
}

void Polyline3(fw::TCanvas* c, fw::TColor color, fw::TPoint a, fw::TPoint b, fw::TPoint e) {
  c->Pen()->SetColor(color);
  const std::array<fw::TPoint, 3> points{a, b, e};
  c->Polyline(points);
}

// Text at (x, y): in colour when enabled, else engraved (white one pixel down-right, grey).
void CaptionText(fw::TCanvas* c, int x, int y, const std::string& text, bool enabled,
                 fw::TColor color) {
  if (enabled) {
    c->Font()->SetColor(color);
    c->TextOut(x, y, text);
    return;
  }
  c->Brush()->SetStyle(fw::bsClear);
  c->Font()->SetColor(kWhite);
  c->TextOut(x + 1, y + 1, text);
  c->Font()->SetColor(kGrey);
  c->TextOut(x, y, text);
  c->Brush()->SetStyle(fw::bsSolid);
}

}  // namespace

void TNumIO2::Paint() {
  if (!Visible() && !ComponentState().Contains(fw::csDesigning)) return;
  if (autoSize_) {
    const int wanted = MeasureCanvas()->TextHeight("E0") + 6;
    if (wanted != Height()) SetHeight(wanted);
  }
  fw::TCanvas* target = Canvas();
  const Layout g = GetLayout();
  if (!target || g.W <= 0 || g.H <= 0) return;
  if (image_->Width() != g.W || image_->Height() != g.H) image_->SetSize(g.W, g.H);
  fw::TCanvas* c = MeasureCanvas();
  c->SetCopyMode(fw::cmSrcCopy);
  c->Brush()->SetStyle(fw::bsSolid);
  c->Pen()->SetStyle(fw::psSolid);
  c->Pen()->SetWidth(1);

  // Background.
  c->Pen()->SetColor(colorOutBG_);
  c->Brush()->SetColor(colorOutBG_);
  c->Rectangle(0, 0, g.W, g.H);
  PaintCaptions(c, g);
  if (butVisible_) PaintSpinButtons(c, g);
  if (freezeBoxVisible_) PaintFreezeBox(c, g);
  if (gaugeVisible_) PaintGauge(c, g);
  PaintTextBox(c, g);
  if (!hideInputEditor_) PaintEditor(c, g);

  target->SetCopyMode(fw::cmSrcCopy);
  target->Draw(0, 0, image_.get());
}

// Caption on the left, unit text right of the box (and buttons).
void TNumIO2::PaintCaptions(fw::TCanvas* c, const Layout& g) {
  c->Brush()->SetColor(colorOutBG_);
  const int w = c->TextWidth(leftText_);
  const int x = leftTextAlignment_ == fw::taLeftJustify    ? 7
                : leftTextAlignment_ == fw::taRightJustify ? leftSpace_ - w - 5
                                                           : (leftSpace_ - w) / 2;
  CaptionText(c, x, g.y0, leftText_, Enabled(), colorOutText_);

  const int w2 = c->TextWidth(rightText_);
  const int boxEnd = leftSpace_ + g.r + textBoxWidth_;
  const int x2 = rightTextAlignment_ == fw::taLeftJustify ? boxEnd + 7
                 : rightTextAlignment_ == fw::taRightJustify
                     ? g.W - w2 - 6
                     : (g.W - (boxEnd + w2)) / 2 + boxEnd + 1;
  CaptionText(c, x2, g.y0, rightText_, Enabled(), colorOutText_);
}

void TNumIO2::PaintSpinButtons(fw::TCanvas* c, const Layout& g) {
  const int bh = butHeight_ / 2, x0 = g.x0, bw = butWidth_;
  c->Pen()->SetColor(kGrey);
  c->Brush()->SetColor(butColor_);
  c->Rectangle(x0, 0, x0 + bw + 1, 2 * bh - 1);
  Line(c, x0, bh - 1, x0 + bw, bh - 1);
  if (but3D_) {
    Polyline3(c, kWhite, fw::Point(x0 + 1, 2 * bh - 3), fw::Point(x0 + 1, bh),
              fw::Point(x0 + bw, bh));
    Polyline3(c, kWhite, fw::Point(x0 + 1, bh - 2), fw::Point(x0 + 1, 1), fw::Point(x0 + bw, 1));
    Polyline3(c, kBlack, fw::Point(x0 + 1, 2 * bh - 1), fw::Point(x0 + bw + 1, 2 * bh - 1),
              fw::Point(x0 + bw + 1, 1));
  }
  // The arrows: three lines each, widening away from the tip.
  c->Pen()->SetColor(!Enabled() || readOnly_ ? kGrey : kBlack);
  const int cx = x0 + bw / 2, gy = bh / 2;
  for (int i = 0; i < 3; ++i) {
    Line(c, cx - i, gy - 1 + i, cx + 2 + i, gy - 1 + i);
    Line(c, cx - i, bh + gy - i, cx + 2 + i, bh + gy - i);
  }
}

void TNumIO2::PaintFreezeBox(fw::TCanvas* c, const Layout& g) {
  const int x = g.xf, y = freezeBoxTop_, size = freezeBoxSize_;
  c->Brush()->SetColor(Enabled() ? colorBoxBG_ : kSilver);
  PaintBoxFrame(c, x, y, x + size, y + size, Enabled());
  if (!freezeBoxChecked_) return;
  // The check mark: two strokes side by side.
  const int cx = x + size / 2, cy = y + size / 2;
  Polyline3(c, kBlack, fw::Point(cx - 4, cy + 1), fw::Point(cx - 2, cy + 3),
            fw::Point(cx + 4, cy - 3));
  Polyline3(c, kBlack, fw::Point(cx - 3, cy + 1), fw::Point(cx - 1, cy + 3),
            fw::Point(cx + 5, cy - 3));
}

void TNumIO2::PaintGauge(fw::TCanvas* c, const Layout& g) {
  const int left = gaugeLeftMargin_, right = gaugeLeftMargin_ + gaugeWidth_;
  const int top = g.H - gaugeHeight_ - 1, bottom = g.H - 1;
  // The empty gauge, then the filled part.
  c->Pen()->SetColor(gaugeFrameStyle_ != fstNone ? gaugeColorFrame_ : gaugeColorBg_);
  c->Brush()->SetStyle(fw::bsSolid);
  c->Brush()->SetColor(gaugeColorBg_);
  c->Rectangle(left, top, right, bottom);
  const double s = NioGaugeFraction(GetNioValue(), rangeLow_, rangeHigh_);
  const fw::TColor fill = !Enabled() || readOnly_ ? kGrey : gaugeColor_;
  c->Pen()->SetColor(fill);
  c->Brush()->SetColor(fill);
  c->Rectangle(left, top, left + static_cast<int>(fw::Round(gaugeWidth_ * s)), bottom);
  if (gaugeFrameStyle_ == fstNone) return;
  // A hollow frame over the whole gauge, then the bevels.
  c->Brush()->SetStyle(fw::bsClear);
  c->Pen()->SetColor(gaugeFrameStyle_ == fstPlain      ? gaugeColorFrame_
                     : gaugeFrameStyle_ == fstEmbossed ? frameLight_
                                                       : frameShadow_);
  c->Rectangle(left, top, right, bottom);
  c->Brush()->SetStyle(fw::bsSolid);
  fw::TColor l = 0, rc = 0;
  switch (gaugeFrameStyle_) {
    case fstSunken:
      l = bevelDark_, rc = frameLight_;
      break;
    case fstRaised:
      l = frameLight_, rc = bevelDark_;
      break;
    case fstEmbossed:
      l = rc = frameShadow_;
      break;
    case fstEngraved:
      l = rc = frameLight_;
      break;
    default:
      return;
  }
  Polyline3(c, l, fw::Point(left + 1, bottom - 2), fw::Point(left + 1, top + 1),
            fw::Point(right - 1, top + 1));
  Polyline3(c, rc, fw::Point(left + 1, bottom), fw::Point(right, bottom), fw::Point(right, top));
}

void TNumIO2::PaintTextBox(fw::TCanvas* c, const Layout& g) {
  fw::TColor background = OutOfRange() ? colorWarnBG_ : colorBoxBG_;
  if (!Enabled() || Frozen()) background = kSilver;
  c->Brush()->SetColor(background);
  PaintBoxFrame(c, leftSpace_, 0, leftSpace_ + textBoxWidth_ + 2, g.rowBottom, freezeBoxChecked_);
}

// Text, caret and selection inside the text box (its brush already set).
void TNumIO2::PaintEditor(fw::TCanvas* c, const Layout& g) {
  const std::string& text = editor_.text;
  fw::TColor color = OutOfRange() ? colorWarnText_ : colorBoxText_;
  if (!Enabled() || Frozen()) color = kGrey;
  c->Font()->SetColor(color);
  const int w = c->TextWidth(text);
  const int x = alignment_ == fw::taLeftJustify    ? leftSpace_ + 4
                : alignment_ == fw::taRightJustify ? leftSpace_ + textBoxWidth_ - w - 2
                                                   : leftSpace_ + (textBoxWidth_ - w) / 2 + 2;
  c->TextRect(fw::Rect(leftSpace_ + 3, 2, leftSpace_ + textBoxWidth_ - 1, g.rowBottom - 3), x, g.y0,
              text);

  // The caret line, while focused and in its shown phase.
  const int wc = c->TextWidth(std::string_view(text).substr(0, editor_.caret));
  const int s = alignment_ == fw::taLeftJustify    ? wc + 3
                : alignment_ == fw::taRightJustify ? textBoxWidth_ + wc - w - 3
                                                   : wc + (textBoxWidth_ - w) / 2 + 1;
  const bool focused = Focused();
  if (caretOn_ && focused && s > 0 && s < textBoxWidth_) {
    c->Pen()->SetColor(kBlack);
    Line(c, leftSpace_ + s, 3, leftSpace_ + s, g.rowBottom - 3);
  }

  // The selection, inverted in place.
  if (!editor_.HasSelection() || (!focused && hideSelection_)) return;
  const int lo = leftSpace_, hi = leftSpace_ + textBoxWidth_;
  const int x1 = std::clamp(CharPosToXCoords(editor_.selBegin), lo, hi);
  const int x2 = std::clamp(CharPosToXCoords(editor_.selEnd), lo, hi);
  const fw::TRect r = fw::Rect(x1, 3, x2, g.rowBottom - 3);
  c->SetCopyMode(fw::cmNotSrcCopy);
  c->CopyRect(r, c, r);
  c->SetCopyMode(fw::cmSrcCopy);
}

// The frame of the text box and the freeze box on (x1, y1)-(x2, y2), its inside in the
// current brush; f chooses the outline of the frameless style.
void TNumIO2::PaintBoxFrame(fw::TCanvas* c, int x1, int y1, int x2, int y2, bool f) {
  fw::TColor pen = frameShadow_;
  if (frameStyle_ == fstEmbossed) pen = frameLight_;
  if (frameStyle_ == fstNone) pen = f ? colorBoxBG_ : kSilver;
  c->Pen()->SetColor(pen);
  if (frameStyle_ == fstNone || frameStyle_ == fstPlain) {
    c->Rectangle(x1, y1, x2, y2);
    return;
  }
  c->Rectangle(x1, y1, x2 - 1, y2 - 1);
  fw::TColor a = bevelDark_, b = frameLight_;
  if (frameStyle_ == fstRaised) a = frameLight_, b = bevelDark_;
  if (frameStyle_ == fstEmbossed) a = b = frameShadow_;
  if (frameStyle_ == fstEngraved) a = b = frameLight_;
  Polyline3(c, a, fw::Point(x1 + 1, y2 - 3), fw::Point(x1 + 1, y1 + 1), fw::Point(x2 - 2, y1 + 1));
  Polyline3(c, b, fw::Point(x1 + 1, y2 - 1), fw::Point(x2 - 1, y2 - 1), fw::Point(x2 - 1, y1));
}

}  // namespace zeb
