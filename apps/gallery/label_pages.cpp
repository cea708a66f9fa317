// Gallery page of the label: every alignment and layout, word wrap, auto size, accelerator
// characters, disabled (embossed) text and transparent labels over a coloured background.
#include <memory>
#include <string>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "framework/stdctrls/label.h"

namespace gallery {
namespace {

using namespace fw;

// A free-standing label with the given caption and bounds, set up further by `setup`, painted
// at its position on the page.
template <typename Setup>
void PlaceLabel(TBitmap& page, const TRect& bounds, const std::string& caption, Setup setup) {
  auto label = std::make_unique<TLabel>(nullptr);
  label->SetAutoSize(false);
  label->SetBounds(0, 0, bounds.Width(), bounds.Height());
  label->SetColor(clWhite);
  label->SetCaption(caption);
  setup(*label);
  label->PaintTo(page.Canvas(), bounds.Left, bounds.Top);
}

// A grey frame just outside a control's bounds, so that its extent shows.
void Outline(TBitmap& page, const TRect& bounds) {
  TRect r = bounds;
  InflateRect(r, 1, 1);
  page.Canvas()->Brush()->SetColor(clGray);
  page.Canvas()->FrameRect(r);
}

void AlignmentGrid(TBitmap& page, int left, int top) {
  Caption(page.Canvas(), left, top, "Alignment (columns) and Layout (rows), AutoSize off");
  const struct {
    TAlignment value;
    const char* name;
  } alignments[] = {{taLeftJustify, "Left"}, {taCenter, "Center"}, {taRightJustify, "Right"}};
  const struct {
    TTextLayout value;
    const char* name;
  } layouts[] = {{tlTop, "Top"}, {tlCenter, "Center"}, {tlBottom, "Bottom"}};
  for (int row = 0; row < 3; ++row) {
    for (int col = 0; col < 3; ++col) {
      const TRect bounds = Bounds(left + col * 120, top + 22 + row * 56, 110, 48);
      const std::string caption = std::string(alignments[col].name) + " / " + layouts[row].name;
      PlaceLabel(page, bounds, caption, [&](TLabel& l) {
        l.SetAlignment(alignments[col].value);
        l.SetLayout(layouts[row].value);
      });
      Outline(page, bounds);
    }
  }
}

void WordWrapSamples(TBitmap& page, int left, int top) {
  Caption(page.Canvas(), left, top, "WordWrap with AutoSize: the width stays, the height fits");
  const std::string text =
      "A label wraps its caption at blanks to its width; a line break\nstarts a new line.";
  const struct {
    TAlignment alignment;
    int x;
  } samples[] = {{taLeftJustify, 0}, {taCenter, 190}};
  for (const auto& s : samples) {
    auto label = std::make_unique<TLabel>(nullptr);
    label->SetColor(clWhite);
    label->SetBounds(0, 0, 170, 20);
    label->SetWordWrap(true);
    label->SetAlignment(s.alignment);
    label->SetCaption(text);
    label->PaintTo(page.Canvas(), left + s.x, top + 22);
    Outline(page, Bounds(left + s.x, top + 22, label->Width(), label->Height()));
  }
}

void AccelAndAutoSize(TBitmap& page, int left, int top) {
  Caption(page.Canvas(), left, top, "Accelerators and AutoSize (outline = bounds)");
  const struct {
    const char* caption;
    bool showAccel;
  } samples[] = {{"&File name:", true},
                 {"Save &As...", true},
                 {"Fish && Chips", true},
                 {"&File name: (ShowAccelChar off)", false},
                 {"Two lines\nof auto-sized text", true}};
  int y = top + 22;
  for (const auto& s : samples) {
    auto label = std::make_unique<TLabel>(nullptr);
    label->SetColor(clWhite);
    label->SetShowAccelChar(s.showAccel);
    label->SetCaption(s.caption);
    label->PaintTo(page.Canvas(), left, y);
    Outline(page, Bounds(left, y, label->Width(), label->Height()));
    y += label->Height() + 8;
  }
}

void DisabledAndTransparent(TBitmap& page, int left, int top) {
  TCanvas* c = page.Canvas();
  Caption(c, left, top, "Enabled and disabled (embossed) on the button face");
  const struct {
    bool enabled;
    int size;
    int x;
  } states[] = {{true, 8, 0}, {false, 8, 90}, {true, 14, 180}, {false, 14, 300}};
  for (const auto& s : states) {
    PlaceLabel(page, Bounds(left + s.x, top + 22, 110, 30), s.enabled ? "Enabled" : "Disabled",
               [&](TLabel& l) {
                 l.SetColor(clBtnFace);
                 l.Font()->SetSize(s.size);
                 l.SetEnabled(s.enabled);
               });
  }

  const int y = top + 70;
  Caption(c, left, y, "Transparent (left) and opaque (right) over a coloured background");
  // Colour bands under the labels.
  const TColor bands[] = {clRed, clYellow, clLime, clAqua, clBlue, clFuchsia};
  for (int i = 0; i < 6; ++i) {
    c->Brush()->SetColor(bands[i]);
    c->FillRect(Bounds(left + i * 70, y + 20, 70, 60));
  }
  for (bool transparent : {true, false}) {
    PlaceLabel(
        page, Bounds(left + (transparent ? 20 : 220), y + 30, 170, 40),
        transparent ? "Transparent label\nshows the colours" : "Opaque label\nfills its area",
        [&](TLabel& l) {
          l.SetTransparent(transparent);
          l.SetColor(clCream);
          l.SetAlignment(taCenter);
          l.SetLayout(tlCenter);
          l.Font()->SetSize(10);
          l.Font()->SetStyle({fsBold});
        });
  }
}

void RenderLabels(TBitmap& page) {
  page.Canvas()->Brush()->SetColor(clBtnFace);
  page.Canvas()->FillRect(Rect(0, 0, page.Width(), page.Height()));
  AlignmentGrid(page, 10, 8);
  AccelAndAutoSize(page, 390, 8);
  WordWrapSamples(page, 10, 206);
  DisabledAndTransparent(page, 10, 330);
}

}  // namespace

std::vector<Page> LabelPages() {
  return {{"labels", "Label: alignment, layout, word wrap, accelerators, disabled, transparent",
           760, 520, RenderLabels}};
}

}  // namespace gallery
