// Font resolution through fontconfig: the classic family names of the platform are tried as
// asked, then their metric-compatible substitutes, then the generic family.
#include "framework/graphics/internal/font_resolver.h"
#include "framework/rtl/utf8.h"

#include <fontconfig/fontconfig.h>

#include <cctype>
#include <initializer_list>
#include <string_view>

namespace fw {

namespace {

// Families tried after the requested one, by the requested family's kind.
constexpr std::initializer_list<const char*> kSansSubstitutes = {"Liberation Sans", "Arimo",
                                                                 "DejaVu Sans", "sans-serif"};
constexpr std::initializer_list<const char*> kMonoSubstitutes = {"Liberation Mono", "Cousine",
                                                                 "DejaVu Sans Mono", "monospace"};
constexpr std::initializer_list<const char*> kSerifSubstitutes = {"Liberation Serif", "Tinos",
                                                                  "DejaVu Serif", "serif"};

bool IsOneOf(std::string_view family, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (SameText(family, name)) return true;
  }
  return false;
}

std::initializer_list<const char*> SubstitutesFor(std::string_view family) {
  if (IsOneOf(family, {"Courier New", "Courier", "Fixedsys", "Terminal", "Lucida Console",
                       "Consolas", "monospace"})) {
    return kMonoSubstitutes;
  }
  if (IsOneOf(family, {"Times New Roman", "Times", "MS Serif", "Georgia", "serif"})) {
    return kSerifSubstitutes;
  }
  return kSansSubstitutes;
}

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

}  // namespace

struct FontResolver::Config {
  FcConfig* config = nullptr;
  ~Config() {
    if (config != nullptr) FcConfigDestroy(config);
  }
};

FontResolver::FontResolver(std::unique_ptr<Config> config) : config_(std::move(config)) {}
FontResolver::~FontResolver() = default;

std::unique_ptr<FontResolver> FontResolver::System() {
  auto config = std::make_unique<Config>();
  config->config = FcInitLoadConfigAndFonts();
  return std::unique_ptr<FontResolver>(new FontResolver(std::move(config)));
}

std::unique_ptr<FontResolver> FontResolver::Empty() {
  auto config = std::make_unique<Config>();
  config->config = FcConfigCreate();
  return std::unique_ptr<FontResolver>(new FontResolver(std::move(config)));
}

std::unique_ptr<FontResolver> FontResolver::FromFiles(const std::vector<std::string>& paths) {
  auto config = std::make_unique<Config>();
  config->config = FcConfigCreate();
  if (config->config != nullptr) {
    for (const std::string& path : paths) {
      FcConfigAppFontAddFile(config->config, reinterpret_cast<const FcChar8*>(path.c_str()));
    }
  }
  return std::unique_ptr<FontResolver>(new FontResolver(std::move(config)));
}

std::optional<FontFile> FontResolver::Resolve(const std::string& family, bool bold,
                                              bool italic) const {
  if (config_->config == nullptr) return std::nullopt;
  PatternPtr pattern(FcPatternCreate());
  if (!pattern) return std::nullopt;
  FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  for (const char* substitute : SubstitutesFor(family)) {
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(substitute));
  }
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(config_->config, pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  PatternPtr match(FcFontMatch(config_->config, pattern.get(), &result));
  if (!match || result != FcResultMatch) return std::nullopt;
  FcChar8* file = nullptr;
  if (FcPatternGetString(match.get(), FC_FILE, 0, &file) != FcResultMatch || file == nullptr) {
    return std::nullopt;
  }
  FontFile found;
  found.path = reinterpret_cast<const char*>(file);
  FcPatternGetInteger(match.get(), FC_INDEX, 0, &found.index);
  int weight = FC_WEIGHT_REGULAR;
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match.get(), FC_WEIGHT, 0, &weight);
  FcPatternGetInteger(match.get(), FC_SLANT, 0, &slant);
  found.bold = weight >= FC_WEIGHT_DEMIBOLD;
  found.italic = slant != FC_SLANT_ROMAN;
  return found;
}

namespace {

const FontResolver* activeOverride = nullptr;
int generation = 0;

}  // namespace

const FontResolver& ActiveFontResolver() {
  if (activeOverride != nullptr) return *activeOverride;
  static const std::unique_ptr<FontResolver> system = FontResolver::System();
  return *system;
}

int FontResolverGeneration() {
  return generation;
}

ScopedFontResolver::ScopedFontResolver(std::unique_ptr<FontResolver> resolver)
    : resolver_(std::move(resolver)), previous_(activeOverride) {
  activeOverride = resolver_.get();
  ++generation;
}

ScopedFontResolver::~ScopedFontResolver() {
  activeOverride = previous_;
  ++generation;
}

}  // namespace fw
