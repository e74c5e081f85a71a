#include "core/shortcut_name.h"

#include "core/utf8.h"
#include "core/windows_names.h"

namespace parcelo {
namespace {

constexpr size_t longestComponent = 255;
// ".lnk", and ".new" after it while the shortcut is written beside its final name.
constexpr size_t suffixLength = 8;

}  // namespace

bool isPlainFileName(std::string_view name) {
    if (name.find_first_not_of(' ') == std::string_view::npos) return false;
    if (hasRefusedCharacter(name) || name.find_first_of("\\/") != std::string_view::npos) return false;
    if (name.back() == '.' || name.back() == ' ') return false;  // also "." and ".."
    if (isDeviceName(name)) return false;
    return utf16Of(name).size() + suffixLength <= longestComponent;
}

}  // namespace parcelo
