#pragma once
#include <windows.h>

namespace parcelo::win32 {

// The program's own window messages, each number given once.
inline constexpr UINT filesDroppedMessage = WM_APP + 0x10;  // a drop's paths wait to be handed over
inline constexpr UINT firstShowingMessage = WM_APP + 0x11;  // a window is on the screen for the first time

}  // namespace parcelo::win32
