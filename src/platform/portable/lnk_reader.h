#pragma once
#include <string>

#include "platform/shell_folder.h"

namespace parcelo {

// The local target and the arguments of a shell link file's bytes, read from its LinkInfo and
// string data. Throws PlatformError for bytes that are not a shell link, or one without a local path.
LinkTarget readShellLinkBytes(const std::string& bytes);

}  // namespace parcelo
