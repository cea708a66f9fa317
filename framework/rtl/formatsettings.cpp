// The process-wide conversion settings, initialised to the platform's defaults
// ("." decimal separator, "," thousand separator, two-digit years within 50 years).

#include "framework/rtl/numtext.h"

namespace fw {

TFormatSettings FormatSettings;

}  // namespace fw
