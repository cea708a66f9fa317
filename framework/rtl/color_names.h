// The names of the colour constants, for lists to choose a colour from.
#pragma once

#include <string>
#include <vector>

namespace fw {

// Every colour constant's name once ("clBlack" ... the system colours), in table order;
// aliases read by StringToColor but never written (clLtGray, clDkGray) are left out.
std::vector<std::string> GetColorValues();

}  // namespace fw
