#include <gtest/gtest.h>
#include <windows.h>

namespace {

// Under Wine the tests' windows go on a desktop of their own: on Xvfb's bare root window Wine waits two
// seconds for every window that is hidden or closed.
class WineDesktop : public testing::Environment {
public:
    void SetUp() override {
        if (!GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")) return;
        HKEY key;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0, KEY_SET_VALUE,
                            nullptr, &key, nullptr) != ERROR_SUCCESS)
            return;
        static constexpr wchar_t size[] = L"1024x768";
        RegSetValueExW(key, L"parcelo-tests", 0, REG_SZ, reinterpret_cast<const BYTE*>(size), sizeof size);
        RegCloseKey(key);
        if (HDESK desktop = CreateDesktopW(L"parcelo-tests", nullptr, nullptr, 0, GENERIC_ALL, nullptr))
            SetThreadDesktop(desktop);
    }
};

const auto* const desktop = testing::AddGlobalTestEnvironment(new WineDesktop);

}  // namespace
