#include "core/special_folders.h"

#include <exception>

namespace parcelo {

std::string SpecialFolderPath(Shell& shell, int csidl) {
    try {
        return shell.specialFolderPath(csidl);
    } catch (const std::exception&) {
        return {};
    }
}

}  // namespace parcelo
