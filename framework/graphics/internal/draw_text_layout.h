// The line layout behind DrawText: splits text into lines at line breaks and by word wrap,
// removes accelerator prefixes, expands tabs and shortens lines with ellipses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/graphics/text_engine.h"

namespace fw {

// How lines are measured: the font and the flags that change widths.
struct TextLayoutFormat {
  FontSpec font;
  uint32_t format = 0;
  int tabWidth = 0;  // pixels between tab stops when tabs expand, else 0
};
TextLayoutFormat MakeLayoutFormat(const FontSpec& font, uint32_t format);

// One line as it is drawn.
struct LaidLine {
  std::string text;                // shown characters only
  std::vector<std::size_t> marks;  // byte offsets of underlined characters, ascending
  int width = 0;                   // pixels
};

// The lines of `text` for a rectangle `maxWidth` pixels wide.
std::vector<LaidLine> LayoutText(std::string_view text, const TextLayoutFormat& layout,
                                 int maxWidth);

// Walks a line piece by piece (tab-free runs, each marked character alone) calling
// piece(text, x, underlined) with x the piece's offset from the line start; returns the line
// width. Widths are held within int.
using LinePieceFn = std::function<void(std::string_view piece, int x, bool underlined)>;
int WalkLine(std::string_view text, std::span<const std::size_t> marks,
             const TextLayoutFormat& layout, const LinePieceFn& piece);
int LineWidth(std::string_view text, const TextLayoutFormat& layout);

}  // namespace fw
