#include "platform/win32/dialogs_win32.h"

#include "platform/win32/wide.h"

namespace parcelo::win32 {

int Win32Dialogs::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
    return MessageBoxW(GetActiveWindow(), widen(text).c_str(), widen(caption).c_str(), flags);
}

}  // namespace parcelo::win32
