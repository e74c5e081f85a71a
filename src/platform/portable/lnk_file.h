#pragma once
#include <string>

namespace parcelo {

// The bytes of a shell link file that opens a local path (drive letter, colon, backslash,
// folders) with the given arguments: a header, the target's item-id list, its local path and
// the arguments, all text in UTF-16 so no character is lost. `ansiPath` is the same path in the
// ANSI code page, for readers that take the 8-bit copy.
std::string shellLinkBytes(const std::string& targetPath, const std::string& ansiPath, const std::string& arguments,
                           bool targetIsFolder);

}  // namespace parcelo
