// File dialog filters: "Bitmaps|*.bmp;*.dib|All Files|*.*" as description and pattern pairs,
// and the wildcard match of file names against them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fw {

struct TFileFilter {
  std::string description;
  std::vector<std::string> patterns;  // "*.bmp", "*.dib"
};

// The pairs of a filter text, in order. A description without patterns matches everything;
// empty patterns between ';' are skipped.
std::vector<TFileFilter> ParseFileFilter(std::string_view filter);

// True when `name` matches the wildcard `pattern`: '*' any run of characters, '?' one
// character, letters compared without regard to ASCII case. "*.*" matches every name, also
// one without a dot.
bool MatchesMask(std::string_view name, std::string_view pattern);

// True when `name` matches one of the patterns (or there are none).
bool MatchesFilter(std::string_view name, const TFileFilter& filter);

}  // namespace fw
