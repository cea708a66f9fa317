// Laying out the contact sheet (see contact_sheet.h): entries flow left to right in rows.
#include "tools/onoff_art/contact_sheet.h"

#include <algorithm>

#include "framework/graphics/canvas.h"

namespace onoff_art {

namespace {

constexpr int kMaxWidth = 1900;
constexpr int kGap = 16;
constexpr int kLabelHeight = 18;
constexpr fw::TColor kLight = fw::TColor(0xF0F0F0);
constexpr fw::TColor kDark = fw::TColor(0x2B2B2B);

struct Placed {
  const SheetImage* sheet;
  int x;
  int y;
};

// Nearest-neighbour enlargement with the key colour shown as `background`.
void PutEnlarged(fw::TBitmap& out, const fw::TBitmap& sheet, int left, int top, int scale,
                 fw::TColor background) {
  const fw::TPixel key = fw::ColorToPixel(kKeyColor);
  for (int y = 0; y < sheet.Height() * scale; ++y) {
    const fw::TPixel* from = sheet.ScanLine(y / scale);
    fw::TPixel* to = out.ScanLine(top + y);
    for (int x = 0; x < sheet.Width() * scale; ++x) {
      const fw::TPixel p = from[x / scale] & 0xFFFFFF;
      to[left + x] = p == key ? fw::ColorToPixel(background) : p;
    }
  }
}

}  // namespace

std::unique_ptr<fw::TBitmap> ContactSheet(const std::vector<SheetImage>& sheets, int scale) {
  // Place the entries: two enlarged copies side by side under a label.
  std::vector<Placed> placed;
  int x = kGap, y = kGap, rowHeight = 0, width = 0;
  for (const SheetImage& s : sheets) {
    const int w = 2 * s.image->Width() * scale + kGap;
    const int h = s.image->Height() * scale + kLabelHeight;
    if (x + w > kMaxWidth && x > kGap) {
      x = kGap;
      y += rowHeight + kGap;
      rowHeight = 0;
    }
    placed.push_back({&s, x, y});
    x += w + kGap;
    width = std::max(width, x);
    rowHeight = std::max(rowHeight, h);
  }
  auto out = std::make_unique<fw::TBitmap>(width, y + rowHeight + kGap);
  fw::TCanvas* c = out->Canvas();
  c->Brush()->SetColor(fw::TColor(0xC8C8C8));
  c->FillRect(fw::Rect(0, 0, out->Width(), out->Height()));
  for (const Placed& p : placed) {
    const fw::TBitmap& image = *p.sheet->image;
    c->Brush()->SetStyle(fw::bsClear);
    c->TextOut(p.x, p.y, p.sheet->name);
    const int top = p.y + kLabelHeight;
    PutEnlarged(*out, image, p.x, top, scale, kLight);
    PutEnlarged(*out, image, p.x + image.Width() * scale + kGap, top, scale, kDark);
  }
  return out;
}

}  // namespace onoff_art
