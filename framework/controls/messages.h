// Window messages as components see them: TMessage, the WM_/CM_ message numbers, dialog codes,
// mouse-key flags, virtual-key codes with the platform's values, and lParam packing helpers.
#pragma once

#include <cstdint>

#include "framework/base/event.h"

namespace fw {

using UINT = uint32_t;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;

struct TMessage {
  UINT Msg = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  LRESULT Result = 0;
};

// --- Window messages (platform numbers)
inline constexpr UINT WM_NULL = 0x0000;
inline constexpr UINT WM_SIZE = 0x0005;
inline constexpr UINT WM_SETFOCUS = 0x0007;
inline constexpr UINT WM_KILLFOCUS = 0x0008;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_NEXTDLGCTL = 0x0028;
inline constexpr UINT WM_CONTEXTMENU = 0x007B;
inline constexpr UINT WM_GETDLGCODE = 0x0087;
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_KEYUP = 0x0101;
inline constexpr UINT WM_CHAR = 0x0102;
inline constexpr UINT WM_TIMER = 0x0113;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONUP = 0x0205;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;
inline constexpr UINT WM_MBUTTONDOWN = 0x0207;
inline constexpr UINT WM_MBUTTONUP = 0x0208;
inline constexpr UINT WM_MBUTTONDBLCLK = 0x0209;
inline constexpr UINT WM_MOUSEWHEEL = 0x020A;
inline constexpr UINT WM_USER = 0x0400;

// --- Component messages (the framework's own range)
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
inline constexpr UINT CM_DEACTIVATE = CM_BASE + 1;
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// A character offered to the form's controls as a possible accelerator (Alt+key, or a key
// the focused control does not want); a control that acts on it answers 1.
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 7;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 8;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 9;
inline constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 12;
inline constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 13;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 18;
inline constexpr UINT CM_ENTER = CM_BASE + 19;
inline constexpr UINT CM_EXIT = CM_BASE + 20;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19 + 0x10;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20 + 0x10;
inline constexpr UINT CM_BUTTONPRESSED = CM_BASE + 24;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18 + 0x10;
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 21;
inline constexpr UINT CM_CURSORCHANGED = CM_BASE + 15;
// Sent to a control whose BiDiMode or Ctl3D changed, and (the PARENT forms) to the children
// of a windowed control whose value changed; children following their parent take it.
inline constexpr UINT CM_BIDIMODECHANGED = CM_BASE + 60;
inline constexpr UINT CM_PARENTBIDIMODECHANGED = CM_BASE + 61;
inline constexpr UINT CM_CTL3DCHANGED = CM_BASE + 62;
inline constexpr UINT CM_PARENTCTL3DCHANGED = CM_BASE + 63;

// --- Notification messages: a control's key-down handed to a windowed control to be handled
// as that control's own key (see key_forwarding.h). WParam is the key, the answer 1 when the
// key was eaten.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_KEYDOWN = CN_BASE + WM_KEYDOWN;  // $BD00

// --- WM_GETDLGCODE answers: the keys a control handles itself
inline constexpr LRESULT DLGC_WANTARROWS = 0x0001;
inline constexpr LRESULT DLGC_WANTTAB = 0x0002;
inline constexpr LRESULT DLGC_WANTALLKEYS = 0x0004;
inline constexpr LRESULT DLGC_WANTCHARS = 0x0080;

// --- Mouse-key flags in the WParam of mouse messages
inline constexpr WPARAM MK_LBUTTON = 0x0001;
inline constexpr WPARAM MK_RBUTTON = 0x0002;
inline constexpr WPARAM MK_SHIFT = 0x0004;
inline constexpr WPARAM MK_CONTROL = 0x0008;
inline constexpr WPARAM MK_MBUTTON = 0x0010;

inline constexpr int WHEEL_DELTA = 120;

// --- Virtual-key codes
inline constexpr uint16_t VK_LBUTTON = 1;
inline constexpr uint16_t VK_RBUTTON = 2;
inline constexpr uint16_t VK_CANCEL = 3;
inline constexpr uint16_t VK_MBUTTON = 4;
inline constexpr uint16_t VK_BACK = 8;
inline constexpr uint16_t VK_TAB = 9;
inline constexpr uint16_t VK_CLEAR = 12;
inline constexpr uint16_t VK_RETURN = 13;
inline constexpr uint16_t VK_SHIFT = 16;
inline constexpr uint16_t VK_CONTROL = 17;
inline constexpr uint16_t VK_MENU = 18;
inline constexpr uint16_t VK_PAUSE = 19;
inline constexpr uint16_t VK_CAPITAL = 20;
inline constexpr uint16_t VK_ESCAPE = 27;
inline constexpr uint16_t VK_SPACE = 32;
inline constexpr uint16_t VK_PRIOR = 33;
inline constexpr uint16_t VK_NEXT = 34;
inline constexpr uint16_t VK_END = 35;
inline constexpr uint16_t VK_HOME = 36;
inline constexpr uint16_t VK_LEFT = 37;
inline constexpr uint16_t VK_UP = 38;
inline constexpr uint16_t VK_RIGHT = 39;
inline constexpr uint16_t VK_DOWN = 40;
inline constexpr uint16_t VK_SELECT = 41;
inline constexpr uint16_t VK_PRINT = 42;
inline constexpr uint16_t VK_EXECUTE = 43;
inline constexpr uint16_t VK_SNAPSHOT = 44;
inline constexpr uint16_t VK_INSERT = 45;
inline constexpr uint16_t VK_DELETE = 46;
inline constexpr uint16_t VK_HELP = 47;
// '0'..'9' are 48..57 and 'A'..'Z' are 65..90, as their characters.
inline constexpr uint16_t VK_0 = '0';
inline constexpr uint16_t VK_9 = '9';
inline constexpr uint16_t VK_A = 'A';
inline constexpr uint16_t VK_Z = 'Z';
inline constexpr uint16_t VK_LWIN = 91;
inline constexpr uint16_t VK_RWIN = 92;
inline constexpr uint16_t VK_APPS = 93;
inline constexpr uint16_t VK_NUMPAD0 = 96;
inline constexpr uint16_t VK_NUMPAD1 = 97;
inline constexpr uint16_t VK_NUMPAD2 = 98;
inline constexpr uint16_t VK_NUMPAD3 = 99;
inline constexpr uint16_t VK_NUMPAD4 = 100;
inline constexpr uint16_t VK_NUMPAD5 = 101;
inline constexpr uint16_t VK_NUMPAD6 = 102;
inline constexpr uint16_t VK_NUMPAD7 = 103;
inline constexpr uint16_t VK_NUMPAD8 = 104;
inline constexpr uint16_t VK_NUMPAD9 = 105;
inline constexpr uint16_t VK_MULTIPLY = 106;
inline constexpr uint16_t VK_ADD = 107;
inline constexpr uint16_t VK_SEPARATOR = 108;
inline constexpr uint16_t VK_SUBTRACT = 109;
inline constexpr uint16_t VK_DECIMAL = 110;
inline constexpr uint16_t VK_DIVIDE = 111;
inline constexpr uint16_t VK_F1 = 112;
inline constexpr uint16_t VK_F2 = 113;
inline constexpr uint16_t VK_F3 = 114;
inline constexpr uint16_t VK_F4 = 115;
inline constexpr uint16_t VK_F5 = 116;
inline constexpr uint16_t VK_F6 = 117;
inline constexpr uint16_t VK_F7 = 118;
inline constexpr uint16_t VK_F8 = 119;
inline constexpr uint16_t VK_F9 = 120;
inline constexpr uint16_t VK_F10 = 121;
inline constexpr uint16_t VK_F11 = 122;
inline constexpr uint16_t VK_F12 = 123;
inline constexpr uint16_t VK_NUMLOCK = 144;
inline constexpr uint16_t VK_SCROLL = 145;
inline constexpr uint16_t VK_OEM_1 = 186;       // ;:
inline constexpr uint16_t VK_OEM_PLUS = 187;    // =+
inline constexpr uint16_t VK_OEM_COMMA = 188;   // ,<
inline constexpr uint16_t VK_OEM_MINUS = 189;   // -_
inline constexpr uint16_t VK_OEM_PERIOD = 190;  // .>
inline constexpr uint16_t VK_OEM_2 = 191;       // /?

// --- lParam and wParam packing
constexpr LPARAM MakeLParam(int low, int high) {
  return static_cast<LPARAM>(static_cast<uint32_t>(static_cast<uint16_t>(low)) |
                             (static_cast<uint32_t>(static_cast<uint16_t>(high)) << 16));
}
constexpr WPARAM MakeWParam(int low, int high) {
  return static_cast<WPARAM>(static_cast<uint32_t>(MakeLParam(low, high)));
}
// The signed 16-bit halves (coordinates may be negative while the mouse is captured).
constexpr int LoSigned(intptr_t v) {
  return static_cast<int16_t>(static_cast<uint16_t>(v));
}
constexpr int HiSigned(intptr_t v) {
  return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uintptr_t>(v) >> 16));
}
constexpr TPoint PointFromLParam(LPARAM l) {
  return TPoint{LoSigned(l), HiSigned(l)};
}

// The shift state a mouse message's key flags carry (ssAlt is not among them).
constexpr TShiftState KeysToShiftState(WPARAM keys) {
  TShiftState s;
  if (keys & MK_SHIFT) s.Include(ssShift);
  if (keys & MK_CONTROL) s.Include(ssCtrl);
  if (keys & MK_LBUTTON) s.Include(ssLeft);
  if (keys & MK_RBUTTON) s.Include(ssRight);
  if (keys & MK_MBUTTON) s.Include(ssMiddle);
  return s;
}
constexpr WPARAM ShiftStateToKeys(TShiftState s) {
  WPARAM k = 0;
  if (s.Contains(ssShift)) k |= MK_SHIFT;
  if (s.Contains(ssCtrl)) k |= MK_CONTROL;
  if (s.Contains(ssLeft)) k |= MK_LBUTTON;
  if (s.Contains(ssRight)) k |= MK_RBUTTON;
  if (s.Contains(ssMiddle)) k |= MK_MBUTTON;
  return k;
}

}  // namespace fw
