#include "core/special_folders.h"

#include "platform/platform_error.h"

namespace parcelo {

std::string SpecialFolderPath(Shell& shell, int csidl) {
    try {
        return shell.specialFolderPath(csidl);
    } catch (const PlatformError&) {
        return {};
    }
}

}  // namespace parcelo
