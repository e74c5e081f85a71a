#include "platform/win32/shortcut_writer_win32.h"

#include <shlobj.h>
#include <wrl/client.h>

#include "platform/win32/errors_win32.h"
#include "platform/win32/wide.h"

namespace parcelo::win32 {
namespace {

}  // namespace

void Win32ShortcutWriter::write(const std::string& file, const std::string& target, const std::string& arguments,
                                const std::string& iconOf, std::optional<int> iconIndex) {
    using Microsoft::WRL::ComPtr;
    ComPtr<IShellLinkW> link;
    check(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link)), "ショートカット");
    check(link->SetPath(widen(target).c_str()), "ショートカット " + target);
    check(link->SetArguments(widen(arguments).c_str()), "ショートカット " + target);
    // A program starts in its own folder, as it would from Explorer.
    const std::wstring wide = widen(target);
    const size_t separator = wide.find_last_of(L'\\');
    if (separator != std::wstring::npos && !(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_DIRECTORY))
        link->SetWorkingDirectory(wide.substr(0, separator == 2 ? 3 : separator).c_str());
    SHFILEINFOW icon{};
    if (iconIndex)
        link->SetIconLocation(widen(iconOf).c_str(), *iconIndex);
    else if (!iconOf.empty() && SHGetFileInfoW(widen(iconOf).c_str(), 0, &icon, sizeof icon, SHGFI_ICONLOCATION))
        link->SetIconLocation(icon.szDisplayName, icon.iIcon);
    ComPtr<IPersistFile> persisted;
    check(link.As(&persisted), "ショートカット");
    check(persisted->Save(widen(file).c_str(), TRUE), "ショートカット " + file);
}

}  // namespace parcelo::win32
