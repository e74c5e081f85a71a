#pragma once
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "platform/file_system.h"
#include "platform/shortcut_writer.h"

namespace parcelo {

// Shortcut files of its own making, in the format the shell reads; they show their target's icon,
// and an icon asked for from a library is only noted.
class PortableShortcutWriter : public ShortcutWriter {
public:
    PortableShortcutWriter(FileSystem& files, Codepage& codepage) : files_(files), codepage_(codepage) {}
    void write(const std::string& file, const std::string& target, const std::string& arguments,
               const std::string& iconOf, std::optional<int> iconIndex = std::nullopt) override;

    std::vector<std::string> iconsAskedFor;  // "LIBRARY,INDEX", one for each such shortcut

private:
    FileSystem& files_;
    Codepage& codepage_;
};

}  // namespace parcelo
