// Gallery page of the label: every alignment and layout, word wrap, auto size, accelerator
// characters, disabled (embossed) text and transparent labels over a coloured background, as
// live labels on the page's form.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "apps/gallery/gallery.h"
#include "framework/graphics/canvas.h"
#include "framework/stdctrls/label.h"

namespace gallery {
namespace {

using namespace fw;

// What the form paints under its labels: grey frames just outside some labels' bounds, so
// that their extent shows, and colour bands under the transparent label.
struct Decorations {
  std::vector<TControl*> outlined;
  std::vector<std::pair<TRect, TColor>> bands;

  void Paint(TCanvas* canvas) const {
    for (const auto& [rect, colour] : bands) {
      canvas->Brush()->SetColor(colour);
      canvas->FillRect(rect);
    }
    canvas->Brush()->SetColor(clGray);
    for (const TControl* control : outlined) {
      TRect r = control->BoundsRect();
      InflateRect(r, 1, 1);
      canvas->FrameRect(r);
    }
  }
};

// A white label on the form with the given caption and bounds, AutoSize off, set up further
// by `setup`.
template <typename Setup>
TLabel* PlaceLabel(TForm& form, const TRect& bounds, const std::string& caption, Setup setup) {
  auto* label = new TLabel(&form);
  label->SetAutoSize(false);
  label->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  label->SetColor(clWhite);
  label->SetCaption(caption);
  setup(*label);
  label->SetParent(&form);
  return label;
}

void AlignmentGrid(TForm& form, Decorations& deco, int left, int top) {
  PlaceCaption(form, left, top, "Alignment (columns) and Layout (rows), AutoSize off");
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
      deco.outlined.push_back(PlaceLabel(form, bounds, caption, [&](TLabel& l) {
        l.SetAlignment(alignments[col].value);
        l.SetLayout(layouts[row].value);
      }));
    }
  }
}

void WordWrapSamples(TForm& form, Decorations& deco, int left, int top) {
  PlaceCaption(form, left, top, "WordWrap with AutoSize: the width stays, the height fits");
  const std::string text =
      "A label wraps its caption at blanks to its width; a line break\nstarts a new line.";
  const struct {
    TAlignment alignment;
    int x;
  } samples[] = {{taLeftJustify, 0}, {taCenter, 190}};
  for (const auto& s : samples) {
    auto* label = new TLabel(&form);
    label->SetColor(clWhite);
    label->SetBounds(left + s.x, top + 22, 170, 20);
    label->SetWordWrap(true);
    label->SetAlignment(s.alignment);
    label->SetCaption(text);
    label->SetParent(&form);
    deco.outlined.push_back(label);
  }
}

void AccelAndAutoSize(TForm& form, Decorations& deco, int left, int top) {
  PlaceCaption(form, left, top, "Accelerators and AutoSize (outline = bounds)");
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
    auto* label = new TLabel(&form);
    label->SetColor(clWhite);
    label->SetShowAccelChar(s.showAccel);
    label->SetCaption(s.caption);
    label->SetBounds(left, y, label->Width(), label->Height());
    label->SetParent(&form);
    deco.outlined.push_back(label);
    y += label->Height() + 8;
  }
}

void DisabledAndTransparent(TForm& form, Decorations& deco, int left, int top) {
  PlaceCaption(form, left, top, "Enabled and disabled (embossed) on the button face");
  const struct {
    bool enabled;
    int size;
    int x;
  } states[] = {{true, 8, 0}, {false, 8, 90}, {true, 14, 180}, {false, 14, 300}};
  for (const auto& s : states) {
    PlaceLabel(form, Bounds(left + s.x, top + 22, 110, 30), s.enabled ? "Enabled" : "Disabled",
               [&](TLabel& l) {
                 l.SetColor(clBtnFace);
                 l.Font()->SetSize(s.size);
                 l.SetEnabled(s.enabled);
               });
  }

  const int y = top + 70;
  PlaceCaption(form, left, y, "Transparent (left) and opaque (right) over a coloured background");
  const TColor bands[] = {clRed, clYellow, clLime, clAqua, clBlue, clFuchsia};
  for (int i = 0; i < 6; ++i)
    deco.bands.emplace_back(Bounds(left + i * 70, y + 20, 70, 60), bands[i]);
  for (bool transparent : {true, false}) {
    PlaceLabel(
        form, Bounds(left + (transparent ? 20 : 220), y + 30, 170, 40),
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

void BuildLabels(TForm& form) {
  auto deco = std::make_shared<Decorations>();
  AlignmentGrid(form, *deco, 10, 8);
  AccelAndAutoSize(form, *deco, 390, 8);
  WordWrapSamples(form, *deco, 10, 206);
  DisabledAndTransparent(form, *deco, 10, 330);
  form.OnPaint = [&form, deco](TObject*) { deco->Paint(form.Canvas()); };
}

}  // namespace

std::vector<Page> LabelPages() {
  return {LivePage("labels",
                   "Label: alignment, layout, word wrap, accelerators, disabled, transparent", 760,
                   520, BuildLabels)};
}

}  // namespace gallery
