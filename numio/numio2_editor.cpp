// The input panel's editor state: text, caret and selection, and the edits keys make.
#include <algorithm>

#include "numio/ZEB_NumIO.h"

namespace zeb {

std::string TNioEditor::SelectedText() const {
  if (!HasSelection()) return {};
  return text.substr(selBegin, selEnd - selBegin);
}

void TNioEditor::Clamp() {
  const int n = Length();
  caret = std::clamp(caret, 0, n);
  selBegin = std::clamp(selBegin, 0, n);
  selEnd = std::clamp(selEnd, selBegin, n);
}

void TNioEditor::MoveCaret(int pos) {
  caret = std::clamp(pos, 0, Length());
}

void TNioEditor::DeleteSelection() {
  Clamp();
  text.erase(selBegin, selEnd - selBegin);
  caret = selEnd = selBegin;
}

void TNioEditor::Backspace() {
  Clamp();
  if (HasSelection()) return DeleteSelection();
  if (caret > 0) text.erase(--caret, 1);
  selBegin = selEnd = caret;
}

void TNioEditor::DeleteForward() {
  Clamp();
  if (HasSelection()) return DeleteSelection();
  if (caret < Length()) text.erase(caret, 1);
  selBegin = selEnd = caret;
}

void TNioEditor::Insert(std::string_view s) {
  if (HasSelection()) DeleteSelection();
  Clamp();
  text.insert(static_cast<std::size_t>(caret), s);
  caret += static_cast<int>(s.size());
  selBegin = selEnd = caret;
}

}  // namespace zeb
