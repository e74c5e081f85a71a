#pragma once
#include <string>
#include <string_view>

namespace parcelo {

struct FileAttributes {
    bool exists = false;
    bool directory = false;
    bool hidden = false;
    bool system = false;
    bool readOnly = false;
};

// Files addressed by Windows paths. Every failing operation throws PlatformError.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Never throws for a missing path: `exists` is false then.
    virtual FileAttributes attributes(const std::string& path) = 0;
    virtual std::string readFile(const std::string& path) = 0;
    // Creates or empties the file, writes the bytes and flushes them to the disk.
    virtual void writeFile(const std::string& path, std::string_view bytes) = 0;
    // Moves `from` over `to` in one step; `to` may exist.
    virtual void replaceFile(const std::string& from, const std::string& to) = 0;
    // Sets or clears the hidden and system marks of a file that exists.
    virtual void setAttributes(const std::string& path, bool hidden, bool system) = 0;
    virtual void removeFile(const std::string& path) = 0;
    // Makes one directory; the folders above it must exist.
    virtual void createDirectory(const std::string& path) = 0;
    // Whether a new file can be created in the folder.
    virtual bool canCreateFilesIn(const std::string& folder) = 0;
};

}  // namespace parcelo
