// Fuzz target: arbitrary bytes as text, drawn with a font, angle, position and clip taken from
// the input's first bytes; nothing may be written outside the target.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "framework/graphics/text_engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 8) return 0;
  static const char* const kFamilies[] = {fw::kBuiltinFontName, "MS Sans Serif", "Courier New",
                                          "Times New Roman"};
  fw::FontSpec font;
  font.name = kFamilies[data[0] & 3];
  font.height = int(int8_t(data[1])) / 2;
  font.bold = data[0] & 4;
  font.italic = data[0] & 8;
  font.underline = data[0] & 16;
  font.strikeOut = data[0] & 32;
  font.antialiased = data[0] & 64;
  font.escapement = int(int16_t(uint16_t(data[2]) << 8 | data[3]));
  const int x = int(int8_t(data[4])), y = int(int8_t(data[5]));
  const fw::TRect clip{int(data[6] & 15) - 4, int(data[6] >> 4) - 4, 40 + (data[7] & 31),
                       30 + (data[7] >> 3)};
  std::string_view text(reinterpret_cast<const char*>(data + 8), size - 8);

  // The target sits inside a guarded buffer: the guard rows and columns must stay untouched.
  constexpr int kW = 48, kH = 36, kStride = 56, kGuard = 4;
  std::vector<fw::TPixel> buffer(size_t(kStride) * (kH + 2 * kGuard), 0xABCDEF);
  fw::PixelTarget target{buffer.data() + kGuard * kStride, kW, kH, kStride};
  fw::DrawText(target, clip, x, y, text, font, 0x000000, std::nullopt);
  fw::TextExtent extent = fw::MeasureText(font, text);
  if (extent.width < 0 || extent.height <= 0) __builtin_trap();
  for (int row = 0; row < kH + 2 * kGuard; ++row) {
    for (int col = 0; col < kStride; ++col) {
      bool inside = row >= kGuard && row < kGuard + kH && col < kW;
      if (!inside && buffer[size_t(row) * kStride + size_t(col)] != 0xABCDEF) __builtin_trap();
    }
  }
  return 0;
}
