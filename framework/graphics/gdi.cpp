// Logical fonts and their handle table, stretch modes, StretchBlt and BitBlt.
#include "framework/graphics/gdi.h"

#include <cstring>
#include <map>
#include <mutex>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/internal/canvas_device.h"

namespace fw {

namespace {

// The process-wide font handle table. Handles are numbers that only ever grow.
class FontTable {
 public:
  HFONT Add(const LOGFONT& font) {
    std::lock_guard lock(mutex_);
    const uintptr_t id = ++lastId_;
    fonts_.emplace(id, font);
    return reinterpret_cast<HFONT>(id);
  }
  bool Get(HFONT h, LOGFONT& out) const {
    std::lock_guard lock(mutex_);
    auto it = fonts_.find(reinterpret_cast<uintptr_t>(h));
    if (it == fonts_.end()) return false;
    out = it->second;
    return true;
  }
  bool Remove(HGDIOBJ h) {
    std::lock_guard lock(mutex_);
    return fonts_.erase(reinterpret_cast<uintptr_t>(h)) > 0;
  }
  int Count() const {
    std::lock_guard lock(mutex_);
    return int(fonts_.size());
  }

 private:
  mutable std::mutex mutex_;
  uintptr_t lastId_ = 0;
  std::map<uintptr_t, LOGFONT> fonts_;
};

FontTable& Fonts() {
  static FontTable table;
  return table;
}

// Copies a UTF-8 name into a face-name field, cut on a character boundary.
void CopyFaceName(const std::string& name, char (&out)[LF_FACESIZE]) {
  size_t n = std::min(name.size(), size_t(LF_FACESIZE - 1));
  while (n > 0 && n < name.size() && (uint8_t(name[n]) & 0xC0) == 0x80) --n;
  std::memcpy(out, name.data(), n);
  out[n] = '\0';
}

}  // namespace

HFONT CreateFontIndirect(const LOGFONT& font) {
  return Fonts().Add(font);
}

bool GetObject(HFONT font, LOGFONT& out) {
  return Fonts().Get(font, out);
}

int GetObject(HFONT font, int size, void* out) {
  LOGFONT lf;
  if (!out || size <= 0 || !Fonts().Get(font, lf)) return 0;
  const int n = std::min(size, int(sizeof(LOGFONT)));
  std::memcpy(out, &lf, size_t(n));
  return n;
}

bool DeleteObject(HGDIOBJ object) {
  return object && Fonts().Remove(object);
}

int FontHandleCount() {
  return Fonts().Count();
}

LOGFONT FontToLogFont(const TFont& font) {
  LOGFONT lf;
  lf.lfHeight = font.Height();
  lf.lfEscapement = font.Orientation();
  lf.lfOrientation = font.Orientation();
  lf.lfWeight = font.Style().Contains(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.Style().Contains(fsItalic);
  lf.lfUnderline = font.Style().Contains(fsUnderline);
  lf.lfStrikeOut = font.Style().Contains(fsStrikeOut);
  lf.lfCharSet = font.Charset();
  lf.lfQuality = font.Quality();
  lf.lfPitchAndFamily = font.Pitch() == fpFixed      ? FIXED_PITCH
                        : font.Pitch() == fpVariable ? VARIABLE_PITCH
                                                     : DEFAULT_PITCH;
  CopyFaceName(font.Name(), lf.lfFaceName);
  return lf;
}

int SetStretchBltMode(TCanvas* canvas, int mode) {
  if (!canvas || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  const int previous = canvas->StretchMode();
  canvas->SetStretchMode(mode);
  return previous;
}

int GetStretchBltMode(const TCanvas* canvas) {
  return canvas ? canvas->StretchMode() : 0;
}

bool StretchBlt(TCanvas* dst, int x, int y, int w, int h, const TCanvas* src, int sx, int sy,
                int sw, int sh, uint32_t rop) {
  // Operations that do not read the source (PATCOPY, BLACKNESS ...) may go without one.
  const uint8_t table = uint8_t((rop >> 16) & 0xFF);
  const bool readsSource = ((table >> 2) ^ table) & 0x33;
  if (!src && !readsSource) src = dst, sx = x, sy = y, sw = w, sh = h;
  if (!dst || !src || !dst->Target() || !src->Target()) return false;
  const TPoint d = TCanvasDevice::ToDevice(*dst, x, y);
  const TPoint s = TCanvasDevice::ToDevice(*src, sx, sy);
  TCanvasDevice::Blit(*dst, Rect(d.X, d.Y, d.X + w, d.Y + h), src->Target(),
                      Rect(s.X, s.Y, s.X + sw, s.Y + sh), rop);
  return true;
}

bool BitBlt(TCanvas* dst, int x, int y, int w, int h, const TCanvas* src, int sx, int sy,
            uint32_t rop) {
  return StretchBlt(dst, x, y, w, h, src, sx, sy, w, h, rop);
}

}  // namespace fw
