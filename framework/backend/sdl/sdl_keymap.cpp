// The windowed backend's translation tables: keys, buttons, modifiers, wheel and cursors.
#include "framework/backend/sdl/sdl_keymap.h"

#include <algorithm>
#include <utility>

#include "framework/rtl/utf8.h"

namespace fw::sdl {

namespace {

// Codes of the punctuation keys of a US layout, as the platform numbers them.
constexpr uint16_t kVkOem3 = 192;  // `~
constexpr uint16_t kVkOem4 = 219;  // [{
constexpr uint16_t kVkOem5 = 220;  // \|
constexpr uint16_t kVkOem6 = 221;  // ]}
constexpr uint16_t kVkOem7 = 222;  // '"

// Keys whose symbol is not a letter or a digit.
constexpr std::pair<SDL_Keycode, uint16_t> kSymbolKeys[] = {
    {SDLK_BACKSPACE, VK_BACK},
    {SDLK_TAB, VK_TAB},
    {SDLK_CLEAR, VK_CLEAR},
    {SDLK_RETURN, VK_RETURN},
    {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_LSHIFT, VK_SHIFT},
    {SDLK_RSHIFT, VK_SHIFT},
    {SDLK_LCTRL, VK_CONTROL},
    {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},
    {SDLK_PAUSE, VK_PAUSE},
    {SDLK_CAPSLOCK, VK_CAPITAL},
    {SDLK_ESCAPE, VK_ESCAPE},
    {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_END, VK_END},
    {SDLK_HOME, VK_HOME},
    {SDLK_LEFT, VK_LEFT},
    {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},
    {SDLK_SELECT, VK_SELECT},
    {SDLK_PRINTSCREEN, VK_SNAPSHOT},
    {SDLK_EXECUTE, VK_EXECUTE},
    {SDLK_INSERT, VK_INSERT},
    {SDLK_DELETE, VK_DELETE},
    {SDLK_HELP, VK_HELP},
    {SDLK_LGUI, VK_LWIN},
    {SDLK_RGUI, VK_RWIN},
    {SDLK_APPLICATION, VK_APPS},
    {SDLK_KP_0, VK_NUMPAD0},
    {SDLK_KP_1, VK_NUMPAD1},
    {SDLK_KP_2, VK_NUMPAD2},
    {SDLK_KP_3, VK_NUMPAD3},
    {SDLK_KP_4, VK_NUMPAD4},
    {SDLK_KP_5, VK_NUMPAD5},
    {SDLK_KP_6, VK_NUMPAD6},
    {SDLK_KP_7, VK_NUMPAD7},
    {SDLK_KP_8, VK_NUMPAD8},
    {SDLK_KP_9, VK_NUMPAD9},
    {SDLK_KP_MULTIPLY, VK_MULTIPLY},
    {SDLK_KP_PLUS, VK_ADD},
    {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, VK_DECIMAL},
    {SDLK_KP_DIVIDE, VK_DIVIDE},
    {SDLK_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDLK_SCROLLLOCK, VK_SCROLL},
    {SDLK_SEMICOLON, VK_OEM_1},
    {SDLK_EQUALS, VK_OEM_PLUS},
    {SDLK_COMMA, VK_OEM_COMMA},
    {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD},
    {SDLK_SLASH, VK_OEM_2},
    {SDLK_BACKQUOTE, kVkOem3},
    {SDLK_LEFTBRACKET, kVkOem4},
    {SDLK_BACKSLASH, kVkOem5},
    {SDLK_RIGHTBRACKET, kVkOem6},
    {SDLK_QUOTE, kVkOem7},
};

uint16_t FromSymbol(SDL_Keycode sym) {
  if (sym >= SDLK_a && sym <= SDLK_z) return static_cast<uint16_t>('A' + (sym - SDLK_a));
  if (sym >= SDLK_0 && sym <= SDLK_9) return static_cast<uint16_t>('0' + (sym - SDLK_0));
  if (sym >= SDLK_F1 && sym <= SDLK_F12) return static_cast<uint16_t>(VK_F1 + (sym - SDLK_F1));
  if (sym >= SDLK_F13 && sym <= SDLK_F24)
    return static_cast<uint16_t>(VK_F1 + 12 + (sym - SDLK_F13));
  for (const auto& [key, vk] : kSymbolKeys)
    if (key == sym) return vk;
  return 0;
}

// Letters and digits by position, for layouts whose symbols are not Latin.
uint16_t FromPosition(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z)
    return static_cast<uint16_t>('A' + (scancode - SDL_SCANCODE_A));
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9)
    return static_cast<uint16_t>('1' + (scancode - SDL_SCANCODE_1));
  if (scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

}  // namespace

uint16_t VirtualKey(SDL_Keycode sym, SDL_Scancode scancode) {
  const uint16_t vk = FromSymbol(sym);
  return vk != 0 ? vk : FromPosition(scancode);
}

TShiftState ShiftStateOf(uint16_t keyMods, uint32_t buttonMask) {
  TShiftState s;
  if (keyMods & KMOD_SHIFT) s.Include(ssShift);
  if (keyMods & KMOD_CTRL) s.Include(ssCtrl);
  if (keyMods & KMOD_ALT) s.Include(ssAlt);
  if (buttonMask & SDL_BUTTON_LMASK) s.Include(ssLeft);
  if (buttonMask & SDL_BUTTON_RMASK) s.Include(ssRight);
  if (buttonMask & SDL_BUTTON_MMASK) s.Include(ssMiddle);
  return s;
}

std::optional<TMouseButton> MouseButtonOf(uint8_t sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT:
      return mbLeft;
    case SDL_BUTTON_RIGHT:
      return mbRight;
    case SDL_BUTTON_MIDDLE:
      return mbMiddle;
    default:
      return std::nullopt;
  }
}

int WheelDelta(int32_t notches, uint32_t direction) {
  const int64_t delta = static_cast<int64_t>(notches) * WHEEL_DELTA;
  const int64_t signedDelta = direction == SDL_MOUSEWHEEL_FLIPPED ? -delta : delta;
  // The message carries the delta in 16 bits.
  return static_cast<int>(std::clamp<int64_t>(signedDelta, -32768 / WHEEL_DELTA * WHEEL_DELTA,
                                              32767 / WHEEL_DELTA * WHEEL_DELTA));
}

char32_t ControlCharacter(uint16_t vk, TShiftState shift) {
  if (shift.Contains(ssAlt)) return 0;
  if (shift.Contains(ssCtrl)) return vk >= 'A' && vk <= 'Z' ? char32_t(vk - 'A' + 1) : 0;
  switch (vk) {
    case VK_BACK:
      return 8;
    case VK_TAB:
      return 9;
    case VK_RETURN:
      return 13;
    case VK_ESCAPE:
      return 27;
    default:
      return 0;
  }
}

std::vector<char32_t> TextCodePoints(std::string_view utf8) {
  std::vector<char32_t> out;
  for (size_t pos = 0; pos < utf8.size();) out.push_back(NextCodePoint(utf8, pos));
  return out;
}

SDL_SystemCursor SystemCursorFor(TCursor cursor) {
  switch (cursor) {
    case crHourGlass:
    case crSQLWait:
      return SDL_SYSTEM_CURSOR_WAIT;
    case crAppStart:
      return SDL_SYSTEM_CURSOR_WAITARROW;
    case crIBeam:
      return SDL_SYSTEM_CURSOR_IBEAM;
    case crCross:
      return SDL_SYSTEM_CURSOR_CROSSHAIR;
    case crSizeNESW:
      return SDL_SYSTEM_CURSOR_SIZENESW;
    case crSizeNWSE:
      return SDL_SYSTEM_CURSOR_SIZENWSE;
    case crSizeNS:
    case crVSplit:
      return SDL_SYSTEM_CURSOR_SIZENS;
    case crSizeWE:
    case crHSplit:
      return SDL_SYSTEM_CURSOR_SIZEWE;
    case crSizeAll:
      return SDL_SYSTEM_CURSOR_SIZEALL;
    case crNo:
    case crNoDrop:
      return SDL_SYSTEM_CURSOR_NO;
    case crHandPoint:
      return SDL_SYSTEM_CURSOR_HAND;
    default:
      return SDL_SYSTEM_CURSOR_ARROW;
  }
}

}  // namespace fw::sdl
