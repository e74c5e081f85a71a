#include "support/file_system_portable.h"

#include <cctype>
#include <fstream>

#include "core/drive_text.h"
#include "core/windows_names.h"
#include "platform/platform_error.h"

namespace parcelo {
namespace fs = std::filesystem;
namespace {

[[noreturn]] void fail(std::uint32_t code, const std::string& what, const std::string& path) {
    throw PlatformError(code, what + ": " + path);
}

}  // namespace

PortableFileSystem::PortableFileSystem(std::map<char, fs::path> drives) : drives_(std::move(drives)) {}

fs::path PortableFileSystem::hostPath(const std::string& path) const {
    if (path.size() < 2 || path[1] != ':') fail(error_code::pathNotFound, "パスが見つかりません", path);
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    const auto drive = drives_.find(letter);
    if (drive == drives_.end()) fail(error_code::invalidDrive, "ドライブが見つかりません", path);

    fs::path host = drive->second;
    for (const std::string& part : pathComponents(std::string_view(path).substr(2))) {
        // Windows refuses these names, though the host would take them.
        if (hasRefusedCharacter(part)) fail(error_code::invalidName, "名前が正しくありません", path);
        host /= part;
    }
    return host;
}

PortableFileSystem::Marks PortableFileSystem::marksOf(const fs::path& host) const {
    const auto found = marks_.find(host);
    return found == marks_.end() ? Marks{} : found->second;
}

void PortableFileSystem::mark(const std::string& path, bool hidden, bool system, bool readOnly) {
    marks_[hostPath(path)] = {hidden, system, readOnly};
}

void PortableFileSystem::requireWritableFolderOf(const fs::path& host) const {
    std::error_code error;
    if (!fs::is_directory(host.parent_path(), error)) fail(error_code::pathNotFound, "パスが見つかりません", host.string());
    if (marksOf(host.parent_path()).readOnly) fail(error_code::accessDenied, "アクセスが拒否されました", host.string());
}

FileAttributes PortableFileSystem::attributes(const std::string& path) {
    fs::path host;
    try {
        host = hostPath(path);
    } catch (const PlatformError&) {
        return {};
    }
    std::error_code error;
    const fs::file_status status = fs::status(host, error);
    if (error || !fs::exists(status)) return {};
    const Marks m = marksOf(host);
    return {true, fs::is_directory(status), m.hidden, m.system, m.readOnly};
}

std::string PortableFileSystem::readFile(const std::string& path) {
    const fs::path host = hostPath(path);
    std::error_code error;
    if (fs::is_directory(host, error)) fail(error_code::accessDenied, "アクセスが拒否されました", path);
    std::ifstream in(host, std::ios::binary);
    if (!in) fail(error_code::fileNotFound, "ファイルが見つかりません", path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void PortableFileSystem::writeFile(const std::string& path, std::string_view bytes) {
    const fs::path host = hostPath(path);
    requireWritableFolderOf(host);
    std::error_code error;
    if (fs::is_directory(host, error) || marksOf(host).readOnly)
        fail(error_code::accessDenied, "アクセスが拒否されました", path);
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) fail(error_code::accessDenied, "書き込めません", path);
}

void PortableFileSystem::replaceFile(const std::string& from, const std::string& to) {
    const fs::path source = hostPath(from), target = hostPath(to);
    requireWritableFolderOf(target);
    std::error_code error;
    if (fs::is_directory(target, error) || marksOf(target).readOnly)
        fail(error_code::accessDenied, "アクセスが拒否されました", to);
    fs::rename(source, target, error);
    if (error) fail(error_code::accessDenied, "置き換えられません", to);
    marks_[target] = marksOf(source);
    marks_.erase(source);
}

void PortableFileSystem::setAttributes(const std::string& path, bool hidden, bool system) {
    const fs::path host = hostPath(path);
    std::error_code error;
    if (!fs::exists(host, error)) fail(error_code::fileNotFound, "ファイルが見つかりません", path);
    marks_[host] = {hidden, system, marksOf(host).readOnly};
}

void PortableFileSystem::removeFile(const std::string& path) {
    const fs::path host = hostPath(path);
    std::error_code error;
    if (marksOf(host).readOnly) fail(error_code::accessDenied, "アクセスが拒否されました", path);
    if (!fs::remove(host, error) || error) fail(error_code::fileNotFound, "ファイルが見つかりません", path);
}

void PortableFileSystem::createDirectory(const std::string& path) {
    const fs::path host = hostPath(path);
    requireWritableFolderOf(host);
    std::error_code error;
    if (fs::exists(host, error)) fail(error_code::alreadyExists, "既に存在します", path);
    if (!fs::create_directory(host, error) || error) fail(error_code::pathNotFound, "作成できません", path);
}

bool PortableFileSystem::canCreateFilesIn(const std::string& folder) {
    const FileAttributes a = attributes(folder);
    return a.exists && a.directory && !a.readOnly;
}

}  // namespace parcelo
