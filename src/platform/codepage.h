#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace parcelo {

// The system's ANSI code page (cp932 on a Japanese system) against the program's UTF-8.
class Codepage {
public:
    virtual ~Codepage() = default;

    // The text in the ANSI code page, or nothing when a character has no exact counterpart there:
    // a best-fit mapping (such as U+00A5 to 0x5C) does not come back as it went in.
    std::optional<std::string> toAnsi(std::string_view utf8) {
        std::optional<std::string> ansi = convertToAnsi(utf8);
        if (!ansi || fromAnsi(*ansi) != utf8) return std::nullopt;
        return ansi;
    }
    // Bytes that are not valid in the code page become U+FFFD.
    virtual std::string fromAnsi(std::string_view ansi) = 0;

protected:
    // The system's conversion, or nothing when it reports a character it could not convert.
    virtual std::optional<std::string> convertToAnsi(std::string_view utf8) = 0;
};

}  // namespace parcelo
