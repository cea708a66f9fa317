// The clipboard as components use it: plain text through Clipboard()->AsText, backed by the
// backend's clipboard.
#pragma once

#include <string>

namespace fw {

inline constexpr unsigned CF_TEXT = 1;
inline constexpr unsigned CF_BITMAP = 2;
inline constexpr unsigned CF_UNICODETEXT = 13;

class TClipboard {
 public:
  // The text on the clipboard; empty when it holds none.
  std::string AsText() const;
  void SetAsText(const std::string& text);
  // CF_TEXT and CF_UNICODETEXT: plain text is there (possibly empty). Other formats: false.
  bool HasFormat(unsigned format) const;
  void Clear();
  // Open and Close bracket several operations; they nest and do nothing else here.
  void Open() { ++openCount_; }
  void Close() {
    if (openCount_ > 0) --openCount_;
  }

 private:
  int openCount_ = 0;
};

TClipboard* Clipboard();

}  // namespace fw
