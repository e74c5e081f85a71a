#include "support/shell_folder_portable.h"

#include <sys/stat.h>

#include <algorithm>

#include "platform/platform_error.h"

namespace parcelo {
namespace {

namespace fs = std::filesystem;

bool isLnk(const std::string& name) { return name.size() > 4 && name.ends_with(".lnk"); }

bool isUnder(const std::set<std::string>& roots, const std::string& path) {
    return std::any_of(roots.begin(), roots.end(), [&](const std::string& root) { return path.starts_with(root); });
}

}  // namespace

std::vector<FolderItem> PortableShellFolder::items(const std::string& folder) {
    listed.push_back(folder);
    const fs::path host = files_.hostPath(folder);
    std::error_code error;
    fs::directory_iterator it(host, error);
    if (error || unreadable.contains(folder)) throw PlatformError(error_code::pathNotFound, "指定されたパスが見つかりません。 " + folder);
    std::vector<FolderItem> items;
    for (const fs::directory_entry& entry : it) {
        const std::string name = entry.path().filename().string();
        if (name == "desktop.ini") continue;
        const std::string path = folder + "\\" + name;
        const FileAttributes a = files_.attributes(path);
        FolderItem item;
        item.path = path, item.directory = a.directory, item.hidden = a.hidden;
        item.displayName = displayNames.contains(path)   ? displayNames[path]
                           : isLnk(name) && !a.directory ? name.substr(0, name.size() - 4)
                                                         : name;
        item.typeName = a.directory ? "ファイル フォルダー" : isLnk(name) ? "ショートカット" : "ファイル";
        items.push_back(std::move(item));
    }
    std::sort(items.begin(), items.end(), [](const FolderItem& a, const FolderItem& b) { return a.path < b.path; });
    return items;
}

std::string PortableShellFolder::displayName(const std::string& path) {
    if (!files_.attributes(path).exists) return {};
    return displayNames.contains(path) ? displayNames[path] : path.substr(path.find_last_of('\\') + 1);
}

std::optional<FileIdentity> PortableShellFolder::identity(const std::string& path) {
    struct stat status {};
    if (stat(files_.hostPath(path).c_str(), &status) != 0) return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(status.st_dev), static_cast<std::uint64_t>(status.st_ino)};
}

// Reads what the portable shortcut writer recorded; anything else is not a shortcut.
LinkTarget PortableShellFolder::readLink(const std::string& file) {
    const std::string bytes = files_.readFile(file);
    const size_t target = bytes.find('\n') + 1, arguments = bytes.find('\n', target) + 1;
    const size_t end = bytes.find('\n', arguments);
    if (!bytes.starts_with("shortcut\n") || end == std::string::npos)
        throw PlatformError(error_code::invalidName, "ショートカットとして読めないファイルです: " + file);
    return {bytes.substr(target, arguments - target - 1), bytes.substr(arguments, end - arguments)};
}

bool PortableShellFolder::slowToReach(const std::string& path) {
    return path.starts_with("\\\\") || isUnder(slowRoots, path);
}

Reach PortableShellFolder::reach(const std::string& path) {
    reached.push_back(path);
    if (isUnder(silentRoots, path)) return Reach::NoAnswer;
    return files_.attributes(path).exists ? Reach::Present : Reach::Missing;
}

void PortableShellFolder::setHidden(const std::string& path, bool hidden) {
    const FileAttributes a = files_.attributes(path);
    if (!a.exists) throw PlatformError(error_code::fileNotFound, "指定されたファイルが見つかりません。 " + path);
    files_.mark(path, hidden, a.system, a.readOnly);
}

void PortableShellFolder::rename(const std::string& path, const std::string& newName) {
    const std::string target = path.substr(0, path.rfind('\\') + 1) + newName;
    if (files_.attributes(target).exists)
        throw PlatformError(error_code::alreadyExists, "既に存在するファイルを作成することはできません。");
    std::error_code error;
    fs::rename(files_.hostPath(path), files_.hostPath(target), error);
    if (error) throw PlatformError(error_code::accessDenied, "アクセスが拒否されました " + path);
}

bool PortableShellFolder::recycle(const std::vector<std::string>& paths) {
    if (refuseToRecycle) return false;
    for (const std::string& path : paths) files_.removeFile(path);
    return true;
}

}  // namespace parcelo
