// TCanvas images: Draw, StretchDraw, CopyRect and BrushCopy, all through one blit that
// combines source, destination and brush by a raster operation.
#include <algorithm>
#include <vector>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/gdi.h"
#include "framework/graphics/internal/raster.h"

namespace fw {

BlitPattern TCanvas::Pattern() const {
  return BlitPattern{ColorToPixel(brush_->Color()), brush_->HatchBits(), 0xFFFFFF};
}

fw::StretchMode TCanvas::StretchKind() const {
  return stretchMode_ == HALFTONE ? StretchMode::Average : StretchMode::Nearest;
}

void TCanvas::BlitDevice(const TRect& dest, const TBitmap* bitmap, const TRect& source,
                         TCopyMode rop) {
  const ClippedTarget t = DeviceTarget();
  if (!bitmap || IsRectEmpty(t.clip)) return;
  BlitSource src = bitmap->Source();
  // Copying within one bitmap reads from a snapshot, so overlapping areas come out right.
  std::vector<TPixel> snapshot;
  if (bitmap == target_) {
    snapshot.assign(src.pixels, src.pixels + size_t(src.width) * size_t(src.height));
    src.pixels = snapshot.data();
  }
  NotifyDrawn(StretchBlit(t, dest, src, source, rop, Pattern(), StretchKind()));
}

void TCanvas::Draw(int x, int y, const TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty()) return;
  StretchDraw(Bounds(x, y, bitmap->Width(), bitmap->Height()), bitmap);
}

void TCanvas::StretchDraw(const TRect& r, const TBitmap* bitmap) {
  if (!bitmap || bitmap->Empty()) return;
  const TRect dest = ToDevice(r);
  const TRect source = Rect(0, 0, bitmap->Width(), bitmap->Height());
  if (!bitmap->Transparent()) {
    BlitDevice(dest, bitmap, source, copyMode_);
    return;
  }
  const ClippedTarget t = DeviceTarget();
  if (IsRectEmpty(t.clip)) return;
  BlitSource src = bitmap->Source();
  std::vector<TPixel> snapshot;
  if (bitmap == target_) {
    snapshot.assign(src.pixels, src.pixels + size_t(src.width) * size_t(src.height));
    src.pixels = snapshot.data();
  }
  NotifyDrawn(TransparentBlit(t, dest, src, source, ColorToPixel(bitmap->TransparentColor())));
}

void TCanvas::CopyRect(const TRect& dest, const TCanvas* canvas, const TRect& source) {
  if (!canvas || !canvas->Target()) return;
  BlitDevice(ToDevice(dest), canvas->Target(), canvas->ToDevice(source), copyMode_);
}

void TCanvas::BrushCopy(const TRect& dest, const TBitmap* bitmap, const TRect& source,
                        TColor color) {
  if (!bitmap || bitmap->Empty()) return;
  // A copy of the bitmap with the key colour replaced by the brush, copied as usual.
  TBitmap recoloured;
  recoloured.Assign(bitmap);
  recoloured.SetTransparent(false);
  const TPixel key = ColorToPixel(color), fill = ColorToPixel(brush_->Color());
  for (int y = 0; y < recoloured.Height(); ++y) {
    TPixel* row = recoloured.ScanLine(y);
    std::replace_if(
        row, row + recoloured.Width(), [&](TPixel p) { return (p & kRgbMask) == key; }, fill);
  }
  BlitDevice(ToDevice(dest), &recoloured, source, cmSrcCopy);
}

}  // namespace fw
