// Font resolution: family names and styles to installed font files through fontconfig, with
// the platform's classic family names mapped to metric-compatible installed families.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fw {

// A font file (and face index inside it) with the style the face itself has; a requested
// style the face lacks is synthesized by the glyph renderer.
struct FontFile {
  std::string path;
  int index = 0;
  bool bold = false;
  bool italic = false;
};

// Looks families up in one fontconfig configuration. The system resolver loads the machine's
// configuration; an empty resolver knows no font at all (tests of the fallback use it).
class FontResolver {
 public:
  static std::unique_ptr<FontResolver> System();
  static std::unique_ptr<FontResolver> Empty();
  // A resolver that knows only the given font files (files it cannot read are left out).
  static std::unique_ptr<FontResolver> FromFiles(const std::vector<std::string>& paths);
  ~FontResolver();
  FontResolver(const FontResolver&) = delete;
  FontResolver& operator=(const FontResolver&) = delete;

  // The best installed match for the family, or nothing when the configuration has no font.
  // Unknown families resolve to the configuration's default family like any other request.
  std::optional<FontFile> Resolve(const std::string& family, bool bold, bool italic) const;

 private:
  struct Config;
  explicit FontResolver(std::unique_ptr<Config> config);
  std::unique_ptr<Config> config_;
};

// The resolver the text engine uses: the system resolver, created at first use (GUI thread
// only; no locking), unless a ScopedFontResolver replaces it.
const FontResolver& ActiveFontResolver();
// Counts replacements of the active resolver, so caches of resolved fonts know to reset.
int FontResolverGeneration();

// Makes `resolver` the active one for its lifetime (tests of the fallback font).
class ScopedFontResolver {
 public:
  explicit ScopedFontResolver(std::unique_ptr<FontResolver> resolver);
  ~ScopedFontResolver();
  ScopedFontResolver(const ScopedFontResolver&) = delete;
  ScopedFontResolver& operator=(const ScopedFontResolver&) = delete;

 private:
  std::unique_ptr<FontResolver> resolver_;
  const FontResolver* previous_;
};

}  // namespace fw
