// The windowed backend's translation tables: keys, buttons, modifiers, wheel, control
// characters, text and cursors. No display needed.
#include <gtest/gtest.h>

#include "framework/backend/sdl/sdl_keymap.h"

namespace fw {
namespace {

using namespace fw::sdl;

TEST(SdlKeyMapping, KeysMapToThePlatformVirtualKeys) {
  const struct {
    SDL_Keycode sym;
    SDL_Scancode scancode;
    uint16_t vk;
  } cases[] = {
      {SDLK_a, SDL_SCANCODE_A, 'A'},
      {SDLK_z, SDL_SCANCODE_Z, 'Z'},
      {SDLK_q, SDL_SCANCODE_A, 'Q'},  // a French layout: the symbol decides, as on the platform
      {SDLK_0, SDL_SCANCODE_0, '0'},
      {SDLK_9, SDL_SCANCODE_9, '9'},
      {SDLK_LEFT, SDL_SCANCODE_LEFT, VK_LEFT},
      {SDLK_UP, SDL_SCANCODE_UP, VK_UP},
      {SDLK_RIGHT, SDL_SCANCODE_RIGHT, VK_RIGHT},
      {SDLK_DOWN, SDL_SCANCODE_DOWN, VK_DOWN},
      {SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, VK_PRIOR},
      {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, VK_NEXT},
      {SDLK_HOME, SDL_SCANCODE_HOME, VK_HOME},
      {SDLK_END, SDL_SCANCODE_END, VK_END},
      {SDLK_INSERT, SDL_SCANCODE_INSERT, VK_INSERT},
      {SDLK_DELETE, SDL_SCANCODE_DELETE, VK_DELETE},
      {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, VK_BACK},
      {SDLK_TAB, SDL_SCANCODE_TAB, VK_TAB},
      {SDLK_RETURN, SDL_SCANCODE_RETURN, VK_RETURN},
      {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, VK_RETURN},
      {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, VK_ESCAPE},
      {SDLK_SPACE, SDL_SCANCODE_SPACE, VK_SPACE},
      {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, VK_SHIFT},
      {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, VK_SHIFT},
      {SDLK_LCTRL, SDL_SCANCODE_LCTRL, VK_CONTROL},
      {SDLK_RALT, SDL_SCANCODE_RALT, VK_MENU},
      {SDLK_F1, SDL_SCANCODE_F1, VK_F1},
      {SDLK_F12, SDL_SCANCODE_F12, VK_F12},
      {SDLK_F13, SDL_SCANCODE_F13, 124},
      {SDLK_KP_0, SDL_SCANCODE_KP_0, VK_NUMPAD0},
      {SDLK_KP_9, SDL_SCANCODE_KP_9, VK_NUMPAD9},
      {SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, VK_ADD},
      {SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, VK_SUBTRACT},
      {SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY},
      {SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE},
      {SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, VK_DECIMAL},
      {SDLK_MINUS, SDL_SCANCODE_MINUS, VK_OEM_MINUS},
      {SDLK_PERIOD, SDL_SCANCODE_PERIOD, VK_OEM_PERIOD},
      {SDLK_COMMA, SDL_SCANCODE_COMMA, VK_OEM_COMMA},
      {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, VK_OEM_1},
      {SDLK_SLASH, SDL_SCANCODE_SLASH, VK_OEM_2},
      {SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 192},
      {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, 222},
      {0x0444, SDL_SCANCODE_A, 'A'},  // a Cyrillic layout: letters by their position
      {0x0444, SDL_SCANCODE_7, '7'},
      {SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, 0},
      {SDLK_MUTE, SDL_SCANCODE_MUTE, 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VirtualKey(c.sym, c.scancode), c.vk)
        << "symbol " << c.sym << " (" << SDL_GetKeyName(c.sym) << ")";
}

TEST(SdlKeyMapping, ModifiersAndHeldButtonsMakeTheShiftState) {
  const struct {
    uint16_t mods;
    uint32_t buttons;
    TShiftState expected;
  } cases[] = {
      {KMOD_NONE, 0, {}},
      {KMOD_LSHIFT, 0, {ssShift}},
      {KMOD_RSHIFT, 0, {ssShift}},
      {KMOD_LCTRL | KMOD_RALT, 0, {ssCtrl, ssAlt}},
      {KMOD_NUM | KMOD_CAPS, 0, {}},  // lock states are not modifiers
      {KMOD_NONE, SDL_BUTTON_LMASK, {ssLeft}},
      {KMOD_SHIFT, SDL_BUTTON_RMASK | SDL_BUTTON_MMASK, {ssShift, ssRight, ssMiddle}},
      {KMOD_NONE, SDL_BUTTON_X1MASK, {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ShiftStateOf(c.mods, c.buttons), c.expected)
        << "mods " << c.mods << " buttons " << c.buttons;
}

TEST(SdlKeyMapping, ButtonsMapAndExtraButtonsAreIgnored) {
  EXPECT_EQ(MouseButtonOf(SDL_BUTTON_LEFT), mbLeft);
  EXPECT_EQ(MouseButtonOf(SDL_BUTTON_RIGHT), mbRight);
  EXPECT_EQ(MouseButtonOf(SDL_BUTTON_MIDDLE), mbMiddle);
  EXPECT_FALSE(MouseButtonOf(SDL_BUTTON_X1).has_value());
  EXPECT_FALSE(MouseButtonOf(SDL_BUTTON_X2).has_value());
  EXPECT_FALSE(MouseButtonOf(0).has_value());
}

TEST(SdlKeyMapping, WheelNotchesBecomeSignedDeltasThatFitTheMessage) {
  EXPECT_EQ(WheelDelta(1, SDL_MOUSEWHEEL_NORMAL), WHEEL_DELTA);
  EXPECT_EQ(WheelDelta(-2, SDL_MOUSEWHEEL_NORMAL), -2 * WHEEL_DELTA);
  EXPECT_EQ(WheelDelta(1, SDL_MOUSEWHEEL_FLIPPED), -WHEEL_DELTA);
  // A runaway notch count stays within the 16 bits the message carries.
  const int huge = WheelDelta(1 << 30, SDL_MOUSEWHEEL_NORMAL);
  EXPECT_LE(huge, 32767);
  EXPECT_EQ(huge % WHEEL_DELTA, 0);
  EXPECT_GE(WheelDelta(-(1 << 30), SDL_MOUSEWHEEL_NORMAL), -32768);
}

TEST(SdlKeyMapping, KeysWithoutTextInputPressTheirControlCharacter) {
  const struct {
    uint16_t vk;
    TShiftState shift;
    char32_t ch;
  } cases[] = {
      {VK_BACK, {}, 8},
      {VK_TAB, {}, 9},
      {VK_RETURN, {}, 13},
      {VK_ESCAPE, {}, 27},
      {VK_RETURN, {ssShift}, 13},
      {'A', {ssCtrl}, 1},
      {'C', {ssCtrl}, 3},
      {'Z', {ssCtrl, ssShift}, 26},
      {'A', {}, 0},
      {'5', {ssCtrl}, 0},
      {'C', {ssCtrl, ssAlt}, 0},
      {VK_RETURN, {ssAlt}, 0},
      {VK_LEFT, {}, 0},
      {VK_SPACE, {}, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ControlCharacter(c.vk, c.shift), c.ch) << "key " << c.vk;
}

TEST(SdlKeyMapping, TextInputBecomesCodePoints) {
  EXPECT_EQ(TextCodePoints("a"), std::vector<char32_t>{U'a'});
  EXPECT_EQ(TextCodePoints("\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"),
            (std::vector<char32_t>{U'\u00E9', U'\u20AC', U'\U0001F600'}));
  EXPECT_EQ(TextCodePoints("\xFF"
                           "b"),
            (std::vector<char32_t>{U'\uFFFD', U'b'}));
  EXPECT_TRUE(TextCodePoints("").empty());
}

TEST(SdlKeyMapping, CursorsMapToSystemCursors) {
  EXPECT_EQ(SystemCursorFor(crDefault), SDL_SYSTEM_CURSOR_ARROW);
  EXPECT_EQ(SystemCursorFor(crArrow), SDL_SYSTEM_CURSOR_ARROW);
  EXPECT_EQ(SystemCursorFor(crHourGlass), SDL_SYSTEM_CURSOR_WAIT);
  EXPECT_EQ(SystemCursorFor(crIBeam), SDL_SYSTEM_CURSOR_IBEAM);
  EXPECT_EQ(SystemCursorFor(crSizeWE), SDL_SYSTEM_CURSOR_SIZEWE);
  EXPECT_EQ(SystemCursorFor(crHandPoint), SDL_SYSTEM_CURSOR_HAND);
  EXPECT_EQ(SystemCursorFor(12345), SDL_SYSTEM_CURSOR_ARROW);
}

}  // namespace
}  // namespace fw
