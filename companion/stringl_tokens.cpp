// Splitting text into tokens, padding to a width and finding the n-th occurrence of a text.
#include "companion/ZEB_stringl.h"
#include "framework/rtl/utf8.h"

namespace zeb {

int Tokenize(std::string_view S, std::string_view Delim, std::vector<std::string>& Parts) {
  Parts.clear();
  if (S.empty()) return 0;
  if (Delim.empty()) {
    Parts.emplace_back(S);
    return 1;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = S.find(Delim, start);
    if (at == std::string_view::npos) {
      Parts.emplace_back(S.substr(start));
      break;
    }
    Parts.emplace_back(S.substr(start, at - start));
    start = at + Delim.size();
  }
  return static_cast<int>(Parts.size());
}

std::string LeftString(std::string_view S, int Len) {
  if (Len < 1) return {};
  std::string result = fw::CutToLength(S, static_cast<std::size_t>(Len));
  const std::size_t length = fw::Length(result);
  result.append(static_cast<std::size_t>(Len) - length, ' ');
  return result;
}

int NumberedPos(std::string_view Sub, std::string_view S, int Start, int N, bool IgnoreCase) {
  if (Sub.empty() || N < 1) return 0;
  if (Start < 1) Start = 1;
  // Lower-casing maps each character to one character, so character positions carry over.
  std::string foldedSub, foldedS;
  if (IgnoreCase) {
    foldedSub = fw::LowerCase(Sub);
    foldedS = fw::LowerCase(S);
    Sub = foldedSub;
    S = foldedS;
  }
  if (static_cast<std::size_t>(Start) > fw::Length(S)) return 0;
  std::size_t from = fw::ByteOffsetOfChar(S, Start);
  for (int found = 1;; ++found) {
    const std::size_t at = S.find(Sub, from);
    if (at == std::string_view::npos) return 0;
    if (found == N) return static_cast<int>(fw::Length(S.substr(0, at)) + 1);
    from = at + Sub.size();
  }
}

}  // namespace zeb
