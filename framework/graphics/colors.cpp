// PLACEHOLDER until the colour table lands: only plain RGB values resolve.
#include "framework/graphics/colors.h"
#include "framework/base/exceptions.h"
namespace fw {
TColor ColorToRGB(TColor color) { return color & 0xFFFFFF; }
std::string ColorToString(TColor) { throw Exception("ColorToString: not built yet"); }
TColor StringToColor(const std::string&) { throw Exception("StringToColor: not built yet"); }
std::optional<TColor> IdentToColor(const std::string&) { return std::nullopt; }
std::optional<std::string> ColorToIdent(TColor) { return std::nullopt; }
}  // namespace fw
