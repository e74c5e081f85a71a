#pragma once
#include <functional>
#include <string>
#include <string_view>

#include "platform/file_system.h"

namespace parcelo {

// Has `write` make the file under a temporary name beside it and moves that over the old file,
// so a failure at any point leaves the old file as it was. Throws PlatformError on failure.
void writeFileAtomically(FileSystem& files, const std::string& path,
                         const std::function<void(const std::string& temporary)>& write);

void writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);

// The same for a file the shell reads with its hidden and system marks on, such as desktop.ini: the
// new file keeps the old one's marks, and a file made new gets both. A read-only file cannot be
// replaced.
void writeMarkedFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes);

}  // namespace parcelo
