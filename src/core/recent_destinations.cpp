#include "core/recent_destinations.h"

#include <algorithm>

#include "core/atomic_write.h"
#include "core/drive_text.h"
#include "core/settings_file.h"
#include "core/utf8.h"
#include "core/windows_names.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace {

constexpr const char* fileName = "Recent.txt";

bool isFullPath(std::string_view line) {
    return (!driveOf(line).empty() && line.size() > 2 && line[2] == '\\') || line.starts_with("\\\\");
}

bool isText(std::string_view bytes) {
    for (size_t i = 0; i < bytes.size();) {
        const size_t length = utf8SequenceLength(bytes.substr(i));
        if (length == 0 || bytes[i] == '\0') return false;
        i += length;
    }
    return true;
}

}  // namespace

std::vector<std::string> recentFromBytes(std::string_view bytes) {
    if (!isText(bytes)) return {};
    std::vector<std::string> folders;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        if (!isFullPath(line)) return {};
        const std::string folder(line);
        const auto same = [&](const std::string& listed) { return sameWindowsPath(listed, folder); };
        if (std::none_of(folders.begin(), folders.end(), same)) folders.push_back(folder);
    }
    if (folders.size() > mostRecentDestinations) folders.resize(mostRecentDestinations);
    return folders;
}

std::string recentBytes(const std::vector<std::string>& folders) {
    std::string bytes;
    for (const std::string& folder : folders) bytes += folder + "\r\n";
    return bytes;
}

std::vector<std::string> withFirst(const std::vector<std::string>& folders, const std::string& folder) {
    std::vector<std::string> list{folder};
    for (const std::string& other : without(folders, folder)) {
        if (list.size() == mostRecentDestinations) break;
        list.push_back(other);
    }
    return list;
}

std::vector<std::string> without(const std::vector<std::string>& folders, const std::string& folder) {
    std::vector<std::string> list;
    for (const std::string& other : folders)
        if (!sameWindowsPath(other, folder)) list.push_back(other);
    return list;
}

std::vector<std::string> RecentDestinations::read() const {
    try {
        const std::optional<std::string> path = SettingsStore(platform_, fileName).find();
        if (path) return recentFromBytes(platform_.files.readFile(*path));
    } catch (const PlatformError&) {
    }
    return {};
}

void RecentDestinations::write(const std::vector<std::string>& folders) const {
    try {
        const std::string path = SettingsStore(platform_, fileName).placeForWriting();
        writeFileAtomically(platform_.files, path, recentBytes(folders));
    } catch (const PlatformError&) {
    }
}

}  // namespace parcelo
