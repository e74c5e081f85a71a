#pragma once
#include <windows.h>

#include <string>
#include <string_view>

namespace parcelo::win32 {

// The program's UTF-8 text at the boundary of the wide entry points.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

}  // namespace parcelo::win32
