// The component palette of a form designer: named pages, each listing component classes in
// the order a design-time package registered them.
#pragma once

#include <initializer_list>
#include <string>
#include <typeindex>
#include <vector>

namespace fw {

struct ClassRecord;

// A component class as design-time code names it: its C++ type (typeid(TMeter)). The class
// must have a class record (framework/base/registry.h).
using TComponentClass = std::type_index;

struct TPalettePage {
  std::string name;
  std::vector<const ClassRecord*> classes;  // in registration order
};

// Adds `classes` to the page of that name (created after the existing pages when new; page
// names compare without regard to ASCII case). A class already on the page keeps its place.
// Raises EInvalidOperation, registering nothing, when a class has no class record, is not a
// component or cannot be created, or when the page name is empty.
void RegisterComponents(const std::string& page, std::initializer_list<TComponentClass> classes);
void RegisterComponents(const std::string& page, const std::vector<TComponentClass>& classes);

// The pages in the order they were first registered.
const std::vector<TPalettePage>& PalettePages();
// The page of that name, or nullptr.
const TPalettePage* FindPalettePage(const std::string& page);
// Forgets a page (a package going away); nothing happens for an unknown name.
void UnregisterPalettePage(const std::string& page);

}  // namespace fw
