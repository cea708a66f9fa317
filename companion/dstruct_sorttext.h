// The text form a string-matrix sort compares: without case and accents. Internal to the
// ZEB_dstruct unit.
#pragma once

#include <string>
#include <string_view>

namespace zeb {

// Appends text lower-cased, with the accented Latin letters of U+00C0..U+017F reduced to their
// base letters ("Ä" and "ä" to "a", "ß" to "ss", "Æ" to "ae", "Œ" to "oe", "Þ" to "th", "Ĳ" to
// "ij"); every other character is lower-cased as the run-time library does.
void AppendSortText(std::string& out, std::string_view text);

}  // namespace zeb
