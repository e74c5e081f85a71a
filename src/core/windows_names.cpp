#include "core/windows_names.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string>

namespace parcelo {

std::vector<std::string_view> pathParts(std::string_view path) {
    std::vector<std::string_view> parts;
    for (size_t start = 0; start < path.size();) {
        size_t end = path.find_first_of("\\/", start);
        if (end == std::string_view::npos) end = path.size();
        if (end > start) parts.push_back(path.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

std::string_view lastPathPart(std::string_view path) { return path.substr(path.rfind('\\') + 1); }

namespace {

// ASCII letters and the full-width Latin ones (U+FF21-U+FF3A, U+FF41-U+FF5A) fold to one case.
std::string foldedPath(const std::string& path) {
    std::string out = path;
    for (size_t i = 0; i < out.size(); ++i) {
        if (out[i] >= 'a' && out[i] <= 'z') out[i] = static_cast<char>(out[i] - 'a' + 'A');
        const bool fullWidth = static_cast<unsigned char>(out[i]) == 0xEF && i + 2 < out.size() &&
                               static_cast<unsigned char>(out[i + 1]) == 0xBD &&
                               static_cast<unsigned char>(out[i + 2]) >= 0x81 &&
                               static_cast<unsigned char>(out[i + 2]) <= 0x9A;
        if (fullWidth) {  // U+FF41-U+FF5A (EF BD 81-9A) become U+FF21-U+FF3A (EF BC A1-BA)
            out[i + 1] = static_cast<char>(0xBC);
            out[i + 2] = static_cast<char>(static_cast<unsigned char>(out[i + 2]) + 0x20);
        }
    }
    while (out.size() > 3 && out.back() == '\\') out.pop_back();
    return out;
}

}  // namespace

bool sameWindowsPath(const std::string& a, const std::string& b) { return foldedPath(a) == foldedPath(b); }

bool hasRefusedCharacter(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos;
    });
}

bool isDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && stem.back() == ' ') stem.pop_back();
    std::transform(stem.begin(), stem.end(), stem.begin(), [](unsigned char c) { return std::toupper(c); });
    static constexpr std::array<std::string_view, 4> plain{"CON", "PRN", "AUX", "NUL"};
    if (std::find(plain.begin(), plain.end(), stem) != plain.end()) return true;
    return stem.size() == 4 && (stem.starts_with("COM") || stem.starts_with("LPT")) && stem[3] >= '1' &&
           stem[3] <= '9';
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) {
        return std::toupper(x) == std::toupper(y);
    });
}

}  // namespace parcelo
