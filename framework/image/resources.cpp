// The embedded resource table: byte blocks registered by name (usually by the registrars the
// build generates from resources/), looked up ignoring ASCII case.
#include "framework/image/resources.h"

#include <map>
#include <mutex>
#include <vector>

namespace fw {

namespace {

struct ResourceTable {
  std::mutex lock;
  std::map<std::string, std::vector<uint8_t>> blocks;
};

// Built on first use, so registrars running during static initialisation of other
// translation units always find it ready.
ResourceTable& Table() {
  static ResourceTable table;
  return table;
}

std::string UpperCased(const std::string& name) {
  std::string key = name;
  for (char& c : key)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return key;
}

}  // namespace

// Replacing a resource frees the old bytes, so spans returned for it before become invalid;
// the build registers each name once, at load time.
void RegisterResource(const std::string& name, std::span<const uint8_t> bytes) {
  ResourceTable& table = Table();
  std::lock_guard guard(table.lock);
  table.blocks[UpperCased(name)].assign(bytes.begin(), bytes.end());
}

std::span<const uint8_t> FindResource(const std::string& name) {
  ResourceTable& table = Table();
  std::lock_guard guard(table.lock);
  const auto found = table.blocks.find(UpperCased(name));
  if (found == table.blocks.end()) return {};
  return found->second;
}

bool ResourceExists(const std::string& name) {
  ResourceTable& table = Table();
  std::lock_guard guard(table.lock);
  return table.blocks.contains(UpperCased(name));
}

}  // namespace fw
