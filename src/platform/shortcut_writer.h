#pragma once
#include <string>

namespace parcelo {

// Writes one shell shortcut file; throws PlatformError.
class ShortcutWriter {
public:
    virtual ~ShortcutWriter() = default;
    // `iconOf`: the file or folder whose icon the shortcut shows; empty: the target's own.
    virtual void write(const std::string& file, const std::string& target, const std::string& arguments,
                       const std::string& iconOf) = 0;
};

}  // namespace parcelo
