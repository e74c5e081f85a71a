#include "core/shortcut_name.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace parcelo {
namespace {

constexpr size_t longestComponent = 255;
// ".lnk", and ".new" after it while the shortcut is written beside its final name.
constexpr size_t suffixLength = 8;

size_t utf16Length(std::string_view utf8) {
    size_t units = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) != 0x80) ++units;  // one per lead byte
        if (c >= 0xF0) ++units;           // beyond the basic plane: a surrogate pair
    }
    return units;
}

bool isDeviceName(std::string_view name) {
    // A device name stays one with any extension: "nul.txt" is NUL.
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::toupper(c); });
    static constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    if (std::find(plain.begin(), plain.end(), stem) != plain.end()) return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

}  // namespace

bool isPlainFileName(std::string_view name) {
    if (name.find_first_not_of(' ') == std::string_view::npos) return false;
    if (std::any_of(name.begin(), name.end(), [](char c) {
            return static_cast<unsigned char>(c) < 0x20 || std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos;
        }))
        return false;
    if (name.back() == '.' || name.back() == ' ') return false;  // also "." and ".."
    if (isDeviceName(name)) return false;
    return utf16Length(name) + suffixLength <= longestComponent;
}

}  // namespace parcelo
