#include "platform/win32/errors_win32.h"

#include "platform/win32/wide.h"

namespace parcelo::win32 {

PlatformError errorFrom(DWORD code, const std::string& what) {
    wchar_t* message = nullptr;
    FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring text = message ? message : L"";
    LocalFree(message);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    if (text.empty()) text = L"error " + std::to_wstring(code);
    return PlatformError(code, what + ": " + narrow(text));
}

PlatformError lastError(const std::string& what) { return errorFrom(GetLastError(), what); }

void check(HRESULT result, const std::string& what) {
    if (FAILED(result)) throw errorFrom(static_cast<DWORD>(result), what);
}

}  // namespace parcelo::win32
