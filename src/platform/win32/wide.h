#pragma once
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/platform_error.h"

namespace parcelo::win32 {

// The program's UTF-8 text at the boundary of the wide entry points.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The error of the last failed call, with the system's message and what was being done.
PlatformError lastError(const std::string& what);
PlatformError errorFrom(DWORD code, const std::string& what);

}  // namespace parcelo::win32
