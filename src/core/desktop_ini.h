#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace parcelo {

// One line of a desktop.ini's [LocalizedFileNames] section: a file of the folder and the name the
// shell shows for it (a resource string such as "@%SystemRoot%\system32\shell32.dll,-21770"). ASCII.
struct LocalizedName {
    std::string file;
    std::string name;
};

// The bytes of a folder's desktop.ini (empty when there is none) with a line added to its
// [LocalizedFileNames] section for each file that has none there yet (compared without regard to
// case), the section added when it is missing. Every byte the file had stays, and so does its
// encoding: UTF-16LE or UTF-8 behind a byte-order mark, else the ANSI code page; a new file is
// UTF-16LE, as Windows writes its own. Nothing when the bytes are not text in their encoding:
// UTF-16 of an odd length or with a lone surrogate, malformed UTF-8, a NUL byte in an ANSI file.
std::optional<std::string> withLocalizedNames(std::string_view desktopIni, const std::vector<LocalizedName>& names);

}  // namespace parcelo
