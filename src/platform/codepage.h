#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace parcelo {

// The system's ANSI code page (cp932 on a Japanese system) against the program's UTF-8.
class Codepage {
public:
    virtual ~Codepage() = default;

    // The text in the ANSI code page, or nothing when a character has no exact counterpart there.
    virtual std::optional<std::string> toAnsi(std::string_view utf8) = 0;
    // Bytes that are not valid in the code page become U+FFFD.
    virtual std::string fromAnsi(std::string_view ansi) = 0;
};

}  // namespace parcelo
