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
    // The file moved keeps its marks, as on Windows.
    void replaceFile(const std::string& from, const std::string& to) override;
    void setAttributes(const std::string& path, bool hidden, bool system) override;
    void removeFile(const std::string& path) override;
    void createDirectory(const std::string& path) override;
    bool canCreateFilesIn(const std::string& folder) override;

    void mark(const std::string& path, bool hidden, bool system, bool readOnly);

    // The host path of a Windows path; throws PlatformError for a drive that is not mapped or a
    // name that Windows refuses.
    std::filesystem::path hostPath(const std::string& path) const;

private:
    struct Marks {
        bool hidden = false, system = false, readOnly = false;
    };
    Marks marksOf(const std::filesystem::path& host) const;
    void requireWritableFolderOf(const std::filesystem::path& host) const;

    std::map<char, std::filesystem::path> drives_;
    std::map<std::filesystem::path, Marks> marks_;
};

}  // namespace parcelo
