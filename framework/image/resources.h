// The embedded resource table: named byte blocks (bitmaps of the components) that the build
// compiles into the libraries from the files of resources/. Names are matched ignoring case.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace fw {

// Adds or replaces a resource. The bytes are copied.
void RegisterResource(const std::string& name, std::span<const uint8_t> bytes);

// The bytes of a resource, or an empty span when there is none of that name.
std::span<const uint8_t> FindResource(const std::string& name);

bool ResourceExists(const std::string& name);

}  // namespace fw
