#include "core/atomic_write.h"

#include "platform/platform_error.h"

namespace parcelo {
namespace {

// Has `write` make the temporary file and moves it over `path`; on failure removes what it left.
void replaceThroughTemporary(FileSystem& files, const std::string& path,
                             const std::function<void(const std::string& temporary)>& write) {
    const std::string temporary = path + ".new";
    try {
        write(temporary);
        files.replaceFile(temporary, path);
    } catch (const PlatformError&) {
        try {
            if (files.attributes(temporary).exists) files.removeFile(temporary);
        } catch (const PlatformError&) {
            // The first failure is the one to report.
        }
        throw;
    }
}

}  // namespace

void writeFileAtomically(FileSystem& files, const std::string& path,
                         const std::function<void(const std::string& temporary)>& write) {
    // A file the user marked read-only, hidden or system stays as it is, on every file system.
    const FileAttributes old = files.attributes(path);
    if (old.readOnly) throw PlatformError(error_code::accessDenied, "読み取り専用です: " + path);
    if (old.hidden || old.system)
        throw PlatformError(error_code::accessDenied, "隠しファイルかシステム ファイルです: " + path);
    replaceThroughTemporary(files, path, write);
}

void writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    writeFileAtomically(files, path, [&](const std::string& temporary) { files.writeFile(temporary, bytes); });
}

void writeMarkedFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    const FileAttributes old = files.attributes(path);
    const bool hidden = !old.exists || old.hidden, system = !old.exists || old.system;
    replaceThroughTemporary(files, path, [&](const std::string& temporary) {
        files.writeFile(temporary, bytes);
        files.setAttributes(temporary, hidden, system);
    });
}

}  // namespace parcelo
