// Design-time packages: shared libraries a form designer loads to put component classes on
// its palette and to add property editors. A package exports one C function,
// PANEKIT_PACKAGE_REGISTER_ENTRY, which the designer calls once after loading it; that
// function calls RegisterComponents and RegisterPropertyEditor.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "framework/rtl/exceptions.h"

// The name of the registration entry a package exports (extern "C", no arguments).
#define PANEKIT_PACKAGE_REGISTER_ENTRY "panekitRegisterPackage"

namespace fw {

// A package that cannot be loaded or registered; the message says why.
class EPackageError : public Exception {
 public:
  using Exception::Exception;
};

// A loaded package. Loading calls its registration entry; the palette pages and editor
// bindings it added are listed. The library itself stays loaded for the rest of the program
// (components made from its classes may outlive the designer's windows), so destroying this
// object removes only the palette pages the package added.
class TDesignPackage {
 public:
  // Loads the shared library at `path` and calls its registration entry. Raises EPackageError
  // when the file cannot be loaded, has no entry or its registration fails (the palette pages
  // it created before failing are taken back).
  explicit TDesignPackage(const std::string& path);
  ~TDesignPackage();
  TDesignPackage(const TDesignPackage&) = delete;
  TDesignPackage& operator=(const TDesignPackage&) = delete;

  const std::string& Path() const { return path_; }
  // The pages the package created, in palette order.
  const std::vector<std::string>& Pages() const { return pages_; }
  // How many property-editor bindings it added.
  size_t EditorCount() const { return editors_; }

 private:
  std::string path_;
  std::vector<std::string> pages_;
  size_t editors_ = 0;
};

}  // namespace fw
