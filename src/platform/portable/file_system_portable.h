#pragma once
#include <filesystem>
#include <map>
#include <string>

#include "platform/file_system.h"

namespace parcelo {

// Windows paths on host folders: each drive letter maps to a folder, "\" becomes "/".
// Hidden, system and read-only marks, which the host does not have, are kept here; names that
// Windows refuses are refused.
class PortableFileSystem : public FileSystem {
public:
    // Drive letters in upper case.
    explicit PortableFileSystem(std::map<char, std::filesystem::path> drives);

    FileAttributes attributes(const std::string& path) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, std::string_view bytes) override;
    void replaceFile(const std::string& from, const std::string& to) override;
    void removeFile(const std::string& path) override;
    void createDirectory(const std::string& path) override;
    bool canCreateFilesIn(const std::string& folder) override;

    void mark(const std::string& path, bool hidden, bool system, bool readOnly);

    // Fault injection: the n-th file operation from now on (1: the next one) fails as it can on the
    // system; 0 injects nothing. A failing query finds nothing or says no, a failing write leaves
    // the first half of its bytes behind, the others throw PlatformError.
    void failOperation(int n) { failAt_ = n == 0 ? 0 : operations_ + n; }
    // The file operations made so far.
    int operations() const { return operations_; }
    // The host path of a Windows path; throws PlatformError for a drive that is not mapped or a
    // name that Windows refuses.
    std::filesystem::path hostPath(const std::string& path) const;

private:
    struct Marks {
        bool hidden = false, system = false, readOnly = false;
    };
    Marks marksOf(const std::filesystem::path& host) const;
    FileAttributes look(const std::string& path) const;
    void requireWritableFolderOf(const std::filesystem::path& host) const;
    // Counts one operation; true when it is the one to fail.
    bool injectedFault();

    std::map<char, std::filesystem::path> drives_;
    std::map<std::filesystem::path, Marks> marks_;
    int operations_ = 0;
    int failAt_ = 0;
};

}  // namespace parcelo
