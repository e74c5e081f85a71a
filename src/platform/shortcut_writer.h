#pragma once
#include <optional>
#include <string>

namespace parcelo {

// Writes one shell shortcut file; throws PlatformError.
class ShortcutWriter {
public:
    virtual ~ShortcutWriter() = default;
    // `iconOf`: the file or folder whose icon the shortcut shows; empty: the target's own. With
    // `iconIndex`, the icon at that place in the file `iconOf`, a library of icons, instead.
    virtual void write(const std::string& file, const std::string& target, const std::string& arguments,
                       const std::string& iconOf, std::optional<int> iconIndex = std::nullopt) = 0;
};

}  // namespace parcelo
