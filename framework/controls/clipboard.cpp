// The clipboard object, forwarding to the backend.
#include "framework/controls/clipboard.h"

#include "framework/controls/backend.h"

namespace fw {

std::string TClipboard::AsText() const {
  return CurrentBackend().ClipboardText().value_or(std::string());
}

void TClipboard::SetAsText(const std::string& text) {
  CurrentBackend().SetClipboardText(text);
}

bool TClipboard::HasFormat(unsigned format) const {
  if (format != CF_TEXT && format != CF_UNICODETEXT) return false;
  return CurrentBackend().ClipboardText().has_value();
}

void TClipboard::Clear() {
  CurrentBackend().SetClipboardText(std::nullopt);
}

TClipboard* Clipboard() {
  static TClipboard clipboard;
  return &clipboard;
}

}  // namespace fw
