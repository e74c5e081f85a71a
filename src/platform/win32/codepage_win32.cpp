#include "platform/win32/codepage_win32.h"

#include "platform/win32/wide.h"

namespace parcelo::win32 {

std::optional<std::string> Win32Codepage::convertToAnsi(std::string_view utf8) {
    const std::wstring text = widen(utf8);
    if (text.empty()) return std::string();
    BOOL usedDefault = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, &usedDefault);
    if (length == 0 || usedDefault) return std::nullopt;
    std::string out(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), out.data(), length,
                        nullptr, nullptr);
    return out;
}

std::string Win32Codepage::fromAnsi(std::string_view ansi) {
    if (ansi.empty()) return {};
    const int length = MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), out.data(), length);
    return narrow(out);
}

}  // namespace parcelo::win32
