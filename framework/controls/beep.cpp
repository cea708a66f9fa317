// MessageBeep through the backend.
#include "framework/controls/beep.h"

#include "framework/controls/backend.h"

namespace fw {

bool MessageBeep(uint32_t type) {
  CurrentBackend().Beep(type);
  return true;
}

}  // namespace fw
