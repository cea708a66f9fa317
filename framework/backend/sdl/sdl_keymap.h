// Translation tables of the windowed backend: SDL key codes, mouse buttons, modifier masks,
// wheel motion and cursor shapes to the framework's virtual keys, buttons, shift states and
// cursors. Plain functions, usable without a display.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "framework/controls/control.h"

namespace fw::sdl {

// The virtual-key code (VK_*) of a key: by its symbol in the current layout (letters and digits
// as the layout places them), falling back to its physical position for symbols outside the
// Latin letters. 0 for keys the framework has no code for.
uint16_t VirtualKey(SDL_Keycode sym, SDL_Scancode scancode);

// Shift, Ctrl and Alt from SDL's modifier mask, plus the held mouse buttons from SDL's button
// mask (SDL_BUTTON_LMASK ...).
TShiftState ShiftStateOf(uint16_t keyMods, uint32_t buttonMask);

// The framework's button for an SDL button number; nullopt for the extra buttons.
std::optional<TMouseButton> MouseButtonOf(uint8_t sdlButton);

// Wheel motion in WHEEL_DELTA units, positive away from the user, for SDL's notch count and
// direction (flipped wheels report the opposite sign).
int WheelDelta(int32_t notches, uint32_t direction);

// The character a key press produces on the platform where the text input delivers none:
// Backspace, Tab, Enter and Escape, and Ctrl with a letter (Ctrl+A = #1 ... Ctrl+Z = #26).
// 0 when the key produces no such character (text input brings printable characters).
char32_t ControlCharacter(uint16_t vk, TShiftState shift);

// The code points of UTF-8 text from SDL's text input (malformed bytes give U+FFFD).
std::vector<char32_t> TextCodePoints(std::string_view utf8);

// The system cursor that shows `cursor`; crNone is hidden, not mapped (answers the arrow).
SDL_SystemCursor SystemCursorFor(TCursor cursor);

}  // namespace fw::sdl
