#include "core/desktop_ini.h"

#include <algorithm>

#include "core/utf8.h"
#include "core/windows_names.h"

namespace parcelo {
namespace {

constexpr std::string_view utf16Bom = "\xFF\xFE", utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view section = "[LocalizedFileNames]";

// How the file's characters are stored: 2-byte little-endian units or single bytes.
struct Encoding {
    size_t bom = 0;
    bool utf16 = false;
};

bool isText(std::string_view bytes, Encoding encoding) {
    const std::string_view body = bytes.substr(encoding.bom);
    if (!encoding.utf16 && encoding.bom == 0) return body.find('\0') == std::string_view::npos;
    if (!encoding.utf16) {
        for (size_t i = 0, n = 0; i < body.size(); i += n)
            if ((n = utf8SequenceLength(body.substr(i))) == 0) return false;
        return true;
    }
    if (body.size() % 2 != 0) return false;
    bool pendingHigh = false;
    for (size_t i = 0; i < body.size(); i += 2) {
        const unsigned unit = static_cast<unsigned char>(body[i]) | static_cast<unsigned char>(body[i + 1]) << 8;
        const bool high = unit >= 0xD800 && unit < 0xDC00, low = unit >= 0xDC00 && unit < 0xE000;
        if (low != pendingHigh) return false;
        pendingHigh = high;
    }
    return !pendingHigh;
}

// ASCII text in the file's encoding.
std::string encoded(std::string_view ascii, Encoding encoding) {
    if (!encoding.utf16) return std::string(ascii);
    std::string out;
    for (const char c : ascii) out += {c, '\0'};
    return out;
}

// One line of the file: where its bytes lie, and its characters as single bytes, a UTF-16 unit outside
// Latin-1 as 0x80, so none outside ASCII matches the names and brackets looked for.
struct Line {
    size_t begin = 0, end = 0;  // end: after its line break, if it has one
    std::string ascii;
};

std::vector<Line> linesOf(std::string_view bytes, Encoding encoding) {
    const size_t unit = encoding.utf16 ? 2 : 1;
    std::vector<Line> lines;
    for (size_t i = encoding.bom; i < bytes.size();) {
        Line line{i, i, ""};
        while (i < bytes.size()) {
            const char c = encoding.utf16 && bytes[i + 1] != '\0' ? '\x80' : bytes[i];
            i += unit;
            if (c == '\n') break;
            line.ascii += c;
        }
        line.end = i;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::optional<std::string> withLocalizedNames(std::string_view desktopIni, const std::vector<LocalizedName>& names) {
    Encoding encoding{0, true};
    if (desktopIni.starts_with(utf16Bom)) encoding.bom = utf16Bom.size();
    else if (desktopIni.starts_with(utf8Bom)) encoding = {utf8Bom.size(), false};
    else if (!desktopIni.empty()) encoding = {0, false};
    if (!isText(desktopIni, encoding)) return std::nullopt;

    const std::vector<Line> lines = linesOf(desktopIni, encoding);
    std::vector<std::string> present;
    std::optional<size_t> insertAt;  // after the last line of the first section, blank lines not counted
    bool inSection = false, inFirst = false;
    for (const Line& line : lines) {
        const std::string_view text = trimmed(line.ascii);
        if (text.starts_with('[')) {
            inSection = sameIgnoringCase(text, section);
            inFirst = inSection && !insertAt;
        } else if (!inSection || text.empty()) {
            continue;
        } else {
            present.emplace_back(trimmed(text.substr(0, text.find('='))));
        }
        if (inFirst) insertAt = line.end;
    }
    std::string added;
    for (const LocalizedName& name : names) {
        const auto same = [&](const std::string& file) { return sameIgnoringCase(file, name.file); };
        if (std::any_of(present.begin(), present.end(), same)) continue;
        added += name.file + "=" + name.name + "\r\n";
    }
    if (added.empty()) return std::string(desktopIni);

    const size_t at = insertAt.value_or(desktopIni.size());
    const bool broken = at > encoding.bom && desktopIni[at - (encoding.utf16 ? 2 : 1)] != '\n';
    const std::string text = (broken ? "\r\n" : "") + (insertAt ? "" : std::string(section) + "\r\n") + added;
    std::string out(desktopIni.substr(0, at));
    if (desktopIni.empty()) out = utf16Bom;
    return out + encoded(text, encoding) + std::string(desktopIni.substr(at));
}

}  // namespace parcelo
