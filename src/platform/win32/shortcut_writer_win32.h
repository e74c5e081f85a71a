#pragma once
#include "platform/shortcut_writer.h"

namespace parcelo::win32 {

// Shortcut files through the shell's own link object.
class Win32ShortcutWriter : public ShortcutWriter {
public:
    void write(const std::string& file, const std::string& target, const std::string& arguments,
               const std::string& iconOf, std::optional<int> iconIndex = std::nullopt) override;
};

}  // namespace parcelo::win32
