// Fuzz target: arbitrary text read as a form with the test components registered. Refusals
// (fw::Exception) are fine; crashes, leaks and undefined behaviour are not. A form that
// reads is written and read again, which must succeed.
#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/base/form_text.h"
#include "tests/framework_base/test_components.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool registered = (fw::test::RegisterTestComponents(), true);
  (void)registered;
  fw::test::TestLog::Get().Clear();
  std::string text(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<fw::TComponent> form;
  try {
    form = fw::ReadForm(text);
  } catch (const fw::Exception&) {
    return 0;
  }
  std::string written;
  try {
    written = fw::WriteForm(*form);
  } catch (const fw::Exception&) {
    return 0;  // colour names may be unavailable in this build
  }
  auto again = fw::ReadForm(written);  // must not throw: the writer's text reads back
  if (fw::WriteForm(*again) != written) __builtin_trap();
  return 0;
}
