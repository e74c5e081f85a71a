#include "core/atomic_write.h"

#include "platform/platform_error.h"

namespace parcelo {

void writeFileAtomically(FileSystem& files, const std::string& path, std::string_view bytes) {
    const std::string temporary = path + ".new";
    try {
        files.writeFile(temporary, bytes);
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

}  // namespace parcelo
