// TColSel drawing: each item's colour bar, the edit symbol of an editable entry and the name.
#include <array>
#include <cmath>

#include "browse/ZEB_Colsel.h"
#include "framework/graphics/canvas.h"

namespace zeb {

namespace {

constexpr fw::TColor kDisabledFace = fw::RGB(192, 192, 192);
constexpr fw::TColor kDisabledLine = fw::RGB(128, 128, 128);

}  // namespace

double ColorBarBrightness(fw::TColor color) {
  const fw::TColor c = fw::ColorToRGB(color);
  const double r = fw::GetRValue(c), g = fw::GetGValue(c), b = fw::GetBValue(c);
  return std::sqrt(r * r + 2 * g * g + b * b) / 2;
}

// Entry e = Index + 1. The face of a box with no item chosen (Index -1) shows the background
// only, as does any index outside the list.
void TColSel::DrawItem(int Index, const fw::TRect& Rect, fw::TOwnerDrawState) {
  fw::TCanvas* canvas = Canvas();
  const int e = Index + 1;
  int L = Rect.Left;
  const int T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  if (e < 1 || e > numColors_) {
    canvas->Brush()->SetStyle(fw::bsSolid);
    canvas->Brush()->SetColor(Enabled() ? Color() : kDisabledFace);
    canvas->FillRect(Rect);
    return;
  }
  const TEntry& entry = Entry(e);
  // 1. The brush and font colours to give back at the end.
  const fw::TColor brushBefore = canvas->Brush()->Color();
  const fw::TColor fontBefore = canvas->Font()->Color();
  canvas->Brush()->SetStyle(fw::bsSolid);
  canvas->Pen()->SetStyle(fw::psSolid);
  canvas->Pen()->SetWidth(1);

  // 2. The colour bar; disabled, a grey field under a grey bar.
  if (colorBarWidth_ > 0) {
    canvas->Pen()->SetColor(fw::clBlack);
    if (Enabled()) {
      canvas->Brush()->SetColor(entry.color);
    } else {
      canvas->Pen()->SetColor(kDisabledFace);
      canvas->Brush()->SetColor(kDisabledFace);
      canvas->Rectangle(L - 1, T - 1, L + colorBarWidth_ + 3, B + 1);
      canvas->Pen()->SetColor(kDisabledLine);
    }
    canvas->Rectangle(L + 3, T + 2, L + colorBarWidth_ + 3, B - 2);
  }

  // 3. The edit symbol, black on light colours and white on dark ones.
  if (entry.allowEdit && colorBarWidth_ > 11 && Enabled()) {
    canvas->Pen()->SetColor(ColorBarBrightness(entry.color) > 180 ? fw::clBlack : fw::clWhite);
    const std::array<fw::TPoint, 7> symbol{{{L + 5, T + 4},
                                            {L + 5, B - 5},
                                            {L + 8, B - 5},
                                            {L + 11, B - 8},
                                            {L + 11, T + 7},
                                            {L + 8, T + 4},
                                            {L + 5, T + 4}}};
    canvas->Polyline(symbol);
    canvas->Pen()->SetColor(fw::clBlack);
  }

  // 4. Text colours; the selection state does not change them.
  canvas->Font()->SetColor(Enabled() ? fw::clBlack : kDisabledLine);
  canvas->Brush()->SetColor(Enabled() ? Color() : kDisabledFace);

  // 5. The name beside the bar, centred vertically.
  L += colorBarWidth_ + 3;
  canvas->TextRect(fw::Rect(L, T, R, B), L + 3, T + (B - T - canvas->TextHeight(entry.name)) / 2,
                   entry.name);

  // 6. The colours as they were.
  canvas->Brush()->SetColor(brushBefore);
  canvas->Font()->SetColor(fontBefore);
}

}  // namespace zeb
