#pragma once
#include <windows.h>

namespace parcelo::win32 {

// A function of a system DLL looked up at its first use, so a DLL that only a rarely used command needs is
// not loaded at every start, and a function this Windows lacks is null rather than a loader error.
template <class Function>
Function* systemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (!module) return nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

}  // namespace parcelo::win32
