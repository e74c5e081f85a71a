#pragma once
#include <windows.h>

#include <string>

#include "platform/platform_error.h"

namespace parcelo::win32 {

// The error of the last failed call, with the system's message and what was being done.
PlatformError lastError(const std::string& what);
PlatformError errorFrom(DWORD code, const std::string& what);
// Throws the error a failed COM call returned.
void check(HRESULT result, const std::string& what);

}  // namespace parcelo::win32
