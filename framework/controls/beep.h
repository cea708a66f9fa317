// MessageBeep: the platform's sound call, handed to the backend (the headless backend
// records it).
#pragma once

#include <cstdint>

namespace fw {

inline constexpr uint32_t MB_OK = 0x00000000;
inline constexpr uint32_t MB_ICONHAND = 0x00000010;
inline constexpr uint32_t MB_ICONQUESTION = 0x00000020;
inline constexpr uint32_t MB_ICONEXCLAMATION = 0x00000030;
inline constexpr uint32_t MB_ICONASTERISK = 0x00000040;

bool MessageBeep(uint32_t type);

}  // namespace fw
