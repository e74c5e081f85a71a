#pragma once
#include <windows.h>

namespace parcelo::win32 {

// The program's own window messages, each number given once.
inline constexpr UINT filesDroppedMessage = WM_APP + 0x10;  // a drop's paths wait to be handed over
inline constexpr UINT firstShowingMessage = WM_APP + 0x11;  // a window is on the screen for the first time
// Posted, so a box that closes inside a handler does not run another handler within it.
inline constexpr UINT activatedMessage = WM_APP + 0x12;  // a window became the active one again

}  // namespace parcelo::win32
