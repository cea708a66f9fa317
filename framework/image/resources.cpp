// PLACEHOLDER until the resource table lands.
#include "framework/image/resources.h"
namespace fw {
void RegisterResource(const std::string&, std::span<const uint8_t>) {}
std::span<const uint8_t> FindResource(const std::string&) { return {}; }
bool ResourceExists(const std::string&) { return false; }
}  // namespace fw
