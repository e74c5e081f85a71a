#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace parcelo {

// The names of a path between its separators ("\" and "/"), empty ones left out.
std::vector<std::string_view> pathParts(std::string_view path);

// The last name of a path, after its last "\" (the whole path when it has none).
std::string_view lastPathPart(std::string_view path);

// Windows compares paths without regard to case; a trailing separator names the same folder.
bool sameWindowsPath(const std::string& a, const std::string& b);

// Whether a name holds a character that Windows refuses in a file or folder name: a control
// character or one of <>:"|?* (the separators are not names' characters either).
bool hasRefusedCharacter(std::string_view name);

// Whether the name is a device (CON, PRN, AUX, NUL, COM1-9, LPT1-9), in any case and with any
// extension: "nul.txt" is NUL.
bool isDeviceName(std::string_view name);

// Whether two names are the same but for the case of their ASCII letters, as Windows compares
// extensions and switches.
bool sameIgnoringCase(std::string_view a, std::string_view b);

}  // namespace parcelo
