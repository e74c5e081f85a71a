#pragma once
#include <string>

#include "platform/shell.h"

namespace parcelo {

// The shell's path of a special folder, looked up anew on every call. A failed lookup gives
// empty text; it never ends the program.
std::string SpecialFolderPath(Shell& shell, int csidl);

}  // namespace parcelo
