// Fuzz target: clipboard text read by the table editor. Any text is measured and extracted
// without failing; extraction writes only inside the table and selects inside it, and every
// number read is finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/backend/headless/test_host.h"
#include "ntabed/ZEB_ntabed.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t before = pos;
    if (!std::isfinite(zeb::ScanClipNumber(text, pos))) __builtin_trap();
    if (pos == before) ++pos;
  }
  fw::TestHost host(200, 100);
  zeb::TNTabEd editor(nullptr);
  editor.Redimension(3, 3);
  host.SetClipboardText(text);
  int cols = 0, rows = 0;
  editor.GetClipMatrixSize(cols, rows);
  if (cols < 1 || rows < 1) __builtin_trap();
  editor.SetSelection(fw::TGridRect{3, 2, 3, 2});
  editor.ExtractFromClipboard();
  const fw::TGridRect sel = editor.Selection();
  if (editor.NrOfColumns() != 3 || editor.NrOfRows() != 3 || sel.Right > 4 || sel.Bottom > 3)
    __builtin_trap();
  return 0;
}
