// Registers the test-only component classes before any test runs.
#include "tests/framework_base/test_components.h"

namespace {
[[maybe_unused]] const bool kRegistered = (fw::test::RegisterTestComponents(), true);
}
