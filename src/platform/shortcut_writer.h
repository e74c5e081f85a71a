#pragma once
#include <string>

namespace parcelo {

// Writes one shell shortcut file; throws PlatformError.
class ShortcutWriter {
public:
    virtual ~ShortcutWriter() = default;
    virtual void write(const std::string& file, const std::string& target, const std::string& arguments) = 0;
};

}  // namespace parcelo
