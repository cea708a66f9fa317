// Loading a design-time package with the dynamic loader.
#include "framework/design/package.h"

#include <dlfcn.h>

#include <set>

#include "framework/design/palette.h"
#include "framework/design/property_editor_registry.h"
#include "framework/rtl/utf8.h"

namespace fw {

namespace {

std::vector<std::string> PageNames() {
  std::vector<std::string> names;
  for (const TPalettePage& p : PalettePages()) names.push_back(p.name);
  return names;
}

// The pages of `after` that `before` did not have.
std::vector<std::string> NewPages(const std::vector<std::string>& before,
                                  const std::vector<std::string>& after) {
  std::vector<std::string> added;
  for (const std::string& name : after) {
    bool known = false;
    for (const std::string& old : before) known = known || SameText(old, name);
    if (!known) added.push_back(name);
  }
  return added;
}

}  // namespace

TDesignPackage::TDesignPackage(const std::string& path) : path_(path) {
  // RTLD_GLOBAL: the package's classes (and the libraries it brings) serve the form reader of
  // the whole program, as if linked in.
  void* library = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
  if (library == nullptr) {
    const char* why = dlerror();
    throw EPackageError("Package " + path + " cannot be loaded: " + (why ? why : "unknown error"));
  }
  void* entry = dlsym(library, PANEKIT_PACKAGE_REGISTER_ENTRY);
  if (entry == nullptr)
    throw EPackageError("Package " + path + " has no registration entry " +
                        PANEKIT_PACKAGE_REGISTER_ENTRY);
  std::vector<std::string> pagesBefore = PageNames();
  size_t editorsBefore = PropertyEditorBindings().size();
  try {
    reinterpret_cast<void (*)()>(entry)();
  } catch (const std::exception& e) {
    for (const std::string& page : NewPages(pagesBefore, PageNames())) UnregisterPalettePage(page);
    throw EPackageError("Package " + path + " failed to register: " + e.what());
  }
  pages_ = NewPages(pagesBefore, PageNames());
  editors_ = PropertyEditorBindings().size() - editorsBefore;
}

TDesignPackage::~TDesignPackage() {
  for (const std::string& page : pages_) UnregisterPalettePage(page);
}

}  // namespace fw
