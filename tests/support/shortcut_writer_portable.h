#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/shortcut_writer.h"

namespace parcelo {

// Writes, through the file system, a file that records what it was asked to write: a line each for
// the target, the arguments and the file whose icon it shows. The portable shell folder reads it back.
class PortableShortcutWriter : public ShortcutWriter {
public:
    explicit PortableShortcutWriter(FileSystem& files) : files_(files) {}
    void write(const std::string& file, const std::string& target, const std::string& arguments,
               const std::string& iconOf, std::optional<int> iconIndex = std::nullopt) override {
        if (iconIndex) iconsAskedFor.push_back(iconOf + "," + std::to_string(*iconIndex));
        files_.writeFile(file, recordOf(target, arguments, iconOf));
    }
    static std::string recordOf(const std::string& target, const std::string& arguments, const std::string& iconOf) {
        return "shortcut\n" + target + "\n" + arguments + "\n" + iconOf + "\n";
    }

    std::vector<std::string> iconsAskedFor;  // "LIBRARY,INDEX", one for each shortcut that names one

private:
    FileSystem& files_;
};

}  // namespace parcelo
