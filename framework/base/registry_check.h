// A check every component's tests can run: each registered class that can be created agrees
// with its class record (initial values as registered, setters and getters consistent).
#pragma once

#include <string>
#include <vector>

namespace fw::testing {

// Walks every registered class with a factory. For each published property of a new
// instance (owner nullptr): the getter reports the registered initial value (an object
// property a non-null object of a registered class); setting a valid value different from
// the initial one (the registered sample, else one derived from the initial value within
// the declared range; none for properties registered with NoSample) reads back unchanged.
// A component reference starts as nil, keeps a new instance of its class (or of a registered
// descendant) set to it, and is nil again once that instance is deleted.
// Returns one line per disagreement, empty when all agree.
std::vector<std::string> CheckRegisteredClasses();
// The same for one class.
std::vector<std::string> CheckRegisteredClass(const std::string& className);

}  // namespace fw::testing
