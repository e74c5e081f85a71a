#pragma once
#include "platform/file_system.h"

namespace parcelo::win32 {

class Win32FileSystem : public FileSystem {
public:
    FileAttributes attributes(const std::string& path) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, std::string_view bytes) override;
    void replaceFile(const std::string& from, const std::string& to) override;
    void setAttributes(const std::string& path, bool hidden, bool system) override;
    void removeFile(const std::string& path) override;
    void createDirectory(const std::string& path) override;
    bool canCreateFilesIn(const std::string& folder) override;
};

}  // namespace parcelo::win32
